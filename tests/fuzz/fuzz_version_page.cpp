// The version page: the number between its first two "==".
#include <cmath>

#include "fuzz_checks.h"
#include "shell/startup/version_notice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto version = quintara::publishedVersion(quintara::fuzz::bytesOf(data, size));
    if (version) quintara::fuzz::require(!std::isnan(*version), "a version is a number");
    return 0;
}
