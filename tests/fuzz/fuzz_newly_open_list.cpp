// The newly-open list, read for a draw newer than 20261208-041.
#include "draws/latest_draw_answers.h"
#include "fuzz_draw_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const Issue newest = *Issue::parse("20261208-041");
    const std::string_view body = fuzz::bytesOf(data, size);
    const std::string entry = entryFromNewlyOpenList(body, newest);
    if (entry.empty()) return 0;
    fuzz::requireDrawEntry(entry);
    fuzz::require(isNewlyOpenListAnswer(body), "a body that gives a draw is an answer of the source");
    fuzz::requireNewerThan(entry, newest);
    return 0;
}
