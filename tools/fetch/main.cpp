// quintara-fetch: shows what a provider answers the program. It runs one
// background request and writes the body to standard output as bytes, with
// -i the raw response header text and an empty line before it, with -v how
// the request ended (status, libcurl's error or the time-out) on standard
// error.
// Exit status: 0 a body, 1 an empty body, 2 bad arguments, 3 time-out.
#include <cstdio>
#include <iostream>
#include <string_view>

#include "fetch_arguments.h"
#include "platform/system_platform.h"
#include "tool_cli.h"

namespace {

void writeBytes(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

}  // namespace

int main(int argc, char** argv) {
    quintara::tools::ToolCommandLine commandLine(
        "quintara-fetch",
        "Runs one request as the program makes it and writes the body of the answer to standard "
        "output.");
    quintara::fetch::FetchArguments arguments;
    quintara::fetch::declareOptions(commandLine, arguments);
    if (const auto status = commandLine.read(argc, argv)) return *status;

    quintara::SystemPlatform platform;
    const quintara::BackgroundAnswer answer =
        quintara::backgroundRequest(platform, arguments.request);
    if (arguments.showHeaders) {
        writeBytes(answer.responseHeaders);
        // The header text ends with its own empty line when there is one.
        if (!answer.responseHeaders.ends_with("\r\n\r\n")) writeBytes("\r\n");
    }
    writeBytes(answer.body);
    std::fflush(stdout);
    if (arguments.showOutcome) {
        std::cerr << "quintara-fetch: "
                  << quintara::describeOutcome(answer.outcome, answer.body.size(),
                                               quintara::webAccessPolicy(true))
                  << '\n';
    }
    if (answer.timedOut) return 3;
    return answer.body.empty() ? 1 : 0;
}
