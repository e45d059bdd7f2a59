#pragma once

#include "drawing_surface.h"

namespace quorvel::platform::win32 {

class Form;

// The drawing surface of a Win32 form: the neutral raster at the form's DPI,
// shown by the form's paint handler.
class Surface final : public DrawingSurface {
public:
    Surface(Form &form, Colour drawingColour) : DrawingSurface(drawingColour), form_(form) {}

    void setDescription(const Text &description, const Text &namedDescription) override;
    void announce(const Text &sentence) override;
    // Re-fits the raster after the form's DPI changed, keeping what is drawn.
    void refit() { fitRaster(); }
    // The logical pixels drawn since the last call, then forgets them.
    PixelRect takeDirty() { return ownRaster().takeDirty(); }

protected:
    void fitRaster() override;
    void changed() override;

private:
    Form &form_;
};

} // namespace quorvel::platform::win32
