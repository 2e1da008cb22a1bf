#pragma once

#include <QWidget>

#include "model/object_tree_sink.h"

class QAction;
class QActionGroup;
class QMenu;
class QToolBar;

namespace lumora::shell {
class ShellDialogs;
}

namespace lumora::objecttree {

class ObjectTreeWidget;

// The Object View pane's content: its toolbar and the tree of the application's forms,
// components and bitmaps, refilled from the document on every rebuild.
class ObjectTreePane : public QWidget, public ObjectTreeSink {
    Q_OBJECT
  public:
    ObjectTreePane(shell::ShellDialogs& dialogs, QWidget* parent = nullptr);

    void RebuildObjectTree(const CLumoraDoc& doc) override;

    ObjectTreeWidget* Tree() const { return tree_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QMenu* SortingMenu() const { return sortingMenu_; }
    // The pane's own commands: the toolbar's 144, 143, 32772..32774 and the sorting 145..148.
    QAction* PaneCommand(int id) const;
    int SortingChoice() const;

  signals:
    // The user selected an item; carries the item's text.
    void selectionChanged(const QString& itemText);

  private:
    void AddToolButton(int id, const char* icon, const QString& toolTip);
    void AddSortingCommand(int id, const QString& caption);

    shell::ShellDialogs& dialogs_;
    QToolBar* toolBar_ = nullptr;
    ObjectTreeWidget* tree_ = nullptr;
    QMenu* sortingMenu_ = nullptr;
    QActionGroup* sorting_ = nullptr;
    QList<QAction*> commands_;
    bool rebuilding_ = false;
};

}  // namespace lumora::objecttree
