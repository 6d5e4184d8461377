#include "serve/query_values.h"

#include "text/numbers.h"

namespace quintara {
namespace {

// The one value of `name`: none when absent, a fault when given twice.
QueryValue<std::optional<std::string_view>> single(const QueryParameters& parameters, const std::string& name) {
    const auto [first, end] = parameters.equal_range(name);
    if (first == end) return std::nullopt;
    if (std::next(first) != end) return QueryFault{name + " 只能给一次"};
    return std::string_view(first->second);
}

// The value of `name` read by `read` (none: refused), or `fallback`.
template <typename Value, typename Read>
QueryValue<Value> valueOf(const QueryParameters& parameters, const std::string& name, const Value& fallback,
                          std::string_view expected, Read read) {
    const auto given = single(parameters, name);
    if (const auto* fault = std::get_if<QueryFault>(&given)) return *fault;
    const std::optional<std::string_view>& text = std::get<std::optional<std::string_view>>(given);
    if (!text) return fallback;
    std::optional<Value> value = read(*text);
    if (!value) return QueryFault{name + " 须为 " + std::string(expected)};
    return std::move(*value);
}

}  // namespace

QueryValue<std::size_t> limitOf(const QueryParameters& parameters, std::size_t fallback, std::size_t most) {
    const std::string expected = "1 至 " + std::to_string(most) + " 的整数";
    return valueOf<std::size_t>(parameters, "limit", fallback, expected,
                                [most](std::string_view text) -> std::optional<std::size_t> {
                                    if (text.empty() || text.size() > 7 || !allDigits(text)) return std::nullopt;
                                    const auto limit = static_cast<std::size_t>(leadingInteger(text));
                                    if (limit < 1 || limit > most) return std::nullopt;
                                    return limit;
                                });
}

QueryValue<ChartView> viewOf(const QueryParameters& parameters, const ChartView& fallback) {
    return valueOf<ChartView>(parameters, "view", fallback, "五星、前三、中三、后三、前二或后二",
                              [](std::string_view text) { return chartViewNamed(text); });
}

QueryValue<NamedRange> rangeOf(const QueryParameters& parameters, const NamedRange& fallback) {
    return valueOf<NamedRange>(parameters, "range", fallback, "期数 N、today、3d、7d 或 起期:止期",
                               [](std::string_view text) -> std::optional<NamedRange> {
                                   std::optional<DrawRange> range = rangeNamed(text);
                                   if (!range) return std::nullopt;
                                   if (range->kind == DrawRange::Kind::Issues && !issueCount(range->from, range->to)) {
                                       return std::nullopt;  // no issues, or the first after the last
                                   }
                                   return NamedRange{std::move(*range), std::string(text)};
                               });
}

}  // namespace quintara
