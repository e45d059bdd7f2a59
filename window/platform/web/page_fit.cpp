#include "page_fit.h"

#include <algorithm>
#include <cmath>

namespace quorvel::platform::web {

PageFit FitToViewport(double across, double down, double width, double height, bool coarsePointer) {
    PageFit fit;
    const double whole = std::min(across / width, down / height);
    fit.scale = std::min(whole, coarsePointer ? PageFit::LargestByTouch : 1.0);
    if (fit.scale < PageFit::Smallest) {
        fit.scale = PageFit::Smallest;
        fit.turnHint = down > across;
    }
    fit.left = std::max(0.0, std::floor((across - width * fit.scale) / 2));
    // Below the line that asks to turn, the page scrolls from its top.
    if (!fit.turnHint)
        fit.top = std::max(0.0, std::floor((down - height * fit.scale) / 2));
    return fit;
}

} // namespace quorvel::platform::web
