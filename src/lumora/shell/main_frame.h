#pragma once

#include <QMainWindow>

#include <functional>
#include <string>

#include "designer/command_state.h"
#include "properties/refresh.h"

class QDockWidget;
class QLabel;
class QStackedLayout;
class QTimer;

namespace lumora {
class CLumoraDoc;
class RecentFileList;
}  // namespace lumora

namespace lumora::objecttree {
class ObjectTreePane;
}

namespace lumora::shell {

class CaptionBar;
class CommandTable;
class KeyTips;
class OutputPane;
class RibbonBar;
class ShellDialogs;

inline constexpr int kObjectViewPaneId = 134;
inline constexpr int kOutputPaneId = 149;
inline constexpr int kPropertiesPaneId = 150;
inline constexpr int kStatusReadyPaneId = 120;
inline constexpr int kStatusModePaneId = 121;

// The main window: ribbon, caption bar, the designer view's place, the three docking panes
// and the status bar. It holds no rules; its commands live in the command table, where the
// frame, the document commands and the later view, grid and build code attach handlers.
class MainFrame : public QMainWindow {
    Q_OBJECT
  public:
    MainFrame(CLumoraDoc& doc, ShellDialogs& dialogs, const RecentFileList& recent,
              QWidget* parent = nullptr);
    ~MainFrame() override;

    CommandTable& Commands() const { return *commands_; }
    QAction* command(int id) const;
    CLumoraDoc& Document() const { return doc_; }
    ShellDialogs& Dialogs() const { return dialogs_; }

    RibbonBar& Ribbon() const { return *ribbon_; }
    CaptionBar& Caption() const { return *captionBar_; }
    KeyTips& Tips() const { return *keyTips_; }
    OutputPane& Output() const { return *output_; }
    objecttree::ObjectTreePane& ObjectTree() const { return *objectTree_; }
    QDockWidget* Pane(int paneId) const;
    QLabel* StatusPane(int paneId) const;

    // The designer view fills the middle of the frame; until one is set an empty area does.
    void SetCentralView(QWidget* view);
    QWidget* CentralView() const { return view_; }
    // The Properties pane's content; until set the pane is empty.
    void SetPropertiesContent(QWidget* content);

    // What the view must do after a selection in the Object View; no handler, nothing.
    void SetRefreshHandler(std::function<void(Refresh)> handler) { refresh_ = std::move(handler); }
    // Hands a render or repaint asked for elsewhere (the Properties pane, a dialog) to the view.
    void RequestViewRefresh(Refresh refresh) const {
        if (refresh_) {
            refresh_(refresh);
        }
    }
    // Asked before the window closes; false keeps it open.
    void SetCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }
    // Receives a ".lmd" file dropped on the window.
    void SetDropHandler(std::function<void(const QString&)> handler) { drop_ = std::move(handler); }

    // The Build Application dialog, given the generated source; until set the text is unused.
    void SetBuildDialogOpener(std::function<void(const std::u16string&)> opener) {
        buildDialog_ = std::move(opener);
    }
    const std::function<void(const std::u16string&)>& BuildDialogOpener() const {
        return buildDialog_;
    }

    int ApplicationLook() const { return look_; }
    void SetApplicationLook(int look);
    FrameStatus Status() const;
    void UpdateTitle();

  signals:
    // The document was emptied and filled anew (New, Open, Close, a recent or dropped file):
    // the view takes it as at start-up.
    void documentReplaced();
    // The window is about to close for good: the place to store the settings.
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QDockWidget* AddPane(int paneId, const QString& caption, const char* icon, QWidget* content,
                         Qt::DockWidgetArea area);
    void BuildStatusBar();
    void RegisterKeyTips();

    CLumoraDoc& doc_;
    ShellDialogs& dialogs_;
    CommandTable* commands_ = nullptr;
    RibbonBar* ribbon_ = nullptr;
    CaptionBar* captionBar_ = nullptr;
    KeyTips* keyTips_ = nullptr;
    OutputPane* output_ = nullptr;
    objecttree::ObjectTreePane* objectTree_ = nullptr;
    QDockWidget* objectViewDock_ = nullptr;
    QDockWidget* outputDock_ = nullptr;
    QDockWidget* propertiesDock_ = nullptr;
    QLabel* readyPane_ = nullptr;
    QLabel* modePane_ = nullptr;
    QStackedLayout* viewSlot_ = nullptr;
    QWidget* view_ = nullptr;
    QTimer* idle_ = nullptr;
    int look_ = 0;
    std::function<void(Refresh)> refresh_;
    std::function<bool()> closeGuard_;
    std::function<void(const QString&)> drop_;
    std::function<void(const std::u16string&)> buildDialog_;
};

}  // namespace lumora::shell
