// The trend chart's column groups for a view and its sections, each with
// the rule by which a draw fills it: which of its columns the draw shows, or
// the text of its cell.
#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_view.h"
#include "chart/trend_chart.h"

namespace quintara {

// The digits of a draw at a view's positions, in order: as drawn, and read
// as numbers, by the rule of stats/draw_digits.h.
class ViewDigits {
public:
    ViewDigits(std::string_view drawText, PositionGroup positions);

    // Each position's digit, -1 where its character is no digit: the balls.
    [[nodiscard]] std::span<const int> drawn() const { return std::span(drawn_).first(size_); }
    // Each position's character read as a number: the sections' figures.
    [[nodiscard]] std::span<const int> numbers() const { return std::span(numbers_).first(size_); }

private:
    std::array<int, kPositionCount> drawn_{};
    std::array<int, kPositionCount> numbers_{};
    std::size_t size_ = 0;
};

// The columns a draw shows, counted from the chart's first, once for each
// time it shows one: at most one per position, one per digit of the
// distribution and one per section with columns.
class ShownColumns {
public:
    // The columns added from now on are counted from `firstColumn`.
    void startGroup(int firstColumn) { offset_ = firstColumn; }
    void add(int column) { columns_[size_++] = offset_ + column; }
    void clear() { size_ = 0; }
    [[nodiscard]] std::span<const int> columns() const { return std::span(columns_).first(size_); }

private:
    std::array<int, 2 * kPositionCount + kChartSections.size()> columns_{};
    std::size_t size_ = 0;
    int offset_ = 0;
};

struct GroupRule {
    ColumnGroup group;
    // Adds the Omission and Count columns of the group that the draw shows.
    std::function<void(const ViewDigits&, ShownColumns&)> mark;
    // The text of the draw's cell in the group's Value column.
    std::function<std::string(const ViewDigits&)> text;
    // What the 出现次数 line says under the Value column, from its texts
    // over the draws shown; none: nothing.
    std::function<std::string(std::span<const std::string_view>)> tally;
};

// The groups of the view's positions, the distribution, then those of the
// sections in kChartSections order (each the view has).
[[nodiscard]] std::vector<GroupRule> groupRules(const ChartView& view, SectionSet sections);

// More columns than any view has with every section: three positions have
// 30 + 10 + 28 + 10 + 3 + 3 * 5 + 1 = 97, 五星 50 + 10 + 1 + 10 + 3 * 7 +
// 1 + 3 = 96.
inline constexpr std::size_t kMostChartColumns = 128;

}  // namespace quintara
