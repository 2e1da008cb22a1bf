#pragma once

#include <span>
#include <string_view>

namespace lumora {

enum class CommandKind { Push, Check, Radio };

// What the frame shows for one command: every place that shows the command (ribbon, menus,
// quick-access bar, shortcuts) takes it from here.
struct CommandInfo {
    int id = 0;
    std::u16string_view caption;    // with its '&' mnemonic
    std::u16string_view toolTip;    // empty: the caption without '&'
    std::u16string_view statusTip;  // the status bar prompt
    std::u16string_view keyTip;     // the letter shown after Alt, empty when none
    std::string_view shortcuts;     // portable key names, ';' between alternatives
    std::string_view icon;          // resource name of the icon, empty when none
    CommandKind kind = CommandKind::Push;
};

// Every command the frame registers, in no particular order; ids are unique.
std::span<const CommandInfo> CommandCatalog();

// The entry of the id, or nullptr.
const CommandInfo* FindCommand(int id);

// The caption as a tool tip shows it: mnemonics removed, "&&" kept as one '&'.
std::u16string StripMnemonic(std::u16string_view caption);

}  // namespace lumora
