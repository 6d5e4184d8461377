// Issue numbers as the tests write them: the issue after one, as text.
#pragma once

#include <string>
#include <string_view>

#include "draws/issue.h"

namespace quintara::testing {

// The issue that follows `issue` on a full day; empty for no issue number.
inline std::string successorOf(std::string_view issue) {
    const auto parsed = Issue::parse(issue);
    return parsed ? parsed->successor().text() : std::string();
}

}  // namespace quintara::testing
