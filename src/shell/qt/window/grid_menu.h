// The draw grid's context menu: what opens from the history (走势图,
// 公平性检验, 预警设置).
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

#include "shell/qt/window/main_window.h"

namespace quintara::qt {

class GridMenu : public QObject {
    Q_OBJECT

public:
    using Entry = std::pair<QString, std::function<void()>>;

    // The entries, in order, on a right click of the main window's grid.
    GridMenu(MainWindow& window, std::vector<Entry> entries);
};

}  // namespace quintara::qt
