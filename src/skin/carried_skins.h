// The skin library and our skin files as the program carries them: bytes
// built into the program, to be written to disk at start. Qt-free.
#pragma once

#include <string_view>

namespace quintara::skin {

// Our skin files are numbered 1 to kSkinCount.
inline constexpr int kSkinCount = 56;

// The bytes of the skin library file.
[[nodiscard]] std::string_view carriedSkinLibrary();

// The bytes of skin file `number`; empty when there is no skin of that number.
[[nodiscard]] std::string_view carriedSkinFile(int number);

}  // namespace quintara::skin
