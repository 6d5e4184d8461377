#include "day_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

namespace quintara::provider {
namespace {

namespace fs = std::filesystem;

// Two days of real past draws: one lacks its first draw, the other draws
// 001 to 059 only.
const fs::path kDayFiles = fs::path(__FILE__).parent_path() / "data";

// A folder of the test's own, removed at the end.
class ScratchFolder {
public:
    ScratchFolder()
        : path_(fs::temp_directory_path() / ("quintara-day-files-" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    void write(const std::string& name, const std::string& text) const {
        std::ofstream(path_ / name) << text;
    }
    [[nodiscard]] const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

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
    folder.write("20180302.txt", "001 11111\r\n002 -\r\n003 33333\r\n\r\n");
    folder.write("20180301.txt", "001 00000\n");
    folder.write("notes.txt", "nothing here\n");
    folder.write("2018030.txt", "001 99999\n");
    EXPECT_EQ(readDayFiles(folder.path()), (std::vector<std::string>{"00000", "11111", "33333"}));
}

TEST(DayFiles, FoldersWithoutDrawsOrWithOtherLinesAreRefused) {
    EXPECT_THROW((void)readDayFiles(kDayFiles / "missing"), std::runtime_error);

    ScratchFolder folder;
    EXPECT_THROW((void)readDayFiles(folder.path()), std::runtime_error);
    folder.write("20180301.txt", "001 -\n002 -\n");
    EXPECT_THROW((void)readDayFiles(folder.path()), std::runtime_error);
    for (const std::string line :
         {"001 1234", "001 123456", "1 12345", "001  12345", "001\t12345", "001 12a45"}) {
        folder.write("20180302.txt", line + "\n");
        EXPECT_THROW((void)readDayFiles(folder.path()), std::runtime_error) << line;
    }
}

}  // namespace
}  // namespace quintara::provider
