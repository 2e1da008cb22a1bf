#include "designer/command_catalog.h"

#include <array>
#include <string>

#include "designer/command_ids.h"

namespace lumora {

namespace {

using K = CommandKind;

// Prompts of the framework's own commands are the customary ones of a document program.
constexpr std::array kCatalog = std::to_array<CommandInfo>({
    {cmd::kFileNew, u"&New", u"New", u"Create a new document", u"", "Ctrl+N", "file-new"},
    {cmd::kFileOpen, u"&Open...", u"Open", u"Open an existing document", u"", "Ctrl+O",
     "file-open"},
    {cmd::kFileSave, u"&Save", u"Save", u"Save the active document", u"", "Ctrl+S", "file-save"},
    {cmd::kFileSaveAs, u"Save &As...", u"Save As", u"Save the active document with a new name", u"",
     "", "file-save-as"},
    {cmd::kFilePrint, u"Print", u"Print", u"Print the active document", u"p", "Ctrl+P",
     "file-print"},
    {cmd::kFilePrintDirect, u"&Quick Print", u"Quick Print",
     u"Print the active document using current options", u"", "", "file-quick-print"},
    {cmd::kFilePrintPreview, u"Print Pre&view", u"Print Preview", u"Display full pages", u"", "",
     "file-print-preview", K::Check},
    {cmd::kFilePrintSetup, u"Print Set&up", u"Print Setup",
     u"Change the printer and printing options", u"", "", "file-print-setup"},
    {cmd::kFileClose, u"&Close", u"Close", u"Close the active document", u"", "", "file-close"},
    {cmd::kAppExit, u"E&xit", u"Exit", u"Quit the application; prompts to save documents", u"", "",
     "app-exit"},
    {cmd::kAppAbout, u"&About", u"About",
     u"Display program information, version number and copyright", u"a", "", "app-about"},
    {cmd::kHelp, u"&Help", u"Help", u"List Help topics", u"", "F1", ""},
    {cmd::kContextHelp, u"&What's This?", u"Help",
     u"Display help for clicked on buttons, menus and windows", u"", "Shift+F1", ""},
    {cmd::kNextPane, u"Next Pane", u"Next Pane", u"Switch to the next window pane", u"", "F6", ""},
    {cmd::kPrevPane, u"Previous Pane", u"Previous Pane", u"Switch back to the previous window pane",
     u"", "Shift+F6", ""},

    {cmd::kEditPaste, u"Paste", u"Paste", u"Insert Clipboard contents", u"v", "Ctrl+V;Shift+Ins",
     "edit-paste"},
    {cmd::kEditCut, u"Cut", u"Cut", u"Cut the selection and put it on the Clipboard", u"x",
     "Ctrl+X;Shift+Del", "edit-cut"},
    {cmd::kEditCopy, u"Copy", u"Copy", u"Copy the selection and put it on the Clipboard", u"c",
     "Ctrl+C;Ctrl+Ins", "edit-copy"},
    {cmd::kEditSelectAll, u"Select All", u"Select All", u"Select the entire document", u"a", "",
     "edit-select-all"},
    {cmd::kEditUndo, u"&Undo", u"Undo", u"Undo the last action", u"", "Ctrl+Z;Alt+Backspace",
     "edit-undo"},

    {cmd::kViewStatusBar, u"Status Bar", u"Toggle Status Bar", u"Show or hide the status bar", u"",
     "", "", K::Check},
    {cmd::kViewCaptionBar, u"Caption Bar", u"Toggle Caption Bar", u"Show or hide the caption bar",
     u"", "", "", K::Check},
    {cmd::kViewProperties, u"Properties", u"Toggle Properties Window",
     u"Show or hide the properties window", u"", "", "pane-properties", K::Check},
    {cmd::kViewObjectTree, u"Object Tree", u"Toggle Object Tree Window",
     u"Show or hide the object tree window", u"", "", "pane-object-view", K::Check},
    {cmd::kViewOutput, u"Output", u"Toggle Output Window", u"Show or hide the output window", u"",
     "", "pane-output", K::Check},
    {cmd::kViewFormsHalf, u"Forms 50%", u"Forms 50%", u"Show forms at half size", u"", "", "",
     K::Check},

    {cmd::kAddForm, u"Add Form", u"Add Form to Application", u"Add Form to Application", u"", "",
     "add-form"},
    {cmd::kAddBitmap, u"Add Bitmap", u"Add New Bitmap to Application", u"Add Bitmap to Application",
     u"", "", "add-bitmap"},
    {cmd::kSettings, u"Settings", u"View/Change Application Settings", u"Application Settings", u"",
     "", "app-settings"},
    {cmd::kColors, u"Colors", u"View/Change Application Colors", u"View/Change Application Colors",
     u"", "", "app-colors"},
    {cmd::kHandlerCode, u"Handler Code", u"View/Edit Custom Event Handler Spin Code",
     u"View/Edit Custom Event Handler Spin Code", u"", "", "handler-code"},
    {cmd::kObjects, u"Objects", u"Add/Edit/Remove Application Objects",
     u"Add/Edit/Remove Application Objects", u"", "", "app-objects"},

    {180, u"Button", u"Create New Button and Add to Form", u"Add a button object to a form", u"",
     "", "add-button"},
    {181, u"Text", u"Create New Text and Add to Form", u"Add a text object to a form", u"", "",
     "add-text"},
    {182, u"Bitmap", u"Add Existing Bitmap to Form", u"Add a bitmap object to a from", u"", "",
     "add-bitmap-component"},
    {183, u"Option Button", u"Create New Option Button and Add to Form",
     u"Add option button to form", u"", "", "add-option"},
    {184, u"Group Box", u"Create New Group Box and Add to Form", u"Add group object to form", u"",
     "", "add-group"},
    {185, u"Check Box", u"Create New Check Box and Add to Form", u"Add a check box object", u"", "",
     "add-check"},
    {186, u"Number Edit", u"Create New Number Edit and Add to Form", u"Add number edit to form",
     u"", "", "add-number"},

    {cmd::kBuildApp, u"Build App", u"Generate App Spin Source Code",
     u"Generate App Spin Source Code", u"", "", "build-app"},

    {210, u"Windows &2000", u"", u"Activate the Windows 2000 look", u"", "", "", K::Radio},
    {211, u"Office &XP", u"", u"Activate the Office XP look", u"", "", "", K::Radio},
    {212, u"&Windows XP", u"", u"Activate the Windows XP look", u"", "", "", K::Radio},
    {213, u"Office 200&3", u"", u"Activate the Office 2003 look", u"", "", "", K::Radio},
    {214, u"Visual Studio.NET 200&5", u"", u"Activate the Visual Studio 2005 look", u"", "", "",
     K::Radio},
    {215, u"Office 2007 (&Blue Style)", u"", u"Activate the Office 2007 blue look", u"", "", "",
     K::Radio},
    {216, u"Office 2007 (B&lack Style)", u"", u"Activate the Office 2007 black look", u"", "", "",
     K::Radio},
    {217, u"Office 2007 (&Silver Style)", u"", u"Activate the Office 2007 silver look", u"", "", "",
     K::Radio},
    {218, u"Office 2007 (&Aqua Style)", u"", u"Activate the Office 2007 aqua look", u"", "", "",
     K::Radio},

    {cmd::kFileMruFirst + 0, u"", u"", u"Open this document", u"", "", ""},
    {cmd::kFileMruFirst + 1, u"", u"", u"Open this document", u"", "", ""},
    {cmd::kFileMruFirst + 2, u"", u"", u"Open this document", u"", "", ""},
    {cmd::kFileMruFirst + 3, u"", u"", u"Open this document", u"", "", ""},
    {cmd::kFileMruFirst + 4, u"", u"", u"Open this document", u"", "", ""},
    {cmd::kFileMruFirst + 5, u"", u"", u"Open this document", u"", "", ""},
    {cmd::kFileMruFirst + 6, u"", u"", u"Open this document", u"", "", ""},
    {cmd::kFileMruFirst + 7, u"", u"", u"Open this document", u"", "", ""},
    {cmd::kFileMruFirst + 8, u"", u"", u"Open this document", u"", "", ""},
    {cmd::kFileMruFirst + 9, u"", u"", u"Open this document", u"", "", ""},
});

}  // namespace

std::span<const CommandInfo> CommandCatalog() {
    return kCatalog;
}

const CommandInfo* FindCommand(int id) {
    for (const CommandInfo& info : kCatalog) {
        if (info.id == id) {
            return &info;
        }
    }
    return nullptr;
}

std::u16string StripMnemonic(std::u16string_view caption) {
    std::u16string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        plain += caption[i];
    }
    return plain;
}

}  // namespace lumora
