// A push channel as --notify names it: the prefix of the scheme chooses the
// format, the rest is the address it is posted to (https, or http for a
// relay on the user's own network):
//   ntfy+https://host/topic                      the text as body, a title header
//   json+https://host/path                       the alert record as JSON
//   wecom+https://host/path?key=K                a group bot's text message
//   dingtalk+https://host/path?access_token=T&secret=S
//                                                a group bot's text message, signed
//   telegram+https://host/botTOKEN/sendMessage?chat_id=C
//   bark+https://host/KEY
// Addresses carry secrets (a key, a token, a topic anyone could post to):
// what the program shows of a channel is only its format, scheme and host.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace quintara {

enum class PushFormat { Ntfy, Json, WeCom, DingTalk, Telegram, Bark };

struct PushChannel {
    PushFormat format = PushFormat::Json;
    std::string address;  // posted to, secrets included; DingTalk's secret and Telegram's chat taken off
    std::string shown;    // "dingtalk+https://host/…": nothing secret
    std::string secret;   // DingTalk: what signs each message
    std::string chat;     // Telegram: the chat the message goes to
};

// The channel `text` names, or why it names none. The reason never repeats
// the address: it may hold a secret.
[[nodiscard]] std::variant<PushChannel, std::string> pushChannelNamed(std::string_view text);

}  // namespace quintara
