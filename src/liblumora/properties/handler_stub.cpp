#include "properties/handler_stub.h"

#include "model/document.h"
#include "model/records.h"

namespace lumora {

std::u16string HandlerStub(std::u16string_view handlerName) {
    std::u16string stub = u"\r\nPUB ";
    stub += handlerName;
    stub += u"\r\n\r\n";
    return stub;
}

void AppendHandlerStub(CLumoraDoc& doc, std::u16string_view handlerName) {
    doc.customCode += HandlerStub(handlerName);
}

std::u16string SuggestedHandlerName(const CLmComponent& button) {
    return u"On" + button.name;
}

}  // namespace lumora
