#include "designer/home_commands.h"

#include "codegen/tab_replacement.h"
#include "model/component_type.h"
#include "model/document.h"

namespace lumora {

ViewResponse AddComponentCommand(CLumoraDoc& doc, int commandId) {
    ViewResponse response;
    if (commandId < kFirstAddCommand || commandId > kLastAddCommand || doc.currentForm == nullptr) {
        return response;
    }
    doc.AddComponent(static_cast<AddTool>(commandId - kFirstAddCommand));
    response.refresh = Refresh::Render | Refresh::RefillGrid;
    response.focusView = true;
    return response;
}

ViewResponse CutCommand(CLumoraDoc& doc) {
    ViewResponse response;
    if (doc.currentForm == nullptr) {
        return response;
    }
    doc.DeleteSelection();
    response.refresh = Refresh::RefillGrid | Refresh::Render;
    return response;
}

ViewResponse AddFormCommand(CLumoraDoc& doc) {
    doc.AddForm();
    ViewResponse response;
    response.refresh = Refresh::RefillGrid | Refresh::Render;
    return response;
}

ViewResponse AfterSettingsOrColors(const CLumoraDoc& doc) {
    ViewResponse response;
    response.refresh = doc.currentForm != nullptr ? Refresh::Render : Refresh::Repaint;
    return response;
}

ViewResponse ToggleHalfSize(ViewState& state) {
    state.zoomHalf = !state.zoomHalf;
    ViewResponse response;
    response.refresh = Refresh::Repaint;
    return response;
}

ViewResponse HandlerCodeAccepted(CLumoraDoc& doc, std::u16string text) {
    ReplaceTabs(text, doc.Messages());
    if (text != doc.customCode) {
        doc.customCode = std::move(text);
        doc.SetModifiedFlag(true);
    }
    return {};
}

}  // namespace lumora
