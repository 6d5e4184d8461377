#include <gtest/gtest.h>

#include <string>

#include "shell/main_window_names.h"
#include "controls/memory_controls.h"
#include "shell/main_window_layout.h"
#include "shell/startup/version_notice.h"
#include "support/fake_platform.h"
#include "support/loopback_http_server.h"

namespace quintara {
namespace {

constexpr std::string_view kVersionSite = "http://maker.invalid/";
constexpr std::string_view kWelcome = "当前为最新版本,欢迎您的使用";
constexpr std::string_view kWarning = "已有最新版本,请下载更新.";

class VersionNoticeTest : public ::testing::Test {
protected:
    // Serves `page` as the version page and runs the notice against it.
    void runWithPage(const std::string& page) {
        testing::LoopbackHttpServer server([&](httplib::Server& routes) {
            routes.Get(std::string(kVersionPagePath), [page](const httplib::Request&, httplib::Response& response) {
                response.set_content(page, "text/html");
            });
        });
        runVersionNotice(*window, platform, server.address(kVersionPagePath), kVersionSite);
    }

    void expectWelcomeAndGoOn() {
        ASSERT_EQ(platform.messages.size(), 1U);
        EXPECT_EQ(platform.messages[0].text, kWelcome);
        EXPECT_EQ(platform.messages[0].caption, "提示");
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
        EXPECT_TRUE(platform.opened.empty());
        EXPECT_EQ(platform.ends, 0);
    }

    void expectNothingKnown() {
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_TRUE(platform.opened.empty());
        EXPECT_EQ(platform.ends, 0);
    }

    std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    testing::FakePlatform platform;
};

TEST_F(VersionNoticeTest, TheSameVersionShowsTheWelcomeAndTheStartUpGoesOn) {
    runWithPage("<html><body>最新版本==9.0==下载</body></html>");
    expectWelcomeAndGoOn();
}

TEST_F(VersionNoticeTest, AnotherVersionWarnsOpensTheSiteAndEndsTheProgram) {
    runWithPage("<p>==9.1==</p>");
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, kWarning);
    EXPECT_EQ(platform.messages[0].caption, "警告：");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.opened, std::vector<std::string>{std::string(kVersionSite)});
    EXPECT_EQ(platform.ends, 1);
}

TEST_F(VersionNoticeTest, VersionsAreComparedAsNumbers) {
    runWithPage("== 9.00 beta == and ==9.1== later");
    expectWelcomeAndGoOn();
}

TEST_F(VersionNoticeTest, TheLocalVersionIsTheCaptionOfLabel80) {
    window->label(names::kLocalVersionLabel).setCaption("9.1");
    runWithPage("==9.1==");
    expectWelcomeAndGoOn();
}

TEST_F(VersionNoticeTest, AnUnreachablePageShowsNoBox) {
    runVersionNotice(*window, platform,
                     "http://" + testing::closedLoopbackHost() + std::string(kVersionPagePath),
                     kVersionSite);
    expectNothingKnown();
}

TEST_F(VersionNoticeTest, AnErrorStatusShowsNoBox) {
    testing::LoopbackHttpServer server([](httplib::Server& routes) {
        routes.Get(std::string(kVersionPagePath), [](const httplib::Request&, httplib::Response& response) {
            response.status = 404;
            response.set_content("<p>==9.1==</p>", "text/html");
        });
    });
    runVersionNotice(*window, platform, server.address(kVersionPagePath), kVersionSite);
    expectNothingKnown();
}

TEST_F(VersionNoticeTest, APageWithoutTwoMarkersShowsNoBox) {
    runWithPage("<p>version 9.1</p>");
    expectNothingKnown();
    runWithPage("<p>version ==9.1</p>");
    expectNothingKnown();
}

TEST_F(VersionNoticeTest, MarkersAroundNoNumberShowNoBox) {
    runWithPage("====9.1==");
    expectNothingKnown();
    runWithPage("==soon==");
    expectNothingKnown();
}

}  // namespace
}  // namespace quintara
