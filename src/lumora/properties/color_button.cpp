#include "color_button.h"

#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QWidgetAction>

namespace lumora::ui {

namespace {

QColor ToQColor(RgbColor color) {
    return QColor(color.red, color.green, color.blue);
}

QIcon SwatchIcon(QColor color, QSize size, QColor frame) {
    QPixmap pixmap(size);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(frame);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return QIcon(pixmap);
}

}  // namespace

ColorButton::ColorButton(const Palette& palette, int paletteIndex, QWidget* parent)
    : QToolButton(parent), palette_(palette), menu_(new QMenu(this)), grid_(new QWidget(menu_)) {
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(36, 14));
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QGridLayout(grid_);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    for (int i = 0; i < kPaletteSize; ++i) {
        auto* swatch = new QToolButton(grid_);
        const RgbColor rgb = palette_[static_cast<std::size_t>(i)];
        swatch->setObjectName(QStringLiteral("swatch%1").arg(i));
        swatch->setAutoRaise(true);
        swatch->setIconSize(QSize(16, 16));
        swatch->setIcon(SwatchIcon(ToQColor(rgb), QSize(16, 16), Qt::gray));
        swatch->setToolTip(
            QStringLiteral("RGB(%1, %2, %3)").arg(rgb.red).arg(rgb.green).arg(rgb.blue));
        swatch->setFocusPolicy(Qt::StrongFocus);
        connect(swatch, &QToolButton::clicked, this, [this, i] {
            menu_->close();
            SetPaletteIndex(i);
            emit colorChosen(i);
        });
        layout->addWidget(swatch, i / kColumns, i % kColumns);
    }
    auto* action = new QWidgetAction(menu_);
    action->setDefaultWidget(grid_);
    menu_->addAction(action);
    setMenu(menu_);
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        if (QToolButton* current = Swatch(index_)) {
            current->setFocus();
        }
    });
    SetPaletteIndex(paletteIndex);
}

void ColorButton::SetPaletteIndex(int index) {
    index_ = index < 0 ? 0 : (index >= kPaletteSize ? kPaletteSize - 1 : index);
    const RgbColor rgb = palette_[static_cast<std::size_t>(index_)];
    setIcon(SwatchIcon(ToQColor(rgb), iconSize(), palette().color(QPalette::WindowText)));
    setToolTip(QStringLiteral("RGB(%1, %2, %3)").arg(rgb.red).arg(rgb.green).arg(rgb.blue));
}

QToolButton* ColorButton::Swatch(int index) const {
    return grid_->findChild<QToolButton*>(QStringLiteral("swatch%1").arg(index));
}

}  // namespace lumora::ui
