#include "designer/command_catalog.h"

#include <gtest/gtest.h>

#include <set>

#include "designer/application_look.h"
#include "designer/command_ids.h"
#include "designer/frame_texts.h"

namespace lumora {
namespace {

TEST(CommandCatalog, IdsAreUniqueAndFindable) {
    std::set<int> seen;
    for (const CommandInfo& info : CommandCatalog()) {
        EXPECT_TRUE(seen.insert(info.id).second) << info.id;
        EXPECT_EQ(FindCommand(info.id), &info);
    }
    EXPECT_EQ(FindCommand(12345), nullptr);
}

TEST(CommandCatalog, RibbonTextsAreTheProgramsOwn) {
    struct Case {
        int id;
        std::u16string_view caption;
        std::u16string_view toolTip;
        std::u16string_view statusTip;
    };
    const Case cases[] = {
        {104, u"Properties", u"Toggle Properties Window", u"Show or hide the properties window"},
        {221, u"Caption Bar", u"Toggle Caption Bar", u"Show or hide the caption bar"},
        {182, u"Bitmap", u"Add Existing Bitmap to Form", u"Add a bitmap object to a from"},
        {191, u"Add Bitmap", u"Add New Bitmap to Application", u"Add Bitmap to Application"},
        {32784, u"Build App", u"Generate App Spin Source Code", u"Generate App Spin Source Code"},
        {57609, u"Print Pre&view", u"Print Preview", u"Display full pages"},
        {216, u"Office 2007 (B&lack Style)", u"", u"Activate the Office 2007 black look"},
    };
    for (const Case& c : cases) {
        const CommandInfo* info = FindCommand(c.id);
        ASSERT_NE(info, nullptr) << c.id;
        EXPECT_EQ(info->caption, c.caption) << c.id;
        EXPECT_EQ(info->toolTip, c.toolTip) << c.id;
        EXPECT_EQ(info->statusTip, c.statusTip) << c.id;
    }
}

TEST(CommandCatalog, StripMnemonicKeepsDoubledAmpersands) {
    EXPECT_EQ(StripMnemonic(u"Save &As..."), u"Save As...");
    EXPECT_EQ(StripMnemonic(u"Tom && Jerry"), u"Tom & Jerry");
    EXPECT_EQ(StripMnemonic(u"trailing&"), u"trailing&");
}

TEST(ApplicationLook, StoredValuesOutsideTheStylesFallBack) {
    EXPECT_EQ(ValidApplicationLook(210), 210);
    EXPECT_EQ(ValidApplicationLook(218), 218);
    for (long long bad : {0LL, 209LL, 219LL, -215LL, 1LL << 40}) {
        EXPECT_EQ(ValidApplicationLook(bad), kDefaultApplicationLook) << bad;
    }
}

TEST(FrameTexts, PromptTitleAndRecentEntries) {
    EXPECT_EQ(SaveChangesPrompt(u"Untitled"), u"Save changes to Untitled?");
    EXPECT_EQ(FrameTitle(u"Demo.lmd"), u"Demo.lmd - Lumora");
    EXPECT_EQ(RecentFileMenuText(0, "/home/u/Demo.lmd"), u"&1 Demo.lmd");
    EXPECT_EQ(RecentFileMenuText(9, "/x/R&D.lmd"), u"1&0 R&&D.lmd");
}

}  // namespace
}  // namespace lumora
