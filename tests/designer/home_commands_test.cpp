#include "designer/home_commands.h"

#include <gtest/gtest.h>

#include "designer_test_support.h"
#include "model/component_type.h"

namespace lumora {
namespace {

using testing::DesignerDocument;

class HomeCommandsTest : public ::testing::Test, protected DesignerDocument {};

TEST_F(HomeCommandsTest, AddCommandsAddTheirTypeInRibbonOrder) {
    const ComponentType expected[] = {ComponentType::Button,    ComponentType::Text,
                                      ComponentType::Bitmap,    ComponentType::OptionButton,
                                      ComponentType::GroupBox,  ComponentType::CheckBox,
                                      ComponentType::NumberEdit};
    for (int id = 180; id <= 186; ++id) {
        const std::size_t count = Form1().components.size();
        const ViewResponse response = AddComponentCommand(doc, id);
        ASSERT_EQ(Form1().components.size(), count + 1) << id;
        EXPECT_EQ(Form1().components.back()->type, static_cast<int>(expected[id - 180]));
        EXPECT_EQ(doc.currentComponent, Form1().components.back().get());
        EXPECT_EQ(response.refresh, Refresh::Render | Refresh::RefillGrid);
        EXPECT_TRUE(response.focusView);
    }
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(tree.rebuilds, 7);
}

TEST_F(HomeCommandsTest, AddAndCutNeedAForm) {
    doc.SelectByName(u"BitmapData1");
    for (int id = 180; id <= 186; ++id) {
        EXPECT_EQ(AddComponentCommand(doc, id).refresh, Refresh::None);
    }
    EXPECT_EQ(CutCommand(doc).refresh, Refresh::None);
    EXPECT_EQ(AddComponentCommand(doc, 187).refresh, Refresh::None);
    EXPECT_EQ(doc.bitmaps.size(), 1u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(HomeCommandsTest, CutDeletesTheComponentThenRefusesTheMainForm) {
    doc.currentComponent = &Named(u"Button1");
    EXPECT_EQ(CutCommand(doc).refresh, Refresh::RefillGrid | Refresh::Render);
    EXPECT_EQ(Form1().components.size(), 5u);
    CutCommand(doc);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], u"Cannot delete the main form");
}

TEST_F(HomeCommandsTest, AddFormShowsTheNewFormAndItsExtent) {
    doc.SelectByName(u"BitmapData1");
    const ViewResponse response = AddFormCommand(doc);
    EXPECT_EQ(response.refresh, Refresh::RefillGrid | Refresh::Render);
    ASSERT_EQ(doc.forms.size(), 2u);
    EXPECT_EQ(doc.currentForm, doc.forms[1].get());
    EXPECT_EQ(ContentExtent(doc), (ViewExtent{1024, 768}));
}

TEST_F(HomeCommandsTest, SettingsAndColorsRenderOnlyWithAForm) {
    EXPECT_EQ(AfterSettingsOrColors(doc).refresh, Refresh::Render);
    doc.SelectByName(u"BitmapData1");
    EXPECT_EQ(AfterSettingsOrColors(doc).refresh, Refresh::Repaint);
}

TEST_F(HomeCommandsTest, HalfSizeTogglesOnEachUse) {
    ViewState state;
    EXPECT_EQ(ToggleHalfSize(state).refresh, Refresh::Repaint);
    EXPECT_TRUE(state.zoomHalf);
    ToggleHalfSize(state);
    EXPECT_FALSE(state.zoomHalf);
}

TEST_F(HomeCommandsTest, HandlerCodeExpandsTabsAfterOneMessage) {
    HandlerCodeAccepted(doc, u"PUB A\r\n\tx := 1\r\n\t\ty := 2\r\n");
    EXPECT_EQ(doc.customCode, u"PUB A\r\n     x := 1\r\n          y := 2\r\n");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    HandlerCodeAccepted(doc, doc.customCode);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace lumora
