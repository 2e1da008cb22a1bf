#pragma once

namespace lumora::shell {
class MainFrame;
}

namespace lumora::designer {

class CLumoraView;

// Puts the view in the middle of the frame: its commands into the command table, the pointer
// position into status pane 120, the Object View's refreshes and every new or opened document
// to the view.
void AttachView(shell::MainFrame& frame, CLumoraView& view);

}  // namespace lumora::designer
