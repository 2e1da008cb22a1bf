#pragma once

#include <optional>

namespace lumora {

class CLumoraDoc;

// What a command's update rule reports before a menu shows, after a command and on idle.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    friend bool operator==(const CommandState&, const CommandState&) = default;
};

// What the frame knows of itself when its own commands are asked for their state.
struct FrameStatus {
    bool statusBarVisible = true;
    bool captionBarVisible = true;
    bool propertiesVisible = true;
    bool objectTreeVisible = true;
    bool outputVisible = true;
    int applicationLook = 0;
};

// The frame's commands: pane and bar toggles checked while shown, the style with its radio
// mark. Empty for any other id.
std::optional<CommandState> FrameCommandState(int id, const FrameStatus& frame);

// The designer view's commands: the add and cut commands and "Forms 50%" need a current form.
// Empty for any other id.
std::optional<CommandState> ViewCommandState(int id, const CLumoraDoc& doc, bool zoomHalf);

}  // namespace lumora
