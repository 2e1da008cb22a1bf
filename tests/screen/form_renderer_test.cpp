#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/document.h"
#include "model/new_application.h"
#include "model/records.h"
#include "recording_messages.h"
#include "screen/form_renderer.h"
#include "screen/number_edit_text.h"
#include "screen/tile_screen.h"

namespace lumora {
namespace {

constexpr int kBackgroundSet = 8;  // 1-bit background bitmap in text colour 4

// A document with a 1 x 1 background bitmap and one empty form, filled in by each test.
struct Fixture {
    Fixture() : screen(doc.appColors) {
        auto bitmap = std::make_unique<CLmBitmap>();
        bitmap->name = u"Back";
        bitmap->widthTiles = bitmap->heightTiles = bitmap->tileCount = 1;
        bitmap->bitDepth = 1;
        bitmap->tiles.resize(1);
        doc.bitmaps.push_back(std::move(bitmap));
        doc.backgroundBitmapName = u"Back";
        doc.backgroundBitmapColor = 4;
        doc.forms.push_back(std::make_unique<CLmForm>());
        doc.currentForm = doc.forms.back().get();
    }
    CLmComponent& Add(ComponentType type, std::u16string caption, int top, int left, int height,
                      int width) {
        auto k = std::make_unique<CLmComponent>();
        k->type = static_cast<std::int32_t>(type);
        k->caption = std::move(caption);
        k->top = top, k->left = left, k->height = height, k->width = width;
        k->textColor = 1;
        doc.currentForm->components.push_back(std::move(k));
        return *doc.currentForm->components.back();
    }
    void Render() { RenderForm(doc, screen, messages); }
    int Glyph(int r, int c) const { return screen.tileGlyphs[r * 64 + c]; }
    int Set(int r, int c) const { return screen.tileColorSets[r * 64 + c]; }
    // The character shown at a character cell's top tile, or -1.
    int CharAt(int r, int c) const {
        const int g = Glyph(r, c);
        if (g < 0 || g % 2 != 0 || Glyph(r + 1, c) != g + 1) {
            return -1;
        }
        return g + (Set(r, c) & 1);
    }
    std::string TextAt(int r, int c, int length) const {
        std::string text;
        for (int i = 0; i < length; ++i) {
            const int ch = CharAt(r, c + i);
            text.push_back(ch < 0 ? '?' : static_cast<char>(ch));
        }
        return text;
    }

