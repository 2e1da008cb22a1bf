#pragma once

namespace lumora::shell {

class MainFrame;

// The frame's own commands: the pane and bar toggles, the visual styles, About, help and
// moving between panes.
void AttachFrameCommands(MainFrame& frame);

}  // namespace lumora::shell
