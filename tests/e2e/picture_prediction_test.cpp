// The full-screen pictures as the title view shows them: which texel lands where, the bands
// beside the picture, and telling pictures apart in a screenshot.
#include "picture_prediction.h"

#include <gtest/gtest.h>

namespace {

RgbImage Filled(int width, int height, Rgb colour) {
    return {width, height, std::vector<Rgb>(static_cast<std::size_t>(width) * height, colour)};
}

// Four quarters: red, green on top; blue, white below.
RgbImage Quarters() {
    RgbImage image = Filled(2, 2, {});
    image.pixels = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    return image;
}

// The screenshot the game would show of a picture.
RgbImage Predicted(const RgbImage& picture) {
    const GroundView view = TitleView(kGameClientSize);
    RgbImage shot = Filled(kGameClientSize.width, kGameClientSize.height, {});
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            const auto ground = view.GroundAt(static_cast<float>(x), static_cast<float>(y));
            shot.pixels[static_cast<std::size_t>(y) * shot.width + x] =
                PictureColourAt(picture, *ground);
        }
    }
    return shot;
}

TEST(PicturePrediction, ThePictureIsUprightOnTheScreen) {
    const RgbImage shot = Predicted(Quarters());
    EXPECT_EQ(shot.At(300, 200), (Rgb{255, 0, 0}));
    EXPECT_EQ(shot.At(700, 200), (Rgb{0, 255, 0}));
    EXPECT_EQ(shot.At(300, 550), (Rgb{0, 0, 255}));
    EXPECT_EQ(shot.At(700, 550), (Rgb{255, 255, 255}));
}

TEST(PicturePrediction, BandsBesideThePictureRepeatItsEdgeColumns) {
    // The central square spans about 850 of the 1016 pixels across: the outer 60 on each
    // side show the bands.
    const RgbImage shot = Predicted(Quarters());
    EXPECT_EQ(shot.At(5, 200), (Rgb{255, 0, 0}));
    EXPECT_EQ(shot.At(1010, 550), (Rgb{255, 255, 255}));
}

TEST(PicturePrediction, BeyondTheQuadIsTheClearColour) {
    const RgbImage picture = Quarters();
    EXPECT_EQ(PictureColourAt(picture, {0.4f, 50.0f, 0.0f}), (Rgb{}));
    EXPECT_EQ(PictureColourAt(picture, {90.0f, 2.8f, 0.0f}), (Rgb{}));
    EXPECT_EQ(PictureColourAt(picture, {70.0f, 2.8f, 0.0f}), (Rgb{255, 255, 255}));
}

TEST(PicturePrediction, AScreenshotMatchesItsOwnPictureOnly) {
    const RgbImage picture = Quarters();
    const RgbImage shot = Predicted(picture);
    EXPECT_EQ(MeanDifference(shot, picture, 4), 0.0);
    // The same colours the other way up: every pixel is wrong.
    RgbImage flipped = picture;
    std::swap(flipped.pixels[0], flipped.pixels[3]);
    std::swap(flipped.pixels[1], flipped.pixels[2]);
    EXPECT_GT(MeanDifference(shot, flipped, 4), 100.0);
}

TEST(PicturePrediction, ContentPicturesAreFarApartOnTheScreen) {
    const std::string textures = std::string(RW_CONTENT_DIR) + "/meadow/textures/";
    const auto title = ReadRgbImage(textures + "title.png");
    const auto complete = ReadRgbImage(textures + "complete.png");
    ASSERT_TRUE(title && complete);
    EXPECT_GT(MeanDifference(Predicted(*title), *complete, 4), 20.0);
}

TEST(PicturePrediction, UnreadableImagesAreRefused) {
    EXPECT_FALSE(ReadRgbImage("/nonexistent/picture.png"));
    EXPECT_FALSE(ReadRgbImage(RW_CONTENT_DIR "/levels.txt"));
}

} // namespace