    CLumoraDoc doc;
    TileScreen screen;
    testing::RecordingMessages messages;
};

struct Tile {
    int glyph;
    int set;
    friend bool operator==(const Tile&, const Tile&) = default;
};

TEST(FormRenderer, FormWindowGeometryMatchesTheWorkedExample) {
    Fixture f;  // the form defaults: top 6, left 10, height 25, width 40, "New Form"
    f.Render();
    const std::string title = "New Form";
    for (int r = 0; r < 48; ++r) {
        for (int c = 0; c < 64; ++c) {
            Tile expected{-1, kBackgroundSet};
            if ((r == 6 || r == 7) && c >= 10 && c <= 49) {
                int ch = ' ';
                if (c >= 26 && c < 26 + static_cast<int>(title.size())) {
                    ch = title[static_cast<std::size_t>(c - 26)];
                }
                expected = {(ch & 0xFE) + (r - 6), ch & 1};  // title colour 0
            } else if (r >= 8 && r <= 30 && c >= 10 && c <= 49) {
                const bool left = c == 10, right = c == 49;
                if (r == 8) {
                    expected = {left ? 0 : right ? 8 : 12, 14};
                } else if (r == 30) {
                    expected = {left ? 1 : right ? 9 : 13, 14};
                } else if (left || right) {
                    expected = {left ? 10 : 11, 14};
                } else {
                    expected = {32 + (r - 9) % 2, 2};  // body in text colour 1
                }
            }
            const bool rightShadow = (c == 50 || c == 51) && r >= 8 && r <= 31;
            const bool bottomShadow = (r == 31 || r == 32) && c >= 12 && c <= 51;
            if (rightShadow || bottomShadow) {
                expected.set += 16;
            }
            ASSERT_EQ((Tile{f.Glyph(r, c), f.Set(r, c)}), expected) << "row " << r << " col " << c;
        }
    }
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(FormRenderer, FillBoxCoversWholeCharacterRows) {
    struct Case {
        int height;
        int rowsFilled;
    };
    for (const Case& c : {Case{1, 2}, Case{4, 4}, Case{5, 6}, Case{0, 0}, Case{-3, 0}}) {
        Fixture f;
        FillBox(f.screen, 2, 10, 3, c.height, 2);
        int filled = 0;
        for (int r = 0; r < 48; ++r) {
            if (f.Set(r, 3) == 4 && f.Set(r, 4) == 4 && f.Set(r, 5) != 4) {
                ++filled;
                EXPECT_EQ(f.Glyph(r, 3), 32 + (r - 10) % 2);
            }
        }
        EXPECT_EQ(filled, c.rowsFilled) << "height " << c.height;
    }
}

TEST(FormRenderer, ButtonCaptionRowAndCentring) {
    struct Case {
        int height;
        int width;
        std::u16string caption;
        int row;
        int column;
    };
    // Form origin is (6, 10); the button sits at form row 3, column 4.
    const Case cases[] = {
        {4, 10, u"OK", 10, 14 + 1 + (10 - 1 - 2) / 2},
        {6, 10, u"OK", 11, 14 + 1 + (10 - 1 - 2) / 2},
        {3, 10, u"OK", 10, 14 + 4},  // (3 - 4) / 2 truncates to 0, not -1
        // Longer than the inside: starts left of the button, not cut to it.
        {4, 4, u"Cancel", 10, 14 + 1 + (4 - 1 - 6) / 2},
    };
    for (const Case& c : cases) {
        Fixture f;
        CLmComponent& k = f.Add(ComponentType::Button, c.caption, 3, 4, c.height, c.width);
        k.borderColor = 0;
        f.Render();
        const std::string expected(c.caption.begin(), c.caption.end());
        EXPECT_EQ(f.TextAt(c.row, c.column, static_cast<int>(expected.size())), expected)
            << "height " << c.height << " width " << c.width;
        EXPECT_EQ(f.Glyph(9, 14), 0);  // top-left corner in graphics set 10
        EXPECT_EQ(f.Set(9, 14), 10);
        EXPECT_EQ(f.Glyph(9 + c.height - 1, 14 + c.width - 1), 9);
    }
}

TEST(FormRenderer, HotKeyLetterShowsInTheNextTextColourOnlyInsideTheCaption) {
    struct Case {
        ComponentType type;
        int hotKey;
        int row;     // of the repainted letter, absolute
        int column;  // -1: nothing repainted
    };
    const Case cases[] = {
        {ComponentType::Button, 2, 10, 14 + 4 + 1},  // "Go" centred at 18; 'o' at 19
        {ComponentType::Button, 3, 10, -1},          // beyond "Go"
        {ComponentType::OptionButton, 1, 9, 14 + 4}, {ComponentType::CheckBox, 2, 9, 14 + 5},
        {ComponentType::CheckBox, 0, 9, -1},         {ComponentType::CheckBox, -1, 9, -1},
    };
    for (const Case& c : cases) {
        Fixture f;
        CLmComponent& k = f.Add(c.type, u"Go", 3, 4, 4, 10);
        k.hotKeyIndex = c.hotKey;
        k.textColor = 2;
        f.Render();
        int highlighted = 0;
        for (int r = 0; r < 48; ++r) {
            for (int col = 0; col < 64; ++col) {
                if (f.Set(r, col) / 2 == 3 && f.Glyph(r, col) >= 0) {
                    ++highlighted;
                    EXPECT_EQ(f.CharAt(c.row, c.column), "Go"[c.hotKey - 1]);
                    EXPECT_TRUE(r == c.row || r == c.row + 1);
                    EXPECT_EQ(col, c.column);
                }
            }
        }
        EXPECT_EQ(highlighted, c.column < 0 ? 0 : 2) << "hot key " << c.hotKey;
    }
}

TEST(FormRenderer, OptionAndCheckMarkersFollowTheValue) {
    Fixture f;
    f.Add(ComponentType::OptionButton, u"One", 3, 4, 2, 7).value = 1;
    f.Add(ComponentType::OptionButton, u"Two", 5, 4, 2, 7).value = 0;
    f.Add(ComponentType::CheckBox, u"Three", 7, 4, 2, 9).value = 5;
    f.Add(ComponentType::CheckBox, u"Four", 9, 4, 2, 8).value = 0;
    f.Render();
    EXPECT_EQ(f.CharAt(9, 15), 15);  // filled circle
    EXPECT_EQ(f.TextAt(9, 14, 1), "(");
    EXPECT_EQ(f.TextAt(9, 16, 5), ") One");
    EXPECT_EQ(f.TextAt(11, 14, 7), "( ) Two");
    EXPECT_EQ(f.TextAt(13, 14, 9), "[X] Three");
    EXPECT_EQ(f.TextAt(15, 14, 8), "[ ] Four");
}

TEST(FormRenderer, GroupBoxFrameStartsOneRowBelowItsTop) {
    Fixture f;
    f.Add(ComponentType::GroupBox, u"Hi", 3, 4, 5, 8).borderColor = 2;
    f.Render();
    // Component rows 9 .. 9 + 5, columns 14 .. 21.
    EXPECT_EQ(f.Glyph(10, 14), 0);
    EXPECT_EQ(f.Glyph(10, 21), 8);
    EXPECT_EQ(f.Glyph(14, 14), 1);
    EXPECT_EQ(f.Glyph(14, 21), 9);
    EXPECT_EQ(f.Set(14, 21), 12);
    EXPECT_EQ(f.Glyph(11, 14), 10);
    EXPECT_EQ(f.Glyph(13, 21), 11);
    // The title with a space on each side covers the frame's top edge.
    EXPECT_EQ(f.TextAt(9, 16, 4), " Hi ");
    EXPECT_EQ(f.Glyph(10, 20), 12);
    EXPECT_EQ(f.Glyph(10, 15), 12);
}

TEST(FormRenderer, NumberEditShowsExactlyItsDigitsWithoutSign) {
    struct Case {
        int value;
        int digits;
        std::string shown;
    };
    const Case cases[] = {{7, 3, "007"},       {-7, 3, "007"}, {123, 4, "0123"},
                          {12345, 3, "12345"}, {0, 1, "0"},    {-2147483647 - 1, 2, "2147483648"},
                          {5, 0, "5"}};
    for (const Case& c : cases) {
        EXPECT_EQ(NumberEditText(c.value, c.digits), c.shown) << c.value << " " << c.digits;
    }
    Fixture f;
    f.Add(ComponentType::NumberEdit, u"", 3, 4, 6, 3).value = -7;
    f.Render();
    for (int col = 14; col < 17; ++col) {
        EXPECT_EQ(f.CharAt(9, col), 4);
        EXPECT_EQ(f.CharAt(13, col), 5);
    }
    EXPECT_EQ(f.TextAt(11, 14, 3), "007");
    EXPECT_EQ(f.CharAt(11, 17), ' ');  // body, no fourth character
}

TEST(FormRenderer, BackgroundRepeatsFromTheTopLeftAndIsCut) {
    Fixture f;
    CLmBitmap& b = *f.doc.bitmaps[0];
    b.widthTiles = 3;
    b.heightTiles = 5;
    b.tileCount = 15;
    b.tiles.resize(15);
    f.doc.currentForm = nullptr;
    f.Render();
    int copies = 0;
    for (int r = 0; r < 48; ++r) {
        for (int c = 0; c < 64; ++c) {
            const int index = r * 64 + c;
            ASSERT_EQ(f.screen.tileGlyphs[index], -1);
            EXPECT_EQ(f.screen.tileImages[index].bitmap, &b);
            EXPECT_EQ(f.screen.tileImages[index].image, (r % 5) * 3 + c % 3);
            EXPECT_EQ(f.Set(r, c), kBackgroundSet);
            copies += f.screen.tileImages[index].image == 0;
        }
    }
    EXPECT_EQ(copies, 22 * 10);
}

TEST(FormRenderer, ShadowsNeverDarkenTwiceAndDoNotWrapRows) {
    Fixture f;
    CLmForm& form = *f.doc.currentForm;
    form.top = 2, form.left = 40, form.height = 10, form.width = 23;  // shadow at columns 63, 64
    f.Render();
    for (int r = 4; r <= 12; ++r) {
        EXPECT_EQ(f.Set(r, 63), kBackgroundSet + 16) << r;
        EXPECT_EQ(f.Set(r + 1, 0), kBackgroundSet) << r;  // column 64 is not the next row
    }
    DarkenShadow(f.screen, 2, 40, 10, 23);
    EXPECT_EQ(f.Set(12, 50), kBackgroundSet + 16);
    f.screen.SetColorSet(20, 20, 20);
    DarkenTile(f.screen, 20, 20);
    EXPECT_EQ(f.Set(20, 20), 20);
}

TEST(FormRenderer, LaterComponentsCoverEarlierOnes) {
    Fixture f;
    f.Add(ComponentType::Text, u"AAAA", 3, 4, 2, 4);
    f.Add(ComponentType::Text, u"BB", 3, 5, 2, 2).textColor = 3;
    f.Render();
    EXPECT_EQ(f.TextAt(9, 14, 4), "ABBA");
    EXPECT_EQ(f.Set(9, 15), 6);
}

TEST(FormRenderer, MissingBitmapIsReportedAndSkipped) {
    Fixture f;
    f.Add(ComponentType::Bitmap, u"Nowhere", 3, 4, 1, 1);
    f.Add(ComponentType::Text, u"after", 5, 4, 2, 5);
    f.Add(ComponentType::Bitmap, u"Back", 7, 4, 1, 1).textColor = 2;
    f.Render();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], u"Trying to draw bitmap that does not exist!");
    EXPECT_EQ(f.CharAt(9, 14), ' ');
    EXPECT_EQ(f.TextAt(11, 14, 5), "after");
    EXPECT_EQ(f.Glyph(13, 14), -1);
    EXPECT_EQ(f.Set(13, 14), 4);
}

TEST(FormRenderer, OutOfRangeGeometryIsClippedWithoutWrapping) {
    // Sizes a damaged file may hold: rendering stays bounded and writes only on the screen.
    Fixture f;
    CLmForm& form = *f.doc.currentForm;
    form.top = 40, form.left = 50, form.height = 2147483647, form.width = 2147483647;
    form.caption = std::u16string(5000, u'x');
    f.Add(ComponentType::Button, u"Big", -2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647);
    f.Render();
    const std::vector<std::int32_t> glyphs = f.screen.tileGlyphs;
    const std::vector<std::int32_t> sets = f.screen.tileColorSets;
    f.Add(ComponentType::Text, u"Right edge", -30, 10, 2, 10).textColor = 3;  // column 60
    f.Render();
    EXPECT_EQ(f.TextAt(10, 60, 4), "Righ");
    for (int i = 0; i < 3072; ++i) {
        const int r = i / 64, c = i % 64;
        if ((r == 10 || r == 11) && c >= 60) {
            continue;
        }
        ASSERT_EQ(f.screen.tileGlyphs[i], glyphs[i]) << "row " << r << " col " << c;
        ASSERT_EQ(f.screen.tileColorSets[i], sets[i]) << "row " << r << " col " << c;
    }
}

TEST(FormRenderer, ZeroSizedBackgroundFillsWithItsFirstTile) {
    Fixture f;
    f.doc.bitmaps[0]->heightTiles = 0;
    f.doc.currentForm = nullptr;
    f.Render();
    for (int i = 0; i < 3072; ++i) {
        ASSERT_EQ(f.screen.tileGlyphs[i], -1);
        ASSERT_EQ(f.screen.tileImages[i].image, 0);
    }
}

TEST(FormRenderer, NewApplicationMainForm) {
    CLumoraDoc doc;
    ASSERT_TRUE(StartNewApplication(doc));
    TileScreen screen(doc.appColors);
    testing::RecordingMessages messages;
    RenderForm(doc, screen, messages);
    EXPECT_TRUE(messages.shown.empty());
    auto ch = [&](int r, int c) {
        const int g = screen.tileGlyphs[r * 64 + c];
        return g + (screen.tileColorSets[r * 64 + c] & 1);
    };
    // Form (5, 8), 49 wide: the OK button at (29, 26), 4 x 10 -> caption row 30, column 30.
    EXPECT_EQ(ch(30, 30), 'O');
    EXPECT_EQ(ch(30, 31), 'K');
    EXPECT_EQ(screen.tileColorSets[30 * 64 + 31], 3);
    EXPECT_EQ(screen.tileGlyphs[29 * 64 + 26], 0);
    EXPECT_EQ(screen.tileColorSets[29 * 64 + 26], 10);
    // Number Edit 123 with 4 digits at (14, 45): "0123" on row 16.
    EXPECT_EQ(ch(16, 45), '0');
    EXPECT_EQ(ch(16, 48), '3');
    // The default background tile everywhere outside the form.
    EXPECT_EQ(screen.tileGlyphs[0], -1);
    EXPECT_EQ(screen.tileColorSets[0], 8);
}

}  // namespace
}  // namespace lumora
