// Reads back a GIF file of one image with a global colour table: enough to
// check what the provider's encoder writes, with an ordinary LZW decoder.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "gif_encoder.h"

namespace quintara::provider::testing {

struct DecodedGif {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;
};

// Nothing when the file is not such a GIF or its image data is broken.
[[nodiscard]] std::optional<DecodedGif> decodeGif(std::string_view file);

}  // namespace quintara::provider::testing
