// The provider's --published file, the truth a soak run checks the program's
// archive against: written as the provider stops, read as the archive reads
// CSV.
#include <gtest/gtest.h>

#include "archive/import_formats.h"
#include "digit_sources.h"
#include "support/issues.h"
#include "support/scratch_folder.h"
#include "support/tool_process.h"

namespace quintara::provider {
namespace {

using quintara::testing::successorOf;
using quintara::testing::fileBytes;
using quintara::testing::runTool;
using quintara::testing::ScratchFolder;

// The provider run for two seconds, then stopped as a session's end stops it.
quintara::testing::ToolRun runProvider(const ScratchFolder& folder, const std::string& published) {
    return runTool("timeout", {"--preserve-status", "-s", "TERM", "2", QUINTARA_PROVIDER_PROGRAM,
                               "--port", "0", "--days", "2", "--seed", "5", "--published", published},
                   folder);
}

TEST(PublishedDraws, OnStoppingTheProviderWritesEveryDrawItPublishedOldestFirst) {
    const ScratchFolder folder;
    const quintara::testing::ToolRun run = runProvider(folder, folder.file("published.csv"));
    EXPECT_EQ(run.status, 0) << run.err;

    const DrawsRead read = readCsvDraws(fileBytes(folder.file("published.csv")));
    EXPECT_TRUE(read.rejected.empty());
    ASSERT_EQ(read.draws.size(), 240U);  // the two days of history; a new draw comes after a minute
    EXPECT_TRUE(read.draws.front().issue.ends_with("-001")) << read.draws.front().issue;
    const DigitSource digits = randomDigits(5);
    for (std::size_t index = 0; index < read.draws.size(); ++index) {
        EXPECT_EQ(read.draws[index].text, digits()) << index;
        if (index > 0) {
            EXPECT_EQ(successorOf(read.draws[index - 1].issue), read.draws[index].issue);
        }
    }
}

TEST(PublishedDraws, AFileThatCannotBeWrittenEndsTheProviderWithStatus1) {
    const ScratchFolder folder;
    const std::string published = folder.file("no-such-folder/published.csv");
    const quintara::testing::ToolRun run = runProvider(folder, published);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("quintara-provider: cannot write " + published), std::string::npos) << run.err;
}

}  // namespace
}  // namespace quintara::provider
