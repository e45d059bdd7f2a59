#pragma once

#include "text.h"
#include "words/phrases.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Every word the program says, looked up by phrase and language in the
// tables po/make_catalogue.py writes from the catalogues in po/. A phrase is
// a whole sentence or caption; what varies in it (a number, a file's name)
// comes in by name, {p100}, so that each language puts it where it goes.
namespace quorvel::words {

// One of the languages the program speaks.
class Language {
public:
    static Language English() { return Language(0); }
    // Every language: English, then the others as po/LINGUAS lists them.
    static std::vector<Language> All();

    // As a link and a page's lang attribute write it: "de", "pt-BR".
    platform::Text tag() const;
    // In its own words, as the Language menu lists it: "Deutsch".
    platform::Text name() const;
    // Written right to left, as Arabic is: its captions read from their
    // control's right edge, and its menus and messages open mirrored.
    bool rightToLeft() const;
    std::size_t index() const { return index_; }
    friend bool operator==(Language, Language) = default;

private:
    explicit Language(std::size_t index) : index_(index) {}
    std::size_t index_;
    friend std::optional<Language> LanguageOf(std::u16string_view tag);
};

// A placeholder's name, without its braces, and what it stands for.
struct Arg {
    std::string_view name;
    platform::Text value;
};

platform::Text Say(Language language, Phrase phrase, std::initializer_list<Arg> args = {});
// A phrase with plural forms, in the form `count` takes in that language.
platform::Text SayCount(Language language, Phrase phrase, unsigned long count,
                        std::initializer_list<Arg> args = {});

// A language written in more than one script, as tags name them in lower
// case: Chinese is Simplified ("hans") but in Taiwan, Hong Kong and Macao,
// which write Traditional ("hant"), so that "zh-TW" takes no Simplified
// catalogue. A tag's own script ("zh-Hant-CN") goes first.
struct LanguageScripts {
    std::u16string_view language, usual, other;
    std::array<std::u16string_view, 3> otherRegions;
};
const LanguageScripts &Scripts();

// The language a tag names ("de", "pt-BR", "pt_BR", any case): the one of
// that whole tag, or else the first of that language alone ("pt-PT" takes
// pt-BR), in the same script ("zh-CN" takes zh-Hans, "zh-TW" does not); none
// where the program does not speak it.
std::optional<Language> LanguageOf(std::u16string_view tag);

// The language for a list of tags, the most wanted first: the first tag that
// names a language, whole or by its language alone; English where none does.
Language ChooseLanguage(std::span<const platform::Text> preferred);

// The items as one list in the language's words: "a", "a and b",
// "a, b, and c".
platform::Text ListOf(Language language, const std::vector<platform::Text> &items);

// The items joined in turn by a phrase of two placeholders, `sofar` for what
// is joined so far and `next` for the next item, as repeated Says would join
// them: "s1 s2 s3" for "{first} {second}". Written into one text at once, so
// that a long description made again after every action does not leave the
// heap strewn with the ever longer texts of the Says between.
platform::Text InTurn(Language language, Phrase phrase, std::string_view sofar,
                      std::string_view next, std::span<const platform::Text *const> items);

} // namespace quorvel::words
