// The alert settings window and the notice of the real main window,
// offscreen, where the desktop has no system tray.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/eventually.h"
#include "gui/provided_window.h"
#include "shell/main_window_names.h"
#include "shell/qt/alerts/alert_notifier.h"
#include "shell/qt/alerts/alert_settings_window.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

class AlertWindowTest : public ProvidedWindowTest {
protected:
    AlertWindowTest() {
        application.keepAlerts(notifier, std::vector<AlertRule>{});
        QTest::mouseClick(find<QPushButton>(names::kUpdateButton), Qt::LeftButton);
    }

    // The settings window's widget of that kind whose text or first item is `text`.
    template <typename Widget>
    Widget* control(const std::function<bool(Widget*)>& which) {
        for (Widget* widget : settings.findChildren<Widget*>()) {
            if (which(widget)) return widget;
        }
        ADD_FAILURE() << "no such control";
        return nullptr;
    }
    QPushButton* button(const QString& caption) {
        return control<QPushButton>([&caption](QPushButton* b) { return b->text() == caption; });
    }

    AlertNotifier notifier{window, nullptr};
    AlertSettingsWindow settings{application, window};
};

TEST_F(AlertWindowTest, ARuleMadeOfChoicesFiresAtOnceAndIsToldInANotice) {
    settings.open();
    // 万 shows 2 only in the oldest of the six draws: absent for five.
    settings.edit({.when = AlertCondition::Current, .list = StatisticsList::Position1Omission, .item = "2",
                   .atLeast = 3});
    EXPECT_EQ(settings.editedRule(), (AlertRule{.when = AlertCondition::Current,
                                                .list = StatisticsList::Position1Omission,
                                                .item = "2",
                                                .atLeast = 3}));
    QTest::mouseClick(button(u"添加"_s), Qt::LeftButton);
    ASSERT_EQ(settings.rules().size(), 1U);
    auto* rules = control<QTableWidget>([](QTableWidget* t) { return t->columnCount() == 3 && t->rowCount() == 1; });
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(rules->item(0, 0)->text(), u"万位遗漏"_s);
    EXPECT_EQ(rules->item(0, 2)->text(), u"万位 2：遗漏 ≥ 3 期"_s);
    EXPECT_EQ(notifier.notice(), nullptr);  // not saved yet

    QTest::mouseClick(button(u"保存并生效"_s), Qt::LeftButton);
    EXPECT_EQ(application.alertRules(), settings.rules());
    ASSERT_TRUE(eventually([this] { return notifier.notice() != nullptr && notifier.notice()->isVisible(); }));
    QStringList texts;
    for (const QLabel* label : notifier.notice()->findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.join(u'\n').contains(u"万位 2 已遗漏 5 期"_s)) << texts.join(u'\n').toStdString();
    // Inside the screen: beside the main window where the screen leaves room.
    EXPECT_TRUE(window.screen()->availableGeometry().contains(notifier.notice()->frameGeometry()));

    // The row that alerts is red in its list, and its tip names the rule;
    // the others keep their colour, also after a click on 刷新.
    for (int click = 0; click < 2; ++click) {
        auto* wan = find<QTableWidget>(names::kPositionOmissionLists[0]);
        ASSERT_EQ(wan->item(0, 0)->text(), u"2"_s);
        EXPECT_EQ(wan->item(0, 1)->foreground().color(), QColor(Qt::red));
        EXPECT_TRUE(wan->item(0, 0)->toolTip().endsWith(u"\n预警：万位 2：遗漏 ≥ 3 期"_s))
            << wan->item(0, 0)->toolTip().toStdString();
        EXPECT_NE(wan->item(1, 0)->foreground().color(), QColor(Qt::red));
        QTest::mouseClick(find<QPushButton>(names::kRefreshButton), Qt::LeftButton);
    }
}

TEST_F(AlertWindowTest, TheItemsOfferedAreThoseOfTheListChosen) {
    settings.open();
    auto* list = control<QComboBox>([](QComboBox* box) { return box->itemText(0) == u"全部列表"_s; });
    auto* item = control<QComboBox>([](QComboBox* box) { return box->itemText(0) == u"全部"_s; });
    ASSERT_NE(list, nullptr);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(list->count(), 19);
    list->setCurrentIndex(list->findText(u"后三胆码"_s));
    EXPECT_EQ(item->count(), 46);  // 全部 and the 45 pairs
    list->setCurrentIndex(list->findText(u"形态遗漏"_s));
    EXPECT_EQ(item->count(), 28);
    list->setCurrentIndex(list->findText(u"杀跨度"_s));
    EXPECT_EQ(item->count(), 11);

    // Removing the selected rule leaves the others.
    settings.edit({.when = AlertCondition::Record});
    settings.addRule();
    settings.edit({.when = AlertCondition::Silence, .minutes = 5});
    settings.addRule();
    settings.removeSelectedRule();
    ASSERT_EQ(settings.rules().size(), 1U);
    EXPECT_EQ(settings.rules()[0].when, AlertCondition::Record);
}

TEST_F(AlertWindowTest, OpensBesideTheMainWindowInsideTheScreen) {
    // The 800 x 800 offscreen screen has room on the main window's right only
    // when the main window stands partly off its left edge.
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.left() - 700, screen.top() + 150);
    settings.open();
    const QRect frame = settings.frameGeometry();
    EXPECT_TRUE(screen.contains(frame));
    EXPECT_EQ(frame.left(), window.frameGeometry().right() + 1);
    EXPECT_EQ(frame.top(), window.frameGeometry().top());
    settings.close();

    // No room on either side: inside the screen, on the side with more.
    window.move(screen.left() - 300, screen.top() + 150);
    settings.open();
    EXPECT_TRUE(screen.contains(settings.frameGeometry()));
    EXPECT_EQ(settings.frameGeometry().right(), screen.right());
}

}  // namespace
}  // namespace quintara::qt
