#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumora {

// The question asked before a modified document is given up.
std::u16string SaveChangesPrompt(std::u16string_view documentName);

// The main window's title for the document's title ("Untitled - Lumora").
std::u16string FrameTitle(std::u16string_view documentTitle);

// A recent-file menu entry: "&1 name.lmd", "1&0 name.lmd"; '&' in the name shown as itself.
std::u16string RecentFileMenuText(int index, const std::filesystem::path& path);

}  // namespace lumora
