#include "stats/row_tool_tip.h"

#include <array>
#include <utility>

#include "text/numbers.h"

namespace quintara {
namespace {

// What each list counts, in the lists' order: the digit at one position or
// within a group of positions, a pair of digits, or a value of the draw.
constexpr auto kItemKinds = std::to_array<std::string_view>({
    "万位", "千位", "百位", "十位", "个位", "后三",  // omission of a digit
    "后三", "中三", "前三", "五星",                  // frequency of a digit
    "双胆",                                          // frequency of a pair
    "和尾", "跨度",                                  // omission of a value of the back three
    "胆码", "前三胆码", "中三胆码", "后三胆码",      // omission of a pair
    "形态",                                          // omission of a pattern
});
static_assert(kItemKinds.size() == kStatisticsListCount);

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

std::string rowItemName(StatisticsList list, std::string_view label) {
    std::string name(kItemKinds[indexOf(list)]);
    return name.append(" ").append(label);
}

ToolTipLines rowToolTipLines(StatisticsList list, const StatisticsRow& row) {
    const RowDetail& detail = row.detail;
    ToolTipLines tip;
    tip.add(rowItemName(list, row.label));
    // rowDetail sets the window's three figures together.
    if (detail.window && *detail.window < detail.draws) {
        const std::string window = windowWords(*detail.window);
        tip.add(lineOf(window + "出现 ", detail.windowCount.value(), " 次"));
        tip.add(lineOf(window + "理论出现 ", detail.windowExpected.value(), " 次"));
    }
    tip.add(lineOf("当前遗漏 ", detail.current, " 期"));
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
