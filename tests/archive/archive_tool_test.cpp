// quintara-archive run as a process, on real SQLite files and real day files.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sqlite3.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>

#include "archive/draw_archive.h"
#include "draws/history_feed.h"
#include "support/tool_process.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;
using testing::fileBytes;
using testing::putFile;
using testing::ToolRun;

// Real past draws: a holiday without draws, a day of 120 draws, days missing
// 102 and 103 and 015, 020, 112 and 114 (and 117 on), a day of 59 draws, and
// a day of 5 draws, 045 to 049.
const fs::path kDayFiles = fs::path(__FILE__).parent_path() / "data";

class ArchiveTool : public ::testing::Test {
protected:
    [[nodiscard]] ToolRun run(const std::vector<std::string>& arguments) const {
        return testing::runTool(QUINTARA_ARCHIVE_PROGRAM, arguments, folder);
    }
    // Imports into an archive of its own; its draws as CSV.
    [[nodiscard]] std::string reimported(const std::string& file, const std::string& into) const {
        EXPECT_EQ(run({"import", "--archive", into, file}).status, 0);
        return run({"export", "--archive", into}).out;
    }

    testing::ScratchFolder folder;
    std::string archive = folder.file("draws.sqlite");
};

TEST_F(ArchiveTool, RealDayFilesGiveTheirDaysMissingIssuesAndEnds) {
    // Into the default archive, under the scratch folder's XDG_DATA_HOME.
    const ToolRun imported = run({"import", kDayFiles.string()});
    ASSERT_EQ(imported.status, 0) << imported.err;
    const std::string folderName = kDayFiles.string() + "/";
    EXPECT_EQ(imported.out, folderName + "20180218.txt: 0 added, 0 held, 0 conflicting, 0 rejected\n" + folderName +
                                "20181101.txt: 120 added, 0 held, 0 conflicting, 0 rejected\n" + folderName +
                                "20181215.txt: 118 added, 0 held, 0 conflicting, 0 rejected\n" + folderName +
                                "20190106.txt: 112 added, 0 held, 0 conflicting, 0 rejected\n" + folderName +
                                "20190212.txt: 59 added, 0 held, 0 conflicting, 0 rejected\n" + folderName +
                                "20190330.txt: 5 added, 0 held, 0 conflicting, 0 rejected\n");
    EXPECT_EQ(imported.err, "");

    const ToolRun info = run({"info", "--format", "json"});
    ASSERT_EQ(info.status, 0) << info.err;
    const auto summary = nlohmann::ordered_json::parse(info.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : summary.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"draws", "first", "last", "days", "missing", "conflicts", "bytes"}));
    EXPECT_EQ(summary["draws"], 414);
    EXPECT_EQ(summary["first"], "20181101-001");
    EXPECT_EQ(summary["last"], "20190330-049");
    EXPECT_EQ(summary["days"], 5);
    EXPECT_EQ(summary["missing"], 2 + 4 + 44);
    EXPECT_EQ(summary["bytes"], fs::file_size(folder.path() / "quintara" / "draws.sqlite"));

    const ToolRun again = run({"import", (kDayFiles / "20190212.txt").string()});
    EXPECT_TRUE(again.out.ends_with("20190212.txt: 0 added, 59 held, 0 conflicting, 0 rejected\n")) << again.out;
    // The sources themselves miss issues: they are told, and fail only a strict check.
    const ToolRun check = run({"check"});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(run({"check", "--strict"}).status, 1);
    EXPECT_NE(check.out.find("integrity check: ok\nmissing issues: 50\n20181215-102\n20181215-103\n20190106-015\n"),
              std::string::npos)
        << check.out;
    EXPECT_TRUE(check.out.ends_with("20190330-044\nconflicts: 0\n")) << check.out;

    ASSERT_EQ(run({"import", "--archive", archive, (kDayFiles / "20181101.txt").string()}).status, 0);
    EXPECT_EQ(run({"check", "--archive", archive}).status, 0);
}

