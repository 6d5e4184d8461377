#include "serve/listen_address.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <array>

#include "text/numbers.h"

namespace quintara {
namespace {

constexpr std::string_view kDefaultHost = "127.0.0.1";
constexpr int kHighestPort = 65535;

std::optional<int> portNamed(std::string_view text) {
    if (text.empty() || text.size() > 5 || !allDigits(text)) return std::nullopt;
    const auto port = static_cast<int>(leadingInteger(text));
    if (port > kHighestPort) return std::nullopt;
    return port;
}

bool isIpv6(const std::string& host) {
    std::array<unsigned char, sizeof(in6_addr)> address{};
    return inet_pton(AF_INET6, host.c_str(), address.data()) == 1;
}

// A host name or address as the resolver takes it: letters, digits, dots,
// hyphens and, for an IPv6 address, colons.
bool hostLooksRight(std::string_view host) {
    if (host.empty() || host.size() > 253) return false;
    for (const char c : host) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && !isDigit(c) && c != '.' && c != '-' && c != ':') return false;
    }
    return true;
}

}  // namespace

bool ListenAddress::loopback() const {
    if (host == "localhost") return true;
    in_addr v4{};
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    return inet_pton(AF_INET6, host.c_str(), &v6) == 1 && IN6_IS_ADDR_LOOPBACK(&v6);
}

std::string ListenAddress::url(int boundPort) const {
    const std::string shown = isIpv6(host) ? "[" + host + "]" : host;
    return "http://" + shown + ":" + std::to_string(boundPort) + "/";
}

std::optional<ListenAddress> listenAddressNamed(std::string_view text) {
    std::string host(kDefaultHost);
    std::string_view port = text;
    if (text.starts_with('[')) {
        const std::size_t close = text.find("]:");
        if (close == std::string_view::npos) return std::nullopt;
        host = std::string(text.substr(1, close - 1));
        port = text.substr(close + 2);
        if (!isIpv6(host)) return std::nullopt;
    } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
        host = std::string(text.substr(0, colon));
        port = text.substr(colon + 1);
        // An IPv6 address goes in brackets, so that its port stands apart.
        if (host.find(':') != std::string::npos) return std::nullopt;
    }
    const std::optional<int> number = portNamed(port);
    if (!number || !hostLooksRight(host)) return std::nullopt;
    return ListenAddress{std::move(host), *number};
}

}  // namespace quintara
