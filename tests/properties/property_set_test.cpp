#include <gtest/gtest.h>

#include "model/records.h"
#include "properties/property_set.h"
#include "property_test_support.h"

namespace lumora {
namespace {

using testing::EntryNames;
using testing::NewApplication;
using Names = std::vector<std::u16string>;

TEST(PropertySet, EveryComponentTypeListsItsAppearanceEntriesInGridOrder) {
    struct Case {
        AddTool tool;
        PropertySetKind kind;
        std::u16string typeText;
        Names appearance;
    };
    const Case cases[] = {
        {AddTool::Button,
         PropertySetKind::Button,
         u"Button",
         {u"Caption", u"Top", u"Left", u"Height", u"Width", u"Hot Key Index", u"Text Color",
          u"Border Color", u"Handler"}},
        {AddTool::Text,
         PropertySetKind::Text,
         u"Text",
         {u"Caption", u"Top", u"Left", u"Text Color"}},
        {AddTool::GroupBox,
         PropertySetKind::GroupBox,
         u"Group Box",
         {u"Caption", u"Top", u"Left", u"Height", u"Width", u"Text Color", u"Border Color"}},
        {AddTool::OptionButton,
         PropertySetKind::OptionButton,
         u"Option Button",
         {u"Caption", u"Top", u"Left", u"Hot Key Index", u"Text Color", u"Value", u"Group"}},
        {AddTool::CheckBox,
         PropertySetKind::CheckBox,
         u"Check Box",
         {u"Caption", u"Top", u"Left", u"Hot Key Index", u"Text Color", u"Value"}},
        {AddTool::Bitmap,
         PropertySetKind::BitmapComponent,
         u"Bitmap",
         {u"Source", u"Top", u"Left", u"Color"}},
        {AddTool::NumberEdit,
         PropertySetKind::NumberEdit,
         u"Number Edit",
         {u"Top", u"Left", u"Text Color", u"#Digits", u"Init. Value", u"Max. Value",
          u"Min. Value"}},
    };
    for (const Case& c : cases) {
        NewApplication app;
        app.doc.AddComponent(c.tool);
        const PropertySet set = BuildPropertySet(app.doc);
        ASSERT_EQ(set.groups.size(), 2u);
        EXPECT_EQ(set.kind, c.kind);
        EXPECT_EQ(set.groups[0].name, u"Details");
        EXPECT_EQ(EntryNames(set.groups[0]), (Names{u"Name", u"Type"}));
        EXPECT_EQ(set.groups[1].name, u"Appearance");
        EXPECT_EQ(EntryNames(set.groups[1]), c.appearance) << static_cast<int>(c.tool);
        const PropertyEntry* type = set.Find(u"Type");
        ASSERT_NE(type, nullptr);
        EXPECT_TRUE(type->readOnly);
        EXPECT_EQ(DisplayText(type->value), c.typeText);
        // Only "Type" is read-only in a component set.
        for (const PropertyGroup& group : set.groups) {
            for (const PropertyEntry& entry : group.entries) {
                EXPECT_EQ(entry.readOnly, entry.name == u"Type")
                    << std::string(entry.name.begin(), entry.name.end());
            }
        }
    }
}

TEST(PropertySet, ValuesAndKindsComeFromTheirFields) {
    NewApplication app;
    app.doc.SelectByName(u"Number1");
    const PropertySet number = BuildPropertySet(app.doc);
    struct Expected {
        std::u16string name;
        ValueKind kind;
        std::u16string shown;
    };
    // Number1 of a new application: top 9, left 37, 4 digits, 123 in 0..3999.
    const Expected numberEntries[] = {
        {u"Name", ValueKind::Text, u"Number1"},       {u"Type", ValueKind::Text, u"Number Edit"},
        {u"Top", ValueKind::Integer, u"9"},           {u"Left", ValueKind::Integer, u"37"},
        {u"Text Color", ValueKind::Integer, u"1"},    {u"#Digits", ValueKind::Integer, u"4"},
        {u"Init. Value", ValueKind::Integer, u"123"}, {u"Max. Value", ValueKind::Integer, u"3999"},
        {u"Min. Value", ValueKind::Integer, u"0"},
    };
    for (const Expected& e : numberEntries) {
        const PropertyEntry* entry = number.Find(e.name);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->Kind(), e.kind);
        EXPECT_EQ(DisplayText(entry->value), e.shown);
    }

