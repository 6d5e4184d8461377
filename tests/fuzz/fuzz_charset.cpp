// The two body conversions of a background request over any bytes.
#include "fuzz_checks.h"
#include "text/charset.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const std::string fromUtf8 = utf8ToGbk(bytes);
    const std::string fromBig5 = big5ToSimplifiedGbk(bytes);
    // Plain ASCII (but for NUL) stays as it is in both.
    bool ascii = true;
    for (const char c : bytes) ascii = ascii && c > 0;
    if (ascii) {
        fuzz::require(fromUtf8 == bytes, "ASCII stays ASCII from UTF-8");
        fuzz::require(fromBig5 == bytes, "ASCII stays ASCII from Big5");
    }
    return 0;
}
