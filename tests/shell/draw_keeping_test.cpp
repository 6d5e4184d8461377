// The window keeps its draws in a real archive file: a second start shows
// them, a reload merges the feed into them, polls record with their sources'
// origins, and an archive that fails never stops the window.
#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "archive/draw_archive.h"
#include "controls/memory_controls.h"
#include "shell/application.h"
#include "shell/main_window_layout.h"
#include "shell/main_window_names.h"
#include "stats/statistics_lists.h"
#include "support/fake_platform.h"
#include "support/fake_providers.h"
#include "support/fake_startup_extras.h"
#include "support/scratch_folder.h"

namespace quintara {
namespace {

using testing::fileBytes;

const std::vector<std::string> kFeed{"20180211-00691180", "20180211-00504443", "20180211-00437574"};

class DrawKeepingTest : public ::testing::Test {
protected:
    // A new window and program over the same archive, as after a restart.
    void start() {
        application.reset();
        window = makeMemoryWindow(mainWindowLayout());
        application = std::make_unique<Application>(*window, platform, providers, extras,
                                                    ArchivePlace{file, std::chrono::milliseconds(200)});
        application->windowCreated();
    }

    void reload() { window->control<MemoryButton>(names::kUpdateButton).click(); }
    void poll(std::string entry, LatestDrawSource source) {
        providers.newer = std::move(entry);
        providers.source = source;
        window->control<MemoryTimer>(names::kUpdateTimer).tick();
    }

    // The history's entries, newest first.
    [[nodiscard]] std::vector<std::string> held() const {
        std::vector<std::string> entries;
        const Grid& grid = window->grid(names::kDrawGrid);
        for (int row = 1; !grid.cell(row, 1).empty(); ++row) entries.push_back(grid.cell(row, 1) + grid.cell(row, 2));
        return entries;
    }
    // The archive's draws as entries, newest first, each with its origin.
    [[nodiscard]] std::vector<std::pair<std::string, std::string>> archived() const {
        SQLite::Database database(file, SQLite::OPEN_READONLY);
        SQLite::Statement query(database, "SELECT issue || digits, origin FROM draws ORDER BY issue DESC");
        std::vector<std::pair<std::string, std::string>> draws;
        while (query.executeStep()) draws.emplace_back(query.getColumn(0).getString(), query.getColumn(1).getString());
        return draws;
    }
    [[nodiscard]] std::vector<std::string> archivedEntries() const {
        std::vector<std::string> entries;
        for (const auto& [entry, origin] : archived()) entries.push_back(entry);
        return entries;
    }
    [[nodiscard]] std::string status() const { return window->statusBar(names::kStatusBar).partText(0); }
    [[nodiscard]] std::string caption(std::string_view label) const {
        return window->transparentLabel(label).caption();
    }

    testing::ScratchFolder folder;
    std::filesystem::path file = folder.path() / "draws.sqlite";
    testing::FakePlatform platform;
    testing::PreparedProviders providers;
    testing::IdleStartupExtras extras;
    std::unique_ptr<Window> window;
    std::unique_ptr<Application> application;
};

// The window as it stands when the version notice's box comes up over it.
class WindowUnderTheNotice : public NoStartupExtras {
public:
    explicit WindowUnderTheNotice(const std::unique_ptr<Window>& window) : window_(window) {}
    void runVersionNotice() override {
        newestIssue = window_->transparentLabel(names::kNewestIssueLabel).caption();
        gridRows = window_->grid(names::kDrawGrid).rowCount();
        listRows = window_->listView(names::kPositionOmissionLists[0]).itemCount();
    }

