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
    surface->setDescription({});
}

// Only the latest actions are told in full, so that a class that never clears
// does not build up an endless text.
void Quorvelcode::Describe(const std::u16string &sentence) {
    constexpr std::size_t Latest = 10;
    described_.push_back(sentence);
    if (described_.size() > Latest) {
        described_.pop_front();
        ++undescribed_;
    }
    std::u16string text;
    if (undescribed_ > 0)
        text = platform::NumberToText(undescribed_) + u" earlier actions not described.";
    for (const std::u16string &told : described_)
        text += (text.empty() ? u"" : u" ") + told;
    surface->setDescription(text);
    surface->announce(sentence);
}

} // namespace quorvel
