#include <gtest/gtest.h>

#include "shell/main_window_names.h"
#include "controls/memory_controls.h"
#include "shell/application.h"
#include "shell/startup/banner.h"
#include "shell/fixed_settings.h"
#include "shell/main_window_layout.h"
#include "shell/startup/startup_steps.h"
#include "shell/startup/version_notice.h"
#include "skin/carried_skins.h"
#include "support/fake_platform.h"
#include "support/fake_providers.h"
#include "support/loopback_http_server.h"
#include "support/scratch_folder.h"
#include "support/tiny_gif.h"

namespace quintara {
namespace {

constexpr std::string_view kSite = "http://maker.invalid/";

// The provider's side of the start-up: a version page and a banner.
void serveVersionAndBanner(httplib::Server& routes, std::string page) {
    routes.Get(std::string(kVersionPagePath), [page](const httplib::Request&, httplib::Response& response) {
        response.set_content(page, "text/html");
    });
    routes.Get(std::string(kBannerPath), [](const httplib::Request&, httplib::Response& response) {
        response.set_content(testing::tinyGif(), "image/gif");
    });
}

class StartupStepsTest : public ::testing::Test {
protected:
    StartupStepsTest() {
        platform.programFolder = programFolder.path().string();
        platform.temporaryFolder = temporaryFolder.path().string();
    }

    testing::ScratchFolder programFolder;
    testing::ScratchFolder temporaryFolder;
    testing::FakePlatform platform;
    std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    testing::NoDraws providers;
};

TEST(StartupAddresses, ThePathsOnTheHostsAndTheSiteAsItIs) {
    const StartupAddresses addresses =
        StartupAddresses::forHosts("127.0.0.1:1234", "banner.invalid", kSite);
    EXPECT_EQ(addresses.versionPage, "http://127.0.0.1:1234/post-7143278-108926659-1.shtml");
    EXPECT_EQ(addresses.banner, "http://banner.invalid/jzm.gif");
    EXPECT_EQ(addresses.site, kSite);
}

TEST_F(StartupStepsTest, TheWindowCreatedEventRunsEveryStepAndGoesOnWithTheSameVersion) {
    testing::LoopbackHttpServer server(
        [](httplib::Server& routes) { serveVersionAndBanner(routes, "<b>==9.0==</b>"); });
    StartupSteps steps(platform, StartupAddresses::forHosts(server.host(), server.host(), kSite));
    steps.writeSkinLibrary();
    steps.setWindow(*window);
    Application application(*window, platform, providers, steps);
    application.windowCreated();

    EXPECT_EQ(testing::fileBytes(programFolder.file("hrttp.dll")), skin::carriedSkinLibrary());
    EXPECT_EQ(testing::fileBytes(temporaryFolder.file("1.she")), skin::carriedSkinFile(20));
    EXPECT_EQ(platform.opened, std::vector<std::string>{std::string(kSite)});
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].caption, "提示");
    EXPECT_EQ(platform.ends, 0);
    EXPECT_EQ(window->pictureBox(names::kBanner).picture(), testing::tinyGif());
    EXPECT_EQ(window->timer(names::kOnlineCountTimer).interval(), 60000);
    EXPECT_EQ(window->label(names::kOnlineCountLabel).caption(), "");
    EXPECT_EQ(window->htmlViewer(names::kHtmlViewer).address(), fixed_settings::kViewerAddress);

    window->control<MemoryTimer>(names::kOnlineCountTimer).tick();
    EXPECT_EQ(window->label(names::kOnlineCountLabel).caption().substr(0, 2), "65");
}

TEST_F(StartupStepsTest, AnotherVersionOpensTheSiteTwiceAndEndsTheProgram) {
    testing::LoopbackHttpServer server(
        [](httplib::Server& routes) { serveVersionAndBanner(routes, "==9.1=="); });
    StartupSteps steps(platform, StartupAddresses::forHosts(server.host(), server.host(), kSite));
    steps.setWindow(*window);
    Application application(*window, platform, providers, steps);
    application.windowCreated();

    EXPECT_EQ(platform.opened, (std::vector<std::string>{std::string(kSite), std::string(kSite)}));
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].caption, "警告：");
    EXPECT_EQ(platform.ends, 1);
}

TEST_F(StartupStepsTest, WithNoNetworkTheStartUpGoesOnWithoutBannerOrBox) {
    const std::string nowhere = testing::closedLoopbackHost();
    StartupSteps steps(platform, StartupAddresses::forHosts(nowhere, nowhere, kSite));
    steps.setWindow(*window);
    Application application(*window, platform, providers, steps);
    application.windowCreated();

    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.ends, 0);
    EXPECT_EQ(window->pictureBox(names::kBanner).picture(), "");
    EXPECT_EQ(window->timer(names::kOnlineCountTimer).interval(), 60000);
}

TEST_F(StartupStepsTest, AStepThatNeedsTheWindowBeforeItExistsIsAProgrammingError) {
    StartupSteps steps(platform, StartupAddresses::forHosts("nowhere.invalid", "nowhere.invalid", kSite));
    EXPECT_THROW(steps.onlineCountTick(), std::logic_error);
}

}  // namespace
}  // namespace quintara
