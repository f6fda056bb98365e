#include "runtime/ScreenFit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum Fit { Uniform, Stretch };

struct FitCase {
    std::string name;
    QSizeF design, screen;
    qreal scale;
    Fit fit;
    qreal scaleX, scaleY;
    QPointF pos;
    bool fixed;
};

// Margins are in physical pixels, scales in logical units.
const FitCase FitCases[] = {
    {"WideOn5x4", {1920, 1080}, {1280, 1024}, 1, Uniform, 0.66667, 0.66667, {0, 152}, false},
    {"SquareOnWide", {1000, 1000}, {1600, 900}, 1, Uniform, 0.9, 0.9, {350, 0}, false},
    {"SameSize", {1920, 1080}, {1920, 1080}, 1, Uniform, 1, 1, {0, 0}, true},
    {"StretchWideOn4x3", {1920, 1080}, {1024, 768}, 1, Stretch, 0.53333, 0.71111, {0, 0}, false},
    {"ScaleTwoSameAspect", {1920, 1080}, {960, 540}, 2, Uniform, 0.5, 0.5, {0, 0}, true},
    {"ScaleTwoSquareOnWide", {1000, 1000}, {800, 450}, 2, Uniform, 0.45, 0.45, {350, 0}, false},
    {"ScaleTwoStretch", {1000, 1000}, {800, 450}, 2, Stretch, 0.8, 0.45, {0, 0}, false},
    {"UnreadScaleIsOne", {1920, 1080}, {1280, 1024}, 0, Uniform, 0.66667, 0.66667, {0, 152}, false},
    {"EmptyScreen", {1920, 1080}, {0, 0}, 1, Uniform, 1, 1, {0, 0}, false},
    {"NegativeScreen", {1920, 1080}, {-5, 100}, 1, Stretch, 1, 1, {0, 0}, false},
    {"ZeroDesign", {0, 0}, {1920, 1080}, 1, Uniform, 1080, 1080, {420, 0}, false},
    {"HugeDesign", {100000, 16384}, {1024, 1024}, 1, Uniform, 0.0625, 0.0625, {0, 0}, true},
};

class ScreenFitCases : public ::testing::TestWithParam<FitCase> {};

TEST_P(ScreenFitCases, PlacesAndScalesThePage) {
    const FitCase c = GetParam();
    const FitResult fit =
        ScalToScreen(c.design.width(), c.design.height(), c.screen, c.scale, c.fit == Stretch);
    EXPECT_NEAR(fit.scaleX, c.scaleX, 1e-4);
    EXPECT_NEAR(fit.scaleY, c.scaleY, 1e-4);
    EXPECT_NEAR(fit.pos.x(), c.pos.x(), 1e-6);
    EXPECT_NEAR(fit.pos.y(), c.pos.y(), 1e-6);
    EXPECT_EQ(fit.DesignAndScreenFixed, c.fixed);
}

INSTANTIATE_TEST_SUITE_P(ScreenFit, ScreenFitCases, ::testing::ValuesIn(FitCases),
                         [](const ::testing::TestParamInfo<FitCase> &info) {
                             return info.param.name;
                         });

TEST(ScreenFit, TargetIsTheDesignSizeWithinOneTo16384) {
    EXPECT_EQ(ScalToScreen(1920, 1080, {1280, 1024}, 1, false).targetSize, QSizeF(1920, 1080));
    EXPECT_EQ(ScalToScreen(0, -3, {1280, 1024}, 1, false).targetSize, QSizeF(1, 1));
    EXPECT_EQ(ScalToScreen(100000, 1080, {0, 0}, 1, true).targetSize, QSizeF(16384, 1080));
}

struct LetterboxCase {
    bool fixed, stretch, fill, backgroundExists, expected;
};

class ScreenFitLetterbox : public ::testing::TestWithParam<LetterboxCase> {};

TEST_P(ScreenFitLetterbox, OnlyUniformFitsWithDifferentAspectAndAPictureAreFilled) {
    const LetterboxCase c = GetParam();
    EXPECT_EQ(needsLetterbox(c.fixed, c.stretch, c.fill, c.backgroundExists), c.expected);
}

INSTANTIATE_TEST_SUITE_P(ScreenFit, ScreenFitLetterbox,
                         ::testing::Values(LetterboxCase{false, false, true, true, true},
                                           LetterboxCase{true, false, true, true, false},
                                           LetterboxCase{false, true, true, true, false},
                                           LetterboxCase{false, false, false, true, false},
                                           LetterboxCase{false, false, true, false, false}));

TEST(ScreenFit, WindowedViewAddsTheFrame) {
    EXPECT_EQ(windowedViewSize(1920, 1080), QSize(1925, 1112));
}

TEST(ScreenFit, SquareAndWidePagesAskForLandscape) {
    EXPECT_FALSE(wantsLandscape(1080, 1920));
    EXPECT_TRUE(wantsLandscape(1000, 1000));
    EXPECT_TRUE(wantsLandscape(1920, 1080));
}

} // namespace
