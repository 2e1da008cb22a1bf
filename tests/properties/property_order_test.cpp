#include <gtest/gtest.h>

#include "properties/property_order.h"
#include "property_test_support.h"

namespace lumora {
namespace {

using testing::NewApplication;

std::vector<std::u16string> Names(const std::vector<const PropertyEntry*>& entries) {
    std::vector<std::u16string> names;
    for (const PropertyEntry* entry : entries) {
        names.push_back(entry->name);
    }
    return names;
}

TEST(PropertyOrder, AlphabeticalOrderMergesBothGroupsIgnoringCase) {
    NewApplication app;
    app.doc.SelectByName(u"Form1");
    app.doc.AddComponent(AddTool::NumberEdit);
    const PropertySet set = BuildPropertySet(app.doc);
    EXPECT_EQ(
        Names(AlphabeticalEntries(set)),
        (std::vector<std::u16string>{u"#Digits", u"Init. Value", u"Left", u"Max. Value",
                                     u"Min. Value", u"Name", u"Text Color", u"Top", u"Type"}));

    PropertySet mixed;
    mixed.groups = {{u"Details", {{u"beta", 1, u"", false, {}}, {u"Alpha", 2, u"", false, {}}}},
                    {u"Appearance", {{u"alpha", 3, u"", false, {}}}}};
    const auto entries = AlphabeticalEntries(mixed);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0]->name, u"Alpha");
    EXPECT_EQ(entries[1]->name, u"alpha");
    EXPECT_EQ(entries[2]->name, u"beta");
    EXPECT_TRUE(AlphabeticalEntries(PropertySet{}).empty());
}

}  // namespace
}  // namespace lumora
