// Where the watcher serves its page and API: "[HOST:]PORT" as --serve takes
// it, HOST 127.0.0.1 unless given ("[::1]:8350" for an IPv6 address), and
// whether only this machine can reach it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quintara {

struct ListenAddress {
    std::string host;  // as given, without brackets
    int port = 0;      // 0: one the system picks

    // 127.0.0.0/8, ::1 and "localhost": no other machine connects.
    [[nodiscard]] bool loopback() const;
    // "http://127.0.0.1:8350/", "http://[::1]:8350/"
    [[nodiscard]] std::string url(int boundPort) const;
};

// None for any text that is no [HOST:]PORT with a port of 0 to 65535.
[[nodiscard]] std::optional<ListenAddress> listenAddressNamed(std::string_view text);

}  // namespace quintara
