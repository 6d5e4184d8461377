#include "fetch_arguments.h"

#include <charconv>

namespace quintara::fetch {
namespace {

std::optional<int> integerOf(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return number;
}

BodyConversion conversionOf(int number) {
    if (number == 1) return BodyConversion::Utf8ToGbk;
    if (number == 2) return BodyConversion::Big5ToSimplifiedGbk;
    return BodyConversion::None;
}

// Takes the value of an option that has one; false when it is missing or
// not understood.
bool takeValue(FetchArguments& into, std::string_view option, std::string_view value) {
    BackgroundRequest& request = into.request;
    if (option == "--data") {
        request.body = value;
    } else if (option == "--proxy") {
        request.proxy = value;
    } else if (option == "--header") {
        request.extraHeaders.append(value).append("\r\n");
    } else if (option == "--cookies") {
        request.cookies = value;
    } else if (option == "--timeout") {
        const auto seconds = integerOf(value);
        if (!seconds || *seconds < 0) return false;
        request.timeoutSeconds = *seconds;
    } else if (option == "--convert") {
        const auto number = integerOf(value);
        if (!number) return false;
        request.conversion = conversionOf(*number);
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::optional<FetchArguments> parseFetchArguments(std::span<const std::string_view> arguments) {
    FetchArguments parsed;
    bool addressSeen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "-i") {
            parsed.showHeaders = true;
        } else if (argument == "-v") {
            parsed.showOutcome = true;
        } else if (argument == "--post") {
            parsed.request.post = true;
        } else if (argument.starts_with("-")) {
            if (i + 1 == arguments.size() || !takeValue(parsed, argument, arguments[i + 1])) {
                return std::nullopt;
            }
            ++i;
        } else if (addressSeen) {
            return std::nullopt;
        } else {
            parsed.request.address = argument;
            addressSeen = true;
        }
    }
    if (!addressSeen) return std::nullopt;
    return parsed;
}

}  // namespace quintara::fetch
