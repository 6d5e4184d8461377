// What the fuzz targets of the draw readers hold every draw they give to.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "draws/issue.h"
#include "fuzz_checks.h"

namespace quintara::fuzz {

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

}  // namespace quintara::fuzz
