// The banner picture and the hidden HTML viewer of the real main window.
#include <QLabel>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>

#include "shell/main_window_names.h"
#include "gui/eventually.h"
#include "shell/main_window_layout.h"
#include "shell/qt/window/main_window.h"
#include "shell/qt/window/qt_controls.h"
#include "support/loopback_http_server.h"
#include "support/tiny_gif.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

// A page the server holds back until the test lets it go (or ten seconds
// have passed, so that no test can hang on it).
class HeldPage {
public:
    void serve(httplib::Server& routes, const std::string& path, const std::string& html) {
        routes.Get(path, [this, html](const httplib::Request&, httplib::Response& response) {
            requested_ = true;
            released_.wait_for(std::chrono::seconds(10));
            response.set_content(html, "text/html");
            answered_ = true;
        });
    }
    void release() { release_.set_value(); }
    // The page was asked for, and is held back from here on.
    [[nodiscard]] bool requested() const { return requested_; }
    // The page goes out.
    [[nodiscard]] bool answered() const { return answered_; }

private:
    std::promise<void> release_;
    std::shared_future<void> released_ = release_.get_future().share();
    std::atomic<bool> requested_ = false;
    std::atomic<bool> answered_ = false;
};

QtHtmlViewer& viewerOf(const MainWindow& window) {
    return window.controls().control<QtHtmlViewer>(names::kHtmlViewer);
}

QTextBrowser* browserOf(const MainWindow& window) {
    return qobject_cast<QTextBrowser*>(window.widget(names::kHtmlViewer));
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
    HtmlViewer& viewer = viewerOf(window);
    viewer.navigate(server.address("/viewer.html"));
    // navigate has returned while the server still holds the page back.
    EXPECT_EQ(viewer.address(), server.address("/viewer.html"));
    EXPECT_TRUE(browserOf(window)->toPlainText().isEmpty());
    page.release();
    EXPECT_TRUE(eventually([&] { return browserOf(window)->toPlainText() == u"浏览框页面"_s; }));
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
    QStringList shown;
    QObject::connect(browserOf(window), &QTextBrowser::textChanged,
                     [&] { shown.append(browserOf(window)->toPlainText()); });
    QtHtmlViewer& viewer = viewerOf(window);
    viewer.navigate(server.address("/first.html"));
    ASSERT_TRUE(eventually([&] { return slow.requested(); }));
    viewer.navigate(server.address("/second.html"));
    EXPECT_TRUE(eventually([&] { return browserOf(window)->toPlainText() == u"second"_s; }));
    // The first page goes out only now, to a fetch that has ended.
    slow.release();
    ASSERT_TRUE(eventually([&] { return slow.answered() && !viewer.fetching(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(browserOf(window)->toPlainText(), u"second"_s);
    EXPECT_EQ(shown, QStringList{u"second"_s});
}

TEST(HtmlViewer, AWindowClosedBeforeThePageArrivesIsNoFailure) {
    HeldPage page;
    testing::LoopbackHttpServer server(
        [&](httplib::Server& routes) { page.serve(routes, "/viewer.html", "<p>late</p>"); });
    auto window = std::make_unique<MainWindow>(mainWindowLayout());
    viewerOf(*window).navigate(server.address("/viewer.html"));
    ASSERT_TRUE(eventually([&] { return page.requested(); }));
    window.reset();
    // Closing the window has ended the fetch without waiting for the page.
    EXPECT_FALSE(page.answered());
    page.release();
    EXPECT_TRUE(eventually([&] { return page.answered(); }));
    // Nothing is left to take the page in: the events go by without it.
    QCoreApplication::processEvents();
}

TEST(HtmlViewer, AnUnreachableAddressLeavesItEmpty) {
    MainWindow window(mainWindowLayout());
    QtHtmlViewer& viewer = viewerOf(window);
    viewer.navigate("http://" + testing::closedLoopbackHost() + "/viewer.html");
    EXPECT_TRUE(viewer.fetching());
    EXPECT_TRUE(eventually([&] { return !viewer.fetching(); }));
    EXPECT_TRUE(browserOf(window)->toPlainText().isEmpty());
}

}  // namespace
}  // namespace quintara::qt
