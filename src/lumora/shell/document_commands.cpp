#include "shell/document_commands.h"

#include "codegen/build_command.h"
#include "designer/command_ids.h"
#include "designer/document_session.h"
#include "designer/recent_files.h"
#include "shell/command_table.h"
#include "shell/main_frame.h"
#include "shell/output_pane.h"
#include "shell/qt_text.h"

namespace lumora::shell {

void AttachDocumentCommands(MainFrame& frame, DocumentSession& session,
                            const RecentFileList& recent) {
    CommandTable& commands = frame.Commands();
    // Runs a session action and tells the frame when the document was filled anew.
    auto replacing = [&frame, &session](auto action) {
        return [&frame, &session, action] {
            const auto before = session.Generation();
            action(session);
            if (session.Generation() != before) {
                emit frame.documentReplaced();
            }
        };
    };
    commands.SetHandler(cmd::kFileNew, replacing([](DocumentSession& s) { s.New(); }));
    commands.SetHandler(cmd::kFileOpen, replacing([](DocumentSession& s) { s.Open(); }));
    commands.SetHandler(cmd::kFileSave, [&session] { session.Save(); });
    commands.SetHandler(cmd::kFileSaveAs, [&session] { session.SaveAs(); });
    commands.SetHandler(cmd::kFileClose, replacing([](DocumentSession& s) { s.Close(); }));
    commands.SetHandler(cmd::kAppExit, [&frame] { frame.close(); });
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        commands.SetHandler(cmd::kFileMruFirst + i,
                            replacing([index](DocumentSession& s) { s.OpenRecent(index); }),
                            [&recent, index] {
                                return CommandState{index < recent.Entries().size(), false};
                            });
    }
    frame.SetDropHandler([&frame, replacing](const QString& path) {
        const std::filesystem::path file = PathFromQt(path);
        replacing([file](DocumentSession& s) { s.OpenPath(file); })();
        frame.Commands().UpdateAll();
    });
    frame.SetCloseGuard([&session] { return session.SaveModified(); });

    commands.SetHandler(cmd::kBuildApp, [&frame] {
        OutputPane& output = frame.Output();
        const std::optional<std::u16string> source = RunBuildCommand(frame.Document(), output);
        output.ScrollOutputToEnd();
        if (source && frame.BuildDialogOpener()) {
            frame.BuildDialogOpener()(*source);
        }
    });
}

}  // namespace lumora::shell
