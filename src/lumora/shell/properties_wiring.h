#pragma once

namespace lumora::ui {
class PropertiesPane;
}

namespace lumora::shell {

class MainFrame;

// Puts a Properties pane for the frame's document into the "Properties" dock, keeps it filled
// as the selection and the document change, and attaches the Add Bitmap, Settings and App
// Colors commands. Returns the pane, owned by the dock.
ui::PropertiesPane* AttachPropertiesPane(MainFrame& frame);

}  // namespace lumora::shell
