#include "designer/object_tree_items.h"

#include "model/document.h"

namespace lumora {

std::vector<ObjectTreeItem> ObjectTreeItems(const CLumoraDoc& doc) {
    std::vector<ObjectTreeItem> items;
    items.push_back({doc.appName + u" Objects", TreeItemKind::Application, -1, false});
    for (const auto& form : doc.forms) {
        const int formIndex = static_cast<int>(items.size());
        const bool formShown = form.get() == doc.currentForm && doc.currentComponent == nullptr;
        items.push_back({form->name, TreeItemKind::Form, 0, formShown});
        for (const auto& component : form->components) {
            const bool shown = component.get() == doc.currentComponent;
            items.push_back({component->name, TreeItemKind::Component, formIndex, shown});
        }
    }
    for (const auto& bitmap : doc.bitmaps) {
        const bool shown = doc.currentForm == nullptr && bitmap.get() == doc.currentBitmap;
        items.push_back({bitmap->name, TreeItemKind::Bitmap, 0, shown});
    }
    return items;
}

int TreeImageIndex(TreeItemKind kind) {
    switch (kind) {
        case TreeItemKind::Application:
            return 0;
        case TreeItemKind::Form:
            return 1;
        case TreeItemKind::Component:
            return 5;
        case TreeItemKind::Bitmap:
            return 7;
    }
    return 0;
}

}  // namespace lumora
