#pragma once

#include <stdexcept>
#include <string_view>

#include "designer/view_geometry.h"
#include "model/document.h"
#include "model/new_application.h"
#include "model/records.h"
#include "recording_messages.h"
#include "recording_object_tree.h"

namespace lumora::testing {

// A new application with recording seams, marked unmodified. Form1 lies at column 8, row 5;
// its Group1 covers screen columns 12..36 and rows 10..23, its Button1 columns 26..35 and rows
// 29..32.
struct DesignerDocument {
    DesignerDocument() {
        doc.AttachMessages(&messages);
        doc.AttachObjectTree(&tree);
        StartNewApplication(doc);
        doc.currentComponent = nullptr;
        doc.SetModifiedFlag(false);
        tree.rebuilds = 0;
    }
    CLmForm& Form1() { return *doc.forms[0]; }
    CLmComponent& Named(std::u16string_view name) {
        for (const auto& c : Form1().components) {
            if (c->name == name) {
                return *c;
            }
        }
        throw std::logic_error("no such component");
    }
    // The content point at the middle of a screen tile, at full size.
    static ContentPoint Tile(int column, int row) { return {column * 16 + 8, row * 16 + 8}; }

    CLumoraDoc doc;
    RecordingMessages messages;
    RecordingObjectTree tree;
};

}  // namespace lumora::testing
