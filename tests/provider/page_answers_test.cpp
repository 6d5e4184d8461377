// The provider's answers besides the draws: the version page, the banner,
// the two pages, and sources switched off with --down.
#include <gtest/gtest.h>

#include "banner.h"
#include "provider/gif_decoding.h"
#include "provider/running_provider.h"
#include "text/text_between.h"

namespace quintara::provider::testing {
namespace {

const std::string kVersionPage = "/post-7143278-108926659-1.shtml";

TEST(ProviderPages, VersionPagePublishesTheProgramsVersion) {
    RunningProvider provider;
    const Answer page = provider.get(kVersionPage);
    EXPECT_EQ(page.status, 200);
    // The version notice reads the text between the first two "==".
    EXPECT_EQ(textBetween(page.body, "==", "=="), "9.0");
}

TEST(ProviderPages, BannerIsAGifOfItsSize) {
    RunningProvider provider;
    const Answer banner = provider.get("/jzm.gif");
    EXPECT_EQ(banner.status, 200);
    EXPECT_EQ(banner.contentType, "image/gif");
    const auto decoded = decodeGif(banner.body);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, kBannerWidth);
    EXPECT_EQ(decoded->height, kBannerHeight);
    EXPECT_EQ(decoded->pixels.size(), static_cast<std::size_t>(kBannerWidth * kBannerHeight));
}

TEST(ProviderPages, MakersPageAndViewersPageAreHtml) {
    RunningProvider provider;
    for (const std::string target : {"/", "/viewer.html"}) {
        const Answer page = provider.get(target);
        EXPECT_EQ(page.status, 200) << target;
        EXPECT_EQ(page.contentType, "text/html; charset=utf-8") << target;
        EXPECT_NE(page.body.find("<html"), std::string::npos) << target;
    }
}

TEST(ProviderPages, SourcesSwitchedOffAnswer503AndTheRestStaysUp) {
    RunningProvider provider(
        {Source::Api, Source::List, Source::Flash, Source::Feed, Source::Version});
    for (const std::string target :
         {"/static/public/ssc/xml/historyopen.xml",
          "/i/lotapi.html?do=qkjcode&lotID=255401&issue=250612001&t=",
          "/static/ssc/newlyopenlist.xml", "/lottery/kcflash!getDataForCqsscFlash.jhtml",
          kVersionPage.c_str()}) {
        EXPECT_EQ(provider.get(target).status, 503) << target;
    }
    EXPECT_EQ(provider.get("/jzm.gif").status, 200);
    EXPECT_EQ(provider.get("/").status, 200);
}

TEST(ProviderPages, PortInUseIsNotShared) {
    ManualClock clock;
    DrawBook book(1, kInterval, randomDigits(1), clock.clock());
    ProviderServer first(book, {}, [](const std::string&) {});
    const auto port = first.start(0);
    ASSERT_TRUE(port);
    ProviderServer second(book, {}, [](const std::string&) {});
    EXPECT_FALSE(second.start(*port));
}

}  // namespace
}  // namespace quintara::provider::testing
