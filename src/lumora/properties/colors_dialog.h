#pragma once

#include <QDialog>
#include <vector>

#include "properties/app_colors.h"
#include "properties/app_colors_dialog.h"
#include "properties/refresh.h"

namespace lumora {
class CLumoraDoc;
}

namespace lumora::ui {

class ColorButton;

// "View/Edit App Colors": one colour button per text colour (foreground, background) and per
// graphics colour (four a set). The document changes only at OK.
class AppColorsDialog : public QDialog {
    Q_OBJECT

  public:
    AppColorsDialog(CLumoraDoc& doc, const Palette& palette, QWidget* parent = nullptr);

    // The button of a control identifier (1005..1054), or none.
    ColorButton* Button(int controlId) const;
    // What the view must refresh after OK; None until then.
    Refresh Result() const { return result_; }

    void accept() override;

  private:
    CLumoraDoc& doc_;
    ColorButtonChoices opened_;
    std::vector<ColorButton*> buttons_;  // in the order of ColorButtonSlots()
    Refresh result_ = Refresh::None;
};

}  // namespace lumora::ui
