// The command line of quintara-chart:
//   quintara-chart [--view NAME] [--sections LIST] [--range N|today|3d|7d|FROM:TO]
//                  [-o CHART.png] [--csv FILE] (FEED | --archive [PATH])
#pragma once

#include <optional>
#include <string>

#include "chart/trend_chart.h"
#include "draw_source.h"
#include "tool_cli.h"

namespace quintara::chart_tool {

struct Request {
    ChartOptions chart;
    tools::DrawSource source;
    std::string picture;                 // the PNG to write, if any
    std::string csv;                     // the CSV to write, if any; "-" for standard output
};

// Declares the tool's options, read into the command line's own variables.
class RequestOptions {
public:
    explicit RequestOptions(CLI::App& commandLine);

    // The request read, or the line that says what is wrong with it (after
    // "quintara-chart: ").
    [[nodiscard]] std::optional<Request> request(std::string& wrong) const;

private:
    std::string view_ = std::string(kAllFiveView.name);
    std::optional<std::string> sections_;  // none: every section of the view
    DrawRange range_ = DrawRange::lastDraws(kDefaultChartSize);
    std::string feed_;
    std::string archive_;
    CLI::Option* archiveOption_ = nullptr;
    std::string picture_;
    std::string csv_;
};

}  // namespace quintara::chart_tool
