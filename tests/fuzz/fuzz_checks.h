// What every fuzz target may hold its entry point to, beyond not crashing:
// a broken rule ends the run as a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace quintara::fuzz {

// Ends the run with the rule that was broken; libFuzzer saves the input.
[[noreturn]] inline void broken(const char* rule) {
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

inline void require(bool holds, const char* rule) {
    if (!holds) broken(rule);
}

// libFuzzer's bytes, exactly as long as they are: a read past them is one
// past a heap block of that size, which AddressSanitizer reports.
inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The first part of `bytes` up to `separator`, and what follows it; an
// input without the separator is all first part.
inline std::pair<std::string_view, std::string_view> split(std::string_view bytes, char separator) {
    const std::size_t at = bytes.find(separator);
    if (at == std::string_view::npos) return {bytes, {}};
    return {bytes.substr(0, at), bytes.substr(at + 1)};
}

}  // namespace quintara::fuzz
