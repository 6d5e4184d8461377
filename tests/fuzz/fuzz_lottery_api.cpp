// The lottery API's answer, asked for the draw after 20261208-041.
#include "draws/latest_draw_answers.h"
#include "fuzz_draw_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const std::string_view body = fuzz::bytesOf(data, size);
    const std::string entry = entryFromLotteryApi(body, "261208042", Issue::parse("20261208-041"));
    if (entry.empty()) return 0;
    fuzz::requireDrawEntry(entry);
    fuzz::require(isLotteryApiAnswer(body), "a body that gives a draw is an answer of the source");
    fuzz::require(entry.starts_with("20261208-042"), "the API answers the issue asked for");
    fuzz::require(entry.substr(12) != "20261", "the echo of the issue is no draw");
    return 0;
}
