#include "sources/network_providers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/latest_draw_host.h"
#include "support/loopback_http_server.h"

namespace quintara {
namespace {

using testing::LatestDrawHost;
using testing::listOf;

constexpr std::string_view kApiRoute = "/i/lotapi.html";

std::string apiAnswer(std::string_view code) {
    return R"({"gw":"ok","code":")" + std::string(code) + R"(","sw":1,"state":"drawn"})";
}

class NetworkProvidersTest : public ::testing::Test {
protected:
    LatestDrawHost sources;
    testing::FakePlatform platform;
    NetworkProviders providers{ProviderHosts::allAt(sources.host()), platform};

    NetworkProvidersTest() { platform.now = {2026, 12, 8, 14, 0, 5}; }
};

TEST_F(NetworkProvidersTest, TheLotteryApiIsAskedForTheNextIssueFirst) {
    sources.set(kApiRoute, apiAnswer("9,0,5,1,7"));
    sources.set(kNewlyOpenListPath, listOf({{"20261208042", "1,1,1,1,1"}}));
    const NewerDraw fromApi = providers.findNewerDraw("20261208-041");
    EXPECT_EQ(fromApi.entry, "20261208-04290517");
    EXPECT_EQ(fromApi.source, LatestDrawSource::LotteryApi);
    EXPECT_EQ(sources.requests(), (std::vector<std::string>{"/i/lotapi.html?issue=261208042"}));
}

TEST_F(NetworkProvidersTest, EachSourceDownLeadsToTheNext) {
    sources.set(kNewlyOpenListPath, listOf({{"20261208042", "1,2,3,4,5"}}));
    sources.set(kFlashDataPath, R"({"result":"6,7,8,9,0 20261208042","leftTime":40})");
    const NewerDraw fromList = providers.findNewerDraw("20261208-041");
    EXPECT_EQ(fromList.entry, "20261208-04212345");
    EXPECT_EQ(fromList.source, LatestDrawSource::NewlyOpenList);

    sources.drop(kNewlyOpenListPath);
    const NewerDraw fromFlash = providers.findNewerDraw("20261208-041");
    EXPECT_EQ(fromFlash.entry, "20261208-04267890");
    EXPECT_EQ(fromFlash.source, LatestDrawSource::FlashData);

    sources.drop(kFlashDataPath);
    EXPECT_EQ(providers.findNewerDraw("20261208-041").entry, "");
    const std::vector<std::string> requests = sources.requests();
    const std::vector<std::string> lastPoll(requests.end() - 3, requests.end());
    EXPECT_EQ(lastPoll, (std::vector<std::string>{"/i/lotapi.html?issue=261208042",
                                                  std::string(kNewlyOpenListPath),
                                                  std::string(kFlashDataPath)}));
}

TEST_F(NetworkProvidersTest, AnApiAnswerEchoingTheIssueIsNotADraw) {
    sources.set(kApiRoute, apiAnswer("2,0,2,6,1"));
    sources.set(kNewlyOpenListPath, listOf({{"20261208042", "5,5,5,5,5"}}));
    EXPECT_EQ(providers.findNewerDraw("20261208-041").entry, "20261208-04255555");
}

TEST_F(NetworkProvidersTest, AHistoryBehindCatchesUpOneDrawAtATime) {
    sources.set(kNewlyOpenListPath, listOf({{"20261208045", "5,5,5,5,5"},
                                            {"20261208044", "4,4,4,4,4"},
                                            {"20261208043", "3,3,3,3,3"},
                                            {"20261208042", "2,2,2,2,2"}}));
    std::string newest = "20261208-041";
    std::vector<std::string> arrived;
    for (std::string entry; !(entry = providers.findNewerDraw(newest).entry).empty();) {
        arrived.push_back(entry);
        newest = entry.substr(0, 12);
    }
    EXPECT_EQ(arrived, (std::vector<std::string>{"20261208-04222222", "20261208-04333333",
                                                 "20261208-04444444", "20261208-04555555"}));
}

TEST_F(NetworkProvidersTest, AnEmptyHistoryAsksForTodaysFirstDraw) {
    sources.set(kFlashDataPath, R"({"result":"1,3,5,7,9 20261208001","leftTime":40})");
    EXPECT_EQ(providers.findNewerDraw("").entry, "20261208-00113579");
    EXPECT_EQ(sources.requests().front(), "/i/lotapi.html?issue=261208001");
}

TEST_F(NetworkProvidersTest, APollSaysHowEachSourceAskedAnswered) {
    // The API has not drawn the issue yet, the list is no list, the flash
    // data is missing (404).
    sources.set(kApiRoute, R"({"code":"","state":"waiting"})");
    sources.set(kNewlyOpenListPath, "<html>moved</html>");
    EXPECT_EQ(providers.findNewerDraw("20261208-041").replies,
              (std::vector<SourceReply>{{LatestDrawSource::LotteryApi, SourceAnswer::NothingNewer, 200},
                                        {LatestDrawSource::NewlyOpenList, SourceAnswer::Malformed, 200},
                                        {LatestDrawSource::FlashData, SourceAnswer::ErrorStatus, 404}}));
}

TEST_F(NetworkProvidersTest, AnUnreachableHostGivesNoDrawAndNoAnswerFromAnySource) {
    NetworkProviders nowhere(ProviderHosts::allAt(testing::closedLoopbackHost()), platform);
    const NewerDraw poll = nowhere.findNewerDraw("20261208-041");
    EXPECT_EQ(poll.entry, "");
    EXPECT_EQ(poll.replies,
              (std::vector<SourceReply>{{LatestDrawSource::LotteryApi, SourceAnswer::NoAnswer},
                                        {LatestDrawSource::NewlyOpenList, SourceAnswer::NoAnswer},
                                        {LatestDrawSource::FlashData, SourceAnswer::NoAnswer}}));
}

}  // namespace
}  // namespace quintara
