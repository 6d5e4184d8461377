// Writes a picture of 16 palette colours as a GIF file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quintara::provider {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr std::size_t kPaletteSize = 16;

struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::array<Rgb, kPaletteSize> palette{};
    std::vector<std::uint8_t> pixels;  // width * height palette indexes, row by row from the top
};

// The bytes of a GIF89a file holding the picture (palette indexes below 16).
[[nodiscard]] std::string encodeGif(const IndexedPicture& picture);

}  // namespace quintara::provider
