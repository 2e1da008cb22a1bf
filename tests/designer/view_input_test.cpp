#include "designer/view_input.h"

#include <gtest/gtest.h>

#include "designer/view_geometry.h"
#include "designer_test_support.h"
#include "model/records.h"

namespace lumora {
namespace {

using testing::DesignerDocument;

class ViewInputTest : public ::testing::Test, protected DesignerDocument {
  protected:
    ViewResponse Click(ContentPoint point) { return LeftButtonReleased(doc, state, point); }
    ViewResponse DoubleClick(ContentPoint point) {
        Click(point);
        LeftButtonDoubleClicked(state);
        return Click(point);
    }
    // A Button of 4 x 4 tiles lying inside Group1, at screen columns 14..17 and rows 12..15.
    CLmComponent& ButtonInsideGroup() {
        doc.AddComponent(AddTool::Button);
        CLmComponent& b = *doc.currentComponent;
        b.left = 6, b.top = 7, b.width = 4, b.height = 4;
        doc.currentComponent = nullptr;
        doc.SetModifiedFlag(false);
        return b;
    }
    ViewState state;
};

TEST_F(ViewInputTest, GroupBoxIsSelectedOnlyWhereNothingElseLies) {
    CLmComponent& button = ButtonInsideGroup();
    CLmComponent& group = Named(u"Group1");
    struct Case {
        ContentPoint point;
        const CLmComponent* selected;
    } cases[] = {
        {Tile(15, 13), &button}, {Tile(14, 12), &button}, {Tile(17, 15), &button},
        {Tile(13, 12), &group},  {Tile(18, 12), &group},  {Tile(12, 10), &group},
        {Tile(36, 23), &group},  {Tile(37, 23), nullptr}, {Tile(12, 24), nullptr},
        {Tile(9, 6), nullptr},
    };
    for (const Case& c : cases) {
        doc.currentComponent = &Named(u"Button1");
        const ViewResponse response = Click(c.point);
        EXPECT_EQ(doc.currentComponent, c.selected) << c.point.x << "," << c.point.y;
        EXPECT_EQ(doc.currentForm, &Form1());
        EXPECT_EQ(response.refresh, Refresh::RefillGrid);
    }
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ViewInputTest, OfTwoOverlappingButtonsTheLaterOneIsSelected) {
    CLmComponent& first = Named(u"Button1");
    doc.AddComponent(AddTool::Button);
    CLmComponent& second = *doc.currentComponent;
    second.left = first.left + 2, second.top = first.top + 1;
    Click(Tile(8 + first.left + 3, 5 + first.top + 2));
    EXPECT_EQ(doc.currentComponent, &second);
    Click(Tile(8 + first.left, 5 + first.top));
    EXPECT_EQ(doc.currentComponent, &first);
}

TEST_F(ViewInputTest, HalfSizeMapsEightPixelsToATileAndAddsTheScrollOffset) {
    EXPECT_EQ(ScreenTileAt(ToContent(100, 40, 0, 0), true), (TilePosition{12, 5}));
    EXPECT_EQ(ScreenTileAt(ToContent(100, 40, 0, 0), false), (TilePosition{6, 2}));
    EXPECT_EQ(ScreenTileAt(ToContent(100, 40, 300, 16), false), (TilePosition{25, 3}));
    EXPECT_EQ(ScreenTileAt(ToContent(-1, -17, 0, 0), false), (TilePosition{-1, -2}));

    // Column 12, row 5 at half size is Form1's top-left border tile (column 8 is its left).
    state.zoomHalf = true;
    doc.currentComponent = &Named(u"Button1");
    Click({8 * 8 + 3, 10 * 8 + 3});
    EXPECT_EQ(doc.currentComponent, nullptr);
    Click({15 * 8 + 4, 18 * 8 + 4});
    EXPECT_EQ(doc.currentComponent, &Named(u"Option1"));
}

TEST_F(ViewInputTest, ReleasesOffTheScreenChangeNothingButUseUpTheDoubleClick) {
    doc.currentComponent = &Named(u"Option1");
    const ContentPoint outside[] = {{1024, 10}, {10, 768}, {-1, 10}, {10, -3}, {5000, 5000}};
    for (const ContentPoint point : outside) {
        LeftButtonDoubleClicked(state);
        EXPECT_EQ(Click(point).refresh, Refresh::None);
        EXPECT_FALSE(state.pendingDoubleClick);
        EXPECT_EQ(doc.currentComponent, &Named(u"Option1"));
    }
    // At half size the screen ends at 512 x 384 content pixels.
    state.zoomHalf = true;
    EXPECT_EQ(Click({512, 10}).refresh, Refresh::None);
    EXPECT_EQ(Click({511, 383}).refresh, Refresh::RefillGrid);
    EXPECT_EQ(Named(u"Option1").value, 0);
}

TEST_F(ViewInputTest, DoubleClickOnAnOptionButtonOrCheckBoxFlipsItOnce) {
    for (const char16_t* name : {u"Option1", u"Check1"}) {
        CLmComponent& c = Named(name);
        const ContentPoint point = Tile(8 + c.left + 1, 5 + c.top);
        doc.SetModifiedFlag(false);
        const ViewResponse response = DoubleClick(point);
        EXPECT_EQ(c.value, 1);
        EXPECT_EQ(response.refresh, Refresh::RefillGrid | Refresh::Render);
        EXPECT_FALSE(response.openCodeEditor);
        EXPECT_TRUE(doc.IsModified());
        // A plain click afterwards only selects.
        EXPECT_EQ(Click(point).refresh, Refresh::RefillGrid);
        EXPECT_EQ(c.value, 1);
        DoubleClick(point);
        EXPECT_EQ(c.value, 0);
    }
}

TEST_F(ViewInputTest, DoubleClickOnAButtonWithoutHandlerMakesTheStubThenAsksForTheEditor) {
    CLmComponent& button = Named(u"Button1");
    const std::u16string before = doc.customCode;
    const ViewResponse response = DoubleClick(Tile(30, 30));
    EXPECT_EQ(doc.currentComponent, &button);
    EXPECT_EQ(button.handler, u"OnButton1");
    EXPECT_EQ(doc.customCode, before + u"\r\nPUB OnButton1\r\n\r\n");
    EXPECT_TRUE(response.openCodeEditor);
    EXPECT_EQ(response.handlerToShow, u"OnButton1");
    EXPECT_TRUE(Includes(response.refresh, Refresh::RefillGrid));
    EXPECT_TRUE(doc.IsModified());

    // With a handler already there, no second stub; the editor still opens on it.
    doc.SetModifiedFlag(false);
    const ViewResponse again = DoubleClick(Tile(30, 30));
    EXPECT_EQ(doc.customCode, before + u"\r\nPUB OnButton1\r\n\r\n");
    EXPECT_TRUE(again.openCodeEditor);
    EXPECT_EQ(again.handlerToShow, u"OnButton1");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ViewInputTest, DoubleClickOnTheFormOrAPassiveComponentOnlySelects) {
    for (const ContentPoint point : {Tile(9, 6), Tile(15, 15), Tile(46, 15)}) {
        const std::u16string code = doc.customCode;
        const ViewResponse response = DoubleClick(point);
        EXPECT_EQ(response.refresh, Refresh::RefillGrid);
        EXPECT_FALSE(response.openCodeEditor);
        EXPECT_EQ(doc.customCode, code);
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(ViewInputTest, HandlerEditorAcceptedMarksModifiedOnlyWhenTheCodeChanged) {
    const std::u16string code = doc.customCode;
    HandlerEditAccepted(doc, code);
    EXPECT_FALSE(doc.IsModified());
    HandlerEditAccepted(doc, code + u"  x := 1\r\n");
    EXPECT_EQ(doc.customCode, code + u"  x := 1\r\n");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ViewInputTest, RightReleaseSelectsConsumesTheDoubleClickAndAsksForTheMenu) {
    CLmComponent& option = Named(u"Option1");
    LeftButtonDoubleClicked(state);
    const ViewResponse response = RightButtonReleased(doc, state, Tile(16, 18));
    EXPECT_TRUE(response.showEditMenu);
    EXPECT_EQ(doc.currentComponent, &option);
    EXPECT_EQ(option.value, 1);  // the pending double click acts, as on a left release
    EXPECT_FALSE(state.pendingDoubleClick);

    // No menu in the bitmap editing view.
    doc.SelectByName(u"BitmapData1");
    LeftButtonDoubleClicked(state);
    EXPECT_FALSE(RightButtonReleased(doc, state, {10, 10}).showEditMenu);
    EXPECT_FALSE(state.pendingDoubleClick);
}

TEST_F(ViewInputTest, BitmapViewReleaseTogglesThePixelUnderThePointer) {
    doc.AddBitmap(2, 1, 1);
    CLmBitmap& bitmap = *doc.currentBitmap;
    doc.SelectByName(bitmap.name);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(BitmapPixelAt({85, 10}), (BitmapPixel{1, 0, 1, 2}));

    EXPECT_EQ(Click({85, 10}).refresh, Refresh::Repaint);
    EXPECT_EQ(bitmap.tiles[1].Pixel(1, 2), 1);
    EXPECT_EQ(bitmap.tiles[0], TileImage{});
    EXPECT_TRUE(doc.IsModified());
    Click({89, 14});  // the same 5 x 5 block
    EXPECT_EQ(bitmap.tiles[1].Pixel(1, 2), 0);

    // Values 2 and 3 (from a file) become 0 as well.
    bitmap.tiles[0].SetPixel(15, 15, 3);
    Click({79, 79});
    EXPECT_EQ(bitmap.tiles[0].Pixel(15, 15), 0);
}

TEST_F(ViewInputTest, BitmapViewReleaseOutsideTheBitmapChangesNothing) {
    doc.AddBitmap(2, 1, 1);
    CLmBitmap& bitmap = *doc.currentBitmap;
    doc.SelectByName(bitmap.name);
    doc.SetModifiedFlag(false);
    for (const ContentPoint point : {ContentPoint{160, 10}, ContentPoint{10, 80},
                                     ContentPoint{-1, 10}, ContentPoint{10, -1}}) {
        LeftButtonDoubleClicked(state);
        EXPECT_EQ(Click(point).refresh, Refresh::None);
        EXPECT_FALSE(state.pendingDoubleClick);
    }
    // A damaged file may hold fewer images than its size needs.
    bitmap.tiles.resize(1);
    EXPECT_EQ(Click({85, 10}).refresh, Refresh::None);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(bitmap.tiles[0], TileImage{});
}

TEST_F(ViewInputTest, StatusTextIsRelativeToTheFormOrTheBitmapPixel) {
    struct Case {
        int x, y;
        const char16_t* text;
    } formCases[] = {
        {8 * 16, 5 * 16, u"(0,0)"},       {8 * 16 + 15, 5 * 16 + 15, u"(0,0)"},
        {7 * 16 + 15, 5 * 16, u"(-1,0)"}, {0, 0, u"(-8,-5)"},
        {1023, 767, u"(55,42)"},
    };
    for (const Case& c : formCases) {
        EXPECT_EQ(PointerStatusText(doc, c.x, c.y), c.text);
    }
    doc.SelectByName(u"BitmapData1");
    EXPECT_EQ(PointerStatusText(doc, 85, 10), u"(17,2)");
    EXPECT_EQ(PointerStatusText(doc, 4, 4), u"(0,0)");
}

TEST_F(ViewInputTest, ArrowKeysNudgeWithTheLeftCtrlResizing) {
    CLmComponent& text = Named(u"Text1");
    doc.currentComponent = &text;
    const CLmComponent before = text;
    EXPECT_EQ(KeyReleased(doc, ViewKey::Right, true).refresh,
              Refresh::RefillGrid | Refresh::Render);
    EXPECT_EQ(text.width, before.width);
    EXPECT_EQ(text.left, before.left);
    EXPECT_TRUE(doc.IsModified());  // even when the rule refuses

    KeyReleased(doc, ViewKey::Right, false);
    EXPECT_EQ(text.left, before.left + 1);

    CLmComponent& button = Named(u"Button1");
    doc.currentComponent = &button;
    KeyReleased(doc, ViewKey::Right, true);
    KeyReleased(doc, ViewKey::Down, true);
    EXPECT_EQ(button.width, 11);
    EXPECT_EQ(button.height, 5);

    // The form itself when no component is selected.
    doc.currentComponent = nullptr;
    Form1().height = 3;
    KeyReleased(doc, ViewKey::Up, true);
    EXPECT_EQ(Form1().height, 3);
    KeyReleased(doc, ViewKey::Up, false);
    EXPECT_EQ(Form1().top, 4);
}

TEST_F(ViewInputTest, FormNudgeBoundsAtTheRightEdge) {
    Form1().left = 20;
    Form1().width = 42;
    KeyReleased(doc, ViewKey::Right, false);
    EXPECT_EQ(Form1().left, 20);
    KeyReleased(doc, ViewKey::Right, true);
    KeyReleased(doc, ViewKey::Right, true);
    KeyReleased(doc, ViewKey::Right, true);
    EXPECT_EQ(Form1().width, 44);

    Form1().caption = u"Twelve chars";
    Form1().width = 13;
    KeyReleased(doc, ViewKey::Left, true);
    KeyReleased(doc, ViewKey::Left, true);
    EXPECT_EQ(Form1().width, 12);
}

TEST_F(ViewInputTest, DeleteRefusesTheMainFormWithTheDocumentsMessage) {
    const ViewResponse response = KeyReleased(doc, ViewKey::Delete, false);
    EXPECT_EQ(response.refresh, Refresh::RefillGrid | Refresh::Render);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], u"Cannot delete the main form");
    EXPECT_EQ(doc.forms.size(), 1u);
    EXPECT_FALSE(doc.IsModified());

    doc.currentComponent = &Named(u"Text1");
    KeyReleased(doc, ViewKey::Delete, false);
    EXPECT_EQ(Form1().components.size(), 5u);
    EXPECT_EQ(doc.currentComponent, nullptr);
}

TEST_F(ViewInputTest, KeysInTheBitmapViewDeleteTheBitmapOnly) {
    doc.AddBitmap(1, 1, 1);
    doc.SelectByName(doc.currentBitmap->name);
    doc.SetModifiedFlag(false);
    for (const ViewKey key : {ViewKey::Left, ViewKey::Up, ViewKey::Right, ViewKey::Other}) {
        EXPECT_EQ(KeyReleased(doc, key, true).refresh, Refresh::None);
    }
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(KeyReleased(doc, ViewKey::Delete, false).refresh, Refresh::Repaint);
    EXPECT_EQ(doc.bitmaps.size(), 1u);

    // The background bitmap is refused.
    KeyReleased(doc, ViewKey::Delete, false);
    EXPECT_EQ(doc.bitmaps.size(), 1u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], u"Cannot delete the background bitmap");
}

TEST_F(ViewInputTest, OtherKeysDoNothing) {
    EXPECT_EQ(KeyReleased(doc, ViewKey::Other, true).refresh, Refresh::None);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ViewInputTest, ExtentFollowsWhatIsShown) {
    EXPECT_EQ(ContentExtent(doc), (ViewExtent{1024, 768}));
    doc.AddBitmap(4, 2, 1);
    EXPECT_EQ(ContentExtent(doc), (ViewExtent{1024, 768}));  // the form stays shown
    doc.SelectByName(doc.currentBitmap->name);
    EXPECT_EQ(ContentExtent(doc), (ViewExtent{320, 160}));
    doc.currentBitmap->widthTiles = 1 << 30;  // from a damaged file
    EXPECT_EQ(ContentExtent(doc).width, kMaxBitmapExtent);
    doc.currentBitmap = nullptr;
    EXPECT_EQ(ContentExtent(doc), (ViewExtent{0, 0}));
}

}  // namespace
}  // namespace lumora
