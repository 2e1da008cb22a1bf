#pragma once

#include <QPersistentModelIndex>
#include <QTreeWidget>
#include <QWidget>

#include "properties/property_set.h"

class QLabel;

namespace lumora::ui {

class PropertyValueDelegate;

// The tree under the grid. An edit is handed on only once its editor has closed, so that a
// message box or a refill caused by the change never meets an open editor.
class PropertyTree : public QTreeWidget {
    Q_OBJECT

  public:
    explicit PropertyTree(QWidget* parent = nullptr);

  signals:
    void entryEdited(const QString& name, const QString& text);

  protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    PropertyValueDelegate* delegate_;
    QPersistentModelIndex pendingIndex_;
    QString pendingText_;
    bool hasPending_ = false;
};

// Our property grid: the groups "Details" and "Appearance" (or every entry by name), a value
// column edited in place, and a description area below. It shows a property set and keeps
// nothing else; an edit that changes an entry's text is reported through entryEdited, and the
// owner puts the value it wants shown back with SetEntryText.
class PropertyGrid : public QWidget {
    Q_OBJECT

  public:
    explicit PropertyGrid(QWidget* parent = nullptr);

    // Empties the grid and builds it from the set; groups start expanded.
    void Show(const PropertySet& set);
    void SetAlphabetical(bool alphabetical);
    bool IsAlphabetical() const { return alphabetical_; }
    void ExpandAll();
    // Shows a value again, for example the previous one after a rejected change.
    void SetEntryText(const QString& name, const QString& text);

    PropertyTree* Tree() const { return tree_; }
    QTreeWidgetItem* EntryItem(const QString& name) const;
    QString DescriptionTitle() const;
    QString DescriptionText() const;

  signals:
    void entryEdited(const QString& name, const QString& text);

  private:
    void Rebuild();
    void ShowDescription(QTreeWidgetItem* item);

    PropertyTree* tree_;
    QLabel* descriptionTitle_;
    QLabel* descriptionText_;
    PropertySet set_;
    bool alphabetical_ = false;
};

}  // namespace lumora::ui
