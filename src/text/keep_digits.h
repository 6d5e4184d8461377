// Keep digits: the decimal digits of a text, the draw fields' filter.
#pragma once

#include <string>
#include <string_view>

namespace quintara {

// Every character 0 to 9 of `text`, in order, and nothing else ("" when there
// is none). No byte of a GBK two-byte character is a digit, so bytes do.
[[nodiscard]] std::string keepDigits(std::string_view text);

}  // namespace quintara
