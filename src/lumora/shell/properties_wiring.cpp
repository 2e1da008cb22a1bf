#include "shell/properties_wiring.h"

#include "designer/command_ids.h"
#include "designer/command_state.h"
#include "objecttree/object_tree_pane.h"
#include "properties/app_colors.h"
#include "properties/dialog_commands.h"
#include "properties/properties_pane.h"
#include "shell/command_table.h"
#include "shell/main_frame.h"

namespace lumora::shell {

namespace {

// The grid's part of a refresh is done here; the rest goes to the view.
void Perform(MainFrame& frame, ui::PropertiesPane& pane, Refresh refresh) {
    if (Includes(refresh, Refresh::RefillGrid)) {
        pane.FillPropertyGrid();
    }
    const Refresh view = static_cast<Refresh>(static_cast<std::uint8_t>(refresh) &
                                              ~static_cast<std::uint8_t>(Refresh::RefillGrid));
    if (view != Refresh::None) {
        frame.RequestViewRefresh(view);
    }
}

}  // namespace

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

    CommandTable& commands = frame.Commands();
    const auto rule = [&frame](int id) {
        return [&frame, id] {
            return ViewCommandState(id, frame.Document(), false).value_or(CommandState{});
        };
    };
    commands.SetHandler(
        cmd::kAddBitmap,
        [&frame, pane] {
            Perform(frame, *pane, ui::RunAddBitmapCommand(&frame, frame.Document()));
        },
        rule(cmd::kAddBitmap));
    commands.SetHandler(
        cmd::kSettings,
        [&frame, pane] { Perform(frame, *pane, ui::RunSettingsCommand(&frame, frame.Document())); },
        rule(cmd::kSettings));
    commands.SetHandler(
        cmd::kColors,
        [&frame, pane] {
            Perform(frame, *pane,
                    ui::RunAppColorsCommand(&frame, frame.Document(), kPropellerPalette));
        },
        rule(cmd::kColors));
    return pane;
}

}  // namespace lumora::shell
