// The 18 statistics lists and the five count windows. The core knows them by
// these ids; the tools print them and alert rules name them by their names,
// which are also the names the main window gives the list views and combo
// boxes that show them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quintara {

// In the order in which a refresh writes them.
enum class StatisticsList {
    Position1Omission,  // 万
    Position2Omission,  // 千
    Position3Omission,  // 百
    Position4Omission,  // 十
    Position5Omission,  // 个
    BackThreeOmission,
    BackThreeFrequency,
    MiddleThreeFrequency,
    FrontThreeFrequency,
    AllFiveFrequency,
    PairFrequency,
    SumTailOmission,
    SpanOmission,
    AllFivePairOmission,
    FrontThreePairOmission,
    MiddleThreePairOmission,
    BackThreePairOmission,
    PatternOmission,
};

inline constexpr std::size_t kStatisticsListCount = 18;

constexpr std::size_t indexOf(StatisticsList list) { return static_cast<std::size_t>(list); }

inline constexpr std::array<std::string_view, kStatisticsListCount> kStatisticsListNames{
    "超级列表框_万遗漏",         "超级列表框_千遗漏",         "超级列表框_百遗漏",
    "超级列表框_十遗漏",         "超级列表框_个遗漏",         "超级列表框_全遗漏",
    "超级列表框_出现次数",       "超级列表框_出现次数中三",   "超级列表框_出现次数前三",
    "超级列表框_出现次数五星",   "超级列表框_出现次数五星双胆", "超级列表框_杀合尾",
    "超级列表框_杀跨度",         "超级列表框_胆码",           "超级列表框_胆码前三",
    "超级列表框_胆码中三",       "超级列表框_胆码后三",       "超级列表框_混选"};

constexpr std::string_view nameOf(StatisticsList list) { return kStatisticsListNames[indexOf(list)]; }

// Every list, in order.
inline constexpr auto kStatisticsLists = [] {
    std::array<StatisticsList, kStatisticsListCount> lists{};
    for (std::size_t index = 0; index < lists.size(); ++index) lists[index] = static_cast<StatisticsList>(index);
    return lists;
}();

// The list of that name; none when no list has it.
[[nodiscard]] std::optional<StatisticsList> statisticsListNamed(std::string_view name);

// The combo boxes that choose how many of the newest draws a frequency list
// counts: 后三, 中三, 前三 and 五星, then the digit-pair frequency list's.
enum class CountWindowBox { BackThree, MiddleThree, FrontThree, AllFive, Pair };

inline constexpr std::size_t kCountWindowBoxCount = 5;

constexpr std::size_t indexOf(CountWindowBox box) { return static_cast<std::size_t>(box); }

inline constexpr std::array<std::string_view, kCountWindowBoxCount> kCountWindowBoxNames{
    "组合框_选择选几期", "组合框_选择选几期中三", "组合框_选择选几期前三", "组合框_选择选几期五星",
    "组合框_选择选几期五星双胆"};

constexpr std::string_view nameOf(CountWindowBox box) { return kCountWindowBoxNames[indexOf(box)]; }

// Every box, in order.
inline constexpr std::array<CountWindowBox, kCountWindowBoxCount> kCountWindowBoxes{
    CountWindowBox::BackThree, CountWindowBox::MiddleThree, CountWindowBox::FrontThree,
    CountWindowBox::AllFive, CountWindowBox::Pair};

// The list that counts over the draws the box chooses.
constexpr StatisticsList countedList(CountWindowBox box) {
    constexpr std::array<StatisticsList, kCountWindowBoxCount> kCounted{
        StatisticsList::BackThreeFrequency, StatisticsList::MiddleThreeFrequency,
        StatisticsList::FrontThreeFrequency, StatisticsList::AllFiveFrequency,
        StatisticsList::PairFrequency};
    return kCounted[indexOf(box)];
}

// The box of that name; none when no box has it.
[[nodiscard]] std::optional<CountWindowBox> countWindowBoxNamed(std::string_view name);

// The item each box has selected, index 0 to 4 of its items, -1 for none:
// 统计10期 in every box, as at start.
struct CountWindowSelections {
    std::array<int, kCountWindowBoxCount> items{};

    [[nodiscard]] constexpr int operator[](CountWindowBox box) const { return items[indexOf(box)]; }
    constexpr int& operator[](CountWindowBox box) { return items[indexOf(box)]; }
};

}  // namespace quintara
