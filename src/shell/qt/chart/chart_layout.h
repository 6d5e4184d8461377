// Where things stand on a trend chart, in pixels, and the texts its painter
// writes, worked out once per chart: the widths come from the chart's
// columns (a digit's column is a cell wide, or as wide as its widest figure;
// 组六 or 012路 as wide as their texts), the heights from its rows and summary
// lines. A summary figure too wide for its column is written shorter where
// it still reads so (24.57 as 25, 1228 as 1.2k), else its column is widened.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <utility>
#include <vector>

#include "chart/trend_chart.h"

namespace quintara::qt {

class ChartLayout {
public:
    static constexpr int kIssueWidth = 96;
    static constexpr int kCodeWidth = 60;
    // The two columns that lead every row; the window keeps them in view.
    static constexpr int kFrozenWidth = kIssueWidth + kCodeWidth;
    static constexpr int kCell = 22;  // a digit column's width and every line's height
    static constexpr int kHeaderHeight = 2 * kCell;

    explicit ChartLayout(const TrendChart& chart);

    [[nodiscard]] int width() const { return columnLeft(columnCount()); }
    [[nodiscard]] int height() const { return footerTop() + kCell; }
    [[nodiscard]] QSize size() const { return {width(), height()}; }

    [[nodiscard]] int rowCount() const { return rows_; }
    // The top of line `line` under the header: draw rows from 0 (the oldest
    // shown), then the summary lines.
    [[nodiscard]] static constexpr int rowTop(int line) { return kHeaderHeight + line * kCell; }
    [[nodiscard]] int summaryTop() const { return rowTop(rows_); }
    [[nodiscard]] int footerTop() const { return rowTop(rows_ + summaryLines_); }

    [[nodiscard]] int columnCount() const { return static_cast<int>(columns_.size()); }
    // The left of column `column` (from 0, the first after the code); the
    // chart's width for columnCount().
    [[nodiscard]] int columnLeft(int column) const {
        return column < columnCount() ? columns_[static_cast<std::size_t>(column)].left : right_;
    }
    [[nodiscard]] int columnWidth(int column) const {
        return columns_[static_cast<std::size_t>(column)].width;
    }
    [[nodiscard]] QRect cellRect(int column, int top) const {
        return {columnLeft(column), top, columnWidth(column), kCell};
    }
    [[nodiscard]] const QString& heading(int column) const {
        return columns_[static_cast<std::size_t>(column)].heading;
    }
    [[nodiscard]] ColumnKind kind(int column) const {
        return columns_[static_cast<std::size_t>(column)].kind;
    }
    // The figure summary line `line` shows in a column.
    [[nodiscard]] const QString& summaryText(int line, int column) const {
        return summaryTexts_[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)];
    }
    [[nodiscard]] int groupOf(int column) const { return columns_[static_cast<std::size_t>(column)].group; }
    [[nodiscard]] int firstColumnOf(int group) const {
        return groups_[static_cast<std::size_t>(group)].first;
    }
    [[nodiscard]] const QString& caption(int group) const {
        return groups_[static_cast<std::size_t>(group)].caption;
    }
    // How wide a group's caption is written, in kCaptionPixels bold.
    [[nodiscard]] int captionWidth(int group) const {
        return groups_[static_cast<std::size_t>(group)].captionWidth;
    }

    // The columns that reach into the pixels from `left` to `right`; an
    // empty run (first > last) when none does.
    [[nodiscard]] std::pair<int, int> columnsIn(int left, int right) const;
    // The draw rows that reach into the pixels from `top` to `bottom`.
    [[nodiscard]] std::pair<int, int> rowsIn(int top, int bottom) const;

private:
    struct Column {
        int left;
        int width;
        int group;
        QString heading;
        ColumnKind kind;
    };
    struct Group {
        int first;
        QString caption;
        int captionWidth;
    };

    // Widens the columns for their summary figures, each written as the
    // longest of its forms that fits the column as its rows have it.
    void fitSummary(const TrendChart& chart);
    // Widens the last column of each group whose caption is wider than its
    // columns.
    void fitCaptions();

    std::vector<Column> columns_;
    std::vector<Group> groups_;
    std::vector<std::vector<QString>> summaryTexts_;  // by line, then column
    int right_ = kFrozenWidth;
    int rows_ = 0;
    int summaryLines_ = 0;
};

}  // namespace quintara::qt
