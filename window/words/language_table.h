#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// What po/make_catalogue.py writes for each language, at build time: its
// texts, one a phrase, its rule for plural forms and its direction. English comes first.
namespace quorvel::words {

struct LanguageTable {
    std::string_view tag;  // as its catalogue is named: "de", "pt_BR"
    std::string_view name; // in its own words: "Deutsch"
    // In UTF-8, in the order of Phrase; a phrase with plural forms holds them
    // all, apart by '\0'.
    const std::string_view *texts;
    // Which of the forms a count takes.
    std::size_t (*plural)(unsigned long n);
    std::size_t forms;
    // Written right to left, as Arabic is: its name's first letter says so.
    bool rightToLeft;
};

std::span<const LanguageTable> LanguageTables();

} // namespace quorvel::words
