#pragma once

#include <string>
#include <string_view>

namespace lumora {

class CLumoraDoc;
struct CLmComponent;

// The empty method a new handler gets at the end of the custom code, so that the code editor
// can show it: a line break, "PUB " and the name, then two line breaks.
std::u16string HandlerStub(std::u16string_view handlerName);

void AppendHandlerStub(CLumoraDoc& doc, std::u16string_view handlerName);

// The handler a button is offered (and given on a double click): "On" + its name.
std::u16string SuggestedHandlerName(const CLmComponent& button);

}  // namespace lumora
