// The main of the benchmarks that paint or fill Qt widgets: they need a
// QApplication (offscreen) before the first benchmark runs.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#include "shell/qt/window/fonts.h"

namespace quintara::bench {

inline int runWithQApplication(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qt::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace quintara::bench
