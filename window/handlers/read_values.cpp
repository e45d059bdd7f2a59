#include "quorvelcode.h"

#include "reading/curve_sound.h"

namespace quorvel {

// The nearest drawn point's value and settings by the pointer, over a frame.
void Quorvelcode::Drawing_MouseMove(double x, double y) {
    const std::optional<PointRef> point = NearestPoint(drawn, x, y);
    if (!point) {
        form_->hideNote();
        return;
    }
    const Readout readout = ReadoutOf(drawn, *point);
    form_->showNote(x, y, readout.value, readout.settings);
}

void Quorvelcode::Drawing_MouseLeave() {
    form_->hideNote();
}

// Reading mode, on the latest curve's first point; with nothing drawn it says
// so instead.
void Quorvelcode::ReadValues_Click() {
    if (!reading_.enter(drawn)) {
        surface->announce(u"Nothing is drawn to read. Press RUN or W Mean first.");
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
        surface->announce(u"Reading values ended.");
        return true;
    }
    ShowReadingPoint();
    return true;
}

// The marker on the point, its words by it, and the same words for a screen reader.
void Quorvelcode::ShowReadingPoint() {
    const std::optional<PointRef> point = reading_.current(drawn);
    if (!point) {
        reading_.leave();
        form_->hideMarker();
        return;
    }
    const Position at = PositionOf(drawn, *point);
    const Readout readout = ReadoutOf(drawn, *point);
    form_->showMarker(at.x, at.y);
    form_->showNote(at.x, at.y, readout.value, readout.settings);
    surface->announce(readout.value + u"; " + readout.settings);
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
