#include "chart_request.h"

#include <algorithm>

#include "range_option.h"

namespace quintara::chart_tool {
namespace {

// The name of every section of the view.
constexpr std::string_view kAllSections = "all";

std::vector<std::string> viewNames() {
    std::vector<std::string> names;
    for (const ChartView& view : kChartViews) names.emplace_back(view.name);
    return names;
}

// The names of the view's sections, comma-separated.
std::string sectionNamesOf(const ChartView& view) {
    std::string names;
    for (const ChartSection section : kChartSections) {
        if (!sectionsOf(view).has(section)) continue;
        if (!names.empty()) names += ',';
        names += sectionName(section);
    }
    return names;
}

// The sections named in a comma-separated list, each one the view has, or
// "all": every one it has.
std::optional<SectionSet> sectionsNamed(std::string_view list, const ChartView& view, std::string& wrong) {
    SectionSet sections;
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(','), list.size());
        const std::string_view name = list.substr(0, comma);
        list.remove_prefix(std::min(comma + 1, list.size()));
        if (name == kAllSections) {
            sections = sectionsOf(view);
            continue;
        }
        const auto section = sectionNamed(name);
        if (!section || !sectionsOf(view).has(*section)) {
            wrong = "--sections: " + std::string(view.name) + " has no section \"" + std::string(name) +
                    "\"; it has " + sectionNamesOf(view) + " or " + std::string(kAllSections);
            return std::nullopt;
        }
        sections.add(*section);
    }
    return sections;
}

}  // namespace

RequestOptions::RequestOptions(CLI::App& commandLine) {
    commandLine.add_option("--view", view_, "The positions charted.")
        ->type_name("NAME")
        ->check(CLI::IsMember(viewNames()));
    commandLine
        .add_option_function<std::string>(
            "--sections", [this](const std::string& list) { sections_ = list; },
            "The sections beside the positions, comma-separated: 和值, 跨度, 形态 (three or two "
            "positions), 大小比, 奇偶比, 质合比, 012路, 龙虎 (五星), or all: every one the view has, "
            "as when none is given.")
        ->type_name("LIST");
    const auto range = [this](CLI::App& line, const std::string& name, const std::string& help) {
        return line.add_option(name, help)->transform(tools::rangeReader(range_, kMostChartRows));
    };
    range(commandLine, "--range",
          "The draws charted: the newest N, today (the newest draw's day), 3d, 7d (its day and the "
          "days before), or the issues FROM:TO (20190101-001:20190101-120).")
        ->type_name("N|today|3d|7d|FROM:TO")
        ->default_str(std::to_string(kDefaultChartSize));
    range(commandLine, "--draws", "The same as --range N.")->type_name("N");
    commandLine.add_option("FEED", feed_, "The history feed document to read, or - for standard input.");
    archiveOption_ =
        commandLine
            .add_option("--archive", archive_,
                        "Reads the draw archive at PATH, or the program's own, instead of a FEED.")
            ->type_name("[PATH]")
            ->expected(0, 1)
            ->excludes("FEED");
    commandLine.add_option("-o", picture_, "The PNG picture to write the chart to.")->type_name("CHART.png");
    commandLine.add_option("--csv", csv_, "The CSV table to write the chart to, or - for standard output.")
        ->type_name("FILE");
}

std::optional<Request> RequestOptions::request(std::string& wrong) const {
    Request request{
        .chart = {.view = *chartViewNamed(view_), .range = range_}, .picture = picture_, .csv = csv_};
    if (picture_.empty() && csv_.empty()) {
        wrong = "-o or --csv is required";
        return std::nullopt;
    }
    if (archiveOption_->count() > 0) {
        request.source.archive = archive_;
    } else if (!feed_.empty()) {
        request.source.feed = feed_;
    } else {
        wrong = "FEED or --archive is required";
        return std::nullopt;
    }
    if (!sections_) {
        request.chart.sections = sectionsOf(request.chart.view);
    } else if (const auto sections = sectionsNamed(*sections_, request.chart.view, wrong)) {
        request.chart.sections = *sections;
    } else {
        return std::nullopt;
    }
    return request;
}

}  // namespace quintara::chart_tool
