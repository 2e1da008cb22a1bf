#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/component_type.h"
#include "model/document.h"
#include "model/new_application.h"
#include "model/records.h"
#include "recording_messages.h"
#include "screen/form_renderer.h"
#include "screen/glyph_sheet.h"
#include "screen/rom_font.h"
#include "screen/screen_compositor.h"
#include "screen/tile_screen.h"

namespace lumora {
namespace {

std::uint32_t PaletteColor(PropellerColor byte) {
    const RgbColor c = kPropellerPalette[byte >> 2];
    return PackRgb(c.red, c.green, c.blue);
}

constexpr PropellerColor kRed = 0xC0, kGreen = 0x30, kBlue = 0x0C, kWhite = 0xFC, kBlack = 0x00;

// Pair 0, row 0: pixels 0..3 have the values 0..3; rows 0 and 1 of tile 2 (pair 1) make a
// 2 x 2 block of two white-on (3) and two off (0) pixels.
RomFont TestFont() {
    RomFont font;
    font.longs[0] = (1u << 2) | (2u << 4) | (3u << 6);
    font.longs[32] = 3u;
    font.longs[33] = 3u << 2;
    return font;
}

struct Fixture {
    Fixture() : sheet(TestFont()), screen(colors) {
        colors[5] = ColorLong(kWhite, kBlue, kGreen, kRed);  // bytes 3..0
        colors[6] = ColorLong(kWhite, kBlack, kWhite, kBlack);
        bitmap.tiles.resize(1);
        bitmap.bitDepth = 1;
    }
    ColorTable colors{};
    GlyphSheet sheet;
    TileScreen screen;
    CLmBitmap bitmap;
    ScreenCompositor compositor;
};

TEST(ScreenCompositor, GlyphPixelValuePShowsColourByteP) {
    Fixture f;
    f.screen.SetGlyphTile(0, 0, 0, 5);
    const PixelBuffer& out = f.compositor.Compose(f.screen, f.sheet, false);
    ASSERT_EQ(out.width, 1024);
    ASSERT_EQ(out.height, 768);
    EXPECT_EQ(out.At(0, 0), PaletteColor(kRed));
    EXPECT_EQ(out.At(1, 0), PaletteColor(kGreen));
    EXPECT_EQ(out.At(2, 0), PaletteColor(kBlue));
    EXPECT_EQ(out.At(3, 0), PaletteColor(kWhite));
    EXPECT_EQ(out.At(3, 1), PaletteColor(kRed));
}

TEST(ScreenCompositor, OneBitBitmapTileShowsValueZeroAsForeground) {
    Fixture f;
    f.bitmap.tiles[0].SetPixel(4, 7, 1);
    f.colors[8] = 0xF004F004;  // text set: yellow on dark blue
    f.screen.SetImageTile(2, 3, {&f.bitmap, 0}, 8);
    const PixelBuffer& out = f.compositor.Compose(f.screen, f.sheet, false);
    EXPECT_EQ(out.At(3 * 16 + 0, 2 * 16 + 0), PackRgb(255, 255, 0));
    EXPECT_EQ(out.At(3 * 16 + 4, 2 * 16 + 7), PackRgb(0, 0, 85));
}

TEST(ScreenCompositor, HalfSizeAveragesGlyphsAndPicksBitmapPixels) {
    Fixture f;
    f.screen.SetGlyphTile(0, 0, 2, 6);  // the 2 x 2 block: two white, two black
    f.bitmap.tiles[0].SetPixel(0, 0, 1);
    f.bitmap.tiles[0].SetPixel(1, 0, 0);
    f.bitmap.tiles[0].SetPixel(3, 0, 1);  // not picked: only even columns and rows are
    f.screen.SetImageTile(0, 1, {&f.bitmap, 0}, 6);
    const PixelBuffer& out = f.compositor.Compose(f.screen, f.sheet, true);
    EXPECT_EQ(out.At(0, 0), PackRgb(128, 128, 128));
    EXPECT_EQ(out.At(1, 0), PackRgb(0, 0, 0));
    EXPECT_EQ(out.At(8, 0), PaletteColor(kBlack));  // value 1 shows byte 0
    EXPECT_EQ(out.At(9, 0), PaletteColor(kWhite));  // value 0 shows byte 3
    EXPECT_EQ(out.At(511, 383), PackRgb(0, 0, 0));
    EXPECT_EQ(out.At(512, 0), kViewBackground);
    EXPECT_EQ(out.At(0, 384), kViewBackground);
    EXPECT_EQ(out.At(1023, 767), kViewBackground);
}

TEST(ScreenCompositor, ComposesAgainOnlyTheTilesThatChanged) {
    for (bool half : {false, true}) {
        Fixture f;
        f.screen.SetImageTile(10, 10, {&f.bitmap, 0}, 6);
        f.compositor.Compose(f.screen, f.sheet, half);
        EXPECT_EQ(f.compositor.LastComposedTiles(), 3072);
        f.compositor.Compose(f.screen, f.sheet, half);
        EXPECT_EQ(f.compositor.LastComposedTiles(), 0);

        f.screen.cursorRow = 4, f.screen.cursorCol = 4, f.screen.cursorColor = 2;
        f.screen.PutChar('A');
        f.compositor.Compose(f.screen, f.sheet, half);
        EXPECT_EQ(f.compositor.LastComposedTiles(), 2);

        // Same tile, same image reference, new pixels.
        f.bitmap.tiles[0].SetPixel(5, 5, 1);
        f.compositor.Compose(f.screen, f.sheet, half);
        EXPECT_EQ(f.compositor.LastComposedTiles(), 1);

        // New colours in the table reach the tiles through UpdateTileColors.
        f.colors[0] = 0xFCFCFCFC;
        for (int i = 0; i < 3072; ++i) {
            f.screen.UpdateTileColors(i);
        }
        const PixelBuffer incremental = f.compositor.Compose(f.screen, f.sheet, half);
        EXPECT_EQ(f.compositor.LastComposedTiles(), 3072 - 3);

        ScreenCompositor fresh;
        EXPECT_EQ(fresh.Compose(f.screen, f.sheet, half).pixels, incremental.pixels);
    }
}

TEST(ScreenCompositor, SwitchingSizeOrSheetComposesEverything) {
    Fixture f;
    f.compositor.Compose(f.screen, f.sheet, false);
    f.compositor.Compose(f.screen, f.sheet, true);
    EXPECT_EQ(f.compositor.LastComposedTiles(), 3072);
    EXPECT_EQ(f.compositor.Compose(f.screen, f.sheet, true).At(600, 10), kViewBackground);
    const GlyphSheet other(BuiltInFont());
    f.compositor.Compose(f.screen, other, true);
    EXPECT_EQ(f.compositor.LastComposedTiles(), 3072);
}

// What a compositor that has seen nothing shows for the screen as it is now. It composes a copy,
// so that the screen's own consumer keeps its list of changes.
std::vector<std::uint32_t> FreshPixels(const TileScreen& screen, const GlyphSheet& sheet,
                                       bool half) {
    TileScreen copy = screen;
    ScreenCompositor fresh;
    return fresh.Compose(copy, sheet, half).pixels;
}

TEST(ScreenCompositor, ComposingChangesAgreesWithComposingAfreshAfterAnyEdits) {
    const GlyphSheet sheet(BuiltInFont());
    for (bool half : {false, true}) {
        ColorTable colors{};
        for (std::size_t i = 0; i < colors.size(); ++i) {
            colors[i] = static_cast<std::uint32_t>(0x9E3779B9u * (i + 1));
        }
        TileScreen screen(colors);
        std::vector<std::unique_ptr<CLmBitmap>> bitmaps;
        for (int b = 0; b < 3; ++b) {
            auto bitmap = std::make_unique<CLmBitmap>();
            bitmap->tiles.resize(4);
            bitmaps.push_back(std::move(bitmap));
        }
        ScreenCompositor compositor;
        std::uint32_t seed = 12345;
        const auto next = [&seed](std::uint32_t n) {
            seed = seed * 1664525u + 1013904223u;
            return (seed >> 8) % n;
        };
        for (int round = 0; round < 60; ++round) {
            for (int edit = 0; edit < 40; ++edit) {
                const int row = static_cast<int>(next(kScreenRows));
                const int column = static_cast<int>(next(kScreenColumns));
                const int set = static_cast<int>(next(64));
                CLmBitmap& bitmap = *bitmaps[next(3)];
                switch (next(6)) {
                    case 0:
                    case 1:
                        screen.SetGlyphTile(row, column, static_cast<int>(next(256)), set);
                        break;
                    case 2:  // image numbers past the bitmap's last show as blank
                        screen.SetImageTile(row, column,
                                            {&bitmap, static_cast<std::int32_t>(next(6))}, set);
                        break;
                    case 3:
                        screen.SetColorSet(row, column, set);
                        break;
                    case 4:  // pixels change behind the screen's back
                        if (!bitmap.tiles.empty()) {
                            bitmap.tiles[next(static_cast<std::uint32_t>(bitmap.tiles.size()))]
                                .SetPixel(static_cast<int>(next(16)), static_cast<int>(next(16)),
                                          static_cast<std::uint8_t>(next(16)));
                        }
                        break;
                    case 5:  // a colour long changes; the tiles showing it follow
                        colors[static_cast<std::size_t>(set)] = seed;
                        for (int i = 0; i < kScreenTiles; ++i) {
                            screen.UpdateTileColors(i);
                        }
                        break;
                }
            }
            if (round == 30) {
                bitmaps[1]->tiles.resize(1);  // images 1..3 of it no longer exist
            }
            const std::vector<std::uint32_t> composed =
                compositor.Compose(screen, sheet, half).pixels;
            ASSERT_EQ(composed, FreshPixels(screen, sheet, half)) << "round " << round;
        }
    }
}

TEST(ScreenCompositor, AfterAFormEditOnlyTheTilesThatDifferAreComposed) {
    CLumoraDoc doc;
    ASSERT_TRUE(StartNewApplication(doc));
    TileScreen screen(doc.appColors);
    testing::RecordingMessages messages;
    const GlyphSheet sheet(BuiltInFont());
    ScreenCompositor compositor;
    RenderForm(doc, screen, messages);
    compositor.Compose(screen, sheet, false);

    // The background drawn under the form and the form over it again change nothing.
    RenderForm(doc, screen, messages);
    compositor.Compose(screen, sheet, false);
    EXPECT_EQ(compositor.LastComposedTiles(), 0);

    const std::vector<std::int32_t> glyphs = screen.tileGlyphs;
    const std::vector<std::int32_t> sets = screen.tileColorSets;
    doc.currentForm->components.front()->caption = u"Other";
    RenderForm(doc, screen, messages);
    int differing = 0;
    for (int i = 0; i < kScreenTiles; ++i) {
        differing += glyphs[i] != screen.tileGlyphs[i] || sets[i] != screen.tileColorSets[i];
    }
    ASSERT_GT(differing, 0);
    const std::vector<std::uint32_t> composed = compositor.Compose(screen, sheet, false).pixels;
    EXPECT_EQ(compositor.LastComposedTiles(), differing);
    EXPECT_EQ(composed, FreshPixels(screen, sheet, false));

    // A pixel of the background bitmap: every tile showing it, nothing else.
    CLmBitmap* background = doc.FindBitmap(doc.backgroundBitmapName);
    ASSERT_NE(background, nullptr);
    int showing = 0;
    for (int i = 0; i < kScreenTiles; ++i) {
        showing += screen.tileImages[i].bitmap == background;
    }
    background->tiles[0].SetPixel(7, 7, background->tiles[0].Pixel(7, 7) ^ 1);
    RenderForm(doc, screen, messages);
    const std::vector<std::uint32_t> edited = compositor.Compose(screen, sheet, false).pixels;
    EXPECT_EQ(compositor.LastComposedTiles(), showing);
    EXPECT_EQ(edited, FreshPixels(screen, sheet, false));
}

TEST(ScreenCompositor, SharedScreensAndCompositorsStayCorrect) {
    Fixture f;
    TileScreen other(f.colors);
    other.SetGlyphTile(1, 1, 2, 6);
    ScreenCompositor second;
    for (int step = 0; step < 4; ++step) {
        f.screen.SetGlyphTile(step, step, 0, 5);
        // One compositor for two screens, and a second compositor on the first screen.
        EXPECT_EQ(f.compositor.Compose(f.screen, f.sheet, false).pixels,
                  FreshPixels(f.screen, f.sheet, false));
        EXPECT_EQ(f.compositor.Compose(other, f.sheet, false).pixels,
                  FreshPixels(other, f.sheet, false));
        f.screen.SetImageTile(10, step, {&f.bitmap, 0}, 6);
        EXPECT_EQ(second.Compose(f.screen, f.sheet, false).pixels,
                  FreshPixels(f.screen, f.sheet, false));
    }
    // A copy of a screen is a screen nobody has composed yet.
    TileScreen copy = f.screen;
    copy.SetGlyphTile(30, 30, 0, 5);
    EXPECT_EQ(second.Compose(copy, f.sheet, false).pixels, FreshPixels(copy, f.sheet, false));
}

TEST(ScreenCompositor, ABitmapDeletedAndReplacedOnScreenIsNeverRead) {
    Fixture f;
    auto doomed = std::make_unique<CLmBitmap>();
    doomed->tiles.resize(1);
    for (int i = 0; i < kScreenTiles; ++i) {
        f.screen.SetImageTile(i / kScreenColumns, i % kScreenColumns, {doomed.get(), 0}, 6);
    }
    f.compositor.Compose(f.screen, f.sheet, false);
    doomed.reset();
    for (int i = 0; i < kScreenTiles; ++i) {
        f.screen.SetGlyphTile(i / kScreenColumns, i % kScreenColumns, 2, 6);
    }
    f.bitmap.tiles[0].SetPixel(0, 0, 1);
    f.screen.SetImageTile(0, 0, {&f.bitmap, 0}, 6);
    const std::vector<std::uint32_t> composed =
        f.compositor.Compose(f.screen, f.sheet, false).pixels;
    EXPECT_EQ(f.compositor.LastComposedTiles(), kScreenTiles);
    EXPECT_EQ(composed, FreshPixels(f.screen, f.sheet, false));
}

// Set 15 of a new application shows pixel value 2 (the shadow) in the face's colour: a box drawn
// in it still needs its bottom and right sides, which the inner line gives.
TEST(ScreenCompositor, AGroupBoxShowsEverySideInASetWhoseShadowIsTheFace) {
    CLumoraDoc doc;
    ASSERT_TRUE(StartNewApplication(doc));
    ASSERT_EQ(ColorByte(doc.appColors[15], 2), ColorByte(doc.appColors[15], 0));
    CLmComponent* group = nullptr;
    for (const auto& k : doc.currentForm->components) {
        if (ComponentTypeFromCode(k->type) == ComponentType::GroupBox) {
            group = k.get();
        }
    }
    ASSERT_NE(group, nullptr);
    group->borderColor = 5;
    TileScreen screen(doc.appColors);
    testing::RecordingMessages messages;
    RenderForm(doc, screen, messages);
    ScreenCompositor compositor;
    const PixelBuffer& out = compositor.Compose(screen, GlyphSheet(BuiltInFont()), false);
    const RgbColor faceRgb = RgbFromPropellerColor(ColorByte(doc.appColors[15], 0));
    const std::uint32_t face = PackRgb(faceRgb.red, faceRgb.green, faceRgb.blue);
    // The frame starts one row below the box's top; count pixels unlike the face per side.
    const int top = static_cast<int>(screen.originRow) + group->top + 1;
    const int left = static_cast<int>(screen.originCol) + group->left;
    const int bottom = top + group->height - 1;
    const int right = left + group->width - 1;
    const auto differing = [&](int row0, int col0, int rows, int cols) {
        int n = 0;
        for (int y = row0 * 16; y < (row0 + rows) * 16; ++y) {
            for (int x = col0 * 16; x < (col0 + cols) * 16; ++x) {
                n += out.At(x, y) != face;
            }
        }
        return n;
    };
    EXPECT_GT(differing(bottom, left + 1, 1, group->width - 2), 0) << "bottom";
    EXPECT_GT(differing(top + 1, right, group->height - 2, 1), 0) << "right";
    EXPECT_GT(differing(top + 1, left, group->height - 2, 1), 0) << "left";
}

TEST(BitmapView, EachTileIsAnEightyPixelSquareInSetTwiceItsColour) {
    ColorTable colors{};
    colors[6] = 0xF004F004;
    CLmBitmap bitmap;
    bitmap.widthTiles = 4;
    bitmap.heightTiles = 2;
    bitmap.color = 3;
    bitmap.tiles.resize(8);
    bitmap.tiles[5].SetPixel(2, 3, 1);  // tile row 1, column 1
    bitmap.tiles[7].SetPixel(15, 15, 1);
    const PixelBuffer out = ComposeBitmapView(bitmap, colors, kPropellerPalette, 1024, 768);
    const std::uint32_t fg = PackRgb(255, 255, 0), bg = PackRgb(0, 0, 85);
    EXPECT_EQ(out.At(0, 0), fg);
    EXPECT_EQ(out.At(80 + 10, 80 + 15), bg);
    EXPECT_EQ(out.At(80 + 14, 80 + 19), bg);
    EXPECT_EQ(out.At(80 + 15, 80 + 19), fg);
    EXPECT_EQ(out.At(80 + 14, 80 + 20), fg);
    EXPECT_EQ(out.At(319, 159), bg);
    EXPECT_EQ(out.At(315, 155), bg);
    EXPECT_EQ(out.At(314, 155), fg);
    EXPECT_EQ(out.At(320, 0), kViewBackground);
    EXPECT_EQ(out.At(0, 160), kViewBackground);
    EXPECT_EQ(out.At(1023, 767), kViewBackground);
}

}  // namespace
}  // namespace lumora
