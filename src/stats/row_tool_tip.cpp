#include "stats/row_tool_tip.h"

#include <array>
#include <utility>

#include "stats/row_labels.h"
#include "text/numbers.h"

namespace quintara {
namespace {

// One line: `before`, the number, `after`.
std::string lineOf(std::string_view before, int number, std::string_view after) {
    std::string line(before);
    appendDecimal(line, number);
    return line.append(after);
}

std::string lineOf(std::string_view before, double number, std::string_view after) {
    std::string line(before);
    appendTwoDecimals(line, number);
    return line.append(after);
}

// "近10期": what the window lines lead with.
std::string windowWords(int draws) { return lineOf("近", draws, "期"); }

}  // namespace

ToolTipLines& ToolTipLines::add(std::string line) {
    lines_.push_back(std::move(line));
    return *this;
}

std::string ToolTipLines::joined(std::string_view separator) const {
    std::string text;
    for (const std::string& line : lines_) {
        if (!text.empty()) text += separator;
        text += line;
    }
    return text;
}

ToolTipLines rowToolTipLines(StatisticsList list, const StatisticsRow& row) {
    const RowDetail& detail = row.detail;
    ToolTipLines tip;
    tip.add(rowName(list, row.label));
    // rowDetail sets the window's three figures together.
    if (detail.window && *detail.window < detail.draws) {
        const std::string window = windowWords(*detail.window);
        tip.add(lineOf(window + "出现 ", detail.windowCount.value(), " 次"));
        tip.add(lineOf(window + "理论出现 ", detail.windowExpected.value(), " 次"));
    }
    tip.add(lineOf("当前遗漏 ", detail.current, " 期"));
    tip.add("遗漏概率 " + percentText(detail.chance));
    if (detail.previous) tip.add(lineOf("上次遗漏 ", *detail.previous, " 期"));
    tip.add(lineOf("最大遗漏 ", detail.longest, " 期"));
    tip.add(lineOf("平均遗漏 ", detail.average, " 期"));
    tip.add(lineOf("最大连出 ", detail.streak, " 期"));
    tip.add(lineOf("共 ", detail.draws, " 期"));
    tip.add(lineOf("出现 ", detail.appearances, " 次"));
    tip.add(lineOf("理论出现 ", detail.expected, " 次"));
    return tip;
}

std::string rowToolTip(StatisticsList list, const StatisticsRow& row) {
    return rowToolTipLines(list, row).joined(kToolTipLineBreak);
}

}  // namespace quintara
