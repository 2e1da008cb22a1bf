#pragma once

namespace lumora {
class DocumentSession;
class RecentFileList;
}  // namespace lumora

namespace lumora::shell {

class MainFrame;

// New, Open..., Save, Save As..., Close, the recent files, Exit, dropped files and the Build
// command, on the run's one document. After each the view is given the document again.
void AttachDocumentCommands(MainFrame& frame, DocumentSession& session,
                            const RecentFileList& recent);

}  // namespace lumora::shell
