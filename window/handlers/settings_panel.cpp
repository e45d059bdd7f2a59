#include "quorvelcode.h"

#include "layout/layout.h"
#include "number_text.h"

namespace quorvel {

namespace {

bool AllDefault(const settings::Positions &positions) {
    return positions == settings::Defaults();
}

} // namespace

// The panel shows whenever a setting is not at its default, so that nobody
// draws with settings out of sight, and once shown stays until the user
// hides it: it never vanishes under a bar being moved back to its default.
void Quorvelcode::ShowPanel() {
    const bool shown = panelAsked_ || !AllDefault(positions_);
    panelAsked_ = shown;
    if (shown == panelShown_)
        return;
    // Focus never stays on a control that goes out of sight.
    if (!shown)
        if (const std::optional<std::size_t> row = form_->focusedRow();
            row && layout::Controls()[*row].panel)
            Wmean->setFocus();
    panelShown_ = shown;
    if (shown && outcome_)
        ShowOutcome(*outcome_, expectedFixed_);
    form_->showPanel(shown);
}

// From the menu: the panel opens with the first setting's bar in focus, or
// closes, unless a setting that is not at its default keeps it open.
void Quorvelcode::PopulationSettings_Click() {
    if (panelShown_ && !AllDefault(positions_)) {
        surface->announce(Say(words::Phrase::PanelStaysOpen));
        return;
    }
    panelAsked_ = !panelShown_;
    ShowPanel();
    if (panelShown_)
        Bar(settings::Listed().front().id)->setFocus();
    surface->announce(Say(panelShown_ ? words::Phrase::PanelShown : words::Phrase::PanelHidden));
}

// Runs drawn since the last CLS share one axis: a new number of generations
// draws them all again on it.
void Quorvelcode::GenerationsChanged() {
    drawn.setAxisGenerations(Populations().generations);
    form_->hideNote();
    pointer_.reset();
    if (!drawn.empty())
        RedrawOnAxis();
    if (!p100Shown_)
        Textp100->setText(P100Placeholder());
    if (reading_.active())
        ShowReadingPoint(false);
}

} // namespace quorvel

namespace quorvel {

// "p100" until a run shows its result: p and the generations the frame spans.
platform::Text Quorvelcode::P100Placeholder() const {
    const int generations = Populations().generations;
    return words::SayCount(language_, words::Phrase::PlaceholderTextp100,
                           static_cast<unsigned long>(generations),
                           {{"generations", platform::NumberToText(generations)}});
}

} // namespace quorvel
