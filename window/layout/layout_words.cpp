#include "layout/layout_words.h"

#include "layout/layout.h"

namespace quorvel::layout {

using words::Phrase;

platform::FormWords FormWordsIn(words::Language language) {
    const auto say = [language](Phrase phrase) { return words::Say(language, phrase); };
    platform::FormWords words;
    words.language = language.tag();
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
    return words;
}

} // namespace quorvel::layout
