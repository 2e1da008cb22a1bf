#include "designer/ctrl_keys.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(CtrlKeysTest, NativeKeyInformationTellsTheSides) {
    struct Case {
        std::uint32_t virtualKey, scanCode;
        CtrlSide side;
    } cases[] = {
        {0xFFE3, 37, CtrlSide::Left}, {0xFFE4, 105, CtrlSide::Right},  // X11 keysyms
        {0x11, 0x1D, CtrlSide::Left}, {0x11, 0x11D, CtrlSide::Right},  // Windows scan codes
        {0xA2, 0, CtrlSide::Left},    {0xA3, 0, CtrlSide::Right},      // Windows L/R keys
        {0x3B, 0, CtrlSide::Left},    {0x3E, 0, CtrlSide::Right},      // macOS
        {0, 0, CtrlSide::Unknown},    {0x11, 0, CtrlSide::Unknown},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyCtrlKey(c.virtualKey, c.scanCode), c.side) << c.virtualKey;
    }
}

TEST(CtrlKeysTest, OnlyTheLeftCtrlCountsWhereTheSidesAreKnown) {
    LeftCtrlTracker tracker;
    tracker.Pressed(CtrlSide::Right);
    EXPECT_FALSE(tracker.LeftCtrlDown(true));
    tracker.Pressed(CtrlSide::Left);
    EXPECT_TRUE(tracker.LeftCtrlDown(true));
    tracker.Released(CtrlSide::Left);
    EXPECT_FALSE(tracker.LeftCtrlDown(true));  // the right one is still held
    tracker.Released(CtrlSide::Right);
    EXPECT_FALSE(tracker.LeftCtrlDown(false));
}

TEST(CtrlKeysTest, FallsBackToAnyCtrlWhereThePlatformCannotTell) {
    LeftCtrlTracker tracker;
    EXPECT_TRUE(tracker.LeftCtrlDown(true));  // pressed before the view had the focus
    tracker.Pressed(CtrlSide::Unknown);
    EXPECT_TRUE(tracker.LeftCtrlDown(true));
    EXPECT_FALSE(tracker.LeftCtrlDown(false));
}

TEST(CtrlKeysTest, AReleaseMissedElsewhereDoesNotStickTheKey) {
    LeftCtrlTracker tracker;
    tracker.Pressed(CtrlSide::Right);
    EXPECT_FALSE(tracker.LeftCtrlDown(false));  // released while another window had the focus
    EXPECT_TRUE(tracker.LeftCtrlDown(true));    // then a Ctrl held that we never saw pressed
}

}  // namespace
}  // namespace lumora
