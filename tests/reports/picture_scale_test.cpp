#include <gtest/gtest.h>

#include "picture_scale.h"

// A photo 80 mm wide is 3.15 inches: about 472 pixels at 150 dpi, whatever the device's units.
TEST(PictureScale, PrintsAboutOneHundredFiftyPixelsAnInch) {
    const int width = 80 * 600 * 10 / 254, height = 60 * 600 * 10 / 254;  // 80 × 60 mm at 600 dpi
    const PictureSize pixels = PrintPixels({2048, 1536}, width, height, 600);
    EXPECT_NEAR(pixels.width, 472, 2);
    EXPECT_NEAR(pixels.height, 354, 2);
    // The same paper size on a 1200 dpi device takes as many pixels.
    EXPECT_EQ(PrintPixels({2048, 1536}, 2 * width, 2 * height, 1200), pixels);
    // A picture printed twice as large gets twice the pixels.
    const PictureSize large = PrintPixels({2048, 1536}, 2 * width, 2 * height, 600);
    EXPECT_NEAR(large.width, 944, 2);
}

TEST(PictureScale, NeverMorePixelsThanThePictureHasNorNone) {
    EXPECT_EQ(PrintPixels({300, 200}, 1889, 1259, 600), (PictureSize{300, 200}));
    EXPECT_EQ(PrintPixels({4000, 3000}, 1, 1, 600), (PictureSize{1, 1}));
    // An upright picture keeps its proportions.
    const PictureSize upright = PrintPixels({1536, 2048}, 1417, 1889, 600);
    EXPECT_NEAR(upright.height, 472, 2);
    EXPECT_NEAR(upright.width * 4, upright.height * 3, 4);
}

TEST(PictureScale, FitsAPictureInABoxKeepingItsProportions) {
    EXPECT_EQ(FitPicture({2048, 1536}, 800, 800), (PictureSize{800, 600}));
    EXPECT_EQ(FitPicture({1536, 2048}, 800, 800), (PictureSize{600, 800}));
    EXPECT_EQ(FitPicture({1000, 100}, 800, 800), (PictureSize{800, 80}));
}
