// The history feed parser over any body a history provider may send.
#include "draws/history_feed.h"
#include "fuzz_draw_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const std::string_view body = fuzz::bytesOf(data, size);
    const std::vector<std::string> entries = parseHistoryFeed(body);
    // No record is shorter than its three markers and 14 digits.
    fuzz::require(entries.size() <= size / 38, "no more draws than the body can hold");
    for (const std::string& entry : entries) fuzz::requireDrawEntry(entry);
    return 0;
}
