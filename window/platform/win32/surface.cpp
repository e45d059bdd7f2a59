#include "surface.h"

#include "native_form.h"

namespace quorvel::platform::win32 {

void Surface::fitRaster() {
    ownRaster().resize(form_.design().clientWidth, form_.design().clientHeight,
                       form_.dpi() / static_cast<double>(USER_DEFAULT_SCREEN_DPI));
}

void Surface::changed() {
    form_.scheduleRepaint();
}

void Surface::setDescription(const Text &text) {
    form_.describeDrawing(text);
}

void Surface::announce(const Text &sentence) {
    form_.announce(sentence);
}

} // namespace quorvel::platform::win32
