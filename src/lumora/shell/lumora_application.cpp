#include "shell/lumora_application.h"

#include <QCoreApplication>
#include <QSettings>

#include "designer/lumora_view.h"
#include "designer/view_attachment.h"
#include "objecttree/object_tree_pane.h"
#include "properties/properties_pane.h"
#include "shell/command_table.h"
#include "shell/document_commands.h"
#include "shell/frame_commands.h"
#include "shell/frame_settings.h"
#include "shell/main_frame.h"
#include "shell/properties_wiring.h"
#include "shell/qt_text.h"
#include "shell/shell_dialogs.h"

namespace lumora::shell {

void SetSettingsNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumora"));
}

LumoraApplication::LumoraApplication(ShellDialogs& dialogs)
    : dialogs_(dialogs), session_(doc_, dialogs, recent_) {
    const QSettings settings;
    ReadRecentFiles(settings, recent_);
    frame_ = std::make_unique<MainFrame>(doc_, dialogs_, recent_);
    doc_.AttachMessages(&dialogs_);
    doc_.AttachObjectTree(&frame_->ObjectTree());
    AttachFrameCommands(*frame_);
    AttachDocumentCommands(*frame_, session_, recent_);
    auto* view = new designer::CLumoraView(doc_, frame_.get());
    view->SetHomeDialogs(MakeHomeDialogs());
    designer::AttachView(*frame_, *view);
    ui::PropertiesPane* pane = AttachPropertiesPane(*frame_);
    QObject::connect(view, &designer::CLumoraView::propertyGridRefillRequested, pane,
                     &ui::PropertiesPane::FillPropertyGrid);
    frame_->SetApplicationLook(ReadApplicationLook(settings));
    RestoreFrameLayout(settings, *frame_);
    QObject::connect(frame_.get(), &MainFrame::closing, frame_.get(), [this] { SaveSettings(); });
}

LumoraApplication::~LumoraApplication() {
    // The frame's panes are the document's seams: detach them before they go.
    doc_.AttachObjectTree(nullptr);
    doc_.AttachMessages(nullptr);
}

bool LumoraApplication::Start(const QStringList& arguments) {
    std::optional<std::filesystem::path> path;
    if (!arguments.isEmpty()) {
        path = PathFromQt(arguments.front());
    }
    const bool opened = session_.Start(path);
    emit frame_->documentReplaced();
    frame_->Commands().UpdateAll();
    return opened;
}

void LumoraApplication::SaveSettings() const {
    QSettings settings;
    WriteApplicationLook(settings, frame_->ApplicationLook());
    WriteRecentFiles(settings, recent_);
    SaveFrameLayout(settings, *frame_);
}

}  // namespace lumora::shell
