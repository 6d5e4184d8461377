// The trend chart window over real draws held (10,000, and the 100,000 the
// archive lets the history hold): opening it on the newest 1000 with every
// section of the view, a repaint while scrolling, and the PNG of all 1000
// rows.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QTableView>

#include <memory>

#include "shell/main_window_names.h"
#include "qt_main.h"
#include "real_history.h"
#include "shell/main_window_layout.h"
#include "shell/qt/window/main_window.h"
#include "shell/qt/chart/trend_chart_opener.h"

namespace {

using namespace quintara;
using namespace Qt::StringLiterals;

constexpr int kShown = 1000;

struct HeldHistory {
    explicit HeldHistory(int held) { bench::fillHistory(window.controls().grid(names::kDrawGrid), held); }
    qt::MainWindow window{mainWindowLayout()};
    qt::TrendChartOpener opener{window};
};

// The view of the benchmark's first argument (an index of kChartViews).
const ChartView& viewOf(const benchmark::State& state) {
    return kChartViews[static_cast<std::size_t>(state.range(0))];
}

// The newest 1000 draws in the view, every section it has on.
void chooseEverything(qt::TrendChartWindow& chart, const ChartView& view) {
    chart.choosers().setView(view);
    chart.choosers().setSections(sectionsOf(view));
    chart.choosers().setRange(DrawRange::lastDraws(kShown));
}

// Paints what of the chart is in view, as the window does, into a picture.
void paintViewport(qt::TrendChartWindow& chart) {
    QWidget& inView = *chart.view().viewport();
    QImage picture(inView.size(), QImage::Format_RGB32);
    inView.render(&picture);
    benchmark::DoNotOptimize(picture.bits());
}

// From the double-click to a chart of 1000 rows made and painted: the window
// is made afresh each time. Arguments: the view, the draws held.
void BM_OpenChartOf1000(benchmark::State& state) {
    HeldHistory held(static_cast<int>(state.range(1)));
    auto& grid = *qobject_cast<QTableView*>(held.window.widget(names::kDrawGrid));
    for (auto _ : state) {
        auto chart = std::make_unique<qt::TrendChartWindow>(held.window.controls().grid(names::kDrawGrid),
                                                            *grid.model());
        chooseEverything(*chart, viewOf(state));
        chart->open();
        paintViewport(*chart);
        if (chart->view().chart().rows.size() != kShown) state.SkipWithError("rows lost");
        state.PauseTiming();
        chart.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenChartOf1000)
    ->ArgsProduct({{0, 3}, {10000, 100000}})
    ->ArgNames({"view", "held"})
    ->Unit(benchmark::kMillisecond);

// One step of the scroll bars, down and across, and what comes into view
// painted. Argument: the view.
void BM_RepaintWhileScrolling(benchmark::State& state) {
    HeldHistory held(10000);
    held.opener.open();
    qt::TrendChartWindow& chart = *held.opener.chart();
    chooseEverything(chart, viewOf(state));
    QScrollBar& down = *chart.view().verticalScrollBar();
    QScrollBar& across = *chart.view().horizontalScrollBar();
    int step = 0;
    for (auto _ : state) {
        ++step;
        down.setValue(step * down.singleStep() * 3 % std::max(down.maximum(), 1));
        across.setValue(step * across.singleStep() % std::max(across.maximum(), 1));
        paintViewport(chart);
    }
}
BENCHMARK(BM_RepaintWhileScrolling)->Arg(0)->Arg(3)->ArgName("view")->Unit(benchmark::kMillisecond);

// Argument: the view.
void BM_ExportPngOf1000(benchmark::State& state) {
    HeldHistory held(10000);
    held.opener.open();
    chooseEverything(*held.opener.chart(), viewOf(state));
    const QString path = QDir::temp().filePath(u"quintara-bench-chart.png"_s);
    for (auto _ : state) {
        if (!held.opener.chart()->writeImage(path)) state.SkipWithError("not written");
    }
    QFile::remove(path);
}
BENCHMARK(BM_ExportPngOf1000)->Arg(0)->Arg(3)->ArgName("view")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return quintara::bench::runWithQApplication(argc, argv); }
