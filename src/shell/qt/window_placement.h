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

// Puts `window` beside `main` on its screen: `width` wide without its frame
// where the screen allows, and as tall as the screen's available area. Its
// frame is taken to be as wide as the main window's.
void placeWindowBeside(QWidget& window, const QWidget& main, int width);

}  // namespace quintara::qt
