#include "shell/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/icons.h"

namespace lumora::shell {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Lumora"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(LumoraIcon("lumora").pixmap(48, 48));
    auto* version = new QLabel(QStringLiteral("Lumora, Version 1.0"), this);
    version->setObjectName(QStringLiteral("aboutVersion"));
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(version, 1);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

}  // namespace lumora::shell
