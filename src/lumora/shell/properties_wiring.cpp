#include "shell/properties_wiring.h"

#include "objecttree/object_tree_pane.h"
#include "properties/add_bitmap_dialog.h"
#include "properties/app_colors.h"
#include "properties/colors_dialog.h"
#include "properties/properties_pane.h"
#include "properties/settings_dialog.h"
#include "shell/main_frame.h"

namespace lumora::shell {

ui::PropertiesPane* AttachPropertiesPane(MainFrame& frame) {
    auto* pane = new ui::PropertiesPane(frame.Document(), &frame);
    frame.SetPropertiesContent(pane);

    QObject::connect(pane, &ui::PropertiesPane::viewRefreshRequested, &frame,
                     [&frame](Refresh refresh) { frame.RequestViewRefresh(refresh); });
    // Connected after the frame's own handler, so the document already holds the new selection.
    QObject::connect(&frame.ObjectTree(), &objecttree::ObjectTreePane::selectionChanged, pane,
                     [pane] { pane->FillPropertyGrid(); });
    QObject::connect(&frame, &MainFrame::documentReplaced, pane,
                     [pane] { pane->FillPropertyGrid(); });

    return pane;
}

designer::HomeDialogs MakeHomeDialogs() {
    designer::HomeDialogs dialogs;
    dialogs.addBitmap = [](QWidget* parent, CLumoraDoc& doc) -> std::optional<AddBitmapCheck> {
        ui::AddBitmapDialog dialog(doc, parent);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.Check();
    };
    dialogs.settings = [](QWidget* parent, CLumoraDoc& doc) {
        ui::SettingsDialog dialog(doc, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    dialogs.colors = [](QWidget* parent, CLumoraDoc& doc) {
        ui::AppColorsDialog dialog(doc, kPropellerPalette, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    return dialogs;
}

}  // namespace lumora::shell
