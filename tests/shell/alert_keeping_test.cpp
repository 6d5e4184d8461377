// The window holds its alert rules against the lists after every change of
// the history, hands what fires to its sink and logs it in the archive, and
// keeps the rules there for the next start.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/memory_controls.h"
#include "shell/application.h"
#include "shell/main_window_layout.h"
#include "shell/main_window_names.h"
#include "support/fake_platform.h"
#include "support/fake_providers.h"
#include "support/fake_startup_extras.h"
#include "support/scratch_folder.h"

namespace quintara {
namespace {

// What the user would be told, in order.
class HeardAlerts : public AlertSink {
public:
    void alertsFired(std::span<const AlertRecord> alerts) override {
        for (const AlertRecord& alert : alerts) texts.push_back(alert.text);
    }
    std::vector<std::string> texts;
};

std::vector<AlertRule> rulesOf(const std::string& json) { return readAlertRules(json).rules; }

class AlertKeepingTest : public ::testing::Test {
protected:
    // A new window and program over the same archive, as after a restart.
    void start(std::optional<std::vector<AlertRule>> rules) {
        application.reset();
        window = makeMemoryWindow(mainWindowLayout());
        application = std::make_unique<Application>(*window, platform, providers, extras, ArchivePlace{file});
        application->keepAlerts(heard, std::move(rules));
        application->windowCreated();
    }
    void reload() { window->control<MemoryButton>(names::kUpdateButton).click(); }
    void poll(std::string entry) {
        providers.newer = std::move(entry);
        window->control<MemoryTimer>(names::kUpdateTimer).tick();
    }

    testing::ScratchFolder folder;
    std::filesystem::path file = folder.path() / "draws.sqlite";
    testing::FakePlatform platform;
    testing::PreparedProviders providers;
    testing::IdleStartupExtras extras;
    HeardAlerts heard;
    std::unique_ptr<Window> window;
    std::unique_ptr<Application> application;
};

TEST_F(AlertKeepingTest, ReloadsAndPollsFireTheRulesEvenWithoutAutomaticRefresh) {
    providers.feed = {"20180211-00291180", "20180211-00174443"};
    start(rulesOf(R"([{"list":"超级列表框_万遗漏","item":"7","when":"current","at_least":1}])"));
    window->checkBox(names::kAutoRefreshBox).setChecked(false);
    reload();
    EXPECT_EQ(heard.texts, std::vector<std::string>{"万位 7 已遗漏 1 期（最大遗漏 1 期，遗漏概率 90.00%）"});
    EXPECT_EQ(window->listView(names::kPositionOmissionLists[0]).itemCount(), 0);  // lists left alone
    poll("20180211-00355555");
    EXPECT_EQ(heard.texts.size(), 1U);  // still absent: no second alert
    poll("20180211-00476543");
    poll("20180211-00512345");
    EXPECT_EQ(heard.texts.back(), "万位 7 已遗漏 1 期（最大遗漏 2 期，遗漏概率 90.00%）");
    EXPECT_EQ(application->archive()->alertLog().size(), 2U);
}

TEST_F(AlertKeepingTest, ChangedRulesFireAtOnceAndAreTheNextStartsRules) {
    providers.feed = {"20180211-00291180", "20180211-00174443"};
    start(std::nullopt);
    reload();
    EXPECT_TRUE(heard.texts.empty());  // no rules kept yet
    application->changeAlertRules(rulesOf(R"([{"list":"超级列表框_个遗漏","item":"3","when":"record"}])"));
    EXPECT_EQ(heard.texts, std::vector<std::string>{"个位 3 已遗漏 1 期（最大遗漏 1 期，遗漏概率 90.00%）"});

    heard.texts.clear();
    start(std::nullopt);  // the archive's rules, held against the draws it starts with
    EXPECT_EQ(application->alertRules().size(), 1U);
    // The alert of the same draw was logged and told before the restart.
    EXPECT_TRUE(heard.texts.empty());
    poll("20180211-00312343");  // 个位 3 shows
    poll("20180211-00412345");  // and is absent again: a new alert
    EXPECT_EQ(heard.texts, std::vector<std::string>{"个位 3 已遗漏 1 期（最大遗漏 1 期，遗漏概率 90.00%）"});
}

TEST_F(AlertKeepingTest, SilenceIsHeardOnceWhilePolling) {
    providers.feed = {"20180211-00174443"};
    start(rulesOf(R"([{"when":"silence","minutes":2}])"));
    platform.now = {2026, 12, 8, 14, 0, 0};
    reload();
    platform.now = {2026, 12, 8, 14, 1, 59};
    poll("");
    EXPECT_TRUE(heard.texts.empty());
    platform.now = {2026, 12, 8, 14, 2, 0};
    poll("");
    platform.now = {2026, 12, 8, 14, 5, 0};
    poll("");
    ASSERT_EQ(heard.texts.size(), 1U);
    EXPECT_EQ(heard.texts[0], "已 2 分钟没有新开奖（最新一期 20180211-001）");
}

}  // namespace
}  // namespace quintara
