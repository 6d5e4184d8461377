// The watcher's request routing and query parsing, as a request reaches
// them: the method chosen by the first byte, the target as the server
// splits and decodes it, the rest an Authorization header. Every request
// gets one of the statuses the server gives, JSON where it says JSON, and a
// page or a document only where one is served.
#include <httplib.h>
#include <nlohmann/json.hpp>

#include <array>
#include <memory>

#include "fuzz_checks.h"
#include "serve/api_routes.h"
#include "serve/request_guard.h"
#include "stats/statistics.h"

namespace {

using namespace quintara;

// A state over 300 made draws, as the watcher publishes one.
const WatchState& state() {
    static const auto made = [] {
        std::vector<Draw> draws;
        std::uint32_t seed = 7;
        for (int draw = 300; draw > 0; --draw) {
            std::string digits;
            for (int position = 0; position < 5; ++position) {
                seed = seed * 1103515245U + 12345U;
                digits += static_cast<char>('0' + (seed >> 16) % 10);
            }
            const int day = 1 + (draw - 1) / 120;
            const int sequence = 1 + (draw - 1) % 120;
            char issue[16];
            std::snprintf(issue, sizeof issue, "202612%02d-%03d", day, sequence);
            draws.push_back({issue, digits});
        }
        std::vector<std::string_view> texts;
        for (const Draw& draw : draws) texts.emplace_back(draw.text);
        Statistics statistics = computeStatistics({.draws = texts, .selections = {}});
        auto history = std::make_shared<const HistoryView>(std::move(draws), std::move(statistics));
        return std::make_unique<WatchState>(WatchState{
            .history = history,
            .alerts = std::make_shared<const std::vector<std::string>>(std::vector<std::string>{"{\"n\":1}"}),
            .omissionsJson = "{}"});
    }();
    return *made;
}

const std::array<std::string_view, 4> kMethods{"GET", "HEAD", "POST", "OPTIONS"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytesOf(data, size);
    if (bytes.empty()) return 0;
    const std::string_view method = kMethods[static_cast<unsigned char>(bytes[0]) % kMethods.size()];
    const auto [target, authorization] = fuzz::split(bytes.substr(1), '\n');
    const auto [path, query] = fuzz::split(target, '?');

    QueryParameters parameters;
    httplib::detail::parse_query_text(std::string(query), parameters);
    const std::string decoded = httplib::detail::decode_url(std::string(path), false);
    const ApiRequest request{method, decoded, parameters, authorization, bytes.size()};

    static const auto token = AccessToken::of("fuzz-token");
    const bool guarded = (bytes[0] & 0x80) != 0;
    const std::optional<ApiReply> refused = refusal(request, guarded ? &*token : nullptr);
    const ApiReply reply = refused ? *refused : answer(request, state(), [] { return std::string("[]"); });

    static constexpr std::array kStatuses{200, 400, 401, 404, 405, 431};
    fuzz::require(std::find(kStatuses.begin(), kStatuses.end(), reply.status) != kStatuses.end(), "a known status");
    if (reply.contentType == "application/json") {
        fuzz::require(nlohmann::json::accept(reply.body), "JSON where JSON is said");
    } else {
        fuzz::require(reply.status == 200 && decoded == "/", "only the page is no JSON");
    }
    if (reply.status == 200) fuzz::require(method == "GET" || method == "HEAD", "only GET and HEAD answered");
    if (reply.status == 200 && guarded) fuzz::require(authorization.find("fuzz-token") != std::string_view::npos ||
                                                          query.find("fuzz-token") != std::string_view::npos,
                                                      "a guarded answer carried the token");
    return 0;
}
