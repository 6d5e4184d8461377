// Each push format as a loopback server receives it from the channel's own
// thread: the body, the headers and the address each service reads, the
// DingTalk signature verified here with OpenSSL, and nothing secret in what
// the program shows of a channel.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <openssl/evp.h>
#include <openssl/hmac.h>

#include "notify/dingtalk_signature.h"
#include "notify/notifier.h"
#include "push_receiver.h"
#include "text/base64.h"

namespace quintara {
namespace {

using Json = nlohmann::json;
using testing::PushReceiver;
using testing::ReceivedPush;

const AlertRecord kAlert{.time = "2025-12-10T10:00:00+00:00",
                         .issue = "20261209-045",
                         .rule = 0,
                         .list = StatisticsList::Position1Omission,
                         .item = "7",
                         .current = 21,
                         .longest = 34,
                         .chance = 0.109419,
                         .text = "万位 7 已遗漏 21 期（最大遗漏 34 期，遗漏概率 10.94%）"};

PushChannel channelOf(const std::string& url) {
    auto channel = pushChannelNamed(url);
    if (auto* why = std::get_if<std::string>(&channel)) throw std::runtime_error(*why);
    return std::get<PushChannel>(std::move(channel));
}

// The one push the channel of `url` sends for kAlert.
ReceivedPush pushedTo(PushReceiver& receiver, const std::string& url) {
    const testing::FixedPushClock clock(testing::tenOClock());
    ChannelWorker worker(channelOf(url), clock, std::nullopt, [](const PushFailure&) {});
    worker.alertsFired({&kAlert, 1});
    const std::vector<ReceivedPush> received = receiver.awaited(1);
    if (received.size() != 1) throw std::runtime_error("no push arrived");
    return received.front();
}

TEST(PushFormats, NtfyGetsTheTextAsBodyAndTheTitleAsAnEncodedHeader) {
    PushReceiver receiver;
    const ReceivedPush push = pushedTo(receiver, "ntfy+" + receiver.address("/quintara-alerts"));
    EXPECT_EQ(push.path, "/quintara-alerts");
    EXPECT_EQ(push.body, kAlert.text);
    const std::string title = push.headers.find("Title")->second;
    ASSERT_TRUE(title.starts_with("=?UTF-8?B?") && title.ends_with("?="));
    EXPECT_EQ(title, "=?UTF-8?B?" + base64("遗漏预警 第20261209-045期") + "?=");
    EXPECT_EQ(base64("遗漏预警 第20261209-045期"), "6YGX5ryP6aKE6K2mIOesrDIwMjYxMjA5LTA0Neacnw==");
}

TEST(PushFormats, AJsonWebHookGetsTheAlertRecord) {
    PushReceiver receiver;
    const ReceivedPush push = pushedTo(receiver, "json+" + receiver.address("/hooks/alert?source=watch"));
    EXPECT_EQ(push.path, "/hooks/alert");
    EXPECT_EQ(push.query.find("source")->second, "watch");
    EXPECT_EQ(push.body, alertJson(kAlert));
    EXPECT_EQ(push.headers.find("Content-Type")->second, "application/json; charset=utf-8");
}

TEST(PushFormats, AWeComBotGetsATextMessageAtItsKey) {
    PushReceiver receiver;
    receiver.answerWith(R"({"errcode":0,"errmsg":"ok"})");
    const ReceivedPush push = pushedTo(receiver, "wecom+" + receiver.address("/cgi-bin/webhook/send?key=K-123"));
    EXPECT_EQ(push.query.find("key")->second, "K-123");
    EXPECT_EQ(Json::parse(push.body), (Json{{"msgtype", "text"},
                                            {"text", {{"content", "遗漏预警 第20261209-045期\n" + kAlert.text}}}}));
}

TEST(PushFormats, ADingTalkBotGetsATextMessageSignedWithItsSecret) {
    PushReceiver receiver;
    receiver.answerWith(R"({"errcode":0})");
    const std::string secret = "SECdemo0123456789abcdef";
    const ReceivedPush push =
        pushedTo(receiver, "dingtalk+" + receiver.address("/robot/send?access_token=T0K&secret=" + secret));
    EXPECT_EQ(push.query.find("access_token")->second, "T0K");
    EXPECT_EQ(push.query.count("secret"), 0U);  // the secret signs; it never travels
    const std::string timestamp = push.query.find("timestamp")->second;
    EXPECT_EQ(timestamp, "1765360800000");
    // HMAC-SHA256 of "TIMESTAMP\nSECRET" keyed by the secret, worked out here.
    const std::string signedText = timestamp + "\n" + secret;
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    HMAC(EVP_sha256(), secret.data(), static_cast<int>(secret.size()),
         reinterpret_cast<const unsigned char*>(signedText.data()), signedText.size(), digest, &length);
    EXPECT_EQ(push.query.find("sign")->second, base64({reinterpret_cast<const char*>(digest), length}));
    EXPECT_EQ(Json::parse(push.body)["msgtype"], "text");
    // A vector worked out apart from OpenSSL, with its characters that need escaping.
    EXPECT_EQ(dingTalkSignature(secret, 1765324800000), "Mu2chJp8+y/uhPIKvJDNO4RTxTlavfjALsj7L+X4Fqw=");
}

TEST(PushFormats, TelegramGetsTheChatInTheBodyAndBarkTheTitleAndBody) {
    PushReceiver receiver;
    receiver.answerWith(R"({"ok":true})");
    const ReceivedPush telegram =
        pushedTo(receiver, "telegram+" + receiver.address("/bot123:ABC/sendMessage?chat_id=-100200"));
    EXPECT_EQ(telegram.path, "/bot123:ABC/sendMessage");
    EXPECT_TRUE(telegram.query.empty());
    EXPECT_EQ(Json::parse(telegram.body),
              (Json{{"chat_id", "-100200"}, {"text", "遗漏预警 第20261209-045期\n" + kAlert.text}}));

    PushReceiver bark;
    const ReceivedPush push = pushedTo(bark, "bark+" + bark.address("/DeviceKey42"));
    EXPECT_EQ(push.path, "/DeviceKey42");
    EXPECT_EQ(Json::parse(push.body),
              (Json{{"title", "遗漏预警 第20261209-045期"}, {"body", kAlert.text}, {"group", "quintara"}}));
}

TEST(PushChannels, ShowNothingSecretAndRefuseAddressesTheirFormatCannotUse) {
    const PushChannel ding = channelOf("dingtalk+https://bots.example:8443/robot/send?access_token=TOKEN1&secret=SEC2");
    EXPECT_EQ(ding.shown, "dingtalk+https://bots.example:8443/…");
    EXPECT_EQ(ding.address, "https://bots.example:8443/robot/send?access_token=TOKEN1");
    EXPECT_EQ(channelOf("telegram+https://tg.example/botSECRET/sendMessage?chat_id=42").shown, "telegram+https://tg.example/…");
    EXPECT_EQ(channelOf("bark+http://192.168.1.9:8080/KEY").shown, "bark+http://192.168.1.9:8080/…");

    for (const std::string bad :
         {"https://push.example/TOPIC9", "ntfy:https://push.example/TOPIC9", "ntfy+https://push.example/",
          "ntfy+ftp://push.example/TOPIC9", "ntfy+file:///etc/passwd", "wecom+https://bots.example/send?k=KEY9",
          "dingtalk+https://bots.example/send?access_token=TOKEN9", "telegram+https://tg.example/sendMessage?chat_id=1",
          "telegram+https://tg.example/botSECRET9/sendMessage", "bark+https://bark.example", "sms+https://x.example/KEY9",
          "json+", "json+https://"}) {
        const auto channel = pushChannelNamed(bad);
        ASSERT_TRUE(std::holds_alternative<std::string>(channel)) << bad;
        const std::string& why = std::get<std::string>(channel);
        for (const std::string secret : {"KEY9", "TOKEN9", "SECRET9", "passwd", "TOPIC9", "example"}) {
            EXPECT_EQ(why.find(secret), std::string::npos) << why;
        }
    }
}

TEST(PushChannels, AFailureLineNamesTheChannelAsShownOnly) {
    const PushChannel channel = channelOf("wecom+https://bots.example/send?key=SECRETKEY");
    const std::string line = pushFailureJson({channel.shown, "20261209-045", 4, "HTTP 503"}, testing::tenOClock());
    const Json parsed = Json::parse(line);
    EXPECT_EQ(parsed["event"], "push_failed");
    EXPECT_EQ(parsed["channel"], "wecom+https://bots.example/…");
    EXPECT_EQ(parsed["attempts"], 4);
    EXPECT_EQ(line.find("SECRETKEY"), std::string::npos);
}

}  // namespace
}  // namespace quintara
