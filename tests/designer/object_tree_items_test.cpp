#include "designer/object_tree_items.h"

#include <gtest/gtest.h>

#include "designer/tree_selection.h"
#include "model/document.h"
#include "model/new_application.h"

namespace lumora {
namespace {

using K = TreeItemKind;

class ObjectTreeItemsTest : public ::testing::Test {
  protected:
    void SetUp() override { StartNewApplication(doc); }
    CLumoraDoc doc;
};

TEST_F(ObjectTreeItemsTest, NewApplicationListsFormComponentsAndBitmap) {
    const std::vector<ObjectTreeItem> expected = {
        {u"Untitled Objects", K::Application, -1, false},
        {u"Form1", K::Form, 0, false},
        {u"Button1", K::Component, 1, false},
        {u"Group1", K::Component, 1, false},
        {u"Text1", K::Component, 1, false},
        {u"Option1", K::Component, 1, false},
        {u"Check1", K::Component, 1, false},
        {u"Number1", K::Component, 1, true},
        {u"BitmapData1", K::Bitmap, 0, false},
    };
    EXPECT_EQ(ObjectTreeItems(doc), expected);
}

TEST_F(ObjectTreeItemsTest, FormsComeBeforeBitmapsAndTheCurrentItemIsShown) {
    doc.AddForm();  // Form2, current with no component
    doc.AddBitmap(2, 1, 1);
    const auto items = ObjectTreeItems(doc);
    ASSERT_EQ(items.size(), 11u);
    EXPECT_EQ(items[8].text, u"Form2");
    EXPECT_EQ(items[8].parent, 0);
    EXPECT_TRUE(items[8].makeVisible);
    EXPECT_EQ(items[9].text, u"BitmapData1");
    EXPECT_EQ(items[10].text, u"BitmapData2");
    // A bitmap is shown only while no form is current.
    EXPECT_FALSE(items[10].makeVisible);
    doc.SelectByName(u"BitmapData2");
    EXPECT_TRUE(ObjectTreeItems(doc)[10].makeVisible);
}

TEST_F(ObjectTreeItemsTest, ImageStripPositions) {
    EXPECT_EQ(TreeImageIndex(K::Application), 0);
    EXPECT_EQ(TreeImageIndex(K::Form), 1);
    EXPECT_EQ(TreeImageIndex(K::Component), 5);
    EXPECT_EQ(TreeImageIndex(K::Bitmap), 7);
}

TEST_F(ObjectTreeItemsTest, TreeSelectionSelectsByNameAndAsksForTheRightRefresh) {
    Refresh r = HandleTreeSelection(doc, u"BitmapData1");
    EXPECT_EQ(doc.currentForm, nullptr);
    EXPECT_EQ(doc.currentBitmap, doc.bitmaps[0].get());
    EXPECT_TRUE(Includes(r, Refresh::Repaint));
    EXPECT_TRUE(Includes(r, Refresh::RefillGrid));
    EXPECT_FALSE(Includes(r, Refresh::Render));

    r = HandleTreeSelection(doc, u"Form1");
    EXPECT_EQ(doc.currentForm, doc.forms[0].get());
    EXPECT_EQ(doc.currentComponent, nullptr);
    EXPECT_TRUE(Includes(r, Refresh::Render));

    HandleTreeSelection(doc, u"Text1");
    const CLmComponent* text = doc.currentComponent;
    HandleTreeSelection(doc, u"Untitled Objects");
    EXPECT_EQ(doc.currentComponent, text);
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace lumora
