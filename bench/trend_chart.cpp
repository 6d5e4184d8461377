// The trend chart window over 10,000 real draws held: opening it on the
// newest 500, a repaint while scrolling, and the PNG of all 500 rows.
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
#include "shell/qt/main_window.h"
#include "shell/qt/trend_chart_opener.h"

namespace {

using namespace quintara;
using namespace Qt::StringLiterals;

constexpr int kHeld = 10000;
constexpr int kShown = 500;

struct HeldHistory {
    HeldHistory() { bench::fillHistory(window.controls().grid(names::kDrawGrid), kHeld); }
    qt::MainWindow window{mainWindowLayout()};
    qt::TrendChartOpener opener{window};
};

// Paints what of the chart is in view, as the window does, into a picture.
void paintViewport(qt::TrendChartWindow& chart) {
    QScrollArea& area = chart.scrollArea();
    const QRect inView = area.viewport()->rect().translated(0, area.verticalScrollBar()->value());
    QImage picture(inView.size(), QImage::Format_RGB32);
    chart.view().render(&picture, QPoint(), QRegion(inView));
    benchmark::DoNotOptimize(picture.bits());
}

// From the double-click to a chart of 500 rows made and painted: the window
// is made afresh each time.
void BM_OpenChartOf500(benchmark::State& state) {
    HeldHistory held;
    auto& grid = *qobject_cast<QTableView*>(held.window.widget(names::kDrawGrid));
    for (auto _ : state) {
        auto chart = std::make_unique<qt::TrendChartWindow>(held.window.controls().grid(names::kDrawGrid),
                                                            *grid.model());
        chart->setDrawsShown(kShown);
        chart->open();
        paintViewport(*chart);
        if (chart->view().chart().rows.size() != kShown) state.SkipWithError("rows lost");
        state.PauseTiming();
        chart.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenChartOf500)->Unit(benchmark::kMillisecond);

// One step of the scroll bar, and the rows that come into view painted.
void BM_RepaintWhileScrolling(benchmark::State& state) {
    HeldHistory held;
    held.opener.open();
    held.opener.chart()->setDrawsShown(kShown);
    QScrollBar& bar = *held.opener.chart()->scrollArea().verticalScrollBar();
    int value = 0;
    for (auto _ : state) {
        value = (value + bar.singleStep() * 3) % std::max(bar.maximum(), 1);
        bar.setValue(value);
        paintViewport(*held.opener.chart());
    }
}
BENCHMARK(BM_RepaintWhileScrolling)->Unit(benchmark::kMillisecond);

void BM_ExportPngOf500(benchmark::State& state) {
    HeldHistory held;
    held.opener.open();
    held.opener.chart()->setDrawsShown(kShown);
    const QString path = QDir::temp().filePath(u"quintara-bench-chart.png"_s);
    for (auto _ : state) {
        if (!held.opener.chart()->writeImage(path)) state.SkipWithError("not written");
    }
    QFile::remove(path);
}
BENCHMARK(BM_ExportPngOf500)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return quintara::bench::runWithQApplication(argc, argv); }
