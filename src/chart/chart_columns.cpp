#include "chart/chart_columns.h"

#include "chart/chart_figures.h"

namespace quintara {
namespace {

constexpr std::array<std::string_view, kPositionCount> kPositionCaptions{"万位", "千位", "百位", "十位",
                                                                         "个位"};

// Columns headed 0, 1, ... `last`, named after their caption: 万位0, 和值27.
std::vector<ChartColumn> numberedColumns(std::string_view namePrefix, int last,
                                         ColumnKind kind = ColumnKind::Omission) {
    std::vector<ChartColumn> columns;
    for (int number = 0; number <= last; ++number) {
        const std::string heading = std::to_string(number);
        columns.push_back({.heading = heading, .name = std::string(namePrefix) + heading, .kind = kind});
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

ColumnGroup sectionGroup(ChartSection section, std::vector<ChartColumn> columns) {
    return {.caption = std::string(sectionName(section)), .section = section, .columns = std::move(columns)};
}

// The column of a section's text, named after the section.
ChartColumn valueColumn(ChartSection section) {
    return {.heading = {}, .name = std::string(sectionName(section)), .kind = ColumnKind::Value};
}

// The text of a draw's figures.
std::function<std::string(const ViewDigits&)> drawnText(
    std::function<std::string(std::span<const int>)> text) {
    return [text = std::move(text)](const ViewDigits& digits) { return text(digits.numbers()); };
}

// A section of one column per figure, the draw's figure on its ball.
GroupRule figureColumns(ChartSection section, std::vector<ChartColumn> columns,
                        int (*figure)(std::span<const int>)) {
    return {.group = sectionGroup(section, std::move(columns)),
            .mark = [figure](const ViewDigits& digits, ShownColumns& shown) {
                shown.add(figure(digits.numbers()));
            }};
}

// A section of one column holding a text of the draw's.
GroupRule textColumn(ChartSection section, std::function<std::string(std::span<const int>)> text) {
    return {.group = sectionGroup(section, {valueColumn(section)}), .text = drawnText(std::move(text))};
}

// "big:small", "odd:even" or "prime:composite": the draw's ratio as text,
// then a column for each ratio the view's digits can make, from all counted
// to none, the draw's on its ball.
GroupRule ratioSection(ChartSection section, const ChartView& view, bool (*counted)(int)) {
    const int size = view.size();
    std::vector<ChartColumn> columns{valueColumn(section)};
    for (int count = size; count >= 0; --count) {
        const std::string ratio = ratioText(count, size - count);
        columns.push_back({.heading = ratio, .name = std::string(sectionName(section)) + ratio});
    }
    return {.group = sectionGroup(section, std::move(columns)),
            .mark =
                [size, counted](const ViewDigits& digits, ShownColumns& shown) {
                    shown.add(1 + size - countedDigits(digits.numbers(), counted));
                },
            .text = drawnText([counted](std::span<const int> digits) {
                const int count = countedDigits(digits, counted);
                return ratioText(count, static_cast<int>(digits.size()) - count);
            })};
}

// Each digit's route, and how often each route came.
GroupRule routeSection() {
    GroupRule rule = textColumn(ChartSection::Route, routeText);
    rule.tally = routeTally;
    return rule;
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
        case ChartSection::SizeRatio: return ratioSection(section, view, isBig);
        case ChartSection::ParityRatio: return ratioSection(section, view, isOdd);
        case ChartSection::PrimeRatio: return ratioSection(section, view, isPrime);
        case ChartSection::Route: return routeSection();
        case ChartSection::DragonTiger:
            return figureColumns(section, namedColumns(kDragonTiger), [](std::span<const int> digits) {
                return dragonTigerColumn(digits.front(), digits.back());
            });
    }
    return {};
}

}  // namespace

ViewDigits::ViewDigits(std::string_view drawText, PositionGroup positions)
    : numbers_(digitNumbers<kPositionCount>(drawText, positions)), size_(static_cast<std::size_t>(positions.size())) {
    for (std::size_t at = 0; at < size_; ++at) {
        const std::size_t character = static_cast<std::size_t>(positions.first - 1) + at;
        drawn_[at] = character < drawText.size() ? digitValue(drawText[character]) : -1;
    }
}

std::vector<GroupRule> groupRules(const ChartView& view, SectionSet sections) {
    std::vector<GroupRule> rules;
    for (int position = view.positions.first; position <= view.positions.last; ++position) {
        const std::string_view caption = kPositionCaptions[static_cast<std::size_t>(position - 1)];
        const auto at = static_cast<std::size_t>(position - view.positions.first);
        rules.push_back({.group = {.caption = std::string(caption),
                                   .position = position,
                                   .columns = numberedColumns(caption, kDigitCount - 1)},
                         .mark = [at](const ViewDigits& digits, ShownColumns& shown) {
                             if (const int digit = digits.drawn()[at]; digit >= 0) shown.add(digit);
                         }});
    }
    rules.push_back({.group = {.caption = "号码分布",
                               .columns = numberedColumns("分布", kDigitCount - 1, ColumnKind::Count)},
                     .mark = [](const ViewDigits& digits, ShownColumns& shown) {
                         for (const int digit : digits.drawn()) {
                             if (digit >= 0) shown.add(digit);
                         }
                     }});
    for (const ChartSection section : kChartSections) {
        if ((sections & sectionsOf(view)).has(section)) rules.push_back(sectionRule(section, view));
    }
    return rules;
}

}  // namespace quintara
