#include "gif_encoder.h"

#include <gtest/gtest.h>

#include "provider/gif_decoding.h"

namespace quintara::provider::testing {
namespace {

IndexedPicture pictureOf(int width, int height) {
    IndexedPicture picture{.width = width, .height = height};
    for (std::size_t index = 0; index < kPaletteSize; ++index) {
        const auto level = static_cast<std::uint8_t>(index * 16);
        picture.palette[index] = {level, static_cast<std::uint8_t>(255 - level), 7};
    }
    for (int pixel = 0; pixel < width * height; ++pixel) {
        picture.pixels.push_back(static_cast<std::uint8_t>((pixel * 7 + pixel / 5) % 16));
    }
    return picture;
}

TEST(GifEncoder, AnOrdinaryDecoderReadsThePictureBack) {
    // Sizes around the clear code that comes after every 14 pixels.
    for (const auto& [width, height] :
         {std::pair{1, 1}, {14, 1}, {15, 1}, {7, 4}, {29, 3}, {100, 37}}) {
        const IndexedPicture picture = pictureOf(width, height);
        const auto decoded = decodeGif(encodeGif(picture));
        ASSERT_TRUE(decoded) << width << "x" << height;
        EXPECT_EQ(decoded->width, width);
        EXPECT_EQ(decoded->height, height);
        EXPECT_EQ(decoded->palette,
                  std::vector<Rgb>(picture.palette.begin(), picture.palette.end()));
        EXPECT_EQ(decoded->pixels, picture.pixels) << width << "x" << height;
    }
}

}  // namespace
}  // namespace quintara::provider::testing
