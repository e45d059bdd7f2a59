#include "quorvelcode.h"

#include "number_text.h"

namespace quorvel {

Parameter &Quorvelcode::ParameterOf(settings::Id id) {
    switch (id) {
    case settings::Id::FitnessAA:
        return w1;
    case settings::Id::FitnessAa:
        return w2;
    case settings::Id::Fitnessaa:
        return w3;
    default:
        return p0;
    }
}

// The parameter is the box's text as read back, not the quotient itself, so
// the model later uses exactly what the user was shown.
void Quorvelcode::ShowBarValue(settings::Id id) {
    const settings::Setting &setting = settings::Of(id);
    const std::int16_t value = Bar(id)->Value();
    const double quotient = static_cast<double>(value) / setting.divisor;
    platform::TextBox &box = *Box(id);
    box.setText(platform::NumberToText(quotient));
    ParameterOf(id) = Parameter(box.text());
}

void Quorvelcode::HScrollw1_Change() {
    ShowBarValue(settings::Id::FitnessAA);
}
void Quorvelcode::HScrollw2_Change() {
    ShowBarValue(settings::Id::FitnessAa);
}
void Quorvelcode::HScrollw3_Change() {
    ShowBarValue(settings::Id::Fitnessaa);
}
void Quorvelcode::VScrollp_Change() {
    ShowBarValue(settings::Id::StartFrequency);
}

// A setting of the populations: its box shows the value the bar stands for,
// and the window follows it. The population size names the model in the
// title; the generations set the trajectory frame's axis, on which what is
// drawn is drawn again, unless the oldest drawings are no longer kept to be
// drawn again: then the bar goes back, and the user is told.
void Quorvelcode::Setting_Change(settings::Id id) {
    const settings::Setting &setting = settings::Of(id);
    const int position = Bar(id)->Value();
    const int before = positions_[Index(id)];
    const bool axis = id == settings::Id::Generations && position != before;
    if (axis && !drawn.complete()) {
        Bar(id)->SetValue(before); // back, which changes nothing more
        throw platform::ActionStopped(words::SayCount(
            language_, words::Phrase::GenerationsNotRedrawn,
            static_cast<unsigned long>(DrawnCurves::Kept),
            {{"count", platform::FormatSetting(static_cast<double>(DrawnCurves::Kept))},
             {"cls", Say(words::Phrase::CaptionCls)}}));
    }
    positions_[Index(id)] = position;
    Box(id)->setText(settings::ValueText(setting, position));
    if (id == settings::Id::PopulationSize || id == settings::Id::Generations) {
        form_->setWords(FormWords(true));
        DescribeControls();
    }
    if (axis)
        GenerationsChanged();
    ShowPanel();
}

} // namespace quorvel
