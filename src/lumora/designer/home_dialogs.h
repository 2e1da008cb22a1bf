#pragma once

#include <functional>
#include <optional>

#include "properties/add_bitmap_rules.h"

class QWidget;

namespace lumora {
class CLumoraDoc;
}

namespace lumora::designer {

// The dialogs behind Add Bitmap, Settings, Colors and Objects, filled by the issues that build
// them. A command whose dialog is missing stays disabled.
struct HomeDialogs {
    // "Add Bitmap to Application": the accepted values, nothing when cancelled.
    std::function<std::optional<AddBitmapCheck>(QWidget*, CLumoraDoc&)> addBitmap;
    // "Application Settings" and "View/Edit App Colors": true when closed with OK (the dialog
    // has written its values into the document).
    std::function<bool(QWidget*, CLumoraDoc&)> settings;
    std::function<bool(QWidget*, CLumoraDoc&)> colors;
    // "Edit Application Objects": its result is not used.
    std::function<void(QWidget*, CLumoraDoc&)> objects;
};

}  // namespace lumora::designer
