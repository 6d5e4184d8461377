// What every fuzz target may hold its entry point to, beyond not crashing:
// a broken rule ends the run as a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

#include "draws/issue.h"

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

// A draw entry as every reader hands one to the history: 17 characters, the
// date's 8 digits, "-", the 3-digit sequence and the 5 digits of the code.
inline void requireDrawEntry(std::string_view entry) {
    require(entry.size() == 17, "an entry has 17 characters");
    for (std::size_t at = 0; at < entry.size(); ++at) {
        if (at == 8) {
            require(entry[at] == '-', "an entry has \"-\" after its date");
        } else {
            require(entry[at] >= '0' && entry[at] <= '9', "an entry is digits around its \"-\"");
        }
    }
}

// A latest-draw reader gives only a draw after the newest held one: an
// issue of a real date, later than it.
inline void requireNewerThan(std::string_view entry, const Issue& newest) {
    const std::optional<Issue> issue = Issue::parse(entry.substr(0, 12));
    require(issue.has_value(), "an entry's issue is of a real date");
    require(*issue > newest, "only a newer draw is given");
}

// The first part of `bytes` up to `separator`, and what follows it; an
// input without the separator is all first part.
inline std::pair<std::string_view, std::string_view> split(std::string_view bytes, char separator) {
    const std::size_t at = bytes.find(separator);
    if (at == std::string_view::npos) return {bytes, {}};
    return {bytes.substr(0, at), bytes.substr(at + 1)};
}

}  // namespace quintara::fuzz
