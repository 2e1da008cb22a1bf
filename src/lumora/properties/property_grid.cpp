#include "property_grid.h"

#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "properties/property_order.h"
#include "property_value_delegate.h"
#include "qt_text.h"

namespace lumora::ui {

namespace {

constexpr int kNameColumn = 0;
constexpr int kValueColumn = 1;

bool IsEntry(const QTreeWidgetItem* item) {
    return item != nullptr && item->data(kValueColumn, kKindRole).isValid();
}

QTreeWidgetItem* MakeEntryItem(const PropertyEntry& entry, const QPalette& palette) {
    auto* item = new QTreeWidgetItem;
    const QString text = ToQString(DisplayText(entry.value));
    item->setText(kNameColumn, ToQString(entry.name));
    item->setText(kValueColumn, text);
    item->setData(kNameColumn, kDescriptionRole, ToQString(entry.description));
    item->setData(kValueColumn, kKindRole, static_cast<int>(entry.Kind()));
    item->setData(kValueColumn, kFilledTextRole, text);
    QStringList options;
    for (const std::u16string& option : entry.options) {
        options.push_back(ToQString(option));
    }
    if (!options.isEmpty()) {
        item->setData(kValueColumn, kOptionsRole, options);
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (entry.readOnly) {
        item->setForeground(kValueColumn, palette.brush(QPalette::Disabled, QPalette::Text));
    } else {
        flags |= Qt::ItemIsEditable;
    }
    item->setFlags(flags);
    return item;
}

}  // namespace

PropertyTree::PropertyTree(QWidget* parent)
    : QTreeWidget(parent), delegate_(new PropertyValueDelegate(this)) {
    setItemDelegateForColumn(kValueColumn, delegate_);
    connect(delegate_, &PropertyValueDelegate::valueCommitted, this,
            [this](const QModelIndex& index, const QString& text) {
                pendingIndex_ = index;
                pendingText_ = text;
                hasPending_ = true;
            });
}

bool PropertyTree::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // The row is the entry: editing starts in its value whichever cell was hit.
    if (index.isValid() && index.column() == kNameColumn) {
        return QTreeWidget::edit(index.siblingAtColumn(kValueColumn), trigger, event);
    }
    return QTreeWidget::edit(index, trigger, event);
}

void PropertyTree::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    // One click on a value edits it, as in a property grid.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && index.column() == kValueColumn &&
        state() != EditingState) {
        edit(index, AllEditTriggers, event);
    }
}

void PropertyTree::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTreeWidget::closeEditor(editor, hint);
    if (!hasPending_) {
        return;
    }
    hasPending_ = false;
    QTreeWidgetItem* item = itemFromIndex(pendingIndex_);
    const QString text = pendingText_;
    pendingIndex_ = QPersistentModelIndex();
    // Typing the shown text again is no change.
    if (IsEntry(item) && (item->flags() & Qt::ItemIsEditable) && text != item->text(kValueColumn)) {
        emit entryEdited(item->text(kNameColumn), text);
    }
}

PropertyGrid::PropertyGrid(QWidget* parent)
    : QWidget(parent),
      tree_(new PropertyTree(this)),
      descriptionTitle_(new QLabel(this)),
      descriptionText_(new QLabel(this)) {
    tree_->setObjectName(QStringLiteral("propertyTree"));
    tree_->setColumnCount(2);
    tree_->setHeaderHidden(true);
    tree_->setAlternatingRowColors(false);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    tree_->setUniformRowHeights(true);
    tree_->header()->setStretchLastSection(true);
    tree_->header()->setSectionResizeMode(kNameColumn, QHeaderView::Interactive);
    tree_->setColumnWidth(kNameColumn, 130);

    descriptionTitle_->setObjectName(QStringLiteral("descriptionTitle"));
    descriptionText_->setObjectName(QStringLiteral("descriptionText"));
    QFont bold = descriptionTitle_->font();
    bold.setBold(true);
    descriptionTitle_->setFont(bold);
    descriptionText_->setWordWrap(true);
    descriptionText_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* description = new QWidget(this);
    description->setObjectName(QStringLiteral("descriptionArea"));
    auto* descriptionLayout = new QVBoxLayout(description);
    descriptionLayout->setContentsMargins(4, 4, 4, 4);
    descriptionLayout->addWidget(descriptionTitle_);
    descriptionLayout->addWidget(descriptionText_, 1);
    description->setMinimumHeight(4 * fontMetrics().height());
    description->setBackgroundRole(QPalette::Window);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(tree_, 1);
    layout->addWidget(description);
    setFocusProxy(tree_);

    connect(tree_, &PropertyTree::entryEdited, this, &PropertyGrid::entryEdited);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { ShowDescription(current); });
}

