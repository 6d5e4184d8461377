#include "shell/qt/window_placement.h"

#include <algorithm>

namespace quintara::qt {

QRect placeBeside(const QRect& beside, const QSize& wanted, const QRect& available) {
    const QSize size = wanted.boundedTo(available.size());
    const int roomRight = available.right() - beside.right();
    const int roomLeft = beside.left() - available.left();
    int left = 0;
    if (roomRight >= size.width()) {
        left = beside.right() + 1;
    } else if (roomLeft >= size.width()) {
        left = beside.left() - size.width();
    } else {
        left = roomRight >= roomLeft ? available.right() + 1 - size.width() : available.left();
    }
    const int top = std::clamp(beside.top(), available.top(), available.bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

}  // namespace quintara::qt
