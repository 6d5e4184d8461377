// The look that the trend chart's painter, its sprites and its window share:
// the grey of the omission numbers, the tints of the digits' temperatures
// (the window's legend shows them) and the face of every text on the chart.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>

#include "stats/digit_temperature.h"

namespace quintara::qt {

[[nodiscard]] QColor omissionTextColour();

// The fill of a position's digit cell at that temperature.
[[nodiscard]] QColor temperatureTint(Temperature temperature);

// The chart's face (微软雅黑, which fonts.h maps to a face the desktop has)
// at `pixels` pixels high.
[[nodiscard]] QFont chartFont(int pixels, bool bold = false);

// The chart's face at the largest size up to `pixels` at which each of
// `texts` fits in `width` pixels; the smallest size there is when none does.
[[nodiscard]] QFont chartFontFitting(const QStringList& texts, int width, int pixels);

}  // namespace quintara::qt
