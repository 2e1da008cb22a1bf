#include "properties/double_click_actions.h"

#include "model/component_type.h"
#include "model/document.h"
#include "model/records.h"
#include "properties/handler_stub.h"

namespace lumora {

DoubleClickResult DoubleClickSelection(CLumoraDoc& doc) {
    DoubleClickResult result;
    if (doc.currentForm == nullptr || doc.currentComponent == nullptr) {
        return result;
    }
    CLmComponent& c = *doc.currentComponent;
    switch (ComponentTypeFromCode(c.type).value_or(ComponentType::Text)) {
        case ComponentType::Button:
            if (c.handler.empty()) {
                c.handler = SuggestedHandlerName(c);
                AppendHandlerStub(doc, c.handler);
                doc.SetModifiedFlag(true);
                result.refresh = Refresh::RefillGrid;
            }
            result.openCodeEditor = true;
            result.handlerToShow = c.handler;
            break;
        case ComponentType::OptionButton:
        case ComponentType::CheckBox:
            c.value = c.value == 0 ? 1 : 0;
            doc.SetModifiedFlag(true);
            result.refresh = Refresh::RefillGrid | Refresh::Render;
            break;
        case ComponentType::Text:
        case ComponentType::GroupBox:
        case ComponentType::Bitmap:
        case ComponentType::NumberEdit:
            break;
    }
    return result;
}

}  // namespace lumora
