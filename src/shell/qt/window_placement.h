// Where a window opens beside another: inside the screen's available area,
// never larger than it, to the right of the other window where it fits,
// else to its left, else on the side with more room, as far as the area
// lets it.
#pragma once

#include <QRect>
#include <QSize>

namespace quintara::qt {

// The frame of a window of frame size `wanted` beside the frame `beside`,
// inside `available`.
[[nodiscard]] QRect placeBeside(const QRect& beside, const QSize& wanted, const QRect& available);

}  // namespace quintara::qt
