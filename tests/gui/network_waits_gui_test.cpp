// The real window while its network waits meet silent hosts: the reload, a
// poll and the start-up keep its clock ticking, what a click or a tick
// would start meanwhile waits its turn, and closing the window ends a wait
// and the program at once.
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "draws/history_feed.h"
#include "shell/application.h"
#include "shell/startup/banner.h"
#include "shell/main_window_layout.h"
#include "shell/main_window_names.h"
#include "shell/qt/window/main_window.h"
#include "shell/qt/platform/qt_platform.h"
#include "shell/startup/version_notice.h"
#include "sources/network_providers.h"
#include "support/fake_startup_extras.h"
#include "support/feed_document.h"
#include "support/loopback_http_server.h"
#include "support/raw_http_server.h"

namespace quintara::qt {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::feedDocument;
using testing::kFirstDrawsOf20180211;
using testing::RawConnection;
using testing::RawHttpServer;

constexpr std::string_view kReloadFailed = "提示：数据更新失败，请稍后重试";

// A host that reads each request and says nothing for `silence` (until the
// test ends when that is zero), then hangs up.
RawHttpServer::Handler silentFor(std::chrono::milliseconds silence) {
    return [silence](RawConnection& connection) {
        connection.readRequest();
        if (silence == 0ms) {
            connection.waitForStop();
        } else {
            connection.pause(silence);
        }
    };
}

std::string hostOf(const RawHttpServer& server) {
    return "127.0.0.1:" + std::to_string(server.port());
}

// The banner and the version notice of the start-up, at `host`.
class NetworkStartup : public quintara::testing::IdleStartupExtras {
public:
    NetworkStartup(const Window& window, Platform& platform)
        : window_(window), platform_(platform) {}

    void showBanner() override {
        quintara::showBanner(window_, platform_, "http://" + host + std::string(kBannerPath));
    }
    void runVersionNotice() override {
        quintara::runVersionNotice(window_, platform_,
                                   "http://" + host + std::string(kVersionPagePath),
                                   "http://maker.invalid/");
    }

    std::string host;

private:
    const Window& window_;
    Platform& platform_;
};

class NetworkWaitsGuiTest : public ::testing::Test {
protected:
    NetworkWaitsGuiTest() {
        platform.setWindow(&window);
        window.show();
    }

    // The application over providers at `hosts`, each tick of its clock noted.
    void build(ProviderHosts hosts) {
        providers = std::make_unique<NetworkProviders>(std::move(hosts), platform);
        application =
            std::make_unique<Application>(window.controls(), platform, *providers, startup);
        window.controls().timer(names::kClockTimer).onTick([this] {
            application->clockTick();
            ticks.push_back(Clock::now());
        });
    }

    // Runs `wait` and expects the clock to tick at least once every 2 s
    // meanwhile; tells the longest time it went without a tick.
    void expectTicksThrough(std::string_view what, const std::function<void()>& wait) {
        const auto start = Clock::now();
        wait();
        const auto end = Clock::now();
        std::vector<Clock::time_point> moments{start};
        std::copy_if(ticks.begin(), ticks.end(), std::back_inserter(moments),
                     [&](Clock::time_point tick) { return tick >= start && tick <= end; });
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(end - start);
        EXPECT_GE(moments.size() - 1, static_cast<std::size_t>(waited / 2s)) << what;
        moments.push_back(end);
        Clock::duration longest{};
        for (std::size_t at = 1; at < moments.size(); ++at) {
            longest = std::max(longest, moments[at] - moments[at - 1]);
        }
        const auto longestMs = std::chrono::duration_cast<std::chrono::milliseconds>(longest);
        std::cout << what << ": " << moments.size() - 2 << " clock ticks in " << waited.count()
                  << " ms, at most " << longestMs.count() << " ms without one\n";
        RecordProperty("longest_without_a_tick_ms", static_cast<int>(longestMs.count()));
    }

    // Runs the event loop as the program does, begins with `begin` and
    // closes the window after a second; how long the loop ran.
    Clock::duration closeAfterASecond(const std::function<void()>& begin) {
        QTimer::singleShot(0, &window, begin);
        QTimer::singleShot(1s, &window, [this] { window.close(); });
        const auto start = Clock::now();
        QApplication::exec();
        return Clock::now() - start;
    }

    QPushButton* button(names::Name name) {
        return qobject_cast<QPushButton*>(window.widget(name));
    }
    std::string status() { return window.controls().statusBar(names::kStatusBar).partText(0); }

