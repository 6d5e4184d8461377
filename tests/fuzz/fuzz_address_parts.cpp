// The parts of a web address that a request is given.
#include "fuzz_checks.h"
#include "net/address_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const AddressParts parts = addressParts(fuzz::bytesOf(data, size));
    fuzz::require(parts.port >= 0 && parts.port <= 65535, "a port is a port");
    fuzz::require(parts.path.starts_with('/'), "a path starts with /");
    for (const char c : parts.host) {
        fuzz::require(!(c >= 'A' && c <= 'Z'), "a host is lower case");
        fuzz::require(c != '/', "a host holds no /");
    }
    return 0;
}
