// The platform services of the operating system without a window: the
// command-line tools use it as it is, the Qt shell builds on it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <random>

#include "platform/platform.h"

namespace quintara {

class SystemPlatform : public Platform {
public:
    [[nodiscard]] LocalTime localTime() const override;
    [[nodiscard]] std::uint32_t tickCount() const override;
    void seedRandom(std::uint32_t seed) override { random_.seed(seed); }
    int randomBetween(int low, int high) override;

    // Without a window: the text goes to standard error.
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void openAddress(std::string_view address) override;
    void endProgram() override;
    [[nodiscard]] bool endRequested() const { return endRequested_; }

    // Without a window there are no messages to dispatch: a plain wait.
    bool waitDispatching(const std::function<bool()>& finished, int limitMs) override;
    // From now on, waits give up unfinished as soon as `interrupted` is set
    // (by a signal handler, say), so that a program ends promptly.
    void interruptWaitsOn(const std::atomic<bool>& interrupted) { interrupted_ = &interrupted; }
    void wakeWait() override;

    [[nodiscard]] std::string programDirectory() const override;
    [[nodiscard]] std::string temporaryDirectory() const override;
    bool writeFile(const std::string& path, std::string_view bytes) override;

private:
    std::mt19937 random_{std::random_device{}()};
    bool endRequested_ = false;
    std::mutex wakeMutex_;
    std::condition_variable wake_;
    unsigned wakeCount_ = 0;
    const std::atomic<bool>* interrupted_ = nullptr;
};

}  // namespace quintara
