#include "shell/qt/common/history_follower.h"

#include <QAbstractItemModel>
#include <QWidget>

namespace quintara::qt {

HistoryFollower::HistoryFollower(const QAbstractItemModel& history, QWidget& window) : QObject(&window) {
    burst_.setSingleShot(true);
    burst_.setInterval(0);
    connect(&burst_, &QTimer::timeout, this, &HistoryFollower::changed);
    const auto change = [this, &window] {
        if (window.isVisible()) burst_.start();
    };
    connect(&history, &QAbstractItemModel::modelReset, this, change);
    connect(&history, &QAbstractItemModel::rowsInserted, this, change);
    connect(&history, &QAbstractItemModel::rowsRemoved, this, change);
    connect(&history, &QAbstractItemModel::dataChanged, this, change);
}

}  // namespace quintara::qt
