#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "codegen/form_records.h"
#include "model/records.h"
#include "model/text_encoding.h"

namespace lumora {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

CLmComponent& AddTo(CLmForm& form, std::int32_t type, std::u16string name) {
    form.components.push_back(std::make_unique<CLmComponent>());
    CLmComponent& c = *form.components.back();
    c.type = type;
    c.name = std::move(name);
    return c;
}

std::string FormText(const CLmForm& form) {
    std::u16string out;
    AppendFormData(out, form);
    return ToUtf8(out);
}

std::string ComponentText(const CLmComponent& component) {
    std::u16string out;
    AppendComponentRecord(out, component);
    return ToUtf8(out);
}

TEST(FormData, FormWithoutComponentsEndsAfterTwoEmptyLines) {
    CLmForm form;
    form.name = u"Main";
    form.caption = u"Hello World";
    form.top = 3;
    form.left = 4;
    form.height = 20;
    form.width = 30;
    form.titleColor = 2;
    form.borderColor = 5;
    form.backgroundColor = 3;
    EXPECT_EQ(FormText(form), Lines({
                                  "DAT   'Form Data: Main",
                                  "sTitleMain  byte \"Hello World\",0",
                                  "Main  word",
                                  "     byte 3 'top",
                                  "     byte 4 'left",
                                  "     byte 20 'height",
                                  "     byte 30 'width",
                                  "     word @sTitleMain",
                                  "     byte 2 'title color",
                                  "     byte 15 'border color",
                                  "     byte 3 'text color",
                                  "     byte 0 'number of form objects",
                                  "",
                                  "",
                              }));
}

TEST(FormData, ListsComponentsInOrderThenTheirRecords) {
    CLmForm form;
    form.name = u"F";
    form.caption = u"";
    form.top = 0;
    form.left = 1;
    form.height = 2;
    form.width = 3;
    form.borderColor = 0;
    CLmComponent& ok = AddTo(form, 1, u"OkButton");
    ok.top = 1;
    ok.left = 2;
    ok.height = 4;
    ok.width = 6;
    ok.textColor = 1;
    ok.hotKeyIndex = 1;
    ok.borderColor = 4;
    ok.caption = u"OK";
    CLmComponent& label = AddTo(form, 2, u"Label");
    label.top = 7;
    label.left = 8;
    label.height = 2;
    label.width = 5;
    label.textColor = 4;
    label.caption = u"Hi \"x\"";
    EXPECT_EQ(FormText(form), Lines({
                                  "DAT   'Form Data: F",
                                  "sTitleF  byte 0",
                                  "F  word",
                                  "     byte 0 'top",
                                  "     byte 1 'left",
                                  "     byte 2 'height",
                                  "     byte 3 'width",
                                  "     word @sTitleF",
                                  "     byte 0 'title color",
                                  "     byte 10 'border color",
                                  "     byte 1 'text color",
                                  "     byte 2 'number of form objects",
                                  "     word @OkButton  'address of form object#1",
                                  "     word @Label  'address of form object#2",
                                  "",
                                  "",
                                  "OkButton byte",
                                  "     byte 1 'Object Type",
                                  "     byte 1 'Top",
                                  "     byte 2 'Left",
                                  "     byte 4 'Height",
                                  "     byte 6 'Width",
                                  "     byte 1 'Text Color",
                                  "     byte 1 'Hot Key (0 for none)",
                                  "     byte 14 'Border color",
                                  "     byte \"OK\",0",
                                  "",
                                  "",
                                  "Label byte",
                                  "     byte 2 'Object Type",
                                  "     byte 7 'Top",
                                  "     byte 8 'Left",
                                  "     byte 2 'Height",
                                  "     byte 5 'Width",
                                  "     byte 4 'Text Color",
                                  "     byte \"Hi \",34,\"x\",34,0",
                                  "",
                                  "",
                              }));
}

TEST(ComponentRecord, GroupOptionAndCheckCarryTheirTypeBytesBeforeTheCaption) {
    CLmForm form;
    CLmComponent& group = AddTo(form, 3, u"Grp");
    group.top = 5;
    group.left = 4;
    group.height = 14;
    group.width = 25;
    group.textColor = 1;
    group.borderColor = 1;
    group.hotKeyIndex = 9;  // not part of a group box record
    group.caption = u"Welcome";
    EXPECT_EQ(ComponentText(group), Lines({
                                        "Grp byte",
                                        "     byte 3 'Object Type",
                                        "     byte 5 'Top",
                                        "     byte 4 'Left",
                                        "     byte 14 'Height",
                                        "     byte 25 'Width",
                                        "     byte 1 'Text Color",
                                        "     byte 11 'Border color",
                                        "     byte \"Welcome\",0",
                                    }));

    CLmComponent& option = AddTo(form, 4, u"Opt");
    option.top = 13;
    option.left = 7;
    option.height = 2;
    option.width = 8;
    option.textColor = 2;
    option.hotKeyIndex = 2;
    option.value = 1;
    option.group = 7;
    option.caption = u"A\r\nB";
    EXPECT_EQ(ComponentText(option), Lines({
                                         "Opt byte",
                                         "     byte 4 'Object Type",
                                         "     byte 13 'Top",
                                         "     byte 7 'Left",
                                         "     byte 2 'Height",
                                         "     byte 8 'Width",
                                         "     byte 2 'Text Color",
                                         "     byte 2 'Hot Key (0 for none)",
                                         "     byte 1 'Value",
                                         "     byte 7 'Group",
                                         "     byte \"A\",13,10,\"B\",0",
                                     }));

    CLmComponent& check = AddTo(form, 5, u"Chk");
    check.top = 16;
    check.left = 7;
    check.height = 2;
    check.width = 18;
    check.textColor = 0;
    check.value = 0;
    check.group = 3;  // not part of a check box record
    check.caption = u"Test Check Box";
    EXPECT_EQ(ComponentText(check), Lines({
                                        "Chk byte",
                                        "     byte 5 'Object Type",
                                        "     byte 16 'Top",
                                        "     byte 7 'Left",
                                        "     byte 2 'Height",
                                        "     byte 18 'Width",
                                        "     byte 0 'Text Color",
                                        "     byte 0 'Hot Key (0 for none)",
                                        "     byte 0 'Value",
                                        "     byte \"Test Check Box\",0",
                                    }));
}

TEST(ComponentRecord, BitmapIsWordAlignedWithFixedDepthAndReservedBytes) {
    CLmForm form;
    CLmComponent& pic = AddTo(form, 6, u"Pic");
    pic.top = 2;
    pic.left = 3;
    pic.height = 2;
    pic.width = 4;
    pic.textColor = 5;
    pic.caption = u"BitmapData7";
    pic.hotKeyIndex = 4;
    pic.value = 2;
    EXPECT_EQ(ComponentText(pic), Lines({
                                      "Pic word",
                                      "     byte 6 'Object Type",
                                      "     byte 2 'Top",
                                      "     byte 3 'Left",
                                      "     byte 2 'Height",
                                      "     byte 4 'Width",
                                      "     byte 5 'Text Color",
                                      "     byte 1 'Bit Depth",
                                      "     byte 0 'Reserved",
                                      "     word @BitmapData7  'Address of bitmap bits",
                                  }));
}

TEST(ComponentRecord, NumberEditIsLongAlignedWithSignedValues) {
    CLmForm form;
    CLmComponent& number = AddTo(form, 7, u"Num");
    number.top = 9;
    number.left = 37;
    number.height = 6;
    number.width = 4;
    number.textColor = 1;
    number.hotKeyIndex = 3;
    number.group = 9;
    number.value = -5;
    number.maxValue = 2147483647;
    number.minValue = -2147483647 - 1;
    number.caption = u"ignored";
    EXPECT_EQ(ComponentText(number), Lines({
                                         "Num long",
                                         "     byte 7 'Object Type",
                                         "     byte 9 'Top",
                                         "     byte 37 'Left",
                                         "     byte 6 'Height",
                                         "     byte 4 'Width",
                                         "     byte 1 'Text Color",
                                         "     byte 3 'reserved ",
                                         "     byte 9 'reserved ",
                                         "     long -5 'value",
                                         "     long 2147483647 'max. value",
                                         "     long -2147483648 'min. value",
                                     }));
}

TEST(ComponentRecord, ValuesAreWrittenAsTheyStand) {
    CLmForm form;
    CLmComponent& odd = AddTo(form, 1, u"B");
    odd.top = -1;
    odd.width = 300;
    odd.hotKeyIndex = -2;
    odd.borderColor = -10;
    odd.caption = u"x";
    EXPECT_EQ(ComponentText(odd), Lines({
                                      "B byte",
                                      "     byte 1 'Object Type",
                                      "     byte -1 'Top",
                                      "     byte 0 'Left",
                                      "     byte 0 'Height",
                                      "     byte 300 'Width",
                                      "     byte 0 'Text Color",
                                      "     byte -2 'Hot Key (0 for none)",
                                      "     byte 0 'Border color",
                                      "     byte \"x\",0",
                                  }));

    // Only a damaged file holds an unknown type: the common bytes alone, nothing invented.
    CLmComponent& unknown = AddTo(form, 12, u"U");
    unknown.caption = u"never written";
    EXPECT_EQ(ComponentText(unknown), Lines({
                                          "U byte",
                                          "     byte 12 'Object Type",
                                          "     byte 0 'Top",
                                          "     byte 0 'Left",
                                          "     byte 0 'Height",
                                          "     byte 0 'Width",
                                          "     byte 0 'Text Color",
                                      }));
}

}  // namespace
}  // namespace lumora
