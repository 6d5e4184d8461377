#include "command_queue.h"

#include <chrono>
#include <cstdio>
#include <utility>

#include "alert_command.h"

namespace quintara::watch {
namespace {

constexpr auto kCommandLimit = std::chrono::seconds(10);
// How often a drain looks whether the watcher is ending.
constexpr auto kQueueLook = std::chrono::milliseconds(50);

}  // namespace

CommandQueue::CommandQueue(std::string command, const std::atomic<bool>& ending, std::size_t capacity)
    : command_(std::move(command)), ending_(ending), capacity_(capacity), worker_([this] { work(); }) {}

CommandQueue::~CommandQueue() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

bool CommandQueue::push(std::string record, std::string text) {
    {
        const std::lock_guard lock(mutex_);
        if (queued_.size() >= capacity_) return false;
        queued_.push_back({std::move(record), std::move(text)});
    }
    changed_.notify_all();
    return true;
}

void CommandQueue::drain() {
    std::unique_lock lock(mutex_);
    while (!ending_.load() && (running_ || !queued_.empty())) changed_.wait_for(lock, kQueueLook);
}

void CommandQueue::work() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || !queued_.empty(); });
        if (stopping_ || ending_.load()) return;
        const Run run = std::move(queued_.front());
        queued_.pop_front();
        running_ = true;
        lock.unlock();
        const CommandRun ran = runAlertCommand(command_, run.record, run.text, kCommandLimit, ending_);
        if (!ran.started) {
            std::fputs("quintara-watch: the command could not be started\n", stderr);
        } else if (ran.stopped && !ending_.load()) {
            std::fputs("quintara-watch: the command ran for 10 s and was stopped\n", stderr);
        }
        lock.lock();
        running_ = false;
        changed_.notify_all();
    }
}

}  // namespace quintara::watch
