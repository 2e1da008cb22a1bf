#include "dialog_commands.h"

#include "add_bitmap_dialog.h"
#include "colors_dialog.h"
#include "settings_dialog.h"

namespace lumora::ui {

Refresh RunAddBitmapCommand(QWidget* parent, CLumoraDoc& doc) {
    AddBitmapDialog dialog(doc, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return Refresh::None;
    }
    return AddBitmapAfterOk(doc, dialog.Check());
}

Refresh RunSettingsCommand(QWidget* parent, CLumoraDoc& doc) {
    SettingsDialog dialog(doc, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Result() : Refresh::None;
}

Refresh RunAppColorsCommand(QWidget* parent, CLumoraDoc& doc, const Palette& palette) {
    AppColorsDialog dialog(doc, palette, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Result() : Refresh::None;
}

}  // namespace lumora::ui
