// The trend chart's sections, ranges and holes against hand-worked rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "chart/chart_columns.h"
#include "chart/trend_chart.h"
#include "stats/statistics.h"

namespace quintara {
namespace {

// Draws as they are held, newest first: issue and text.
std::vector<DrawView> viewsOf(const std::vector<Draw>& draws) {
    std::vector<DrawView> views;
    for (const Draw& draw : draws) views.push_back({draw.issue, draw.text});
    return views;
}

// The cell of the column named `name` in a row.
const ChartCell& cellNamed(const TrendChart& chart, const ChartRow& row, std::string_view name) {
    std::size_t column = 0;
    for (const ColumnGroup& group : chart.groups) {
        for (const ChartColumn& each : group.columns) {
            if (each.name == name) return row.cells[column];
            ++column;
        }
    }
    throw std::invalid_argument("no column " + std::string(name));
}

std::vector<std::string> csvLines(const TrendChart& chart) {
    std::istringstream csv(trendChartCsv(chart));
    std::vector<std::string> lines;
    for (std::string line; std::getline(csv, line);) lines.push_back(line.substr(0, line.size() - 1));
    return lines;
}

// Newest first; the last three digits are 后三's. Worked by hand, oldest first:
//   001 00012  sum 3,  span 2, 组六, 0:3 1:2 2:1, 012
//   002 00555  sum 15, span 0, 豹子, 3:0 3:0 3:0, 222
//   003 00909  sum 18, span 9, 组三, 2:1 2:1 0:3, 000  (0 and 9 composite)
//   004 00100  sum 1,  span 1, 组三, 0:3 1:2 1:2, 100  (1 prime)
//   005 00012  sum 3,  span 2, 组六, 0:3 1:2 2:1, 012
const std::vector<Draw> kBackThreeDraws{{"20190101-005", "00012"},
                                        {"20190101-004", "00100"},
                                        {"20190101-003", "00909"},
                                        {"20190101-002", "00555"},
                                        {"20190101-001", "00012"}};

class BackThreeChart : public ::testing::Test {
protected:
    // The newest three, every section: the rows 003, 004 and 005.
    const TrendChart chart =
        makeTrendChart(viewsOf(kBackThreeDraws), {.view = *chartViewNamed("后三"),
                                                  .sections = sectionsOf(*chartViewNamed("后三")),
                                                  .range = DrawRange::lastDraws(3)});
    [[nodiscard]] int at(int row, std::string_view column) const {
        return cellNamed(chart, chart.rows[static_cast<std::size_t>(row)], column).number;
    }
    [[nodiscard]] std::string textAt(int row, std::string_view column) const {
        return cellNamed(chart, chart.rows[static_cast<std::size_t>(row)], column).text;
    }
};

TEST_F(BackThreeChart, SumColumnsHoldEveryOtherSumsOmissionCountedFromBeforeTheRange) {
    ASSERT_EQ(chart.rows.size(), 3U);
    EXPECT_EQ(chart.rows[0].issue, "20190101-003");
    EXPECT_EQ(chart.groups[4].columns.size(), 28U);  // 和值0 to 和值27
    // Row 003: 3 was drawn two draws before, 15 one, 18 now.
    EXPECT_EQ(at(0, "和值3"), 2);
    EXPECT_EQ(at(0, "和值15"), 1);
    EXPECT_EQ(at(0, "和值18"), 0);
    EXPECT_EQ(at(0, "和值0"), 3);  // never drawn: every draw held so far
    // Row 005.
    EXPECT_EQ(at(2, "和值3"), 0);
    EXPECT_EQ(at(2, "和值1"), 1);
    EXPECT_EQ(at(2, "和值15"), 3);
    EXPECT_EQ(at(2, "和值27"), 5);
}

TEST_F(BackThreeChart, SpanFormsRatiosAndRoutes) {
    EXPECT_EQ(at(0, "跨度9"), 0);
    EXPECT_EQ(at(0, "跨度0"), 1);
    EXPECT_EQ(at(2, "跨度2"), 0);
    EXPECT_EQ(at(2, "跨度1"), 1);
    EXPECT_EQ(at(2, "跨度5"), 5);
    // 组三 at 003 and 004, 豹子 at 002, 组六 at 001 and 005.
    EXPECT_EQ(at(1, "组三"), 0);
    EXPECT_EQ(at(1, "组六"), 3);
    EXPECT_EQ(at(1, "豹子"), 2);
    EXPECT_EQ(at(2, "组六"), 0);
    EXPECT_EQ(at(2, "组三"), 1);
    EXPECT_EQ(at(2, "豹子"), 3);
    EXPECT_EQ(textAt(0, "大小比"), "2:1");
    EXPECT_EQ(textAt(0, "奇偶比"), "2:1");
    EXPECT_EQ(textAt(0, "质合比"), "0:3");
    EXPECT_EQ(textAt(1, "大小比"), "0:3");
    EXPECT_EQ(textAt(1, "质合比"), "1:2");
    EXPECT_EQ(textAt(2, "质合比"), "2:1");
    EXPECT_EQ(textAt(0, "012路"), "000");
    EXPECT_EQ(textAt(1, "012路"), "100");
    EXPECT_EQ(textAt(2, "012路"), "012");
}

TEST_F(BackThreeChart, EachRatioHasAColumnOfItsOmissionsBesideTheDrawnRatio) {
    // 大小比 oldest first: 0:3, 3:0, 2:1, 0:3, 0:3; 奇偶比 1:2, 3:0, 2:1,
    // 1:2, 1:2; 质合比 2:1, 3:0, 0:3, 1:2, 2:1.
    const ColumnGroup& size = chart.groups[7];
    ASSERT_EQ(size.caption, "大小比");
    ASSERT_EQ(size.columns.size(), 5U);
    EXPECT_EQ(size.columns[0].kind, ColumnKind::Value);
    EXPECT_EQ(size.columns[0].name, "大小比");
    EXPECT_EQ(size.columns[1].heading, "3:0");
    EXPECT_EQ(size.columns[1].name, "大小比3:0");
    EXPECT_EQ(size.columns[4].name, "大小比0:3");
    EXPECT_EQ(size.columns[4].kind, ColumnKind::Omission);
    // Row 003 (the draw of 2:1; 1:2 never drawn, so as old as every draw
    // held), then row 005: the row, the column, its omission.
    const std::vector<std::tuple<int, std::string_view, int>> omissions{
        {0, "大小比3:0", 1}, {0, "大小比2:1", 0}, {0, "大小比1:2", 3}, {0, "大小比0:3", 2},
        {2, "大小比0:3", 0}, {2, "大小比3:0", 3}, {2, "奇偶比1:2", 0}, {2, "奇偶比2:1", 2},
        {2, "质合比2:1", 0}, {2, "质合比1:2", 1}, {2, "质合比0:3", 2}};
    for (const auto& [row, column, omission] : omissions) EXPECT_EQ(at(row, column), omission) << column;
}

TEST_F(BackThreeChart, EveryOmissionColumnIsSummedUpAndTheRoutesAreTallied) {
    // 组三 and 大小比0:3 over 003, 004, 005; the routes 000, 100, 012 hold
    // six 0s, two 1s and one 2.
    std::size_t column = 0;
    for (const ColumnGroup& group : chart.groups) {
        for (const ChartColumn& each : group.columns) {
            EXPECT_EQ(chart.summary[column].has_value(), each.kind != ColumnKind::Value) << each.name;
            if (each.name == "组三") {
                EXPECT_EQ(chart.summary[column]->appearances, 2);
                EXPECT_EQ(chart.summary[column]->streak, 2);
                EXPECT_EQ(chart.summary[column]->longest, 1);
                EXPECT_EQ(chart.summaryLines[1].cells[column].text(), "0.33");
            }
            if (each.name == "大小比0:3") {
                EXPECT_EQ(chart.summaryLines[0].cells[column].text(), "2");
                EXPECT_EQ(chart.summaryLines[2].cells[column].text(), "1");
                EXPECT_EQ(chart.summaryLines[3].cells[column].text(), "2");
            }
            if (each.kind == ColumnKind::Value) {
                EXPECT_EQ(chart.summaryLines[0].cells[column].text(), each.name == "012路" ? "6:2:1" : "")
                    << each.name;
                for (std::size_t line = 1; line < chart.summaryLines.size(); ++line) {
                    EXPECT_EQ(chart.summaryLines[line].cells[column].text(), "") << each.name;
                }
            }
            ++column;
        }
    }
}

TEST_F(BackThreeChart, TheCsvNamesEverySectionsColumnsAndHoldsTheirCells) {
    const std::vector<std::string> lines = csvLines(chart);
    std::string header = "期号,开奖号码";
    for (const std::string prefix : {"百位", "十位", "个位", "分布"}) {
        for (int digit = 0; digit <= 9; ++digit) header += "," + prefix + std::to_string(digit);
    }
    for (int sum = 0; sum <= 27; ++sum) header += ",和值" + std::to_string(sum);
    for (int span = 0; span <= 9; ++span) header += ",跨度" + std::to_string(span);
    header += ",组六,组三,豹子";
    for (const std::string ratio : {"大小比", "奇偶比", "质合比"}) {
        header += "," + ratio;
        for (const std::string each : {"3:0", "2:1", "1:2", "0:3"}) header += "," + ratio + each;
    }
    EXPECT_EQ(lines[0], header + ",012路");
    // Row 004, 00100: a drawn cell holds 0, its omission, and a count of
    // the distribution 0 too; 百位 was 0, 5, 9 before it, 和值 3, 15, 18.
    const std::string& row = lines[2];
    EXPECT_TRUE(row.starts_with("20190101-004,00100,3,0,4,4,4,2,4,4,4,1,")) << row;
    EXPECT_TRUE(row.find(",2,1,0,0,0,0,0,0,0,0,4,0,4,3,4,4,4,4,4,4,4,4,4,4,4,2,4,4,1,4,") !=
                std::string::npos)
        << row;
    EXPECT_TRUE(row.ends_with(",2,0,3,4,4,4,4,4,4,1,3,0,2,0:3,2,1,4,0,1:2,2,1,0,4,1:2,2,3,0,1,100")) << row;
}

TEST(TwoDigitChart, SumsRunTo18AndTheFormsArePairOrNot) {
    const std::vector<Draw> draws{
        {"20190101-003", "12000"}, {"20190101-002", "55000"}, {"20190101-001", "99000"}};
    const ChartView front = *chartViewNamed("前二");
    const TrendChart chart = makeTrendChart(viewsOf(draws), {.view = front, .sections = sectionsOf(front)});
    EXPECT_EQ(chart.groups[3].caption, "和值");
    EXPECT_EQ(chart.groups[3].columns.size(), 19U);
    EXPECT_EQ(cellNamed(chart, chart.rows[0], "和值18").number, 0);
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "和值18").number, 2);
    EXPECT_EQ(cellNamed(chart, chart.rows[1], "对子").number, 0);
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "对子").number, 1);
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "非对子").number, 0);
    EXPECT_EQ(cellNamed(chart, chart.rows[1], "非对子").number, 2);
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "大小比").text, "0:2");
    EXPECT_EQ(chart.groups[6].columns.size(), 1U + 3);  // 大小比, 2:0, 1:1, 0:2
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "大小比0:2").number, 0);
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "大小比2:0").number, 1);
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "质合比").text, "2:0");
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "012路").text, "12");
    EXPECT_FALSE(chart.sections.has(ChartSection::DragonTiger));
}

