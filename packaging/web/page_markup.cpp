// Writes what the page is built from, at build time: the window's HTML, so
// that the browser paints the whole window while the program is still
// compiling; the tools' style; the numbers and tables the page's JavaScript
// shares with the program; and, for the faces the page embeds, every text
// each face shows in every language, with the captions whose parts the page
// pins apart.
// usage: page_markup window|style|constants|texts
#include "layout/layout.h"
#include "layout/layout_words.h"
#include "markup.h"
#include "page_constants.h"
#include "settings/settings.h"
#include "words/catalogue.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

namespace {

using quorvel::platform::Text;
namespace words = quorvel::words;

// A text as a JSON string, UTF-8 as it is.
std::string Json(const Text &text) {
    std::string out = "\"";
    for (const std::uint8_t byte : quorvel::platform::ToUtf8(text)) {
        if (byte == '"' || byte == '\\')
            out += '\\';
        if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out + "\"";
}

// Which face a font is in the page: the sans, or the serif, upright or bold.
std::string Face(const quorvel::platform::Font &font) {
    if (std::strncmp(font.family, "Times", 5) != 0)
        return "sans";
    return font.bold ? "serifBold" : "serif";
}

// {"sans": [texts], "serif": [...], "serifBold": [...], "pins": [{"id", "size",
// "texts"}]}: the sans shows every phrase, somewhere, and every value of a
// setting; a serif only the captions set in it.
std::string Texts() {
    const auto rows = quorvel::layout::Controls();
    const quorvel::platform::Font windowFont = quorvel::layout::MainWindow().font;
    std::set<Text> sans, serif, serifBold;
    std::string pins;
    for (const words::Language language : words::Language::All())
        for (std::size_t phrase = 0; phrase < words::PhraseCount; ++phrase)
            for (unsigned long count : {1ul, 2ul, 5ul, 11ul, 21ul, 101ul})
                sans.insert(words::SayCount(language, static_cast<words::Phrase>(phrase), count));
    // The panel's boxes show each setting's values: digits, "∞" and the separators.
    for (const quorvel::settings::Setting &setting : quorvel::settings::Listed())
        for (int position = 0; position <= setting.lastPosition(); ++position)
            sans.insert(quorvel::settings::ValueText(setting, position));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].caption == quorvel::platform::NoCaption)
            continue;
        const quorvel::platform::Font &font = rows[i].font.family ? rows[i].font : windowFont;
        std::string texts;
        for (const words::Language language : words::Language::All()) {
            const Text caption =
                quorvel::layout::FormWordsIn(language, quorvel::settings::Defaults())
                    .captions.at(i);
            (Face(font) == "serif"       ? serif
             : Face(font) == "serifBold" ? serifBold
                                         : sans)
                .insert(caption);
            texts += (texts.empty() ? "" : ", ") + Json(caption);
        }
        if (rows[i].kind == quorvel::platform::Kind::Label && Face(font) == "sans")
            pins += std::string(pins.empty() ? "" : ", ") + "{\"id\": " + std::to_string(i) +
                    ", \"size\": " + std::to_string(font.pointSize * 96.0 / 72.0) +
                    ", \"texts\": [" + texts + "]}";
    }
    const auto list = [](const std::set<Text> &texts) {
        std::string out;
        for (const Text &text : texts)
            out += (out.empty() ? "" : ", ") + Json(text);
        return "[" + out + "]";
    };
    return "{\"sans\": " + list(sans) + ", \"serif\": " + list(serif) +
           ", \"serifBold\": " + list(serifBold) + ", \"pins\": [" + pins + "]}";
}

// What the page shows before the program has started, in the browser's own
// language rather than the one it was built in: the program's words for its
// title, its line for a phone and its captions, by row, in every language
// but the built one, and where to find a tag, whole or by its language
// alone, as the program's LanguageOf does, which chooses again once it runs.
std::string FirstWords() {
    const auto rows = quorvel::layout::Controls();
    std::string whole, part, words;
    std::set<std::string> parts;
    for (const words::Language language : words::Language::All()) {
        Text tag = language.tag();
        for (char16_t &c : tag)
            c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
        const std::string index = std::to_string(language.index());
        whole += (whole.empty() ? "" : ", ") + Json(tag) + ": " + index;
        // By its language alone, or with its script where its language has
        // more than one ("zh-hans"), as the page reads a tag's script.
        Text alone = tag.substr(0, tag.find(u'-'));
        if (alone == words::Scripts().language)
            alone = tag;
        if (parts.insert(std::string(alone.begin(), alone.end())).second)
            part += (part.empty() ? "" : ", ") + Json(alone) + ": " + index;
        if (language == words::Language::English())
            continue;
        const quorvel::platform::FormWords shown =
            quorvel::layout::FormWordsIn(language, quorvel::settings::Defaults());
        std::string captions;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (!shown.captions[i].empty())
                captions += (captions.empty() ? "" : ", ") + std::string("\"") + std::to_string(i) +
                            "\": " + Json(shown.captions[i]);
        words += ",\n    " + index + ": {title: " + Json(shown.title) +
                 ", lang: " + Json(shown.language) +
                 ", rtl: " + (shown.rightToLeft ? "true" : "false") +
                 ", hint: " + Json(shown.turnHint) + ", captions: {" + captions + "}}";
    }
    const words::LanguageScripts &scripts = words::Scripts();
    std::string regions;
    for (const std::u16string_view region : scripts.otherRegions)
        regions += (regions.empty() ? "" : ", ") + Json(Text(region));
    return "var QuorvelFirstWords = {\n  whole: {" + whole + "},\n  part: {" + part +
           "},\n  scripts: {language: " + Json(Text(scripts.language)) +
           ", usual: " + Json(Text(scripts.usual)) + ", other: " + Json(Text(scripts.other)) +
           ", otherRegions: [" + regions + "]},\n  words: {" + words.substr(words.empty() ? 0 : 1) +
           "}\n};\n";
}

} // namespace

int main(int argc, char **argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    std::string text;
    if (what == "window")
        text = quorvel::platform::web::WindowMarkup(
            quorvel::layout::MainWindow(), quorvel::layout::Controls(),
            quorvel::layout::FormWordsIn(words::Language::English(),
                                         quorvel::settings::Defaults()));
    else if (what == "style")
        text = quorvel::platform::web::ToolsStyle();
    else if (what == "constants")
        text = quorvel::platform::web::PageConstants() + FirstWords();
    else if (what == "texts")
        text = Texts();
    else {
        std::fprintf(stderr, "usage: page_markup window|style|constants|texts\n");
        return 2;
    }
    std::fputs(text.c_str(), stdout);
    std::fputs("\n", stdout); // the newline is what flushes it
    return 0;
}
