// Painting the trend chart: the same drawing for the window, which paints
// only what is in view, and for a picture of the whole chart.
#pragma once

#include <QIODevice>
#include <QPainter>
#include <QRect>

#include "shell/qt/chart/chart_layout.h"
#include "chart/trend_chart.h"

namespace quintara::qt {

struct ChartLook {
    bool omissions = true;     // the omission numbers in the cells
    bool lines = true;         // each group's balls joined from row to row
    bool temperature = false;  // each position's digit cells tinted by 号温
};

// Paints what of the chart lies in `area` (chart coordinates).
void paintTrendChart(QPainter& painter, const TrendChart& chart, const ChartLayout& layout,
                     const ChartLook& look, const QRect& area);

// The chart's footer (its footnote) in `band`, the text at the band's left.
void paintChartFooter(QPainter& painter, const TrendChart& chart, const QRect& band);

// The whole chart as a PNG file's bytes; false when they could not be written.
bool writeTrendChartPng(const TrendChart& chart, const ChartLook& look, QIODevice& out);

}  // namespace quintara::qt
