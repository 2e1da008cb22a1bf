#pragma once

#include "designer/home_dialogs.h"

namespace lumora::ui {
class PropertiesPane;
}

namespace lumora::shell {

class MainFrame;

// Puts a Properties pane for the frame's document into the "Properties" dock and keeps it
// filled as the selection and the document change. Returns the pane, owned by the dock.
ui::PropertiesPane* AttachPropertiesPane(MainFrame& frame);

// The Add Bitmap, Settings and App Colors dialogs behind the view's Home commands.
designer::HomeDialogs MakeHomeDialogs();

}  // namespace lumora::shell
