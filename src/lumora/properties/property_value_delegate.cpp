#include "property_value_delegate.h"

#include <QComboBox>
#include <QLineEdit>

#include "properties/property_set.h"
#include "qt_text.h"

namespace lumora::ui {

namespace {

// A choice from a list is complete at once, as in a property grid.
void CommitOnChoice(const PropertyValueDelegate* delegate, QComboBox* combo) {
    auto* self = const_cast<PropertyValueDelegate*>(delegate);
    QObject::connect(combo, &QComboBox::activated, self, [self, combo] {
        emit self->commitData(combo);
        emit self->closeEditor(combo, QAbstractItemDelegate::SubmitModelCache);
    });
}

}  // namespace

QWidget* PropertyValueDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex& index) const {
    const QVariant kind = index.data(kKindRole);
    if (!kind.isValid()) {
        return nullptr;
    }
    if (kind.toInt() == static_cast<int>(ValueKind::Boolean)) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(QStringLiteral("booleanEditor"));
        combo->setEditable(false);
        combo->addItems({ToQString(kTrueText), ToQString(kFalseText)});
        CommitOnChoice(this, combo);
        return combo;
    }
    const QStringList options = index.data(kOptionsRole).toStringList();
    if (!options.isEmpty()) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(QStringLiteral("optionsEditor"));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(options);
        CommitOnChoice(this, combo);
        return combo;
    }
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("textEditor"));
    edit->setFrame(false);
    return edit;
}

void PropertyValueDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->isEditable()) {
            combo->setEditText(text);
            combo->lineEdit()->selectAll();
        } else {
            combo->setCurrentIndex(combo->findText(text));
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    }
}

void PropertyValueDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                         const QModelIndex& index) const {
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        text = combo->isEditable() ? combo->lineEdit()->text() : combo->currentText();
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        text = edit->text();
    } else {
        return;
    }
    emit valueCommitted(index, text);
}

}  // namespace lumora::ui
