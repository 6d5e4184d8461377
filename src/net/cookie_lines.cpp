#include "net/cookie_lines.h"

#include <curl/curl.h>

#include <charconv>
#include <limits>
#include <vector>

#include "text/ascii_text.h"

namespace quintara {
namespace {

constexpr std::string_view kHttpOnlyPrefix = "#HttpOnly_";

// Tabs and line ends would break a line of the store.
bool fitsStoreLine(std::string_view field) {
    for (const char c : field) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

std::vector<std::string_view> split(std::string_view text, char mark) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(mark, from);
        parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos) return parts;
        from = at + 1;
    }
}

std::optional<std::int64_t> integerOf(std::string_view text) {
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return number;
}

// `host` is `domain` or a host below it.
bool withinDomain(std::string_view host, std::string_view domain) {
    if (host == domain) return true;
    return host.size() > domain.size() && host.ends_with(domain) &&
           host[host.size() - domain.size() - 1] == '.';
}

// An expiry in the past stands for "delete": a time the store never sends.
std::int64_t expiryAfter(std::time_t now, std::int64_t seconds) {
    if (seconds <= 0) return 1;
    const std::int64_t latest = std::numeric_limits<std::int64_t>::max() - seconds;
    return static_cast<std::int64_t>(now) > latest ? std::numeric_limits<std::int64_t>::max()
                                                   : static_cast<std::int64_t>(now) + seconds;
}

// Applies one attribute ("Path=/x", "Secure" ...) of a cookie set by the
// lower-case `host`; false when it rules the cookie out.
bool applyAttribute(StoredCookie& cookie, std::string_view attribute, std::string_view host,
                    std::time_t now, bool& maxAgeSeen) {
    const std::size_t equals = attribute.find('=');
    const std::string key = asciiLower(trimSpaces(attribute.substr(0, equals)));
    const std::string_view value = equals == std::string_view::npos
                                       ? std::string_view{}
                                       : trimSpaces(attribute.substr(equals + 1));
    if (key == "path" && value.starts_with('/')) {
        cookie.path = value;
    } else if (key == "domain") {
        std::string domain = asciiLower(value);
        if (domain.starts_with('.')) domain.erase(0, 1);
        if (domain.empty()) return true;
        if (!withinDomain(host, domain)) return false;
        cookie.subdomains = domain != host;
        cookie.domain = std::move(domain);
    } else if (key == "max-age") {
        if (const auto seconds = integerOf(value)) {
            cookie.expires = expiryAfter(now, *seconds);
            maxAgeSeen = true;
        }
    } else if (key == "expires" && !maxAgeSeen) {
        const std::string date(value);
        if (const std::time_t when = curl_getdate(date.c_str(), nullptr); when != -1) {
            cookie.expires = when > 0 ? when : 1;
        }
    } else if (key == "secure") {
        cookie.secure = true;
    }
    return true;
}

}  // namespace

std::optional<StoredCookie> cookieFromSetCookie(std::string_view setCookie, std::string_view host,
                                                std::time_t now) {
    const std::size_t equals = setCookie.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string lowerHost = asciiLower(host);
    StoredCookie cookie;
    cookie.domain = lowerHost;
    cookie.name = trimSpaces(setCookie.substr(0, equals));
    const std::vector<std::string_view> parts = split(setCookie.substr(equals + 1), ';');
    cookie.value = trimSpaces(parts.front());
    if (cookie.name.empty() || cookie.name.starts_with('#') ||
        cookie.name.find(';') != std::string::npos) {
        return std::nullopt;
    }
    bool maxAgeSeen = false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!applyAttribute(cookie, parts[i], lowerHost, now, maxAgeSeen)) {
            return std::nullopt;
        }
    }
    for (const std::string_view field :
         {std::string_view(cookie.domain), std::string_view(cookie.path),
          std::string_view(cookie.name), std::string_view(cookie.value)}) {
        if (!fitsStoreLine(field)) return std::nullopt;
    }
    return cookie;
}

std::string netscapeLine(const StoredCookie& cookie) {
    std::string line;
    if (cookie.subdomains) line += '.';
    line.append(cookie.domain).append(cookie.subdomains ? "\tTRUE\t" : "\tFALSE\t");
    line.append(cookie.path).append(cookie.secure ? "\tTRUE\t" : "\tFALSE\t");
    line.append(std::to_string(cookie.expires)).append("\t");
    line.append(cookie.name).append("\t").append(cookie.value);
    return line;
}

std::optional<StoredCookie> cookieFromNetscapeLine(std::string_view line) {
    if (line.starts_with(kHttpOnlyPrefix)) line.remove_prefix(kHttpOnlyPrefix.size());
    const std::vector<std::string_view> fields = split(line, '\t');
    if (fields.size() != 7) return std::nullopt;
    const auto expires = integerOf(fields[4]);
    if (!expires) return std::nullopt;
    StoredCookie cookie;
    cookie.domain = asciiLower(fields[0]);
    if (cookie.domain.starts_with('.')) cookie.domain.erase(0, 1);
    cookie.subdomains = fields[1] == "TRUE";
    cookie.path = fields[2];
    cookie.secure = fields[3] == "TRUE";
    cookie.expires = *expires;
    cookie.name = fields[5];
    cookie.value = fields[6];
    return cookie;
}

bool cookieApplies(const StoredCookie& cookie, std::string_view host, std::string_view path,
                   bool secure, std::time_t now) {
    if (cookie.expires != 0 && cookie.expires <= static_cast<std::int64_t>(now)) return false;
    if (cookie.secure && !secure) return false;
    const std::string lowerHost = asciiLower(host);
    if (cookie.subdomains ? !withinDomain(lowerHost, cookie.domain) : lowerHost != cookie.domain) {
        return false;
    }
    const std::string_view requestPath = path.substr(0, path.find_first_of("?#"));
    const std::string_view cookiePath = cookie.path;
    if (!requestPath.starts_with(cookiePath)) return false;
    return requestPath.size() == cookiePath.size() || cookiePath.ends_with('/') ||
           requestPath[cookiePath.size()] == '/';
}

}  // namespace quintara
