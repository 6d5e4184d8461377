// How a window that shows the draw history follows it: one `changed` after
// a burst of changes of the grid's model (a reload resets the model, a new
// draw inserts a row and then writes it), while the window is shown.
#pragma once

#include <QObject>
#include <QTimer>

class QAbstractItemModel;
class QWidget;

namespace quintara::qt {

class HistoryFollower : public QObject {
    Q_OBJECT

public:
    // Belongs to `window`, as its Qt child; `history` outlives it.
    HistoryFollower(const QAbstractItemModel& history, QWidget& window);

signals:
    void changed();

private:
    QTimer burst_;
};

}  // namespace quintara::qt
