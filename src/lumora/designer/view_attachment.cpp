#include "designer/view_attachment.h"

#include <QLabel>

#include "designer/lumora_view.h"
#include "shell/command_table.h"
#include "shell/main_frame.h"

namespace lumora::designer {

void AttachView(shell::MainFrame& frame, CLumoraView& view) {
    frame.SetCentralView(&view);
    frame.SetRefreshHandler([&view](Refresh refresh) { view.Perform(refresh); });
    shell::CommandTable& commands = frame.Commands();
    for (const ViewCommand& command : view.Commands()) {
        commands.SetHandler(command.id, command.run, [&command] {
            return CommandState{command.enabled(), command.checked && command.checked()};
        });
    }
    if (QLabel* pointer = frame.StatusPane(shell::kStatusReadyPaneId)) {
        QObject::connect(&view, &CLumoraView::pointerTextChanged, pointer, &QLabel::setText);
    }
    QObject::connect(&frame, &shell::MainFrame::documentReplaced, &view,
                     [&view] { view.OnInitialUpdate(); });
    // A click or key changes what the commands may do (a bitmap shown, a selection made).
    QObject::connect(&view, &CLumoraView::propertyGridRefillRequested, &commands,
                     [&commands] { commands.UpdateAll(); });
}

}  // namespace lumora::designer
