#include "languages.h"

#include <algorithm>

namespace quorvel::platform {

std::vector<Text> GettextLanguages(std::string_view language, std::string_view all,
                                   std::string_view messages, std::string_view lang) {
    const std::string_view locale = !all.empty() ? all : !messages.empty() ? messages : lang;
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    std::vector<Text> tags;
    if (name.empty() || name == "C" || name == "POSIX")
        return tags;
    for (std::size_t start = 0; start <= language.size();) {
        const std::size_t end = std::min(language.find(':', start), language.size());
        if (end > start)
            tags.push_back(FromUtf8(language.substr(start, end - start)));
        start = end + 1;
    }
    tags.push_back(FromUtf8(locale));
    return tags;
}

} // namespace quorvel::platform
