#include "day_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace quintara::provider {
namespace {

namespace fs = std::filesystem;

// Two days of real past draws: one lacks its first draw, the other draws
// 001 to 059 only.
const fs::path kDayFiles = fs::path(__FILE__).parent_path() / "data";

using quintara::testing::putFile;
using quintara::testing::ScratchFolder;

TEST(DayFiles, DrawsComeDayByDayInLineOrderWithoutTheEmptyOnes) {
    const std::vector<std::string> draws = readDayFiles(kDayFiles);
    ASSERT_EQ(draws.size(), 119U + 59U);
    EXPECT_EQ(draws.front(), "22319");  // 20180222 002; 001 was not drawn
    EXPECT_EQ(draws[1], "93767");
    EXPECT_EQ(draws[119], "02798");  // 20190211 001
    EXPECT_EQ(draws.back().size(), 5U);
}

TEST(DayFiles, OtherFilesAreLeftAloneAndCarriageReturnsTaken) {
    ScratchFolder folder;
    putFile(folder.file("20180302.txt"), "001 11111\r\n002 -\r\n003 33333\r\n\r\n");
    putFile(folder.file("20180301.txt"), "001 00000\n");
    putFile(folder.file("notes.txt"), "nothing here\n");
    putFile(folder.file("2018030.txt"), "001 99999\n");
    EXPECT_EQ(readDayFiles(folder.path()), (std::vector<std::string>{"00000", "11111", "33333"}));
}

TEST(DayFiles, FoldersWithoutDrawsOrWithOtherLinesAreRefused) {
    EXPECT_THROW((void)readDayFiles(kDayFiles / "missing"), std::runtime_error);

    ScratchFolder folder;
    EXPECT_THROW((void)readDayFiles(folder.path()), std::runtime_error);
    putFile(folder.file("20180301.txt"), "001 -\n002 -\n");
    EXPECT_THROW((void)readDayFiles(folder.path()), std::runtime_error);
    for (const std::string line :
         {"001 1234", "001 123456", "1 12345", "001  12345", "001\t12345", "001 12a45"}) {
        putFile(folder.file("20180302.txt"), line + "\n");
        EXPECT_THROW((void)readDayFiles(folder.path()), std::runtime_error) << line;
    }
}

}  // namespace
}  // namespace quintara::provider
