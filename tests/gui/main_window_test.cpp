#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "shell/main_window_names.h"
#include "shell/draw_history.h"
#include "shell/main_window_layout.h"
#include "shell/qt/window/main_window.h"
#include "shell/qt/platform/text.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindow window{mainWindowLayout()};

    template <typename Widget>
    Widget* find(std::string_view name) {
        return window.findChild<Widget*>(toQString(name));
    }
};

bool isKind(const QWidget* widget, ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::TransparentLabel:
        case ControlKind::PictureBox:
            return qobject_cast<const QLabel*>(widget) != nullptr;
        case ControlKind::Button:
            return qobject_cast<const QPushButton*>(widget) != nullptr;
        case ControlKind::CheckBox:
            return qobject_cast<const QCheckBox*>(widget) != nullptr;
        case ControlKind::ComboBox:
            return qobject_cast<const QComboBox*>(widget) != nullptr;
        case ControlKind::ListView:
            return qobject_cast<const QTableWidget*>(widget) != nullptr;
        case ControlKind::Grid:
            return qobject_cast<const QTableView*>(widget) != nullptr;
        case ControlKind::GroupBox:
            return qobject_cast<const QGroupBox*>(widget) != nullptr;
        case ControlKind::ShapeBox:
            return qobject_cast<const QFrame*>(widget) != nullptr;
        case ControlKind::TabControl:
            return qobject_cast<const QTabWidget*>(widget) != nullptr;
        case ControlKind::HtmlViewer:
            return qobject_cast<const QTextBrowser*>(widget) != nullptr;
        case ControlKind::TabPage:
        case ControlKind::StatusBar:
            return widget != nullptr;
        case ControlKind::Timer:
            return widget == nullptr;
    }
    return false;
}

TEST_F(MainWindowTest, EveryControlOfTheLayoutExistsWithItsKindAndParent) {
    for (const ControlSpec& row : mainWindowLayout().controls) {
        QWidget* widget = window.widget(row.name);
        EXPECT_TRUE(isKind(widget, row.kind)) << row.name;
        EXPECT_TRUE(window.controls().has(row.name)) << row.name;
        if (widget == nullptr) continue;
        EXPECT_EQ(widget->objectName(), toQString(row.name));
        if (row.kind == ControlKind::TabPage) continue;
        QWidget* parent = row.parent.empty() ? &window : window.widget(row.parent);
        EXPECT_EQ(widget->parentWidget(), parent) << row.name;
        EXPECT_EQ(widget->geometry(),
                  QRect(row.rect.left, row.rect.top, row.rect.width, row.rect.height))
            << row.name;
    }
}

TEST_F(MainWindowTest, TheWindowHasItsFixedSizeTitleAndNoMaximizeButton) {
    EXPECT_EQ(window.size(), QSize(811, 689));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowTitle(), toQString(kMainWindowTitle));
    EXPECT_TRUE(window.windowTitle().startsWith(
        u"【Vorlen团队】Quintara9.0  诚邀代理及会员加入！信誉保障 资金安全 大额无忧 "_s));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.windowIcon().availableSizes().value(0), QSize(128, 128));
}

TEST_F(MainWindowTest, TabPagesKeepTheSpacesAroundTheirCaptions) {
    auto* tabs = find<QTabWidget>(names::kStatisticsTabs);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(0), u" 定位统计 "_s);
    EXPECT_EQ(tabs->tabText(3), u" 后三统计 "_s);
    EXPECT_EQ(tabs->tabText(4), u" 五星统计 "_s);
    EXPECT_EQ(find<QGroupBox>(names::kBackThreePairGroup)->title(), u"后三２＝２遗漏"_s);
}

TEST_F(MainWindowTest, TheStartStateShowsEightsAndEmptyLists) {
    for (const names::Name name : names::kNewestDigitLabels) {
        EXPECT_EQ(find<QLabel>(name)->text(), u"8"_s) << name;
    }
    EXPECT_EQ(find<QLabel>(names::kNewestIssueLabel)->text(), QString());
    EXPECT_EQ(find<QLabel>(names::kClockLabel)->text(), QString());
    EXPECT_TRUE(find<QCheckBox>(names::kAutoRefreshBox)->isChecked());
    for (const ControlSpec& row : mainWindowLayout().controls) {
        if (row.kind == ControlKind::ListView) {
            auto* list = find<QTableWidget>(row.name);
            EXPECT_EQ(list->rowCount(), 0) << row.name;
            EXPECT_TRUE(list->showGrid());
            EXPECT_EQ(list->horizontalHeaderItem(0)->text(), toQString(row.columns[0].header));
            EXPECT_EQ(list->columnWidth(1), row.columns[1].width) << row.name;
        }
        if (row.kind == ControlKind::ComboBox) {
            auto* combo = find<QComboBox>(row.name);
            EXPECT_EQ(combo->count(), 5);
            EXPECT_EQ(combo->currentText(), u"统计10期"_s) << row.name;
        }
    }
}

TEST_F(MainWindowTest, ListViewsAndTheStatusBarCarryTheirColoursAndParts) {
    const QColor positionText =
        find<QTableWidget>(names::kPositionOmissionLists[0])->palette().color(QPalette::Text);
    EXPECT_EQ(positionText, QColor(0, 0, 128));
    EXPECT_EQ(find<QTableWidget>(names::kPatternOmissionList)->palette().color(QPalette::Text),
              QColor(0, 128, 0));
    QWidget* status = find<QWidget>(names::kStatusBar);
    const auto parts = status->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0]->width(), 206);
    EXPECT_EQ(status->palette().color(QPalette::Window), QColor(236, 236, 236));
}

TEST_F(MainWindowTest, TheClockLabelLiesOverTheStatusBar) {
    QWidget* status = find<QWidget>(names::kStatusBar);
    QWidget* clock = find<QWidget>(names::kClockLabel);
    const auto siblings = window.children();
    EXPECT_GT(siblings.indexOf(clock), siblings.indexOf(status));
    EXPECT_TRUE(status->geometry().intersects(clock->geometry()));
    EXPECT_TRUE(clock->testAttribute(Qt::WA_TranslucentBackground));
}

TEST_F(MainWindowTest, TheGridShowsItsCellsThroughTheModel) {
    Grid& grid = window.controls().grid(names::kDrawGrid);
    auto* view = find<QTableView>(names::kDrawGrid);
    grid.setCell(0, 1, "开奖期号");
    grid.insertRow(1);
    grid.setCell(1, 1, "20181101-120");
    grid.setColumnWidth(1, 97);
    EXPECT_EQ(view->model()->rowCount(), 2);
    EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), u"开奖期号"_s);
    EXPECT_EQ(view->model()->index(0, 1).data().toString(), u"20181101-120"_s);
    EXPECT_EQ(view->columnWidth(1), 97);
}

}  // namespace
}  // namespace quintara::qt

namespace quintara::qt {
namespace {

TEST(MainWindowLifetime, AShownWindowWithDrawsCanBeDestroyed) {
    auto window = std::make_unique<MainWindow>(mainWindowLayout());
    DrawHistory history(window->controls().grid(names::kDrawGrid));
    history.setUp();
    history.replaceWith(std::vector<Draw>{{"20181101-120", "12345"}, {"20181101-119", "67890"}});
    window->show();
    QCoreApplication::processEvents();
    auto* view = window->findChild<QTableView*>(toQString(names::kDrawGrid));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->model()->rowCount(), 3);
    // Destroying it must not let the view read the grid after it is gone.
    window.reset();
}

}  // namespace
}  // namespace quintara::qt
