#include "tool_look.h"

#include <algorithm>
#include <cmath>

namespace quorvel::platform::look {

double LineHeight(const Font &font) {
    return std::ceil(font.pointSize * 96.0 / 72.0 * 1.15);
}

Box SizeNote(const std::vector<double> &lineWidths) {
    double widest = 0;
    for (double width : lineWidths)
        widest = std::max(widest, width);
    const double frame = 2 * (NotePadding + 1);
    return {0, 0, std::ceil(widest) + frame, lineWidths.size() * LineHeight(NoteFont) + frame};
}

Box PlaceNote(double x, double y, double width, double height, double clientWidth,
              double clientHeight, bool aboveFinger) {
    constexpr double Offset = 14, FingerOffset = 36;
    double left = std::min(aboveFinger ? x - width / 2 : x + Offset, clientWidth - width - 1);
    double top = aboveFinger                          ? y - FingerOffset - height
                 : y + Offset + height > clientHeight ? y - Offset - height
                                                      : y + Offset;
    return {std::max(0.0, left), std::max(0.0, top), width, height};
}

Ring RingAt(double x, double y) {
    return {std::floor(x + 0.5) + 0.5, std::floor(y + 0.5) + 0.5};
}

Legend PlaceLegend(double windowWidth, double windowHeight, const std::vector<double> &lineWidths) {
    const double lineHeight = LineHeight(LegendFont);
    if (lineWidths.empty())
        return {windowWidth, windowHeight, {}};
    Legend legend{windowWidth, windowHeight, {}};
    double widest = 0;
    for (std::size_t i = 0; i < lineWidths.size(); ++i) {
        legend.lines.push_back(
            {windowWidth + LegendMargin, LegendMargin + i * lineHeight, lineWidths[i], lineHeight});
        widest = std::max(widest, lineWidths[i]);
    }
    legend.width = windowWidth + std::ceil(widest) + 2 * LegendMargin;
    legend.height = std::max(windowHeight, lineWidths.size() * lineHeight + 2 * LegendMargin);
    return legend;
}

} // namespace quorvel::platform::look
