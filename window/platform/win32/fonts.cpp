#include "fonts.h"

#include "text.h"

#include <cmath>
#include <cstring>
#include <string>

namespace quorvel::platform::win32 {

FontHandle CreateLayoutFont(const Font &font, UINT dpi) {
    const bool serif = std::strstr(font.family, "Times") != nullptr;
    // Points to pixels at this DPI; negative: the height of the characters,
    // not of the cell.
    const int height = -static_cast<int>(std::lround(font.pointSize * dpi / 72.0));
    const Text family = FromUtf8(font.family);
    return FontHandle(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, VARIABLE_PITCH | (serif ? FF_ROMAN : FF_SWISS),
                                  std::wstring(family.begin(), family.end()).c_str()));
}

} // namespace quorvel::platform::win32
