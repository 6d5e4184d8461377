#include "stats/chart_columns.h"

#include "stats/chart_figures.h"

namespace quintara {
namespace {

constexpr std::array<std::string_view, kPositionCount> kPositionCaptions{"万位", "千位", "百位", "十位",
                                                                         "个位"};

// Columns headed 0, 1, ... `last`, named after their caption: 万位0, 和值27.
std::vector<ChartColumn> numberedColumns(std::string_view namePrefix, int last) {
    std::vector<ChartColumn> columns;
    for (int number = 0; number <= last; ++number) {
        const std::string heading = std::to_string(number);
        columns.push_back({.heading = heading, .name = std::string(namePrefix) + heading});
    }
    return columns;
}

// Columns headed and named by their item: 组六, 龙.
template <std::size_t Count>
std::vector<ChartColumn> namedColumns(const std::array<std::string_view, Count>& names) {
    std::vector<ChartColumn> columns;
    for (const std::string_view name : names) {
        columns.push_back({.heading = std::string(name), .name = std::string(name)});
    }
    return columns;
}

ColumnGroup sectionGroup(ChartSection section, ColumnKind kind, std::vector<ChartColumn> columns) {
    return {.caption = std::string(sectionName(section)),
            .kind = kind,
            .section = section,
            .columns = std::move(columns)};
}

// A section of one column per figure, the draw's figure on its ball.
GroupRule figureColumns(ChartSection section, std::vector<ChartColumn> columns,
                        int (*figure)(std::span<const int>)) {
    return {.group = sectionGroup(section, ColumnKind::Omission, std::move(columns)),
            .mark = [figure](const ViewDigits& digits, ShownColumns& shown) {
                if (digits.complete()) shown.add(figure(digits.digits()));
            }};
}

// A section of one column holding a text of the draw's.
GroupRule textColumn(ChartSection section, std::function<std::string(std::span<const int>)> text) {
    return {.group = sectionGroup(section, ColumnKind::Value,
                                  {{.heading = {}, .name = std::string(sectionName(section))}}),
            .text = [text = std::move(text)](const ViewDigits& digits) {
                return digits.complete() ? text(digits.digits()) : std::string();
            }};
}

// "big:small", "odd:even" or "prime:composite".
GroupRule ratioColumn(ChartSection section, bool (*counted)(int)) {
    return textColumn(section, [counted](std::span<const int> digits) { return ratioText(digits, counted); });
}

GroupRule sumRule(const ChartView& view) {
    if (view.size() > 3) {
        return textColumn(ChartSection::Sum,
                          [](std::span<const int> digits) { return std::to_string(digitSum(digits)); });
    }
    return figureColumns(ChartSection::Sum, numberedColumns(sectionName(ChartSection::Sum), 9 * view.size()),
                         digitSum);
}

GroupRule formRule(const ChartView& view) {
    return figureColumns(ChartSection::Form,
                         view.size() == 2 ? namedColumns(kTwoDigitForms) : namedColumns(kThreeDigitForms),
                         formColumn);
}

GroupRule sectionRule(ChartSection section, const ChartView& view) {
    switch (section) {
        case ChartSection::Sum: return sumRule(view);
        case ChartSection::Span:
            return figureColumns(section, numberedColumns(sectionName(section), kDigitCount - 1), digitSpan);
        case ChartSection::Form: return formRule(view);
        case ChartSection::SizeRatio: return ratioColumn(section, isBig);
        case ChartSection::ParityRatio: return ratioColumn(section, isOdd);
        case ChartSection::PrimeRatio: return ratioColumn(section, isPrime);
        case ChartSection::Route: return textColumn(section, routeText);
        case ChartSection::DragonTiger:
            return figureColumns(section, namedColumns(kDragonTiger), [](std::span<const int> digits) {
                return dragonTigerColumn(digits.front(), digits.back());
            });
    }
    return {};
}

}  // namespace

ViewDigits::ViewDigits(std::string_view drawText, PositionGroup positions)
    : size_(static_cast<std::size_t>(positions.size())) {
    for (std::size_t at = 0; at < size_; ++at) {
        const std::size_t character = static_cast<std::size_t>(positions.first - 1) + at;
        digits_[at] = character < drawText.size() ? digitValue(drawText[character]) : -1;
        complete_ = complete_ && digits_[at] >= 0;
    }
}

std::vector<GroupRule> groupRules(const ChartView& view, SectionSet sections) {
    std::vector<GroupRule> rules;
    for (int position = view.positions.first; position <= view.positions.last; ++position) {
        const std::string_view caption = kPositionCaptions[static_cast<std::size_t>(position - 1)];
        const auto at = static_cast<std::size_t>(position - view.positions.first);
        rules.push_back({.group = {.caption = std::string(caption),
                                   .kind = ColumnKind::Omission,
                                   .position = position,
                                   .columns = numberedColumns(caption, kDigitCount - 1)},
                         .mark = [at](const ViewDigits& digits, ShownColumns& shown) {
                             if (const int digit = digits.digits()[at]; digit >= 0) shown.add(digit);
                         }});
    }
    rules.push_back({.group = {.caption = "号码分布",
                               .kind = ColumnKind::Count,
                               .columns = numberedColumns("分布", kDigitCount - 1)},
                     .mark = [](const ViewDigits& digits, ShownColumns& shown) {
                         for (const int digit : digits.digits()) {
                             if (digit >= 0) shown.add(digit);
                         }
                     }});
    for (const ChartSection section : kChartSections) {
        if ((sections & sectionsOf(view)).has(section)) rules.push_back(sectionRule(section, view));
    }
    return rules;
}

}  // namespace quintara
