#pragma once

#include <QDialog>

namespace lumora::shell {

// "About Lumora": the application icon, the version line and OK.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace lumora::shell
