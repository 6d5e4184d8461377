// Digits and numbers in byte texts: only the ASCII digits count, so no byte
// of a GBK two-byte character is ever taken for one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintara {

[[nodiscard]] constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a digit character; -1 for any other character.
[[nodiscard]] constexpr int digitValue(char c) { return isDigit(c) ? c - '0' : -1; }

// True when every character of `text` is a digit (so also for "").
[[nodiscard]] bool allDigits(std::string_view text);

// The number formed by the leading decimal digits of `text`; 0 when it starts
// with none. Digits past what 64 bits hold are not read.
[[nodiscard]] std::int64_t leadingInteger(std::string_view text);

// The decimal number at the start of `text` (after spaces), as in "9.0",
// "-2" or "9.1 beta"; nothing when the text does not begin with one.
[[nodiscard]] std::optional<float> leadingNumber(std::string_view text);

// Appends `value` in decimal, and with two decimals as C's "%.2f" writes it.
void appendDecimal(std::string& text, std::int64_t value);
void appendTwoDecimals(std::string& text, double value);

// A share as a percentage with two decimals: 0.0728 as "7.28%".
[[nodiscard]] std::string percentText(double share);

// The rightmost `count` characters of `text` (all of it when it is shorter).
[[nodiscard]] std::string_view rightmost(std::string_view text, std::size_t count);

}  // namespace quintara
