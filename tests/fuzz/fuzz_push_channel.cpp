// A --notify address: refused with a reason that repeats nothing of it, or a
// channel that posts over http or https and shows only its format, scheme
// and host.
#include <algorithm>

#include "fuzz_checks.h"
#include "notify/push_channel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const std::string_view text = fuzz::bytesOf(data, size);
    const auto channel = pushChannelNamed(text);
    if (const auto* why = std::get_if<std::string>(&channel)) {
        // Addresses hold secrets: a reason is one of our own words and
        // repeats none of the address (whose digits would show in it).
        fuzz::require(why->size() < 120, "a reason is short");
        fuzz::require(std::none_of(why->begin(), why->end(), [](char c) { return c >= '0' && c <= '9'; }),
                      "a reason repeats nothing of the address");
        return 0;
    }
    const PushChannel& made = std::get<PushChannel>(channel);
    fuzz::require(made.address.starts_with("http://") || made.address.starts_with("https://"), "posts over HTTP");
    fuzz::require(made.shown.ends_with("/…"), "shows no path");
    fuzz::require(made.shown.find('?') == std::string::npos && made.shown.find('@') == std::string::npos,
                  "shows no query and no user");
    return 0;
}
