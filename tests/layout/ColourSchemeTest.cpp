#include <gtest/gtest.h>

#include "layout/ColourScheme.h"

namespace dd {
namespace {

TEST(ColourSchemeOf, ReadsTheDarkFlagsAndIgnoresEveryOtherShowFlag) {
    struct Case {
        int flags;
        ColourScheme scheme;
    };
    const Case cases[] = {
        {0, {false, false}},
        {kShowFlagDarkMode, {true, false}},
        {kShowFlagDarkMode | kShowFlagDarkModeNative, {true, true}},
        {kShowFlagDarkModeNative, {false, false}},  // Windows' dark controls only in dark mode
        {1 | 2 | 4 | 16 | 64, {false, false}},      // wrapping, fitting, ANSI, forced showing, centring
        {kShowFlagDarkMode | 1 | 4 | 64, {true, false}},
        {-1, {true, true}},
    };
    for (const Case& c : cases) EXPECT_EQ(ColourSchemeOf(c.flags), c.scheme) << "flags " << c.flags;
}

TEST(TooltipThemeOf, IsTheTooltipsOwnInLightModeAndNoneOrWindowsDarkInDarkMode) {
    struct Case {
        ColourScheme scheme;
        TooltipTheme theme;
    };
    const Case cases[] = {
        {{false, false}, TooltipTheme::Own},
        {{true, false}, TooltipTheme::None},
        {{true, true}, TooltipTheme::WindowsDark},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TooltipThemeOf(c.scheme), c.theme) << c.scheme.dark << c.scheme.nativeDarkControls;
    }
}

TEST(ContrastRatio, RunsFromOneForEqualLightnessTo21ForBlackAndWhite) {
    struct Case {
        Rgb a;
        Rgb b;
        double ratio;
    };
    const Case cases[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},       {{255, 255, 255}, {0, 0, 0}, 21.0},
        {{118, 118, 118}, {255, 255, 255}, 4.54},  // the lightest grey that reads on white
        {{32, 32, 32}, {32, 32, 32}, 1.0},        {{255, 0, 0}, {0, 0, 0}, 5.25},
    };
    for (const Case& c : cases) EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01);
}

// The dark colours read well: text far above the guidelines' enhanced level on every ground it stands
// on, a selection that stands out from the ground, grid lines and edges that show but stay quiet.
TEST(DarkColour, TextReadsOnEveryGroundAndTheLinesStayQuiet) {
    struct Case {
        PaintRole foreground;
        PaintRole ground;
        double atLeast;
        double atMost;
    };
    const Case cases[] = {
        {PaintRole::Text, PaintRole::Background, 7.0, 21.0},
        {PaintRole::Text, PaintRole::FixedCell, 7.0, 21.0},
        {PaintRole::SelectionText, PaintRole::Selection, 7.0, 21.0},
        {PaintRole::Selection, PaintRole::Background, 1.6, 3.0},
        {PaintRole::GridLine, PaintRole::Background, 1.15, 1.6},
        {PaintRole::FormBackground, PaintRole::Background, 1.05, 1.6},
        {PaintRole::Edge, PaintRole::FormBackground, 1.15, 2.0},
        {PaintRole::TooltipText, PaintRole::TooltipBackground, 7.0, 21.0},
        {PaintRole::DeletedText, PaintRole::Background, 4.5, 7.0},
        {PaintRole::TooltipBackground, PaintRole::Background, 1.05, 1.6},  // it stands out from the list
    };
    for (const Case& c : cases) {
        const double ratio = ContrastRatio(DarkColour(c.foreground), DarkColour(c.ground));
        EXPECT_GE(ratio, c.atLeast) << static_cast<int>(c.foreground) << " on " << static_cast<int>(c.ground);
        EXPECT_LE(ratio, c.atMost) << static_cast<int>(c.foreground) << " on " << static_cast<int>(c.ground);
    }
    EXPECT_LT(ContrastRatio(DarkColour(PaintRole::Background), {0, 0, 0}), 1.5);  // a dark ground, not a bright one
}

}  // namespace
}  // namespace dd
