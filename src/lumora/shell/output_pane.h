#pragma once

#include <QWidget>

#include "model/output_sink.h"

class QAction;
class QListWidget;
class QMenu;
class QTabWidget;

namespace lumora::shell {

class ShellDialogs;

// The Output pane's content: one "Build" tab holding the append-only list of build lines.
class OutputPane : public QWidget, public OutputSink {
    Q_OBJECT
  public:
    OutputPane(ShellDialogs& dialogs, QWidget* parent = nullptr);

    void ClearOutput() override;
    void AddOutputLine(std::u16string_view line) override;
    void ScrollOutputToEnd() override;

    QStringList Lines() const;
    QListWidget* List() const { return list_; }
    // The context menu's commands: Copy (57634), Clear (57632) and Hide (149).
    QAction* ContextCommand(int id) const;
    QMenu* ContextMenu() const { return menu_; }

  signals:
    void hideRequested();

  private:
    ShellDialogs& dialogs_;
    QTabWidget* tabs_ = nullptr;
    QListWidget* list_ = nullptr;
    QMenu* menu_ = nullptr;
};

}  // namespace lumora::shell
