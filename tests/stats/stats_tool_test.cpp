// quintara-stats run as a process, as a player's script runs it.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/tool_process.h"

namespace {

namespace fs = std::filesystem;

std::string contentsOf(const fs::path& path) {
    std::ostringstream contents;
    contents << std::ifstream(path, std::ios::binary).rdbuf();
    return contents.str();
}

// A feed document as the provider publishes it: one element per draw, oldest first.
std::string feedOf(const std::vector<std::string>& oldestFirst) {
    std::string feed = "<xml>\n";
    for (std::size_t draw = 0; draw < oldestFirst.size(); ++draw) {
        const std::string code = std::regex_replace(oldestFirst[draw], std::regex("\\B"), ",");
        feed += "<row expect=\"190101" + std::to_string(1001 + draw).substr(1) + "\" opencode=\"" + code +
                "\" opentime=\"2019-01-01 00:10:00\"/>\n";
    }
    return feed + "</xml>\n";
}

// The first row of a list in the text report.
std::string firstRow(const std::string& report, const std::string& list) {
    const std::size_t rows = report.find("[" + list + "]\n") + list.size() + 3;
    return report.substr(rows, report.find('\n', rows) - rows);
}

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class StatsTool : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder);
        std::ofstream(feed, std::ios::binary) << feedOf({"11111", "67890", "12345"});
    }
    void TearDown() override { fs::remove_all(folder); }

    [[nodiscard]] ToolRun run(const std::vector<std::string>& arguments, const std::string& input = "") const {
        std::ofstream(folder / "in", std::ios::binary) << input;
        std::string command = QUINTARA_STATS_PROGRAM;
        for (const std::string& argument : arguments) command.append(" '").append(argument).append("'");
        for (const auto& [redirect, name] : {std::pair{" <'", "in"}, {" >'", "out"}, {" 2>'", "err"}}) {
            command.append(redirect).append((folder / name).string()).append("'");
        }
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contentsOf(folder / "out"), contentsOf(folder / "err")};
    }

    const fs::path folder = fs::temp_directory_path() /
                            ("quintara-stats-test-" + std::to_string(::getpid()) + "-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const fs::path feed = folder / "historyopen.xml";
};

TEST_F(StatsTool, PrintsTheEighteenListsAsTextInTheirOrder) {
    const ToolRun result = run({feed.string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(result.out.starts_with("[超级列表框_万遗漏]\n6\t1 期\n1\t0 期\n[超级列表框_千遗漏]\n1\t2 期\n"));
    EXPECT_NE(result.out.find("[超级列表框_杀合尾]\n3\t2 期\n7\t1 期\n2\t0 期\n[超级列表框_杀跨度]\n"), std::string::npos);
    EXPECT_EQ(firstRow(result.out, "超级列表框_出现次数五星双胆"), "06\t1次");
    EXPECT_TRUE(result.out.ends_with("单单单小小\t2期\n单单单单小\t2期\n"));

    std::string headers;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) headers += line.starts_with("[") ? line : "";
    EXPECT_EQ(headers,
              "[超级列表框_万遗漏][超级列表框_千遗漏][超级列表框_百遗漏][超级列表框_十遗漏][超级列表框_个遗漏]"
              "[超级列表框_全遗漏][超级列表框_出现次数][超级列表框_出现次数中三][超级列表框_出现次数前三]"
              "[超级列表框_出现次数五星][超级列表框_出现次数五星双胆][超级列表框_杀合尾][超级列表框_杀跨度]"
              "[超级列表框_胆码][超级列表框_胆码前三][超级列表框_胆码中三][超级列表框_胆码后三][超级列表框_混选]");
}

TEST_F(StatsTool, PrintsJsonAndReadsStandardInput) {
    const ToolRun result = run({"--format", "json", "-"}, contentsOf(feed));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with(R"({"lists":[{"name":"超级列表框_万遗漏","rows":[["6","1 期"],["1","0 期"]]},)"
                                       R"({"name":"超级列表框_千遗漏","rows":[["1","2 期"],["7","1 期"],["2","0 期"]]},)"));
    EXPECT_NE(result.out.find(R"({"name":"超级列表框_杀跨度","rows":[["0","2 期"],["9","1 期"],["2","0 期"]]})"),
              std::string::npos);
    EXPECT_TRUE(result.out.ends_with("[\"单单单单小\",\"2期\"]]}]}\n"));
}

