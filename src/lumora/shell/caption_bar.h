#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

namespace lumora::shell {

// The information bar above the designer view (221): an image with its tool tip, a line of
// text and a button that closes the bar.
class CaptionBar : public QFrame {
    Q_OBJECT
  public:
    explicit CaptionBar(QWidget* parent = nullptr);
    QLabel* Image() const { return image_; }
    QLabel* Text() const { return text_; }
    QToolButton* CloseButton() const { return close_; }

  signals:
    void closed();

  private:
    QLabel* image_ = nullptr;
    QLabel* text_ = nullptr;
    QToolButton* close_ = nullptr;
};

}  // namespace lumora::shell
