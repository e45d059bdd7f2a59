#pragma once

#include <QFont>

namespace quorvel::platform::qt {

// Which characters a font must be able to show.
enum class Glyphs {
    Latin, // fixed captions in plain Latin letters: no fallback faces are looked up
    Any,   // text from elsewhere, such as numbers in the user's locale
};

// The layout names Windows faces; each comes with metric-compatible stand-ins
// and a style hint, so that any system picks a face of the same kind.
QFont MakeFont(const char *family, double pointSize, bool bold, Glyphs glyphs = Glyphs::Any);

} // namespace quorvel::platform::qt
