#include "options.h"

#include <gtest/gtest.h>

#include <vector>

namespace quintara::provider {
namespace {

ProviderOptions parse(std::vector<std::string_view> arguments) { return parseOptions(arguments); }

TEST(ProviderOptions, DefaultsServeTheProgramsDefaultAddress) {
    const ProviderOptions options = parse({});
    EXPECT_EQ(options.port, 18350);
    EXPECT_EQ(options.seed, 1U);
    EXPECT_EQ(options.days, 3);
    EXPECT_EQ(options.interval, std::chrono::seconds{60});
    EXPECT_TRUE(options.down.empty());
    EXPECT_EQ(options.listLength, 10U);
    EXPECT_TRUE(options.replayFolder.empty());
    EXPECT_FALSE(options.help);
}

TEST(ProviderOptions, EveryOptionTakesItsValue) {
    const ProviderOptions options =
        parse({"--port", "0", "--seed", "4294967295", "--days", "366", "--interval", "5", "--down",
               "api,flash,version", "--list-length", "120", "--replay", "/tmp/days"});
    EXPECT_EQ(options.port, 0);
    EXPECT_EQ(options.seed, 4294967295U);
    EXPECT_EQ(options.days, 366);
    EXPECT_EQ(options.interval, std::chrono::seconds{5});
    EXPECT_EQ(options.down, (std::set<Source>{Source::Api, Source::Flash, Source::Version}));
    EXPECT_EQ(options.listLength, 120U);
    EXPECT_EQ(options.replayFolder, "/tmp/days");
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_EQ(parse({"--down", "list,feed"}).down, (std::set<Source>{Source::List, Source::Feed}));
}

TEST(ProviderOptions, BadArgumentsAreRefused) {
    const std::vector<std::vector<std::string_view>> bad = {
        {"--port"},
        {"--port", "65536"},
        {"--port", "-1"},
        {"--port", "80x"},
        {"--seed", "-1"},
        {"--days", "0"},
        {"--days", "367"},
        {"--interval", "0"},
        {"--down", ""},
        {"--down", "api,,list"},
        {"--down", "banner"},
        {"--down", "api,"},
        {"--list-length", "0"},
        {"--list-length", "121"},
        {"--replay"},
        {"--verbose"},
        {"18350"},
    };
    for (const auto& arguments : bad) {
        EXPECT_THROW((void)parse(arguments), OptionsError)
            << arguments.front() << " " << arguments.size();
    }
}

}  // namespace
}  // namespace quintara::provider
