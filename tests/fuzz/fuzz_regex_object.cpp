// The regular-expression object over a GBK subject, with the patterns the
// program gives it: the five characters of a draw text, and its digits.
#include "fuzz_checks.h"
#include "text/regex_object.h"

namespace {

void requireWithin(std::string_view subject, const std::string& text, int position) {
    quintara::fuzz::require(position >= 0 && static_cast<std::size_t>(position) <= subject.size(),
                            "a match's position lies in the subject");
    quintara::fuzz::require(subject.substr(static_cast<std::size_t>(position)).starts_with(text),
                            "a match's text stands at its position");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const std::string_view subject = fuzz::bytesOf(data, size);
    RegexObject split;
    if (split.Create("(.)(.)(.)(.)(.)", subject)) {
        for (int match = 1; match <= split.MatchCount(); ++match) {
            for (int group = 1; group <= 5; ++group) {
                int position = 0;
                const std::string text = split.GetSubMatch(match, group, &position);
                requireWithin(subject, text, position);
                fuzz::require(!text.empty() && text.size() <= 4, "a group is one character");
            }
        }
    }
    RegexObject digits;
    if (digits.Create("[0-9]", subject)) {
        for (int match = 1; match <= digits.MatchCount(); ++match) {
            int position = 0;
            const std::string text = digits.GetMatch(match, &position);
            requireWithin(subject, text, position);
            fuzz::require(text.size() == 1 && text[0] >= '0' && text[0] <= '9', "a digit is a digit");
        }
    }
    return 0;
}
