#include "serve/event_hub.h"

namespace quintara {

EventHub::Stream::~Stream() {
    const std::lock_guard lock(hub_.mutex_);
    --hub_.open_;
}

EventHub::Stream::Taken EventHub::Stream::take(std::chrono::milliseconds wait) {
    std::unique_lock lock(hub_.mutex_);
    hub_.published_.wait_for(lock, wait, [this] { return hub_.closed_ || hub_.nextId_ > next_; });
    if (hub_.closed_) return {Next::Ended, {}};
    if (hub_.nextId_ == next_) return {Next::Quiet, {}};
    if (hub_.events_.front().id > next_) return {Next::Ended, {}};  // those it missed are gone
    Taken taken{Next::Events, {}};
    for (const Event& event : hub_.events_) {
        if (event.id >= next_) taken.text += event.text;
    }
    next_ = hub_.nextId_;
    return taken;
}

std::unique_ptr<EventHub::Stream> EventHub::open() {
    const std::lock_guard lock(mutex_);
    if (closed_ || open_ >= kMostStreams) return nullptr;
    ++open_;
    return std::unique_ptr<Stream>(new Stream(*this, nextId_));
}

std::size_t EventHub::openStreams() const {
    const std::lock_guard lock(mutex_);
    return open_;
}

void EventHub::publish(std::string_view name, std::string_view data) {
    std::string text = "event: ";
    text.append(name).append("\ndata: ").append(data).append("\n\n");
    {
        const std::lock_guard lock(mutex_);
        events_.push_back({nextId_++, std::move(text)});
        if (events_.size() > kEventsKept) events_.pop_front();
    }
    published_.notify_all();
}

void EventHub::close() {
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
    }
    published_.notify_all();
}

}  // namespace quintara
