// How one draw is written in the provider's answers: its issue number, its
// code and the time it is drawn at.
#pragma once

#include <string>

#include "draw_book.h"

namespace quintara::provider {

// The history feed and the lottery API write the year with 2 digits, the
// newly-open list and the flash data with 4.
enum class YearDigits { Two = 2, Four = 4 };

// Year, month, day and 3-digit sequence, nothing between: "250612001".
[[nodiscard]] std::string issueText(const Draw& draw, YearDigits year);

// The five digits with commas between: "1,2,3,4,5".
[[nodiscard]] std::string codeText(const Draw& draw);

// The draw's place in its day, 12 minutes apart, the last one at midnight:
// "2025-06-12 00:12:00" for sequence 1.
[[nodiscard]] std::string openTimeText(const Draw& draw);

}  // namespace quintara::provider
