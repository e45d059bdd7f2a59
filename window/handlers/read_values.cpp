#include "quorvelcode.h"

#include "reading/curve_sound.h"

namespace quorvel {

// The nearest drawn point's value and settings by the pointer, over a frame.
void Quorvelcode::Drawing_MouseMove(double x, double y) {
    const std::optional<PointRef> point = NearestPoint(drawn, x, y);
    if (!point) {
        form_->hideNote();
        pointer_.reset();
        return;
    }
    const Readout readout = ReadoutOf(language_, drawn, *point);
    form_->showNote(x, y, readout.value, readout.settings);
    pointer_ = platform::Point{x, y};
}

void Quorvelcode::Drawing_MouseLeave() {
    form_->hideNote();
    pointer_.reset();
}

// Reading mode, on the latest curve's first point; with nothing drawn it says
// so instead.
void Quorvelcode::ReadValues_Click() {
    if (!reading_.enter(drawn)) {
        surface->announce(
            Say(words::Phrase::ReadNothing, {{"run", Say(words::Phrase::CaptionRun)},
                                             {"wmean", Say(words::Phrase::CaptionWmean)}}));
        return;
    }
    ShowReadingPoint();
}

bool Quorvelcode::Reading_KeyDown(ReadingKey key) {
    if (!reading_.active())
        return false;
    if (key == ReadingKey::Listen) {
        Listen_Click();
        return true;
    }
    reading_.press(drawn, key);
    if (!reading_.active()) {
        form_->hideMarker();
        surface->announce(Say(words::Phrase::ReadingEnded));
        return true;
    }
    ShowReadingPoint();
    return true;
}

// The marker on the point, its words by it, and the same words for a screen reader.
void Quorvelcode::ShowReadingPoint(bool announce) {
    const std::optional<PointRef> point = reading_.current(drawn);
    if (!point) {
        reading_.leave();
        form_->hideMarker();
        return;
    }
    const Position at = PositionOf(drawn, *point);
    const Readout readout = ReadoutOf(language_, drawn, *point);
    form_->showMarker(at.x, at.y);
    form_->showNote(at.x, at.y, readout.value, readout.settings);
    if (announce)
        surface->announce(Say(words::Phrase::ReadoutSpoken,
                              {{"value", readout.value}, {"settings", readout.settings}}));
}

// The curve being read, or else the latest one, as sound.
void Quorvelcode::Listen_Click() {
    std::optional<PointRef> point = reading_.current(drawn);
    if (!point) {
        ReadingMode latest;
        if (!latest.enter(drawn))
            return;
        point = latest.current(drawn);
    }
    form_->play(Wav(CurveSound(drawn, point->series)));
}

} // namespace quorvel