TEST_F(StatsTool, SelectsTheCountWindows) {
    std::ofstream(feed, std::ios::binary) << feedOf(std::vector<std::string>(12, "12345"));
    EXPECT_EQ(firstRow(run({feed.string()}).out, "超级列表框_出现次数"), "3\t10次");
    const std::string one = run({"--select", "组合框_选择选几期=4", feed.string()}).out;
    EXPECT_EQ(firstRow(one, "超级列表框_出现次数"), "3\t12次");
    EXPECT_EQ(firstRow(one, "超级列表框_出现次数中三"), "2\t10次");
    const std::string none = run({"--select", "-1", feed.string()}).out;
    EXPECT_EQ(firstRow(none, "超级列表框_出现次数五星"), "0\t0次");
    EXPECT_EQ(firstRow(none, "超级列表框_出现次数五星双胆"), "01\t0次");
}

TEST_F(StatsTool, GivesEveryRowItsDetailOnlyWhenAskedTo) {
    const ToolRun plain = run({"--format", "json", feed.string()});
    const ToolRun detailed = run({"--detail", "--format", "json", feed.string()});
    ASSERT_EQ(detailed.status, 0) << detailed.err;
    const auto lists = nlohmann::ordered_json::parse(detailed.out)["lists"];
    ASSERT_EQ(lists.size(), 18U);
    const auto plainLists = nlohmann::json::parse(plain.out)["lists"];
    for (const auto& list : plainLists) {
        for (const auto& row : list["rows"]) EXPECT_EQ(row.size(), 2U);
    }
    for (const auto& list : lists) {
        const std::string name = list["name"];
        const bool frequency = name.find("出现次数") != std::string::npos;
        for (const auto& row : list["rows"]) {
            ASSERT_EQ(row.size(), 3U) << name;
            std::vector<std::string> keys;
            for (const auto& [key, value] : row[2].items()) keys.push_back(key);
            std::vector<std::string> expected{"appearances", "current",  "previous", "longest",
                                              "average",     "streak",   "expected", "chance"};
            if (frequency) expected.insert(expected.end(), {"window", "windowExpected"});
            EXPECT_EQ(keys, expected) << name;
            EXPECT_EQ(row[2]["average"].is_number(), true);
        }
    }
    // History, newest first, 12345, 67890, 11111: 万 digit 1 in draws 1 and 3.
    EXPECT_NE(detailed.out.find(R"(["1","0 期",{"appearances":2,"current":0,"previous":1,)"
                                R"("longest":1,"average":0.33,"streak":1,"expected":0.30,"chance":1}])"),
              std::string::npos);
    // Pair 01 is in none of them: no previous absence.
    EXPECT_NE(detailed.out.find(R"(["01","3期",{"appearances":0,"current":3,"previous":null,)"),
              std::string::npos);
    // (2·0.9^5 − 0.8^5)^3 = 0.8533^3, to six significant digits.
    EXPECT_NE(detailed.out.find(R"("expected":0.44,"chance":0.621306})"), std::string::npos);
    EXPECT_NE(detailed.out.find(R"("window":3,"windowExpected":0.90})"), std::string::npos);

    // The text keeps a row on one line: the tool tip's lines joined by " · ".
    const std::string text = run({"--detail", feed.string()}).out;
    EXPECT_EQ(firstRow(text, "超级列表框_万遗漏"),
              "6\t1 期\t万位 6 · 当前遗漏 1 期 · 遗漏概率 90.00% · 上次遗漏 1 期 · 最大遗漏 1 期 · 平均遗漏 1.00 期 · "
              "最大连出 1 期 · 共 3 期 · 出现 1 次 · 理论出现 0.30 次");
}

