// How many threads this process has now, as the system counts them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <iterator>

namespace quintara::testing {

inline std::size_t threadCount() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return static_cast<std::size_t>(std::distance(begin(tasks), end(tasks)));
}

}  // namespace quintara::testing
