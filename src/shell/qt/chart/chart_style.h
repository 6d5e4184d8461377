// The look that the trend chart's painter, its sprites and its window share:
// the grey of the omission numbers, the tints of the digits' temperatures
// (the window's legend shows them) and the face of every text on the chart.
#pragma once

#include <QColor>
#include <QFont>

#include "chart/digit_temperature.h"

namespace quintara::qt {

// The pixel sizes of the chart's texts: its omission numbers, the
// captions (bold, as the draws' codes), and every other (the headings, the
// balls' labels, a draw's texts, the summary lines).
inline constexpr int kOmissionPixels = 11;
inline constexpr int kTextPixels = 12;
inline constexpr int kCaptionPixels = 13;

[[nodiscard]] QColor omissionTextColour();

// The fill of a position's digit cell at that temperature.
[[nodiscard]] QColor temperatureTint(Temperature temperature);

// The chart's face (微软雅黑, which fonts.h maps to a face the desktop has)
// at `pixels` pixels high.
[[nodiscard]] QFont chartFont(int pixels, bool bold = false);

}  // namespace quintara::qt
