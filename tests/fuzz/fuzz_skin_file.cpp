// A skin file as our skin library reads it: what it takes, it writes back
// to the same bytes' skin.
#include "fuzz_checks.h"
#include "skin/skin_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const auto skin = skin::decodeSkin(fuzz::bytesOf(data, size));
    if (!skin) return 0;
    const auto again = skin::decodeSkin(skin::encodeSkin(*skin));
    fuzz::require(again.has_value() && *again == *skin, "a skin read is written back as it was");
    return 0;
}
