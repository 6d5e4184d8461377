// How many threads this process has, as the system counts them.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <iterator>
#include <thread>

namespace quintara::testing {

inline std::size_t threadCount() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return static_cast<std::size_t>(std::distance(begin(tasks), end(tasks)));
}

// The count once it has come down to `expected`, or after a second. A
// joined thread may still be listed for a moment: the kernel wakes the
// joining thread before it takes the ended one off the list, a moment that
// grows long on a loaded machine or under a sanitizer. A thread left
// running stays listed, so the count stays above.
inline std::size_t threadCountSettlingAt(std::size_t expected) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    std::size_t count = threadCount();
    while (count > expected && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        count = threadCount();
    }
    return count;
}

}  // namespace quintara::testing
