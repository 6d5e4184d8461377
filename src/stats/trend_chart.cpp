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

void appendCell(std::string& line, std::string_view text) { line.append(",").append(text); }

void appendNumberCell(std::string& line, int value) {
    line += ',';
    appendDecimal(line, value);
}

}  // namespace

TrendChart makeTrendChart(std::span<const DrawView> newestFirst, int shown) {
    const std::size_t shownCount = std::min(newestFirst.size(), static_cast<std::size_t>(std::max(shown, 0)));
    TrendChart chart;
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
    return chart;
}

std::string trendChartCsv(const TrendChart& chart) {
    constexpr std::string_view kLineEnd = "\r\n";
    std::string csv = "期号,开奖号码";
    for (const std::string_view caption : kPositionCaptions) {
        for (int digit = 0; digit < kDigitCount; ++digit) {
            appendCell(csv, std::string(caption) + std::string(digitLabel(digit)));
        }
    }
    for (int digit = 0; digit < kDigitCount; ++digit) appendCell(csv, "分布" + std::string(digitLabel(digit)));
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

    const auto summaryLine = [&](std::string_view caption, auto figure) {
        csv.append(caption).append(",");
        for (const auto& position : chart.summary.positions) {
            for (const ColumnSummary& column : position) figure(column);
        }
        for (const ColumnSummary& column : chart.summary.distribution) figure(column);
        csv += kLineEnd;
    };
    summaryLine(kSummaryCaptions[0], [&](const ColumnSummary& c) { appendNumberCell(csv, c.appearances); });
    summaryLine(kSummaryCaptions[1], [&](const ColumnSummary& c) {
        csv += ',';
        appendTwoDecimals(csv, c.average);
    });
    summaryLine(kSummaryCaptions[2], [&](const ColumnSummary& c) { appendNumberCell(csv, c.longest); });
    summaryLine(kSummaryCaptions[3], [&](const ColumnSummary& c) { appendNumberCell(csv, c.streak); });
    return csv;
}

}  // namespace quintara
