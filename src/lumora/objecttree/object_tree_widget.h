#pragma once

#include <QTreeWidget>

namespace lumora::objecttree {

// The tree control: a right click with the mouse first selects the item under the pointer;
// either way the pane is asked to open its menu.
class ObjectTreeWidget : public QTreeWidget {
    Q_OBJECT
  public:
    using QTreeWidget::QTreeWidget;

  signals:
    void menuRequested(const QPoint& globalPos);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace lumora::objecttree
