// The trend chart's view, its choosers and where its window opens, offscreen:
// the header and the issue and code columns stay in view while the rest
// scrolls, the keys move through the rows, the choosers read on any skin.
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/qt/chart/chart_style.h"
#include "support/issues.h"
#include "shell/qt/chart/trend_chart_choosers.h"
#include "shell/qt/chart/trend_chart_view.h"
#include "shell/qt/common/window_placement.h"

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
                          {.view = view, .sections = sectionsOf(view), .range = DrawRange::lastDraws(200)});
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
    // The corner, the headings scrolled across only (the captions over
    // them stay over what is in view of their groups), the issue and code
    // columns scrolled down only, and the rest scrolled both ways.
    EXPECT_EQ(shown.copy(0, 0, L::kFrozenWidth, L::kHeaderHeight),
              whole.copy(0, 0, L::kFrozenWidth, L::kHeaderHeight));
    EXPECT_EQ(shown.copy(L::kFrozenWidth, L::kCell, right, L::kCell),
              whole.copy(L::kFrozenWidth + scrolled.x(), L::kCell, right, L::kCell));
    EXPECT_EQ(shown.copy(0, L::kHeaderHeight, L::kFrozenWidth, below),
              whole.copy(0, L::kHeaderHeight + scrolled.y(), L::kFrozenWidth, below));
    EXPECT_EQ(shown.copy(L::kFrozenWidth, L::kHeaderHeight, right, below),
              whole.copy(L::kFrozenWidth + scrolled.x(), L::kHeaderHeight + scrolled.y(), right, below));
}

// The dark pixels' columns in `area` of a picture: the left and the right of
// a text written in the chart's text colour; (0, -1) when there are none.
std::pair<int, int> textSpan(const QImage& picture, const QRect& area) {
    int left = area.right() + 1;
    int right = area.left() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (picture.pixelColor(x, y).lightnessF() < 0.4) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return left <= right ? std::pair{left, right} : std::pair{0, -1};
}

