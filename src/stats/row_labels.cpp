#include "stats/row_labels.h"

#include <algorithm>
#include <array>

#include "stats/digit_pairs.h"
#include "stats/draw_digits.h"
#include "stats/size_parity_patterns.h"

namespace quintara {
namespace {

constexpr std::array<std::string_view, kDigitCount> kDigitLabels{"0", "1", "2", "3", "4",
                                                                 "5", "6", "7", "8", "9"};

constexpr auto kPairLabels = [] {
    std::array<std::string_view, kDigitPairCount> labels{};
    for (std::size_t pair = 0; pair < labels.size(); ++pair) labels[pair] = kDigitPairs[pair].text;
    return labels;
}();

// kPairIndex[a][b]: the place of the pair "ab", a < b.
constexpr auto kPairIndex = [] {
    std::array<std::array<std::size_t, kDigitCount>, kDigitCount> index{};
    for (std::size_t pair = 0; pair < kDigitPairCount; ++pair) {
        index[static_cast<std::size_t>(kDigitPairs[pair].smaller)][static_cast<std::size_t>(kDigitPairs[pair].larger)] = pair;
    }
    return index;
}();

const std::array<std::string_view, kPatternCount> kPatternLabels = [] {
    std::array<std::string_view, kPatternCount> labels{};
    for (std::size_t row = 0; row < labels.size(); ++row) labels[row] = patternText(row);
    return labels;
}();

// What each list counts, in the lists' order: the digit at one position or
// within a group of positions, a pair of digits, or a value of the draw.
constexpr std::array<std::string_view, kStatisticsListCount> kItemKinds{
    "万位", "千位", "百位", "十位", "个位", "后三",  // omission of a digit
    "后三", "中三", "前三", "五星",                  // frequency of a digit
    "双胆",                                          // frequency of a pair
    "和尾", "跨度",                                  // omission of a value of the back three
    "胆码", "前三胆码", "中三胆码", "后三胆码",      // omission of a pair
    "形态",                                          // omission of a pattern
};

constexpr std::array<std::string_view, kStatisticsListCount> kListTitles{
    "万位遗漏",     "千位遗漏",     "百位遗漏",     "十位遗漏",     "个位遗漏",
    "后三遗漏",     "后三出现次数", "中三出现次数", "前三出现次数", "五星出现次数",
    "双胆出现次数", "杀合尾",       "杀跨度",       "五星胆码",     "前三胆码",
    "中三胆码",     "后三胆码",     "形态遗漏"};

}  // namespace

std::span<const std::string_view> rowLabels(StatisticsList list) {
    switch (list) {
        case StatisticsList::PairFrequency:
        case StatisticsList::AllFivePairOmission:
        case StatisticsList::FrontThreePairOmission:
        case StatisticsList::MiddleThreePairOmission:
        case StatisticsList::BackThreePairOmission:
            return kPairLabels;
        case StatisticsList::PatternOmission:
            return kPatternLabels;
        default:
            return kDigitLabels;
    }
}

std::optional<std::size_t> rowLabelIndex(StatisticsList list, std::string_view label) {
    const auto labels = rowLabels(list);
    // A digit's or a pair's place follows from its characters; alerts look
    // up every row after every refresh.
    if (labels.data() == kDigitLabels.data()) {
        const int digit = label.size() == 1 ? digitValue(label[0]) : -1;
        if (digit < 0) return std::nullopt;
        return static_cast<std::size_t>(digit);
    }
    if (labels.data() == kPairLabels.data()) {
        const int smaller = label.size() == 2 ? digitValue(label[0]) : -1;
        const int larger = label.size() == 2 ? digitValue(label[1]) : -1;
        if (smaller < 0 || larger <= smaller) return std::nullopt;
        return kPairIndex[static_cast<std::size_t>(smaller)][static_cast<std::size_t>(larger)];
    }
    const auto found = std::find(labels.begin(), labels.end(), label);
    if (found == labels.end()) return std::nullopt;
    return static_cast<std::size_t>(found - labels.begin());
}

std::string_view itemKind(StatisticsList list) { return kItemKinds[indexOf(list)]; }

std::string_view listTitle(StatisticsList list) { return kListTitles[indexOf(list)]; }

std::string rowName(StatisticsList list, std::string_view label) {
    return std::string(itemKind(list)).append(" ").append(label);
}

}  // namespace quintara
