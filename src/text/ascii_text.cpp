#include "text/ascii_text.h"

#include <algorithm>

namespace quintara {
namespace {

char lowerLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string asciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = lowerLetter(c);
    return lower;
}

std::string_view trimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::size_t findIgnoringCase(std::string_view text, std::string_view part) {
    return asciiLower(text).find(asciiLower(part));
}

bool containsIgnoringCase(std::string_view text, std::string_view part) {
    return findIgnoringCase(text, part) != std::string_view::npos;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           asciiLower(text.substr(0, prefix.size())) == asciiLower(prefix);
}

std::vector<std::string_view> textLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        std::string_view line = text.substr(from, end - from);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        from = end + 1;
    }
    return lines;
}

std::string eraseIgnoringCase(std::string_view text, std::string_view part) {
    if (part.empty()) return std::string(text);
    const std::string lowerText = asciiLower(text);
    const std::string lowerPart = asciiLower(part);
    std::string kept;
    std::size_t from = 0;
    for (std::size_t at = lowerText.find(lowerPart); at != std::string::npos;
         at = lowerText.find(lowerPart, from)) {
        kept.append(text.substr(from, at - from));
        from = at + part.size();
    }
    kept.append(text.substr(from));
    return kept;
}

}  // namespace quintara
