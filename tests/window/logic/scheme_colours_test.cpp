// Every text of the window reads on what it is drawn on, in a light, a dark and a
// high-contrast scheme; the light scheme keeps its look wherever it already read.

#include "window/logic/scheme_colours.h"

#include <gtest/gtest.h>

#include "window/design/frm_main_design.h"

namespace duplexa {
namespace {

using enum Control;

constexpr Rgb kBlackRgb{0, 0, 0};
constexpr Rgb kWhiteRgb{255, 255, 255};

// Window, window text, button face, button text, button shadow, highlight, link.
ColourScheme Scheme(Rgb window, Rgb text, Rgb face, Rgb faceText, Rgb shadow, Rgb highlight,
                    Rgb link) {
    ColourScheme scheme;
    scheme.system.fill(face);
    scheme.system[5] = window;
    scheme.system[8] = text;
    scheme.system[13] = highlight;
    scheme.system[15] = face;
    scheme.system[16] = shadow;
    scheme.system[18] = faceText;
    scheme.system[26] = link;
    scheme.highContrast = LooksHighContrast(scheme);
    return scheme;
}

// Windows' standard colours, GTK's Adwaita dark, Windows' High Contrast Black.
const ColourScheme kLight = Scheme(kWhiteRgb, kBlackRgb, {240, 240, 240}, kBlackRgb,
                                   {160, 160, 160}, {0, 120, 215}, {0, 102, 204});
const ColourScheme kDark = Scheme({45, 45, 45}, kWhiteRgb, {53, 53, 53}, {238, 238, 236},
                                  {27, 27, 27}, {21, 83, 158}, {53, 132, 228});
const ColourScheme kHighContrast = Scheme(kBlackRgb, kWhiteRgb, kBlackRgb, kWhiteRgb,
                                          {128, 128, 128}, {26, 235, 255}, {255, 255, 0});

TEST(SchemeColours, OnlyTheHighContrastSchemeIsTakenForOne) {
    EXPECT_FALSE(kLight.highContrast);
    EXPECT_FALSE(kDark.highContrast);
    EXPECT_TRUE(kHighContrast.highContrast);
    EXPECT_NEAR(ContrastRatio(kBlackRgb, kWhiteRgb), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio({118, 118, 118}, kWhiteRgb), 4.54, 0.01);
}

// Every text the window can show, on every back it can show it on, in every scheme.
TEST(SchemeColours, EveryTextReadsInEveryScheme) {
    for (const ColourScheme* scheme : {&kLight, &kDark, &kHighContrast}) {
        for (const ControlDesign& design : FrmMainControlDesigns()) {
            if (design.kind != ControlKind::Label) {
                continue;
            }
            for (const OleColour fore :
                 {design.foreColour.value_or(kSysButtonText), kLinkBlue, kLinkHoverBlue}) {
                const TextColours colours = TextColoursOf(
                    design.id, fore, design.backColour.value_or(kSysButtonFace), *scheme);
                EXPECT_GE(ContrastRatio(colours.text, colours.back), kReadableContrast)
                    << design.name;
            }
        }
        for (const OleColour back : {kSysWindow, kLightGreen, kRed}) {
            for (const OleColour fore : {kSysWindowText, kRed}) {
                const TextColours box = TextColoursOf(lblFile_0, fore, back, *scheme);
                EXPECT_GE(ContrastRatio(box.text, box.back), kReadableContrast) << back;
            }
        }
    }
}

// Each change is the smallest step towards black that reads: 4.5:1 and a hair more.
TEST(SchemeColours, TheLightSchemeChangesOnlyWhatDidNotRead) {
    const struct {
        Control id;
        OleColour fore, back;
        Rgb text;  // as drawn
    } cases[] = {
        {lblVersion, kSilver, kSysButtonFace, {118, 118, 118}},  // was 1.8:1 on the band
        {lblHomepage, kLinkBlue, kSysWindow, {0, 92, 230}},      // 5.7:1, as it was
        {lblHomepage, kLinkHoverBlue, kSysWindow, {33, 114, 234}},
        {lblFile_0, kRed, kLightGreen, {222, 0, 0}},  // was 3.5:1
        {lblFile_0, kSysWindowText, kLightGreen, kBlackRgb},
        {lblTitle, kSysButtonText, kSysWindow, kBlackRgb},
        {lblResult, kSysButtonText, kSysButtonFace, kBlackRgb},
    };
    for (const auto& [id, fore, back, text] : cases) {
        EXPECT_EQ(TextColoursOf(id, fore, back, kLight).text, text) << FrmMainDesign(id).name;
    }
}

// The band keeps its white outside high contrast, and the labels on it paint it too.
TEST(SchemeColours, TheBandReadsAsOneAndTheBoxesKeepTheirColoursButInHighContrast) {
    const struct {
        const ColourScheme* scheme;
        Rgb band, title, box, boxText;
    } cases[] = {
        {&kLight, kWhiteRgb, kBlackRgb, {200, 255, 200}, kBlackRgb},
        {&kDark, kWhiteRgb, kBlackRgb, {200, 255, 200}, kBlackRgb},
        {&kHighContrast, kBlackRgb, kWhiteRgb, kBlackRgb, kWhiteRgb},
    };
    for (const auto& [scheme, band, title, box, boxText] : cases) {
        EXPECT_EQ(Resolve(kWhite, *scheme), band);
        for (const Control label : {lblTitle, Label10, lblHomepage}) {
            EXPECT_EQ(TextColoursOf(label, kSysButtonText, kSysWindow, *scheme).back, band);
        }
        EXPECT_EQ(TextColoursOf(lblTitle, kSysButtonText, kSysWindow, *scheme).text, title);
        const TextColours usable = TextColoursOf(lblFile_1, kSysWindowText, kLightGreen, *scheme);
        EXPECT_EQ(usable.back, box);
        EXPECT_EQ(usable.text, boxText);
    }
    EXPECT_EQ(Resolve(kLinkBlue, kHighContrast), (Rgb{255, 255, 0})) << "the scheme's links";
    EXPECT_EQ(Resolve(kRed, kHighContrast), (Rgb{26, 235, 255})) << "a refused file stands out";
}

}  // namespace
}  // namespace duplexa
