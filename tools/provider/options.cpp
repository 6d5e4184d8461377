#include "options.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "draw_book.h"
#include "tool_cli.h"

namespace quintara::provider {
namespace {

using tools::wholeNumber;

// The sources of a --down list, "api,flash"; a name that is none of theirs,
// an empty one among them, is a bad argument.
std::set<Source> sourceList(std::string_view text) {
    std::set<Source> sources;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view name = text.substr(start, comma - start);
        const auto source = sourceNamed(name);
        if (!source) {
            throw CLI::ValidationError("knows api, list, flash, feed and version, not \"" +
                                       std::string(name) + "\"");
        }
        sources.insert(*source);
        start = comma + 1;
    }
    return sources;
}

}  // namespace

void declareOptions(CLI::App& commandLine, ProviderOptions& options) {
    commandLine.add_option("--port", options.port, "The port on 127.0.0.1 to serve on; 0: any free port.")
        ->type_name("N")
        ->transform(wholeNumber(0, 65535));
    commandLine.add_option("--seed", options.seed, "The seed of the random draws.")
        ->type_name("N")
        ->transform(wholeNumber(0, UINT32_MAX));
    commandLine.add_option("--days", options.days, "Days of history before today, 120 draws each: 1 to 366.")
        ->type_name("N")
        ->transform(wholeNumber(1, 366));
    commandLine
        .add_option_function<int>(
            "--interval", [&options](int seconds) { options.interval = std::chrono::seconds{seconds}; },
            "Seconds between new draws: 1 to 86400.")
        ->type_name("SECONDS")
        ->default_str(std::to_string(options.interval.count()))
        ->transform(wholeNumber(1, 86400));
    commandLine
        .add_option("--down", "Sources that answer 503: a comma list of api, list, flash, feed and version.")
        ->type_name("LIST")
        ->each([&options](const std::string& list) { options.down = sourceList(list); });
    commandLine.add_option("--list-length", options.listLength, "Draws the newly-open list shows: 1 to 120.")
        ->type_name("N")
        ->transform(wholeNumber(1, kDrawsPerDay));
    commandLine.add_option("--replay", options.replayFolder,
                           "Draws the digits of real past draws instead, in order, from the day files "
                           "YYYYMMDD.txt in DIR (lines \"NNN DDDDD\" or \"NNN -\").")
        ->type_name("DIR");
    commandLine
        .add_option_function<std::uint32_t>(
            "--chaos", [&options](std::uint32_t seed) { options.chaosSeed = seed; },
            "The draw sources misbehave now and then, on a schedule SEED fixes: each request to "
            "the lottery API, the list or the flash data is, one time in 25 each, silent (no "
            "answer for 40 s), slow (trickled out over 1 to 4 s), malformed (broken JSON or XML, "
            "or binary bytes), wrong (a draw of 1 to 20 draws before; the lottery API's for "
            "another issue) or closed (part of the answer, then the connection closes); each "
            "request to the feed one time in 100 each; and the lottery API is down (503) for a "
            "stretch of 20 to 40 draws in every 100. The log names each misdeed after the status.")
        ->type_name("SEED")
        ->transform(wholeNumber(0, UINT32_MAX));
    commandLine.add_option("--published", options.publishedFile,
                           "On stopping, writes every draw published to FILE, oldest first, as "
                           "the CSV of quintara-archive: \"issue,digits\", then \"20250612-001,12345\".")
        ->type_name("FILE");
}

}  // namespace quintara::provider
