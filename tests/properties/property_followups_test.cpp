#include <gtest/gtest.h>

#include "model/records.h"
#include "properties/handler_stub.h"
#include "properties/property_change.h"
#include "property_test_support.h"
#include "recording_object_tree.h"

namespace lumora {
namespace {

using testing::NewApplication;
using testing::RecordingObjectTree;
using testing::Shown;

TEST(PropertyFollowUps, WidthFollowsANewCaptionByType) {
    struct Case {
        AddTool tool;
        std::int32_t widthBefore;
        std::u16string caption;
        std::int32_t widthAfter;
    };
    const Case cases[] = {
        {AddTool::Text, 5, u"Hello, world", 12},
        {AddTool::Text, 5, u"Hi", 2},
        {AddTool::OptionButton, 11, u"Fast", 8},
        {AddTool::CheckBox, 10, u"Remember me", 15},
        // Buttons and group boxes only ever widen.
        {AddTool::Button, 12, u"A much longer caption", 24},
        {AddTool::Button, 12, u"Short", 12},
        {AddTool::GroupBox, 12, u"Settings of the app", 22},
        {AddTool::GroupBox, 12, u"", 12},
    };
    for (const Case& c : cases) {
        NewApplication app;
        app.doc.AddComponent(c.tool);
        ASSERT_EQ(app.doc.currentComponent->width, c.widthBefore);
        const auto result = ChangeProperty(app.doc, u"Caption", c.caption);
        EXPECT_EQ(result.outcome, ChangeOutcome::Accepted);
        EXPECT_EQ(result.refresh, Refresh::Render);
        EXPECT_EQ(app.doc.currentComponent->caption, c.caption);
        EXPECT_EQ(app.doc.currentComponent->width, c.widthAfter) << static_cast<int>(c.tool);
    }
    // The followed width is not tested against the form.
    NewApplication app;
    app.doc.SelectByName(u"Text1");
    ChangeProperty(app.doc, u"Caption", std::u16string(80, u'x'));
    EXPECT_EQ(app.doc.currentComponent->width, 80);
}

TEST(PropertyFollowUps, RenamingTheStartUpFormOrBackgroundBitmapMovesTheSetting) {
    NewApplication app;
    RecordingObjectTree tree;
    app.doc.AttachObjectTree(&tree);
    app.doc.SelectByName(u"Form1");
    ASSERT_EQ(ChangeProperty(app.doc, u"Name", u"FormMain").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(app.doc.mainFormName, u"FormMain");
    EXPECT_EQ(tree.rebuilds, 1);

    app.doc.AddForm();
    ASSERT_EQ(ChangeProperty(app.doc, u"Name", u"FormOther").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(app.doc.mainFormName, u"FormMain");

    app.doc.AddComponent(AddTool::Bitmap);  // draws BitmapData1
    app.doc.SelectByName(u"BitmapData1");
    ASSERT_EQ(ChangeProperty(app.doc, u"Name", u"BitmapDataSky").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(app.doc.backgroundBitmapName, u"BitmapDataSky");
    EXPECT_EQ(app.doc.bitmaps.front()->name, u"BitmapDataSky");
    // Components drawing the bitmap keep the old name.
    EXPECT_EQ(app.doc.forms.back()->components.back()->caption, u"BitmapData1");

    app.doc.AddBitmap(1, 1, 1);
    app.doc.SelectByName(u"BitmapData2");
    ASSERT_EQ(ChangeProperty(app.doc, u"Name", u"BitmapDataTwo").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(app.doc.backgroundBitmapName, u"BitmapDataSky");

    // A rejected rename does not touch the tree.
    const int rebuilds = tree.rebuilds;
    EXPECT_EQ(ChangeProperty(app.doc, u"Name", u"Sky").outcome, ChangeOutcome::Rejected);
    EXPECT_EQ(tree.rebuilds, rebuilds);
}

TEST(PropertyFollowUps, ComponentRenameKeepsTheHandler) {
    NewApplication app;
    RecordingObjectTree tree;
    app.doc.AttachObjectTree(&tree);
    app.doc.SelectByName(u"Button1");
    app.doc.currentComponent->handler = u"OnButton1";
    ASSERT_EQ(ChangeProperty(app.doc, u"Name", u"ButtonOk").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(app.doc.currentComponent->handler, u"OnButton1");
    EXPECT_EQ(tree.rebuilds, 1);
    // The suggestion follows the name at the next fill.
    const PropertySet set = BuildPropertySet(app.doc);
    EXPECT_EQ(set.Find(u"Handler")->options,
              (std::vector<std::u16string>{u"", u"OnButton1", u"OnButtonOk"}));
}

TEST(PropertyFollowUps, SourceTakesTheBitmapsSize) {
    NewApplication app;
    app.doc.AddBitmap(3, 2, 1);
    app.doc.SelectByName(u"Form1");
    app.doc.AddComponent(AddTool::Bitmap);
    const auto result = ChangeProperty(app.doc, u"Source", u"BitmapData2");
    EXPECT_EQ(result.outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(result.refresh, Refresh::Render);
    EXPECT_EQ(app.doc.currentComponent->caption, u"BitmapData2");
    EXPECT_EQ(app.doc.currentComponent->width, 3);
    EXPECT_EQ(app.doc.currentComponent->height, 2);

    // An unknown source keeps the old one and its size.
    EXPECT_EQ(ChangeProperty(app.doc, u"Source", u"BitmapData9").outcome, ChangeOutcome::Rejected);
    EXPECT_EQ(app.doc.currentComponent->caption, u"BitmapData2");
    EXPECT_EQ(app.doc.currentComponent->width, 3);
    EXPECT_EQ(app.messages.shown.back(), u"Bitmap does not exist:  BitmapData9");
}

TEST(PropertyFollowUps, ANewLimitClampsTheInitialValueAndRefillsTheGrid) {
    NewApplication app;
    app.doc.AddComponent(AddTool::NumberEdit);
    CLmComponent& n = *app.doc.currentComponent;
    n.minValue = 0, n.maxValue = 100, n.value = 80;

    EXPECT_EQ(ChangeProperty(app.doc, u"Max. Value", u"0").outcome, ChangeOutcome::Rejected);
    auto result = ChangeProperty(app.doc, u"Max. Value", u"50");
    EXPECT_EQ(result.outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(result.refresh, Refresh::RefillGrid | Refresh::Render);
    EXPECT_EQ(n.maxValue, 50);
    EXPECT_EQ(n.value, 50);
    EXPECT_EQ(Shown(app.doc, u"Init. Value"), u"50");

    // A limit that keeps the value in range changes nothing else and refills nothing.
    result = ChangeProperty(app.doc, u"Max. Value", u"60");
    EXPECT_EQ(result.refresh, Refresh::None);
    EXPECT_EQ(n.value, 50);

    result = ChangeProperty(app.doc, u"Min. Value", u"55");
    EXPECT_EQ(result.refresh, Refresh::RefillGrid | Refresh::Render);
    EXPECT_EQ(n.value, 55);
    EXPECT_EQ(ChangeProperty(app.doc, u"Min. Value", u"60").outcome, ChangeOutcome::Rejected);
    EXPECT_EQ(n.minValue, 55);

    // The initial value must lie within both limits, inclusive.
    EXPECT_EQ(ChangeProperty(app.doc, u"Init. Value", u"60").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(ChangeProperty(app.doc, u"Init. Value", u"61").outcome, ChangeOutcome::Rejected);
}

TEST(PropertyFollowUps, HandlerChangesAppendStubsAndWarnAboutTheOldOne) {
    NewApplication app;
    app.doc.SelectByName(u"Button1");
    const std::u16string original = app.doc.customCode;

    // From none to a name: no message, one stub.
    ASSERT_EQ(ChangeProperty(app.doc, u"Handler", u"OnButton1").outcome, ChangeOutcome::Accepted);
    EXPECT_TRUE(app.messages.shown.empty());
    EXPECT_EQ(app.doc.customCode, original + u"\r\nPUB OnButton1\r\n\r\n");

    // From one name to another: the removal notice, and the old method stays.
    ASSERT_EQ(ChangeProperty(app.doc, u"Handler", u"DoIt").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(app.messages.shown,
              std::vector<std::u16string>{u"Previous handler code may require manual removal:  "
                                          u"OnButton1"});
    EXPECT_EQ(app.doc.customCode,
              original + u"\r\nPUB OnButton1\r\n\r\n" + u"\r\nPUB DoIt\r\n\r\n");
    EXPECT_EQ(app.doc.currentComponent->handler, u"DoIt");

    // To the empty handler: the notice again, and no stub.
    const std::u16string code = app.doc.customCode;
    const auto result = ChangeProperty(app.doc, u"Handler", u"");
    EXPECT_EQ(result.outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(result.refresh, Refresh::None);
    EXPECT_EQ(app.messages.shown.back(),
              u"Previous handler code may require manual removal:  DoIt");
    EXPECT_EQ(app.doc.customCode, code);
    EXPECT_TRUE(app.doc.currentComponent->handler.empty());
    EXPECT_TRUE(app.doc.IsModified());
}

TEST(PropertyFollowUps, OptionValueLeavesTheOtherOptionsOfItsGroup) {
    NewApplication app;
    app.doc.SelectByName(u"Option1");
    app.doc.currentComponent->group = 1;
    app.doc.currentComponent->value = 1;
    app.doc.AddComponent(AddTool::OptionButton);
    app.doc.currentComponent->group = 1;
    const auto result = ChangeProperty(app.doc, u"Value", u"True");
    EXPECT_EQ(result.refresh, Refresh::Render);
    EXPECT_EQ(app.doc.currentComponent->value, 1);
    app.doc.SelectByName(u"Option1");
    EXPECT_EQ(app.doc.currentComponent->value, 1);
    EXPECT_EQ(ChangeProperty(app.doc, u"Value", u"False").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(app.doc.currentComponent->value, 0);
}

TEST(PropertyChange, ChangesTheGridCannotSendChangeNothing) {
    struct Case {
        std::u16string select;
        std::u16string entry;
        std::u16string text;
        ChangeOutcome outcome;
    };
    const Case cases[] = {
        {u"Text1", u"Width", u"9", ChangeOutcome::NoSuchEntry},  // Text has no Width entry
        {u"Number1", u"Caption", u"x", ChangeOutcome::NoSuchEntry},
        {u"Form1", u"Bogus", u"1", ChangeOutcome::NoSuchEntry},
        {u"Form1", u"Type", u"Button", ChangeOutcome::ReadOnly},
        {u"BitmapData1", u"Width", u"32", ChangeOutcome::ReadOnly},
        {u"Option1", u"Value", u"true", ChangeOutcome::NotABoolean},
        {u"Option1", u"Value", u"1", ChangeOutcome::NotABoolean},
        // The grid sends nothing when the text is what the entry already shows.
        {u"Form1", u"Top", u"5", ChangeOutcome::Unchanged},
        {u"Button1", u"Handler", u"", ChangeOutcome::Unchanged},
        {u"Option1", u"Value", u"False", ChangeOutcome::Unchanged},
    };
    for (const Case& c : cases) {
        NewApplication app;
        app.doc.SelectByName(c.select);
        const std::u16string code = app.doc.customCode;
        const auto result = ChangeProperty(app.doc, c.entry, c.text);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.refresh, Refresh::None);
        EXPECT_FALSE(app.doc.IsModified());
        EXPECT_TRUE(app.messages.shown.empty());
        EXPECT_EQ(app.doc.customCode, code);
    }
    // Text that reads as the same number is still a change, as in the grid.
    NewApplication app;
    app.doc.SelectByName(u"Form1");
    EXPECT_EQ(ChangeProperty(app.doc, u"Top", u"05").outcome, ChangeOutcome::Accepted);
    EXPECT_TRUE(app.doc.IsModified());
}

TEST(PropertyChange, AComponentOfUnknownTypeCannotBeEdited) {
    NewApplication app;
    app.doc.SelectByName(u"Button1");
    app.doc.currentComponent->type = 0;
    EXPECT_EQ(ChangeProperty(app.doc, u"Name", u"Anything").outcome, ChangeOutcome::ReadOnly);
    EXPECT_EQ(ChangeProperty(app.doc, u"Top", u"1").outcome, ChangeOutcome::NoSuchEntry);
    EXPECT_EQ(app.doc.currentComponent->name, u"Button1");
}

TEST(HandlerStub, IsALineBreakThePubLineAndTwoLineBreaks) {
    EXPECT_EQ(HandlerStub(u"OnButton1"), u"\r\nPUB OnButton1\r\n\r\n");
    CLmComponent button;
    button.name = u"ButtonGo";
    EXPECT_EQ(SuggestedHandlerName(button), u"OnButtonGo");
}

}  // namespace
}  // namespace lumora
