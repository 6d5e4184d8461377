// What a trend chart shows of a draw: the positions of one view (五星, 前三,
// 中三, 后三, 前二, 后二) and the sections the reader switches on beside them
// (和值, 跨度, 形态, the three ratios, 012路, 龙虎), each where the view has it.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "stats/draw_digits.h"

namespace quintara {

struct ChartView {
    std::string_view name;
    PositionGroup positions;

    [[nodiscard]] constexpr int size() const { return positions.size(); }
    friend constexpr bool operator==(const ChartView& a, const ChartView& b) { return a.name == b.name; }
};

inline constexpr ChartView kAllFiveView{"五星", kAllFive};
inline constexpr std::array<ChartView, 6> kChartViews{{
    kAllFiveView,
    {"前三", kFrontThree},
    {"中三", kMiddleThree},
    {"后三", kBackThree},
    {"前二", {1, 2}},
    {"后二", {4, 5}},
}};

// The view of that name; none for any other text.
[[nodiscard]] std::optional<ChartView> chartViewNamed(std::string_view name);

enum class ChartSection : std::uint8_t {
    Sum,          // 和值
    Span,         // 跨度
    Form,         // 形态: 组六, 组三, 豹子 (three digits); 对子, 非对子 (two)
    SizeRatio,    // 大小比
    ParityRatio,  // 奇偶比
    PrimeRatio,   // 质合比
    Route,        // 012路
    DragonTiger,  // 龙虎: 万位 against 个位, 五星 only
};

// Every section, in the order the chart shows them left to right.
inline constexpr std::array<ChartSection, 8> kChartSections{
    ChartSection::Sum,         ChartSection::Span,       ChartSection::Form,  ChartSection::SizeRatio,
    ChartSection::ParityRatio, ChartSection::PrimeRatio, ChartSection::Route, ChartSection::DragonTiger};

[[nodiscard]] std::string_view sectionName(ChartSection section);
// The section of that name; none for any other text.
[[nodiscard]] std::optional<ChartSection> sectionNamed(std::string_view name);

// A set of sections.
class SectionSet {
public:
    constexpr SectionSet() = default;
    constexpr SectionSet(std::initializer_list<ChartSection> sections) {
        for (const ChartSection section : sections) add(section);
    }

    [[nodiscard]] constexpr bool has(ChartSection section) const { return (bits_ & bit(section)) != 0; }
    constexpr void add(ChartSection section) { bits_ = static_cast<std::uint8_t>(bits_ | bit(section)); }
    // The sections of both.
    [[nodiscard]] constexpr SectionSet operator&(SectionSet other) const {
        SectionSet both;
        both.bits_ = static_cast<std::uint8_t>(bits_ & other.bits_);
        return both;
    }
    friend constexpr bool operator==(SectionSet, SectionSet) = default;

private:
    static constexpr std::uint8_t bit(ChartSection section) {
        return static_cast<std::uint8_t>(1U << static_cast<unsigned>(section));
    }
    std::uint8_t bits_ = 0;
};

// The sections a view has: 形态 on two and three digits, 龙虎 on 五星 only,
// every other one on every view.
[[nodiscard]] SectionSet sectionsOf(const ChartView& view);

}  // namespace quintara