TEST(FiveStarChart, ASumColumnDragonAndTigerAndNoForms) {
    // 万位 against 个位: 9 > 1 龙, 1 < 9 虎, 5 = 5 和.
    const std::vector<Draw> draws{
        {"20190101-003", "50005"}, {"20190101-002", "10009"}, {"20190101-001", "90001"}};
    const TrendChart chart =
        makeTrendChart(viewsOf(draws), {.view = kAllFiveView, .sections = sectionsOf(kAllFiveView)});
    EXPECT_FALSE(chart.sections.has(ChartSection::Form));
    EXPECT_EQ(cellNamed(chart, chart.rows[0], "和值").text, "10");
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "和值").text, "10");
    EXPECT_EQ(cellNamed(chart, chart.rows[0], "龙").number, 0);
    EXPECT_EQ(cellNamed(chart, chart.rows[1], "虎").number, 0);
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "和").number, 0);
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "龙").number, 2);
    EXPECT_EQ(cellNamed(chart, chart.rows[2], "虎").number, 1);
    const std::vector<std::string> lines = csvLines(chart);
    std::string sectionsHeader = ",分布9,和值,跨度0,跨度1,跨度2,跨度3,跨度4,跨度5,跨度6,跨度7,跨度8,跨度9";
    for (const std::string ratio : {"大小比", "奇偶比", "质合比"}) {
        sectionsHeader += "," + ratio;
        for (const std::string each : {"5:0", "4:1", "3:2", "2:3", "1:4", "0:5"}) {
            sectionsHeader += "," + ratio + each;
        }
    }
    EXPECT_TRUE(lines[0].ends_with(sectionsHeader + ",012路,龙,虎,和")) << lines[0];
    // 大小比 and 质合比 were 1:4 the draw before, 奇偶比 2:3 as now.
    EXPECT_TRUE(lines[3].ends_with(",2:3,3,3,3,0,1,3,2:3,3,3,3,0,3,3,2:3,3,3,3,0,1,3,20002,2,1,0"))
        << lines[3];
}

