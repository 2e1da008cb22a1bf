#include <gtest/gtest.h>

#include <climits>

#include "model/document.h"
#include "model/new_application.h"
#include "recording_messages.h"
#include "recording_object_tree.h"

namespace lumora {
namespace {

// A new application with recording seams, marked unmodified.
class EditingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.AttachMessages(&messages);
        doc.AttachObjectTree(&tree);
        StartNewApplication(doc);
        tree.rebuilds = 0;
    }
    CLmForm& Form1() { return *doc.forms[0]; }
    CLmComponent& Component(std::size_t i) { return *Form1().components[i]; }

    CLumoraDoc doc;
    testing::RecordingMessages messages;
    testing::RecordingObjectTree tree;
};

TEST_F(EditingTest, AddFormAppendsFormTwoAndSelectsIt) {
    doc.AddForm();
    ASSERT_EQ(doc.forms.size(), 2u);
    const CLmForm& f = *doc.forms[1];
    EXPECT_EQ(f.name, u"Form2");
    EXPECT_EQ(f.caption, u"New Form");
    EXPECT_EQ(f.top, 6);
    EXPECT_EQ(f.left, 10);
    EXPECT_EQ(f.height, 25);
    EXPECT_EQ(f.width, 40);
    EXPECT_EQ(f.backgroundColor, 1);
    EXPECT_EQ(f.borderColor, 4);
    EXPECT_EQ(f.titleColor, 0);
    EXPECT_TRUE(f.components.empty());
    EXPECT_EQ(doc.currentForm, &f);
    EXPECT_EQ(doc.currentComponent, nullptr);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(tree.rebuilds, 1);
}

TEST_F(EditingTest, AddComponentDefaultsPerTool) {
    struct Case {
        AddTool tool;
        std::u16string name, caption;
        ComponentType type;
        std::int32_t top, left, height, width, textColor, borderColor, hotKeyIndex, maxValue;
    };
    // The new application already holds one of every type but Bitmap, so names continue at 2.
    const Case cases[] = {
        {AddTool::Button, u"Button2", u"Button2", ComponentType::Button, 3, 3, 4, 12, 1, 0, 0, 0},
        {AddTool::Text, u"Text2", u"Text2", ComponentType::Text, 5, 5, 2, 5, 1, 0, 1, 0},
        {AddTool::Bitmap, u"Bitmap1", u"BitmapData1", ComponentType::Bitmap, 9, 9, 1, 1, 4, 0, 0,
         0},
        {AddTool::OptionButton, u"Option2", u"Option2", ComponentType::OptionButton, 8, 8, 2, 11, 1,
         0, 0, 0},
        {AddTool::GroupBox, u"Group2", u"Group2", ComponentType::GroupBox, 3, 3, 8, 12, 1, 1, 0, 0},
        {AddTool::CheckBox, u"Check2", u"Check2", ComponentType::CheckBox, 8, 8, 2, 10, 1, 0, 0, 0},
        {AddTool::NumberEdit, u"Number2", u"", ComponentType::NumberEdit, 10, 10, 6, 2, 1, 0, 0,
         99},
    };
    std::int32_t id = 1006;
    for (const Case& e : cases) {
        SCOPED_TRACE(static_cast<int>(e.tool));
        doc.SetModifiedFlag(false);
        doc.AddComponent(e.tool);
        const CLmComponent& c = *Form1().components.back();
        EXPECT_EQ(doc.currentComponent, &c);
        EXPECT_EQ(doc.currentForm, &Form1());
        EXPECT_EQ(c.name, e.name);
        EXPECT_EQ(c.caption, e.caption);
        EXPECT_EQ(c.type, static_cast<std::int32_t>(e.type));
        EXPECT_EQ(c.top, e.top);
        EXPECT_EQ(c.left, e.left);
        EXPECT_EQ(c.height, e.height);
        EXPECT_EQ(c.width, e.width);
        EXPECT_EQ(c.textColor, e.textColor);
        EXPECT_EQ(c.borderColor, e.borderColor);
        EXPECT_EQ(c.hotKeyIndex, e.hotKeyIndex);
        EXPECT_EQ(c.maxValue, e.maxValue);
        EXPECT_EQ(c.value, 0);
        EXPECT_EQ(c.minValue, 0);
        EXPECT_EQ(c.group, 0);
        EXPECT_TRUE(c.handler.empty());
        EXPECT_EQ(c.id, id++);
        EXPECT_TRUE(doc.IsModified());
    }
    EXPECT_EQ(doc.nextComponentId, id);
    EXPECT_EQ(tree.rebuilds, 7);
}

