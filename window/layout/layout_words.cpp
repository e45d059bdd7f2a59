#include "layout/layout_words.h"

#include "layout/layout.h"

#include <algorithm>

namespace quorvel::layout {

using words::Phrase;

platform::FormWords FormWordsIn(words::Language language) {
    const auto say = [language](Phrase phrase) { return words::Say(language, phrase); };
    platform::FormWords words;
    words.language = language.tag();
    words.rightToLeft = language.rightToLeft();
    words.title = say(Phrase::WindowCaption);
    for (const Row &row : Controls())
        words.captions.push_back(row.caption == platform::NoCaption
                                     ? platform::Text()
                                     : say(static_cast<Phrase>(row.caption)));
    words.drawing = say(Phrase::NameDrawing);
    words.ok = say(Phrase::ButtonOk);
    words.close = say(Phrase::ButtonClose);
    words.turnHint = say(Phrase::PageTurnHint);
    words.unexpectedError = say(Phrase::UnexpectedError);
    // The language's own name, in its own letters, says which they are.
    words.latinLetters =
        platform::InLatinFaces(language.name()) && platform::InLatinFaces(words.title) &&
        std::all_of(words.captions.begin(), words.captions.end(), platform::InLatinFaces);
    return words;
}

} // namespace quorvel::layout
