// Where a window opens beside another: inside the screen's available area,
// never larger than it, to the right of the other window where it fits,
// else to its left, else on the side with more room, as far as the area
// lets it.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace quintara::qt {

// The frame of a window of frame size `wanted` beside the frame `beside`,
// inside `available`.
[[nodiscard]] QRect placeBeside(const QRect& beside, const QSize& wanted, const QRect& available);

// Gives `window` the size `wanted` (without its frame), as far as the
// available area of the screen of `main` allows, beside `main`. The
// window's frame is taken to be as wide as that of `main`.
void placeWindowBeside(QWidget& window, const QWidget& main, const QSize& wanted);

}  // namespace quintara::qt