    std::string newestIssue;
    int gridRows = 0;
    int listRows = 0;

private:
    const std::unique_ptr<Window>& window_;
};

TEST_F(DrawKeepingTest, TheDrawsKeptFillTheWindowBeforeTheVersionNoticesBox) {
    DrawArchive(file).record(std::vector<DrawView>{{"20180211-002", "48550"}, {"20180211-001", "23780"}},
                             DrawOrigin::Feed, 1);
    window = makeMemoryWindow(mainWindowLayout());
    WindowUnderTheNotice notice(window);
    Application started(*window, platform, providers, notice, ArchivePlace{file});
    started.windowCreated();
    EXPECT_EQ(notice.newestIssue, "20180211-002");
    EXPECT_EQ(notice.gridRows, 4);  // the header, two draws, the empty row
    EXPECT_GT(notice.listRows, 0);
}

TEST_F(DrawKeepingTest, AFirstStartIsAsBeforeAndASecondShowsTheDrawsKeptWithoutAClick) {
    start();
    EXPECT_TRUE(held().empty());
    EXPECT_EQ(window->timer(names::kUpdateTimer).interval(), 0);
    providers.feed = kFeed;
    reload();
    EXPECT_EQ(held(), kFeed);

    start();
    EXPECT_EQ(held(), kFeed);
    EXPECT_EQ(window->grid(names::kDrawGrid).cellFont(3, 2), (CellFont{"宋体", 13}));
    EXPECT_EQ(caption(names::kNewestIssueLabel), "20180211-006");
    EXPECT_EQ(caption(names::kNewestDigitLabels[0]), "9");
    EXPECT_EQ(caption(names::kNewestDigitLabels[4]), "0");
    for (const std::string_view list : kStatisticsListNames) {
        EXPECT_GT(window->listView(list).itemCount(), 0) << list;
    }
    EXPECT_EQ(window->timer(names::kUpdateTimer).interval(), kPollingInterval);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DrawKeepingTest, AReloadPutsTheFeedAboveTheOlderDrawsKeptAndNoIssueTwice) {
    const std::vector<DrawView> older{{"20180210-120", "11111"}, {"20180211-004", "37574"}};
    DrawArchive(file).record(older, DrawOrigin::Import, 1);
    start();
    EXPECT_EQ(held(), (std::vector<std::string>{"20180211-00437574", "20180210-12011111"}));

    providers.feed = kFeed;
    reload();
    const std::vector<std::string> merged{"20180211-00691180", "20180211-00504443", "20180211-00437574",
                                          "20180210-12011111"};
    EXPECT_EQ(held(), merged);
    EXPECT_EQ(archivedEntries(), merged);
    EXPECT_EQ(archived()[0].second, "feed");
    EXPECT_EQ(archived()[2].second, "import");
}

TEST_F(DrawKeepingTest, PollsAndGapFillsRecordEachDrawWithWhereItCameFrom) {
    DrawArchive(file).record(std::vector<DrawView>{{"20180211-006", "91180"}}, DrawOrigin::Feed, 1);
    start();
    poll("20180211-00712345", LatestDrawSource::NewlyOpenList);
    // 010 does not follow 007: 008 and 009 come from the feed with it.
    providers.feed = {"20180211-01000010", "20180211-00900009", "20180211-00800008", "20180211-00712345"};
    poll("20180211-01000010", LatestDrawSource::FlashData);
    const std::vector<std::pair<std::string, std::string>> expected{{"20180211-01000010", "flash"},
                                                                    {"20180211-00900009", "feed"},
                                                                    {"20180211-00800008", "feed"},
                                                                    {"20180211-00712345", "list"},
                                                                    {"20180211-00691180", "feed"}};
    EXPECT_EQ(archived(), expected);

    // A source that gives a draw the history holds changes nothing.
    const std::vector<std::string> before = held();
    poll("20180211-00812345", LatestDrawSource::LotteryApi);
    EXPECT_EQ(held(), before);
    EXPECT_EQ(archived(), expected);
    EXPECT_EQ(caption(names::kNewestIssueLabel), "20180211-010");
}

TEST_F(DrawKeepingTest, AFailedWriteIsSaidOnceInTheStatusPartWhichMarksTheDrawsHeldUntilTheyGoIn) {
    start();
    providers.feed = kFeed;
    reload();

    // Another program holds the write lock past the busy time-out: as root
    // too, unlike a file made read-only.
    auto other = std::make_unique<SQLite::Database>(file, SQLite::OPEN_READWRITE);
    other->exec("BEGIN EXCLUSIVE");
    poll("20180211-00712345", LatestDrawSource::LotteryApi);
    EXPECT_EQ(status(), "【未存1期】提示：本地开奖库写入失败，开奖号码暂存内存");
    poll("20180211-00854321", LatestDrawSource::NewlyOpenList);
    EXPECT_EQ(status(), "【未存2期】提示：奖号于09:05:03成功更新");
    providers.feed = {"20180211-00900009", "20180211-00854321"};
    reload();
    EXPECT_EQ(held().size(), 6U);
    EXPECT_EQ(held().front(), "20180211-00900009");
    EXPECT_EQ(held().back(), "20180211-00437574");
    EXPECT_EQ(caption(names::kNewestIssueLabel), "20180211-009");
    // Background work never raises a box: the mark and its tool tip say it.
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(status(), "【未存3期】");
    const std::string tip = window->statusBar(names::kStatusBar).partToolTip(0);
    EXPECT_NE(tip.find("3期开奖号码未存入本地开奖库：" + file.string()), std::string::npos) << tip;
    EXPECT_EQ(archived().size(), 3U);

    other->exec("ROLLBACK");
    other.reset();
    poll("20180211-01000010", LatestDrawSource::LotteryApi);
    const std::vector<std::pair<std::string, std::string>> kept = archived();
    ASSERT_EQ(kept.size(), 7U);
    EXPECT_EQ(kept[0], (std::pair<std::string, std::string>{"20180211-01000010", "api"}));
    EXPECT_EQ(kept[1].second, "feed");
    EXPECT_EQ(kept[2].second, "list");
    EXPECT_EQ(kept[3].second, "api");
    EXPECT_EQ(archivedEntries(), held());
    EXPECT_EQ(status(), "提示：奖号于09:05:03成功更新");
    EXPECT_EQ(window->statusBar(names::kStatusBar).partToolTip(0).find("未存入"), std::string::npos);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DrawKeepingTest, AFileThatIsNoArchiveIsSaidAndLeftAloneAndTheWindowRunsAsBefore) {
    std::filesystem::create_directories(file.parent_path());
    const std::string garbage(4096, '\x17');
    testing::putFile(file.string(), garbage);
    start();
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_TRUE(platform.messages[0].text.starts_with("本地开奖库无法打开：" + file.string()))
        << platform.messages[0].text;

    providers.feed = kFeed;
    reload();
    poll("20180211-00712345", LatestDrawSource::LotteryApi);
    EXPECT_EQ(held().size(), 4U);
    EXPECT_EQ(caption(names::kNewestIssueLabel), "20180211-007");
    EXPECT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(fileBytes(file.string()), garbage);
}

}  // namespace
}  // namespace quintara
