#include "serve/api_routes.h"

#include <variant>

#include "fairness/fairness_json.h"
#include "serve/api_json.h"
#include "serve/query_values.h"
#include "serve/served_files.h"
#include "stats/statistics_json.h"

namespace quintara {
namespace {

constexpr ChartView kDefaultChartView = kChartViews[3];  // 后三

ApiReply json(std::string body) { return {.body = std::move(body)}; }

ApiReply faultReply(const QueryFault& fault) { return errorReply(400, fault.text); }

ApiReply draws(const ApiRequest& request, const WatchState& state) {
    const auto limit = limitOf(request.parameters, kDefaultListLimit, kMostListLimit);
    if (const auto* fault = std::get_if<QueryFault>(&limit)) return faultReply(*fault);
    return json(drawsJson(state.history->draws(), std::get<std::size_t>(limit)));
}

ApiReply alerts(const ApiRequest& request, const WatchState& state) {
    const auto limit = limitOf(request.parameters, kDefaultListLimit, kMostListLimit);
    if (const auto* fault = std::get_if<QueryFault>(&limit)) return faultReply(*fault);
    return json(alertsJson(*state.alerts, std::get<std::size_t>(limit)));
}

ApiReply statistics(const WatchState& state) {
    const HistoryView& history = *state.history;
    return json(history.kept("statistics", [&history] { return statisticsJson(history.statistics(), true); }));
}

ApiReply chart(const ApiRequest& request, const WatchState& state) {
    const auto view = viewOf(request.parameters, kDefaultChartView);
    if (const auto* fault = std::get_if<QueryFault>(&view)) return faultReply(*fault);
    const auto range = rangeOf(request.parameters, {DrawRange::lastDraws(30), "30"});
    if (const auto* fault = std::get_if<QueryFault>(&range)) return faultReply(*fault);
    const ChartView& chosen = std::get<ChartView>(view);
    const NamedRange& named = std::get<NamedRange>(range);
    const HistoryView& history = *state.history;
    const std::string key = "chart " + std::string(chosen.name) + " " + named.text;
    return json(history.kept(key, [&] {
        const TrendChart made = makeTrendChart(
            history.views(), {.view = chosen, .sections = sectionsOf(chosen), .range = named.range});
        return chartJson(made, chosen.name, rangeLabel(named.range));
    }));
}

ApiReply fairness(const ApiRequest& request, const WatchState& state) {
    const auto range = rangeOf(request.parameters, {DrawRange::all(), "all"});
    if (const auto* fault = std::get_if<QueryFault>(&range)) return faultReply(*fault);
    const NamedRange& named = std::get<NamedRange>(range);
    const HistoryView& history = *state.history;
    const std::span<const DrawView> held = history.views();
    const RangeRows rows = rangeRows(held, named.range, held.size());
    if (rows.size() == 0) return errorReply(404, "该范围内没有开奖");
    return json(history.kept("fairness " + named.text,
                             [&] { return fairnessJson(fairnessReport(held.subspan(rows.newest, rows.size()))); }));
}

}  // namespace

ApiReply answer(const ApiRequest& request, const WatchState& state, const PushChannelsJson& pushChannels) {
    const std::string_view path = request.path;
    if (path == "/") return {.contentType = "text/html; charset=utf-8", .body = std::string(watchPage())};
    if (path == "/openapi.json") return json(std::string(openApiDocument()));
    if (path == "/health") return json(healthJson(state, pushChannels()));
    if (path == "/api/draws") return draws(request, state);
    if (path == "/api/alerts") return alerts(request, state);
    if (path == "/api/statistics") return statistics(state);
    if (path == "/api/omissions") return json(state.omissionsJson);
    if (path == "/api/chart") return chart(request, state);
    if (path == "/api/fairness") return fairness(request, state);
    return errorReply(404, "没有这个地址");
}

}  // namespace quintara
