#include "designer/command_state.h"

#include <gtest/gtest.h>

#include "designer/command_ids.h"
#include "model/document.h"
#include "model/new_application.h"

namespace lumora {
namespace {

TEST(FrameCommandState, TogglesFollowVisibilityAndStyleIsARadio) {
    FrameStatus frame;
    frame.outputVisible = false;
    frame.applicationLook = 217;
    EXPECT_EQ(FrameCommandState(cmd::kViewOutput, frame), (CommandState{true, false}));
    EXPECT_EQ(FrameCommandState(cmd::kViewProperties, frame), (CommandState{true, true}));
    frame.captionBarVisible = false;
    EXPECT_EQ(FrameCommandState(cmd::kViewCaptionBar, frame), (CommandState{true, false}));
    for (int id = cmd::kLookFirst; id <= cmd::kLookLast; ++id) {
        EXPECT_EQ(FrameCommandState(id, frame)->checked, id == 217) << id;
    }
    EXPECT_FALSE(FrameCommandState(cmd::kAddButton, frame));
}

TEST(ViewCommandState, FormCommandsNeedACurrentForm) {
    CLumoraDoc doc;
    StartNewApplication(doc);
    const int formOnly[] = {180, 181, 182, 183, 184, 185, 186, cmd::kEditCut, cmd::kViewFormsHalf};
    const int always[] = {cmd::kAddForm, cmd::kAddBitmap,   cmd::kSettings,
                          cmd::kColors,  cmd::kHandlerCode, cmd::kObjects};
    for (int id : formOnly) {
        EXPECT_TRUE(ViewCommandState(id, doc, false)->enabled) << id;
    }
    EXPECT_TRUE(ViewCommandState(cmd::kViewFormsHalf, doc, true)->checked);
    EXPECT_FALSE(ViewCommandState(cmd::kViewFormsHalf, doc, false)->checked);

    doc.SelectByName(u"BitmapData1");
    ASSERT_EQ(doc.currentForm, nullptr);
    for (int id : formOnly) {
        EXPECT_FALSE(ViewCommandState(id, doc, false)->enabled) << id;
    }
    for (int id : always) {
        EXPECT_TRUE(ViewCommandState(id, doc, false)->enabled) << id;
    }
    EXPECT_FALSE(ViewCommandState(cmd::kFileNew, doc, false));
}

}  // namespace
}  // namespace lumora
