#include <QDockWidget>
#include <QListWidget>
#include <QMenu>

#include "frame_fixture.h"
#include "shell/output_pane.h"

namespace lumora::testing {
namespace {

using namespace lumora::cmd;

TEST_F(FrameTest, OutputStartsWithItsLineAndBuildReplacesIt) {
    shell::OutputPane& output = frame().Output();
    EXPECT_EQ(output.Lines(), QStringList{"Build output is being displayed here."});
    std::u16string opened;
    frame().SetBuildDialogOpener([&opened](const std::u16string& source) { opened = source; });
    Trigger(kBuildApp);
    EXPECT_EQ(output.Lines(), QStringList{"Untitled.spin successfully created."});
    EXPECT_NE(opened.find(u"Form1"), std::u16string::npos);
    // Without a dialog to open the generated text goes no further, and Build still reports.
    frame().SetBuildDialogOpener({});
    Trigger(kBuildApp);
    EXPECT_EQ(output.Lines(), QStringList{"Untitled.spin successfully created."});
}

TEST_F(FrameTest, OutputContextMenuCopyAndClearOnlyTellAndHideUnchecksOutput) {
    shell::OutputPane& output = frame().Output();
    output.AddOutputLine(u"second");
    const QStringList before = output.Lines();
    QStringList captions;
    for (QAction* action : output.ContextMenu()->actions()) {
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(captions, (QStringList{"&Copy", "&Clear", "-", "&Hide"}));

    output.ContextCommand(kEditCopy)->trigger();
    output.ContextCommand(kEditClear)->trigger();
    EXPECT_EQ(dialogs.notices, (QStringList{"Copy output", "Clear output"}));
    EXPECT_EQ(output.Lines(), before);

    output.ContextCommand(kOutputHide)->trigger();
    EXPECT_FALSE(frame().Pane(shell::kOutputPaneId)->isVisible());
    EXPECT_FALSE(command(kViewOutput)->isChecked());
    Trigger(kViewOutput);
    EXPECT_TRUE(frame().Pane(shell::kOutputPaneId)->isVisible());
}

}  // namespace
}  // namespace lumora::testing
