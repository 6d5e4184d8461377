#include "options.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace quintara::provider {

const std::string_view kUsage =
    "usage: quintara-provider [--port N] [--seed N] [--days N] [--interval SECONDS]\n"
    "                         [--down LIST] [--list-length N] [--replay DIR]\n"
    "Serves a simulated five-digit game on 127.0.0.1: the history feed, the lottery API,\n"
    "the newly-open list, the flash data, the version page, the banner and two pages.\n"
    "  --port N            port on 127.0.0.1 (default 18350; 0: any free port)\n"
    "  --seed N            seed of the random draws (default 1)\n"
    "  --days N            days of history before today, 120 draws each (default 3, 1 to 366)\n"
    "  --interval SECONDS  time between new draws (default 60, 1 to 86400)\n"
    "  --down LIST         these answer 503: a comma list of api,list,flash,feed,version\n"
    "  --list-length N     draws the newly-open list shows (default 10, 1 to 120)\n"
    "  --replay DIR        draw the digits of real past draws, in order, from the day files\n"
    "                      YYYYMMDD.txt in DIR (lines \"NNN DDDDD\" or \"NNN -\")\n";

namespace {

template <typename Number>
Number numberArgument(std::string_view option, std::string_view text, Number least, Number most) {
    Number value{};
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || value < least || value > most) {
        throw OptionsError(std::string(option) + " wants a whole number from " +
                           std::to_string(least) + " to " + std::to_string(most) + ", not \"" +
                           std::string(text) + "\"");
    }
    return value;
}

std::set<Source> sourceList(std::string_view text) {
    std::set<Source> sources;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view name = text.substr(start, comma - start);
        const auto source = sourceNamed(name);
        if (!source) {
            throw OptionsError("--down knows api, list, flash, feed and version, not \"" +
                               std::string(name) + "\"");
        }
        sources.insert(*source);
        start = comma + 1;
    }
    return sources;
}

}  // namespace

ProviderOptions parseOptions(std::span<const std::string_view> arguments) {
    ProviderOptions options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view option = arguments[index];
        const auto value = [&]() {
            if (index + 1 == arguments.size()) {
                throw OptionsError(std::string(option) + " wants a value");
            }
            return arguments[++index];
        };
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--port") {
            options.port = numberArgument(option, value(), 0, 65535);
        } else if (option == "--seed") {
            options.seed = numberArgument<std::uint32_t>(option, value(), 0, UINT32_MAX);
        } else if (option == "--days") {
            options.days = numberArgument(option, value(), 1, 366);
        } else if (option == "--interval") {
            options.interval = std::chrono::seconds{numberArgument(option, value(), 1, 86400)};
        } else if (option == "--down") {
            options.down = sourceList(value());
        } else if (option == "--list-length") {
            options.listLength = numberArgument<std::size_t>(option, value(), 1, kDrawsPerDay);
        } else if (option == "--replay") {
            options.replayFolder = value();
        } else {
            throw OptionsError("unknown argument \"" + std::string(option) + "\"");
        }
    }
    return options;
}

}  // namespace quintara::provider
