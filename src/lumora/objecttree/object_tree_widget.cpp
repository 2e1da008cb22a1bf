#include "objecttree/object_tree_widget.h"

#include <QContextMenuEvent>

namespace lumora::objecttree {

void ObjectTreeWidget::contextMenuEvent(QContextMenuEvent* event) {
    QPoint globalPos = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        if (QTreeWidgetItem* item = itemAt(viewport()->mapFromGlobal(globalPos))) {
            setCurrentItem(item);
        }
    } else if (QTreeWidgetItem* current = currentItem()) {
        globalPos = viewport()->mapToGlobal(visualItemRect(current).bottomLeft());
    }
    setFocus(Qt::PopupFocusReason);
    emit menuRequested(globalPos);
    event->accept();
}

}  // namespace lumora::objecttree
