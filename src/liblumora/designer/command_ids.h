#pragma once

namespace lumora::cmd {

// Command identifiers, shared by the ribbon, the menus, the shortcuts and the tests.
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintDirect = 57608;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFileMruFirst = 57616;
inline constexpr int kRecentFileCount = 10;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kContextHelp = 57669;
inline constexpr int kHelp = 57670;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;

inline constexpr int kEditClear = 57632;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditSelectAll = 57642;
inline constexpr int kEditUndo = 57643;

inline constexpr int kViewStatusBar = 59393;
inline constexpr int kViewCaptionBar = 221;
inline constexpr int kViewProperties = 104;
inline constexpr int kViewObjectTree = 105;
inline constexpr int kViewOutput = 107;
inline constexpr int kViewFormsHalf = 32786;

inline constexpr int kAddForm = 190;
inline constexpr int kAddBitmap = 191;
inline constexpr int kSettings = 192;
inline constexpr int kColors = 32782;
inline constexpr int kHandlerCode = 32791;
inline constexpr int kObjects = 32793;

inline constexpr int kAddButton = 180;  // 180..186: the AddTool index is the id - 180
inline constexpr int kAddNumberEdit = 186;

inline constexpr int kBuildApp = 32784;

inline constexpr int kLookFirst = 210;  // 210..218
inline constexpr int kLookBlue = 215;
inline constexpr int kLookLast = 218;

// The panes' own commands, routed to the pane that shows them.
inline constexpr int kOutputHide = 149;
inline constexpr int kTreeNewFolder = 143;
inline constexpr int kTreeSortMenu = 144;
inline constexpr int kTreeGroupByType = 145;
inline constexpr int kTreeSortAlphabetic = 146;
inline constexpr int kTreeSortByType = 147;
inline constexpr int kTreeSortByAccess = 148;
inline constexpr int kTreeAddHandler = 32772;
inline constexpr int kTreeAddVariable = 32773;
inline constexpr int kTreeDefinition = 32774;

}  // namespace lumora::cmd
