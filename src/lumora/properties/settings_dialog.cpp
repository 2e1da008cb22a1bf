#include "settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt_text.h"

namespace lumora::ui {

namespace {

QComboBox* MakeList(const SettingsList& list, const QString& objectName, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setEditable(false);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const std::u16string& entry : list.entries) {
        combo->addItem(ToQString(entry));
    }
    combo->setCurrentIndex(list.selected ? static_cast<int>(*list.selected) : -1);
    return combo;
}

void ReadList(const QComboBox* combo, SettingsList& list) {
    const int index = combo->currentIndex();
    if (index >= 0 && static_cast<std::size_t>(index) < list.entries.size()) {
        list.selected = static_cast<std::size_t>(index);
    } else {
        list.selected.reset();
    }
}

}  // namespace

SettingsDialog::SettingsDialog(CLumoraDoc& doc, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      choices_(OpenSettings(doc)),
      mainForm_(MakeList(choices_.mainForm, QStringLiteral("mainFormList"), this)),
      backgroundBitmap_(
          MakeList(choices_.backgroundBitmap, QStringLiteral("backgroundBitmapList"), this)),
      backgroundColor_(
          MakeList(choices_.backgroundColor, QStringLiteral("backgroundColorList"), this)) {
    setWindowTitle(QStringLiteral("Application Settings"));

    auto* grid = new QGridLayout;
    const struct {
        const char* label;
        QComboBox* list;
        const char* explanation;
    } rows[] = {
        {"Main Form Name:", mainForm_, "Name of form that is shown at startup"},
        {"Background Bitmap Name:", backgroundBitmap_, "Name of background bitmap"},
        {"Background Bitmap Color:", backgroundColor_, "Color set to draw background bitmap with"},
    };
    int row = 0;
    for (const auto& r : rows) {
        auto* label = new QLabel(QString::fromLatin1(r.label), this);
        label->setBuddy(r.list);
        grid->addWidget(label, row, 0);
        grid->addWidget(r.list, row, 1);
        grid->addWidget(new QLabel(QString::fromLatin1(r.explanation), this), row, 2);
        ++row;
    }
    grid->setColumnMinimumWidth(1, 140);

    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttonBox);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(mainForm_, backgroundBitmap_);
    setTabOrder(backgroundBitmap_, backgroundColor_);
    mainForm_->setFocus();
}

void SettingsDialog::accept() {
    ReadList(mainForm_, choices_.mainForm);
    ReadList(backgroundBitmap_, choices_.backgroundBitmap);
    ReadList(backgroundColor_, choices_.backgroundColor);
    result_ = ApplySettings(doc_, choices_);
    QDialog::accept();
}

}  // namespace lumora::ui