TEST(TrendChartSections, EveryViewWithEverySectionHasRoomForItsColumns) {
    for (const ChartView& view : kChartViews) {
        const TrendChart chart =
            makeTrendChart(viewsOf(kBackThreeDraws), {.view = view, .sections = sectionsOf(view)});
        EXPECT_LT(static_cast<std::size_t>(chart.columnCount()), kMostChartColumns) << view.name;
        EXPECT_EQ(chart.groups[0].position, view.positions.first) << view.name;
        EXPECT_EQ(chart.groups[static_cast<std::size_t>(view.size())].caption, "号码分布") << view.name;
    }
}

TEST(TrendChartSections, ACharacterThatIsNoDigitHasNoBallAndReadsAsZeroAsTheListsReadIt) {
    const std::vector<Draw> draws{{"20190101-002", "123x5"}, {"20190101-001", "12345"}};
    const TrendChart allFive = makeTrendChart(viewsOf(draws), {.sections = sectionsOf(kAllFiveView)});
    EXPECT_EQ(cellNamed(allFive, allFive.rows[1], "和值").text, "11");
    EXPECT_EQ(cellNamed(allFive, allFive.rows[1], "跨度5").number, 0);
    EXPECT_EQ(cellNamed(allFive, allFive.rows[1], "十位4").number, 1);  // no ball at 十位
    EXPECT_EQ(cellNamed(allFive, allFive.rows[1], "十位0").number, 2);

    // 后三's span is the span list's: 3, 0 and 5 span 5.
    const ChartView backThree = *chartViewNamed("后三");
    const TrendChart chart = makeTrendChart(viewsOf(draws), {.view = backThree, .sections = sectionsOf(backThree)});
    EXPECT_EQ(cellNamed(chart, chart.rows[1], "跨度5").number, 0);
    const std::vector<std::string_view> texts{"123x5", "12345"};
    Statistics lists;
    computeSpanOmission({.draws = texts}, lists);
    const ListRows& spans = *lists[StatisticsList::SpanOmission];
    const auto five = std::find_if(spans.begin(), spans.end(), [](const StatisticsRow& row) { return row.label == "5"; });
    ASSERT_NE(five, spans.end());
    EXPECT_EQ(five->detail.current, 0);
}

