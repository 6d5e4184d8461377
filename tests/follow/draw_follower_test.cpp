// The core that follows draws, on real archives and a loopback host whose
// sources the test writes: the order of issues across years, decades and
// short days, two programs on one archive, and files that are not its own.
#include "follow/draw_follower.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "draws/history_feed.h"
#include "sources/network_providers.h"
#include "support/fake_platform.h"
#include "support/latest_draw_host.h"
#include "support/scratch_folder.h"

namespace quintara {
namespace {

using testing::listOf;

// A feed document of (11-digit issue, code) draws given newest first.
std::string feedOf(const std::vector<std::pair<std::string, std::string>>& newestFirst) {
    std::string feed;
    for (auto draw = newestFirst.rbegin(); draw != newestFirst.rend(); ++draw) {
        feed += "<row expect=\"" + draw->first.substr(2) + "\" opencode=\"" + draw->second + "\" opentime=\"x\"/>\n";
    }
    return feed;
}

std::vector<std::string> issuesOf(const FollowedHistory& history) {
    std::vector<std::string> issues;
    for (const Draw& draw : history.draws()) issues.push_back(draw.issue);
    return issues;
}

// One program following draws: its own host, the archive it shares.
struct Follower {
    Follower(const std::filesystem::path& archive, std::chrono::milliseconds busy = std::chrono::milliseconds(200))
        : follower(platform, providers, ArchivePlace{.file = archive, .busyTimeout = busy}) {}

    [[nodiscard]] long asked(std::string_view path) {
        const std::vector<std::string> requests = host.requests();
        return std::count_if(requests.begin(), requests.end(),
                             [path](const std::string& request) { return request.starts_with(path); });
    }

    testing::FakePlatform platform;
    testing::LatestDrawHost host;
    NetworkProviders providers{ProviderHosts::allAt(host.host()), platform};
    DrawFollower follower;
};

class DrawFollowerTest : public ::testing::Test {
protected:
    // The archive holds the draws, newest first, as if kept by an earlier run.
    void keep(const std::vector<Draw>& draws) {
        std::vector<DrawView> views;
        for (const Draw& draw : draws) views.push_back({draw.issue, draw.text});
        DrawArchive(file).record(views, DrawOrigin::Import, 0);
    }

