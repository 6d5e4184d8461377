#include "draws/network_providers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "draws/history_feed.h"
#include "support/feed_document.h"
#include "support/loopback_http_server.h"

namespace quintara {
namespace {

using Entries = std::vector<std::string>;
using testing::LoopbackHttpServer;

TEST(NetworkProvidersTest, FetchesTheFeedFromTheHistoryHost) {
    std::atomic<int> requests = 0;
    const LoopbackHttpServer server([&](httplib::Server& routes) {
        routes.Get(std::string(kHistoryFeedPath), [&](const httplib::Request&, httplib::Response& response) {
            ++requests;
            response.set_content(testing::feedDocument(testing::kFirstDrawsOf20180211), "text/xml");
        });
    });
    NetworkProviders providers(server.host());
    Entries entries{"stale"};
    ASSERT_TRUE(providers.fetchHistoryFeed(entries));
    ASSERT_EQ(entries.size(), 6U);
    EXPECT_EQ(entries.front(), "20180211-00691180");
    EXPECT_EQ(entries.back(), "20180211-00123780");
    ASSERT_TRUE(providers.fetchHistoryFeed(entries));  // asked afresh each time
    EXPECT_EQ(requests, 2);
}

TEST(NetworkProvidersTest, AFeedWithoutDrawsLeavesTheListAlone) {
    const LoopbackHttpServer server([](httplib::Server& routes) {
        routes.Get(std::string(kHistoryFeedPath), [](const httplib::Request&, httplib::Response& response) {
            response.set_content(testing::feedRow({"180211001", "2378"}), "text/xml");
        });
    });
    Entries entries{"20180211-00123780"};
    EXPECT_FALSE(NetworkProviders(server.host()).fetchHistoryFeed(entries));
    EXPECT_FALSE(NetworkProviders(testing::closedLoopbackHost()).fetchHistoryFeed(entries));
    EXPECT_EQ(entries, Entries{"20180211-00123780"});
}

}  // namespace
}  // namespace quintara
