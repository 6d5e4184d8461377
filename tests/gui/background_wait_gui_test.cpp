// While a background request waits, the Qt platform keeps the window alive:
// timers fire and widgets repaint, on the offscreen platform.
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

#include "net/background_request.h"
#include "shell/qt/platform/qt_platform.h"
#include "support/raw_http_server.h"

namespace quintara::qt {
namespace {

using std::chrono::milliseconds;
using testing::RawConnection;
using testing::RawHttpServer;

// A label that shows a tick count, renewed by a timer, and counts its paints.
class TickingLabel : public QLabel {
    Q_OBJECT

public:
    TickingLabel() {
        resize(200, 40);
        show();
        connect(&timer_, &QTimer::timeout, this, [this] { setText(QString::number(++ticks)); });
        timer_.start(20);
    }
    int ticks = 0;
    int paints = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QLabel::event(event);
    }

private:
    QTimer timer_;
};

TEST(BackgroundWaitGui, TimersFireAndTheWindowRepaintsWhileARequestWaits) {
    RawHttpServer server([](RawConnection& connection) {
        if (connection.readRequest().empty() || !connection.pause(milliseconds(1500))) return;
        connection.send(testing::httpAnswer("late answer"));
    });
    TickingLabel label;
    QtPlatform platform(&label);
    const BackgroundAnswer answer =
        backgroundRequest(platform, {.address = server.address("/slow"), .timeoutSeconds = 30});
    EXPECT_FALSE(answer.timedOut);
    EXPECT_EQ(answer.body, "late answer");
    EXPECT_GE(label.ticks, 10);  // some 75 are due in 1.5 s
    EXPECT_GE(label.paints, 5);
}

TEST(BackgroundWaitGui, ASilentServerGivesTheTimeOutAndTimersFireMeanwhile) {
    RawHttpServer server([](RawConnection& connection) {
        connection.readRequest();
        connection.waitForStop();
    });
    TickingLabel label;
    QtPlatform platform(&label);
    const auto start = std::chrono::steady_clock::now();
    const BackgroundAnswer answer =
        backgroundRequest(platform, {.address = server.address("/silent"), .timeoutSeconds = 1});
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(answer.timedOut);
    EXPECT_EQ(answer.body, kTimeoutText);
    EXPECT_GE(waited, std::chrono::seconds(1));
    EXPECT_GE(label.ticks, 10);  // some 50 are due in 1 s
}

}  // namespace
}  // namespace quintara::qt

// What moc makes of TickingLabel, a QObject declared in this file.
#include "background_wait_gui_test.moc"
