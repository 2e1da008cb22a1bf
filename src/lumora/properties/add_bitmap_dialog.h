#pragma once

#include <QDialog>

#include "properties/add_bitmap_rules.h"

class QLineEdit;
class QRadioButton;

namespace lumora {
class CLumoraDoc;
}

namespace lumora::ui {

// "Add Bitmap to Application": the type and the size in tiles of a new bitmap. OK checks the
// fields through the core; a refused value leaves the dialog open with the focus in its field.
class AddBitmapDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AddBitmapDialog(const CLumoraDoc& doc, QWidget* parent = nullptr);

    // The checked values after OK.
    const AddBitmapCheck& Check() const { return check_; }

    QLineEdit* WidthField() const { return width_; }
    QLineEdit* HeightField() const { return height_; }
    QRadioButton* OneBitButton() const { return oneBit_; }
    QRadioButton* TwoBitButton() const { return twoBit_; }

    void accept() override;

  private:
    const CLumoraDoc& doc_;
    QRadioButton* oneBit_;
    QRadioButton* twoBit_;
    QLineEdit* width_;
    QLineEdit* height_;
    AddBitmapCheck check_;
};

}  // namespace lumora::ui