    testing::ScratchFolder folder;
    std::filesystem::path file = folder.path() / "draws.sqlite";
};

TEST_F(DrawFollowerTest, AnArchiveOf2019TakesTodaysDrawsWhateverTheirSequences) {
    keep({{"20191219-053", "53535"}, {"20191219-052", "52525"}});
    Follower today(file);
    today.platform.now = {2026, 12, 9, 10, 0, 0};
    today.host.set(kNewlyOpenListPath, listOf({{"20261209002", "2,2,2,2,2"}, {"20261209001", "1,1,1,1,1"}}));
    today.host.set(kHistoryFeedPath, feedOf({{"20261209002", "2,2,2,2,2"}, {"20261209001", "1,1,1,1,1"}}));
    ASSERT_TRUE(today.follower.start().changed());
    // The lottery API, asked for today's 054, has nothing: the list's oldest
    // draw after the archive's newest opens a gap only the feed can close.
    const HistoryChange change = today.follower.poll();
    EXPECT_EQ(change.kind, HistoryChange::Kind::OnTop);
    EXPECT_EQ(change.added, 2U);
    EXPECT_EQ(change.missing, 0);
    EXPECT_EQ(issuesOf(today.follower.history()),
              (std::vector<std::string>{"20261209-002", "20261209-001", "20191219-053", "20191219-052"}));
    EXPECT_EQ(DrawArchive(file).newest(1).front().issue, "20261209-002");

    // The feed gone too, the next draw follows on and needs none.
    today.host.drop(kHistoryFeedPath);
    today.host.set(kNewlyOpenListPath, listOf({{"20261209003", "3,3,3,3,3"}, {"20261209002", "2,2,2,2,2"}}));
    EXPECT_EQ(today.follower.poll().added, 1U);
    EXPECT_EQ(today.follower.history().newestIssue(), "20261209-003");
}

TEST_F(DrawFollowerTest, WithTheFeedAndTheApiDownAGapWaitsTwoPollsThenItsDrawGoesIn) {
    keep({{"20191219-053", "53535"}});
    Follower today(file);
    today.host.set(kNewlyOpenListPath, listOf({{"20261209005", "5,5,5,5,5"}}));
    today.follower.start();
    EXPECT_FALSE(today.follower.poll().changed());
    EXPECT_FALSE(today.follower.poll().changed());
    const HistoryChange taken = today.follower.poll();
    EXPECT_EQ(taken.added, 1U);
    EXPECT_EQ(taken.missing, 4);  // today's 001 to 004
    EXPECT_EQ(today.asked(kHistoryFeedPath), 3);
}

TEST_F(DrawFollowerTest, TheDecadeTurnsAndADayOf59DrawsEndsWithoutAHole) {
    keep({{"20291231-120", "12012"}});
    Follower decade(file);
    decade.host.set(kNewlyOpenListPath, listOf({{"20300101001", "0,0,0,0,1"}}));
    decade.follower.start();
    EXPECT_EQ(decade.follower.poll().added, 1U);
    EXPECT_EQ(decade.follower.history().newestIssue(), "20300101-001");
    EXPECT_EQ(decade.asked(kHistoryFeedPath), 0);  // the successor needs no feed

    const std::filesystem::path shortDays = folder.path() / "short.sqlite";
    DrawArchive(shortDays).record(std::vector<DrawView>{{"20190211-059", "59595"}}, DrawOrigin::Import, 0);
    Follower schedule(shortDays);
    schedule.host.set(kNewlyOpenListPath, listOf({{"20190212001", "1,1,1,1,1"}}));
    schedule.host.set(kHistoryFeedPath, feedOf({{"20190212001", "1,1,1,1,1"}, {"20190211059", "5,9,5,9,5"}}));
    schedule.follower.start();
    const HistoryChange change = schedule.follower.poll();
    EXPECT_EQ(change.added, 1U);
    EXPECT_EQ(change.missing, 0);
}

TEST_F(DrawFollowerTest, TwoProgramsOnOneArchiveSeeEachOthersDrawsAndRulesAndLogEachAlertOnce) {
    keep({{"20261209-074", "74747"}, {"20261209-073", "31415"}, {"20261209-072", "92653"},
          {"20261209-071", "58979"}});
    Follower window(file);
    Follower watcher(file);
    window.follower.start();
    watcher.follower.start();

    // Every 万 digit that was drawn and is absent now alerts: 3, 9 and 5.
    const std::vector<AlertRule> rules =
        readAlertRules(R"([{"list":"超级列表框_万遗漏","item":"*","when":"current","at_least":1}])").rules;
    EXPECT_EQ(window.follower.changeRules(rules), std::nullopt);
    const std::vector<AlertRecord> toldByWindow = window.follower.evaluateAlerts();
    EXPECT_EQ(toldByWindow.size(), 3U);

    // The watcher takes the rules at its next poll; what they fire the window
    // has logged and told already.
    HistoryChange seen = watcher.follower.poll();
    EXPECT_TRUE(seen.rulesTaken);
    EXPECT_TRUE(seen.alerts.empty());
    ASSERT_NE(watcher.follower.alertWatch(), nullptr);
    EXPECT_EQ(watcher.follower.alertWatch()->rules(), rules);

    // A draw the window polled is the watcher's at its next poll, without a
    // source asked; its alerts are logged and told once, by the window.
    window.host.set(kNewlyOpenListPath, listOf({{"20261209075", "0,7,5,7,5"}}));
    const HistoryChange polled = window.follower.poll();
    ASSERT_EQ(polled.added, 1U);
    EXPECT_EQ(polled.alerts.size(), 1U);  // 7, absent from now on
    const long watcherAsked = watcher.host.requests().size();
    seen = watcher.follower.poll();
    EXPECT_TRUE(seen.recordedElsewhere);
    EXPECT_EQ(seen.added, 1U);
    EXPECT_EQ(watcher.follower.history().newestIssue(), "20261209-075");
    EXPECT_EQ(static_cast<long>(watcher.host.requests().size()), watcherAsked);
    EXPECT_TRUE(seen.alerts.empty());
    EXPECT_EQ(watcher.follower.archive()->alertLog().size(), toldByWindow.size() + polled.alerts.size());
    // Nothing new since: the next poll asks the sources again.
    EXPECT_FALSE(watcher.follower.poll().changed());
    EXPECT_GT(static_cast<long>(watcher.host.requests().size()), watcherAsked);
}

TEST_F(DrawFollowerTest, AnotherProgramsDatabaseIsLeftByteForByteAndNothingIsKept) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &raw), SQLITE_OK);
    sqlite3_exec(raw, "CREATE TABLE contacts (name TEXT); INSERT INTO contacts VALUES ('someone')", nullptr,
                 nullptr, nullptr);
    sqlite3_close(raw);
    const std::string before = testing::fileBytes(file.string());

    Follower window(file);
    window.host.set(kHistoryFeedPath, feedOf({{"20261209001", "1,1,1,1,1"}}));
    EXPECT_FALSE(window.follower.start().changed());
    EXPECT_NE(window.follower.archiveError().find("contacts"), std::string::npos) << window.follower.archiveError();
    ASSERT_TRUE(window.follower.reload());
    EXPECT_EQ(window.follower.history().newestIssue(), "20261209-001");
    EXPECT_EQ(window.follower.archive(), nullptr);
    EXPECT_EQ(testing::fileBytes(file.string()), before);
    EXPECT_FALSE(std::filesystem::exists(file.string() + "-wal"));
}

TEST_F(DrawFollowerTest, DrawsHeldWhileTheArchiveIsBusyAreWrittenAtTheNextPoll) {
    keep({{"20261209-001", "11111"}});
    Follower window(file, std::chrono::milliseconds(50));
    window.follower.start();
    auto other = std::make_unique<SQLite::Database>(file, SQLite::OPEN_READWRITE);
    other->exec("BEGIN EXCLUSIVE");
    window.host.set(kNewlyOpenListPath, listOf({{"20261209002", "2,2,2,2,2"}}));
    EXPECT_EQ(window.follower.poll().added, 1U);
    EXPECT_EQ(window.follower.unsaved(), 1);
    EXPECT_NE(window.follower.saveFailure().find("locked"), std::string::npos) << window.follower.saveFailure();
    EXPECT_FALSE(window.follower.saveHeld());

    other->exec("ROLLBACK");
    other.reset();
    window.follower.poll();
    EXPECT_EQ(window.follower.unsaved(), 0);
    EXPECT_EQ(window.follower.saveFailure(), "");
    EXPECT_EQ(DrawArchive(file).newest(1).front().issue, "20261209-002");
}

}  // namespace
}  // namespace quintara
