#include "stats/trend_chart.h"

#include <algorithm>

#include "stats/item_history.h"
#include "text/numbers.h"

namespace quintara {
namespace {

// Items of the summary: digit d at position p is item 10 p + d, digit d
// anywhere in the draw item 50 + d.
constexpr std::size_t kDistributionItems = kPositionCount * kDigitCount;
constexpr std::size_t kSummaryItems = kDistributionItems + kDigitCount;

ItemSet<kSummaryItems> summaryItemsOf(std::string_view text) {
    const PositionDigits digits(text);
    ItemSet<kSummaryItems> shown{};
    for (int position = 1; position <= kPositionCount; ++position) {
        addItems<kSummaryItems>(shown, static_cast<std::size_t>(position - 1) * kDigitCount,
                                digits.in({position, position}));
    }
    addItems<kSummaryItems>(shown, kDistributionItems, digits.in(kAllFive));
    return shown;
}

ColumnSummary columnSummary(const ItemHistory& history, int draws) {
    return {.appearances = history.appearances,
            .average = history.averageAbsence(draws),
            .longest = history.longest,
            .streak = history.streak};
}

ChartSummary summaryOf(std::span<const DrawView> shownNewestFirst) {
    std::vector<std::string_view> texts;
    texts.reserve(shownNewestFirst.size());
    for (const DrawView& draw : shownNewestFirst) texts.push_back(draw.text);
    const auto histories = itemHistories<kSummaryItems>(texts, summaryItemsOf);
    const int draws = static_cast<int>(texts.size());
    ChartSummary summary;
    for (std::size_t position = 0; position < kPositionCount; ++position) {
        for (std::size_t digit = 0; digit < kDigitCount; ++digit) {
            summary.positions[position][digit] =
                columnSummary(histories[position * kDigitCount + digit], draws);
        }
    }
    for (std::size_t digit = 0; digit < kDigitCount; ++digit) {
        summary.distribution[digit] = columnSummary(histories[kDistributionItems + digit], draws);
    }
    return summary;
}

// The columns of the positions, then those of the distribution.
std::vector<ColumnGroup> columnGroups() {
    constexpr std::array<std::string_view, kPositionCount> kPositionCaptions{"万位", "千位", "百位",
                                                                             "十位", "个位"};
    const auto digitColumns = [](std::string_view caption, std::string_view namePrefix) {
        ColumnGroup group{.caption = std::string(caption)};
        for (int digit = 0; digit < kDigitCount; ++digit) {
            const std::string heading(digitLabel(digit));
            group.columns.push_back({.heading = heading, .name = std::string(namePrefix) + heading});
        }
        return group;
    };
    std::vector<ColumnGroup> groups;
    for (const std::string_view caption : kPositionCaptions) groups.push_back(digitColumns(caption, caption));
    groups.push_back(digitColumns("号码分布", "分布"));
    return groups;
}

// A summary line: its caption and how a column's figure is written in it.
struct SummaryFigure {
    std::string_view caption;
    void (*append)(std::string& text, const ColumnSummary& column);
};

constexpr std::array<SummaryFigure, kSummaryLineCount> kSummaryFigures{{
    {"出现次数", [](std::string& text, const ColumnSummary& c) { appendDecimal(text, c.appearances); }},
    {"平均遗漏", [](std::string& text, const ColumnSummary& c) { appendTwoDecimals(text, c.average); }},
    {"最大遗漏", [](std::string& text, const ColumnSummary& c) { appendDecimal(text, c.longest); }},
    {"最大连出", [](std::string& text, const ColumnSummary& c) { appendDecimal(text, c.streak); }},
}};

// The summary as the chart shows it: in each line, a cell for every column
// in the order of the column groups.
std::vector<SummaryLine> summaryLinesOf(const ChartSummary& summary) {
    std::vector<SummaryLine> lines;
    for (const SummaryFigure& figure : kSummaryFigures) {
        SummaryLine& line = lines.emplace_back(SummaryLine{.caption = std::string(figure.caption)});
        const auto addCell = [&](const ColumnSummary& column) {
            figure.append(line.cells.emplace_back(), column);
        };
        for (const auto& position : summary.positions) std::ranges::for_each(position, addCell);
        std::ranges::for_each(summary.distribution, addCell);
    }
    return lines;
}

void appendCell(std::string& line, std::string_view text) { line.append(",").append(text); }

void appendNumberCell(std::string& line, int value) {
    line += ',';
    appendDecimal(line, value);
}

}  // namespace

TrendChart makeTrendChart(std::span<const DrawView> newestFirst, int shown) {
    const std::size_t shownCount = std::min(newestFirst.size(), static_cast<std::size_t>(std::max(shown, 0)));
    TrendChart chart{.groups = columnGroups()};
    chart.rows.reserve(shownCount);
    // From the oldest draw read to the newest: each position's omissions so far.
    std::array<std::array<int, kDigitCount>, kPositionCount> omission{};
    for (std::size_t age = newestFirst.size(); age-- > 0;) {
        const std::string_view text = newestFirst[age].text;
        for (std::size_t position = 0; position < kPositionCount; ++position) {
            const int drawn = position < text.size() ? digitValue(text[position]) : -1;
            for (int digit = 0; digit < kDigitCount; ++digit) {
                int& draws = omission[position][static_cast<std::size_t>(digit)];
                draws = digit == drawn ? 0 : draws + 1;
            }
        }
        if (age >= shownCount) continue;
        ChartRow& row = chart.rows.emplace_back();
        row.issue = newestFirst[age].issue;
        row.code = text;
        for (std::size_t position = 0; position < kPositionCount; ++position) {
            for (std::size_t digit = 0; digit < kDigitCount; ++digit) {
                row.cells[position][digit].omission = omission[position][digit];
            }
        }
        forEachDigitAt(text, kAllFive, [&row](int, int digit) {
            ++row.distribution[static_cast<std::size_t>(digit)];
        });
    }
    chart.summary = summaryOf(newestFirst.first(shownCount));
    chart.summaryLines = summaryLinesOf(chart.summary);
    return chart;
}

std::string trendChartCsv(const TrendChart& chart) {
    constexpr std::string_view kLineEnd = "\r\n";
    std::string csv(kIssueCaption);
    appendCell(csv, kCodeCaption);
    for (const ColumnGroup& group : chart.groups) {
        for (const ChartColumn& column : group.columns) appendCell(csv, column.name);
    }
    csv += kLineEnd;

    for (const ChartRow& row : chart.rows) {
        csv.append(row.issue).append(",").append(row.code);
        for (const auto& position : row.cells) {
            for (std::size_t digit = 0; digit < kDigitCount; ++digit) {
                if (position[digit].drawn()) {
                    appendCell(csv, digitLabel(static_cast<int>(digit)));
                } else {
                    appendNumberCell(csv, position[digit].omission);
                }
            }
        }
        for (const int count : row.distribution) {
            if (count == 0) {
                appendCell(csv, "");
            } else {
                appendNumberCell(csv, count);
            }
        }
        csv += kLineEnd;
    }

    // A summary line's caption stands over the issue and the code.
    for (const SummaryLine& line : chart.summaryLines) {
        csv.append(line.caption);
        appendCell(csv, "");
        for (const std::string& cell : line.cells) appendCell(csv, cell);
        csv += kLineEnd;
    }
    return csv;
}

}  // namespace quintara
