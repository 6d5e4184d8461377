#include "shell/qt/fairness/fairness_window.h"

#include <QHBoxLayout>
#include <QShortcut>
#include <QTableView>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>
#include <span>
#include <utility>

#include "chart/trend_chart.h"
#include "fairness/backtest.h"
#include "fairness/fairness_report.h"
#include "shell/main_window_names.h"
#include "shell/qt/fairness/backtest_page.h"
#include "shell/qt/fairness/fairness_tests_page.h"
#include "shell/draw_history.h"
#include "shell/qt/common/history_follower.h"
#include "shell/qt/common/range_chooser.h"
#include "shell/qt/common/window_placement.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

constexpr int kWidth = 960;
constexpr int kFairnessOpeningHeight = 720;  // until it is placed beside the main window

// The ranges offered: every draw held first, since the tests need thousands
// of draws to see small deviations; then counts, days and an issue range.
std::vector<DrawRange> fairnessRanges() {
    std::vector<DrawRange> ranges{DrawRange::all()};
    for (const int count : {1000, 5000, 10000, 50000}) ranges.push_back(DrawRange::lastDraws(count));
    for (const int days : kChartDays) ranges.push_back(DrawRange::lastDays(days));
    ranges.push_back(DrawRange::issues({}, {}));
    return ranges;
}

}  // namespace

FairnessWindow::FairnessWindow(const MainWindow& main)
    : QWidget(nullptr, Qt::Window), main_(main), history_(main.controls().grid(names::kDrawGrid)) {
    setObjectName(u"公平性检验窗口"_s);
    setWindowTitle(u"公平性检验"_s);

    // Every widget and layout made here belongs to the window, as Qt's children.
    range_ = new RangeChooser(fairnessRanges(), DrawRange::all(), std::nullopt);
    auto* bar = new QHBoxLayout;
    bar->addWidget(range_);
    bar->addStretch();
    tests_ = new FairnessTestsPage;
    backtest_ = new BacktestPage;
    pages_ = new QTabWidget;
    pages_->addTab(tests_, u"公平性检验"_s);
    pages_->addTab(backtest_, u"回测"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(pages_, 1);
    resize(kWidth, kFairnessOpeningHeight);

    connect(range_, &RangeChooser::rangeChanged, this, [this] {
        if (isVisible()) refresh();
    });
    connect(backtest_, &BacktestPage::requestChanged, this, [this] {
        if (isVisible()) runBacktest(rangeDraws());
    });
    const auto* grid = qobject_cast<const QTableView*>(main.widget(names::kDrawGrid));
    connect(new HistoryFollower(*grid->model(), *this), &HistoryFollower::changed, this, [this] { refresh(); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void FairnessWindow::open() {
    if (!placed_) {
        placeWindowBeside(*this, main_, QSize(kWidth, QWIDGETSIZE_MAX));
        placed_ = true;
    }
    const bool opening = !isVisible();
    show();
    raise();
    activateWindow();
    if (opening) refresh();
}

FairnessWindow::RangeDraws FairnessWindow::rangeDraws() const {
    RangeDraws draws{.newestFirst = DrawHistory(history_).draws(std::numeric_limits<int>::max())};
    draws.rows = rangeRows(draws.newestFirst, range_->range(), std::numeric_limits<std::size_t>::max());
    return draws;
}

void FairnessWindow::showRange(const RangeDraws& draws) {
    const RangeRows& rows = draws.rows;
    const bool any = rows.size() > 0;
    range_->showShown(any ? draws.newestFirst[rows.end - 1].issue : std::string_view(),
                      any ? draws.newestFirst[rows.newest].issue : std::string_view(),
                      std::cmp_less(rows.size(), rows.issues) ? u"仅有%1期"_s.arg(rows.size()) : QString());
}

void FairnessWindow::refresh() {
    const RangeDraws draws = rangeDraws();
    showRange(draws);
    tests_->show(fairnessReport(std::span(draws.newestFirst).subspan(draws.rows.newest, draws.rows.size())));
    runBacktest(draws);
}

void FairnessWindow::runBacktest(const RangeDraws& draws) {
    backtest_->show(quintara::backtest(std::span(draws.newestFirst).subspan(draws.rows.newest), draws.rows.size(),
                                       backtest_->request()));
}

}  // namespace quintara::qt
