#include "designer/tree_selection.h"

#include "model/document.h"

namespace lumora {

Refresh HandleTreeSelection(CLumoraDoc& doc, std::u16string_view itemText) {
    doc.SelectByName(itemText);
    const Refresh screen = doc.currentForm != nullptr ? Refresh::Render : Refresh::Repaint;
    return screen | Refresh::RefillGrid;
}

}  // namespace lumora
