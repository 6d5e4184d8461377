// Where the trend chart opens from the main window: a double-click on the
// draw grid or on a row of a per-position omission list (and the grid's
// context menu "走势图", see GridMenu). There is one chart window; opening it again brings
// it to the front.
#pragma once

#include <QObject>

#include <memory>

#include "shell/qt/window/main_window.h"
#include "shell/qt/chart/trend_chart_window.h"

namespace quintara::qt {

class TrendChartOpener : public QObject {
    Q_OBJECT

public:
    explicit TrendChartOpener(MainWindow& window);
    ~TrendChartOpener() override;
    TrendChartOpener(const TrendChartOpener&) = delete;
    TrendChartOpener& operator=(const TrendChartOpener&) = delete;

    void open();
    // The chart window; none before the first opening.
    [[nodiscard]] TrendChartWindow* chart() const { return chart_.get(); }

private:
    MainWindow& window_;
    std::unique_ptr<TrendChartWindow> chart_;
};

}  // namespace quintara::qt
