// The tool tip of a row of a statistics list: short lines that a person reads
// at a glance, the first naming the row's item ("万位 7", "胆码 38", "形态
// 大小单单双"), then one figure a line. A caller may add lines of its own
// before the tip is shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "stats/statistics.h"

namespace quintara {

// How a list view separates the lines of a tool tip, and how the text report
// of quintara-stats keeps a row's tip on its one line.
inline constexpr std::string_view kToolTipLineBreak = "\n";
inline constexpr std::string_view kToolTipOneLine = " · ";

// A tool tip made line by line.
class ToolTipLines {
public:
    ToolTipLines& add(std::string line);
    [[nodiscard]] const std::vector<std::string>& lines() const { return lines_; }
    // The lines with `separator` between them.
    [[nodiscard]] std::string joined(std::string_view separator) const;

private:
    std::vector<std::string> lines_;
};

// The item's name (rowName), then the row's detail: a frequency row's count
// and fair count in its window (left out where the window holds every draw
// read, for the lines of all draws say the same), the current absence and
// the chance of one so long in a fair game ("遗漏概率 7.28%"), the previous, longest and
// average absence, the longest streak, and its count and fair count over the
// draws read, and how many those are.
[[nodiscard]] ToolTipLines rowToolTipLines(StatisticsList list, const StatisticsRow& row);

// The lines above as a list view shows them, one under another.
[[nodiscard]] std::string rowToolTip(StatisticsList list, const StatisticsRow& row);

}  // namespace quintara
