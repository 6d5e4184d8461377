// quintara-fetch run as a process: the request its options describe, and one
// line on standard error for an argument it cannot take.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/loopback_http_server.h"
#include "support/tool_process.h"

namespace quintara {
namespace {

using testing::ToolRun;

ToolRun runFetch(const std::vector<std::string>& arguments) {
    const testing::ScratchFolder folder;
    return testing::runTool(QUINTARA_FETCH_PROGRAM, arguments, folder);
}

TEST(FetchTool, SendsTheRequestItsOptionsDescribe) {
    const testing::LoopbackHttpServer server([](httplib::Server& routes) {
        routes.Post("/echo", [](const httplib::Request& request, httplib::Response& response) {
            response.set_content(request.get_header_value("X-A") + " " + request.get_header_value("X-B") +
                                     " " + request.body,
                                 "text/plain");
        });
    });
    // Every --header adds a line; the address after them is no header.
    const ToolRun answer = runFetch({"--post", "--header", "X-A: 1", "--header", "X-B: 2", "--data", "a=b",
                                     "--timeout", "010", server.address("/echo")});
    EXPECT_EQ(answer.status, 0) << answer.err;
    EXPECT_EQ(answer.out, "1 2 a=b");
}

TEST(FetchTool, NamesTheArgumentItCannotTake) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--timeout", "x", "http://127.0.0.1:1/"},
         "--timeout: wants a whole number from 0 to 2147483647, not \"x\""},
        {{"-i"}, "ADDRESS is required"},
        {{"--verbose", "http://127.0.0.1:1/"}, "The following argument was not expected: --verbose"},
    };
    for (const auto& [arguments, error] : cases) {
        const ToolRun result = runFetch(arguments);
        EXPECT_EQ(result.status, 2) << error;
        EXPECT_EQ(result.err, "quintara-fetch: " + error + "\n");
    }
}

TEST(FetchTool, ExplainsItsOptionsOnStandardOutput) {
    const ToolRun help = runFetch({"-h"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"ADDRESS", "-i", "-v", "--post", "--data", "--proxy", "--header", "--cookies",
                               "--timeout", "--convert", "--version"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace quintara
