#include "quorvelcode.h"

#include "number_text.h"

namespace quorvel {

// Wipes every trajectory and curve; controls, box texts, frames and fields stay.
void Quorvelcode::CLS_Click() {
    Cls();
}

// Clearing the drawing clears its description and its kept numbers with it.
void Quorvelcode::Cls() {
    surface->Cls();
    drawn.clear();
    reading_.leave();
    form_->hideMarker();
    form_->hideNote();
    described_.clear();
    undescribed_ = 0;
    ShowDescription();
}

// Only the latest actions are told in full, so that a class that never clears
// does not build up an endless text.
void Quorvelcode::Describe(Sentence sentence) {
    constexpr std::size_t Latest = 10;
    platform::Text said = sentence(language_);
    described_.push_back({std::move(sentence), said});
    if (described_.size() > Latest) {
        described_.pop_front();
        ++undescribed_;
    }
    ShowDescription();
    surface->announce(said);
}

// The description of what is drawn, in the window's language.
void Quorvelcode::ShowDescription(bool languageChanged) {
    if (languageChanged)
        for (Told &told : described_)
            told.said = told.sentence(language_);
    const platform::Text earlier =
        undescribed_ > 0 ? words::SayCount(language_, words::Phrase::EarlierActions,
                                           static_cast<unsigned long>(undescribed_),
                                           {{"count", platform::NumberToText(undescribed_)}})
                         : platform::Text();
    std::vector<const platform::Text *> sentences;
    if (undescribed_ > 0)
        sentences.push_back(&earlier);
    for (const Told &told : described_)
        sentences.push_back(&told.said);
    const platform::Text text = words::InTurn(language_, words::Phrase::SentenceAfterSentence,
                                              "first", "second", sentences);
    surface->setDescription(
        text, text.empty() ? Say(words::Phrase::NameDrawing)
                           : Say(words::Phrase::NameDrawingDescribed, {{"description", text}}));
}

} // namespace quorvel
