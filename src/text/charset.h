// Charset work over raw bytes with ICU: decoding a code page to UTF-16,
// encoding UTF-16 in a code page, and the two body conversions of a
// background request.
#pragma once

#include <string>
#include <string_view>

namespace quintara {

// ICU's names of the code pages the program meets.
inline constexpr const char* kGbk = "GBK";    // code page 936
inline constexpr const char* kBig5 = "Big5";  // code page 950
inline constexpr const char* kUtf8 = "UTF-8";

// The text of `bytes` read in `charset`; a byte sequence the charset does
// not know becomes U+FFFD. Empty for an unknown charset.
[[nodiscard]] std::u16string decodeBytes(std::string_view bytes, const char* charset);

// `text` written in `charset`; a character the charset cannot hold becomes
// "?". Empty for an unknown charset.
[[nodiscard]] std::string encodeText(std::u16string_view text, const char* charset);

// Conversion 1: UTF-8 bytes as GBK bytes.
[[nodiscard]] std::string utf8ToGbk(std::string_view bytes);

// Conversion 2: Big5 bytes as GBK bytes with traditional characters mapped to
// simplified ones (臺灣開獎 becomes 台湾开奖).
[[nodiscard]] std::string big5ToSimplifiedGbk(std::string_view bytes);

}  // namespace quintara
