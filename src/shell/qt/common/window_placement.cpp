#include "shell/qt/common/window_placement.h"

#include <QScreen>
#include <QWidget>

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

void placeWindowBeside(QWidget& window, const QWidget& main, const QSize& wanted) {
    const QScreen* screen = main.screen();
    if (screen == nullptr) return;
    const QRect mainFrame = main.frameGeometry();
    const QMargins frame(main.geometry().left() - mainFrame.left(), main.geometry().top() - mainFrame.top(),
                         mainFrame.right() - main.geometry().right(),
                         mainFrame.bottom() - main.geometry().bottom());
    const QRect available = screen->availableGeometry();
    // Bounded first, so that a size meaning "as large as there is room for"
    // grows by the frame without overflowing.
    const QSize framed = wanted.boundedTo(available.size()).grownBy(frame);
    window.setGeometry(placeBeside(mainFrame, framed, available).marginsRemoved(frame));
}

}  // namespace quintara::qt
