#include "designer/document_session.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>

#include "designer/recent_files.h"
#include "model/document.h"
#include "recording_messages.h"
#include "test_files.h"

namespace lumora {
namespace {

// Answers the questions from a script and remembers what was asked.
class ScriptedPrompts : public SessionPrompts {
  public:
    SaveAnswer AskSaveChanges(std::u16string_view question) override {
        questions.emplace_back(question);
        return saveAnswer;
    }
    std::optional<std::filesystem::path> AskOpenPath() override { return openPath; }
    std::optional<std::filesystem::path> AskSavePath(std::u16string_view suggested) override {
        suggestedNames.emplace_back(suggested);
        return savePath;
    }
    SaveAnswer saveAnswer = SaveAnswer::Cancel;
    std::optional<std::filesystem::path> openPath;
    std::optional<std::filesystem::path> savePath;
    std::vector<std::u16string> questions;
    std::vector<std::u16string> suggestedNames;
};

class DocumentSessionTest : public ::testing::Test {
  protected:
    DocumentSessionTest() : session(doc, prompts, recent) { doc.AttachMessages(&messages); }
    void SetUp() override { ASSERT_TRUE(session.Start(std::nullopt)); }

    void Modify() {
        doc.AddForm();
        ASSERT_TRUE(doc.IsModified());
    }
    std::filesystem::path SavedFile(const std::string& name) {
        prompts.savePath = dir / name;
        EXPECT_TRUE(session.SaveAs());
        return dir / name;
    }

    testing::ScratchDir dir;
    CLumoraDoc doc;
    testing::RecordingMessages messages;
    ScriptedPrompts prompts;
    RecentFileList recent;
    DocumentSession session;
};

TEST_F(DocumentSessionTest, SaveAsNamesTheFileAndRemembersIt) {
    prompts.savePath = dir / "Demo";
    ASSERT_TRUE(session.SaveAs());
    EXPECT_EQ(prompts.suggestedNames, std::vector<std::u16string>{u"Untitled"});
    EXPECT_TRUE(std::filesystem::exists(dir / "Demo.lmd"));
    EXPECT_EQ(session.Path(), dir / "Demo.lmd");
    EXPECT_EQ(doc.Title(), u"Demo.lmd");
    EXPECT_EQ(recent.Entries().front(), dir / "Demo.lmd");
    // Save goes to the same file without asking again.
    Modify();
    prompts.savePath.reset();
    EXPECT_TRUE(session.Save());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentSessionTest, SaveQuestionsThreeAnswers) {
    Modify();
    prompts.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(session.New());
    EXPECT_EQ(doc.forms.size(), 2u);
    EXPECT_EQ(prompts.questions.back(), u"Save changes to Untitled?");

    prompts.saveAnswer = SaveAnswer::No;
    EXPECT_TRUE(session.New());
    EXPECT_EQ(doc.forms.size(), 1u);
    EXPECT_FALSE(doc.IsModified());

    Modify();
    prompts.saveAnswer = SaveAnswer::Yes;
    prompts.savePath = dir / "Kept.lmd";
    EXPECT_TRUE(session.Close());
    EXPECT_TRUE(std::filesystem::exists(dir / "Kept.lmd"));
    EXPECT_EQ(doc.Title(), u"Untitled");
    EXPECT_EQ(session.Path(), std::nullopt);

    // Yes, then cancelling the file dialog, keeps the document.
    Modify();
    prompts.savePath.reset();
    EXPECT_FALSE(session.Open());
    EXPECT_EQ(doc.forms.size(), 2u);
}

TEST_F(DocumentSessionTest, QuestionNamesTheFileOnceSaved) {
    const auto path = SavedFile("Named.lmd");
    Modify();
    prompts.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(session.New());
    EXPECT_EQ(prompts.questions.back(), u"Save changes to " + path.u16string() + u"?");
}

TEST_F(DocumentSessionTest, OpenLoadsTheChosenFile) {
    const auto path = SavedFile("Two.lmd");
    session.New();
    prompts.openPath = path;
    ASSERT_TRUE(session.Open());
    EXPECT_EQ(doc.Title(), u"Two.lmd");
    EXPECT_EQ(session.Path(), path);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DocumentSessionTest, AFileThatIsNotAnApplicationLeavesANewOne) {
    const auto saved = SavedFile("Good.lmd");
    const auto bad = dir / "bad.lmd";
    std::ofstream(bad) << "not an application";
    EXPECT_FALSE(session.OpenPath(bad));
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{u"Unexpected file format."});
    EXPECT_EQ(doc.Title(), u"Untitled");
    EXPECT_EQ(session.Path(), std::nullopt);
    EXPECT_EQ(recent.Entries(), std::vector<std::filesystem::path>{saved});
}

TEST_F(DocumentSessionTest, AnUnreadableFileKeepsTheDocumentAndItsFile) {
    const auto saved = SavedFile("Keep.lmd");
    EXPECT_FALSE(session.OpenPath(dir / "missing.lmd"));
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{u"Failed to open document."});
    EXPECT_EQ(doc.Title(), u"Keep.lmd");
    EXPECT_EQ(session.Path(), saved);
}

TEST_F(DocumentSessionTest, StartWithAFileThatFailsLeavesANewApplication) {
    EXPECT_FALSE(session.Start(dir / "missing.lmd"));
    EXPECT_EQ(doc.Title(), u"Untitled");
    EXPECT_EQ(doc.forms.size(), 1u);
    EXPECT_TRUE(doc.ready);
}

TEST_F(DocumentSessionTest, ARecentFileThatFailsLeavesTheList) {
    const auto one = SavedFile("One.lmd");
    const auto two = SavedFile("Two.lmd");
    std::filesystem::remove(one);
    ASSERT_EQ(recent.Entries().size(), 2u);
    EXPECT_FALSE(session.OpenRecent(1));
    EXPECT_EQ(recent.Entries(), std::vector<std::filesystem::path>{two});
    EXPECT_FALSE(session.OpenRecent(5));
    EXPECT_TRUE(session.OpenRecent(0));
    EXPECT_EQ(doc.Title(), u"Two.lmd");
}

TEST_F(DocumentSessionTest, AFailedSaveKeepsTheDocumentModified) {
    Modify();
    prompts.savePath = dir / "no-such-dir" / "x.lmd";
    EXPECT_FALSE(session.SaveAs());
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{u"Failed to save document."});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(session.Path(), std::nullopt);
    // ... and a Yes to the question that fails to save gives nothing up.
    prompts.saveAnswer = SaveAnswer::Yes;
    EXPECT_FALSE(session.New());
    EXPECT_EQ(doc.forms.size(), 2u);
}

}  // namespace
}  // namespace lumora
