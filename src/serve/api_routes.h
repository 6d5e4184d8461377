// The watcher's answers, each made from the latest state: the page (/), the
// OpenAPI document (/openapi.json), /health and the JSON API under /api/.
// The event stream (/api/events) is the server's own, for it keeps the
// connection.
#pragma once

#include <functional>
#include <string>

#include "serve/api_request.h"
#include "serve/watch_state.h"

namespace quintara {

// The push channels' states as a JSON array, made when /health is asked.
using PushChannelsJson = std::function<std::string()>;

// The limits and defaults of the queries.
inline constexpr std::size_t kDefaultListLimit = 30;
inline constexpr std::size_t kMostListLimit = 1000;

[[nodiscard]] ApiReply answer(const ApiRequest& request, const WatchState& state, const PushChannelsJson& pushChannels);

}  // namespace quintara