TEST_F(ChartViewTest, AGroupsCaptionStaysInViewWhileAnyOfItsColumnsIs) {
    const ChartLayout& layout = view.layout();
    ASSERT_EQ(layout.caption(1), u"十位"_s);
    const int first = layout.firstColumnOf(1);
    const QImage whole = wholeChart(view.chart());
    const auto [captionLeft, captionRight] =
        textSpan(whole, QRect(layout.columnLeft(first), 0,
                              layout.columnLeft(first + 10) - layout.columnLeft(first), L::kCell));
    ASSERT_LT(captionLeft, captionRight);
    // Scrolled under the issue and code columns: where the caption stood over
    // the whole group lies out of view.
    const auto captionInView = [&](int hidden) {
        view.horizontalScrollBar()->setValue(layout.columnLeft(first + hidden) - L::kFrozenWidth);
        const int inViewRight = layout.columnLeft(first + 10) - view.horizontalScrollBar()->value();
        const QRect inView(L::kFrozenWidth, 0, inViewRight - L::kFrozenWidth, L::kCell);
        return std::pair{textSpan(view.viewport()->grab().toImage(), inView), inView};
    };
    // Seven of its ten columns hidden: the whole caption over the other three.
    const auto [seven, threeColumns] = captionInView(7);
    EXPECT_EQ(seven.second - seven.first, captionRight - captionLeft);
    EXPECT_GT(seven.first, threeColumns.left());  // not cut at the left

    // One column left, narrower than the caption: the most of it that fits.
    const auto nine = captionInView(9).first;
    EXPECT_GT(nine.second - nine.first, (captionRight - captionLeft) * 2 / 3);
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

TEST(ChartPicture, The号温TintsLieUnderTheLinesJoiningTheBalls) {
    const TrendChart chart = chartOf(drawsOf(60), *chartViewNamed("后三"));
    const ChartLayout layout(chart);
    const QImage tinted = wholeChart(chart, {.omissions = false, .temperature = true});
    int crossings = 0;
    for (std::size_t row = 1; row < chart.rows.size(); ++row) {
        // 百位's balls four or more columns apart: a quarter of the way down
        // from the upper ball, the line crosses a tinted cell of its row.
        const auto drawn = [&chart](std::size_t at) {
            const auto& cells = chart.rows[at].cells;
            return static_cast<int>(std::find_if(cells.begin(), cells.begin() + 10,
                                                 [](const ChartCell& c) { return c.drawn(); }) -
                                    cells.begin());
        };
        const QPointF from =
            QRectF(layout.cellRect(drawn(row - 1), L::rowTop(static_cast<int>(row) - 1))).center();
        const QPointF to = QRectF(layout.cellRect(drawn(row), L::rowTop(static_cast<int>(row)))).center();
        if (std::abs(drawn(row) - drawn(row - 1)) < 4) continue;
        // The pixels at the crossing's x on either side of the line: one of
        // them at least in the line's colour, none of the tint's.
        const int x = static_cast<int>(from.x() + (to.x() - from.x()) / 4);
        const double y = from.y() + (x + 0.5 - from.x()) * (to.y() - from.y()) / (to.x() - from.x());
        const int column = layout.columnsIn(x, x).first;
        const QColor tint =
            temperatureTint(*chart.rows[row - 1].cells[static_cast<std::size_t>(column)].temperature);
        int farthest = 0;
        for (int near = static_cast<int>(y) - 1; near <= static_cast<int>(y) + 1; ++near) {
            const QColor pixel = tinted.pixelColor(x, near);
            farthest =
                std::max({farthest, std::abs(pixel.red() - tint.red()),
                          std::abs(pixel.green() - tint.green()), std::abs(pixel.blue() - tint.blue())});
        }
        EXPECT_GT(farthest, 100) << "row " << row;
        ++crossings;
    }
    EXPECT_GT(crossings, 5);
}

TEST(ChartPicture, EverySummaryFigureFitsItsColumnShorterWhereItMust) {
    // 1200 draws whose five digits are never all one: 跨度0 is absent from
    // all of them, its omissions run to 1200 and its mean absence over the
    // 1000 shown is 1000.
    std::vector<DrawView> draws;
    std::vector<std::string> texts;
    std::string issue = "20190101-001";
    for (int made = 0; made < 1200; ++made, issue = successorOf(issue)) {
        std::string digits;
        for (int position = 0; position < 5; ++position)
            digits += static_cast<char>('0' + (made + 3 * position) % 10);
        texts.push_back(issue + digits);
    }
    for (auto text = texts.rbegin(); text != texts.rend(); ++text) {
        draws.push_back({std::string_view(*text).substr(0, 12), std::string_view(*text).substr(12)});
    }
    const TrendChart chart = makeTrendChart(
        draws,
        {.view = kAllFiveView, .sections = sectionsOf(kAllFiveView), .range = DrawRange::lastDraws(1000)});
    const ChartLayout layout(chart);
    const QFontMetrics figures(chartFont(kTextPixels));
    const QFontMetrics omissions(chartFont(kOmissionPixels));
    int spanZero = -1;
    for (int column = 0; column < layout.columnCount(); ++column) {
        int largest = 0;
        for (const ChartRow& row : chart.rows)
            largest = std::max(largest, row.cells[static_cast<std::size_t>(column)].number);
        if (layout.kind(column) == ColumnKind::Omission) {
            EXPECT_LE(omissions.horizontalAdvance(QString::number(largest)) + 2, layout.columnWidth(column))
                << column;
        }
        for (int line = 0; line < 4; ++line) {
            const QString& text = layout.summaryText(line, column);
            EXPECT_LE(figures.horizontalAdvance(text) + 2, layout.columnWidth(column)) << column;
            const auto& forms = chart.summaryLines[static_cast<std::size_t>(line)]
                                    .cells[static_cast<std::size_t>(column)]
                                    .forms;
            EXPECT_EQ(forms.empty(), text.isEmpty()) << column;
            EXPECT_TRUE(forms.empty() || std::ranges::find(forms, text.toStdString()) != forms.end())
                << column;
        }
        if (layout.heading(column) == u"0"_s && layout.caption(layout.groupOf(column)) == u"跨度"_s)
            spanZero = column;
    }
    ASSERT_GE(spanZero, 0);
    EXPECT_EQ(layout.summaryText(1, spanZero), u"1.0k"_s);  // 1000.00
    EXPECT_EQ(layout.summaryText(2, spanZero), u"1.0k"_s);
    EXPECT_EQ(layout.summaryText(0, spanZero), u"0"_s);
    EXPECT_GT(layout.columnWidth(spanZero), L::kCell);  // for 1200 in its rows
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

    choosers.setRange(DrawRange::issues("20190101-010", "20190101-001"));
    EXPECT_EQ(choosers.note(), u"期号段有误"_s);
    EXPECT_EQ(changes, 2);
    choosers.showChart(chartOf(drawsOf(20), kAllFiveView));  // a chart made meanwhile
    EXPECT_EQ(choosers.note(), u"期号段有误"_s);
    choosers.setRange(DrawRange::issues("20190101-001", "20190201-001"));
    EXPECT_EQ(choosers.note(), u"期号段最多1000期"_s);
    choosers.setRange(DrawRange::issues("20190101-001", "20190101-010"));
    EXPECT_EQ(choosers.note(), u""_s);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(choosers.options().range, DrawRange::issues("20190101-001", "20190101-010"));

    choosers.setRange(DrawRange::lastDays(3));
    EXPECT_EQ(choosers.options().range, DrawRange::lastDays(3));
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
