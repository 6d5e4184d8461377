// What the server refuses, and that refusing never stops it: the token on
// every request, GET and HEAD only, 8 KiB of headers, idle and slow
// connections closed, at most 32 event streams, the Content-Security-Policy
// on every reply; and the watcher that will not serve other machines
// without a token.
#include <gtest/gtest.h>

#include <openssl/sha.h>

#include <memory>

#include "served_watch.h"
#include "serve/content_policy.h"
#include "serve/served_files.h"
#include "support/issues.h"
#include "support/tool_process.h"
#include "text/base64.h"

namespace quintara {
namespace {

using testing::getRequest;
using testing::RawClient;
using testing::ServedWatch;

constexpr char kToken[] = "Tq7-secret_token.42";

ServeSettings withToken() {
    ServeSettings settings = testing::loopbackSettings();
    settings.token = AccessToken::of(kToken);
    return settings;
}

// The status of a raw request's answer; 0 when none came.
int statusOf(int port, const std::string& request) {
    RawClient client(port);
    client.send(request);
    const std::string answer = client.receive("\r\n");
    return answer.starts_with("HTTP/1.1 ") ? std::stoi(answer.substr(9, 3)) : 0;
}

TEST(ServerGuard, ATokenServerAnswersOnlyRequestsThatCarryIt) {
    ServedWatch watch(40, withToken());
    httplib::Client client = watch.client();
    const auto none = client.Get("/api/draws");
    ASSERT_TRUE(none);
    EXPECT_EQ(none->status, 401);
    EXPECT_EQ(none->get_header_value("WWW-Authenticate"), "Bearer");

    EXPECT_EQ(client.Get("/api/draws", {{"Authorization", std::string("Bearer ") + kToken}})->status, 200);
    EXPECT_EQ(client.Get(std::string("/api/draws?token=") + kToken)->status, 200);
    EXPECT_EQ(client.Get(std::string("/?token=") + kToken)->status, 200);
    for (const std::string wrong : {"Tq7-secret_token.4", "Tq7-secret_token.421", "tq7-secret_token.42", ""}) {
        EXPECT_EQ(client.Get("/api/draws", {{"Authorization", "Bearer " + wrong}})->status, 401) << wrong;
        EXPECT_EQ(client.Get("/health?token=" + wrong)->status, 401) << wrong;
    }
    // The header is the token presented, whatever the query says.
    EXPECT_EQ(client.Get(std::string("/health?token=") + kToken, {{"Authorization", "Bearer wrong"}})->status, 401);
    EXPECT_EQ(client.Get("/api/draws", {{"Authorization", std::string("Basic ") + kToken}})->status, 401);
    EXPECT_EQ(statusOf(watch.port, getRequest("/api/events")), 401);
}

TEST(ServerGuard, ALoopbackServerWithoutATokenAnswersEveryone) {
    ServedWatch watch(40);
    EXPECT_EQ(watch.client().Get("/api/draws")->status, 200);
    EXPECT_EQ(watch.client().Get("/api/draws", {{"Authorization", "Bearer anything"}})->status, 200);
}

TEST(ServerGuard, TheWatcherWillNotServeOtherMachinesWithoutAToken) {
    const testing::ScratchFolder folder;
    for (const std::string address : {"0.0.0.0:8350", "192.168.1.20:8350", "[::]:8350", "watch.example:80"}) {
        const testing::ToolRun run = testing::runTool(QUINTARA_WATCH_PROGRAM, {"--serve", address}, folder);
        EXPECT_EQ(run.status, 2) << address;
        EXPECT_EQ(run.err, "quintara-watch: --serve " + address +
                               " can be reached from other machines: give --token TOKEN or --token-file FILE\n");
    }
    // A token file without a token is refused, and the line names no token.
    testing::putFile(folder.file("token"), "\n");
    const testing::ToolRun empty =
        testing::runTool(QUINTARA_WATCH_PROGRAM, {"--serve", "0.0.0.0:8350", "--token-file", folder.file("token")}, folder);
    EXPECT_EQ(empty.status, 2);
    const testing::ToolRun spaced = testing::runTool(QUINTARA_WATCH_PROGRAM, {"--serve", "0.0.0.0:8350", "--token", "a b"}, folder);
    EXPECT_EQ(spaced.status, 2);
    EXPECT_EQ(spaced.err.find("a b"), std::string::npos) << spaced.err;
    for (const std::string address : {"8350x", "127.0.0.1:65536", "::1:8350", "127.0.0.1:"}) {
        EXPECT_EQ(testing::runTool(QUINTARA_WATCH_PROGRAM, {"--serve", address}, folder).status, 2) << address;
    }
}

TEST(ServerGuard, OnlyGetAndHeadAreAnswered) {
    ServedWatch watch(40);
    for (const std::string method : {"POST", "PUT", "DELETE", "PATCH", "OPTIONS"}) {
        RawClient client(watch.port);
        client.send(method + " /api/draws HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\n\r\nabc");
        const std::string answer = client.receive("\r\n\r\n");
        EXPECT_TRUE(answer.starts_with("HTTP/1.1 405")) << method << ": " << answer;
        EXPECT_NE(answer.find("Allow: GET, HEAD\r\n"), std::string::npos) << method;
    }
    const auto head = watch.client().Head("/api/statistics");
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 200);
    EXPECT_TRUE(head->body.empty());
    // A GET with a body has nothing to say to this server.
    EXPECT_EQ(statusOf(watch.port, "GET /health HTTP/1.1\r\nHost: x\r\nContent-Length: 4\r\n\r\nbody"), 413);
    EXPECT_EQ(statusOf(watch.port, "GET /health HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n"), 413);
    EXPECT_EQ(statusOf(watch.port, "GET /health HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\n\r\n"), 200);
}

TEST(ServerGuard, HeadersPast8KiBAreRefusedWhateverTheirShape) {
    ServedWatch watch(40);
    const std::string kib(1024, 'a');
    std::string nine;  // 9 KiB in one header line
    for (int k = 0; k < 9; ++k) nine += kib;
    EXPECT_EQ(statusOf(watch.port, getRequest("/health", "X-Big: " + nine + "\r\n")), 400);
    std::string split;  // 9 KiB in nine lines
    for (int k = 0; k < 9; ++k) split += "X-Part-" + std::to_string(k) + ": " + kib + "\r\n";
    EXPECT_EQ(statusOf(watch.port, getRequest("/health", split)), 431);
    std::string within;  // 7 KiB in seven lines
    for (int k = 0; k < 7; ++k) within += "X-Part-" + std::to_string(k) + ": " + kib + "\r\n";
    EXPECT_EQ(statusOf(watch.port, getRequest("/health", within)), 200);
    EXPECT_EQ(statusOf(watch.port, getRequest("/health?x=" + nine)), 414);
}

// The policy's hash of the page's one script, worked out here.
std::string scriptHash() {
    const std::string_view page = watchPage();
    const std::size_t begin = page.find("<script>") + 8;
    const std::string_view script = page.substr(begin, page.find("</script>") - begin);
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char*>(script.data()), script.size(), digest);
    return "'sha256-" + base64({reinterpret_cast<const char*>(digest), sizeof digest}) + "'";
}

