#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/document.h"
#include "model/document_file.h"
#include "model/document_serialize.h"
#include "model/new_application.h"
#include "model/resource_texts.h"
#include "recording_messages.h"
#include "recording_object_tree.h"
#include "test_files.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    return ReadFileBytes(path).value_or("<unreadable>");
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> DirectoryEntries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class DocumentFile : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.AttachMessages(&messages);
        doc.AttachObjectTree(&tree);
        StartNewApplication(doc);
    }

    testing::ScratchDir dir;
    testing::RecordingMessages messages;
    testing::RecordingObjectTree tree;
    CLumoraDoc doc;
};

TEST_F(DocumentFile, SaveAsWritesTheOldNameThenRetitlesAfterTheFile) {
    const fs::path path = dir / "App.lmd";
    doc.AddForm();
    ASSERT_TRUE(doc.IsModified());
    const std::string expected = SerializeDocument(doc);

    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ReadAll(path), expected);  // still "Untitled" inside
    EXPECT_EQ(doc.Title(), u"App.lmd");
    EXPECT_EQ(doc.appName, u"App");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(DirectoryEntries(dir), std::vector<std::string>{"App.lmd"});

    // The next save carries the new name.
    ASSERT_TRUE(doc.OnSaveDocument(path));
    CLumoraDoc reread;
    ASSERT_FALSE(ReadDocument(ReadAll(path), reread));
    EXPECT_EQ(reread.appName, u"App");
}

TEST_F(DocumentFile, SaveReplacesALongerPreviousFileWhole) {
    const fs::path path = dir / "App.lmd";
    WriteAll(path, std::string(500000, 'x'));
    const std::string expected = SerializeDocument(doc);
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(ReadAll(path), expected);
    EXPECT_EQ(DirectoryEntries(dir), std::vector<std::string>{"App.lmd"});
}

TEST_F(DocumentFile, FailedSaveReportsKeepsTheTargetAndLeavesNoTemporaryFile) {
    doc.AddForm();
    // A target that cannot be replaced by a file: a directory with contents.
    const fs::path busy = dir / "Busy.lmd";
    fs::create_directories(busy);
    WriteAll(busy / "inside", "keep");
    const fs::path cases[] = {dir / "missing" / "App.lmd", busy};
    for (const fs::path& path : cases) {
        messages.shown.clear();
        EXPECT_FALSE(doc.OnSaveDocument(path)) << path;
        EXPECT_EQ(messages.shown, std::vector<std::u16string>{u"Failed to save document."});
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.Title(), u"Untitled");
    }
    EXPECT_EQ(ReadAll(busy / "inside"), "keep");
    EXPECT_EQ(DirectoryEntries(dir), std::vector<std::string>{"Busy.lmd"});
}

TEST_F(DocumentFile, OpenLoadsRetitlesAndUsesTheProgramsTemplate) {
    CLumoraDoc saved;
    StartNewApplication(saved);
    saved.AddForm();
    saved.templateText = u"an older runtime";
    saved.appName = u"Stored";
    const fs::path path = dir / "Saved.lmd";
    WriteAll(path, SerializeDocument(saved));

    doc.AddBitmap(1, 1, 1);  // a bitmap selection that the load must not keep
    const int rebuildsBefore = tree.rebuilds;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(doc.ready);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.templateText, RuntimeTemplateText());
    EXPECT_EQ(doc.Title(), u"Saved.lmd");
    EXPECT_EQ(doc.appName, u"Saved");
    ASSERT_EQ(doc.forms.size(), 2u);
    EXPECT_EQ(doc.currentForm, doc.forms.front().get());
    EXPECT_EQ(doc.currentComponent, nullptr);
    EXPECT_EQ(doc.currentBitmap, nullptr);
    EXPECT_EQ(doc.bitmaps.size(), 1u);
    EXPECT_GT(tree.rebuilds, rebuildsBefore);
}

TEST_F(DocumentFile, OpeningABadFileLeavesANewApplication) {
    CLumoraDoc saved;
    StartNewApplication(saved);
    std::string truncated = SerializeDocument(saved);
    truncated.resize(truncated.size() / 2);
    const std::string badFiles[] = {"", "not an application", truncated};
    for (const std::string& bytes : badFiles) {
        doc.AddForm();
        doc.SetTitle(u"Other.lmd");
        messages.shown.clear();
        const fs::path path = dir / "Bad.lmd";
        WriteAll(path, bytes);
        EXPECT_FALSE(doc.OnOpenDocument(path));
        EXPECT_EQ(messages.shown, std::vector<std::u16string>{u"Unexpected file format."});
        EXPECT_EQ(doc.Title(), u"Untitled");
        EXPECT_EQ(doc.appName, u"Untitled");
        ASSERT_EQ(doc.forms.size(), 1u);
        EXPECT_EQ(doc.forms[0]->name, u"Form1");
        EXPECT_EQ(doc.nextComponentId, 1006);
        EXPECT_TRUE(doc.ready);
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(DocumentFile, AFileThatCannotBeReadLeavesTheDocumentAsItWas) {
    doc.AddForm();
    doc.SetTitle(u"Mine.lmd");
    const fs::path cases[] = {dir / "absent.lmd", dir};
    for (const fs::path& path : cases) {
        messages.shown.clear();
        EXPECT_FALSE(doc.OnOpenDocument(path)) << path;
        EXPECT_EQ(messages.shown, std::vector<std::u16string>{u"Failed to open document."});
        EXPECT_EQ(doc.Title(), u"Mine.lmd");
        EXPECT_EQ(doc.forms.size(), 2u);
        EXPECT_TRUE(doc.ready);
        EXPECT_TRUE(doc.IsModified());
    }
}

}  // namespace
}  // namespace lumora
