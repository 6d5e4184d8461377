// The command line of quintara-stats:
//   quintara-stats [--select N | --select NAME=N]... [--format text|json] [--detail] FEED|--archive [PATH]
#pragma once

#include <optional>
#include <string>

#include "stats/statistics_lists.h"
#include "tool_cli.h"

namespace quintara::stats_tool {

enum class OutputFormat { Text, Json };

struct Request {
    // The item of each count-window combo box, the last one given winning.
    CountWindowSelections selections;
    OutputFormat format = OutputFormat::Text;
    bool detail = false;  // each row's detail as well
    std::string feed;     // a path, or "-" for standard input
    // Instead of a feed: the archive file, empty for the default archive.
    std::optional<std::string> archive;
};

// Declares the tool's options, read into `request`.
void declareOptions(CLI::App& commandLine, Request& request);

}  // namespace quintara::stats_tool
