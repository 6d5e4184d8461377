// Our skin file format: the bytes of one look (a palette and a Qt style
// sheet), written by the skin maker and read by the skin library. Qt-free.
//
// Layout, numbers little-endian:
//   ".SHE"                      4 bytes, the mark every skin file begins with
//   version                     1 byte, kSkinFormatVersion
//   name length, name           1 byte, then that many bytes of UTF-8
//   colour count                1 byte
//   colours                     count × (role, red, green, blue), 1 byte each
//   style sheet length          4 bytes
//   style sheet                 that many bytes of UTF-8
// Nothing may follow the style sheet.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintara::skin {

inline constexpr std::string_view kSkinMark = ".SHE";
inline constexpr std::uint8_t kSkinFormatVersion = 1;
// Larger files are not skins of ours; the library reads no further.
inline constexpr std::size_t kLargestSkinFile = 1 << 20;

// What a colour of the palette is for; the numbers are the file's own.
enum class ColourRole : std::uint8_t {
    Window = 0,
    WindowText = 1,
    Base = 2,
    AlternateBase = 3,
    Text = 4,
    Button = 5,
    ButtonText = 6,
    Highlight = 7,
    HighlightedText = 8,
    ToolTipBase = 9,
    ToolTipText = 10,
    Light = 11,
    Mid = 12,
    Dark = 13,
};
inline constexpr std::uint8_t kColourRoleCount = 14;

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(Colour, Colour) = default;
};

struct PaletteColour {
    ColourRole role = ColourRole::Window;
    Colour colour;

    friend bool operator==(PaletteColour, PaletteColour) = default;
};

struct Skin {
    std::string name;
    std::vector<PaletteColour> palette;
    std::string styleSheet;

    friend bool operator==(const Skin&, const Skin&) = default;
};

// The file bytes of `skin`. A name longer than 255 bytes is cut; at most 255
// colours are written.
[[nodiscard]] std::string encodeSkin(const Skin& skin);

// The skin held in `bytes`; nothing when they are not a whole, well-formed
// skin file of this version.
[[nodiscard]] std::optional<Skin> decodeSkin(std::string_view bytes);

}  // namespace quintara::skin
