#include <gtest/gtest.h>

#include <functional>

#include "model/records.h"
#include "properties/property_change.h"
#include "property_test_support.h"

namespace lumora {
namespace {

using testing::NewApplication;
using testing::Shown;

// The item a case edits. Components are added to Form1 after it is narrowed to 20 x 10 tiles.
enum class Target {
    Bitmap1Bit,  // BitmapData1, colour 4
    Bitmap2Bit,  // a new 2-bit bitmap, colour 4
    Form,        // Form1: top 5, left 8, 30 x 49, title 0, border 4, background 1
    Button,      // Button2: caption "Button2", top 3, left 3, 4 x 12
    Text,
    GroupBox,
    Option,
    Check,
    BitmapComponent,  // Bitmap1 drawing BitmapData1
    Number,           // Number2: value 0 in 0..99, 2 digits
};

void Prepare(CLumoraDoc& doc, Target target) {
    auto addToNarrowForm = [&doc](AddTool tool) {
        doc.SelectByName(u"Form1");
        doc.currentForm->width = 20;
        doc.currentForm->height = 10;
        doc.AddComponent(tool);
    };
    switch (target) {
        case Target::Bitmap1Bit:
            doc.SelectByName(u"BitmapData1");
            break;
        case Target::Bitmap2Bit:
            doc.AddBitmap(1, 1, 2);
            doc.SelectByName(u"BitmapData2");
            break;
        case Target::Form:
            doc.SelectByName(u"Form1");
            break;
        case Target::Button:
            addToNarrowForm(AddTool::Button);
            break;
        case Target::Text:
            addToNarrowForm(AddTool::Text);
            break;
        case Target::GroupBox:
            addToNarrowForm(AddTool::GroupBox);
            break;
        case Target::Option:
            addToNarrowForm(AddTool::OptionButton);
            break;
        case Target::Check:
            addToNarrowForm(AddTool::CheckBox);
            break;
        case Target::BitmapComponent:
            addToNarrowForm(AddTool::Bitmap);
            break;
        case Target::Number:
            addToNarrowForm(AddTool::NumberEdit);
            break;
    }
    doc.SetModifiedFlag(false);
}

struct Case {
    Target target;
    std::u16string entry;
    std::u16string text;
    bool accepted;
    std::u16string message;  // empty: no message
    bool modified;
    std::u16string shownAfter;  // what the entry shows afterwards
    Refresh refresh = Refresh::None;
};

constexpr bool kYes = true;
constexpr bool kNo = false;
constexpr auto kRender = Refresh::Render;
constexpr auto kNone = Refresh::None;

const std::u16string kLimits = u"Value outside limits!";
const std::u16string kNotANumber = u"Enter an integer.";
const std::u16string kTextColor = u"Text color must be in the range from 0 to 4";
const std::u16string kGraphicsColor = u"Graphics color must be in the range from 0 to 5";

// Every rule with its bounds, its message and whether a rejection marks the document.
const Case kCases[] = {
    // Bitmap rules.
    {Target::Bitmap1Bit, u"Color#", u"0", kYes, u"", kYes, u"0", Refresh::Repaint},
    {Target::Bitmap1Bit, u"Color#", u"5", kNo,
     u"1-Bit Bitmap color must be in the range from 0 to 4", kNo, u"4"},
    {Target::Bitmap1Bit, u"Color#", u"-1", kNo,
     u"1-Bit Bitmap color must be in the range from 0 to 4", kNo, u"4"},
    {Target::Bitmap2Bit, u"Color#", u"5", kYes, u"", kYes, u"5", Refresh::Repaint},
    {Target::Bitmap2Bit, u"Color#", u"6", kNo,
     u"2-Bit Bitmap color must be in the range from 0 to 5", kNo, u"4"},
    {Target::Bitmap2Bit, u"Color#", u"-1", kNo,
     u"2-Bit Bitmap color must be in the range from 0 to 5", kNo, u"4"},
    {Target::Bitmap1Bit, u"Name", u"BitmapData", kYes, u"", kYes, u"BitmapData"},
    {Target::Bitmap1Bit, u"Name", u"BitmapDataSky", kYes, u"", kYes, u"BitmapDataSky"},
    {Target::Bitmap1Bit, u"Name", u"BitmapDat", kNo, u"Bitmap name must begin with 'BitmapData'",
     kYes, u"BitmapData1"},
    {Target::Bitmap1Bit, u"Name", u"bitmapData2", kNo, u"Bitmap name must begin with 'BitmapData'",
     kYes, u"BitmapData1"},
    {Target::Bitmap1Bit, u"Name", u"BitmapData 2", kNo, u"Bitmap name may not contain whitespace",
     kYes, u"BitmapData1"},
    {Target::Bitmap1Bit, u"Name", u"BitmapData\t2", kNo, u"Bitmap name may not contain whitespace",
     kYes, u"BitmapData1"},

    // Form rules.
    {Target::Form, u"Caption", u"Main", kYes, u"", kYes, u"Main", kRender},
    {Target::Form, u"Caption", u"", kYes, u"", kYes, u"", kRender},
    {Target::Form, u"Name", u"Form", kYes, u"", kYes, u"Form"},
    {Target::Form, u"Name", u"FormMain", kYes, u"", kYes, u"FormMain"},
    {Target::Form, u"Name", u"form2", kNo, u"Form name must begin with 'Form'", kYes, u"Form1"},
    {Target::Form, u"Name", u"Fo", kNo, u"Form name must begin with 'Form'", kYes, u"Form1"},
    {Target::Form, u"Name", u"Form 2", kNo, u"Form name may not contain whitespace", kYes,
     u"Form1"},
    {Target::Form, u"Name", u"Form2\r\n", kNo, u"Form name may not contain whitespace", kYes,
     u"Form1"},
    // Text without a leading number is refused rather than read as 0.
    {Target::Form, u"Top", u"abc", kNo, kNotANumber, kNo, u"5"},
    {Target::Form, u"Top", u"", kNo, kNotANumber, kNo, u"5"},
    {Target::Button, u"Top", u"abc", kNo, kNotANumber, kNo, u"3"},
    {Target::Number, u"Max. Value", u"-", kNo, kNotANumber, kNo, u"99"},
    {Target::Form, u"Top", u" +12xyz", kYes, u"", kYes, u"12", kRender},
    {Target::Form, u"Top", u"47", kYes, u"", kYes, u"47", kRender},
    {Target::Form, u"Top", u"48", kNo, kLimits, kYes, u"5"},
    {Target::Form, u"Top", u"-1", kNo, kLimits, kYes, u"5"},
    {Target::Form, u"Top", u"99999999999", kNo, kLimits, kYes, u"5"},
    {Target::Form, u"Left", u"63", kYes, u"", kYes, u"63", kRender},
    {Target::Form, u"Left", u"64", kNo, kLimits, kYes, u"8"},
    {Target::Form, u"Left", u"-1", kNo, kLimits, kYes, u"8"},
    {Target::Form, u"Width", u"0", kYes, u"", kYes, u"0", kRender},
    {Target::Form, u"Width", u"63", kYes, u"", kYes, u"63", kRender},
    {Target::Form, u"Width", u"64", kNo, kLimits, kYes, u"49"},
    {Target::Form, u"Height", u"47", kYes, u"", kYes, u"47", kRender},
    {Target::Form, u"Height", u"48", kNo, kLimits, kYes, u"30"},
    {Target::Form, u"Height", u"-5", kNo, kLimits, kYes, u"30"},
    {Target::Form, u"Title Color", u"4", kYes, u"", kYes, u"4", kRender},
    {Target::Form, u"Title Color", u"5", kNo, kTextColor, kNo, u"0"},
    {Target::Form, u"Title Color", u"-1", kNo, kTextColor, kNo, u"0"},
    {Target::Form, u"Background Color", u"0", kYes, u"", kYes, u"0", kRender},
    {Target::Form, u"Background Color", u"5", kNo, kTextColor, kNo, u"1"},
    {Target::Form, u"Border Color", u"5", kYes, u"", kYes, u"5", kRender},
    {Target::Form, u"Border Color", u"6", kNo, kGraphicsColor, kNo, u"4"},
    {Target::Form, u"Border Color", u"-1", kNo, kGraphicsColor, kNo, u"4"},

    // Component rules, on a form 20 wide and 10 high.
    {Target::Button, u"Caption", u"Go", kYes, u"", kYes, u"Go", kRender},
    {Target::Button, u"Name", u"Button", kYes, u"", kYes, u"Button"},
    {Target::Button, u"Name", u"Buton2", kNo, u"Object name must begin with Button", kYes,
     u"Button2"},
    {Target::Button, u"Name", u"Button 2", kNo, u"Object name may not contain whitespace", kYes,
     u"Button2"},
    {Target::Text, u"Name", u"Txt", kNo, u"Object name must begin with Text", kYes, u"Text2"},
    {Target::Text, u"Name", u"TextTitle", kYes, u"", kYes, u"TextTitle"},
    {Target::GroupBox, u"Name", u"Grp", kNo, u"Object name must begin with Group", kYes, u"Group2"},
    {Target::Option, u"Name", u"Check1", kNo, u"Object name must begin with Option", kYes,
     u"Option2"},
    {Target::Check, u"Name", u"Option1", kNo, u"Object name must begin with Check", kYes,
     u"Check2"},
    {Target::BitmapComponent, u"Name", u"Bmp", kNo, u"Object name must begin with Bitmap", kYes,
     u"Bitmap1"},
    {Target::Number, u"Name", u"Num1", kNo, u"Object name must begin with Number", kYes,
     u"Number2"},
    {Target::Button, u"Top", u"0", kYes, u"", kYes, u"0", kRender},
    {Target::Button, u"Top", u"9", kYes, u"", kYes, u"9", kRender},
    {Target::Button, u"Top", u"10", kNo, kLimits, kYes, u"3"},
    {Target::Button, u"Top", u"-1", kNo, kLimits, kYes, u"3"},
    {Target::Number, u"Top", u"12", kNo, kLimits, kYes, u"10"},
    {Target::Button, u"Left", u"19", kYes, u"", kYes, u"19", kRender},
    {Target::Button, u"Left", u"20", kNo, kLimits, kYes, u"3"},
    {Target::Button, u"Left", u"-1", kNo, kLimits, kYes, u"3"},
    {Target::Text, u"Left", u"20", kNo, kLimits, kYes, u"5"},
    {Target::Button, u"Width", u"4", kYes, u"", kYes, u"4", kRender},
    {Target::Button, u"Width", u"3", kNo, kLimits, kYes, u"12"},
    {Target::Button, u"Width", u"19", kYes, u"", kYes, u"19", kRender},
    {Target::Button, u"Width", u"20", kNo, kLimits, kYes, u"12"},
    {Target::GroupBox, u"Width", u"20", kNo, kLimits, kYes, u"12"},
    {Target::Button, u"Height", u"5", kYes, u"", kYes, u"5", kRender},
    {Target::Button, u"Height", u"3", kNo, kLimits, kYes, u"4"},
    {Target::Button, u"Height", u"9", kYes, u"", kYes, u"9", kRender},
    {Target::Button, u"Height", u"10", kNo, kLimits, kYes, u"4"},
    // The caption "Button2" has seven characters.
    {Target::Button, u"Hot Key Index", u"7", kYes, u"", kYes, u"7", kRender},
    {Target::Button, u"Hot Key Index", u"8", kNo,
     u"Hot key index should be less than caption length!", kYes, u"0"},
    {Target::Button, u"Hot Key Index", u"-1", kNo, u"Hot key index may not be negative!", kYes,
     u"0"},
    {Target::Check, u"Hot Key Index", u"6", kYes, u"", kYes, u"6", kRender},
    {Target::Button, u"Text Color", u"4", kYes, u"", kYes, u"4", kRender},
    {Target::Button, u"Text Color", u"5", kNo, kTextColor, kNo, u"1"},
    {Target::Number, u"Text Color", u"-1", kNo, kTextColor, kNo, u"1"},
    {Target::Button, u"Border Color", u"5", kYes, u"", kYes, u"5", kRender},
    {Target::GroupBox, u"Border Color", u"6", kNo, kGraphicsColor, kNo, u"1"},
    {Target::BitmapComponent, u"Color", u"5", kYes, u"", kYes, u"5", kRender},
    {Target::BitmapComponent, u"Color", u"6", kNo,
     u"Bitmap color must be in the range from 0 to 5 (0..4 for 1-bit bitmaps)", kNo, u"4"},
    {Target::BitmapComponent, u"Color", u"-1", kNo,
     u"Bitmap color must be in the range from 0 to 5 (0..4 for 1-bit bitmaps)", kNo, u"4"},
    {Target::Option, u"Group", u"3", kYes, u"", kYes, u"3", kNone},
    {Target::Option, u"Group", u"255", kYes, u"", kYes, u"255", kNone},
    {Target::Option, u"Group", u"256", kNo, u"Group# must be in the range from 0 to 255", kNo,
     u"0"},
    {Target::Option, u"Group", u"-1", kNo, u"Group# must be in the range from 0 to 255", kNo, u"0"},
    {Target::BitmapComponent, u"Source", u"NoSuch", kNo, u"Bitmap does not exist:  NoSuch", kYes,
     u"BitmapData1"},
    {Target::BitmapComponent, u"Source", u"bitmapdata1", kNo,
     u"Bitmap does not exist:  bitmapdata1", kYes, u"BitmapData1"},
    {Target::Number, u"#Digits", u"1", kYes, u"", kYes, u"1", kRender},
    {Target::Number, u"#Digits", u"10", kYes, u"", kYes, u"10", kRender},
    {Target::Number, u"#Digits", u"0", kNo, u"#Digits must range from 1 to 10", kNo, u"2"},
    {Target::Number, u"#Digits", u"11", kNo, u"#Digits must range from 1 to 10", kNo, u"2"},
    {Target::Option, u"Value", u"True", kYes, u"", kYes, u"True", kRender},
    {Target::Check, u"Value", u"True", kYes, u"", kYes, u"True", kRender},
    {Target::Number, u"Init. Value", u"99", kYes, u"", kYes, u"99", kRender},
    {Target::Number, u"Init. Value", u"100", kNo,
     u"Initial value must be within specified minimum and maximum", kNo, u"0"},
    {Target::Number, u"Init. Value", u"-1", kNo,
     u"Initial value must be within specified minimum and maximum", kNo, u"0"},
    {Target::Number, u"Max. Value", u"1", kYes, u"", kYes, u"1", kNone},
    {Target::Number, u"Max. Value", u"0", kNo, u"Maximum value must be greater than minimum value",
     kNo, u"99"},
    {Target::Number, u"Max. Value", u"-1", kNo, u"Maximum value must be greater than minimum value",
     kNo, u"99"},
    {Target::Number, u"Min. Value", u"98", kYes, u"", kYes, u"98", kRender | Refresh::RefillGrid},
    {Target::Number, u"Min. Value", u"-5", kYes, u"", kYes, u"-5", kNone},
    {Target::Number, u"Min. Value", u"99", kNo, u"Minimum value must be less than maximum value",
     kNo, u"0"},
    {Target::Button, u"Handler", u"DoIt", kYes, u"", kYes, u"DoIt", kNone},
    {Target::Button, u"Handler", u"Do It", kNo, u"Function name may not contain whitespace", kYes,
     u""},
    {Target::Button, u"Handler", u"Do\tIt", kNo, u"Function name may not contain whitespace", kYes,
     u""},
};

std::string Describe(const Case& c) {
    std::string text = "target " + std::to_string(static_cast<int>(c.target)) + ", ";
    for (std::u16string_view part :
         {std::u16string_view(c.entry), std::u16string_view(u" = "), std::u16string_view(c.text)}) {
        for (char16_t ch : part) {
            text += ch < 0x80 ? static_cast<char>(ch) : '?';
        }
    }
    return text;
}

TEST(PropertyRules, EveryRuleChecksItsBoundsShowsItsMessageAndMarksAsSpecified) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(Describe(c));
        NewApplication app;
        Prepare(app.doc, c.target);
        const std::u16string before = Shown(app.doc, c.entry);

