#include "chart/chart_view.h"

#include <algorithm>

namespace quintara {
namespace {

constexpr std::array<std::string_view, kChartSections.size()> kSectionNames{
    "和值", "跨度", "形态", "大小比", "奇偶比", "质合比", "012路", "龙虎"};

}  // namespace

std::optional<ChartView> chartViewNamed(std::string_view name) {
    const auto found = std::ranges::find(kChartViews, name, &ChartView::name);
    if (found == kChartViews.end()) return std::nullopt;
    return *found;
}

std::string_view sectionName(ChartSection section) {
    return kSectionNames[static_cast<std::size_t>(section)];
}

std::optional<ChartSection> sectionNamed(std::string_view name) {
    const auto found = std::ranges::find(kSectionNames, name);
    if (found == kSectionNames.end()) return std::nullopt;
    return kChartSections[static_cast<std::size_t>(found - kSectionNames.begin())];
}

SectionSet sectionsOf(const ChartView& view) {
    SectionSet sections;
    for (const ChartSection section : kChartSections) {
        const bool has = section == ChartSection::Form          ? view.size() <= 3
                         : section == ChartSection::DragonTiger ? view.size() == kAllFive.size()
                                                                : true;
        if (has) sections.add(section);
    }
    return sections;
}

}  // namespace quintara
