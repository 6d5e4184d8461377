#include "notify/push_channel.h"

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace quintara {
namespace {

struct UrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
using Url = std::unique_ptr<CURLU, UrlDeleter>;

constexpr std::array<std::pair<std::string_view, PushFormat>, 6> kFormats{{
    {"ntfy", PushFormat::Ntfy},
    {"json", PushFormat::Json},
    {"wecom", PushFormat::WeCom},
    {"dingtalk", PushFormat::DingTalk},
    {"telegram", PushFormat::Telegram},
    {"bark", PushFormat::Bark},
}};

// A part of the address; empty when it has none.
std::string part(CURLU* url, CURLUPart which, unsigned flags = 0) {
    char* text = nullptr;
    if (curl_url_get(url, which, &text, flags) != CURLUE_OK || text == nullptr) return {};
    std::string value(text);
    curl_free(text);
    return value;
}

// The query's "name=value" pairs, values percent-decoded.
std::vector<std::pair<std::string, std::string>> queryOf(CURLU* url) {
    std::vector<std::pair<std::string, std::string>> pairs;
    const std::string query = part(url, CURLUPART_QUERY);
    for (std::size_t begin = 0; begin <= query.size();) {
        std::size_t end = query.find('&', begin);
        if (end == std::string::npos) end = query.size();
        const std::string pair = query.substr(begin, end - begin);
        const std::size_t equals = pair.find('=');
        if (!pair.empty()) {
            int length = 0;
            const std::string raw = equals == std::string::npos ? std::string() : pair.substr(equals + 1);
            char* decoded = curl_easy_unescape(nullptr, raw.c_str(), static_cast<int>(raw.size()), &length);
            pairs.emplace_back(pair.substr(0, equals), decoded ? std::string(decoded, static_cast<std::size_t>(length)) : "");
            curl_free(decoded);
        }
        begin = end + 1;
    }
    return pairs;
}

std::optional<std::string> valueOf(const std::vector<std::pair<std::string, std::string>>& query, std::string_view name) {
    for (const auto& [key, value] : query) {
        if (key == name && !value.empty()) return value;
    }
    return std::nullopt;
}

// The query without the parameter `name`.
void dropParameter(CURLU* url, const std::vector<std::pair<std::string, std::string>>& query, std::string_view name) {
    curl_url_set(url, CURLUPART_QUERY, nullptr, 0);
    for (const auto& [key, value] : query) {
        if (key == name) continue;
        const std::string pair = key + "=" + value;
        curl_url_set(url, CURLUPART_QUERY, pair.c_str(), CURLU_APPENDQUERY | CURLU_URLENCODE);
    }
}

// What each format needs of its address; empty when it has it.
std::string missingOf(PushFormat format, const std::string& path,
                      const std::vector<std::pair<std::string, std::string>>& query) {
    const bool hasPath = path.size() > 1;
    switch (format) {
        case PushFormat::Ntfy: return hasPath ? "" : "ntfy+ wants the topic as the address's path";
        case PushFormat::Bark: return hasPath ? "" : "bark+ wants the device key as the address's path";
        case PushFormat::WeCom: return valueOf(query, "key") ? "" : "wecom+ wants ?key=";
        case PushFormat::DingTalk:
            return valueOf(query, "access_token") && valueOf(query, "secret") ? ""
                                                                              : "dingtalk+ wants ?access_token=&secret=";
        case PushFormat::Telegram:
            return path.find("/bot") != std::string::npos && path.ends_with("/sendMessage") && valueOf(query, "chat_id")
                       ? ""
                       : "telegram+ wants /botTOKEN/sendMessage?chat_id=";
        case PushFormat::Json: return "";
    }
    return "";
}

}  // namespace

std::variant<PushChannel, std::string> pushChannelNamed(std::string_view text) {
    const std::size_t plus = text.find('+');
    const auto format = std::find_if(kFormats.begin(), kFormats.end(), [&](const auto& known) {
        return plus != std::string_view::npos && text.substr(0, plus) == known.first;
    });
    if (format == kFormats.end()) {
        return std::string("--notify wants ntfy+, json+, wecom+, dingtalk+, telegram+ or bark+ before the address");
    }
    const std::string address(text.substr(plus + 1));
    const Url url(curl_url());
    if (!url || curl_url_set(url.get(), CURLUPART_URL, address.c_str(), 0) != CURLUE_OK) {
        return std::string(format->first) + "+ is followed by no address";
    }
    const std::string scheme = part(url.get(), CURLUPART_SCHEME);
    const std::string host = part(url.get(), CURLUPART_HOST);
    if ((scheme != "https" && scheme != "http") || host.empty()) {
        return std::string(format->first) + "+ wants an https:// or http:// address";
    }
    const auto query = queryOf(url.get());
    if (std::string missing = missingOf(format->second, part(url.get(), CURLUPART_PATH), query); !missing.empty()) {
        return missing;
    }

    PushChannel channel{.format = format->second};
    const std::string port = part(url.get(), CURLUPART_PORT);
    channel.shown = std::string(format->first) + "+" + scheme + "://" + host + (port.empty() ? "" : ":" + port) + "/…";
    if (channel.format == PushFormat::DingTalk) {
        channel.secret = *valueOf(query, "secret");
        dropParameter(url.get(), query, "secret");
    } else if (channel.format == PushFormat::Telegram) {
        channel.chat = *valueOf(query, "chat_id");
        dropParameter(url.get(), query, "chat_id");
    }
    channel.address = part(url.get(), CURLUPART_URL);
    return channel;
}

}  // namespace quintara
