#include "text/numbers.h"

#include <algorithm>
#include <charconv>

namespace quintara {

bool allDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), isDigit); }

std::int64_t leadingInteger(std::string_view text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (!isDigit(c) || value > (INT64_MAX - 9) / 10) break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<float> leadingNumber(std::string_view text) {
    const std::size_t start = std::min(text.find_first_not_of(" \t"), text.size());
    std::size_t end = start;
    if (end < text.size() && (text[end] == '-' || text[end] == '+')) ++end;
    std::size_t digits = 0;
    for (; end < text.size() && isDigit(text[end]); ++end) ++digits;
    if (end < text.size() && text[end] == '.') {
        for (++end; end < text.size() && isDigit(text[end]); ++end) ++digits;
    }
    if (digits == 0) return std::nullopt;
    // from_chars takes no "+" in front.
    const std::size_t from = text[start] == '+' ? start + 1 : start;
    float number = 0;
    const auto [stop, error] =
        std::from_chars(text.data() + from, text.data() + end, number, std::chars_format::fixed);
    if (error != std::errc() || stop != text.data() + end) return std::nullopt;
    return number;
}

void appendDecimal(std::string& text, std::int64_t value) {
    char digits[24];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void appendTwoDecimals(std::string& text, double value) {
    // Both round the exact binary value to the nearest, as "%.2f" does.
    char digits[400];  // room for the largest double in fixed notation
    text.append(digits,
                std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2).ptr);
}

std::string percentText(double share) {
    std::string text;
    appendTwoDecimals(text, share * 100);
    return text += '%';
}

std::string_view rightmost(std::string_view text, std::size_t count) {
    return text.size() > count ? text.substr(text.size() - count) : text;
}

}  // namespace quintara