TEST(ServerGuard, EveryReplyCarriesAPolicyThatAllowsOnlyThePageItself) {
    ServedWatch watch(40, withToken());
    const std::string policy = contentSecurityPolicy(watchPage());
    EXPECT_TRUE(policy.starts_with("default-src 'none'; script-src " + scriptHash() + "; style-src 'sha256-"));
    EXPECT_NE(policy.find("connect-src 'self'"), std::string::npos);
    EXPECT_EQ(policy.find("unsafe"), std::string::npos);
    EXPECT_EQ(policy.find("http"), std::string::npos);  // no other host
    EXPECT_EQ(std::string(watchPage()).find("http"), std::string::npos);

    const std::string bearer = std::string("Authorization: Bearer ") + kToken + "\r\n";
    for (const std::string& request : std::vector<std::string>{
             getRequest("/?token=" + std::string(kToken)), getRequest("/nowhere", bearer), getRequest("/health"),
          "POST / HTTP/1.1\r\nHost: x\r\n\r\n", getRequest("/health", "X-Big: " + std::string(9000, 'b') + "\r\n"),
          getRequest("/api/draws?limit=0", bearer)}) {
        RawClient client(watch.port);
        client.send(request);
        const std::string answer = client.receive("\r\n\r\n");
        EXPECT_NE(answer.find("Content-Security-Policy: " + policy + "\r\n"), std::string::npos)
            << request.substr(0, 40) << answer.substr(0, 60);
    }
}

