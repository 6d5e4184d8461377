// The command line of quintara-stats:
//   quintara-stats [--select N | --select NAME=N]... [--format text|json] [--detail] FEED
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "stats/statistics_lists.h"

namespace quintara::stats_tool {

inline constexpr std::string_view kUsage =
    "usage: quintara-stats [--select N | --select NAME=N]... [--format text|json] [--detail] FEED\n"
    "  FEED             a history feed document, or - for standard input\n"
    "  --select N       select item N (-1 = none, 0 to 4) in all five count-window combo boxes\n"
    "  --select NAME=N  select item N in one of them: 组合框_选择选几期, 组合框_选择选几期中三,\n"
    "                   组合框_选择选几期前三, 组合框_选择选几期五星, 组合框_选择选几期五星双胆\n"
    "  --format         text (default) or json\n"
    "  --detail         each row's detail: a third column of text, a third element in JSON\n";

enum class OutputFormat { Text, Json };

struct Request {
    // The item of each count-window combo box, the last one given winning.
    CountWindowSelections selections;
    OutputFormat format = OutputFormat::Text;
    bool detail = false;  // each row's detail as well
    std::string feed;  // a path, or "-" for standard input
    bool help = false;
};

struct ParsedArguments {
    Request request;
    std::string error;  // empty when the arguments are good
};

// The arguments after the program name.
[[nodiscard]] ParsedArguments parseArguments(std::span<const std::string_view> arguments);

}  // namespace quintara::stats_tool
