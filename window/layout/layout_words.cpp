#include "layout/layout_words.h"

#include "layout/layout.h"
#include "number_text.h"

#include <algorithm>

namespace quorvel::layout {

using words::Phrase;

platform::FormWords FormWordsIn(words::Language language, const settings::Positions &positions) {
    const auto say = [language](Phrase phrase) { return words::Say(language, phrase); };
    const PopulationSettings model = settings::ModelSettings(positions);
    platform::FormWords words;
    words.language = language.tag();
    words.rightToLeft = language.rightToLeft();
    words.title = model.infinite() ? say(Phrase::WindowCaption)
                                   : words::Say(language, Phrase::WindowCaptionFinite,
                                                {{"size", platform::FormatSetting(model.size)}});
    // A caption that names the generations takes the plural their number
    // does; its digits are not grouped, as "p10000" names one symbol.
    const platform::Text generations = platform::NumberToText(model.generations);
    for (const Row &row : Controls())
        words.captions.push_back(
            row.caption == platform::NoCaption
                ? platform::Text()
                : words::SayCount(language, static_cast<Phrase>(row.caption),
                                  static_cast<unsigned long>(model.generations),
                                  {{"generations", generations}}));
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
