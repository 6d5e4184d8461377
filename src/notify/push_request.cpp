#include "notify/push_request.h"

#include <curl/curl.h>
#include <nlohmann/json.hpp>

#include <memory>

#include "notify/dingtalk_signature.h"
#include "text/base64.h"

namespace quintara {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kJsonType = "Content-Type: application/json; charset=utf-8";

std::string dumped(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

std::string personText(const PushMessage& message) { return message.title + "\n" + message.text; }

// `text` percent-encoded for an address's query.
std::string escaped(const std::string& text) {
    const std::unique_ptr<char, decltype(&curl_free)> escaped(
        curl_easy_escape(nullptr, text.c_str(), static_cast<int>(text.size())), &curl_free);
    return escaped ? std::string(escaped.get()) : std::string();
}

PushRequest jsonPost(std::string address, const Json& body) {
    return {std::move(address), {std::string(kJsonType)}, dumped(body)};
}

Json textMessage(const PushMessage& message) {
    return {{"msgtype", "text"}, {"text", {{"content", personText(message)}}}};
}

}  // namespace

PushRequest pushRequest(const PushChannel& channel, const PushMessage& message,
                        std::chrono::system_clock::time_point now) {
    switch (channel.format) {
        case PushFormat::Ntfy:
            return {channel.address,
                    {"Title: =?UTF-8?B?" + base64(message.title) + "?=", "Content-Type: text/plain; charset=utf-8"},
                    message.text};
        case PushFormat::Json:
            return {channel.address, {std::string(kJsonType)}, message.json};
        case PushFormat::WeCom:
            return jsonPost(channel.address, textMessage(message));
        case PushFormat::DingTalk: {
            const auto timestamp =
                std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
            const char joint = channel.address.find('?') == std::string::npos ? '?' : '&';
            return jsonPost(channel.address + joint + "timestamp=" + std::to_string(timestamp) +
                                "&sign=" + escaped(dingTalkSignature(channel.secret, timestamp)),
                            textMessage(message));
        }
        case PushFormat::Telegram:
            return jsonPost(channel.address, {{"chat_id", channel.chat}, {"text", personText(message)}});
        case PushFormat::Bark:
            return jsonPost(channel.address, {{"title", message.title}, {"body", message.text}, {"group", "quintara"}});
    }
    return {};
}

std::optional<std::string> pushRefusal(PushFormat format, long status, std::string_view body) {
    if (status < 200 || status > 299) return "HTTP " + std::to_string(status);
    const Json answer = Json::parse(body, nullptr, false);
    if (!answer.is_object()) return std::nullopt;  // the status says enough
    if (format == PushFormat::WeCom || format == PushFormat::DingTalk) {
        const auto code = answer.find("errcode");
        if (code != answer.end() && code->is_number_integer() && code->get<long long>() != 0) {
            return "errcode " + std::to_string(code->get<long long>());
        }
    }
    if (format == PushFormat::Telegram) {
        const auto ok = answer.find("ok");
        if (ok != answer.end() && ok->is_boolean() && !ok->get<bool>()) return std::string("ok: false");
    }
    return std::nullopt;
}

}  // namespace quintara
