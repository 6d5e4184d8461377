#include "options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/command_line_reading.h"

namespace quintara::provider {
namespace {

// The options a command line gives, and how reading it ended.
struct Reading {
    ProviderOptions options;
    quintara::testing::CommandLineReading outcome;
};

Reading read(const std::vector<std::string>& arguments) {
    Reading reading;
    tools::ToolCommandLine commandLine("quintara-provider", "Serves.");
    declareOptions(commandLine, reading.options);
    reading.outcome = quintara::testing::readCommandLine(commandLine, arguments);
    return reading;
}

TEST(ProviderOptions, DefaultsServeTheProgramsDefaultAddress) {
    const Reading reading = read({});
    EXPECT_EQ(reading.outcome.status, std::nullopt);
    const ProviderOptions& options = reading.options;
    EXPECT_EQ(options.port, 18350);
    EXPECT_EQ(options.seed, 1U);
    EXPECT_EQ(options.days, 3);
    EXPECT_EQ(options.interval, std::chrono::seconds{60});
    EXPECT_TRUE(options.down.empty());
    EXPECT_EQ(options.listLength, 10U);
    EXPECT_TRUE(options.replayFolder.empty());
    EXPECT_EQ(options.chaosSeed, std::nullopt);
    EXPECT_TRUE(options.publishedFile.empty());
}

TEST(ProviderOptions, EveryOptionTakesItsValue) {
    const Reading reading =
        read({"--port", "0", "--seed", "4294967295", "--days", "366", "--interval", "5", "--down",
              "api,flash,version", "--list-length", "120", "--replay", "/tmp/days", "--chaos", "0",
              "--published", "/tmp/published.csv"});
    EXPECT_EQ(reading.outcome.status, std::nullopt);
    const ProviderOptions& options = reading.options;
    EXPECT_EQ(options.port, 0);
    EXPECT_EQ(options.seed, 4294967295U);
    EXPECT_EQ(options.days, 366);
    EXPECT_EQ(options.interval, std::chrono::seconds{5});
    EXPECT_EQ(options.down, (std::set<Source>{Source::Api, Source::Flash, Source::Version}));
    EXPECT_EQ(options.listLength, 120U);
    EXPECT_EQ(options.replayFolder, "/tmp/days");
    EXPECT_EQ(options.chaosSeed, 0U);
    EXPECT_EQ(options.publishedFile, "/tmp/published.csv");
    EXPECT_EQ(read({"--down", "list,feed"}).options.down, (std::set<Source>{Source::List, Source::Feed}));
}

TEST(ProviderOptions, NumbersAreDecimalAndTheLastOfAnOptionCounts) {
    EXPECT_EQ(read({"--days", "010"}).options.days, 10);
    EXPECT_EQ(read({"--port", "1", "--port", "2"}).options.port, 2);
    EXPECT_EQ(read({"--down", "api", "--down", "feed"}).options.down, std::set<Source>{Source::Feed});
}

TEST(ProviderOptions, BadArgumentsAreNamedOnOneLine) {
    const std::vector<std::vector<std::string>> bad = {
        {"--port"},
        {"--port", "65536"},
        {"--port", "-1"},
        {"--port", "80x"},
        {"--port", "0x50"},
        {"--seed", "-1"},
        {"--days", "0"},
        {"--days", "367"},
        {"--interval", "0"},
        {"--down", ""},
        {"--down", "api,,list"},
        {"--down", "banner"},
        {"--down", "api,"},
        {"--down", "banner", "--down", "api"},
        {"--list-length", "0"},
        {"--list-length", "121"},
        {"--replay"},
        {"--chaos", "-1"},
        {"--chaos", "4294967296"},
        {"--published"},
        {"--verbose"},
        {"18350"},
    };
    for (const auto& arguments : bad) {
        const Reading reading = read(arguments);
        EXPECT_EQ(reading.outcome.status, 2) << arguments.front() << " " << arguments.size();
        EXPECT_TRUE(reading.outcome.err.starts_with("quintara-provider: ")) << reading.outcome.err;
        EXPECT_NE(reading.outcome.err.find(arguments.front()), std::string::npos) << reading.outcome.err;
        EXPECT_EQ(reading.outcome.err.find('\n'), reading.outcome.err.size() - 1) << reading.outcome.err;
    }
    EXPECT_EQ(read({"--days", "0"}).outcome.err,
              "quintara-provider: --days: wants a whole number from 1 to 366, not \"0\"\n");
}

TEST(ProviderOptions, HelpExplainsEveryOption) {
    const Reading reading = read({"--help"});
    EXPECT_EQ(reading.outcome.status, 0);
    EXPECT_EQ(reading.outcome.err, "");
    for (const char* option : {"--port N", "--seed N", "--days N", "--interval SECONDS", "--down LIST",
                               "--list-length N", "--replay DIR", "--chaos SEED", "--published FILE"}) {
        EXPECT_NE(reading.outcome.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace quintara::provider
