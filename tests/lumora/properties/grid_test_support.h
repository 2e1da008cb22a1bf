#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "model/document.h"
#include "model/new_application.h"
#include "properties/property_grid.h"
#include "properties/qt_text.h"
#include "recording_messages.h"

#include <ostream>

// Readable failure output for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace lumora::testing {

// What the widget shows for one entry, read back from the tree and the description area.
struct ShownEntry {
    QString group;  // empty in alphabetical order
    QString name;
    QString value;
    bool editable = false;
    QString descriptionTitle;
    QString descriptionText;
};

inline std::vector<ShownEntry> ReadGrid(ui::PropertyGrid& grid) {
    std::vector<ShownEntry> shown;
    QTreeWidget* tree = grid.Tree();
    auto read = [&](QTreeWidgetItem* item, const QString& group) {
        tree->setCurrentItem(item);
        shown.push_back({group, item->text(0), item->text(1),
                         (item->flags() & Qt::ItemIsEditable) != 0, grid.DescriptionTitle(),
                         grid.DescriptionText()});
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = tree->topLevelItem(i);
        if (top->childCount() == 0 && top->data(1, Qt::UserRole + 1).isValid()) {
            read(top, QString());
            continue;
        }
        for (int c = 0; c < top->childCount(); ++c) {
            read(top->child(c), top->text(0));
        }
    }
    return shown;
}

// Opens the entry's editor the way F2 does and returns it.
inline QWidget* OpenEditor(ui::PropertyGrid& grid, const QString& name) {
    QTreeWidgetItem* item = grid.EntryItem(name);
    if (item == nullptr) {
        ADD_FAILURE() << "no entry " << name.toStdString();
        return nullptr;
    }
    QTreeWidget* tree = grid.Tree();
    tree->setCurrentItem(item, 1);
    QTest::keyClick(tree, Qt::Key_F2);
    return tree->indexWidget(tree->indexFromItem(item, 1));
}

// Types text into a free-text entry and commits it with the key given (Enter by default).
inline void TypeInto(ui::PropertyGrid& grid, const QString& name, const QString& text,
                     Qt::Key key = Qt::Key_Return) {
    auto* edit = qobject_cast<QLineEdit*>(OpenEditor(grid, name));
    ASSERT_NE(edit, nullptr) << name.toStdString();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, key);
    // The item view commits an Enter once the key's own handling is over.
    QCoreApplication::processEvents();
}

inline QString Shown(ui::PropertyGrid& grid, const QString& name) {
    QTreeWidgetItem* item = grid.EntryItem(name);
    return item == nullptr ? QString() : item->text(1);
}

inline QString Q(std::u16string_view text) {
    return ui::ToQString(text);
}

}  // namespace lumora::testing
