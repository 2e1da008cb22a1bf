#include <QMenu>
#include <QMimeData>
#include <QToolButton>

#include <fstream>

#include "frame_fixture.h"
#include "objecttree/object_tree_pane.h"
#include "objecttree/object_tree_widget.h"
#include "shell/ribbon_bar.h"

namespace lumora::testing {
namespace {

using namespace lumora::cmd;

class DocumentCommandsTest : public FrameTest {
  protected:
    void Modify() {
        doc().AddForm();
        frame().Commands().UpdateAll();
        ASSERT_TRUE(frame().isWindowModified());
    }
    std::filesystem::path SaveAs(const std::string& name) {
        dialogs.savePath = dir / name;
        Trigger(kFileSaveAs);
        return dir / name;
    }
};

TEST_F(DocumentCommandsTest, SaveAsThenOpenThroughTheCommands) {
    Modify();
    const auto path = SaveAs("Demo.lmd");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(frame().windowTitle(), "Demo.lmd[*] - Lumora");
    EXPECT_FALSE(frame().isWindowModified());
    EXPECT_EQ(frame().ObjectTree().Tree()->topLevelItem(0)->text(0), "Demo Objects");

    int replaced = 0;
    QObject::connect(&frame(), &shell::MainFrame::documentReplaced, [&replaced] { ++replaced; });
    Trigger(kFileNew);
    EXPECT_EQ(doc().forms.size(), 1u);
    EXPECT_EQ(frame().windowTitle(), "Untitled[*] - Lumora");
    dialogs.openPath = path;
    Trigger(kFileOpen);
    EXPECT_EQ(doc().forms.size(), 2u);
    EXPECT_EQ(frame().windowTitle(), "Demo.lmd[*] - Lumora");
    EXPECT_EQ(replaced, 2);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DocumentCommandsTest, SavePromptsThreeAnswers) {
    Modify();
    dialogs.saveAnswer = SaveAnswer::Cancel;
    Trigger(kFileNew);
    EXPECT_EQ(doc().forms.size(), 2u);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], u"Save changes to Untitled?");

    dialogs.saveAnswer = SaveAnswer::Yes;
    dialogs.savePath = dir / "Answered.lmd";
    Trigger(kFileClose);
    EXPECT_TRUE(std::filesystem::exists(dir / "Answered.lmd"));
    EXPECT_EQ(doc().forms.size(), 1u);
    EXPECT_EQ(frame().windowTitle(), "Untitled[*] - Lumora");

    Modify();
    dialogs.saveAnswer = SaveAnswer::No;
    dialogs.openPath = dir / "Answered.lmd";
    Trigger(kFileOpen);
    EXPECT_EQ(doc().Title(), u"Answered.lmd");
    EXPECT_EQ(dialogs.questions.size(), 3u);
}

TEST_F(DocumentCommandsTest, ClosingTheWindowAsksAndCancelKeepsItOpen) {
    Modify();
    dialogs.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(frame().close());
    EXPECT_TRUE(frame().isVisible());
    Trigger(kAppExit);
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(dialogs.questions.size(), 2u);
    dialogs.saveAnswer = SaveAnswer::No;
    EXPECT_TRUE(frame().close());
}

TEST_F(DocumentCommandsTest, AFileThatIsNotAnApplicationShowsTheMessageAndLeavesANewOne) {
    SaveAs("Before.lmd");
    const auto bad = dir / "bad.lmd";
    std::ofstream(bad) << "definitely not an application";
    dialogs.openPath = bad;
    Trigger(kFileOpen);
    EXPECT_EQ(dialogs.messages, std::vector<std::u16string>{u"Unexpected file format."});
    EXPECT_EQ(frame().windowTitle(), "Untitled[*] - Lumora");
    EXPECT_EQ(doc().forms.size(), 1u);
    EXPECT_EQ(frame().ObjectTree().Tree()->topLevelItem(0)->text(0), "Untitled Objects");
}

TEST_F(DocumentCommandsTest, StartWithAPathOpensItAndAFailureLeavesANewApplication) {
    Modify();
    const auto path = SaveAs("Start.lmd");
    Launch({shell::PathToQt(path)});
    EXPECT_EQ(doc().Title(), u"Start.lmd");
    EXPECT_EQ(doc().forms.size(), 2u);

    Launch({shell::PathToQt(dir / "missing.lmd")});
    EXPECT_EQ(dialogs.messages.back(), u"Failed to open document.");
    EXPECT_EQ(doc().Title(), u"Untitled");
    EXPECT_EQ(doc().forms.size(), 1u);
}

TEST_F(DocumentCommandsTest, RecentFilesFillTheMenuAndPersist) {
    const auto one = SaveAs("One.lmd");
    const auto two = SaveAs("Two.lmd");
    emit frame().findChild<QMenu*>("applicationMenu")->aboutToShow();
    EXPECT_TRUE(command(kFileMruFirst)->isEnabled());
    EXPECT_TRUE(command(kFileMruFirst + 1)->isEnabled());
    EXPECT_FALSE(command(kFileMruFirst + 2)->isEnabled());
    CloseAndRelaunch();
    auto* recentMenu = frame().findChild<QMenu*>("recentMenu");
    ASSERT_NE(recentMenu, nullptr);
    emit frame().findChild<QMenu*>("applicationMenu")->aboutToShow();
    EXPECT_EQ(command(kFileMruFirst)->text(), "&1 Two.lmd");
    EXPECT_EQ(command(kFileMruFirst + 1)->text(), "&2 One.lmd");
    EXPECT_FALSE(command(kFileMruFirst + 2)->isVisible());
    Trigger(kFileMruFirst + 1);
    EXPECT_EQ(doc().Title(), u"One.lmd");
}

TEST_F(DocumentCommandsTest, ApplicationMenuHoldsTheFileCommandsInOrder) {
    QMenu* menu = frame().Ribbon().ApplicationButton()->menu();
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(texts, (QStringList{"&New", "&Open...", "&Save", "Save &As...", "&Print", "-",
                                  "&Close", "Recent Documents", "-", "E&xit"}));
    auto* print = frame().findChild<QMenu*>("printMenu");
    QStringList printTexts;
    for (QAction* action : print->actions()) {
        printTexts.append(action->text());
    }
    EXPECT_EQ(printTexts, (QStringList{"Preview and print the document", "&Quick Print",
                                       "Print Pre&view", "Print Set&up"}));
}

TEST_F(DocumentCommandsTest, ADroppedDocumentIsOpened) {
    Modify();
    const auto path = SaveAs("Dropped.lmd");
    Trigger(kFileNew);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(shell::PathToQt(path))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &drop);
    QCoreApplication::processEvents();
    EXPECT_EQ(doc().Title(), u"Dropped.lmd");
    EXPECT_EQ(doc().forms.size(), 2u);

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile("/tmp/picture.png")});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(&frame(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

}  // namespace
}  // namespace lumora::testing
