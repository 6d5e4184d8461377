// The command line every tool shares, with subcommands as a tool with
// several commands declares them.
#include "tool_cli.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/command_line_reading.h"

namespace quintara::tools {
namespace {

// A tool that keeps feeds, with a command that prunes them; what a reading
// leaves in the kept count.
struct Reading {
    int keep = 5;
    testing::CommandLineReading outcome;
};

Reading readArchive(const std::vector<std::string>& arguments) {
    Reading reading;
    ToolCommandLine commandLine("quintara-archive", "Keeps history feeds.");
    commandLine.add_subcommand("prune", "Drops all but the newest feeds.")
        ->add_option("--keep", reading.keep, "How many feeds to keep.")
        ->transform(wholeNumber(1, 9));
    reading.outcome = testing::readCommandLine(commandLine, arguments);
    return reading;
}

TEST(ToolCommandLine, SubcommandsFollowTheToolsRules) {
    const Reading help = readArchive({"prune", "--help"});
    EXPECT_EQ(help.outcome.status, 0);
    EXPECT_NE(help.outcome.out.find("Drops all but the newest feeds."), std::string::npos);
    EXPECT_NE(help.outcome.out.find("--keep"), std::string::npos);
    EXPECT_EQ(help.outcome.err, "");

    const Reading bad = readArchive({"prune", "--keep", "0x3"});
    EXPECT_EQ(bad.outcome.status, kBadArguments);
    EXPECT_EQ(bad.outcome.out, "");
    EXPECT_EQ(bad.outcome.err, "quintara-archive: --keep: wants a whole number from 1 to 9, not \"0x3\"\n");

    const Reading good = readArchive({"prune", "--keep", "2", "--keep", "07"});
    EXPECT_EQ(good.outcome.status, std::nullopt);
    EXPECT_EQ(good.keep, 7);
}

TEST(ToolCommandLine, VersionIsTheProjects) {
    const Reading version = readArchive({"--version"});
    EXPECT_EQ(version.outcome.status, 0);
    EXPECT_EQ(version.outcome.out, "quintara-archive " QUINTARA_VERSION "\n");
}

}  // namespace
}  // namespace quintara::tools
