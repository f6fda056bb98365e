#include "runtime/ScreenFit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FitCase {
    std::string name;
    qreal W, H;
    QSizeF screen;
    qreal scale;
    bool stretch;
    QSizeF targetSize;
    qreal scaleX, scaleY;
    QPointF pos;
    bool fixed;
};

class ScreenFitCases : public ::testing::TestWithParam<FitCase> {};

TEST_P(ScreenFitCases, PlacesAndScalesThePage) {
    const FitCase c = GetParam();
    const FitResult fit = ScalToScreen(c.W, c.H, c.screen, c.scale, c.stretch);
    EXPECT_EQ(fit.targetSize, c.targetSize);
    EXPECT_NEAR(fit.scaleX, c.scaleX, 1e-4);
    EXPECT_NEAR(fit.scaleY, c.scaleY, 1e-4);
    EXPECT_NEAR(fit.pos.x(), c.pos.x(), 1e-6);
    EXPECT_NEAR(fit.pos.y(), c.pos.y(), 1e-6);
    EXPECT_EQ(fit.DesignAndScreenFixed, c.fixed);
}

INSTANTIATE_TEST_SUITE_P(
    ScreenFit, ScreenFitCases,
    ::testing::Values(
        FitCase{"WideOnFourByFive",
                1920,
                1080,
                {1280, 1024},
                1,
                false,
                {1920, 1080},
                2.0 / 3,
                2.0 / 3,
                {0, 152},
                false},
        FitCase{"SquareOnWide",
                1000,
                1000,
                {1600, 900},
                1,
                false,
                {1000, 1000},
                0.9,
                0.9,
                {350, 0},
                false},
        FitCase{"SameSize", 1920, 1080, {1920, 1080}, 1, false, {1920, 1080}, 1, 1, {0, 0}, true},
        FitCase{"StretchWideOnFourByThree",
                1920,
                1080,
                {1024, 768},
                1,
                true,
                {1920, 1080},
                1024.0 / 1920,
                768.0 / 1080,
                {0, 0},
                false},
        FitCase{"ScaleTwoSameAspect",
                1920,
                1080,
                {960, 540},
                2,
                false,
                {1920, 1080},
                0.5,
                0.5,
                {0, 0},
                true},
        // Margins are in physical pixels, scales in logical units.
        FitCase{"ScaleTwoSquareOnWide",
                1000,
                1000,
                {800, 450},
                2,
                false,
                {1000, 1000},
                0.45,
                0.45,
                {350, 0},
                false},
        FitCase{"ScaleTwoStretch",
                1000,
                1000,
                {800, 450},
                2,
                true,
                {1000, 1000},
                0.8,
                0.45,
                {0, 0},
                false},
        FitCase{"UnreadScaleCountsAsOne",
                1920,
                1080,
                {1280, 1024},
                0,
                false,
                {1920, 1080},
                2.0 / 3,
                2.0 / 3,
                {0, 152},
                false},
        FitCase{"EmptyScreen", 1920, 1080, {0, 0}, 1, false, {1920, 1080}, 1, 1, {0, 0}, false},
        FitCase{
            "NegativeScreen", 1920, 1080, {-5, 100}, 1, true, {1920, 1080}, 1, 1, {0, 0}, false},
        FitCase{"ZeroDesignBecomesOnePixel",
                0,
                0,
                {1920, 1080},
                1,
                false,
                {1, 1},
                1080,
                1080,
                {420, 0},
                false},
        FitCase{"HugeDesignIsClamped",
                100000,
                16384,
                {1024, 1024},
                1,
                false,
                {16384, 16384},
                1.0 / 16,
                1.0 / 16,
                {0, 0},
                true}),
    [](const ::testing::TestParamInfo<FitCase> &info) { return info.param.name; });

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
