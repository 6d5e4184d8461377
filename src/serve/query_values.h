// The values the API's query parameters take, read strictly: a parameter
// given twice, a limit that is no plain number in its bounds, a view or a
// range the chart does not know, are refused rather than guessed at.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "serve/api_request.h"
#include "draws/draw_range.h"
#include "chart/chart_view.h"

namespace quintara {

// Why a query was refused, for the person who wrote it.
struct QueryFault {
    std::string text;
};

template <typename Value>
using QueryValue = std::variant<Value, QueryFault>;

// ?limit=N, 1 to `most`; `fallback` when absent.
[[nodiscard]] QueryValue<std::size_t> limitOf(const QueryParameters& parameters, std::size_t fallback,
                                              std::size_t most);
// ?view=后三: one of the chart's views; `fallback` when absent.
[[nodiscard]] QueryValue<ChartView> viewOf(const QueryParameters& parameters, const ChartView& fallback);
// ?range=30|today|3d|7d|FROM:TO (the tools' --range); `fallback` when absent.
// Its text comes along, as the key of what is made of it.
struct NamedRange {
    DrawRange range;
    std::string text;
};
[[nodiscard]] QueryValue<NamedRange> rangeOf(const QueryParameters& parameters, const NamedRange& fallback);

}  // namespace quintara
