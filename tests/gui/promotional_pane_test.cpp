// The banner picture and the hidden HTML viewer of the real main window.
#include <QLabel>
#include <QTest>
#include <QTextBrowser>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "controls/main_window_names.h"
#include "shell/main_window_layout.h"
#include "shell/qt/main_window.h"
#include "support/loopback_http_server.h"
#include "support/tiny_gif.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

constexpr int kArrivalLimitMs = 20000;

// A page the server holds back until the test lets it go (or ten seconds
// have passed, so that no test can hang on it).
class HeldPage {
public:
    void serve(httplib::Server& routes, const std::string& path, const std::string& html) {
        routes.Get(path, [this, html](const httplib::Request&, httplib::Response& response) {
            released_.wait_for(std::chrono::seconds(10));
            response.set_content(html, "text/html");
        });
    }
    void release() { release_.set_value(); }

private:
    std::promise<void> release_;
    std::shared_future<void> released_ = release_.get_future().share();
};

QTextBrowser* viewerOf(const MainWindow& window) {
    return qobject_cast<QTextBrowser*>(window.widget(names::kHtmlViewer));
}

// Lets every fetch of the thread pool end and its answer be delivered.
void settle() {
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

TEST(BannerPicture, AGifIsShownAndNoBytesClearIt) {
    MainWindow window(mainWindowLayout());
    auto* label = qobject_cast<QLabel*>(window.widget(names::kBanner));
    ASSERT_NE(label, nullptr);
    PictureBox& banner = window.controls().pictureBox(names::kBanner);
    banner.setPicture(testing::tinyGif());
    EXPECT_FALSE(label->pixmap().isNull());
    banner.setPicture("");
    EXPECT_TRUE(label->pixmap().isNull());
    banner.setPicture("GIF89a but not a picture");
    EXPECT_TRUE(label->pixmap().isNull());
}

TEST(HtmlViewer, LoadsItsPageWithoutWaitingForIt) {
    HeldPage page;
    testing::LoopbackHttpServer server(
        [&](httplib::Server& routes) { page.serve(routes, "/viewer.html", "<p>浏览框页面</p>"); });
    MainWindow window(mainWindowLayout());
    HtmlViewer& viewer = window.controls().htmlViewer(names::kHtmlViewer);
    viewer.navigate(server.address("/viewer.html"));
    // navigate has returned while the server still holds the page back.
    EXPECT_EQ(viewer.address(), server.address("/viewer.html"));
    EXPECT_TRUE(viewerOf(window)->toPlainText().isEmpty());
    page.release();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return viewerOf(window)->toPlainText() == u"浏览框页面"_s; },
        kArrivalLimitMs));
}

TEST(HtmlViewer, APageForAnEarlierAddressIsDropped) {
    HeldPage slow;
    testing::LoopbackHttpServer server([&](httplib::Server& routes) {
        slow.serve(routes, "/first.html", "<p>first</p>");
        routes.Get("/second.html", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("<p>second</p>", "text/html");
        });
    });
    MainWindow window(mainWindowLayout());
    HtmlViewer& viewer = window.controls().htmlViewer(names::kHtmlViewer);
    viewer.navigate(server.address("/first.html"));
    viewer.navigate(server.address("/second.html"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return viewerOf(window)->toPlainText() == u"second"_s; },
        kArrivalLimitMs));
    slow.release();
    settle();
    EXPECT_EQ(viewerOf(window)->toPlainText(), u"second"_s);
}

TEST(HtmlViewer, AWindowClosedBeforeThePageArrivesIsNoFailure) {
    HeldPage page;
    testing::LoopbackHttpServer server(
        [&](httplib::Server& routes) { page.serve(routes, "/viewer.html", "<p>late</p>"); });
    auto window = std::make_unique<MainWindow>(mainWindowLayout());
    window->controls().htmlViewer(names::kHtmlViewer).navigate(server.address("/viewer.html"));
    window.reset();
    page.release();
    settle();
    SUCCEED();
}

TEST(HtmlViewer, AnUnreachableAddressLeavesItEmpty) {
    MainWindow window(mainWindowLayout());
    window.controls().htmlViewer(names::kHtmlViewer).navigate(
        "http://" + testing::closedLoopbackHost() + "/viewer.html");
    settle();
    EXPECT_TRUE(viewerOf(window)->toPlainText().isEmpty());
}

}  // namespace
}  // namespace quintara::qt
