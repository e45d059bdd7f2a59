#pragma once

#include "text.h"

namespace quorvel::platform::qt {

// Qt's own words (a message box's buttons, the file dialog) in the language
// whose tag this is, from Qt's translations where the system has them;
// English, Qt's own, for English and where it has none.
void UseQtTranslations(const Text &language);

} // namespace quorvel::platform::qt
