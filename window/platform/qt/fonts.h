#pragma once

#include "form_words.h"

#include <QFont>

namespace quorvel::platform::qt {

// Which characters a font must be able to show.
enum class Glyphs {
    Latin, // captions in the words of a language in Latin letters: no fallback faces
    Any,   // text from elsewhere, such as numbers in the user's locale
};

// The words the window speaks now: where any of them is in letters the
// layout's faces lack (Chinese, Arabic), every font looks up fallback faces
// and shapes its text. Fonts made before are not changed.
void UseLettersOf(const FormWords &words);

// The layout names Windows faces; each comes with metric-compatible stand-ins
// and a style hint, so that any system picks a face of the same kind.
QFont MakeFont(const char *family, double pointSize, bool bold, Glyphs glyphs = Glyphs::Any);

} // namespace quorvel::platform::qt
