#include "properties_pane.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QToolBar>
#include <QVBoxLayout>

#include "model/document.h"
#include "properties/property_change.h"
#include "properties/property_set.h"
#include "property_grid.h"
#include "qt_text.h"

namespace lumora::ui {

namespace {

// Small drawn icons, so the toolbar never depends on an icon theme being installed.
QIcon ExpandAllIcon(const QPalette& palette) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(palette.color(QPalette::WindowText));
    for (int y : {1, 9}) {
        painter.drawRect(1, y, 6, 6);
        painter.drawLine(3, y + 3, 5, y + 3);
        painter.drawLine(4, y + 2, 4, y + 4);
        painter.drawLine(9, y + 3, 15, y + 3);
    }
    return QIcon(pixmap);
}

QIcon AlphabeticalIcon(const QPalette& palette) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setPixelSize(8);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawText(QRect(0, 0, 10, 8), Qt::AlignCenter, QStringLiteral("A"));
    painter.drawText(QRect(0, 8, 10, 8), Qt::AlignCenter, QStringLiteral("Z"));
    painter.drawLine(13, 2, 13, 14);
    painter.drawLine(11, 12, 13, 14);
    painter.drawLine(15, 12, 13, 14);
    return QIcon(pixmap);
}

}  // namespace

PropertiesPane::PropertiesPane(CLumoraDoc& doc, QWidget* parent)
    : QWidget(parent),
      doc_(doc),
      objectList_(new QComboBox(this)),
      toolBar_(new QToolBar(this)),
      grid_(new PropertyGrid(this)) {
    setObjectName(QStringLiteral("propertiesPane"));
    objectList_->setObjectName(QStringLiteral("propertiesWindowList"));
    objectList_->addItem(QStringLiteral("Properties Window"));
    objectList_->setCurrentIndex(0);
    // About 200 pixels when dropped down.
    objectList_->setMaxVisibleItems(qMax(1, 200 / qMax(1, objectList_->fontMetrics().height())));

    toolBar_->setObjectName(QStringLiteral("propertiesToolBar"));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(false);
    expandAll_ = toolBar_->addAction(ExpandAllIcon(palette()), QStringLiteral("Expand All"));
    expandAll_->setObjectName(QStringLiteral("expandAllAction"));
    alphabetical_ = toolBar_->addAction(AlphabeticalIcon(palette()), QStringLiteral("Sort"));
    alphabetical_->setObjectName(QStringLiteral("alphabeticalAction"));
    alphabetical_->setCheckable(true);
    connect(expandAll_, &QAction::triggered, grid_, &PropertyGrid::ExpandAll);
    connect(alphabetical_, &QAction::toggled, grid_, &PropertyGrid::SetAlphabetical);
    connect(grid_, &PropertyGrid::entryEdited, this, &PropertiesPane::OnEntryEdited);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(objectList_);
    layout->addWidget(toolBar_);
    layout->addWidget(grid_, 1);
    setFocusProxy(grid_);
    ApplyMenuFont();
}

void PropertiesPane::FillPropertyGrid() {
    grid_->Show(BuildPropertySet(doc_));
}

void PropertiesPane::OnEntryEdited(const QString& name, const QString& text) {
    const std::u16string entryName = ToU16(name);
    const PropertyChangeResult result = ChangeProperty(doc_, entryName, ToU16(text));
    switch (result.outcome) {
        case ChangeOutcome::Accepted: {
            // The entry shows the value as stored (typed "12xyz" shows 12).
            const PropertySet set = BuildPropertySet(doc_);
            if (const PropertyEntry* entry = set.Find(entryName)) {
                grid_->SetEntryText(name, ToQString(DisplayText(entry->value)));
            }
            break;
        }
        case ChangeOutcome::Rejected:
            grid_->SetEntryText(name, ToQString(DisplayText(result.restoredValue)));
            break;
        default:
            break;
    }
    if (Includes(result.refresh, Refresh::RefillGrid)) {
        FillPropertyGrid();
    }
    const Refresh view =
        static_cast<Refresh>(static_cast<std::uint8_t>(result.refresh) &
                             static_cast<std::uint8_t>(Refresh::Render | Refresh::Repaint));
    if (view != Refresh::None) {
        emit viewRefreshRequested(view);
    }
}

void PropertiesPane::ApplyMenuFont() {
    // The regular interface font, sized and styled like the system's menus.
    QFont font = QApplication::font();
    const QFont menu = QApplication::font("QMenu");
    if (menu.pointSizeF() > 0) {
        font.setPointSizeF(menu.pointSizeF());
    } else if (menu.pixelSize() > 0) {
        font.setPixelSize(menu.pixelSize());
    }
    font.setWeight(menu.weight());
    font.setItalic(menu.italic());
    grid_->setFont(font);
}

bool PropertiesPane::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ApplicationFontChange) {
        ApplyMenuFont();
    }
    return handled;
}

}  // namespace lumora::ui
