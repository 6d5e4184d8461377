#include "notify/push_schedule.h"

#include <algorithm>

namespace quintara {

void PushSchedule::add(PushMessage message, Clock::time_point now) {
    waiting_.push_back({std::move(message), 0, now});
}

std::optional<PushSchedule::Delivery> PushSchedule::takeDue(Clock::time_point now) {
    const auto due = std::find_if(waiting_.begin(), waiting_.end(),
                                  [now](const Delivery& delivery) { return delivery.due <= now; });
    if (due == waiting_.end()) return std::nullopt;
    Delivery taken = std::move(*due);
    waiting_.erase(due);
    return taken;
}

bool PushSchedule::failed(Delivery delivery, Clock::time_point now) {
    const auto failures = static_cast<std::size_t>(++delivery.attempts);
    if (failures > kRetryDelays.size()) return false;
    delivery.due = now + kRetryDelays[failures - 1];
    waiting_.push_back(std::move(delivery));
    return true;
}

std::optional<PushSchedule::Clock::time_point> PushSchedule::nextDue() const {
    if (waiting_.empty()) return std::nullopt;
    return std::min_element(waiting_.begin(), waiting_.end(),
                            [](const Delivery& a, const Delivery& b) { return a.due < b.due; })
        ->due;
}

}  // namespace quintara
