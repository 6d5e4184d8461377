#include "draw_answers.h"

#include <algorithm>
#include <iterator>

#include "draw_texts.h"

namespace quintara::provider {
namespace {

// One XML document of draw records, one record per line, from `first` to
// `last`.
template <std::input_iterator Iterator>
std::string drawDocument(Iterator first, Iterator last, YearDigits year) {
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<xml>\n";
    for (; first != last; ++first) {
        const Draw& draw = *first;
        text += "<row expect=\"" + issueText(draw, year) + "\" opencode=\"" + codeText(draw) +
                "\" opentime=\"" + openTimeText(draw) + "\"/>\n";
    }
    return text + "</xml>\n";
}

std::string inQuotes(std::string_view text) {
    std::string inside;
    inside.reserve(text.size() + 2);
    inside.append(1, '"').append(text).append(1, '"');
    return inside;
}

}  // namespace

std::string historyFeed(std::span<const Draw> draws) {
    return drawDocument(draws.begin(), draws.end(), YearDigits::Two);
}

std::string lotteryApiAnswer(std::span<const Draw> recent, std::string_view issue) {
    const auto drawn = std::ranges::find_if(
        recent, [issue](const Draw& draw) { return issueText(draw, YearDigits::Two) == issue; });
    if (drawn == recent.end()) return R"({"code":"","state":"waiting"})";
    return "{\"code\":" + inQuotes(codeText(*drawn)) +
           ",\"sw\":" + inQuotes(drawn->digits.substr(3, 1)) +
           ",\"gw\":" + inQuotes(drawn->digits.substr(4, 1)) + ",\"issue\":" + inQuotes(issue) + "}";
}

std::string newlyOpenList(std::span<const Draw> draws) {
    return drawDocument(draws.rbegin(), draws.rend(), YearDigits::Four);
}

std::string flashData(const Draw& current, std::chrono::seconds untilNextDraw) {
    return "{\"result\":{\"code\":" + inQuotes(codeText(current)) +
           ",\"issue\":" + inQuotes(issueText(current, YearDigits::Four)) +
           "},\"leftTime\":" + std::to_string(untilNextDraw.count()) + "}";
}

}  // namespace quintara::provider
