#pragma once

#include <QApplication>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "designer/command_ids.h"
#include "shell/command_table.h"
#include "shell/lumora_application.h"
#include "shell/main_frame.h"
#include "shell/qt_text.h"
#include "shell/shell_dialogs.h"
#include "test_files.h"

namespace lumora::testing {

// Stands in for the boxes and file dialogs: records what was shown, answers from a script.
class ScriptedDialogs : public shell::ShellDialogs {
  public:
    void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }
    void ShowNotice(const QString& text) override { notices.append(text); }
    SaveAnswer AskSaveChanges(std::u16string_view question) override {
        questions.emplace_back(question);
        return saveAnswer;
    }
    std::optional<std::filesystem::path> AskOpenPath() override { return openPath; }
    std::optional<std::filesystem::path> AskSavePath(std::u16string_view) override {
        return savePath;
    }

    std::vector<std::u16string> messages;
    QStringList notices;
    std::vector<std::u16string> questions;
    SaveAnswer saveAnswer = SaveAnswer::Cancel;
    std::optional<std::filesystem::path> openPath;
    std::optional<std::filesystem::path> savePath;
};

// A started designer whose settings live in the test's own directory, never the user's.
class FrameTest : public ::testing::Test {
  protected:
    FrameTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           shell::PathToQt(dir / "settings"));
        QSettings().clear();
        Launch();
    }
    ~FrameTest() override { app.reset(); }

    // Starts (again) as the program does, on the settings the last run left.
    void Launch(const QStringList& arguments = {}) {
        app.reset();
        app = std::make_unique<shell::LumoraApplication>(dialogs);
        frame().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame()));
        app->Start(arguments);
    }
    // Ends the run as closing the window does: settings are stored.
    void CloseAndRelaunch() {
        ASSERT_TRUE(frame().close());
        Launch();
    }

    shell::MainFrame& frame() { return app->Frame(); }
    CLumoraDoc& doc() { return app->Document(); }
    QAction* command(int id) { return frame().command(id); }
    void Trigger(int id) {
        ASSERT_NE(command(id), nullptr) << id;
        ASSERT_TRUE(command(id)->isEnabled()) << id;
        command(id)->trigger();
    }

    ScratchDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<shell::LumoraApplication> app;
};

}  // namespace lumora::testing
