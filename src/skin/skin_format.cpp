#include "skin/skin_format.h"

#include <algorithm>

namespace quintara::skin {
namespace {

void putByte(std::string& out, std::uint8_t value) { out.push_back(static_cast<char>(value)); }

void putLength(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) putByte(out, static_cast<std::uint8_t>(value >> shift));
}

// Reads a skin file front to back; every read fails once the bytes run out.
class SkinReader {
public:
    explicit SkinReader(std::string_view bytes) : rest_(bytes) {}

    [[nodiscard]] std::optional<std::string_view> take(std::size_t count) {
        if (count > rest_.size()) return std::nullopt;
        const std::string_view taken = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return taken;
    }

    [[nodiscard]] std::optional<std::uint8_t> byte() {
        const auto taken = take(1);
        if (!taken) return std::nullopt;
        return static_cast<std::uint8_t>(taken->front());
    }

    [[nodiscard]] std::optional<std::uint32_t> length() {
        const auto taken = take(4);
        if (!taken) return std::nullopt;
        std::uint32_t value = 0;
        for (int k = 3; k >= 0; --k) {
            value = (value << 8) | static_cast<std::uint8_t>((*taken)[static_cast<std::size_t>(k)]);
        }
        return value;
    }

    [[nodiscard]] bool atEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

std::optional<PaletteColour> readColour(SkinReader& reader) {
    const auto role = reader.byte();
    const auto red = reader.byte();
    const auto green = reader.byte();
    const auto blue = reader.byte();
    if (!role || !red || !green || !blue || *role >= kColourRoleCount) return std::nullopt;
    return PaletteColour{static_cast<ColourRole>(*role), {*red, *green, *blue}};
}

}  // namespace

std::string encodeSkin(const Skin& skin) {
    std::string out(kSkinMark);
    putByte(out, kSkinFormatVersion);
    const std::size_t nameLength = std::min<std::size_t>(skin.name.size(), 255);
    putByte(out, static_cast<std::uint8_t>(nameLength));
    out.append(skin.name, 0, nameLength);
    const std::size_t colourCount = std::min<std::size_t>(skin.palette.size(), 255);
    putByte(out, static_cast<std::uint8_t>(colourCount));
    for (std::size_t k = 0; k < colourCount; ++k) {
        const PaletteColour& entry = skin.palette[k];
        putByte(out, static_cast<std::uint8_t>(entry.role));
        putByte(out, entry.colour.red);
        putByte(out, entry.colour.green);
        putByte(out, entry.colour.blue);
    }
    putLength(out, static_cast<std::uint32_t>(skin.styleSheet.size()));
    out += skin.styleSheet;
    return out;
}

std::optional<Skin> decodeSkin(std::string_view bytes) {
    SkinReader reader(bytes);
    if (reader.take(kSkinMark.size()) != kSkinMark) return std::nullopt;
    if (reader.byte() != kSkinFormatVersion) return std::nullopt;
    Skin skin;
    const auto nameLength = reader.byte();
    const auto name = nameLength ? reader.take(*nameLength) : std::nullopt;
    const auto colourCount = reader.byte();
    if (!name || !colourCount) return std::nullopt;
    skin.name = *name;
    for (int k = 0; k < *colourCount; ++k) {
        const auto colour = readColour(reader);
        if (!colour) return std::nullopt;
        skin.palette.push_back(*colour);
    }
    const auto sheetLength = reader.length();
    const auto sheet = sheetLength ? reader.take(*sheetLength) : std::nullopt;
    if (!sheet || !reader.atEnd()) return std::nullopt;
    skin.styleSheet = *sheet;
    return skin;
}

}  // namespace quintara::skin
