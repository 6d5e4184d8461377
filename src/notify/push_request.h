// A push as it goes on the wire in its channel's format, and what the answer
// says of it.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "notify/push_channel.h"
#include "notify/push_message.h"

namespace quintara {

struct PushRequest {
    std::string address;
    std::vector<std::string> headerLines;
    std::string body;
};

// The POST of `message` to `channel` at `now` (DingTalk signs with it):
//   ntfy      the text, "Title: =?UTF-8?B?…?=" (RFC 2047: the title is Chinese)
//   json      the message's JSON record
//   wecom     {"msgtype":"text","text":{"content":TITLE\nTEXT}}
//   dingtalk  the same, to the address with &timestamp=MS&sign=SIGNATURE
//   telegram  {"chat_id":C,"text":TITLE\nTEXT}
//   bark      {"title":TITLE,"body":TEXT,"group":"quintara"}
[[nodiscard]] PushRequest pushRequest(const PushChannel& channel, const PushMessage& message,
                                      std::chrono::system_clock::time_point now);

// Why the answer says the push was not taken; none when it was: a 2xx
// status, and from a group bot an errcode of 0, from Telegram "ok":true.
[[nodiscard]] std::optional<std::string> pushRefusal(PushFormat format, long status, std::string_view body);

}  // namespace quintara
