#include "colors_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "color_button.h"
#include "qt_text.h"

namespace lumora::ui {

AppColorsDialog::AppColorsDialog(CLumoraDoc& doc, const Palette& palette, QWidget* parent)
    : QDialog(parent), doc_(doc), opened_(OpenAppColors(doc)) {
    setWindowTitle(QStringLiteral("View/Edit App Colors"));
    const auto& buttonSlots = ColorButtonSlots();
    for (std::size_t i = 0; i < buttonSlots.size(); ++i) {
        auto* button = new ColorButton(palette, opened_[i], this);
        button->setObjectName(QStringLiteral("colorButton%1").arg(buttonSlots[i].controlId));
        buttons_.push_back(button);
    }

    // Columns: label, four colour columns, meaning. Text sets use the first two.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    int row = 0;
    grid->addWidget(new QLabel(QStringLiteral("Foreground"), this), row, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("Background"), this), row, 2, Qt::AlignCenter);
    ++row;
    std::size_t next = 0;
    for (int t = 0; t < kTextColorSetCount; ++t, ++row) {
        grid->addWidget(new QLabel(ToQString(TextColorSetLabel(t)), this), row, 0);
        for (int p = 0; p < 2; ++p) {
            grid->addWidget(buttons_[next++], row, 1 + p);
        }
        grid->addWidget(new QLabel(ToQString(TextColorSetMeaning(t)), this), row, 5);
    }
    grid->setRowMinimumHeight(row++, 10);
    for (int g = 0; g < kGraphicsColorSetCount; ++g, ++row) {
        grid->addWidget(new QLabel(ToQString(GraphicsColorSetLabel(g)), this), row, 0);
        for (int p = 0; p < 4; ++p) {
            grid->addWidget(buttons_[next++], row, 1 + p);
        }
        grid->addWidget(new QLabel(ToQString(GraphicsColorSetMeaning(g)), this), row, 5);
    }

    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttonBox);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ColorButton* AppColorsDialog::Button(int controlId) const {
    const auto& buttonSlots = ColorButtonSlots();
    for (std::size_t i = 0; i < buttonSlots.size(); ++i) {
        if (buttonSlots[i].controlId == controlId) {
            return buttons_[i];
        }
    }
    return nullptr;
}

void AppColorsDialog::accept() {
    ColorButtonChoices chosen{};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        chosen[i] = buttons_[i]->PaletteIndex();
    }
    result_ = ApplyAppColors(doc_, opened_, chosen);
    QDialog::accept();
}

}  // namespace lumora::ui
