#pragma once

#include "form_layout.h"
#include "handles.h"

namespace quorvel::platform::win32 {

// The layout's font at the given DPI, with the pitch-and-family hints that let
// the system pick a face of the same kind where the named one is missing.
FontHandle CreateLayoutFont(const Font &font, UINT dpi);

} // namespace quorvel::platform::win32