TEST_F(ArchiveTool, RejectedLinesGoToStandardErrorAndOtherDigitsAreKeptApart) {
    putFile(folder.file("a.csv"), "issue,digits\n20190101-001,12345\n20190101-002,1234\n20190132-003,12345\n");
    const ToolRun imported = run({"import", "--archive", archive, folder.file("a.csv")});
    EXPECT_EQ(imported.status, 1);  // the draw it could take is taken all the same
    EXPECT_EQ(imported.out, folder.file("a.csv") + ": 1 added, 0 held, 0 conflicting, 2 rejected\n");
    EXPECT_EQ(imported.err, folder.file("a.csv") + ":3: the digits \"1234\" are not five digits 0-9\n" +
                                folder.file("a.csv") +
                                ":4: the issue \"20190132-003\" is no YYYYMMDD-NNN of a real date and a sequence "
                                "001 to 999\n");

    putFile(folder.file("b.csv"), "20190101001,99999\n20190101-002,22222\n");
    const ToolRun conflicting = run({"import", "--archive", archive, folder.file("b.csv")});
    EXPECT_EQ(conflicting.out, folder.file("b.csv") + ": 1 added, 0 held, 1 conflicting, 0 rejected\n");
    EXPECT_EQ(conflicting.status, 1);
    EXPECT_EQ(run({"export", "--archive", archive}).out, "issue,digits\n20190101-001,12345\n20190101-002,22222\n");
    const ToolRun check = run({"check", "--archive", archive});
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.out.find("conflicts: 1\n20190101-001: held 12345 (import), arrived 99999 (import) at "),
              std::string::npos)
        << check.out;
}

TEST_F(ArchiveTool, ExportsComeBackAsTheSameDraws) {
    ASSERT_EQ(run({"import", "--archive", archive, kDayFiles.string()}).status, 0);
    const std::string csv = run({"export", "--archive", archive}).out;
    const std::string feed = run({"export", "--archive", archive, "--format", "feed"}).out;
    putFile(folder.file("export.csv"), csv);
    putFile(folder.file("export.xml"), feed);
    EXPECT_EQ(reimported(folder.file("export.csv"), folder.file("csv.sqlite")), csv);
    EXPECT_EQ(reimported(folder.file("export.xml"), folder.file("feed.sqlite")), csv);
    // The program's own parsing reads the feed, newest first.
    const std::vector<std::string> entries = parseHistoryFeed(feed);
    ASSERT_EQ(entries.size(), 414U);
    EXPECT_EQ(entries.front(), "20190330-04995460");
    EXPECT_EQ(entries.back(), "20181101-00182696");

    EXPECT_EQ(run({"export", "--archive", archive, "--from", "20190212-058", "--to", "20190330045"}).out,
              "issue,digits\n20190212-058,77673\n20190212-059,07102\n20190330-045,31674\n");
    EXPECT_EQ(run({"export", "--archive", archive, "--from", "20190330-049", "--format", "json"}).out,
              "[\n{\"issue\":\"20190330-049\",\"digits\":\"95460\"}\n]\n");
}

