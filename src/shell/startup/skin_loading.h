// The skin at start: the carried skin library written next to the program,
// a carried skin file written to the user's temporary directory, and the
// library, loaded from the file that was written, told to apply it.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"
#include "shell/startup/loaded_library.h"

namespace quintara {

inline constexpr std::string_view kSkinLibraryFileName = "hrttp.dll";
inline constexpr std::string_view kSkinFileName = "1.she";

// Program directory + "/hrttp.dll".
[[nodiscard]] std::string skinLibraryPath(const Platform& platform);

// Writes the carried skin library to skinLibraryPath, replacing the file;
// a failed write is not reported.
void writeSkinLibrary(Platform& platform);

// Applies skins with the library and keeps it loaded while the look is used.
class SkinAttacher {
public:
    explicit SkinAttacher(Platform& platform) : platform_(platform) {}

    // Writes skin `number` (1 to 56; another number writes nothing) as
    // "1.she" in the temporary directory and hands that path and the empty
    // password to the library's SkinH_AttachEx. Failures are silent and
    // leave the look as it was; without a temporary directory of the user's
    // own there is no path to give, and nothing happens.
    void applySkin(int number);

private:
    Platform& platform_;
    LoadedLibrary library_;
};

}  // namespace quintara
