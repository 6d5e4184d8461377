// The draw archive on real SQLite files in a scratch folder.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include "archive/archive_error.h"
#include "archive/archive_summary.h"
#include "archive/draw_archive.h"
#include "support/scratch_folder.h"

namespace quintara {
namespace {

using testing::fileBytes;
using testing::putFile;

std::vector<DrawView> viewsOf(const std::vector<Draw>& draws) {
    std::vector<DrawView> views;
    for (const Draw& draw : draws) views.push_back({draw.issue, draw.text});
    return views;
}

std::vector<std::string> issuesOf(const std::vector<Draw>& draws) {
    std::vector<std::string> issues;
    for (const Draw& draw : draws) issues.push_back(draw.issue);
    return issues;
}

mode_t modeOf(const std::filesystem::path& path) {
    struct stat info{};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

class DrawArchiveTest : public ::testing::Test {
protected:
    testing::ScratchFolder folder;
    std::filesystem::path file = folder.path() / "draws.sqlite";
};

TEST_F(DrawArchiveTest, KeepsEachIssueOnceAndNeverOverwritesItsDigits) {
    DrawArchive archive(file);
    const std::vector<Draw> first{{"20190101-002", "12345"}, {"20190101-001", "67890"}};
    EXPECT_EQ(archive.record(viewsOf(first), DrawOrigin::Feed, 100), (RecordCounts{.added = 2}));

    const std::vector<Draw> again{{"20190101-003", "11111"}, {"20190101-002", "12345"}, {"20190101-001", "99999"}};
    EXPECT_EQ(archive.record(viewsOf(again), DrawOrigin::Api, 200),
              (RecordCounts{.added = 1, .held = 1, .conflicting = 1}));
    // The same other digits again make no second conflict.
    archive.record(viewsOf({{"20190101-001", "99999"}}), DrawOrigin::List, 300);

    EXPECT_EQ(issuesOf(archive.newest(2)), (std::vector<std::string>{"20190101-003", "20190101-002"}));
    EXPECT_EQ(archive.oldestFirst().front().text, "67890");
    EXPECT_EQ(issuesOf(archive.oldestFirst("20190101-002", "20190101-002")),
              std::vector<std::string>{"20190101-002"});
    const std::vector<ArchiveConflict> conflicts = archive.conflicts();
    ASSERT_EQ(conflicts.size(), 1U);
    EXPECT_EQ(conflicts[0].held, "67890");
    EXPECT_EQ(conflicts[0].arrived, "99999");
    EXPECT_EQ(conflicts[0].heldOrigin, "feed");
    EXPECT_EQ(conflicts[0].arrivedOrigin, "api");
}

TEST_F(DrawArchiveTest, LastsAcrossOpeningsInAPrivateFolderAndFile) {
    // Only the default place's folder is made; a folder that is named must be there.
    const std::filesystem::path standard = folder.path() / "quintara" / "draws.sqlite";
    EXPECT_THROW(DrawArchive{standard}, ArchiveError);
    EXPECT_FALSE(std::filesystem::exists(standard.parent_path()));
    DrawArchive(ArchivePlace{.file = standard, .makeFolder = true})
        .record(viewsOf({{"20190101-001", "67890"}}), DrawOrigin::Import, 1);
    EXPECT_EQ(modeOf(standard.parent_path()), 0700U);
    EXPECT_EQ(modeOf(standard), 0600U);
    const DrawArchive reading(standard, DrawArchive::Access::ReadOnly);
    EXPECT_EQ(reading.drawCount(), 1);
    EXPECT_TRUE(reading.integrityProblems().empty());
}

TEST_F(DrawArchiveTest, AnEmptyFileIsANewArchive) {
    putFile(file.string(), "");
    EXPECT_EQ(DrawArchive(file).drawCount(), 0);
}

TEST_F(DrawArchiveTest, RefusesAndLeavesAloneWhatItCannotKeep) {
    const std::string garbage(8192, '\x5a');
    putFile(file.string(), garbage);
    EXPECT_THROW(DrawArchive{file}, ArchiveError);
    EXPECT_EQ(fileBytes(file.string()), garbage);

    // An archive of a version this program does not know yet.
    std::filesystem::remove(file);
    DrawArchive(file).record(viewsOf({{"20190101-001", "67890"}}), DrawOrigin::Import, 1);
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &raw), SQLITE_OK);
    sqlite3_exec(raw, "PRAGMA journal_mode = DELETE; PRAGMA user_version = 99", nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    const std::string newer = fileBytes(file.string());
    try {
        const DrawArchive refused(file);
        ADD_FAILURE() << "a newer archive was opened";
    } catch (const ArchiveError& error) {
        EXPECT_NE(std::string(error.what()).find("version 99"), std::string::npos) << error.what();
    }
    EXPECT_EQ(fileBytes(file.string()), newer);

    // A folder that cannot be made: under a file.
    EXPECT_THROW(DrawArchive(ArchivePlace{.file = file / "x" / "x.sqlite", .makeFolder = true}), ArchiveError);
}

TEST_F(DrawArchiveTest, SummarizesDaysAndTheSequencesMissingUpToEachDaysLastDraw) {
    DrawArchive archive(file);
    archive.record(viewsOf({{"20190101-001", "11111"}, {"20190101-004", "22222"}, {"20190103-002", "33333"},
                            {"20190103-003", "44444"}}),
                   DrawOrigin::Import, 1);
    archive.record(viewsOf({{"20190103-003", "55555"}}), DrawOrigin::Api, 2);
    const ArchiveSummary summary = summarize(archive);
    EXPECT_EQ(summary.draws, 4);
    EXPECT_EQ(summary.first, "20190101-001");
    EXPECT_EQ(summary.last, "20190103-003");
    EXPECT_EQ(summary.days, 2);
    EXPECT_EQ(summary.missing, 3);
    EXPECT_EQ(summary.conflicts, 1);
    EXPECT_GT(summary.bytes, 0U);
    EXPECT_EQ(missingIssues(archive),
              (std::vector<std::string>{"20190101-002", "20190101-003", "20190103-001"}));
}

TEST_F(DrawArchiveTest, KeepsTheAlertRulesAndTheNewestThousandAlerts) {
    {
        DrawArchive archive(file);
        EXPECT_EQ(archive.alertRules(), std::nullopt);
        archive.saveAlertRules(R"([{"when":"silence","minutes":5}])");
        archive.saveAlertRules(R"([])");
        std::vector<AlertLogEntry> alerts;
        for (int alert = 0; alert < 1005; ++alert) alerts.push_back({"key " + std::to_string(alert), std::to_string(alert)});
        EXPECT_EQ(archive.logAlerts(alerts, 7), std::vector<bool>(1005, true));
        // Fired again, by this program or another: logged once.
        EXPECT_EQ(archive.logAlerts(std::vector<AlertLogEntry>{{"key 1004", "again"}, {"key 1005", "1005"}}, 8),
                  (std::vector<bool>{false, true}));
    }
    const DrawArchive reading(file, DrawArchive::Access::ReadOnly);
    EXPECT_EQ(reading.alertRules(), "[]");
    const std::vector<std::string> log = reading.alertLog();
    ASSERT_EQ(log.size(), 1000U);
    EXPECT_EQ(log.front(), "1005");
    EXPECT_EQ(log.back(), "6");
}

TEST_F(DrawArchiveTest, AnArchiveOfTheFirstVersionGainsTheAlertTablesKeepingItsDraws) {
    DrawArchive(file).record(viewsOf({{"20190101-001", "67890"}}), DrawOrigin::Feed, 1);
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw, "DROP TABLE settings; DROP TABLE alert_log; PRAGMA user_version = 1",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);
    DrawArchive archive(file);
    archive.saveAlertRules("[]");
    EXPECT_EQ(archive.alertRules(), "[]");
    EXPECT_EQ(archive.drawCount(), 1);
}

}  // namespace
}  // namespace quintara
