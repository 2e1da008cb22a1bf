#pragma once

#include <QStringList>

#include <memory>

#include "designer/document_session.h"
#include "designer/recent_files.h"
#include "model/document.h"

namespace lumora::shell {

class MainFrame;
class ShellDialogs;

// The one application object of the run: it owns the document, the recent files and the
// session, creates the frame and wires them together. Settings come from the QSettings of
// the running QApplication (organisation and application names set by main).
class LumoraApplication {
  public:
    explicit LumoraApplication(ShellDialogs& dialogs);
    ~LumoraApplication();
    LumoraApplication(const LumoraApplication&) = delete;
    LumoraApplication& operator=(const LumoraApplication&) = delete;

    // Processes the command line (the arguments after the program name): none gives a new
    // application, a path opens that file. Returns false when the named file failed to open
    // (the document's message was shown and a new application is left).
    bool Start(const QStringList& arguments);

    MainFrame& Frame() const { return *frame_; }
    CLumoraDoc& Document() { return doc_; }
    DocumentSession& Session() { return session_; }
    RecentFileList& RecentFiles() { return recent_; }

    // Stores the style, the recent files and the window layout.
    void SaveSettings() const;

  private:
    ShellDialogs& dialogs_;
    CLumoraDoc doc_;
    RecentFileList recent_;
    DocumentSession session_;
    std::unique_ptr<MainFrame> frame_;
};

// The organisation and application names the settings are stored under.
void SetSettingsNames();

}  // namespace lumora::shell
