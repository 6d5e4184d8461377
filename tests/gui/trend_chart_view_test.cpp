// The trend chart's view, its choosers and where its window opens, offscreen:
// the header and the issue and code columns stay in view while the rest
// scrolls, the keys move through the rows, the choosers read on any skin.
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/issues.h"
#include "shell/qt/trend_chart_choosers.h"
#include "shell/qt/trend_chart_view.h"
#include "shell/qt/window_placement.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;
using quintara::testing::successorOf;
using L = ChartLayout;

// `count` draws newest first, one issue after another from 20190101-001,
// with digits that wander; the issue `skipped` (from 1) is left out.
std::vector<Draw> drawsOf(int count, int skipped = 0) {
    std::vector<Draw> draws;
    std::string issue = "20190101-001";
    for (int made = 0; made < count; ++made, issue = successorOf(issue)) {
        if (made + 1 == skipped) issue = successorOf(issue);
        std::string digits;
        for (int position = 0; position < 5; ++position) {
            digits += static_cast<char>('0' + (made * (position + 3) + made / 7) % 10);
        }
        draws.insert(draws.begin(), {issue, digits});
    }
    return draws;
}

TrendChart chartOf(const std::vector<Draw>& draws, const ChartView& view) {
    std::vector<DrawView> views;
    for (const Draw& draw : draws) views.push_back({draw.issue, draw.text});
    return makeTrendChart(views,
                          {.view = view, .sections = sectionsOf(view), .range = ChartRange::lastDraws(200)});
}

