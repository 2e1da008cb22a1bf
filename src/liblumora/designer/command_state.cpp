#include "designer/command_state.h"

#include "designer/command_ids.h"
#include "model/document.h"

namespace lumora {

std::optional<CommandState> FrameCommandState(int id, const FrameStatus& frame) {
    switch (id) {
        case cmd::kViewStatusBar:
            return CommandState{true, frame.statusBarVisible};
        case cmd::kViewCaptionBar:
            return CommandState{true, frame.captionBarVisible};
        case cmd::kViewProperties:
            return CommandState{true, frame.propertiesVisible};
        case cmd::kViewObjectTree:
            return CommandState{true, frame.objectTreeVisible};
        case cmd::kViewOutput:
            return CommandState{true, frame.outputVisible};
        default:
            break;
    }
    if (id >= cmd::kLookFirst && id <= cmd::kLookLast) {
        return CommandState{true, id == frame.applicationLook};
    }
    return std::nullopt;
}

std::optional<CommandState> ViewCommandState(int id, const CLumoraDoc& doc, bool zoomHalf) {
    const bool formCurrent = doc.currentForm != nullptr;
    if ((id >= cmd::kAddButton && id <= cmd::kAddNumberEdit) || id == cmd::kEditCut) {
        return CommandState{formCurrent, false};
    }
    switch (id) {
        case cmd::kViewFormsHalf:
            return CommandState{formCurrent, zoomHalf};
        case cmd::kHandlerCode:
        case cmd::kAddForm:
        case cmd::kAddBitmap:
        case cmd::kSettings:
        case cmd::kColors:
        case cmd::kObjects:
            return CommandState{true, false};
        default:
            return std::nullopt;
    }
}

}  // namespace lumora
