#include "page_fit.h"

#include <algorithm>

namespace quorvel::platform::web {

PageFit FitToViewport(double across, double down, double width, double height, bool coarsePointer) {
    PageFit fit;
    const double whole = std::min(across / width, down / height);
    fit.scale = std::min(whole, coarsePointer ? PageFit::LargestByTouch : 1.0);
    if (fit.scale < PageFit::Smallest) {
        fit.scale = PageFit::Smallest;
        fit.turnHint = down > across;
    }
    return fit;
}

} // namespace quorvel::platform::web
