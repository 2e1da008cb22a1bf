#pragma once

#include <QDialog>
#include <QImage>
#include <QRect>

class QPainter;
class QPrinter;
class QPrintPreviewWidget;

namespace lumora::designer {

// Where the 1024 x 768 screen goes on a page: as large as fits, its proportions kept, from the
// page's top-left corner.
QRect PrintTarget(const QRect& page);

// Paints the view's content image onto one page.
void PaintPage(QPainter& painter, const QRect& page, const QImage& content);
void PrintContent(QPrinter& printer, const QImage& content);

// The print preview, shown beside the frame so that Print and Print Preview can reach it while
// it is open.
class PrintPreviewWindow : public QDialog {
    Q_OBJECT
  public:
    PrintPreviewWindow(QPrinter& printer, QImage content, QWidget* parent);
    // Prints what the preview shows, as the preview's own print button does.
    void Print();
    QPrintPreviewWidget* Preview() const { return preview_; }

  private:
    QPrinter& printer_;
    QImage content_;
    QPrintPreviewWidget* preview_ = nullptr;
};

}  // namespace lumora::designer
