#pragma once

#include <QDialog>

#include "properties/refresh.h"
#include "properties/settings_rules.h"

class QComboBox;

namespace lumora {
class CLumoraDoc;
}

namespace lumora::ui {

// "Application Settings": the start-up form, the background bitmap and its colour set, each
// chosen from a list that cannot be typed into. OK writes the document through the core.
class SettingsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit SettingsDialog(CLumoraDoc& doc, QWidget* parent = nullptr);

    QComboBox* MainFormList() const { return mainForm_; }
    QComboBox* BackgroundBitmapList() const { return backgroundBitmap_; }
    QComboBox* BackgroundColorList() const { return backgroundColor_; }
    // What the view must refresh after OK; None until then.
    Refresh Result() const { return result_; }

    void accept() override;

  private:
    CLumoraDoc& doc_;
    SettingsChoices choices_;
    QComboBox* mainForm_;
    QComboBox* backgroundBitmap_;
    QComboBox* backgroundColor_;
    Refresh result_ = Refresh::None;
};

}  // namespace lumora::ui
