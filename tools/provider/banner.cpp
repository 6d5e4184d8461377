#include "banner.h"

#include "gif_encoder.h"

namespace quintara::provider {
namespace {

enum Colour : std::uint8_t { kNight, kStripe, kGold, kShadow, kShine, kFirstBall };

constexpr std::array<Rgb, kPaletteSize> kPalette = {{
    {18, 30, 56},     // kNight
    {24, 40, 72},     // kStripe
    {214, 170, 60},   // kGold
    {8, 14, 28},      // kShadow
    {246, 242, 232},  // kShine
    {200, 54, 54},    // the five balls, from 万 to 个
    {230, 130, 40},
    {46, 150, 90},
    {52, 110, 200},
    {130, 80, 180},
}};

constexpr int kBallCount = 5;
constexpr int kBallRadius = 44;
constexpr int kBallSpacing = 120;
constexpr int kStripeWidth = 24;
constexpr int kLineInset = 8;
constexpr int kLineThickness = 3;

void fillDisk(IndexedPicture& picture, int centreX, int centreY, int radius, std::uint8_t colour) {
    for (int y = centreY - radius; y <= centreY + radius; ++y) {
        for (int x = centreX - radius; x <= centreX + radius; ++x) {
            const int dx = x - centreX;
            const int dy = y - centreY;
            if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) continue;
            if (dx * dx + dy * dy <= radius * radius) {
                picture.pixels[static_cast<std::size_t>(y * picture.width + x)] = colour;
            }
        }
    }
}

std::uint8_t backgroundAt(int x, int y) {
    const bool onLine =
        (y >= kLineInset && y < kLineInset + kLineThickness) ||
        (y >= kBannerHeight - kLineInset - kLineThickness && y < kBannerHeight - kLineInset);
    if (onLine) return kGold;
    return ((x + y) / kStripeWidth) % 2 == 0 ? kNight : kStripe;
}

IndexedPicture bannerPicture() {
    IndexedPicture picture{.width = kBannerWidth, .height = kBannerHeight, .palette = kPalette};
    picture.pixels.resize(static_cast<std::size_t>(kBannerWidth * kBannerHeight));
    for (int y = 0; y < kBannerHeight; ++y) {
        for (int x = 0; x < kBannerWidth; ++x) {
            picture.pixels[static_cast<std::size_t>(y * kBannerWidth + x)] = backgroundAt(x, y);
        }
    }
    // Each ball: a shadow below and to the right, a gold ring, the ball, and a
    // spot of light to the upper left.
    const int centreY = kBannerHeight / 2;
    for (int ball = 0; ball < kBallCount; ++ball) {
        const int centreX = kBannerWidth / 2 + (ball - kBallCount / 2) * kBallSpacing;
        fillDisk(picture, centreX + 6, centreY + 6, kBallRadius + 3, kShadow);
        fillDisk(picture, centreX, centreY, kBallRadius + 3, kGold);
        fillDisk(picture, centreX, centreY, kBallRadius,
                 static_cast<std::uint8_t>(kFirstBall + ball));
        fillDisk(picture, centreX - kBallRadius / 3, centreY - kBallRadius / 3, kBallRadius / 4,
                 kShine);
    }
    return picture;
}

}  // namespace

std::string bannerGif() { return encodeGif(bannerPicture()); }

}  // namespace quintara::provider
