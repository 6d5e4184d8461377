// The command line of quintara-fetch.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "net/background_request.h"

namespace quintara::fetch {

inline constexpr std::string_view kUsage =
    "usage: quintara-fetch [-i] [-v] [--post] [--data TEXT] [--proxy HOST:PORT]\n"
    "                      [--header 'Name: value']... [--cookies TEXT] [--timeout S]\n"
    "                      [--convert N] ADDRESS\n";

struct FetchArguments {
    BackgroundRequest request;
    bool showHeaders = false;  // -i: the raw header text and an empty line before the body
    bool showOutcome = false;  // -v: how the request ended, on standard error
};

// The request the arguments (without the program's name) ask for; none when
// they are not understood.
[[nodiscard]] std::optional<FetchArguments> parseFetchArguments(
    std::span<const std::string_view> arguments);

}  // namespace quintara::fetch