    app.doc.SelectByName(u"Option1");
    app.doc.currentComponent->value = 5;
    app.doc.currentComponent->group = 7;
    const PropertySet option = BuildPropertySet(app.doc);
    EXPECT_EQ(option.Find(u"Value")->value, PropertyValue(true));
    EXPECT_EQ(option.Find(u"Group")->value, PropertyValue(std::int32_t{7}));
    EXPECT_EQ(option.Find(u"Caption")->value, PropertyValue(std::u16string(u"Test Option")));

    app.doc.SelectByName(u"Check1");
    EXPECT_EQ(BuildPropertySet(app.doc).Find(u"Value")->value, PropertyValue(false));
}

TEST(PropertySet, FormSetShowsTheFormsFields) {
    NewApplication app;
    app.doc.SelectByName(u"Form1");
    const PropertySet set = BuildPropertySet(app.doc);
    EXPECT_EQ(set.kind, PropertySetKind::Form);
    ASSERT_EQ(set.groups.size(), 2u);
    EXPECT_EQ(EntryNames(set.groups[1]),
              (Names{u"Caption", u"Top", u"Left", u"Height", u"Width", u"Title Color",
                     u"Border Color", u"Background Color"}));
    EXPECT_EQ(DisplayText(set.Find(u"Type")->value), u"Form");
    EXPECT_TRUE(set.Find(u"Type")->readOnly);
    EXPECT_FALSE(set.Find(u"Name")->readOnly);
    // Form1: top 5, left 8, 30 x 49, title 0, border 4, background 1.
    const std::pair<std::u16string, std::u16string> shown[] = {
        {u"Name", u"Form1"},    {u"Caption", u"New Form"}, {u"Top", u"5"},
        {u"Left", u"8"},        {u"Height", u"30"},        {u"Width", u"49"},
        {u"Title Color", u"0"}, {u"Border Color", u"4"},   {u"Background Color", u"1"},
    };
    for (const auto& [name, text] : shown) {
        EXPECT_EQ(DisplayText(set.Find(name)->value), text);
    }
}

TEST(PropertySet, BitmapSetShowsPixelsReadOnly) {
    NewApplication app;
    app.doc.AddBitmap(3, 2, 1);
    app.doc.SelectByName(u"BitmapData2");
    PropertySet set = BuildPropertySet(app.doc);
    EXPECT_EQ(set.kind, PropertySetKind::Bitmap);
    ASSERT_EQ(set.groups.size(), 2u);
    EXPECT_EQ(EntryNames(set.groups[0]), (Names{u"Name", u"Type", u"Width", u"Height"}));
    EXPECT_EQ(EntryNames(set.groups[1]), (Names{u"Color#"}));
    EXPECT_EQ(set.Find(u"Width")->value, PropertyValue(std::int32_t{48}));
    EXPECT_EQ(set.Find(u"Height")->value, PropertyValue(std::int32_t{32}));
    EXPECT_TRUE(set.Find(u"Width")->readOnly);
    EXPECT_TRUE(set.Find(u"Height")->readOnly);
    EXPECT_TRUE(set.Find(u"Type")->readOnly);
    EXPECT_FALSE(set.Find(u"Color#")->readOnly);
    EXPECT_EQ(DisplayText(set.Find(u"Type")->value), u"1-Bit Bitmap");
    EXPECT_EQ(set.Find(u"Color#")->value, PropertyValue(std::int32_t{4}));

    // Every depth but 1 is shown as two bits.
    for (std::int32_t depth : {2, 0, 3}) {
        app.doc.currentBitmap->bitDepth = depth;
        set = BuildPropertySet(app.doc);
        EXPECT_EQ(DisplayText(set.Find(u"Type")->value), u"2-Bit Bitmap") << depth;
    }
    // A size read from a damaged file saturates instead of wrapping.
    app.doc.currentBitmap->widthTiles = INT32_MAX;
    EXPECT_EQ(BuildPropertySet(app.doc).Find(u"Width")->value, PropertyValue(INT32_MAX));
}

TEST(PropertySet, HandlerOffersEmptyCurrentAndSuggestionWithoutDuplicates) {
    struct Case {
        std::u16string handler;
        Names options;
    };
    const Case cases[] = {
        {u"", {u"", u"OnButton1"}},
        {u"DoIt", {u"", u"DoIt", u"OnButton1"}},
        {u"OnButton1", {u"", u"OnButton1"}},
    };
    for (const Case& c : cases) {
        NewApplication app;
        app.doc.SelectByName(u"Button1");
        app.doc.currentComponent->handler = c.handler;
        const PropertySet set = BuildPropertySet(app.doc);
        const PropertyEntry* handler = set.Find(u"Handler");
        ASSERT_NE(handler, nullptr);
        EXPECT_EQ(handler->options, c.options);
        EXPECT_EQ(DisplayText(handler->value), c.handler);
        EXPECT_EQ(handler->Kind(), ValueKind::Text);
    }
    // No other entry carries options.
    NewApplication app;
    app.doc.SelectByName(u"Button1");
    for (const PropertyGroup& group : BuildPropertySet(app.doc).groups) {
        for (const PropertyEntry& entry : group.entries) {
            EXPECT_EQ(entry.options.empty(), entry.name != u"Handler");
        }
    }
}

TEST(PropertySet, BitmapComponentShowsItsSourceAndColourField) {
    NewApplication app;
    app.doc.AddComponent(AddTool::Bitmap);
    app.doc.currentComponent->textColor = 3;
    const PropertySet set = BuildPropertySet(app.doc);
    EXPECT_EQ(set.Find(u"Source")->value, PropertyValue(std::u16string(u"BitmapData1")));
    EXPECT_EQ(set.Find(u"Color")->value, PropertyValue(std::int32_t{3}));
    EXPECT_EQ(set.Find(u"Caption"), nullptr);
}

TEST(PropertySet, DescriptionsAreTheGridTexts) {
    NewApplication app;
    app.doc.SelectByName(u"Text1");
    EXPECT_EQ(BuildPropertySet(app.doc).Find(u"Caption")->description,
              u"Specifies the text that will be displayed");
    app.doc.SelectByName(u"Button1");
    const PropertySet button = BuildPropertySet(app.doc);
    EXPECT_EQ(button.Find(u"Caption")->description,
              u"Specifies the text that will be displayed on the button");
    EXPECT_EQ(button.Find(u"Name")->description, u"Name of form to be used in generated Spin code");
    EXPECT_EQ(button.Find(u"Hot Key Index")->description,
              u"Index of caption character to make a hot key for keyboard input.  Set to 0 if no "
              u"hot key desired.");
    EXPECT_EQ(button.Find(u"Handler")->description,
              u"Name of function to be called when clicked on");

    app.doc.SelectByName(u"Form1");
    EXPECT_EQ(BuildPropertySet(app.doc).Find(u"Caption")->description,
              u"Specifies the text that will be displayed in the forms's title bar");
    app.doc.SelectByName(u"BitmapData1");
    EXPECT_EQ(BuildPropertySet(app.doc).Find(u"Color#")->description,
              u"Specifies text color# for 1-bit and graphics color# for 2-bit bitmpas");
}

TEST(PropertySet, TwoFillsInARowAreIdentical) {
    NewApplication app;
    for (std::u16string_view name : {u"Form1", u"Button1", u"Number1", u"BitmapData1"}) {
        app.doc.SelectByName(name);
        EXPECT_EQ(BuildPropertySet(app.doc), BuildPropertySet(app.doc));
    }
}

TEST(PropertySet, DamagedSelectionsAreShownWithoutEditing) {
    NewApplication app;
    app.doc.SelectByName(u"Button1");
    app.doc.currentComponent->type = 9;
    const PropertySet unknown = BuildPropertySet(app.doc);
    EXPECT_EQ(unknown.kind, PropertySetKind::UnknownComponent);
    ASSERT_EQ(unknown.groups.size(), 2u);
    EXPECT_TRUE(unknown.Find(u"Name")->readOnly);
    EXPECT_TRUE(unknown.groups[1].entries.empty());

    CLumoraDoc empty;
    EXPECT_TRUE(BuildPropertySet(empty).groups.empty());
    EXPECT_EQ(SelectedItemName(empty), u"");
}

}  // namespace
}  // namespace lumora
