// Painting the trend chart: the same drawing for the window, which paints
// only the rows in view, and for a picture of the whole chart.
#pragma once

#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

#include "stats/trend_chart.h"

namespace quintara::qt {

struct ChartLook {
    bool omissions = true;  // the omission numbers in the digit cells
    bool lines = true;      // each position's balls joined from row to row
};

// Where things stand on the chart, in pixels.
struct ChartGeometry {
    static constexpr int kIssueWidth = 96;
    static constexpr int kCodeWidth = 60;
    static constexpr int kCell = 22;  // a digit column's width and every row's height
    static constexpr int kHeaderHeight = 2 * kCell;
    static constexpr int kDigitColumns = (kPositionCount + 1) * kDigitCount;  // and the distribution

    [[nodiscard]] static constexpr int width() {
        return kIssueWidth + kCodeWidth + kDigitColumns * kCell;
    }
    // A chart of `rows` draws, its header and its summary rows.
    [[nodiscard]] static constexpr int height(int rows) {
        return kHeaderHeight + (rows + kSummaryLineCount) * kCell;
    }
    [[nodiscard]] static QSize size(int rows) { return {width(), height(rows)}; }
    // The top of draw row `row` (from 0, the oldest shown).
    [[nodiscard]] static constexpr int rowTop(int row) { return kHeaderHeight + row * kCell; }
    // The left of digit column `column`: 10 p + d for digit d at position p,
    // 50 + d for the distribution.
    [[nodiscard]] static constexpr int columnLeft(int column) {
        return kIssueWidth + kCodeWidth + column * kCell;
    }
};

// Paints what of the chart lies in `area` (chart coordinates).
void paintTrendChart(QPainter& painter, const TrendChart& chart, const ChartLook& look,
                     const QRect& area);

// The whole chart as a picture.
[[nodiscard]] QImage trendChartImage(const TrendChart& chart, const ChartLook& look);

// The whole chart as a PNG file's bytes; false when they could not be written.
bool writeTrendChartPng(const TrendChart& chart, const ChartLook& look, QIODevice& out);

}  // namespace quintara::qt
