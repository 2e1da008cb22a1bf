#pragma once

#include <functional>

class QMenu;
class QWidget;

namespace lumora {
class RecentFileList;
}

namespace lumora::shell {

class CommandTable;

// The application button's menu ("File"): New, Open..., Save, Save As..., the Print sub-menu,
// Close, "Recent Documents" and Exit, each showing its command from the table.
QMenu* BuildApplicationMenu(CommandTable& commands, const RecentFileList& recent, QWidget* parent);

// The ribbon's "Style" menu: the four Office 2007 themes, then the older looks.
QMenu* BuildStyleMenu(CommandTable& commands, QWidget* parent);

}  // namespace lumora::shell
