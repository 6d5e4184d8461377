// The fairness window (公平性检验): a top-level window beside the main window
// that tests whether a range of the draw history, chosen as in the trend
// chart, looks like a fair game, and backtests betting on cold or hot digits
// over it (回测). It follows the history.
#pragma once

#include <QWidget>

#include <vector>

#include "controls/grid.h"
#include "draws/draw.h"
#include "shell/qt/window/main_window.h"
#include "draws/draw_range.h"

class QTabWidget;

namespace quintara::qt {

class BacktestPage;
class FairnessTestsPage;
class RangeChooser;

class FairnessWindow : public QWidget {
    Q_OBJECT

public:
    // Over the history of the main window's grid, beside it; `main`
    // outlives the window.
    explicit FairnessWindow(const MainWindow& main);

    // Shows the window on the range chosen, beside the main window the
    // first time, or brings it to the front when it is shown already.
    void open();
    // The tests and the backtest made again from the history.
    void refresh();

    [[nodiscard]] RangeChooser& range() { return *range_; }
    [[nodiscard]] FairnessTestsPage& tests() { return *tests_; }
    [[nodiscard]] BacktestPage& backtest() { return *backtest_; }
    [[nodiscard]] QTabWidget& pages() { return *pages_; }

private:
    // The draws held, newest first, and where the range's stand among them.
    struct RangeDraws {
        std::vector<DrawView> newestFirst;
        RangeRows rows;
    };
    [[nodiscard]] RangeDraws rangeDraws() const;
    // The first and the last issue of the range in the chooser, and what the
    // history lacks of it.
    void showRange(const RangeDraws& draws);
    void runBacktest(const RangeDraws& draws);

    const MainWindow& main_;
    Grid& history_;
    bool placed_ = false;
    // The widgets belong to the window, as Qt's children.
    RangeChooser* range_;
    QTabWidget* pages_;
    FairnessTestsPage* tests_;
    BacktestPage* backtest_;
};

}  // namespace quintara::qt
