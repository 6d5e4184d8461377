#include "chart/trend_chart.h"

#include <algorithm>
#include <array>

#include "draws/issue.h"
#include "chart/chart_columns.h"
#include "stats/item_history.h"
#include "chart/summary_figures.h"

namespace quintara {
namespace {

using ColumnSet = ItemSet<kMostChartColumns>;

// The columns the draw shows, group by group.
void markColumns(std::span<const GroupRule> rules, const ViewDigits& digits, ShownColumns& shown) {
    shown.clear();
    int first = 0;
    for (const GroupRule& rule : rules) {
        shown.startGroup(first);
        if (rule.mark) rule.mark(digits, shown);
        first += static_cast<int>(rule.group.columns.size());
    }
}

// Each Omission and Count column over the draws shown, newest first.
std::vector<std::optional<ColumnSummary>> summaryOf(std::span<const GroupRule> rules, const ChartView& view,
                                                    std::span<const std::string_view> shownNewestFirst) {
    ShownColumns shown;
    const auto histories = itemHistories<kMostChartColumns>(shownNewestFirst, [&](std::string_view text) {
        markColumns(rules, ViewDigits(text, view.positions), shown);
        ColumnSet set{};
        for (const int column : shown.columns()) {
            set[static_cast<std::size_t>(column) / 64] |= std::uint64_t{1} << (column % 64);
        }
        return set;
    });
    const int draws = static_cast<int>(shownNewestFirst.size());
    std::vector<std::optional<ColumnSummary>> summary;
    for (const GroupRule& rule : rules) {
        for (const ChartColumn& column : rule.group.columns) {
            if (column.kind == ColumnKind::Value) {
                summary.emplace_back();
                continue;
            }
            const ItemHistory& history = histories[summary.size()];
            summary.emplace_back(ColumnSummary{.appearances = history.appearances,
                                               .average = history.averageAbsence(draws),
                                               .longest = history.longest,
                                               .streak = history.streak});
        }
    }
    return summary;
}

// A summary line: its caption, a column's figure in it and how many
// decimals it is written with.
struct SummaryFigure {
    std::string_view caption;
    double (*figure)(const ColumnSummary& column);
    int decimals;
};

constexpr std::array<SummaryFigure, 4> kSummaryFigures{{
    {"出现次数", [](const ColumnSummary& c) -> double { return c.appearances; }, 0},
    {"平均遗漏", [](const ColumnSummary& c) { return c.average; }, 2},
    {"最大遗漏", [](const ColumnSummary& c) -> double { return c.longest; }, 0},
    {"最大连出", [](const ColumnSummary& c) -> double { return c.streak; }, 0},
}};

std::vector<SummaryLine> summaryLinesOf(const std::vector<std::optional<ColumnSummary>>& summary) {
    std::vector<SummaryLine> lines;
    for (const SummaryFigure& figure : kSummaryFigures) {
        SummaryLine& line = lines.emplace_back(SummaryLine{.caption = std::string(figure.caption)});
        for (const auto& column : summary) {
            SummaryCell& cell = line.cells.emplace_back();
            if (column) cell.forms = figureForms(figure.figure(*column), figure.decimals);
        }
    }
    return lines;
}

// The 出现次数 of each Value column that tallies its texts over the rows.
void tallyValues(std::span<const GroupRule> rules, std::span<const ChartRow> rows, SummaryLine& appearances) {
    std::size_t first = 0;
    for (const GroupRule& rule : rules) {
        if (rule.tally) {
            std::vector<std::string_view> texts;
            texts.reserve(rows.size());
            for (const ChartRow& row : rows) texts.push_back(row.cells[first].text);
            appearances.cells[first].forms = {rule.tally(texts)};
        }
        first += rule.group.columns.size();
    }
}

// Makes the rows of the range, walking from the oldest draw held to the
// newest of the range and keeping where each column last showed.
class RowMaker {
public:
    RowMaker(std::span<const GroupRule> rules, const ChartView& view) : rules_(rules), view_(view) {
        for (const GroupRule& rule : rules) {
            for (const ChartColumn& column : rule.group.columns) {
                kinds_.push_back(column.kind);
                tempered_.push_back(rule.group.position > 0);
            }
        }
        lastShown_.assign(kinds_.size(), -1);
    }