// Two days across midnight, newest first.
const std::vector<Draw> kAcrossMidnight{{"20180212-002", "11111"},
                                        {"20180212-001", "22222"},
                                        {"20180211-120", "33333"},
                                        {"20180211-119", "44444"}};

TEST(ChartRanges, TodayIsTheNewestDrawsDayAndItsOmissionsGoOnFromYesterday) {
    const TrendChart today = makeTrendChart(viewsOf(kAcrossMidnight), {.range = DrawRange::lastDays(1)});
    ASSERT_EQ(today.rows.size(), 2U);
    EXPECT_EQ(today.rows[0].issue, "20180212-001");
    EXPECT_EQ(today.rows[0].cells[3].number, 1);  // 万位3, drawn at 20180211-120
    EXPECT_EQ(today.rows[0].cells[4].number, 2);
    EXPECT_EQ(shortfallNote(today), "");
    EXPECT_EQ(today.footnote, "遗漏自本段之前的开奖连续计算");

    const TrendChart threeDays = makeTrendChart(viewsOf(kAcrossMidnight), {.range = DrawRange::lastDays(3)});
    EXPECT_EQ(threeDays.rows.size(), 4U);
    EXPECT_EQ(threeDays.rangeIssues, 2 * 120 + 2);
    EXPECT_EQ(shortfallNote(threeDays), "仅有4期");
}

