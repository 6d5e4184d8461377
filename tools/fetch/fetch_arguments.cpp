#include "fetch_arguments.h"

#include <climits>
#include <string>

#include "tool_cli.h"

namespace quintara::fetch {
namespace {

BodyConversion conversionOf(int number) {
    if (number == 1) return BodyConversion::Utf8ToGbk;
    if (number == 2) return BodyConversion::Big5ToSimplifiedGbk;
    return BodyConversion::None;
}

}  // namespace

void declareOptions(CLI::App& commandLine, FetchArguments& arguments) {
    BackgroundRequest& request = arguments.request;
    commandLine.add_flag("-i", arguments.showHeaders,
                         "Writes the raw response header text and an empty line before the body.");
    commandLine.add_flag("-v", arguments.showOutcome,
                         "Tells on standard error how the request ended: the status, libcurl's "
                         "error or the time-out.");
    commandLine.add_flag("--post", request.post, "Sends a POST instead of a GET.");
    commandLine.add_option("--data", request.body, "The bytes a POST sends.");
    commandLine.add_option("--proxy", request.proxy, "The HTTP proxy to go through.")
        ->type_name("HOST:PORT");
    // Every --header adds a line; the others take their last value.
    commandLine.add_option("--header", "A header line the request carries; may be given again.")
        ->type_name("'Name: value'")
        ->each([&request](const std::string& line) { request.extraHeaders.append(line).append("\r\n"); });
    commandLine.add_option("--cookies", request.cookies, "The cookie text the request carries.");
    commandLine.add_option("--timeout", request.timeoutSeconds, "How many seconds to wait for the answer.")
        ->type_name("S")
        ->transform(tools::wholeNumber(0, INT_MAX));
    commandLine
        .add_option_function<int>(
            "--convert", [&request](int number) { request.conversion = conversionOf(number); },
            "Converts the body: 1 from UTF-8 to GBK, 2 from Big5 to simplified GBK, any other "
            "number not at all.")
        ->type_name("N")
        ->transform(tools::wholeNumber(INT_MIN, INT_MAX));
    commandLine.add_option("ADDRESS", request.address, "The address to request, passed on unchanged.")
        ->required();
}

}  // namespace quintara::fetch
