// Letter case, spaces and lines in byte texts: only ASCII letters, the space
// and line ends are looked at, so GBK bytes pass through unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quintara {

[[nodiscard]] std::string asciiLower(std::string_view text);
// `text` without the spaces at both ends.
[[nodiscard]] std::string_view trimSpaces(std::string_view text);
// Where `part` first occurs in `text`, letter case ignored; npos when nowhere.
[[nodiscard]] std::size_t findIgnoringCase(std::string_view text, std::string_view part);
[[nodiscard]] bool containsIgnoringCase(std::string_view text, std::string_view part);
[[nodiscard]] bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);
// The lines of `text`, each without its LF or CR LF.
[[nodiscard]] std::vector<std::string_view> textLines(std::string_view text);
// `text` with every occurrence of `part` removed, letter case ignored.
[[nodiscard]] std::string eraseIgnoringCase(std::string_view text, std::string_view part);

}  // namespace quintara