TEST(ChartRanges, AnIssueRangeAndFewerDrawsThanAsked) {
    const TrendChart span = makeTrendChart(viewsOf(kAcrossMidnight),
                                           {.range = DrawRange::issues("20180211-120", "20180212-001")});
    ASSERT_EQ(span.rows.size(), 2U);
    EXPECT_EQ(span.rows.front().issue, "20180211-120");
    EXPECT_EQ(span.rows.back().issue, "20180212-001");
    EXPECT_EQ(span.rows.front().cells[4].number, 1);  // 万位4, drawn before the range
    EXPECT_EQ(shortfallNote(span), "");

    EXPECT_EQ(shortfallNote(makeTrendChart(viewsOf(kAcrossMidnight), {.range = DrawRange::lastDraws(50)})),
              "仅有4期");
    EXPECT_EQ(shortfallNote(makeTrendChart(viewsOf(kAcrossMidnight), {.range = DrawRange::lastDraws(4)})),
              "");
    // Backwards, or no issue: no draws.
    EXPECT_TRUE(makeTrendChart(viewsOf(kAcrossMidnight),
                               {.range = DrawRange::issues("20180212-002", "20180211-119")})
                    .rows.empty());
    EXPECT_FALSE(issueCount("20180212-002", "x"));
    EXPECT_EQ(issueCount("20180211-120", "20180212-002"), 3);
}

TEST(ChartHoles, ARowAfterMissingIssuesIsMarkedAndOmissionsCountDrawsHeld) {
    // 004 is missing; the range starts right after a hole too.
    const std::vector<Draw> draws{{"20190101-005", "11111"},
                                  {"20190101-003", "22222"},
                                  {"20190101-002", "33333"},
                                  {"20190101-001", "44444"}};
    const TrendChart all = makeTrendChart(viewsOf(draws), {});
    ASSERT_EQ(all.rows.size(), 4U);
    EXPECT_FALSE(all.rows[0].afterHole);
    EXPECT_FALSE(all.rows[2].afterHole);
    EXPECT_TRUE(all.rows[3].afterHole);
    EXPECT_EQ(all.rows[3].cells[2].number, 1);  // 万位2, one draw held before

    const TrendChart newest = makeTrendChart(viewsOf(draws), {.range = DrawRange::lastDraws(1)});
    EXPECT_TRUE(newest.rows[0].afterHole);
}

}  // namespace
}  // namespace quintara