        const PropertyChangeResult result = ChangeProperty(app.doc, c.entry, c.text);

        EXPECT_EQ(result.outcome, c.accepted ? ChangeOutcome::Accepted : ChangeOutcome::Rejected);
        if (c.message.empty()) {
            EXPECT_TRUE(app.messages.shown.empty());
        } else {
            EXPECT_EQ(app.messages.shown, std::vector<std::u16string>{c.message});
        }
        EXPECT_EQ(app.doc.IsModified(), c.modified);
        EXPECT_EQ(Shown(app.doc, c.entry), c.shownAfter);
        if (c.accepted) {
            EXPECT_EQ(result.refresh, c.refresh);
        } else {
            // The entry goes back to what the model still holds, and nothing is redrawn.
            EXPECT_EQ(DisplayText(result.restoredValue), before);
            EXPECT_EQ(c.shownAfter, before);
            EXPECT_EQ(result.refresh, Refresh::None);
        }
    }
}

TEST(PropertyRules, ARejectedChangeLeavesTheWholeItemAsItWas) {
    NewApplication app;
    app.doc.SelectByName(u"Button1");
    const CLmComponent before = *app.doc.currentComponent;
    const std::u16string code = app.doc.customCode;
    for (const auto& [entry, text] :
         std::vector<std::pair<std::u16string, std::u16string>>{{u"Width", u"2"},
                                                                {u"Name", u"Knob1"},
                                                                {u"Handler", u"On Click"},
                                                                {u"Hot Key Index", u"99"},
                                                                {u"Border Color", u"9"}}) {
        EXPECT_EQ(ChangeProperty(app.doc, entry, text).outcome, ChangeOutcome::Rejected);
    }
    const CLmComponent& after = *app.doc.currentComponent;
    EXPECT_EQ(after.name, before.name);
    EXPECT_EQ(after.caption, before.caption);
    EXPECT_EQ(after.handler, before.handler);
    EXPECT_EQ(after.width, before.width);
    EXPECT_EQ(after.hotKeyIndex, before.hotKeyIndex);
    EXPECT_EQ(after.borderColor, before.borderColor);
    EXPECT_EQ(app.doc.customCode, code);
}