TEST_F(EditingTest, TwoButtonsAreNumberedOnwards) {
    doc.AddComponent(AddTool::Button);
    doc.AddComponent(AddTool::Button);
    ASSERT_EQ(Form1().components.size(), 8u);
    EXPECT_EQ(Component(6).name, u"Button2");
    EXPECT_EQ(Component(6).id, 1006);
    EXPECT_EQ(Component(7).name, u"Button3");
    EXPECT_EQ(Component(7).id, 1007);
}

TEST_F(EditingTest, BitmapComponentCopiesTheFirstBitmapNotTheCurrentOne) {
    doc.AddBitmap(3, 2, 2);
    doc.bitmaps[1]->color = 5;
    ASSERT_EQ(doc.currentBitmap, doc.bitmaps[1].get());
    doc.bitmaps[0]->widthTiles = 7;
    doc.bitmaps[0]->heightTiles = 4;
    doc.AddComponent(AddTool::Bitmap);
    const CLmComponent& c = *doc.currentComponent;
    EXPECT_EQ(c.caption, u"BitmapData1");
    EXPECT_EQ(c.width, 7);
    EXPECT_EQ(c.height, 4);
    EXPECT_EQ(c.textColor, 4);
}

TEST_F(EditingTest, AddBitmapKeepsTheFormShown) {
    doc.SetModifiedFlag(false);
    doc.AddBitmap(3, 2, 2);
    ASSERT_EQ(doc.bitmaps.size(), 2u);
    const CLmBitmap& b = *doc.bitmaps[1];
    EXPECT_EQ(b.name, u"BitmapData2");
    EXPECT_EQ(b.widthTiles, 3);
    EXPECT_EQ(b.heightTiles, 2);
    EXPECT_EQ(b.tileCount, 6);
    EXPECT_EQ(b.bitDepth, 2);
    EXPECT_EQ(b.color, 4);
    ASSERT_EQ(b.tiles.size(), 6u);
    for (const TileImage& tile : b.tiles) {
        EXPECT_EQ(tile, TileImage{});
    }
    EXPECT_EQ(doc.currentBitmap, &b);
    EXPECT_EQ(doc.currentForm, &Form1());
    EXPECT_EQ(doc.currentComponent, &Component(5));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(tree.rebuilds, 1);
}

