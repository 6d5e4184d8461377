// The three formats an import reads: which lines give draws, and the number
// and reason of every line refused, of which nothing is taken.
#include "archive/import_formats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintara {
namespace {

std::vector<std::string> drawsOf(const DrawsRead& read) {
    std::vector<std::string> draws;
    for (const Draw& draw : read.draws) draws.push_back(draw.issue + " " + draw.text);
    return draws;
}

std::vector<int> rejectedLinesOf(const DrawsRead& read) {
    std::vector<int> lines;
    for (const RejectedLine& line : read.rejected) lines.push_back(line.line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(ImportFormats, ADayFileTakesItsDateFromItsName) {
    const DrawsRead read = readImportFile(
        "20190330.txt", "\xEF\xBB\xBF" "001 -\r\n002 12345\r\n\n003 1234\n004 12a45\n05 12345\n000 11111\n007  12345\n008 67890");
    EXPECT_EQ(drawsOf(read), (Lines{"20190330-002 12345", "20190330-008 67890"}));
    EXPECT_EQ(rejectedLinesOf(read), (std::vector<int>{4, 5, 6, 7, 8}));
    EXPECT_EQ(read.rejected[0].reason, "the digits \"1234\" are not five digits 0-9");
    EXPECT_EQ(read.rejected[2].reason, "not \"NNN DDDDD\" or \"NNN -\": \"05 12345\"");
    EXPECT_NE(read.rejected[3].reason.find("\"20190330-000\" is no YYYYMMDD-NNN of a real date"), std::string::npos);
    // A name that is no real date makes every draw line an issue of none.
    const DrawsRead noDate = readImportFile("20190230.txt", "001 12345\n002 -\n");
    EXPECT_TRUE(noDate.draws.empty());
    EXPECT_EQ(rejectedLinesOf(noDate), std::vector<int>{1});
}

TEST(ImportFormats, AFeedLineWithAnyMalformedDrawElementIsRefusedWhole) {
    const std::string feed =
        "<?xml version=\"1.0\"?>\n<xml>\n"
        "<row expect=\"190101001\" opencode=\"1,2,3,4,5\" opentime=\"x\"/>\n"
        "<row expect=\"190101002\" opencode=\"1,2,3,4\" opentime=\"x\"/>\n"
        "<row expect=\"190101003\" opencode=\"3,3,3,3,3\" opentime=\"x\"/><row expect=\"1901010\" opencode=\"4,4,4,4,4\" opentime=\"x\"/>\n"
        "<row expect=\"191301005\" opencode=\"5,5,5,5,5\" opentime=\"x\"/>\n"
        "<row opencode=\"6,6,6,6,6\" opentime=\"x\"/>\n"
        "<row expect=\"190101007\" opencode=\"7,7,7,7,7\" opentime=\"x\"/><row expect=\"190101008\" opencode=\"8,8,8,8,8\" opentime=\"x\"/>\r\n"
        "</xml>\n";
    const DrawsRead read = readImportFile("history.xml", feed);
    EXPECT_EQ(drawsOf(read), (Lines{"20190101-001 12345", "20190101-007 77777", "20190101-008 88888"}));
    EXPECT_EQ(rejectedLinesOf(read), (std::vector<int>{4, 5, 6, 7}));
    EXPECT_TRUE(read.rejected[0].reason.starts_with("not a draw element expect=\"YYMMDDNNN\"")) << read.rejected[0].reason;
    EXPECT_NE(read.rejected[2].reason.find("20191301-005"), std::string::npos) << read.rejected[2].reason;
}

TEST(ImportFormats, CsvTakesAHeaderBothIssueSpellingsAndQuotedFields) {
    const DrawsRead read = readImportFile("draws.csv",
                                          "issue,digits\n20190101-001,12345\n\"20190101002\" , \"67890\"\n"
                                          "20190101-003,12345,9\n20190101-004;12345\n2019-01-01-005,12345\n"
                                          "20190101-006,123456\n20190101-007,\n  \n");
    EXPECT_EQ(drawsOf(read), (Lines{"20190101-001 12345", "20190101-002 67890"}));
    EXPECT_EQ(rejectedLinesOf(read), (std::vector<int>{4, 5, 6, 7, 8}));
    EXPECT_EQ(read.rejected[0].reason, "not \"issue,digits\": \"20190101-003,12345,9\"");
    // A first line with a digit is a draw line like any other.
    EXPECT_EQ(rejectedLinesOf(readCsvDraws("issue2,digits\n")), std::vector<int>{1});
}

TEST(ImportFormats, HostileBytesGiveShortReasonsAndNoDraws) {
    EXPECT_TRUE(readImportFile("empty.csv", "").draws.empty());
    EXPECT_TRUE(readImportFile("empty.csv", "").rejected.empty());
    const std::string huge(8 << 20, '7');
    const DrawsRead hugeLine = readImportFile("huge.csv", huge);
    ASSERT_EQ(rejectedLinesOf(hugeLine), std::vector<int>{1});
    EXPECT_EQ(hugeLine.rejected[0].reason, "not \"issue,digits\": \"777777777777777777777777…\"");
    const DrawsRead binary = readImportFile("20190101.txt", std::string("001 \0\x01\xff\x7f" "1\n", 10));
    ASSERT_EQ(binary.rejected.size(), 1U);
    EXPECT_EQ(binary.rejected[0].reason, "the digits \"????1\" are not five digits 0-9");
    // Another name: a feed when it holds "expect=", else CSV.
    EXPECT_EQ(drawsOf(readImportFile("draws", "<row expect=\"190101001\" opencode=\"12345\" opentime/>")),
              Lines{"20190101-001 12345"});
    EXPECT_EQ(drawsOf(readImportFile("draws.txt", "20190101-001,12345")), Lines{"20190101-001 12345"});
}

}  // namespace
}  // namespace quintara
