#include "objecttree/object_tree_pane.h"

#include <QAction>
#include <QActionGroup>
#include <QHeaderView>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

#include "designer/command_ids.h"
#include "designer/object_tree_items.h"
#include "objecttree/object_tree_widget.h"
#include "shell/icons.h"
#include "shell/qt_text.h"
#include "shell/shell_dialogs.h"

namespace lumora::objecttree {

namespace {

const char* IconName(TreeItemKind kind) {
    switch (kind) {
        case TreeItemKind::Application:
            return "tree-application";
        case TreeItemKind::Form:
            return "tree-form";
        case TreeItemKind::Component:
            return "tree-component";
        case TreeItemKind::Bitmap:
            return "tree-bitmap";
    }
    return "tree-application";
}

}  // namespace

ObjectTreePane::ObjectTreePane(shell::ShellDialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(16, 16));
    AddToolButton(cmd::kTreeSortMenu, "tree-sort", QStringLiteral("Sort"));
    AddToolButton(cmd::kTreeNewFolder, "tree-new-form", QStringLiteral("New Form"));
    AddToolButton(cmd::kTreeAddHandler, "tree-add-handler", QStringLiteral("Add Handler"));
    AddToolButton(cmd::kTreeAddVariable, "tree-add-variable", QStringLiteral("Add Variable"));
    AddToolButton(cmd::kTreeDefinition, "tree-definition", QStringLiteral("Go to Definition"));
    // Only the new-form button does anything so far; the others have no action and say so
    // by being disabled.
    for (QAction* action : toolBar_->actions()) {
        action->setEnabled(action->data().toInt() == cmd::kTreeNewFolder);
    }
    connect(PaneCommand(cmd::kTreeNewFolder), &QAction::triggered, this,
            [this] { dialogs_.ShowNotice(QStringLiteral("New Form (one day)...")); });

    tree_ = new ObjectTreeWidget(this);
    tree_->setObjectName(QStringLiteral("objectTree"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setFrameShape(QFrame::Box);
    layout->addWidget(toolBar_);
    layout->addWidget(tree_, 1);
    setFocusProxy(tree_);

    sortingMenu_ = new QMenu(QStringLiteral("Sorting"), this);
    sorting_ = new QActionGroup(this);
    sorting_->setExclusive(true);
    AddSortingCommand(cmd::kTreeSortAlphabetic, QStringLiteral("&Sort Alphabeticaly"));
    AddSortingCommand(cmd::kTreeSortByType, QStringLiteral("Sort by &Type"));
    AddSortingCommand(cmd::kTreeSortByAccess, QStringLiteral("Sort by Acc&ess"));
    AddSortingCommand(cmd::kTreeGroupByType, QStringLiteral("Group by t&ype"));
    PaneCommand(cmd::kTreeGroupByType)->setChecked(true);

    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (!rebuilding_ && current != nullptr) {
                    emit selectionChanged(current->text(0));
                }
            });
    connect(tree_, &ObjectTreeWidget::menuRequested, this,
            [this](const QPoint& pos) { sortingMenu_->exec(pos); });
}

void ObjectTreePane::AddToolButton(int id, const char* icon, const QString& toolTip) {
    QAction* action = toolBar_->addAction(shell::LumoraIcon(icon), toolTip);
    action->setData(id);
    commands_.append(action);
}

void ObjectTreePane::AddSortingCommand(int id, const QString& caption) {
    QAction* action = sortingMenu_->addAction(caption);
    action->setData(id);
    action->setCheckable(true);
    sorting_->addAction(action);
    commands_.append(action);
}

QAction* ObjectTreePane::PaneCommand(int id) const {
    for (QAction* action : commands_) {
        if (action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

int ObjectTreePane::SortingChoice() const {
    QAction* checked = sorting_->checkedAction();
    return checked != nullptr ? checked->data().toInt() : 0;
}

void ObjectTreePane::RebuildObjectTree(const CLumoraDoc& doc) {
    rebuilding_ = true;
    tree_->clear();
    std::vector<QTreeWidgetItem*> made;
    QTreeWidgetItem* shown = nullptr;
    for (const ObjectTreeItem& item : ObjectTreeItems(doc)) {
        QTreeWidgetItem* row =
            item.parent < 0 ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(made[item.parent]);
        row->setText(0, shell::ToQt(item.text));
        row->setIcon(0, shell::LumoraIcon(IconName(item.kind)));
        row->setData(0, Qt::UserRole, TreeImageIndex(item.kind));
        if (item.kind == TreeItemKind::Application) {
            QFont bold = row->font(0);
            bold.setBold(true);
            row->setFont(0, bold);
        }
        if (item.makeVisible) {
            shown = row;
        }
        made.push_back(row);
    }
    // No item is selected by a rebuild: the view keeps the selection it has.
    tree_->setCurrentItem(nullptr);
    tree_->clearSelection();
    if (!made.empty()) {
        made.front()->setExpanded(true);
    }
    if (shown != nullptr) {
        for (QTreeWidgetItem* p = shown->parent(); p != nullptr; p = p->parent()) {
            p->setExpanded(true);
        }
        tree_->scrollToItem(shown);
    }
    rebuilding_ = false;
}

}  // namespace lumora::objecttree
