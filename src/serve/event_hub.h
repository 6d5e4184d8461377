// The event streams of /api/events: the watcher publishes each event once,
// on its own thread and without waiting for anyone; every open stream takes
// the events published since it last looked, on the server's thread that
// serves it. At most kMostStreams are open at once. A stream that falls so
// far behind that the events it has not taken are gone ends, and its page
// opens a new one.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace quintara {

class EventHub {
public:
    static constexpr std::size_t kMostStreams = 32;
    // The events kept for streams that have not taken them yet.
    static constexpr std::size_t kEventsKept = 256;

    class Stream {
    public:
        ~Stream();
        Stream(const Stream&) = delete;
        Stream& operator=(const Stream&) = delete;

        enum class Next {
            Events,  // `text` holds them, as the stream sends them
            Quiet,   // nothing was published for the time waited
            Ended,   // the hub closed, or the stream fell behind
        };
        struct Taken {
            Next next = Next::Quiet;
            std::string text;
        };
        // The events published since the last take, waiting for one up to
        // `wait`.
        [[nodiscard]] Taken take(std::chrono::milliseconds wait);

    private:
        friend class EventHub;
        Stream(EventHub& hub, std::uint64_t next) : hub_(hub), next_(next) {}

        EventHub& hub_;
        std::uint64_t next_;  // the id of the first event not taken
    };

    EventHub() = default;
    EventHub(const EventHub&) = delete;
    EventHub& operator=(const EventHub&) = delete;

    // A new stream, which takes the events published from now on; none when
    // kMostStreams are open or the hub is closed. It must not outlive the hub.
    [[nodiscard]] std::unique_ptr<Stream> open();
    [[nodiscard]] std::size_t openStreams() const;

    // "event: NAME\ndata: DATA\n\n" to every stream; `data` is one line.
    void publish(std::string_view name, std::string_view data);
    // Ends every stream's wait and opens no more.
    void close();

private:
    struct Event {
        std::uint64_t id;
        std::string text;
    };

    mutable std::mutex mutex_;
    std::condition_variable published_;
    std::deque<Event> events_;  // the newest kEventsKept, oldest first
    std::uint64_t nextId_ = 0;
    std::size_t open_ = 0;
    bool closed_ = false;
};

}  // namespace quintara
