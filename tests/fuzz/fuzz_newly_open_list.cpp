// The newly-open list, read for a draw newer than 20261208-041.
#include "draws/latest_draw_answers.h"
#include "fuzz_checks.h"
#include "text/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    constexpr std::int64_t kNewestKey = 61208041;  // the key of 20261208-041
    const std::string entry = entryFromNewlyOpenList(fuzz::bytesOf(data, size), kNewestKey);
    if (entry.empty()) return 0;
    fuzz::requireDrawEntry(entry);
    // The key: the rightmost 8 digits of the issue's 11.
    const std::string issueDigits = entry.substr(0, 8) + entry.substr(9, 3);
    fuzz::require(leadingInteger(std::string_view(issueDigits).substr(3)) > kNewestKey,
                  "only a newer draw is given");
    return 0;
}