TEST_F(EditingTest, DeletingAComponentLeavesItsFormSelected) {
    doc.SetModifiedFlag(false);
    doc.SelectByName(u"Text1");
    doc.DeleteSelection();
    ASSERT_EQ(Form1().components.size(), 5u);
    EXPECT_EQ(Component(2).name, u"Option1");
    EXPECT_EQ(doc.currentForm, &Form1());
    EXPECT_EQ(doc.currentComponent, nullptr);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(tree.rebuilds, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EditingTest, DeletingAnEmptiedSecondFormSelectsTheFirst) {
    doc.AddForm();
    doc.AddComponent(AddTool::Button);
    doc.AddComponent(AddTool::Text);
    doc.DeleteSelection();  // Text2, the current component
    doc.SelectByName(u"Button2");
    doc.DeleteSelection();
    EXPECT_EQ(doc.currentForm, doc.forms[1].get());
    EXPECT_TRUE(doc.forms[1]->components.empty());
    doc.DeleteSelection();
    ASSERT_EQ(doc.forms.size(), 1u);
    EXPECT_EQ(doc.currentForm, &Form1());
    EXPECT_EQ(doc.currentComponent, nullptr);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EditingTest, RefusedDeletionsChangeNothing) {
    struct Case {
        const char* what;
        void (*arrange)(CLumoraDoc&);
        void (*act)(CLumoraDoc&);
        std::u16string message;
    };
    const Case cases[] = {
        {"main form, also the only form", [](CLumoraDoc& d) { d.SelectByName(u"Form1"); },
         [](CLumoraDoc& d) { d.DeleteSelection(); }, u"Cannot delete the main form"},
        {"main form among several",
         [](CLumoraDoc& d) {
             d.AddForm();
             d.SelectByName(u"Form1");
         },
         [](CLumoraDoc& d) { d.DeleteSelection(); }, u"Cannot delete the main form"},
        {"last form that is not the main form",
         [](CLumoraDoc& d) {
             d.mainFormName = u"Elsewhere";
             d.SelectByName(u"Form1");
         },
         [](CLumoraDoc& d) { d.DeleteSelection(); }, u"Cannot delete the last form"},
        {"background bitmap", [](CLumoraDoc& d) { d.SelectByName(u"BitmapData1"); },
         [](CLumoraDoc& d) { d.DeleteCurrentBitmap(); }, u"Cannot delete the background bitmap"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CLumoraDoc d;
        testing::RecordingMessages shown;
        d.AttachMessages(&shown);
        StartNewApplication(d);
        c.arrange(d);
        d.SetModifiedFlag(false);
        const std::size_t forms = d.forms.size();
        const std::size_t components = d.forms[0]->components.size();
        const std::size_t bitmaps = d.bitmaps.size();
        const CLmForm* form = d.currentForm;
        const CLmBitmap* bitmap = d.currentBitmap;
        c.act(d);
        EXPECT_EQ(shown.shown, std::vector<std::u16string>{c.message});
        EXPECT_FALSE(d.IsModified());
        EXPECT_EQ(d.forms.size(), forms);
        EXPECT_EQ(d.forms[0]->components.size(), components);
        EXPECT_EQ(d.bitmaps.size(), bitmaps);
        EXPECT_EQ(d.currentForm, form);
        EXPECT_EQ(d.currentBitmap, bitmap);
    }
}

TEST_F(EditingTest, DeletingABitmapSelectsTheFirstAndLeavesComponentsAlone) {
    doc.AddBitmap(1, 1, 1);
    doc.AddComponent(AddTool::Bitmap);
    doc.currentComponent->caption = u"BitmapData2";
    doc.SelectByName(u"BitmapData2");
    doc.SetModifiedFlag(false);
    doc.DeleteCurrentBitmap();
    ASSERT_EQ(doc.bitmaps.size(), 1u);
    EXPECT_EQ(doc.currentBitmap, doc.bitmaps[0].get());
    EXPECT_EQ(doc.currentForm, nullptr);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Form1().components.back()->caption, u"BitmapData2");
}

struct NudgeCase {
    const char* what;
    std::int32_t left, top, width, height;  // before
    ArrowKey key;
    bool ctrl;
    std::int32_t expectLeft, expectTop, expectWidth, expectHeight;
};

TEST_F(EditingTest, NudgeComponentMovesAndSizesWithinItsForm) {
    // Form1 is 49 wide and 30 high.
    const NudgeCase cases[] = {
        {"left stops at 1", 1, 5, 10, 4, ArrowKey::Left, false, 1, 5, 10, 4},
        {"left", 2, 5, 10, 4, ArrowKey::Left, false, 1, 5, 10, 4},
        {"up stops at 1", 5, 1, 10, 4, ArrowKey::Up, false, 5, 1, 10, 4},
        {"right to the edge", 38, 5, 10, 4, ArrowKey::Right, false, 39, 5, 10, 4},
        {"right stops at the edge", 39, 5, 10, 4, ArrowKey::Right, false, 39, 5, 10, 4},
        {"down stops at the edge", 5, 26, 10, 4, ArrowKey::Down, false, 5, 26, 10, 4},
        {"down", 5, 25, 10, 4, ArrowKey::Down, false, 5, 26, 10, 4},
        {"narrower stops at 3", 5, 5, 3, 4, ArrowKey::Left, true, 5, 5, 3, 4},
        {"narrower", 5, 5, 4, 4, ArrowKey::Left, true, 5, 5, 3, 4},
        {"lower stops at 3", 5, 5, 4, 3, ArrowKey::Up, true, 5, 5, 4, 3},
        {"wider stops at 64", 5, 5, 64, 4, ArrowKey::Right, true, 5, 5, 64, 4},
        {"wider ignores the form", 5, 5, 63, 4, ArrowKey::Right, true, 5, 5, 64, 4},
        {"taller stops at 48", 5, 5, 4, 48, ArrowKey::Down, true, 5, 5, 4, 48},
        {"taller", 5, 5, 4, 47, ArrowKey::Down, true, 5, 5, 4, 48},
    };
    for (const NudgeCase& n : cases) {
        SCOPED_TRACE(n.what);
        doc.SelectByName(u"Button1");
        CLmComponent& c = *doc.currentComponent;
        c.left = n.left, c.top = n.top, c.width = n.width, c.height = n.height;
        doc.NudgeSelection(n.key, n.ctrl);
        EXPECT_EQ(c.left, n.expectLeft);
        EXPECT_EQ(c.top, n.expectTop);
        EXPECT_EQ(c.width, n.expectWidth);
        EXPECT_EQ(c.height, n.expectHeight);
    }
}

TEST_F(EditingTest, OnlyButtonsAndGroupBoxesResize) {
    for (const char16_t* name : {u"Text1", u"Option1", u"Check1", u"Number1"}) {
        doc.SelectByName(name);
        CLmComponent& c = *doc.currentComponent;
        const CLmComponent before = c;
        for (ArrowKey key : {ArrowKey::Left, ArrowKey::Up, ArrowKey::Right, ArrowKey::Down}) {
            doc.SetModifiedFlag(false);
            doc.NudgeSelection(key, true);
            EXPECT_TRUE(doc.IsModified()) << "marked modified even when nothing changed";
        }
        EXPECT_EQ(c.width, before.width);
        EXPECT_EQ(c.height, before.height);
        EXPECT_EQ(c.left, before.left);
        EXPECT_EQ(c.top, before.top);
    }
    doc.SelectByName(u"Group1");
    doc.NudgeSelection(ArrowKey::Right, true);
    EXPECT_EQ(doc.currentComponent->width, 26);
}

TEST_F(EditingTest, NudgeFormMovesAndSizesOnTheScreen) {
    const NudgeCase cases[] = {
        {"left to 0", 1, 5, 40, 25, ArrowKey::Left, false, 0, 5, 40, 25},
        {"left stops at 0", 0, 5, 40, 25, ArrowKey::Left, false, 0, 5, 40, 25},
        {"up stops at 1", 5, 1, 40, 25, ArrowKey::Up, false, 5, 1, 40, 25},
        {"right stops at 62", 13, 5, 49, 25, ArrowKey::Right, false, 13, 5, 49, 25},
        {"right", 12, 5, 49, 25, ArrowKey::Right, false, 13, 5, 49, 25},
        {"wider although it cannot move", 13, 5, 49, 25, ArrowKey::Right, true, 13, 5, 50, 25},
        {"wider to the screen edge", 13, 5, 50, 25, ArrowKey::Right, true, 13, 5, 51, 25},
        {"wider stops at 64", 13, 5, 51, 25, ArrowKey::Right, true, 13, 5, 51, 25},
        {"down stops at 48", 5, 23, 40, 25, ArrowKey::Down, false, 5, 23, 40, 25},
        {"down", 5, 22, 40, 25, ArrowKey::Down, false, 5, 23, 40, 25},
        {"taller stops at 48", 5, 23, 40, 25, ArrowKey::Down, true, 5, 23, 40, 25},
        {"lower stops at 3", 5, 5, 40, 3, ArrowKey::Up, true, 5, 5, 40, 3},
        {"lower", 5, 5, 40, 4, ArrowKey::Up, true, 5, 5, 40, 3},
    };
    for (const NudgeCase& n : cases) {
        SCOPED_TRACE(n.what);
        doc.SelectByName(u"Form1");
        CLmForm& f = Form1();
        f.left = n.left, f.top = n.top, f.width = n.width, f.height = n.height;
        doc.NudgeSelection(n.key, n.ctrl);
        EXPECT_EQ(f.left, n.expectLeft);
        EXPECT_EQ(f.top, n.expectTop);
        EXPECT_EQ(f.width, n.expectWidth);
        EXPECT_EQ(f.height, n.expectHeight);
    }
}

TEST_F(EditingTest, FormNarrowsDownToItsCaption) {
    doc.SelectByName(u"Form1");
    Form1().width = 12;
    for (int i = 0; i < 10; ++i) {
        doc.NudgeSelection(ArrowKey::Left, true);
    }
    EXPECT_EQ(Form1().width, 8) << "the length of \"New Form\"";
    EXPECT_EQ(tree.rebuilds, 0) << "moving and sizing do not rebuild the tree";
}

TEST_F(EditingTest, SelectByName) {
    doc.AddForm();
    doc.AddComponent(AddTool::Button);  // Button2 on Form2
    doc.SetModifiedFlag(false);
    tree.rebuilds = 0;

    doc.SelectByName(u"Form1");
    EXPECT_EQ(doc.currentForm, &Form1());
    EXPECT_EQ(doc.currentComponent, nullptr);

    doc.SelectByName(u"Button2");
    EXPECT_EQ(doc.currentForm, doc.forms[1].get());
    EXPECT_EQ(doc.currentComponent, doc.forms[1]->components[0].get());

    doc.SelectByName(u"BitmapData1");
    EXPECT_EQ(doc.currentForm, nullptr);
    EXPECT_EQ(doc.currentComponent, nullptr);
    EXPECT_EQ(doc.currentBitmap, doc.bitmaps[0].get());

    doc.SelectByName(u"Untitled Objects");
    doc.SelectByName(u"form1");  // exact, case-sensitive
    EXPECT_EQ(doc.currentForm, nullptr);
    EXPECT_EQ(doc.currentBitmap, doc.bitmaps[0].get());

    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(tree.rebuilds, 0);
}

TEST_F(EditingTest, DuplicateNamesPreferFormsFirstAndTheLastBitmap) {
    doc.AddBitmap(1, 1, 1);
    doc.AddBitmap(1, 1, 1);
    doc.bitmaps[1]->name = u"Twin";
    doc.bitmaps[2]->name = u"Twin";
    doc.SelectByName(u"Twin");
    EXPECT_EQ(doc.currentBitmap, doc.bitmaps[2].get());
    EXPECT_EQ(doc.FindBitmap(u"Twin"), doc.bitmaps[1].get());
    EXPECT_EQ(doc.FindBitmap(u"twin"), nullptr);

    Component(2).name = u"Button1";  // Text1 renamed to clash with Button1
    doc.SelectByName(u"Button1");
    EXPECT_EQ(doc.currentComponent, &Component(0));
}

TEST_F(EditingTest, LoadedExtremeValuesDoNotOverflow) {
    // Counters and geometry can come from any file; the operations must stay defined.
    doc.formCounter = INT_MAX;
    doc.nextComponentId = INT_MAX;
    doc.typeCounters[1] = INT_MAX;
    doc.AddForm();
    doc.AddComponent(AddTool::Button);
    EXPECT_EQ(doc.currentComponent->id, INT_MAX);
    EXPECT_EQ(doc.nextComponentId, INT_MIN);
    EXPECT_EQ(doc.forms.back()->name, u"Form-2147483648");
    EXPECT_EQ(doc.currentComponent->name, u"Button-2147483648");

    CLmComponent& c = *doc.currentComponent;
    c.left = INT_MAX;
    c.width = INT_MIN;
    doc.NudgeSelection(ArrowKey::Right, false);
    EXPECT_EQ(c.left, INT_MAX);
    c.top = INT_MAX - 1;
    c.height = INT_MAX;
    doc.NudgeSelection(ArrowKey::Down, false);
    EXPECT_EQ(c.top, INT_MAX - 1);
}

}  // namespace
}  // namespace lumora
