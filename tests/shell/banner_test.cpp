#include <gtest/gtest.h>

#include "shell/main_window_names.h"
#include "controls/memory_controls.h"
#include "shell/startup/banner.h"
#include "shell/main_window_layout.h"
#include "platform/system_platform.h"
#include "support/loopback_http_server.h"
#include "support/tiny_gif.h"

namespace quintara {
namespace {

class BannerTest : public ::testing::Test {
protected:
    [[nodiscard]] std::string banner() const { return window->pictureBox(names::kBanner).picture(); }

    std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    SystemPlatform platform;  // waits without a window
};

TEST_F(BannerTest, TheFetchedGifBecomesThePicture) {
    testing::LoopbackHttpServer server([](httplib::Server& routes) {
        routes.Get(std::string(kBannerPath), [](const httplib::Request&, httplib::Response& response) {
            response.set_content(testing::tinyGif(), "image/gif");
        });
    });
    showBanner(*window, platform, server.address(kBannerPath));
    EXPECT_EQ(banner(), testing::tinyGif());
}

TEST_F(BannerTest, AFailedFetchLeavesTheBannerEmpty) {
    window->pictureBox(names::kBanner).setPicture(testing::tinyGif());
    testing::LoopbackHttpServer server([](httplib::Server& routes) {
        routes.Get(std::string(kBannerPath), [](const httplib::Request&, httplib::Response& response) {
            response.status = 404;
            response.set_content(testing::tinyGif(), "image/gif");
        });
    });
    showBanner(*window, platform, server.address(kBannerPath));
    EXPECT_EQ(banner(), "");

    window->pictureBox(names::kBanner).setPicture(testing::tinyGif());
    const std::string closed = "http://" + testing::closedLoopbackHost() + std::string(kBannerPath);
    showBanner(*window, platform, closed);
    EXPECT_EQ(banner(), "");
}

}  // namespace
}  // namespace quintara