// The whole chart painted at once.
QImage wholeChart(const TrendChart& chart, const ChartLook& look = {}) {
    const ChartLayout layout(chart);
    QImage image(layout.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintTrendChart(painter, chart, layout, look, image.rect());
    return image;
}

class ChartViewTest : public ::testing::Test {
protected:
    ChartViewTest() {
        view.resize(700, 420);
        view.setChart(chartOf(drawsOf(200), *chartViewNamed("后三")));
        view.show();
    }
    [[nodiscard]] int down() const { return view.verticalScrollBar()->value(); }

    TrendChartView view;
};

TEST_F(ChartViewTest, TheHeaderAndTheLeadingColumnsStayInViewWhileTheRestScrolls) {
    // Without the slopes between the balls, whose smoothed edges a pane's
    // edge cuts a little differently from a picture's.
    const ChartLook flat{.lines = false, .temperature = true};
    view.setLook(flat);
    const QPoint scrolled(300, 1000);
    view.horizontalScrollBar()->setValue(scrolled.x());
    view.verticalScrollBar()->setValue(scrolled.y());
    ASSERT_EQ(QPoint(view.horizontalScrollBar()->value(), down()), scrolled);
    const QImage shown = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage whole = wholeChart(view.chart(), flat);
    const int right = shown.width() - L::kFrozenWidth;
    const int below = shown.height() - L::kHeaderHeight - L::kCell;  // clear of the footer
    // The corner, the header scrolled across only, the issue and code
    // columns scrolled down only, and the rest scrolled both ways.
    EXPECT_EQ(shown.copy(0, 0, L::kFrozenWidth, L::kHeaderHeight),
              whole.copy(0, 0, L::kFrozenWidth, L::kHeaderHeight));
    EXPECT_EQ(shown.copy(L::kFrozenWidth, 0, right, L::kHeaderHeight),
              whole.copy(L::kFrozenWidth + scrolled.x(), 0, right, L::kHeaderHeight));
    EXPECT_EQ(shown.copy(0, L::kHeaderHeight, L::kFrozenWidth, below),
              whole.copy(0, L::kHeaderHeight + scrolled.y(), L::kFrozenWidth, below));
    EXPECT_EQ(shown.copy(L::kFrozenWidth, L::kHeaderHeight, right, below),
              whole.copy(L::kFrozenWidth + scrolled.x(), L::kHeaderHeight + scrolled.y(), right, below));
}

TEST_F(ChartViewTest, HomeEndAndThePageKeysMoveThroughTheRows) {
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(down(), view.verticalScrollBar()->maximum());
    EXPECT_TRUE(view.newestInView());
    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(down(), 0);
    QTest::keyClick(&view, Qt::Key_PageDown);
    QTest::keyClick(&view, Qt::Key_PageDown);
    // A page is the rows under the header but one, in whole rows.
    const int page = down() / 2;
    EXPECT_EQ(page % L::kCell, 0);
    EXPECT_GT(page, 0);
    EXPECT_LT(page, view.viewport()->height() - L::kHeaderHeight);
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(down(), page);
}

TEST(ChartPicture, ARowAfterMissingIssuesHasARedRuleAboveIt) {
    const TrendChart chart = chartOf(drawsOf(20, 15), kAllFiveView);
    const QImage whole = wholeChart(chart);
    for (int row = 0; row < 20; ++row) {
        const bool ruled = whole.pixelColor(L::kIssueWidth / 2, L::rowTop(row)).red() > 200 &&
                           whole.pixelColor(L::kIssueWidth / 2, L::rowTop(row)).green() < 80;
        EXPECT_EQ(ruled, chart.rows[static_cast<std::size_t>(row)].afterHole)
            << chart.rows[static_cast<std::size_t>(row)].issue;
    }
    EXPECT_TRUE(chart.rows[14].afterHole);
}

// Relative luminance, 0 (black) to 1 (white).
double luminance(const QColor& colour) {
    return 0.2126 * colour.redF() + 0.7152 * colour.greenF() + 0.0722 * colour.blueF();
}

TEST(ChartChoosers, ReadOnASkinWithWhiteButtonTextOnALightFill) {
    const QPalette before = QApplication::palette();
    QPalette skinned = before;
    skinned.setColor(QPalette::Button, QColor(140, 190, 240));
    skinned.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(skinned);
    const TrendChartChoosers choosers;
    const auto boxes = choosers.findChildren<QComboBox*>();
    ASSERT_EQ(boxes.size(), 2);
    for (const QComboBox* box : boxes) {
        const QPalette& palette = box->palette();
        EXPECT_GT(std::abs(luminance(palette.color(QPalette::Button)) -
                           luminance(palette.color(QPalette::ButtonText))),
                  0.5);
    }
    QApplication::setPalette(before);
}

TEST(ChartChoosers, OfferTheSectionsOfTheViewAndTakeAnIssueRangeOnlyWhenItIsOne) {
    TrendChartChoosers choosers;
    int changes = 0;
    QObject::connect(&choosers, &TrendChartChoosers::optionsChanged, [&changes] { ++changes; });
    choosers.setView(*chartViewNamed("后三"));
    SectionSet every;
    for (const ChartSection section : kChartSections) every.add(section);
    choosers.setSections(every);  // 龙虎 too, which 后三 lacks
    EXPECT_EQ(makeTrendChart({}, choosers.options()).sections, sectionsOf(*chartViewNamed("后三")));
    EXPECT_EQ(changes, 2);

    choosers.setRange(ChartRange::issues("20190101-010", "20190101-001"));
    EXPECT_EQ(choosers.note(), u"期号段有误"_s);
    EXPECT_EQ(changes, 2);
    choosers.showChart(chartOf(drawsOf(20), kAllFiveView));  // a chart made meanwhile
    EXPECT_EQ(choosers.note(), u"期号段有误"_s);
    choosers.setRange(ChartRange::issues("20190101-001", "20190201-001"));
    EXPECT_EQ(choosers.note(), u"期号段最多1000期"_s);
    choosers.setRange(ChartRange::issues("20190101-001", "20190101-010"));
    EXPECT_EQ(choosers.note(), u""_s);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(choosers.options().range, ChartRange::issues("20190101-001", "20190101-010"));

    choosers.setRange(ChartRange::lastDays(3));
    EXPECT_EQ(choosers.options().range, ChartRange::lastDays(3));
    choosers.showChart(chartOf(drawsOf(20), kAllFiveView));
    EXPECT_EQ(choosers.note(), u"仅有20期"_s);  // of 200
}

TEST(WindowPlacement, BesideTheMainWindowWhereItFitsAndInsideTheScreenAlways) {
    const QSize wanted(1520, 1000);
    // A wide screen: to the right of the main window, its top level with it.
    EXPECT_EQ(placeBeside(QRect(100, 50, 811, 689), wanted, QRect(0, 0, 2560, 1400)),
              QRect(911, 50, 1520, 1000));
    // Room on the left only.
    EXPECT_EQ(placeBeside(QRect(1700, 50, 811, 689), wanted, QRect(0, 0, 2560, 1400)),
              QRect(180, 50, 1520, 1000));
    // 1920 wide, the main window in the middle: over it, inside the screen.
    EXPECT_EQ(placeBeside(QRect(554, 150, 811, 689), wanted, QRect(0, 0, 1920, 1040)),
              QRect(400, 40, 1520, 1000));
    // 1366 x 768 with a panel: as large as the area, no larger.
    EXPECT_EQ(placeBeside(QRect(277, 20, 811, 689), wanted, QRect(0, 0, 1366, 740)), QRect(0, 0, 1366, 740));
}

}  // namespace
}  // namespace quintara::qt
