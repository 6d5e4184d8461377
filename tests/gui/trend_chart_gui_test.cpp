// The trend chart window of the real main window, offscreen.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "shell/main_window_names.h"
#include "shell/draw_history.h"
#include "gui/eventually.h"
#include "gui/provided_window.h"
#include "shell/qt/chart/save_folders.h"
#include "shell/qt/chart/trend_chart_opener.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

// A double-click as a hand makes it: a click, then the second press.
void doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

class TrendChartGuiTest : public ProvidedWindowTest {
protected:
    TrendChartGuiTest() { QTest::mouseClick(find<QPushButton>(names::kUpdateButton), Qt::LeftButton); }

    void doubleClickGrid() {
        auto* grid = find<QTableView>(names::kDrawGrid);
        doubleClick(grid->viewport(), grid->visualRect(grid->model()->index(0, 1)).center());
    }
    [[nodiscard]] const TrendChart& chart() const { return opener.chart()->view().chart(); }

    TrendChartOpener opener{window};
};

TEST_F(TrendChartGuiTest, ADoubleClickOnTheGridOpensOneChartOfTheHistory) {
    EXPECT_EQ(opener.chart(), nullptr);
    doubleClickGrid();
    ASSERT_NE(opener.chart(), nullptr);
    TrendChartWindow* first = opener.chart();
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), u"走势图"_s);
    ASSERT_EQ(chart().rows.size(), 6U);
    EXPECT_EQ(chart().rows.front().issue, "20180211-001");  // the oldest at the top
    EXPECT_EQ(chart().rows.back().code, "91180");
    const QScrollBar& down = *first->view().verticalScrollBar();
    EXPECT_EQ(down.value(), down.maximum());  // the newest draws in view

    // A row of a per-position list opens the same window again.
    auto* wan = find<QTableWidget>(names::kPositionOmissionLists[0]);
    const QRect row = wan->visualItemRect(wan->item(0, 0));
    doubleClick(wan->viewport(), row.center());
    EXPECT_EQ(opener.chart(), first);

    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_FALSE(first->isVisible());
}

TEST_F(TrendChartGuiTest, ANewDrawAppearsAsTheLastRow) {
    doubleClickGrid();
    DrawHistory(window.controls().grid(names::kDrawGrid)).insertNewestDraw("20180211-007", "55555");
    EXPECT_TRUE(eventually([this] { return chart().rows.size() == 7; }));
    EXPECT_EQ(chart().rows.back().issue, "20180211-007");
    EXPECT_TRUE(chart().rows.back().cells[5].drawn());  // 万位5

    // The choice of draws shown goes with the next chart too.
    opener.chart()->choosers().setRange(DrawRange::lastDraws(30));
    EXPECT_EQ(chart().rows.size(), 7U);
    DrawHistory history(window.controls().grid(names::kDrawGrid));
    for (int sequence = 8; sequence <= 40; ++sequence) {
        history.insertNewestDraw("20180211-0" + std::to_string(sequence), "12345");
    }
    EXPECT_TRUE(eventually([this] { return chart().rows.back().issue == "20180211-040"; }));
    EXPECT_EQ(chart().rows.size(), 30U);
    // Scrolled to the newest row, the chart follows it as draws come.
    const QScrollBar& down = *opener.chart()->view().verticalScrollBar();
    EXPECT_GT(down.maximum(), 0);
    EXPECT_EQ(down.value(), down.maximum());
}

TEST_F(TrendChartGuiTest, TheChoosersMakeTheChartAgainAndSayWhatTheHistoryLacks) {
    doubleClickGrid();
    TrendChartWindow& charts = *opener.chart();
    EXPECT_EQ(charts.choosers().note(), u"仅有6期"_s);  // of 50
    EXPECT_EQ(charts.focusWidget(), &charts.view());  // for Home, End, PgUp and PgDn
    const ChartView back = *chartViewNamed("后三");
    charts.choosers().setView(back);
    charts.choosers().setSections(sectionsOf(back));
    EXPECT_EQ(chart().groups.front().caption, "百位");
    EXPECT_EQ(chart().sections, sectionsOf(back));
    EXPECT_GT(charts.view().horizontalScrollBar()->maximum(), 0);  // wider than the window: it scrolls
    charts.choosers().setRange(DrawRange::lastDraws(kChartSizes.front()));
    EXPECT_EQ(charts.choosers().note(), u"仅有6期"_s);
    charts.choosers().setRange(DrawRange::issues("20180211-002", "20180211-004"));
    EXPECT_EQ(charts.choosers().note(), u""_s);
    ASSERT_EQ(chart().rows.size(), 3U);
    EXPECT_EQ(chart().rows.front().issue, "20180211-002");
}