TEST(ServerGuard, AThirtyThirdEventStreamIsTurnedAwayUntilOneCloses) {
    ServeSettings settings = testing::loopbackSettings();
    settings.keepAlive = std::chrono::milliseconds(100);  // a closed stream is noticed at its next comment
    ServedWatch watch(40, settings);
    std::vector<std::unique_ptr<RawClient>> streams;
    for (std::size_t open = 0; open < EventHub::kMostStreams; ++open) {
        streams.push_back(std::make_unique<RawClient>(watch.port));
        streams.back()->send(getRequest("/api/events"));
        ASSERT_TRUE(streams.back()->receive("event: status").starts_with("HTTP/1.1 200")) << open;
    }
    RawClient turnedAway(watch.port);
    turnedAway.send(getRequest("/api/events"));
    const std::string answer = turnedAway.receive("\r\n\r\n");
    EXPECT_TRUE(answer.starts_with("HTTP/1.1 503")) << answer;
    EXPECT_NE(answer.find("Retry-After: 5\r\n"), std::string::npos);
    // The API still answers beside the 32 streams.
    EXPECT_EQ(watch.client().Get("/health")->status, 200);

    streams.pop_back();
    bool reopened = false;
    for (int attempt = 0; attempt < 50 && !reopened; ++attempt) {
        RawClient again(watch.port);
        again.send(getRequest("/api/events"));
        reopened = again.receive("\r\n").starts_with("HTTP/1.1 200");
        if (!reopened) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(reopened);
}

TEST(ServerGuard, IdleAndSlowConnectionsAreClosedAndHoldNothingUp) {
    ServedWatch watch(40);
    RawClient idle(watch.port);
    RawClient slow(watch.port);
    ASSERT_TRUE(idle.connected() && slow.connected());
    slow.send("GET /health HTTP/1.1\r\nHost");  // and never the rest
    // Others are served meanwhile, and the watcher's steps go on.
    EXPECT_EQ(watch.client().Get("/health")->status, 200);
    watch.poll(testing::successorOf(watch.follower.history().draws().front().issue) + "55555");
    EXPECT_EQ(watch.client().Get("/api/draws?limit=1")->body.find("55555") != std::string::npos, true);

    // The idle one is closed; the slow one is told off (and then, idle, closed too).
    const auto since = std::chrono::steady_clock::now();
    idle.receive("never", std::chrono::seconds(12));
    EXPECT_TRUE(idle.closed());
    EXPECT_TRUE(slow.receive("\r\n\r\n", std::chrono::seconds(12)).starts_with("HTTP/1.1 400"));
    EXPECT_LT(std::chrono::steady_clock::now() - since, std::chrono::seconds(12));
}

TEST(ServerGuard, HostileRequestsGetAnErrorAndTheServerGoesOn) {
    ServedWatch watch(40);
    for (const std::string& hostile : std::vector<std::string>{
             std::string("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03\r\n\r\n", 15), std::string("GET\r\n\r\n"),
          std::string("GET / HTTP/1.1\r\nHost x\r\n\r\n"), getRequest("/api/chart?view=%E5%90%8E%E4"),
          getRequest("/api/chart?range=%ZZ"), getRequest("/api/draws?limit=%00"),
          getRequest("/api/fairness?range=20261201-001:"), getRequest("/api/chart?range=2147483648"),
          std::string("GET /") + std::string(9000, 'x') + " HTTP/1.1\r\n\r\n"}) {
        RawClient client(watch.port);
        client.send(hostile);
        const std::string answer = client.receive("\r\n\r\n");
        EXPECT_TRUE(answer.starts_with("HTTP/1.1 4")) << hostile.substr(0, 30) << " → " << answer.substr(0, 40);
    }
    // Every serving thread held by a connection that says nothing: the
    // watcher's steps still publish, and once the connections close, the
    // server answers again.
    std::vector<std::unique_ptr<RawClient>> holding;
    for (std::size_t held = 0; held < WatchServer::kServingThreads + 5; ++held) {
        holding.push_back(std::make_unique<RawClient>(watch.port));
    }
    watch.poll(testing::successorOf(watch.follower.history().draws().front().issue) + "77777");
    holding.clear();
    const auto newest = watch.client().Get("/api/draws?limit=1");
    ASSERT_TRUE(newest);
    EXPECT_NE(newest->body.find("77777"), std::string::npos);
}

}  // namespace
}  // namespace quintara
