#include "shell/qt/chart/chart_layout.h"

#include <QFontMetrics>

#include <algorithm>

#include "shell/qt/chart/chart_style.h"
#include "shell/qt/platform/text.h"

namespace quintara::qt {
namespace {

// Room beside a text in its column: a cell's text keeps clear of the grid
// lines, a label too wide for a ball stands on a pill with room to spare,
// and a figure keeps a pixel clear of the grid line on either side, so
// that two figures side by side never touch.
constexpr int kPadding = 8;
constexpr int kPillPadding = 12;
constexpr int kFigurePadding = 2;

// The line under the header that pixel row `y` falls in; -1 above the first.
int lineAt(int y) {
    const int below = y - ChartLayout::kHeaderHeight;
    return below < 0 ? -1 : below / ChartLayout::kCell;
}

// The chart's faces, measured.
struct Faces {
    QFontMetrics text{chartFont(kTextPixels)};
    QFontMetrics omissions{chartFont(kOmissionPixels)};
    QFontMetrics captions{chartFont(kCaptionPixels, true)};
};

// How wide the cells of the chart's column `at` are for its heading and
// what its rows hold.
int widthOf(const TrendChart& chart, std::size_t at, const ChartColumn& column, const Faces& faces) {
    const QFontMetrics& text = faces.text;
    const int heading = text.horizontalAdvance(toQString(column.heading));
    switch (column.kind) {
        case ColumnKind::Value: {
            // The longest of its texts: they differ in their digits only,
            // and a face's digits are all as wide.
            std::string_view longest;
            for (const ChartRow& row : chart.rows) {
                if (row.cells[at].text.size() > longest.size()) longest = row.cells[at].text;
            }
            return std::max(std::max(heading, text.horizontalAdvance(toQString(longest))) + kPadding,
                            ChartLayout::kCell);
        }
        case ColumnKind::Omission: {
            int largest = 0;
            for (const ChartRow& row : chart.rows) largest = std::max(largest, row.cells[at].number);
            const int figure = faces.omissions.horizontalAdvance(QString::number(largest));
            return std::max(
                heading + kPadding <= ChartLayout::kCell ? ChartLayout::kCell : heading + kPillPadding,
                figure + kFigurePadding);
        }
        case ColumnKind::Count: break;
    }
    return ChartLayout::kCell;  // a count, 1 to 5, on a ball
}

}  // namespace

ChartLayout::ChartLayout(const TrendChart& chart)
    : rows_(static_cast<int>(chart.rows.size())), summaryLines_(static_cast<int>(chart.summaryLines.size())) {
    const Faces faces;
    std::size_t at = 0;
    for (const ColumnGroup& group : chart.groups) {
        const QString caption = toQString(group.caption);
        groups_.push_back({.first = static_cast<int>(columns_.size()),
                           .caption = caption,
                           .captionWidth = faces.captions.horizontalAdvance(caption)});
        for (const ChartColumn& column : group.columns) {
            columns_.push_back({.left = 0,
                                .width = widthOf(chart, at++, column, faces),
                                .group = static_cast<int>(groups_.size()) - 1,
                                .heading = toQString(column.heading),
                                .kind = column.kind});
        }
    }
    fitSummary(chart);
    fitCaptions();
    int left = kFrozenWidth;
    for (Column& column : columns_) {
        column.left = left;
        left += column.width;
    }
    right_ = left;
}

void ChartLayout::fitSummary(const TrendChart& chart) {
    const QFontMetrics figures(chartFont(kTextPixels));
    std::vector<int> widths(columns_.size());
    for (const SummaryLine& line : chart.summaryLines) {
        std::vector<QString>& texts = summaryTexts_.emplace_back();
        for (std::size_t column = 0; column < columns_.size(); ++column) {
            QString& shown = texts.emplace_back();
            // A text column's tally keeps as clear of the grid as its texts.
            const int padding = columns_[column].kind == ColumnKind::Value ? kPadding : kFigurePadding;
            int width = 0;
            for (const std::string& form : line.cells[column].forms) {
                shown = toQString(form);
                width = figures.horizontalAdvance(shown) + padding;
                if (width <= columns_[column].width) break;
            }
            widths[column] = std::max(widths[column], width);
        }
    }
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        columns_[column].width = std::max(columns_[column].width, widths[column]);
    }
}

void ChartLayout::fitCaptions() {
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        const auto first = static_cast<std::size_t>(groups_[group].first);
        const auto end =
            group + 1 < groups_.size() ? static_cast<std::size_t>(groups_[group + 1].first) : columns_.size();
        int width = 0;
        for (std::size_t column = first; column < end; ++column) width += columns_[column].width;
        const int missing = groups_[group].captionWidth + kPadding - width;
        if (missing > 0) columns_[end - 1].width += missing;
    }
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
