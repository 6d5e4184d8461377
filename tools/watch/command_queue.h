// The user's command for each alert, run beside the polling: one run at a
// time on a thread of its own, from a queue of at most `capacity` runs, so
// that a slow command never holds up a poll. A run that finds the queue full
// is dropped.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace quintara::watch {

class CommandQueue {
public:
    static constexpr std::size_t kCapacity = 100;

    // Runs `command` (alert_command.h) for each run queued; `ending` stops
    // the run under way and every later one.
    CommandQueue(std::string command, const std::atomic<bool>& ending, std::size_t capacity = kCapacity);
    // Ends the thread once the run under way has ended; queued runs are left.
    ~CommandQueue();
    CommandQueue(const CommandQueue&) = delete;
    CommandQueue& operator=(const CommandQueue&) = delete;

    // Queues a run with the alert's record and text; false when the queue
    // is full and the run is dropped.
    bool push(std::string record, std::string text);
    // Waits until every run queued has ended, or the watcher is ending.
    void drain();

private:
    struct Run {
        std::string record;
        std::string text;
    };

    void work();

    const std::string command_;
    const std::atomic<bool>& ending_;
    const std::size_t capacity_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Run> queued_;
    bool running_ = false;
    bool stopping_ = false;
    std::thread worker_;  // last: it starts once the rest is made
};

}  // namespace quintara::watch