TEST_F(TrendChartGuiTest, TheWindowTakesTheWidthItsColumnsNeedAsFarAsTheScreenAllows) {
    const QRect screen = window.screen()->availableGeometry();
    doubleClickGrid();
    TrendChartWindow& charts = *opener.chart();
    // As high as the screen; on this 800 pixels wide one, as wide as its
    // choosers need, which is wider than the screen.
    EXPECT_EQ(charts.frameGeometry().top(), screen.top());
    EXPECT_EQ(charts.frameGeometry().height(), screen.height());
    EXPECT_EQ(charts.width(), charts.minimumWidth());
    // A chart with more columns: the window wants more. At that width every
    // column is in view beside the vertical scroll bar (the window is made
    // low enough to need it), one pixel less and the chart scrolls across.
    const int bare = charts.wantedWidth();
    const ChartView back = *chartViewNamed("后三");
    charts.choosers().setView(back);
    charts.choosers().setSections(sectionsOf(back));
    const int wanted = charts.wantedWidth();
    EXPECT_GT(wanted, bare);
    const QScrollBar& across = *charts.view().horizontalScrollBar();
    constexpr int kLow = 200;
    charts.resize(wanted, kLow);
    EXPECT_TRUE(
        eventually([&] { return charts.view().verticalScrollBar()->isVisible() && across.maximum() == 0; }));
    charts.resize(wanted - 1, kLow);
    EXPECT_TRUE(eventually([&] { return across.maximum() == 1; })) << across.maximum();
}

TEST_F(TrendChartGuiTest, ThePictureHoldsTheWholeChartAndTheCsvItsTable) {
    doubleClickGrid();
    QTemporaryDir folder;
    const QString picture = folder.filePath(u"chart.png"_s);
    ASSERT_TRUE(opener.chart()->writeImage(picture));
    const QImage image(picture);
    EXPECT_EQ(image.size(), ChartLayout(chart()).size());
    // The rows, the summary and the footer.
    EXPECT_EQ(image.height(), ChartLayout::rowTop(6 + 4) + ChartLayout::kCell);

    const QString table = folder.filePath(u"chart.csv"_s);
    ASSERT_TRUE(opener.chart()->writeCsv(table));
    std::ifstream csv(table.toStdString(), std::ios::binary);
    std::ostringstream contents;
    contents << csv.rdbuf();
    const std::string text = contents.str();
    EXPECT_TRUE(text.starts_with("\xEF\xBB\xBF")) << "no UTF-8 byte-order mark";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6 + 4 + 1);

    EXPECT_FALSE(opener.chart()->writeImage(folder.filePath(u"missing/chart.png"_s)));
    EXPECT_FALSE(opener.chart()->writeCsv(folder.path()));  // a folder is no file
}

TEST_F(TrendChartGuiTest, AFailedSaveSaysSoInABoxWithChineseButtons) {
    doubleClickGrid();
    QTemporaryDir folder;
    const QString kept = folder.filePath(u"kept.csv"_s);
    ASSERT_TRUE(opener.chart()->writeCsv(kept));
    const QString missing = folder.filePath(u"missing/chart.png"_s);
    QString boxText;
    QString boxButton;
    QTimer answer;  // the box is answered once it is up
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxText = box->text();
            boxButton = box->buttons().front()->text();
            box->accept();
        }
    });
    answer.start(20);
    EXPECT_FALSE(opener.chart()->saveTo(TrendChartWindow::Export::Image, missing));
    EXPECT_EQ(boxText, u"无法写入文件："_s + missing);
    EXPECT_EQ(boxButton, u"确定"_s);  // Qt's own Chinese texts
    EXPECT_TRUE(opener.chart()->saveTo(TrendChartWindow::Export::Csv, kept));
}

TEST(SaveFolders, ThePicturesOrDocumentsFolderAtFirstThenTheLastUsed) {
    // The user's folders, as the desktop names them under XDG_CONFIG_HOME.
    QTemporaryDir home;
    const QDir folders(home.path());
    ASSERT_TRUE(folders.mkpath(u"图片"_s) && folders.mkpath(u"文档"_s) && folders.mkpath(u"elsewhere"_s));
    QFile userDirs(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + u"/user-dirs.dirs"_s);
    ASSERT_TRUE(userDirs.open(QIODevice::WriteOnly));
    userDirs.write(u"XDG_PICTURES_DIR=\"%1\"\nXDG_DOCUMENTS_DIR=\"%2\"\n"_s
                       .arg(folders.filePath(u"图片"_s), folders.filePath(u"文档"_s))
                       .toUtf8());
    userDirs.close();

    EXPECT_EQ(startFolder(SavedFile::Picture), folders.filePath(u"图片"_s));
    rememberFolder(SavedFile::Picture, folders.filePath(u"elsewhere/chart.png"_s));
    EXPECT_EQ(startFolder(SavedFile::Picture), folders.filePath(u"elsewhere"_s));
    EXPECT_EQ(startFolder(SavedFile::Table), folders.filePath(u"文档"_s));
    userDirs.remove();
}

}  // namespace
}  // namespace quintara::qt
