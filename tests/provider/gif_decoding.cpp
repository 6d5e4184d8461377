#include "provider/gif_decoding.h"

#include <string>

namespace quintara::provider::testing {
namespace {

constexpr unsigned kLargestTable = 4096;
constexpr int kWidestCode = 12;

// Codes of any width, lowest bit first.
class BitReader {
public:
    explicit BitReader(std::string_view bytes) : bytes_(bytes) {}

    std::optional<unsigned> read(int bits) {
        unsigned value = 0;
        for (int bit = 0; bit < bits; ++bit, ++position_) {
            if (position_ / 8 >= bytes_.size()) return std::nullopt;
            const auto byte = static_cast<unsigned char>(bytes_[position_ / 8]);
            value |= ((byte >> (position_ % 8)) & 1U) << bit;
        }
        return value;
    }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

std::optional<std::vector<std::uint8_t>> decodeLzw(std::string_view data, int minimumCodeSize) {
    const unsigned clearCode = 1U << minimumCodeSize;
    const unsigned endCode = clearCode + 1;
    std::vector<std::vector<std::uint8_t>> table;
    int width = 0;
    const auto reset = [&] {
        table.clear();
        for (unsigned code = 0; code <= endCode; ++code)
            table.push_back({static_cast<std::uint8_t>(code)});
        width = minimumCodeSize + 1;
    };
    reset();

    BitReader reader(data);
    std::vector<std::uint8_t> pixels;
    // The code before this one, none right after a clear code.
    constexpr unsigned kNone = kLargestTable;
    unsigned previous = kNone;
    while (const auto code = reader.read(width)) {
        if (*code == clearCode) {
            reset();
            previous = kNone;
            continue;
        }
        if (*code == endCode) return pixels;
        std::vector<std::uint8_t> entry;
        if (*code < table.size()) {
            entry = table[*code];
        } else if (*code == table.size() && previous != kNone) {
            entry = table[previous];
            entry.push_back(entry.front());
        } else {
            return std::nullopt;
        }
        pixels.insert(pixels.end(), entry.begin(), entry.end());
        if (previous != kNone && table.size() < kLargestTable) {
            std::vector<std::uint8_t> added = table[previous];
            added.push_back(entry.front());
            table.push_back(std::move(added));
            if (table.size() == (1U << width) && width < kWidestCode) ++width;
        }
        previous = *code;
    }
    return std::nullopt;  // no end code
}

}  // namespace

std::optional<DecodedGif> decodeGif(std::string_view file) {
    std::size_t at = 0;
    const auto byte = [&]() -> unsigned {
        return at < file.size() ? static_cast<unsigned char>(file[at++]) : 0U;
    };
    const auto word = [&] {
        const unsigned low = byte();
        return static_cast<int>(low | (byte() << 8));
    };

    if (!file.starts_with("GIF89a")) return std::nullopt;
    at = 6;
    DecodedGif gif;
    gif.width = word();
    gif.height = word();
    const unsigned screen = byte();
    at += 2;  // background colour, aspect ratio
    if ((screen & 0x80U) == 0) return std::nullopt;
    for (unsigned colour = 0; colour < (2U << (screen & 7U)); ++colour) {
        const auto red = static_cast<std::uint8_t>(byte());
        const auto green = static_cast<std::uint8_t>(byte());
        const auto blue = static_cast<std::uint8_t>(byte());
        gif.palette.push_back({red, green, blue});
    }

    if (byte() != ',') return std::nullopt;
    at += 8;                               // position and size of the image: the whole screen here
    if (byte() != 0) return std::nullopt;  // a table of its own, or interlaced
    const int minimumCodeSize = static_cast<int>(byte());
    std::string data;
    for (unsigned length = byte(); length != 0; length = byte()) {
        if (at + length > file.size()) return std::nullopt;
        data.append(file.substr(at, length));
        at += length;
    }
    if (byte() != ';' || at != file.size()) return std::nullopt;

    auto pixels = decodeLzw(data, minimumCodeSize);
    if (!pixels) return std::nullopt;
    gif.pixels = std::move(*pixels);
    return gif;
}

}  // namespace quintara::provider::testing
