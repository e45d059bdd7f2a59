#include "quorvelcode.h"

namespace quorvel {

void Quorvelcode::Language_Click(std::size_t index) {
    const std::vector<words::Language> all = words::Language::All();
    if (index < all.size())
        SetLanguage(all[index]);
}

// Everything shown speaks the new language at once: the form's own words,
// the boxes that still show what they hold before their bars move, the
// names for screen readers, the description of what is drawn, and a note
// being read. The drawing and every number stay as they are.
void Quorvelcode::SetLanguage(words::Language language, bool chosen) {
    languageChosen_ = languageChosen_ || chosen;
    if (language == language_)
        return;
    language_ = language;
    form_->setWords(FormWords(true));
    const struct {
        platform::TextBox *box;
        bool placeholder;
        words::Phrase phrase;
    } boxes[] = {
        {Textw1, !w1.isSet(), words::Phrase::PlaceholderTextw1},
        {Textw2, !w2.isSet(), words::Phrase::PlaceholderTextw2},
        {Textw3, !w3.isSet(), words::Phrase::PlaceholderTextw3},
        {TextInitp, !p0.isSet(), words::Phrase::PlaceholderTextInitp},
    };
    for (const auto &box : boxes)
        if (box.placeholder)
            box.box->setText(Say(box.phrase));
    if (!p100Shown_)
        Textp100->setText(P100Placeholder());
    DescribeControls();
    ShowDescription(true);
    if (reading_.active())
        ShowReadingPoint(false);
    else if (pointer_)
        Drawing_MouseMove(pointer_->x, pointer_->y);
}

} // namespace quorvel
