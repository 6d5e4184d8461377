#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/main_window_names.h"
#include "controls/memory_controls.h"
#include "shell/main_window_layout.h"
#include "shell/startup/online_count.h"
#include "support/fake_platform.h"

namespace quintara {
namespace {

class OnlineCountTest : public ::testing::Test {
protected:
    [[nodiscard]] std::string count() const { return window->label(names::kOnlineCountLabel).caption(); }

    std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    testing::FakePlatform platform;
};

TEST_F(OnlineCountTest, SeedsFromTheTickCountAndWritesTheFourDigitsDrawn) {
    platform.ticks = 123456;
    platform.scriptedRandom = {0, 0, 3, 7};
    onlineCountTick(*window, platform);
    EXPECT_EQ(platform.seeds, std::vector<std::uint32_t>{123456});
    EXPECT_EQ(count(), "6587");
}

TEST_F(OnlineCountTest, EachTickWritesANewCount) {
    platform.scriptedRandom = {0, 0, 0, 0, 0, 0, 4, 1, 0, 0, 2, 9};
    std::vector<std::string> counts;
    for (int tick = 0; tick < 3; ++tick) {
        platform.ticks += 60000;
        onlineCountTick(*window, platform);
        counts.push_back(count());
    }
    EXPECT_EQ(counts, (std::vector<std::string>{"6550", "6591", "6579"}));
    EXPECT_EQ(platform.seeds, (std::vector<std::uint32_t>{60000, 120000, 180000}));
}

TEST_F(OnlineCountTest, TheRealGeneratorStaysWithin6550To6599) {
    std::set<std::string> seen;
    for (std::uint32_t tick = 0; tick < 2000; ++tick) {
        platform.ticks = tick * 60001U;
        onlineCountTick(*window, platform);
        const std::string shown = count();
        ASSERT_EQ(shown.size(), 4U) << shown;
        ASSERT_GE(std::stoi(shown), 6550) << shown;
        ASSERT_LE(std::stoi(shown), 6599) << shown;
        seen.insert(shown);
    }
    EXPECT_GT(seen.size(), 40U);  // the whole range comes up, not one value
}

}  // namespace
}  // namespace quintara
