#include "shell/ribbon_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumora::shell {

namespace {

constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;

// A check box that shows one checkable command and triggers it when clicked.
QCheckBox* CheckBoxFor(QAction* action, QWidget* parent) {
    auto* box = new QCheckBox(action->iconText(), parent);
    box->setToolTip(action->toolTip());
    box->setStatusTip(action->statusTip());
    box->setWhatsThis(action->whatsThis());
    box->setFocusPolicy(Qt::NoFocus);
    box->setProperty("commandId", action->data());
    auto sync = [box, action] {
        box->setEnabled(action->isEnabled());
        box->setChecked(action->isChecked());
    };
    sync();
    QObject::connect(action, &QAction::changed, box, sync);
    QObject::connect(box, &QCheckBox::clicked, action, [action, sync] {
        action->trigger();
        sync();
    });
    return box;
}

QToolButton* ButtonFor(QAction* action, bool large, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty("commandId", action->data());
    if (large) {
        button->setIconSize(QSize(kLargeIcon, kLargeIcon));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        button->setMinimumWidth(52);
    } else {
        button->setIconSize(QSize(kSmallIcon, kSmallIcon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    return button;
}

}  // namespace

RibbonPanel::RibbonPanel(const QString& title, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("ribbonPanel"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 2, 3, 1);
    layout->setSpacing(1);
    row_ = new QHBoxLayout;
    row_->setSpacing(2);
    layout->addLayout(row_, 1);
    title_ = new QLabel(title, this);
    title_->setAlignment(Qt::AlignCenter);
    QFont small = title_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    title_->setFont(small);
    title_->setEnabled(false);
    layout->addWidget(title_);
}

void RibbonPanel::AddLarge(QAction* action) {
    QToolButton* button = ButtonFor(action, true, this);
    row_->addWidget(button);
    elements_.append(button);
}

void RibbonPanel::AddSmallColumn(std::initializer_list<QAction*> actions) {
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    for (QAction* action : actions) {
        QToolButton* button = ButtonFor(action, false, this);
        column->addWidget(button);
        small_.append(button);
        elements_.append(button);
    }
    column->addStretch(1);
    row_->addLayout(column);
}

void RibbonPanel::AddCheckColumn(std::initializer_list<QAction*> actions) {
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    for (QAction* action : actions) {
        QCheckBox* box = CheckBoxFor(action, this);
        column->addWidget(box);
        elements_.append(box);
    }
    column->addStretch(1);
    row_->addLayout(column);
}

void RibbonPanel::SetCompact(bool compact) {
    for (QToolButton* button : small_) {
        button->setToolButtonStyle(compact ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    }
}

QString RibbonPanel::Title() const {
    return title_->text();
}

QWidget* RibbonPanel::ElementFor(int id) const {
    for (QWidget* element : elements_) {
        if (element->property("commandId").toInt() == id) {
            return element;
        }
    }
    return nullptr;
}

}  // namespace lumora::shell
