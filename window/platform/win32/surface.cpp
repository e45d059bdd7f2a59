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

// The drawing is the window's own client area, whose name is the title:
// what is drawn is its description.
void Surface::setDescription(const Text &description, const Text &) {
    form_.describeDrawing(description);
}

void Surface::announce(const Text &sentence) {
    form_.announce(sentence);
}

} // namespace quorvel::platform::win32