TEST(PropertyRules, ComponentSizeIsCheckedAgainstTheFormOnly) {
    // Height 4 passes on a form of height 5: only the size's own bound counts, not top + height.
    NewApplication app;
    app.doc.SelectByName(u"Button1");
    app.doc.currentForm->height = 5;
    app.doc.currentComponent->top = 3;
    EXPECT_EQ(ChangeProperty(app.doc, u"Height", u"5").outcome, ChangeOutcome::Rejected);
    app.doc.currentComponent->height = 7;
    EXPECT_EQ(ChangeProperty(app.doc, u"Height", u"4").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(app.doc.currentComponent->height, 4);

    // The form's position and size are each tested against the screen alone.
    app.doc.SelectByName(u"Form1");
    EXPECT_EQ(ChangeProperty(app.doc, u"Top", u"40").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(ChangeProperty(app.doc, u"Height", u"47").outcome, ChangeOutcome::Accepted);
    // A caption longer than the form, and components outside it, are not looked at.
    EXPECT_EQ(ChangeProperty(app.doc, u"Width", u"2").outcome, ChangeOutcome::Accepted);
}

TEST(PropertyRules, TheHotKeyBoundIsTheCaptionLength) {
    NewApplication app;
    app.doc.SelectByName(u"Button1");  // caption "OK"
    EXPECT_EQ(ChangeProperty(app.doc, u"Hot Key Index", u"3").outcome, ChangeOutcome::Rejected);
    EXPECT_EQ(ChangeProperty(app.doc, u"Hot Key Index", u"2").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(app.doc.currentComponent->hotKeyIndex, 2);
    // A shorter caption does not test the index again.
    EXPECT_EQ(ChangeProperty(app.doc, u"Caption", u"X").outcome, ChangeOutcome::Accepted);
    EXPECT_EQ(app.doc.currentComponent->hotKeyIndex, 2);
    // Characters are UTF-16 code units, as the model stores them.
    ChangeProperty(app.doc, u"Caption", u"\u00C4\u00D6");
    EXPECT_EQ(ChangeProperty(app.doc, u"Hot Key Index", u"1").outcome, ChangeOutcome::Accepted);
}

}  // namespace
}  // namespace lumora
