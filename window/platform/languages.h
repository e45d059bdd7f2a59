#pragma once

#include "text.h"

#include <string_view>
#include <vector>

namespace quorvel::platform {

// The languages the user's system asks programs to speak, the most wanted
// first, as tags ("de-DE", "pt_BR"): each backend asks its system, as it does
// for the decimal separator, and the window chooses among them.
std::vector<Text> PreferredLanguages();

// The languages as a gettext program reads them from its environment: none
// where the locale for messages (LC_ALL, else LC_MESSAGES, else LANG) is
// unset, "C" or "POSIX"; otherwise the list in LANGUAGE, then that locale.
// Each value as the environment has it, or empty where it is unset.
std::vector<Text> GettextLanguages(std::string_view language, std::string_view all,
                                   std::string_view messages, std::string_view lang);

} // namespace quorvel::platform
