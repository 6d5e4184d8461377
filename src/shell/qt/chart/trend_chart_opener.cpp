#include "shell/qt/chart/trend_chart_opener.h"

#include <QTableView>
#include <QTableWidget>

#include "shell/main_window_names.h"

namespace quintara::qt {

TrendChartOpener::TrendChartOpener(MainWindow& window) : window_(window) {
    auto* grid = qobject_cast<QTableView*>(window.widget(names::kDrawGrid));
    connect(grid, &QTableView::doubleClicked, this, [this] { open(); });
    for (const std::string_view list : names::kPositionOmissionLists) {
        auto* table = qobject_cast<QTableWidget*>(window.widget(list));
        connect(table, &QTableWidget::cellDoubleClicked, this, [this] { open(); });
    }
}

TrendChartOpener::~TrendChartOpener() = default;

void TrendChartOpener::open() {
    if (!chart_) {
        auto* grid = qobject_cast<QTableView*>(window_.widget(names::kDrawGrid));
        chart_ = std::make_unique<TrendChartWindow>(window_.controls().grid(names::kDrawGrid), *grid->model(),
                                                    &window_);
    }
    chart_->open();
}

}  // namespace quintara::qt
