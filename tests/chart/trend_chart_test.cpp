#include "chart/trend_chart.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quintara {
namespace {

// Draws newest first, with issues counting down from "20190101-100".
std::vector<DrawView> drawsOf(const std::vector<std::string>& texts, std::vector<std::string>& issues) {
    issues.clear();
    for (std::size_t k = 0; k < texts.size(); ++k) {
        issues.push_back("20190101-" + std::to_string(1100 - k).substr(1));
    }
    std::vector<DrawView> draws;
    for (std::size_t k = 0; k < texts.size(); ++k) draws.push_back({issues[k], texts[k]});
    return draws;
}

// The 五星 chart without sections of the newest `shown` draws.
TrendChart chartOf(const std::vector<DrawView>& draws, int shown) {
    return makeTrendChart(draws, {.range = DrawRange::lastDraws(shown)});
}

// The numbers of group `group`: a position (0: 万), or the distribution (5).
std::vector<int> numbersOf(const ChartRow& row, int group) {
    std::vector<int> numbers;
    for (int digit = 0; digit < kDigitCount; ++digit) {
        numbers.push_back(row.cells[static_cast<std::size_t>(group * kDigitCount + digit)].number);
    }
    return numbers;
}

const ChartCell& cellAt(const ChartRow& row, int group, int digit) {
    return row.cells[static_cast<std::size_t>(group * kDigitCount + digit)];
}

TEST(TrendChart, RowsRunOldestFirstWithEachDigitsOmissionAsOfTheRow) {
    std::vector<std::string> issues;
    const std::vector<std::string> texts{"12345", "11111", "98765"};  // newest first
    const TrendChart chart = chartOf(drawsOf(texts, issues), 50);
    ASSERT_EQ(chart.rows.size(), 3U);
    EXPECT_EQ(chart.rows[0].code, "98765");
    EXPECT_EQ(chart.rows[0].issue, "20190101-098");
    EXPECT_EQ(chart.rows[2].code, "12345");
    // 万 over the rows 9, 1, 1.
    EXPECT_EQ(numbersOf(chart.rows[0], 0), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(numbersOf(chart.rows[1], 0), (std::vector<int>{2, 0, 2, 2, 2, 2, 2, 2, 2, 1}));
    EXPECT_EQ(numbersOf(chart.rows[2], 0), (std::vector<int>{3, 0, 3, 3, 3, 3, 3, 3, 3, 2}));
    // 个 over the rows 5, 1, 5.
    EXPECT_EQ(numbersOf(chart.rows[2], 4), (std::vector<int>{3, 1, 3, 3, 3, 0, 3, 3, 3, 3}));
    EXPECT_TRUE(cellAt(chart.rows[1], 2, 1).drawn());
    EXPECT_EQ(numbersOf(chart.rows[1], 5), (std::vector<int>{0, 5, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(numbersOf(chart.rows[2], 5), (std::vector<int>{0, 1, 1, 1, 1, 1, 0, 0, 0, 0}));
}

TEST(TrendChart, TheTopRowsCountOverTheWholeHistoryRead) {
    std::vector<std::string> issues;
    // Newest first: two shown draws without 7 at 万, then 7 three draws before.
    const std::vector<std::string> texts{"11111", "22222", "33333", "44444", "70000"};
    const TrendChart chart = chartOf(drawsOf(texts, issues), 2);
    ASSERT_EQ(chart.rows.size(), 2U);
    EXPECT_EQ(chart.rows[0].code, "22222");
    EXPECT_EQ(cellAt(chart.rows[0], 0, 7).number, 3);
    EXPECT_EQ(cellAt(chart.rows[1], 0, 7).number, 4);
    // A digit not seen in the history read counts from the oldest draw read.
    EXPECT_EQ(cellAt(chart.rows[1], 0, 9).number, 5);
}

TEST(TrendChart, SummaryRowsCountOnlyTheDrawsShown) {
    std::vector<std::string> issues;
    const std::vector<std::string> texts{"11111", "11111", "22222", "99999", "11111"};
    const TrendChart chart = chartOf(drawsOf(texts, issues), 4);
    const ColumnSummary one = *chart.summary[1];  // 万位1 shown, newest first: 1 1 2 9
    EXPECT_EQ(one.appearances, 2);
    EXPECT_EQ(one.streak, 2);
    EXPECT_EQ(one.longest, 2);
    EXPECT_DOUBLE_EQ(one.average, 2.0 / 3);
    const ColumnSummary zero = *chart.summary[30];  // 十位0
    EXPECT_EQ(zero.appearances, 0);
    EXPECT_EQ(zero.longest, 4);
    EXPECT_DOUBLE_EQ(zero.average, 4.0);
    EXPECT_EQ(chart.summary[59]->appearances, 1);  // 分布9
}

TEST(TrendChart, ADrawTextWithoutADigitHasNoBallThere) {
    std::vector<std::string> issues;
    const TrendChart chart = chartOf(drawsOf({"1x3"}, issues), 50);
    for (int digit = 0; digit < kDigitCount; ++digit) {
        EXPECT_FALSE(cellAt(chart.rows[0], 1, digit).drawn());
        EXPECT_FALSE(cellAt(chart.rows[0], 4, digit).drawn());
    }
    EXPECT_EQ(numbersOf(chart.rows[0], 5), (std::vector<int>{0, 1, 0, 1, 0, 0, 0, 0, 0, 0}));
}

TEST(TrendChart, TheCsvHasAHeaderALinePerDrawAndTheFourSummaryLines) {
    std::vector<std::string> issues;
    std::vector<std::string> texts(60, "12345");
    texts[0] = "00000";
    const TrendChart chart = chartOf(drawsOf(texts, issues), 50);
    std::istringstream csv(trendChartCsv(chart));
    std::vector<std::string> lines;
    for (std::string line; std::getline(csv, line);) {
        ASSERT_TRUE(line.ends_with('\r'));
        line.pop_back();
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 50U + 4 + 1);
    EXPECT_TRUE(lines[0].starts_with("期号,开奖号码,万位0,万位1,"));
    EXPECT_TRUE(lines[0].ends_with(",个位9,分布0,分布1,分布2,分布3,分布4,分布5,分布6,分布7,分布8,分布9"));
    // The newest draw, 00000: 0 on every ball; 1 at 万 was last seen a draw
    // before, 2 nowhere in the 60 draws read. The one before, 12345: its
    // drawn cells hold 0 too, not their digit.
    EXPECT_TRUE(lines[50].starts_with("20190101-100,00000,0,1,60,60,"));
    EXPECT_TRUE(lines[50].ends_with(",5,0,0,0,0,0,0,0,0,0"));
    EXPECT_TRUE(lines[49].starts_with("20190101-099,12345,59,0,59,59,")) << lines[49];
    EXPECT_TRUE(lines[49].ends_with(",0,1,1,1,1,1,0,0,0,0")) << lines[49];
    EXPECT_TRUE(lines[51].starts_with("出现次数,,1,49,0,"));
    EXPECT_TRUE(lines[52].starts_with("平均遗漏,,24.50,0.02,50.00,"));
    EXPECT_TRUE(lines[53].starts_with("最大遗漏,,49,1,50,"));
    EXPECT_TRUE(lines[54].starts_with("最大连出,,1,49,0,"));
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 61) << line;
    }
}

TEST(TrendChart, NamesItsColumnsAndWritesEachSummaryCell) {
    std::vector<std::string> issues;
    std::vector<std::string> texts(60, "12345");
    texts[0] = "00000";
    const TrendChart chart = chartOf(drawsOf(texts, issues), 50);
    ASSERT_EQ(chart.groups.size(), 6U);
    EXPECT_EQ(chart.groups[0].caption, "万位");
    EXPECT_EQ(chart.groups[4].caption, "个位");
    EXPECT_EQ(chart.groups[5].caption, "号码分布");
    for (const ColumnGroup& group : chart.groups) EXPECT_EQ(group.columns.size(), 10U);
    EXPECT_EQ(chart.groups[1].columns[7].heading, "7");
    EXPECT_EQ(chart.groups[1].columns[7].name, "千位7");
    EXPECT_EQ(chart.groups[5].columns[0].name, "分布0");

    ASSERT_EQ(chart.summaryLines.size(), 4U);
    EXPECT_EQ(chart.summaryLines[0].caption, "出现次数");
    EXPECT_EQ(chart.summaryLines[3].caption, "最大连出");
    for (const SummaryLine& line : chart.summaryLines) EXPECT_EQ(line.cells.size(), 60U);
    // 万位0, 万位1, 万位2 and then 分布1: the mean absence with two decimals,
    // then shorter for a narrow column.
    EXPECT_EQ(chart.summaryLines[0].cells[1].text(), "49");
    EXPECT_EQ(chart.summaryLines[1].cells[0].forms, (std::vector<std::string>{"24.50", "24.5", "25"}));
    EXPECT_EQ(chart.summaryLines[1].cells[2].text(), "50.00");
    EXPECT_EQ(chart.summaryLines[1].cells[51].forms, (std::vector<std::string>{"0.02", "0.0"}));
    EXPECT_EQ(chart.summaryLines[2].cells[0].forms, (std::vector<std::string>{"49"}));
}

TEST(TrendChart, APositionsDigitCellsHoldTheir号温) {
    std::vector<std::string> issues;
    // 7 at 万 in the oldest draw only, then absent for eleven.
    std::vector<std::string> texts(12, "12345");
    texts.back() = "70000";
    const TrendChart chart = chartOf(drawsOf(texts, issues), 50);
    const auto wanSeven = [&chart](std::size_t row) { return cellAt(chart.rows[row], 0, 7).temperature; };
    EXPECT_EQ(wanSeven(0), Temperature::Hot);  // drawn
    EXPECT_EQ(wanSeven(2), Temperature::Hot);
    EXPECT_EQ(wanSeven(3), Temperature::Warm);
    EXPECT_EQ(wanSeven(9), Temperature::Warm);
    EXPECT_EQ(wanSeven(10), Temperature::Cold);
    EXPECT_EQ(cellAt(chart.rows[11], 4, 0).temperature, Temperature::Cold);  // 个位0, never since
    EXPECT_FALSE(cellAt(chart.rows[11], 5, 1).temperature);                  // 分布1
    const TrendChart sections =
        makeTrendChart(drawsOf(texts, issues), {.sections = sectionsOf(kAllFiveView)});
    for (std::size_t column = 60; column < sections.rows[0].cells.size(); ++column) {
        EXPECT_FALSE(sections.rows[0].cells[column].temperature) << column;
    }
}

}  // namespace
}  // namespace quintara
