#pragma once

#include <QStyledItemDelegate>

namespace lumora::ui {

// Item data the grid stores on an entry's value cell.
enum PropertyGridRole {
    kKindRole = Qt::UserRole + 1,  // the entry's ValueKind as an int; absent on group rows
    kOptionsRole,                  // QStringList of suggestions ("Handler")
    kFilledTextRole,               // the text the entry was filled with, for the changed marking
    kDescriptionRole,              // on the name cell
};

// Editors of the value column: free text for Text and Integer entries, a fixed "True"/"False"
// list for Boolean ones, an editable list for entries with suggestions. It never writes the
// model: a committed text is handed on through valueCommitted, and the grid decides.
class PropertyValueDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  signals:
    void valueCommitted(const QModelIndex& index, const QString& text) const;
};

}  // namespace lumora::ui
