// The parts of a web address that a web access connects with: host, path
// and port, after putting "http://" in front of an address without a scheme.
#pragma once

#include <string>
#include <string_view>

namespace quintara {

struct AddressParts {
    std::string address;  // as requested: "http://" in front when it had no scheme
    std::string host;     // lower case, without scheme, path and port
    std::string path;     // from the first "/" after the host, query included; "/" when none
    int port = 80;        // 443 for a secure address; 0 for a port no server can have
    bool secure = false;  // the address contains "https://" in any letter case
};

[[nodiscard]] AddressParts addressParts(std::string_view address);

}  // namespace quintara
