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
    const platform::Text said = sentence(language_);
    described_.push_back(std::move(sentence));
    if (described_.size() > Latest) {
        described_.pop_front();
        ++undescribed_;
    }
    ShowDescription();
    surface->announce(said);
}

// The description of what is drawn, in the window's language.
void Quorvelcode::ShowDescription() {
    platform::Text text;
    if (undescribed_ > 0)
        text = words::SayCount(language_, words::Phrase::EarlierActions,
                               static_cast<unsigned long>(undescribed_),
                               {{"count", platform::NumberToText(undescribed_)}});
    for (const Sentence &told : described_)
        text = text.empty() ? told(language_)
                            : Say(words::Phrase::SentenceAfterSentence,
                                  {{"first", text}, {"second", told(language_)}});
    surface->setDescription(
        text, text.empty() ? Say(words::Phrase::NameDrawing)
                           : Say(words::Phrase::NameDrawingDescribed, {{"description", text}}));
}

} // namespace quorvel