void PropertyGrid::Show(const PropertySet& set) {
    set_ = set;
    tree_->clear();
    Rebuild();
}

void PropertyGrid::SetAlphabetical(bool alphabetical) {
    if (alphabetical == alphabetical_) {
        return;
    }
    alphabetical_ = alphabetical;
    // The entries keep the values they show now, and the selected entry stays selected.
    QHash<QString, QString> shown;
    for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it) {
        if (IsEntry(*it)) {
            shown.insert((*it)->text(kNameColumn), (*it)->text(kValueColumn));
        }
    }
    const QTreeWidgetItem* current = tree_->currentItem();
    const QString currentName = IsEntry(current) ? current->text(kNameColumn) : QString();
    tree_->clear();
    Rebuild();
    for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
        SetEntryText(it.key(), it.value());
    }
    if (QTreeWidgetItem* item = EntryItem(currentName)) {
        tree_->setCurrentItem(item);
    }
}

void PropertyGrid::ExpandAll() {
    tree_->expandAll();
}

void PropertyGrid::Rebuild() {
    const QPalette& palette = tree_->palette();
    if (alphabetical_) {
        tree_->setRootIsDecorated(false);
        for (const PropertyEntry* entry : AlphabeticalEntries(set_)) {
            tree_->addTopLevelItem(MakeEntryItem(*entry, palette));
        }
    } else {
        tree_->setRootIsDecorated(true);
        for (const PropertyGroup& group : set_.groups) {
            auto* groupItem = new QTreeWidgetItem;
            groupItem->setText(kNameColumn, ToQString(group.name));
            groupItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            QFont bold = tree_->font();
            bold.setBold(true);
            groupItem->setFont(kNameColumn, bold);
            for (const PropertyEntry& entry : group.entries) {
                groupItem->addChild(MakeEntryItem(entry, palette));
            }
            tree_->addTopLevelItem(groupItem);
            groupItem->setFirstColumnSpanned(true);
            groupItem->setExpanded(true);
        }
    }
    // Every name shows in full ("Background Color"), however large the menu font.
    tree_->resizeColumnToContents(kNameColumn);
    tree_->setColumnWidth(kNameColumn,
                          tree_->columnWidth(kNameColumn) + fontMetrics().averageCharWidth() * 2);
    ShowDescription(tree_->currentItem());
}

void PropertyGrid::SetEntryText(const QString& name, const QString& text) {
    QTreeWidgetItem* item = EntryItem(name);
    if (item == nullptr) {
        return;
    }
    item->setText(kValueColumn, text);
    // Values changed since the fill are shown in bold.
    QFont font = tree_->font();
    font.setBold(text != item->data(kValueColumn, kFilledTextRole).toString());
    item->setFont(kValueColumn, font);
}

QTreeWidgetItem* PropertyGrid::EntryItem(const QString& name) const {
    if (name.isEmpty()) {
        return nullptr;
    }
    for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it) {
        if (IsEntry(*it) && (*it)->text(kNameColumn) == name) {
            return *it;
        }
    }
    return nullptr;
}

QString PropertyGrid::DescriptionTitle() const {
    return descriptionTitle_->text();
}

QString PropertyGrid::DescriptionText() const {
    return descriptionText_->text();
}

void PropertyGrid::ShowDescription(QTreeWidgetItem* item) {
    if (item == nullptr) {
        descriptionTitle_->clear();
        descriptionText_->clear();
        return;
    }
    descriptionTitle_->setText(item->text(kNameColumn));
    descriptionText_->setText(item->data(kNameColumn, kDescriptionRole).toString());
}

}  // namespace lumora::ui
