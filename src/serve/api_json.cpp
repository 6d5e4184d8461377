#include "serve/api_json.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>

#include "alerts/alert_record.h"
#include "fairness/five_digits.h"
#include "chart/digit_temperature.h"

namespace quintara {
namespace {

using Json = nlohmann::ordered_json;

std::string dumped(const Json& json) {
    // A draw or an issue read from a provider need not be UTF-8: replaced.
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json drawObject(const Draw& draw) { return {{"issue", draw.issue}, {"digits", draw.text}}; }

Json textOrNull(const std::string& text) { return text.empty() ? Json(nullptr) : Json(text); }

Json momentOrNull(const std::optional<WatchState::Clock::time_point>& moment) {
    return moment ? Json(isoLocalTime(*moment)) : Json(nullptr);
}

constexpr std::string_view kindName(ColumnKind kind) {
    switch (kind) {
        case ColumnKind::Omission: return "omission";
        case ColumnKind::Count: return "count";
        case ColumnKind::Value: return "value";
    }
    return "value";
}

constexpr std::string_view temperatureName(Temperature temperature) {
    switch (temperature) {
        case Temperature::Hot: return "热";
        case Temperature::Warm: return "温";
        case Temperature::Cold: return "冷";
    }
    return "温";
}

Json chartGroups(const TrendChart& chart) {
    Json groups = Json::array();
    for (const ColumnGroup& group : chart.groups) {
        Json columns = Json::array();
        for (const ChartColumn& column : group.columns) {
            columns.push_back({{"heading", column.heading}, {"name", column.name}, {"kind", kindName(column.kind)}});
        }
        groups.push_back({{"caption", group.caption},
                          {"position", group.position},
                          {"section", group.section ? Json(sectionName(*group.section)) : Json(nullptr)},
                          {"columns", std::move(columns)}});
    }
    return groups;
}

// The kinds of the chart's columns, left to right.
std::vector<ColumnKind> columnKinds(const TrendChart& chart) {
    std::vector<ColumnKind> kinds;
    for (const ColumnGroup& group : chart.groups) {
        for (const ChartColumn& column : group.columns) kinds.push_back(column.kind);
    }
    return kinds;
}

Json chartRow(const ChartRow& row, const std::vector<ColumnKind>& kinds) {
    Json cells = Json::array();
    Json temperatures = Json::array();
    for (std::size_t column = 0; column < row.cells.size() && column < kinds.size(); ++column) {
        const ChartCell& cell = row.cells[column];
        cells.push_back(kinds[column] == ColumnKind::Value ? Json(cell.text) : Json(cell.number));
        temperatures.push_back(cell.temperature ? Json(temperatureName(*cell.temperature)) : Json(nullptr));
    }
    return {{"issue", row.issue},
            {"code", row.code},
            {"after_hole", row.afterHole},
            {"cells", std::move(cells)},
            {"temperatures", std::move(temperatures)}};
}

}  // namespace

std::string drawJson(const Draw& draw) { return dumped(drawObject(draw)); }

std::string drawsJson(std::span<const Draw> newestFirst, std::size_t limit) {
    Json draws = Json::array();
    for (const Draw& draw : newestFirst.first(std::min(limit, newestFirst.size()))) draws.push_back(drawObject(draw));
    return dumped(draws);
}

std::string alertsJson(std::span<const std::string> records, std::size_t limit) {
    std::string array = "[";
    for (const std::string& record : records.first(std::min(limit, records.size()))) {
        if (array.size() > 1) array += ',';
        array += record;  // each a JSON object as the log keeps it
    }
    return array += ']';
}

std::string omissionsJson(const Statistics& statistics, const AlertWatch* watch) {
    Json positions = Json::array();
    for (int position = 0; position < kPositions; ++position) {
        const auto list = static_cast<StatisticsList>(indexOf(StatisticsList::Position1Omission) +
                                                      static_cast<std::size_t>(position));
        std::vector<const StatisticsRow*> rows;
        for (const StatisticsRow& row : rowsOf(statistics, list)) rows.push_back(&row);
        std::sort(rows.begin(), rows.end(), [](const auto* a, const auto* b) { return a->label < b->label; });
        Json digits = Json::array();
        for (const StatisticsRow* row : rows) {
            digits.push_back({{"digit", row->label},
                              {"current", row->detail.current},
                              {"longest", row->detail.longest},
                              {"chance", row->detail.chance},
                              {"alerting", watch != nullptr && !watch->rulesMetBy(list, row->label).empty()}});
        }
        positions.push_back({{"position", positionName(position)}, {"list", nameOf(list)}, {"digits", digits}});
    }
    return dumped({{"positions", std::move(positions)}});
}

std::string chartJson(const TrendChart& chart, std::string_view view, std::string_view range) {
    const std::vector<ColumnKind> kinds = columnKinds(chart);
    Json rows = Json::array();
    for (const ChartRow& row : chart.rows) rows.push_back(chartRow(row, kinds));
    Json summary = Json::array();
    for (const SummaryLine& line : chart.summaryLines) {
        Json cells = Json::array();
        Json shortest = Json::array();
        for (const SummaryCell& cell : line.cells) {
            cells.push_back(cell.text());
            shortest.push_back(cell.forms.empty() ? std::string() : cell.forms.back());
        }
        summary.push_back({{"caption", line.caption}, {"cells", std::move(cells)}, {"short", std::move(shortest)}});
    }
    return dumped({{"view", view},
                   {"range", range},
                   {"range_issues", chart.rangeIssues},
                   {"shortfall", shortfallNote(chart)},
                   {"groups", chartGroups(chart)},
                   {"rows", std::move(rows)},
                   {"summary", std::move(summary)},
                   {"footnote", chart.footnote}});
}

std::string healthJson(const WatchState& state, std::string_view pushChannels) {
    const std::vector<Draw>& draws = state.history->draws();
    const auto& success = state.sources.lastSuccess();
    const auto& failing = state.sources.failing();
    return dumped({{"newest_issue", draws.empty() ? Json(nullptr) : Json(draws.front().issue)},
                   {"draws", draws.size()},
                   {"last_success", success ? Json{{"time", success->time}, {"source", sourceName(success->source)}}
                                            : Json(nullptr)},
                   {"failures", failing ? failing->count : 0},
                   {"failing_since", failing ? Json(failing->since) : Json(nullptr)},
                   {"failure_reason", failing ? Json(failing->reason) : Json(nullptr)},
                   {"sources", state.sources.toolTip().lines()},
                   {"unsaved", state.unsaved},
                   {"save_failure", textOrNull(state.saveFailure)},
                   {"newest_arrived", momentOrNull(state.newestArrived)},
                   {"next_expected", momentOrNull(state.nextExpected)},
                   {"poll_interval_ms", state.pollInterval.count()},
                   {"push_channels", Json::parse(pushChannels, nullptr, false)}});
}

std::string errorJson(std::string_view text) { return dumped({{"error", text}}); }

}  // namespace quintara
