// Text between two markers: the text, the start and the end marker come
// from the input, separated by NUL bytes.
#include "fuzz_checks.h"
#include "text/text_between.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    const auto [text, markers] = fuzz::split(fuzz::bytesOf(data, size), '\0');
    const auto [start, end] = fuzz::split(markers, '\0');
    const std::string between = textBetween(text, start, end);
    if (between.empty()) return 0;
    const std::size_t from = text.find(start);
    fuzz::require(from != std::string_view::npos, "a text between follows its start marker");
    fuzz::require(text.substr(from + start.size()).starts_with(between),
                  "a text between is the text after the start marker");
    return 0;
}
