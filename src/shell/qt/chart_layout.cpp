#include "shell/qt/chart_layout.h"

#include <QFontMetrics>

#include <algorithm>

#include "shell/qt/chart_style.h"
#include "shell/qt/text.h"

namespace quintara::qt {
namespace {

// Room beside a text in its column: a cell's text keeps clear of the grid
// lines, a label too wide for a ball stands on a pill with room to spare.
constexpr int kPadding = 8;
constexpr int kPillPadding = 12;

// The line under the header that pixel row `y` falls in; -1 above the first.
int lineAt(int y) {
    const int below = y - ChartLayout::kHeaderHeight;
    return below < 0 ? -1 : below / ChartLayout::kCell;
}

}  // namespace

ChartLayout::ChartLayout(const TrendChart& chart)
    : rows_(static_cast<int>(chart.rows.size())), summaryLines_(static_cast<int>(chart.summaryLines.size())) {
    const QFontMetrics cellText(chartFont(12));
    const QFontMetrics captionText(chartFont(13, true));
    int left = kFrozenWidth;
    int chartColumn = 0;
    for (const ColumnGroup& group : chart.groups) {
        const int first = static_cast<int>(columns_.size());
        groups_.push_back({first, toQString(group.caption)});
        for (const ChartColumn& column : group.columns) {
            int widest = cellText.horizontalAdvance(toQString(column.heading));
            if (group.kind == ColumnKind::Value) {
                // The longest of its texts: they differ in their digits
                // only, and a face's digits are all as wide.
                std::string_view longest;
                for (const ChartRow& row : chart.rows) {
                    const std::string& text = row.cells[static_cast<std::size_t>(chartColumn)].text;
                    if (text.size() > longest.size()) longest = text;
                }
                widest = std::max(widest, cellText.horizontalAdvance(toQString(longest)));
            }
            const int width = widest + kPadding <= kCell        ? kCell
                              : group.kind == ColumnKind::Value ? widest + kPadding
                                                                : widest + kPillPadding;
            columns_.push_back(
                {left, width, static_cast<int>(groups_.size()) - 1, toQString(column.heading)});
            left += width;
            ++chartColumn;
        }
        // The caption fits over its columns: the last one takes what is missing.
        const int groupWidth = left - columns_[static_cast<std::size_t>(first)].left;
        const int missing = captionText.horizontalAdvance(groups_.back().caption) + kPadding - groupWidth;
        if (missing > 0) {
            columns_.back().width += missing;
            left += missing;
        }
    }
    right_ = left;
}

std::pair<int, int> ChartLayout::columnsIn(int left, int right) const {
    const auto first =
        std::ranges::partition_point(columns_, [left](const Column& c) { return c.left + c.width <= left; });
    const auto pastLast =
        std::ranges::partition_point(columns_, [right](const Column& c) { return c.left <= right; });
    return {static_cast<int>(first - columns_.begin()), static_cast<int>(pastLast - columns_.begin()) - 1};
}

std::pair<int, int> ChartLayout::rowsIn(int top, int bottom) const {
    return {std::max(lineAt(top), 0), std::min(lineAt(bottom), rows_ - 1)};
}

}  // namespace quintara::qt