    std::atomic<int> feedRequests = 0;
    std::atomic<int> apiRequests = 0;
    // The history feed, the lottery API (no newer draw) and nothing else.
    quintara::testing::LoopbackHttpServer provider{[this](httplib::Server& routes) {
        using Request = const httplib::Request&;
        routes.Get(std::string(kHistoryFeedPath), [this](Request, httplib::Response& response) {
            ++feedRequests;
            response.set_content(feedDocument(kFirstDrawsOf20180211), "text/xml");
        });
        routes.Get(std::string(kLotteryApiPath.substr(0, kLotteryApiPath.find('?'))),
                   [this](Request, httplib::Response& response) {
                       ++apiRequests;
                       response.set_content("", "text/html");
                   });
    }};
    MainWindow window{mainWindowLayout()};
    QtPlatform platform;
    NetworkStartup startup{window.controls(), platform};
    std::vector<Clock::time_point> ticks;
    std::unique_ptr<NetworkProviders> providers;
    std::unique_ptr<Application> application;
};

TEST_F(NetworkWaitsGuiTest, AReloadFromASilentFeedKeepsTheClockTickingAndStartsNothingBeside) {
    RawHttpServer feed(silentFor(6s));
    build({hostOf(feed), provider.host(), provider.host(), provider.host()});
    // Meanwhile: another click on the update button, the update timer's
    // tick, and a click on 刷新 (the statistics of the draws held).
    QTimer::singleShot(1500ms, &window, [this] {
        QTest::mouseClick(button(names::kUpdateButton), Qt::LeftButton);
        application->updateTick();
        QTest::mouseClick(button(names::kRefreshButton), Qt::LeftButton);
    });
    expectTicksThrough("a reload while the feed host is silent", [this] {
        QTest::mouseClick(button(names::kUpdateButton), Qt::LeftButton);
    });
    EXPECT_EQ(feed.requests().size(), 1U);
    EXPECT_EQ(apiRequests.load(), 0);
    EXPECT_EQ(status(), kReloadFailed);
    EXPECT_EQ(window.controls().timer(names::kUpdateTimer).interval(), 0);
}

TEST_F(NetworkWaitsGuiTest, APollOfASilentLotteryApiKeepsTheClockTicking) {
    RawHttpServer api(silentFor(0ms));  // the API's own bound of 5 s ends it
    build({provider.host(), hostOf(api), provider.host(), provider.host()});
    expectTicksThrough("a poll while the lottery API is silent", [this] {
        EXPECT_FALSE(application->latestDrawUpdate());
    });
    EXPECT_EQ(api.requests().size(), 1U);
}

TEST_F(NetworkWaitsGuiTest, TheStartUpAwaitsBannerThenVersionPageAndNoReloadComesBetween) {
    RawHttpServer startHost(silentFor(3s));
    startup.host = hostOf(startHost);
    build(ProviderHosts::allAt(provider.host()));
    QTimer::singleShot(1s, &window, [this] {
        QTest::mouseClick(button(names::kUpdateButton), Qt::LeftButton);
    });
    expectTicksThrough("the start-up while the banner and version hosts are silent",
                       [this] { application->windowCreated(); });
    const std::vector<std::string> asked = startHost.requests();
    ASSERT_EQ(asked.size(), 2U);
    EXPECT_TRUE(asked[0].starts_with("GET " + std::string(kBannerPath) + " "));
    EXPECT_TRUE(asked[1].starts_with("GET " + std::string(kVersionPagePath) + " "));
    EXPECT_EQ(feedRequests.load(), 0);

    QTest::mouseClick(button(names::kUpdateButton), Qt::LeftButton);
    EXPECT_EQ(feedRequests.load(), 1);
}

TEST_F(NetworkWaitsGuiTest, ClosingTheWindowDuringTheStartUpEndsTheProgramAtOnce) {
    RawHttpServer startHost(silentFor(0ms));  // the banner would be awaited 30 s
    startup.host = hostOf(startHost);
    build(ProviderHosts::allAt(provider.host()));
    bool startedUp = false;
    const auto ran = closeAfterASecond([&] {
        application->windowCreated();
        startedUp = true;
    });
    EXPECT_TRUE(startedUp);
    EXPECT_LT(ran, 15s);
    // The version page, asked for once the program was ending, was not
    // awaited.
    EXPECT_LE(startHost.requests().size(), 1U);
}

TEST_F(NetworkWaitsGuiTest, ClosingTheWindowDuringAReloadEndsTheProgramAtOnce) {
    RawHttpServer feed(silentFor(0ms));  // awaited 30 s otherwise
    build({hostOf(feed), provider.host(), provider.host(), provider.host()});
    const auto ran = closeAfterASecond(
        [this] { QTest::mouseClick(button(names::kUpdateButton), Qt::LeftButton); });
    EXPECT_LT(ran, 15s);
    EXPECT_EQ(status(), kReloadFailed);
}

}  // namespace
}  // namespace quintara::qt