TEST_F(StatsTool, EndsWithStatusOneWithoutDrawsAndTwoWhenItCannotRun) {
    const ToolRun empty = run({"-"}, "<xml></xml>\n");
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "quintara-stats: no draws in feed\n");
    EXPECT_EQ(empty.out, "");
    for (const fs::path& unreadable : {folder / "missing.xml", folder}) {
        const ToolRun result = run({unreadable.string()});
        EXPECT_EQ(result.status, 2) << unreadable;
        EXPECT_NE(result.err.find("cannot read"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
    const std::string file = feed.string();
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {}, {"--format", "xml", file}, {"--format"}, {"--select", "5", file}, {"--select", "0x", file},
             {"--select", "组合框_选择选几期后三=1", file}, {"--verbose", file}, {file, file}}) {
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << ::testing::PrintToString(arguments);
        // One line that names the tool and what is wrong.
        EXPECT_TRUE(result.err.starts_with("quintara-stats: ")) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(run({"--select", "5", file}).err,
              "quintara-stats: --select 5: the item is a whole number from -1 to 4\n");
}

TEST_F(StatsTool, ExplainsEveryOptionAndItsVersion) {
    const ToolRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"FEED", "--select N|NAME=N", "--format text|json", "--detail", "--version"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    const ToolRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("quintara-stats ")) << version.out;
}

// 120 draws a day from 1 January 2019 on, oldest first, their digits spread.
std::string feedOfDays(int drawCount) {
    using namespace std::chrono;
    std::string feed = "<xml>\n";
    for (int draw = 0; draw < drawCount; ++draw) {
        const year_month_day date{sys_days{2019y / January / 1} + days{draw / 120}};
        char row[128];
        std::snprintf(row, sizeof row, "<row expect=\"%02d%02u%02u%03d\" opencode=\"%05d\" opentime=\"x\"/>\n",
                      static_cast<int>(date.year()) % 100, static_cast<unsigned>(date.month()),
                      static_cast<unsigned>(date.day()), draw % 120 + 1, draw * 7919 % 100000);
        feed += row;
    }
    return feed + "</xml>\n";
}

TEST(StatsToolArchive, TheArchivesNewestDrawsGiveWhatTheFeedGives) {
    const quintara::testing::ScratchFolder folder;
    const std::string feed = folder.file("history.xml");
    std::ofstream(feed, std::ios::binary) << feedOfDays(10050);
    const auto stats = [&folder](const std::vector<std::string>& arguments) {
        return quintara::testing::runTool(QUINTARA_STATS_PROGRAM, arguments, folder);
    };
    // Into the default archive of the scratch folder's XDG_DATA_HOME.
    ASSERT_EQ(quintara::testing::runTool(QUINTARA_ARCHIVE_PROGRAM, {"import", feed}, folder).status, 0);
    for (const std::vector<std::string>& options :
         std::vector<std::vector<std::string>>{{}, {"--detail", "--format", "json", "--select", "4"}}) {
        std::vector<std::string> fromFeed = options;
        fromFeed.push_back(feed);
        std::vector<std::string> fromArchive = options;
        fromArchive.push_back("--archive");
        const auto expected = stats(fromFeed);
        const auto archived = stats(fromArchive);
        ASSERT_EQ(archived.status, 0) << archived.err;
        EXPECT_GT(expected.out.size(), 1000U);
        EXPECT_TRUE(expected.out == archived.out) << ::testing::PrintToString(options);
    }

    const auto both = stats({"--archive", folder.file("quintara/draws.sqlite"), feed});
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err, "quintara-stats: FEED excludes --archive\n");
    EXPECT_EQ(stats({"--archive", folder.file("none.sqlite")}).err,
              "quintara-stats: cannot read " + folder.file("none.sqlite") + ": no such file\n");
    std::ofstream(folder.file("empty.csv")) << "issue,digits\n";
    quintara::testing::runTool(QUINTARA_ARCHIVE_PROGRAM, {"import", "--archive", folder.file("empty.sqlite"),
                                                         folder.file("empty.csv")}, folder);
    const auto empty = stats({"--archive", folder.file("empty.sqlite")});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "quintara-stats: no draws in the archive\n");
}

}  // namespace
