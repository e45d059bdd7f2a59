#include "reading/curve_sound.h"

#include "curves/sweep.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

constexpr double Seconds = 2.0;
constexpr double Low = 220.0, High = 880.0;
constexpr double Pi = 3.14159265358979323846;

// The height of a point in its frame, 0 at the bottom and 1 at the top.
double Height(const DrawnCurves &drawn, const PointRef &point) {
    const double y = PositionOf(drawn, point).y;
    const plot::Frame &frame = FrameOf(point.series);
    return std::clamp((frame.bottom() - y) / frame.height, 0.0, 1.0);
}

} // namespace

std::vector<std::int16_t> CurveSound(const DrawnCurves &drawn, const Series &series) {
    const std::vector<std::size_t> indices = DrawnIndices(drawn, series);
    const auto total = static_cast<std::size_t>(Seconds * SoundRate);
    std::vector<std::int16_t> samples(indices.empty() ? 0 : total, 0);
    if (indices.empty())
        return samples;
    const std::size_t each = total / indices.size();
    double phase = 0.0;
    int lastSign = 0;
    for (std::size_t k = 0; k < indices.size(); ++k) {
        const PointRef point{series, indices[k]};
        const double pitch = Low * std::pow(High / Low, Height(drawn, point));
        const std::size_t from = k * each, to = k + 1 == indices.size() ? total : from + each;
        // A click where the change of p turns sign: a few milliseconds of a
        // sharp square pulse before the tone goes on.
        std::size_t click = 0;
        if (series.kind == Series::Change) {
            const double change =
                drawn.passes(std::get<SweepCurves>(drawn.all()[series.curve]))[indices[k]].change;
            const int sign = SignOfChange(change);
            if (sign != 0 && lastSign != 0 && sign != lastSign)
                click = SoundRate / 200;
            if (sign != 0)
                lastSign = sign;
        }
        for (std::size_t i = from; i < to; ++i) {
            double value;
            if (i - from < click) {
                value = (i - from) % 20 < 10 ? 0.8 : -0.8;
            } else {
                phase += 2.0 * Pi * pitch / SoundRate; // continuous, so no step clicks
                value = 0.5 * std::sin(phase);
            }
            samples[i] = static_cast<std::int16_t>(std::lround(value * 32767.0));
        }
    }
    // Fade in and out over 5 ms, so the sound starts and ends without a click.
    const std::size_t fade = std::min<std::size_t>(SoundRate / 200, total / 2);
    for (std::size_t i = 0; i < fade; ++i) {
        const double gain = static_cast<double>(i) / fade;
        samples[i] = static_cast<std::int16_t>(samples[i] * gain);
        samples[total - 1 - i] = static_cast<std::int16_t>(samples[total - 1 - i] * gain);
    }
    return samples;
}

std::vector<std::uint8_t> Wav(const std::vector<std::int16_t> &samples) {
    std::vector<std::uint8_t> file;
    const auto put = [&file](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const auto tag = [&file](const char *four) { file.insert(file.end(), four, four + 4); };
    const auto data = static_cast<std::uint32_t>(samples.size() * 2);
    tag("RIFF");
    put(36 + data, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(SoundRate, 4);
    put(SoundRate * 2, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(data, 4);
    for (std::int16_t sample : samples)
        put(static_cast<std::uint16_t>(sample), 2);
    return file;
}

} // namespace quorvel
