#include "serve/watch_state.h"

namespace quintara {

void StateBoard::publish(std::shared_ptr<const WatchState> state) {
    const std::lock_guard lock(mutex_);
    current_ = std::move(state);
}

std::shared_ptr<const WatchState> StateBoard::current() const {
    const std::lock_guard lock(mutex_);
    return current_;
}

}  // namespace quintara
