#include <gtest/gtest.h>

#include "model/records.h"
#include "properties/add_bitmap_rules.h"
#include "properties/double_click_actions.h"
#include "properties/settings_rules.h"
#include "property_test_support.h"
#include "recording_object_tree.h"

namespace lumora {
namespace {

using testing::NewApplication;
using testing::RecordingObjectTree;

TEST(AddBitmapRules, EachFieldMustHoldAWholeNumberFromOneToTen) {
    struct Case {
        std::u16string width;
        std::u16string height;
        std::u16string message;  // empty when accepted
        AddBitmapField focus;
    };
    const std::u16string kRange = u"Enter an integer between 1 and 10.";
    const Case cases[] = {
        {u"10", u"10", u"", AddBitmapField::None},
        {u" 1 ", u"1", u"", AddBitmapField::None},
        {u"11", u"1", kRange, AddBitmapField::Width},
        {u"0", u"1", kRange, AddBitmapField::Width},
        {u"-1", u"1", kRange, AddBitmapField::Width},
        {u"", u"1", u"Enter an integer.", AddBitmapField::Width},
        {u"2x", u"1", u"Enter an integer.", AddBitmapField::Width},
        {u"3", u"", u"Enter an integer.", AddBitmapField::Height},
        {u"3", u"11", kRange, AddBitmapField::Height},
        // The width is checked first; only its message shows.
        {u"abc", u"99", u"Enter an integer.", AddBitmapField::Width},
    };
    for (const Case& c : cases) {
        NewApplication app;
        AddBitmapValues values;
        values.widthText = c.width;
        values.heightText = c.height;
        const AddBitmapCheck check = CheckAddBitmapValues(app.doc, values);
        EXPECT_EQ(check.accepted, c.message.empty());
        EXPECT_EQ(check.focus, c.focus);
        if (c.message.empty()) {
            EXPECT_TRUE(app.messages.shown.empty());
        } else {
            EXPECT_EQ(app.messages.shown, std::vector<std::u16string>{c.message});
        }
        // The check alone never touches the document.
        EXPECT_EQ(app.doc.bitmaps.size(), 1u);
        EXPECT_FALSE(app.doc.IsModified());
    }
}

TEST(AddBitmapRules, OkAddsAOneBitBitmapWhileTheFormStaysShown) {
    NewApplication app;
    RecordingObjectTree tree;
    app.doc.AttachObjectTree(&tree);
    const AddBitmapValues defaults;
    EXPECT_EQ(defaults.widthText, u"1");
    EXPECT_EQ(defaults.heightText, u"1");
    EXPECT_EQ(defaults.bitmapType, 0);
    EXPECT_FALSE(IsBitmapTypeChoosable(1));

    AddBitmapValues values;
    values.widthText = u"10";
    values.heightText = u"10";
    values.bitmapType = 1;  // the disabled button cannot give a 2-bit bitmap
    const AddBitmapCheck check = CheckAddBitmapValues(app.doc, values);
    ASSERT_TRUE(check.accepted);
    EXPECT_EQ(AddBitmapAfterOk(app.doc, check), Refresh::Repaint);
    ASSERT_EQ(app.doc.bitmaps.size(), 2u);
    const CLmBitmap& added = *app.doc.bitmaps.back();
    EXPECT_EQ(added.name, u"BitmapData2");
    EXPECT_EQ(added.bitDepth, 1);
    EXPECT_EQ(added.color, 4);
    EXPECT_EQ(added.tiles.size(), 100u);
    EXPECT_EQ(added.tiles.front(), TileImage{});
    EXPECT_EQ(app.doc.currentBitmap, &added);
    EXPECT_EQ(app.doc.currentForm->name, u"Form1");
    EXPECT_TRUE(app.doc.IsModified());
    EXPECT_GE(tree.rebuilds, 1);
}

TEST(AddBitmapRules, ARefusedOrCancelledDialogUsesUpNoNumber) {
    NewApplication app;
    AddBitmapValues bad;
    bad.widthText = u"11";
    EXPECT_EQ(AddBitmapAfterOk(app.doc, CheckAddBitmapValues(app.doc, bad)), Refresh::None);
    EXPECT_EQ(app.doc.bitmapCounter, 1);
    const AddBitmapCheck good = CheckAddBitmapValues(app.doc, AddBitmapValues{});
    AddBitmapAfterOk(app.doc, good);
    EXPECT_EQ(app.doc.bitmaps.back()->name, u"BitmapData2");
}

TEST(SettingsRules, ListsKeepDocumentOrderAndSelectTheExactName) {
    NewApplication app;
    for (int i = 0; i < 9; ++i) {
        app.doc.AddForm();  // Form2 .. Form10
    }
    app.doc.AddBitmap(1, 1, 1);
    app.doc.forms[3]->name = u"FormA";  // out of alphabetical order
    app.doc.backgroundBitmapColor = 3;
    const SettingsChoices choices = OpenSettings(app.doc);
    ASSERT_EQ(choices.mainForm.entries.size(), 10u);
    EXPECT_EQ(choices.mainForm.entries[3], u"FormA");
    EXPECT_EQ(choices.mainForm.entries[9], u"Form10");
    EXPECT_EQ(choices.mainForm.selected, 0u);  // Form1, not Form10
    EXPECT_EQ(choices.backgroundBitmap.entries,
              (std::vector<std::u16string>{u"BitmapData1", u"BitmapData2"}));
    EXPECT_EQ(choices.backgroundBitmap.selected, 0u);
    EXPECT_EQ(choices.backgroundColor.entries,
              (std::vector<std::u16string>{u"0", u"1", u"2", u"3", u"4", u"5"}));
    EXPECT_EQ(choices.backgroundColor.selected, 3u);

    app.doc.mainFormName = u"Gone";
    app.doc.backgroundBitmapColor = 9;
    const SettingsChoices stale = OpenSettings(app.doc);
    EXPECT_FALSE(stale.mainForm.selected.has_value());
    EXPECT_FALSE(stale.backgroundColor.selected.has_value());
}

TEST(SettingsRules, OkWritesTheSelectedEntries) {
    NewApplication app;
    app.doc.AddForm();
    app.doc.AddBitmap(1, 1, 1);

    // OK without changes leaves all three settings, and the modified flag, alone.
    app.doc.SetModifiedFlag(false);
    EXPECT_EQ(ApplySettings(app.doc, OpenSettings(app.doc)), Refresh::Render);
    EXPECT_EQ(app.doc.mainFormName, u"Form1");
    EXPECT_EQ(app.doc.backgroundBitmapName, u"BitmapData1");
    EXPECT_EQ(app.doc.backgroundBitmapColor, 4);
    EXPECT_FALSE(app.doc.IsModified());

    SettingsChoices choices = OpenSettings(app.doc);
    choices.mainForm.selected = 1;
    choices.backgroundBitmap.selected = 1;
    choices.backgroundColor.selected = 5;
    ApplySettings(app.doc, choices);
    EXPECT_EQ(app.doc.mainFormName, u"Form2");
    EXPECT_EQ(app.doc.backgroundBitmapName, u"BitmapData2");
    EXPECT_EQ(app.doc.backgroundBitmapColor, 5);
    // A changed setting would be lost on closing unless the document is marked.
    EXPECT_TRUE(app.doc.IsModified());

    // A list without a selection keeps its setting.
    choices.mainForm.selected.reset();
    choices.backgroundBitmap.selected = 7;  // past the end
    choices.backgroundColor.selected.reset();
    ApplySettings(app.doc, choices);
    EXPECT_EQ(app.doc.mainFormName, u"Form2");
    EXPECT_EQ(app.doc.backgroundBitmapName, u"BitmapData2");
    EXPECT_EQ(app.doc.backgroundBitmapColor, 5);

    // In the bitmap editing view there is no form to render.
    app.doc.SelectByName(u"BitmapData1");
    EXPECT_EQ(ApplySettings(app.doc, OpenSettings(app.doc)), Refresh::Repaint);
}

TEST(DoubleClickActions, AButtonWithoutAHandlerGetsOneAndItsStub) {
    NewApplication app;
    app.doc.SelectByName(u"Button1");
    const std::u16string original = app.doc.customCode;
    DoubleClickResult result = DoubleClickSelection(app.doc);
    EXPECT_EQ(app.doc.currentComponent->handler, u"OnButton1");
    EXPECT_EQ(app.doc.customCode, original + u"\r\nPUB OnButton1\r\n\r\n");
    EXPECT_EQ(result.refresh, Refresh::RefillGrid);
    EXPECT_TRUE(result.openCodeEditor);
    EXPECT_EQ(result.handlerToShow, u"OnButton1");
    EXPECT_TRUE(app.doc.IsModified());

    // With a handler the editor opens on it and nothing is appended.
    app.doc.SetModifiedFlag(false);
    result = DoubleClickSelection(app.doc);
    EXPECT_EQ(app.doc.customCode, original + u"\r\nPUB OnButton1\r\n\r\n");
    EXPECT_EQ(result.refresh, Refresh::None);
    EXPECT_TRUE(result.openCodeEditor);
    EXPECT_EQ(result.handlerToShow, u"OnButton1");
    EXPECT_FALSE(app.doc.IsModified());
    EXPECT_TRUE(app.messages.shown.empty());
}

TEST(DoubleClickActions, OptionsAndCheckBoxesToggleAndOthersDoNothing) {
    NewApplication app;
    for (std::u16string_view name : {u"Option1", u"Check1"}) {
        app.doc.SelectByName(name);
        app.doc.currentComponent->value = 5;
        DoubleClickResult result = DoubleClickSelection(app.doc);
        EXPECT_EQ(app.doc.currentComponent->value, 0);
        EXPECT_EQ(result.refresh, Refresh::RefillGrid | Refresh::Render);
        EXPECT_FALSE(result.openCodeEditor);
        DoubleClickSelection(app.doc);
        EXPECT_EQ(app.doc.currentComponent->value, 1);
    }
    for (std::u16string_view name : {u"Text1", u"Group1", u"Number1", u"Form1"}) {
        app.doc.SelectByName(name);
        app.doc.SetModifiedFlag(false);
        const std::u16string code = app.doc.customCode;
        const DoubleClickResult result = DoubleClickSelection(app.doc);
        EXPECT_EQ(result.refresh, Refresh::None);
        EXPECT_FALSE(result.openCodeEditor);
        EXPECT_FALSE(app.doc.IsModified());
        EXPECT_EQ(app.doc.customCode, code);
    }
}

}  // namespace
}  // namespace lumora
