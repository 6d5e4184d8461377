#include "gif_encoder.h"

#include <algorithm>

namespace quintara::provider {
namespace {

// LZW over 16 colours: codes 0 to 15 are the colours themselves, then come
// the clear code and the end code, and codes start 5 bits wide.
constexpr int kMinimumCodeSize = 4;
constexpr unsigned kClearCode = 1U << kMinimumCodeSize;
constexpr unsigned kEndCode = kClearCode + 1;
constexpr int kCodeBits = kMinimumCodeSize + 1;

// The pixels go out as plain colour codes. A decoder adds a table entry for
// every code after the first that follows a clear code and widens its codes
// once the table reaches 32 entries; a clear code after at most this many
// colour codes keeps the table below that, so every code stays 5 bits wide.
constexpr std::size_t kCodesPerClear = (1U << kCodeBits) - (kEndCode + 1);

// Packs codes of kCodeBits bits, lowest bit first, as GIF wants them.
class CodeStream {
public:
    void put(unsigned code) {
        pending_ |= code << pendingBits_;
        pendingBits_ += kCodeBits;
        while (pendingBits_ >= 8) {
            bytes_ += static_cast<char>(pending_ & 0xFFU);
            pending_ >>= 8;
            pendingBits_ -= 8;
        }
    }

    [[nodiscard]] std::string finish() {
        if (pendingBits_ > 0) bytes_ += static_cast<char>(pending_ & 0xFFU);
        pending_ = 0;
        pendingBits_ = 0;
        return std::move(bytes_);
    }

private:
    std::string bytes_;
    unsigned pending_ = 0;
    int pendingBits_ = 0;
};

void putWord(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

std::string imageCodes(const std::vector<std::uint8_t>& pixels) {
    CodeStream codes;
    for (std::size_t index = 0; index < pixels.size(); ++index) {
        if (index % kCodesPerClear == 0) codes.put(kClearCode);
        codes.put(pixels[index]);
    }
    codes.put(kEndCode);
    return codes.finish();
}

// The image data goes out in sub-blocks of at most 255 bytes, each after its
// length, and an empty block ends them.
void putSubBlocks(std::string& out, const std::string& data) {
    constexpr std::size_t kBlockSize = 255;
    for (std::size_t start = 0; start < data.size(); start += kBlockSize) {
        const std::size_t length = std::min(kBlockSize, data.size() - start);
        out += static_cast<char>(length);
        out.append(data, start, length);
    }
    out += '\0';
}

}  // namespace

std::string encodeGif(const IndexedPicture& picture) {
    // Logical screen: a global table of 2^(3 + 1) colours, 8 bits per primary.
    constexpr int kGlobalTable = 0x80;
    constexpr int kColourResolution = 7 << 4;
    constexpr int kTableSizeCode = 3;
    std::string out = "GIF89a";
    putWord(out, picture.width);
    putWord(out, picture.height);
    out += static_cast<char>(kGlobalTable | kColourResolution | kTableSizeCode);
    out += '\0';  // background colour
    out += '\0';  // no aspect ratio
    for (const Rgb& colour : picture.palette) {
        out += static_cast<char>(colour.red);
        out += static_cast<char>(colour.green);
        out += static_cast<char>(colour.blue);
    }

    // One image over the whole screen, not interlaced, no table of its own.
    out += ',';
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, picture.width);
    putWord(out, picture.height);
    out += '\0';
    out += static_cast<char>(kMinimumCodeSize);
    putSubBlocks(out, imageCodes(picture.pixels));

    out += ';';  // trailer
    return out;
}

}  // namespace quintara::provider