    void makeRows(std::span<const DrawView> newestFirst, const RangeRows& range,
                  std::vector<ChartRow>& rows) {
        rows.reserve(range.size());
        int step = 0;
        for (std::size_t age = newestFirst.size(); age-- > range.newest; ++step) {
            const ViewDigits digits(newestFirst[age].text, view_.positions);
            markColumns(rules_, digits, shown_);
            for (const int column : shown_.columns()) lastShown_[static_cast<std::size_t>(column)] = step;
            if (age >= range.end) continue;
            ChartRow& row = rows.emplace_back(rowOf(digits, step));
            row.issue = newestFirst[age].issue;
            row.code = newestFirst[age].text;
            row.afterHole = age + 1 < newestFirst.size() && issuesMissingBetween(newestFirst[age + 1].issue, row.issue) > 0;
        }
    }

private:
    [[nodiscard]] ChartRow rowOf(const ViewDigits& digits, int step) const {
        ChartRow row;
        row.cells.resize(kinds_.size());
        for (std::size_t column = 0; column < kinds_.size(); ++column) {
            ChartCell& cell = row.cells[column];
            if (kinds_[column] == ColumnKind::Omission) cell.number = step - lastShown_[column];
            if (tempered_[column]) cell.temperature = temperatureOf(cell.number);
        }
        for (const int column : shown_.columns()) {
            if (kinds_[static_cast<std::size_t>(column)] == ColumnKind::Count) {
                ++row.cells[static_cast<std::size_t>(column)].number;
            }
        }
        std::size_t first = 0;
        for (const GroupRule& rule : rules_) {
            if (rule.text) row.cells[first].text = rule.text(digits);
            first += rule.group.columns.size();
        }
        return row;
    }

    std::span<const GroupRule> rules_;
    ChartView view_;
    std::vector<ColumnKind> kinds_;  // of each column
    std::vector<bool> tempered_;     // of each column: whether its cells have a 号温
    std::vector<int> lastShown_;     // the step of the newest draw that showed each column, -1 none
    ShownColumns shown_;
};

}  // namespace

int TrendChart::columnCount() const {
    int columns = 0;
    for (const ColumnGroup& group : groups) columns += static_cast<int>(group.columns.size());
    return columns;
}

TrendChart makeTrendChart(std::span<const DrawView> newestFirst, const ChartOptions& options) {
    const SectionSet sections = options.sections & sectionsOf(options.view);
    const std::vector<GroupRule> rules = groupRules(options.view, sections);
    TrendChart chart{.sections = sections, .footnote = std::string(kOmissionFootnote)};
    for (const GroupRule& rule : rules) chart.groups.push_back(rule.group);

    const RangeRows range = rangeRows(newestFirst, options.range, kMostChartRows);
    chart.rangeIssues = range.issues;
    RowMaker(rules, options.view).makeRows(newestFirst, range, chart.rows);

    std::vector<std::string_view> shownNewestFirst;
    shownNewestFirst.reserve(chart.rows.size());
    for (auto row = chart.rows.rbegin(); row != chart.rows.rend(); ++row) {
        shownNewestFirst.push_back(row->code);
    }
    chart.summary = summaryOf(rules, options.view, shownNewestFirst);
    chart.summaryLines = summaryLinesOf(chart.summary);
    tallyValues(rules, chart.rows, chart.summaryLines.front());
    return chart;
}

std::string shortfallNote(const TrendChart& chart) {
    const auto held = static_cast<std::int64_t>(chart.rows.size());
    if (held >= chart.rangeIssues) return {};
    return "仅有" + std::to_string(held) + "期";
}

}  // namespace quintara
