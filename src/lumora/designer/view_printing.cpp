#include "designer/view_printing.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "screen/tile_screen.h"

namespace lumora::designer {

QRect PrintTarget(const QRect& page) {
    const qint64 w = page.width();
    const qint64 h = page.height();
    if (w <= 0 || h <= 0) {
        return {page.topLeft(), QSize(0, 0)};
    }
    // The wider of the two fills its side; integer arithmetic keeps the ratio exact.
    if (w * kScreenHeight <= h * kScreenWidth) {
        return {page.topLeft(),
                QSize(static_cast<int>(w), static_cast<int>(w * kScreenHeight / kScreenWidth))};
    }
    return {page.topLeft(),
            QSize(static_cast<int>(h * kScreenWidth / kScreenHeight), static_cast<int>(h))};
}

void PaintPage(QPainter& painter, const QRect& page, const QImage& content) {
    const QRect target = PrintTarget(page);
    painter.drawImage(target, content, QRect(0, 0, kScreenWidth, kScreenHeight));
}

void PrintContent(QPrinter& printer, const QImage& content) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    // The painter's origin is the printable area's top-left corner.
    const QRect page(QPoint(0, 0),
                     printer.pageLayout().paintRectPixels(printer.resolution()).size());
    PaintPage(painter, page, content);
}

PrintPreviewWindow::PrintPreviewWindow(QPrinter& printer, QImage content, QWidget* parent)
    : QDialog(parent), printer_(printer), content_(std::move(content)) {
    setWindowTitle(QStringLiteral("Print Preview"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    preview_ = new QPrintPreviewWidget(&printer_, this);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* target) { PrintContent(*target, content_); });
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print =
        buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(print, &QPushButton::clicked, this, &PrintPreviewWindow::Print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(preview_);
    layout->addWidget(buttons);
    resize(800, 640);
}

void PrintPreviewWindow::Print() {
    preview_->print();
    close();
}

}  // namespace lumora::designer