TEST_F(ArchiveTool, ArchivesItCannotKeepAreLeftAloneAndBadArgumentsNamed) {
    const std::string garbage(8192, '\x5a');
    putFile(archive, garbage);
    for (const std::string command : {"import", "export", "info", "check"}) {
        std::vector<std::string> arguments{command, "--archive", archive};
        if (command == "import") arguments.push_back(kDayFiles.string());
        const ToolRun refused = run(arguments);
        EXPECT_EQ(refused.status, 1) << command;
        EXPECT_EQ(refused.err, "quintara-archive: " + archive + ": file is not a database\n") << command;
        EXPECT_EQ(refused.out, "") << command;
    }
    EXPECT_EQ(fileBytes(archive), garbage);
    EXPECT_EQ(run({"info", "--archive", folder.file("none.sqlite")}).err,
              "quintara-archive: " + folder.file("none.sqlite") + ": no such file\n");

    // Another program's database gains nothing, whatever is asked of it.
    const std::string contacts = folder.file("contacts.sqlite");
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(contacts.c_str(), &raw), SQLITE_OK);
    sqlite3_exec(raw, "CREATE TABLE contacts (name TEXT)", nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    const std::string theirs = fileBytes(contacts);
    for (const std::string command : {"import", "export", "info", "check"}) {
        std::vector<std::string> arguments{command, "--archive", contacts};
        if (command == "import") arguments.push_back(kDayFiles.string());
        const ToolRun refused = run(arguments);
        EXPECT_EQ(refused.status, 1) << command;
        EXPECT_EQ(refused.err, "quintara-archive: " + contacts +
                                   ": another program's database (it holds the tables contacts)\n")
            << command;
    }
    EXPECT_EQ(fileBytes(contacts), theirs);
    // A folder that is named is not made.
    const ToolRun nowhere = run({"import", "--archive", folder.file("nowhere/x.sqlite"), kDayFiles.string()});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_FALSE(fs::exists(folder.file("nowhere")));

    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {}, {"import"}, {"import", folder.file("missing.csv")}, {"export", "--from", "20190229-001"},
             {"export", "--format", "xml"}, {"info", "--format", "csv"}}) {
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_TRUE(result.err.starts_with("quintara-archive: ")) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
    const ToolRun unknown = run({"frob"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.starts_with("quintara-archive: unknown command: frob")) << unknown.err;
}

TEST_F(ArchiveTool, AnImportEndsWith0OnlyWhenEveryDrawItReadWasTakenOrHeld) {
    putFile(folder.file("binary.csv"), std::string("\x00\x01\x02\xff\n\x7f\x80", 7));
    putFile(folder.file("noise.xml"), std::string(4096, '\x3c'));
    fs::create_directory(folder.path() / "empty");
    for (const std::string& named : {folder.file("binary.csv"), folder.file("noise.xml"), folder.file("empty")}) {
        const ToolRun imported = run({"import", "--archive", archive, named});
        EXPECT_EQ(imported.status, 1) << named;
        EXPECT_FALSE(imported.err.empty()) << named;
    }
    // A holiday's day file holds no draw: told, and no failure beside others.
    EXPECT_EQ(run({"import", "--archive", archive, (kDayFiles / "20180218.txt").string()}).status, 1);
    EXPECT_EQ(run({"import", "--archive", archive, (kDayFiles / "20180218.txt").string(),
                   (kDayFiles / "20190330.txt").string()})
                  .status,
              0);
    EXPECT_EQ(run({"import", "--archive", archive, (kDayFiles / "20190330.txt").string()}).status, 0);  // held
}

// Starts the tool with its standard output on a pipe and its standard
// error on /dev/null (open, so that no file of SQLite's becomes descriptor 2).
pid_t startTool(const std::vector<std::string>& arguments, FILE*& out) {
    int ends[2];
    if (::pipe(ends) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(ends[1], STDOUT_FILENO);
        ::dup2(::open("/dev/null", O_WRONLY), STDERR_FILENO);
        ::close(ends[0]);
        std::vector<char*> argv{const_cast<char*>(QUINTARA_ARCHIVE_PROGRAM)};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(ends[1]);
    out = ::fdopen(ends[0], "r");
    return child;
}

TEST_F(ArchiveTool, AnImportKilledMidwayKeepsEveryReportedFileWholeAndNoFilePartly) {
    constexpr int kDays = 2000;
    const fs::path days = folder.path() / "days";
    fs::create_directory(days);
    for (int day = 0; day < kDays; ++day) {
        char name[16];
        std::snprintf(name, sizeof name, "%04d%02d%02d.txt", 2030 + day / 336, day / 28 % 12 + 1, day % 28 + 1);
        std::string lines;
        for (int sequence = 1; sequence <= 120; ++sequence) {
            char line[16];
            std::snprintf(line, sizeof line, "%03d %05d\n", sequence, (day * 120 + sequence) * 7 % 100000);
            lines += line;
        }
        putFile((days / name).string(), lines);
    }

    FILE* out = nullptr;
    const pid_t tool = startTool({"import", "--archive", archive, days.string()}, out);
    ASSERT_GT(tool, 0);
    std::vector<std::string> reported;
    char line[512];
    while (reported.size() < 5 && std::fgets(line, sizeof line, out) != nullptr) reported.emplace_back(line);
    ::kill(tool, SIGKILL);
    while (std::fgets(line, sizeof line, out) != nullptr) reported.emplace_back(line);
    std::fclose(out);
    int status = 0;
    ::waitpid(tool, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the import ended before it was killed";
    ASSERT_GE(reported.size(), 5U);

    const DrawArchive opened(archive);
    EXPECT_TRUE(opened.integrityProblems().empty());
    std::map<std::string, int> drawsOfDay;
    for (const Draw& draw : opened.oldestFirst()) ++drawsOfDay[draw.issue.substr(0, 8)];
    for (const std::string& report : reported) {
        const std::string date = fs::path(report.substr(0, report.find(':'))).stem().string();
        EXPECT_EQ(drawsOfDay[date], 120) << report;
    }
    // The file being recorded when the kill came is in whole or not at all.
    for (const auto& [date, count] : drawsOfDay) EXPECT_EQ(count, 120) << date;
    EXPECT_LE(drawsOfDay.size(), reported.size() + 1);
}

}  // namespace
}  // namespace quintara
