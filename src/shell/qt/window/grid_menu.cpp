#include "shell/qt/window/grid_menu.h"

#include <QMenu>
#include <QTableView>

#include "shell/main_window_names.h"

namespace quintara::qt {

GridMenu::GridMenu(MainWindow& window, std::vector<Entry> entries) {
    auto* grid = qobject_cast<QTableView*>(window.widget(names::kDrawGrid));
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [grid, entries = std::move(entries)](const QPoint& at) {
                QMenu menu;
                for (const auto& [caption, open] : entries) menu.addAction(caption, open);
                menu.exec(grid->viewport()->mapToGlobal(at));
            });
}

}  // namespace quintara::qt
