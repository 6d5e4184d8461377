#include "serve/watch_serving.h"

#include "serve/api_json.h"

namespace quintara {

WatchServing::WatchServing(ServeSettings settings, std::chrono::milliseconds pollInterval)
    : pushChannels_(settings.pushChannels), maker_(pollInterval), server_(board_, hub_, std::move(settings)) {}

void WatchServing::followed(DrawFollower& follower, const HistoryChange& change, WatchState::Clock::time_point now) {
    const WatchStateMaker::Step step = maker_.followed(follower, change, now);
    board_.publish(step.state);
    for (const ServedEvent& event : step.events) hub_.publish(event.name, event.data);
    hub_.publish("status", healthJson(*step.state, pushChannels_()));
}

}  // namespace quintara
