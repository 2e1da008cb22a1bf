#include "add_bitmap_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qt_text.h"

namespace lumora::ui {

AddBitmapDialog::AddBitmapDialog(const CLumoraDoc& doc, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      oneBit_(new QRadioButton(QStringLiteral("1-Bit Bitmap"), this)),
      twoBit_(new QRadioButton(QStringLiteral("2-Bit Bitmap"), this)),
      width_(new QLineEdit(this)),
      height_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Add Bitmap to Application"));
    const AddBitmapValues defaults;
    oneBit_->setObjectName(QStringLiteral("oneBitButton"));
    twoBit_->setObjectName(QStringLiteral("twoBitButton"));
    width_->setObjectName(QStringLiteral("widthField"));
    height_->setObjectName(QStringLiteral("heightField"));
    oneBit_->setChecked(defaults.bitmapType == 0);
    twoBit_->setChecked(defaults.bitmapType == 1);
    oneBit_->setEnabled(IsBitmapTypeChoosable(0));
    twoBit_->setEnabled(IsBitmapTypeChoosable(1));
    width_->setText(ToQString(defaults.widthText));
    height_->setText(ToQString(defaults.heightText));

    auto* typeFrame = new QGroupBox(QStringLiteral("Bitmap Type"), this);
    auto* typeLayout = new QVBoxLayout(typeFrame);
    typeLayout->addWidget(oneBit_);
    typeLayout->addWidget(twoBit_);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Width (tiles):"), width_);
    fields->addRow(QStringLiteral("Height (tiles):"), height_);

    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Specify Bitmap Parameters:"), this));
    layout->addWidget(typeFrame);
    layout->addLayout(fields);
    layout->addWidget(new QLabel(QStringLiteral("Note:  Each tile is 16x16 pixels"), this));
    layout->addWidget(buttonBox);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(oneBit_, width_);
    setTabOrder(width_, height_);
    width_->setFocus();
    width_->selectAll();
}

void AddBitmapDialog::accept() {
    AddBitmapValues values;
    values.widthText = ToU16(width_->text());
    values.heightText = ToU16(height_->text());
    values.bitmapType = twoBit_->isChecked() ? 1 : 0;
    const AddBitmapCheck check = CheckAddBitmapValues(doc_, values);
    if (!check.accepted) {
        QLineEdit* field = check.focus == AddBitmapField::Height ? height_ : width_;
        field->setFocus();
        field->selectAll();
        return;
    }
    check_ = check;
    QDialog::accept();
}

}  // namespace lumora::ui
