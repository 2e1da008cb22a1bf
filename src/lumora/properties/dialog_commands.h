#pragma once

#include "properties/app_colors.h"
#include "properties/refresh.h"

class QWidget;

namespace lumora {
class CLumoraDoc;
}

namespace lumora::ui {

// The view's dialog commands: each opens its dialog modally and, on OK, does what the command
// does afterwards. They return what the view must refresh (None after Cancel).
Refresh RunAddBitmapCommand(QWidget* parent, CLumoraDoc& doc);                          // 191
Refresh RunSettingsCommand(QWidget* parent, CLumoraDoc& doc);                           // 192
Refresh RunAppColorsCommand(QWidget* parent, CLumoraDoc& doc, const Palette& palette);  // 32782

}  // namespace lumora::ui
