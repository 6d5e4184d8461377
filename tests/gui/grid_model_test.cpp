// Qt's own checks of an item model, run over the grid's table model while the
// draw history changes in every way the program changes it.
#include <QAbstractItemModelTester>
#include <QTableView>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/main_window_names.h"
#include "shell/draw_history.h"
#include "shell/main_window_layout.h"
#include "shell/qt/window/main_window.h"
#include "shell/qt/platform/text.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

// The warnings Qt writes while the test runs: the model tester reports each
// broken rule as one.
class Warnings {
public:
    Warnings() {
        seen_ = &messages_;
        previous_ = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& message) {
                if (type != QtDebugMsg && type != QtInfoMsg) seen_->push_back(message.toStdString());
            });
    }
    ~Warnings() {
        qInstallMessageHandler(previous_);
        seen_ = nullptr;
    }
    Warnings(const Warnings&) = delete;
    Warnings& operator=(const Warnings&) = delete;

    [[nodiscard]] const std::vector<std::string>& messages() const { return messages_; }

private:
    static inline std::vector<std::string>* seen_ = nullptr;
    std::vector<std::string> messages_;
    QtMessageHandler previous_ = nullptr;
};

std::vector<Draw> draws(int first, int count) {
    std::vector<Draw> made;
    for (int sequence = first + count - 1; sequence >= first; --sequence) {
        made.push_back({"20181101-" + std::to_string(1000 + sequence).substr(1), "12345"});
    }
    return made;
}

TEST(GridModel, KeepsQtsRulesOfAnItemModelThroughEveryChangeOfTheHistory) {
    const Warnings warnings;
    MainWindow window(mainWindowLayout());
    auto* view = window.findChild<QTableView*>(toQString(names::kDrawGrid));
    ASSERT_NE(view, nullptr);
    const QAbstractItemModelTester tester(
        view->model(), QAbstractItemModelTester::FailureReportingMode::Warning);

    DrawHistory history(window.controls().grid(names::kDrawGrid));
    history.setUp();
    history.replaceWith(draws(1, 50));
    history.insertNewestDraw("20181101-051", "99999");
    history.insertNewestDraws(draws(52, 20));
    history.appendDraw(72, "20181031-120", "00000");
    history.replaceWith(draws(1, 3));
    history.clear();
    history.insertNewestDraw("20181101-001", "11111");

    EXPECT_EQ(view->model()->rowCount(), 2);
    EXPECT_EQ(view->model()->index(0, 1).data().toString(), u"20181101-001"_s);
    EXPECT_EQ(warnings.messages(), std::vector<std::string>{});
}

}  // namespace
}  // namespace quintara::qt
