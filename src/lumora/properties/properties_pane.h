#pragma once

#include <QWidget>

#include "properties/refresh.h"

class QAction;
class QComboBox;
class QToolBar;

namespace lumora {
class CLumoraDoc;
}

namespace lumora::ui {

class PropertyGrid;

// The "Properties" dock's content: the "Properties Window" list, the toolbar (expand all;
// alphabetical order) and the grid. It fills the grid from the document and sends each edit
// to the core's rules, then does what their result asks; the view's part of that (render or
// repaint) is asked for through viewRefreshRequested.
class PropertiesPane : public QWidget {
    Q_OBJECT

  public:
    explicit PropertiesPane(CLumoraDoc& doc, QWidget* parent = nullptr);

    // Rebuilds the grid from the document's selection.
    void FillPropertyGrid();

    PropertyGrid* Grid() const { return grid_; }
    QComboBox* ObjectList() const { return objectList_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QAction* ExpandAllAction() const { return expandAll_; }
    QAction* AlphabeticalAction() const { return alphabetical_; }

  signals:
    void viewRefreshRequested(lumora::Refresh refresh);

  protected:
    bool event(QEvent* event) override;

  private:
    void OnEntryEdited(const QString& name, const QString& text);
    void ApplyMenuFont();

    CLumoraDoc& doc_;
    QComboBox* objectList_;
    QToolBar* toolBar_;
    QAction* expandAll_;
    QAction* alphabetical_;
    PropertyGrid* grid_;
};

}  // namespace lumora::ui
