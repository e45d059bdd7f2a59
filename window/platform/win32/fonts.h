#pragma once

#include "form_layout.h"
#include "handles.h"

#include <map>
#include <string>
#include <tuple>

namespace quorvel::platform::win32 {

// The layout's font at the given DPI, with the pitch-and-family hints that let
// the system pick a face of the same kind where the named one is missing.
FontHandle CreateLayoutFont(const Font &font, UINT dpi);

// The layout's fonts at one DPI, each made once and kept while the DPI stays;
// all made again at another. A font with no family is the window's own.
class Fonts {
public:
    explicit Fonts(const Font &windowFont) : windowFont_(windowFont) {}
    HFONT at(const Font &wanted, UINT dpi);

private:
    const Font &windowFont_;
    std::map<std::tuple<std::string, double, bool>, FontHandle> made_;
    UINT dpi_ = 0;
};

} // namespace quorvel::platform::win32
