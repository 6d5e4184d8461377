// Everything the core needs from the operating system, behind one interface:
// the Qt shell implements it for real, tests pass fakes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/local_time.h"

namespace quintara {

enum class MessageIcon { Information, Exclamation };

class Platform {
public:
    virtual ~Platform() = default;

    [[nodiscard]] virtual LocalTime localTime() const = 0;
    // Milliseconds since some fixed moment; wraps like a 32-bit tick count.
    [[nodiscard]] virtual std::uint32_t tickCount() const = 0;

    virtual void seedRandom(std::uint32_t seed) = 0;
    // A number drawn uniformly from low to high, both included.
    virtual int randomBetween(int low, int high) = 0;

    // A task-modal box with an OK button; returns when it is closed.
    virtual void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
    // Hands the address to the desktop's default browser.
    virtual void openAddress(std::string_view address) = 0;
    // Ends this program (status 0) once the current handler returns.
    virtual void endProgram() = 0;

    // Waits until `finished` returns true or `limitMs` milliseconds have
    // passed, while window messages keep being dispatched. `finished` is asked
    // again after each message and after each wakeWait(). True when finished.
    virtual bool waitDispatching(const std::function<bool()>& finished, int limitMs) = 0;
    // Callable from any thread: makes a running waitDispatching look again.
    virtual void wakeWait() = 0;

    [[nodiscard]] virtual std::string programDirectory() const = 0;
    // The user's own temporary directory, without a trailing separator.
    [[nodiscard]] virtual std::string temporaryDirectory() const = 0;
    // Replaces the file at `path` with `bytes`; false when that failed.
    virtual bool writeFile(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace quintara
