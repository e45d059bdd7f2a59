#include "fonts.h"

#include "text.h"

#include <cmath>
#include <cstring>
#include <string>

namespace quorvel::platform::win32 {

namespace {

FontHandle Create(int height, const Font &font, const wchar_t *family, DWORD precision) {
    const bool serif = std::strstr(font.family, "Times") != nullptr;
    return FontHandle(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                  FALSE, DEFAULT_CHARSET, precision, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, VARIABLE_PITCH | (serif ? FF_ROMAN : FF_SWISS),
                                  family));
}

// Whether the system gave a font that scales to any size.
bool IsScalable(HFONT font) {
    HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0;
}

} // namespace

FontHandle CreateLayoutFont(const Font &font, UINT dpi, const wchar_t *face) {
    // Points to pixels at this DPI; negative: the height of the characters,
    // not of the cell.
    const int height = -static_cast<int>(std::lround(font.pointSize * dpi / 72.0));
    if (face)
        return Create(height, font, face, OUT_TT_PRECIS);
    const Text family = FromUtf8(font.family);
    const std::wstring name(family.begin(), family.end());
    // At 96 DPI the layout's own faces, bitmap ones included, as it was drawn.
    // "MS Sans Serif" is also a bitmap face in a few fixed sizes only, which at
    // 150 % would draw captions a quarter too short: elsewhere ask for outlines.
    if (dpi == USER_DEFAULT_SCREEN_DPI)
        return Create(height, font, name.c_str(), OUT_DEFAULT_PRECIS);
    FontHandle made = Create(height, font, name.c_str(), OUT_TT_PRECIS);
    // Where the only face of that name is a bitmap one (Windows has no outline
    // "MS Sans Serif"), its outline successor has the same metrics.
    if (made && !IsScalable(made.get()) && std::strcmp(font.family, "MS Sans Serif") == 0)
        made = Create(height, font, L"Microsoft Sans Serif", OUT_TT_PRECIS);
    return made;
}

HFONT Fonts::at(const Font &wanted, UINT dpi, bool inLayoutFace) {
    if (dpi_ != dpi) {
        made_.clear();
        dpi_ = dpi;
    }
    const Font &font = wanted.family ? wanted : windowFont_;
    const auto key =
        std::make_tuple(std::string(font.family), font.pointSize, font.bold, inLayoutFace);
    auto found = made_.find(key);
    if (found == made_.end())
        found =
            made_.emplace(key, CreateLayoutFont(font, dpi, inLayoutFace ? nullptr : face_)).first;
    return found->second.get();
}

void Fonts::useFace(const wchar_t *face) {
    if (face != face_)
        made_.clear();
    face_ = face;
}

// The layout's faces have Latin letters only. Other letters come in the
// outline successor of its "MS Sans Serif", which has the Arabic and Hebrew
// letters and their shapes and which Windows links to its Chinese, Japanese
// and Korean faces. Serif captions too: these scripts have no serif of that
// kind.
const wchar_t *SystemFaceFor(const FormWords &words) {
    return words.latinLetters ? nullptr : L"Microsoft Sans Serif";
}

} // namespace quorvel::platform::win32
