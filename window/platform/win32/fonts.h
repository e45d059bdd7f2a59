#pragma once

#include "form_layout.h"
#include "form_words.h"
#include "handles.h"

#include <map>
#include <string>
#include <tuple>

namespace quorvel::platform::win32 {

// The layout's font at the given DPI, with the pitch-and-family hints that let
// the system pick a face of the same kind where the named one is missing.
// face: another face at the layout's size, for words in letters the layout's
// faces lack; nullptr for the layout's own.
FontHandle CreateLayoutFont(const Font &font, UINT dpi, const wchar_t *face = nullptr);

// The system's face for the letters of the words; nullptr where the
// layout's faces have them all.
const wchar_t *SystemFaceFor(const FormWords &words);

// The layout's fonts at one DPI, each made once and kept while the DPI stays;
// all made again at another. A font with no family is the window's own.
class Fonts {
public:
    explicit Fonts(const Font &windowFont, const wchar_t *face = nullptr)
        : windowFont_(windowFont), face_(face) {}
    // inLayoutFace: for a text in letters the layout's own face has, as
    // captions in Latin letters and numbers are in any language.
    HFONT at(const Font &wanted, UINT dpi, bool inLayoutFace = false);
    // Another face for every font (SystemFaceFor): all made again.
    void useFace(const wchar_t *face);

private:
    const Font &windowFont_;
    std::map<std::tuple<std::string, double, bool, bool>, FontHandle> made_;
    UINT dpi_ = 0;
    const wchar_t *face_;
};

} // namespace quorvel::platform::win32
