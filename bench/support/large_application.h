#pragma once

#include "model/document.h"
#include "model/new_application.h"

namespace lumora::bench {

// A large design built with the editing operations: 64 forms of 255 components (every type),
// 100 bitmaps of 10 x 10 tiles and about a megabyte of custom code.
inline void BuildLargeApplication(CLumoraDoc& doc) {
    StartNewApplication(doc);
    for (int f = 0; f < 64; ++f) {
        if (f > 0) {
            doc.AddForm();
        }
        while (doc.currentForm->components.size() < 255) {
            const auto tool = static_cast<AddTool>(doc.currentForm->components.size() % 7);
            doc.AddComponent(tool);
            if (tool == AddTool::Button) {
                doc.currentComponent->handler = u"On" + doc.currentComponent->name;
            }
        }
    }
    for (int b = 0; b < 100; ++b) {
        doc.AddBitmap(10, 10, 1);
        for (std::size_t t = 0; t < doc.currentBitmap->tiles.size(); ++t) {
            for (int y = 0; y < TileImage::kSize; ++y) {
                doc.currentBitmap->tiles[t].SetPixel(static_cast<int>((t + y) % 16), y, 1);
            }
        }
    }
    const std::u16string line = u"PUB Method 'a line of custom code that takes some room\r\n";
    while (doc.customCode.size() < 512 * 1024) {
        doc.customCode += line;
    }
    doc.currentForm = doc.forms.front().get();
    doc.currentComponent = nullptr;
}

}  // namespace lumora::bench
