#include <QTabBar>
#include <QToolButton>

#include "frame_fixture.h"
#include "shell/ribbon_bar.h"
#include "shell/ribbon_panel.h"

namespace lumora::testing {
namespace {

using namespace lumora::cmd;

struct Expected {
    int id;
    const char* caption;
    const char* toolTip;  // nullptr: not fixed
    const char* statusTip;
};

// Every command of the main frame, its ribbon or menu caption, its tool tip and its prompt.
const Expected kCommands[] = {
    {57600, "&New", nullptr, nullptr},
    {57601, "&Open...", nullptr, nullptr},
    {57603, "&Save", nullptr, nullptr},
    {57604, "Save &As...", nullptr, nullptr},
    {57607, "Print", nullptr, nullptr},
    {57608, "&Quick Print", nullptr, nullptr},
    {57609, "Print Pre&view", nullptr, nullptr},
    {57606, "Print Set&up", nullptr, nullptr},
    {57602, "&Close", nullptr, nullptr},
    {57665, "E&xit", nullptr, nullptr},
    {57664, "&About", nullptr, nullptr},
    {57637, "Paste", nullptr, nullptr},
    {57635, "Cut", nullptr, nullptr},
    {57634, "Copy", nullptr, nullptr},
    {57642, "Select All", nullptr, nullptr},
    {57643, "&Undo", nullptr, nullptr},
    {59393, "Status Bar", nullptr, nullptr},
    {221, "Caption Bar", "Toggle Caption Bar", "Show or hide the caption bar"},
    {104, "Properties", "Toggle Properties Window", "Show or hide the properties window"},
    {105, "Object Tree", "Toggle Object Tree Window", "Show or hide the object tree window"},
    {107, "Output", "Toggle Output Window", "Show or hide the output window"},
    {32786, "Forms 50%", nullptr, nullptr},
    {190, "Add Form", "Add Form to Application", "Add Form to Application"},
    {191, "Add Bitmap", "Add New Bitmap to Application", "Add Bitmap to Application"},
    {192, "Settings", "View/Change Application Settings", "Application Settings"},
    {32782, "Colors", "View/Change Application Colors", nullptr},
    {32791, "Handler Code", "View/Edit Custom Event Handler Spin Code", nullptr},
    {32793, "Objects", "Add/Edit/Remove Application Objects", nullptr},
    {180, "Button", "Create New Button and Add to Form", "Add a button object to a form"},
    {181, "Text", "Create New Text and Add to Form", "Add a text object to a form"},
    {182, "Bitmap", "Add Existing Bitmap to Form", "Add a bitmap object to a from"},
    {184, "Group Box", "Create New Group Box and Add to Form", "Add group object to form"},
    {183, "Option Button", "Create New Option Button and Add to Form", "Add option button to form"},
    {185, "Check Box", "Create New Check Box and Add to Form", "Add a check box object"},
    {186, "Number Edit", "Create New Number Edit and Add to Form", "Add number edit to form"},
    {32784, "Build App", "Generate App Spin Source Code", nullptr},
    {210, "Windows &2000", nullptr, nullptr},
    {211, "Office &XP", nullptr, nullptr},
    {212, "&Windows XP", nullptr, nullptr},
    {213, "Office 200&3", nullptr, nullptr},
    {214, "Visual Studio.NET 200&5", nullptr, nullptr},
    {215, "Office 2007 (&Blue Style)", nullptr, nullptr},
    {216, "Office 2007 (B&lack Style)", nullptr, nullptr},
    {217, "Office 2007 (&Silver Style)", nullptr, nullptr},
    {218, "Office 2007 (&Aqua Style)", nullptr, nullptr},
};

TEST_F(FrameTest, TableHoldsEveryCommandWithItsTexts) {
    for (const Expected& e : kCommands) {
        QAction* action = command(e.id);
        ASSERT_NE(action, nullptr) << e.id;
        EXPECT_EQ(action->text(), QString::fromUtf8(e.caption)) << e.id;
        EXPECT_FALSE(action->toolTip().isEmpty()) << e.id;
        if (e.toolTip != nullptr) {
            EXPECT_EQ(action->toolTip(), QString::fromUtf8(e.toolTip)) << e.id;
        }
        if (e.statusTip != nullptr) {
            EXPECT_EQ(action->statusTip(), QString::fromUtf8(e.statusTip)) << e.id;
        }
    }
}

TEST_F(FrameTest, AcceleratorsReachTheirCommands) {
    const struct {
        const char* keys;
        int id;
    } cases[] = {
        {"Ctrl+N", 57600}, {"Ctrl+O", 57601},        {"Ctrl+S", 57603}, {"Ctrl+P", 57607},
        {"Ctrl+Z", 57643}, {"Alt+Backspace", 57643}, {"Ctrl+X", 57635}, {"Shift+Del", 57635},
        {"Ctrl+C", 57634}, {"Ctrl+Ins", 57634},      {"Ctrl+V", 57637}, {"Shift+Ins", 57637},
        {"F6", kNextPane}, {"Shift+F6", kPrevPane},  {"F1", kHelp},     {"Shift+F1", kContextHelp}};
    for (const auto& c : cases) {
        const QKeySequence keys = QKeySequence::fromString(c.keys);
        EXPECT_TRUE(command(c.id)->shortcuts().contains(keys)) << c.keys;
    }
    // Typed as a user types it: Ctrl+N on an unmodified document gives a new one at once.
    doc().AddForm();
    doc().SetModifiedFlag(false);
    QApplication::setActiveWindow(&frame());
    QTest::keyClick(&frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(doc().forms.size(), 1u);
}

TEST_F(FrameTest, CommandsWithoutAHandlerAreDisabledUntilOneIsAttached) {
    // Handled by the designer view, printing and the clipboard, still to come.
    for (int id : {180, 186, 190, 32786, 32791, 32793, 57635, 57634, 57637, 57642, 57643, 57606,
                   57607, 57608, 57609}) {
        EXPECT_FALSE(command(id)->isEnabled()) << id;
        EXPECT_FALSE(frame().Commands().HasHandler(id)) << id;
    }
    int runs = 0;
    bool formCurrent = true;
    frame().Commands().SetHandler(
        180, [&runs] { ++runs; },
        [&formCurrent] {
            return CommandState{formCurrent, false};
        });
    EXPECT_TRUE(command(180)->isEnabled());
    command(180)->trigger();
    EXPECT_EQ(runs, 1);
    formCurrent = false;
    frame().Commands().UpdateAll();
    EXPECT_FALSE(command(180)->isEnabled());
    command(180)->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(FrameTest, RibbonShowsTheTableActionsWithIcons) {
    shell::RibbonBar& ribbon = frame().Ribbon();
    QStringList titles;
    for (shell::RibbonPanel* panel : ribbon.Panels()) {
        titles.append(panel->Title());
    }
    EXPECT_EQ(titles, (QStringList{"Clipboard", "View", "Application", "Add to Form", "Build"}));
    for (int id : {57637, 57635, 57634, 57642, 190, 191, 192, 32782, 32791, 32793, 180, 181, 182,
                   183, 184, 185, 186, 32784}) {
        auto* button = qobject_cast<QToolButton*>(ribbon.ElementFor(id));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->defaultAction(), command(id)) << id;
        EXPECT_FALSE(button->icon().isNull()) << id;
        EXPECT_FALSE(button->icon().pixmap(32, 32).isNull()) << id;
    }
    QList<QAction*> quick;
    for (QToolButton* button : ribbon.QuickAccess()) {
        quick.append(button->defaultAction());
        EXPECT_FALSE(button->icon().pixmap(16, 16).isNull());
    }
    EXPECT_EQ(quick,
              (QList<QAction*>{command(57600), command(57601), command(57603), command(57608)}));
    EXPECT_EQ(ribbon.ApplicationButton()->toolTip(), "File");
    EXPECT_EQ(ribbon.AboutButton()->defaultAction(), command(57664));
    EXPECT_EQ(ribbon.Tabs()->tabText(0), "&Home");
    EXPECT_TRUE(ribbon.StyleButton()->toolTip().contains("Modify Visual Style"));
    EXPECT_TRUE(ribbon.StyleButton()->toolTip().contains("Choose one of the Office 2007 themes"));
}

}  // namespace
}  // namespace lumora::testing
