#include "shell/frame_commands.h"

#include <QApplication>
#include <QDockWidget>
#include <QSettings>
#include <QStatusBar>
#include <QWhatsThis>

#include "designer/command_ids.h"
#include "shell/about_box.h"
#include "shell/caption_bar.h"
#include "shell/command_table.h"
#include "shell/frame_settings.h"
#include "shell/main_frame.h"

namespace lumora::shell {

namespace {

void ToggleWidget(QWidget* widget) {
    widget->setVisible(widget->isHidden());
}

void ShowAbout(MainFrame& frame) {
    AboutBox box(&frame);
    box.exec();
}

// The panes in the order F6 visits them: the view, then the docks that are shown.
QList<QWidget*> PaneCycle(MainFrame& frame) {
    QList<QWidget*> panes{frame.CentralView()};
    for (int id : {kObjectViewPaneId, kPropertiesPaneId, kOutputPaneId}) {
        QDockWidget* dock = frame.Pane(id);
        if (!dock->isHidden() && dock->widget() != nullptr) {
            panes.append(dock->widget());
        }
    }
    return panes;
}

void MoveToPane(MainFrame& frame, int step) {
    const QList<QWidget*> panes = PaneCycle(frame);
    const QWidget* focus = QApplication::focusWidget();
    qsizetype current = -1;
    for (qsizetype i = 0; i < panes.size(); ++i) {
        if (focus != nullptr && (panes[i] == focus || panes[i]->isAncestorOf(focus))) {
            current = i;
        }
    }
    const qsizetype count = panes.size();
    const qsizetype next = current < 0 ? 0 : ((current + step) % count + count) % count;
    panes[next]->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void AttachFrameCommands(MainFrame& frame) {
    CommandTable& commands = frame.Commands();
    auto state = [&frame](int id) {
        return [&frame, id] { return *FrameCommandState(id, frame.Status()); };
    };
    auto toggle = [&](int id, auto widgetOf) {
        commands.SetHandler(
            id, [widgetOf] { ToggleWidget(widgetOf()); }, state(id));
    };
    toggle(cmd::kViewStatusBar, [&frame] { return static_cast<QWidget*>(frame.statusBar()); });
    toggle(cmd::kViewCaptionBar, [&frame] { return static_cast<QWidget*>(&frame.Caption()); });
    toggle(cmd::kViewProperties, [&frame] { return frame.Pane(kPropertiesPaneId); });
    toggle(cmd::kViewObjectTree, [&frame] { return frame.Pane(kObjectViewPaneId); });
    toggle(cmd::kViewOutput, [&frame] { return frame.Pane(kOutputPaneId); });

    for (int id = cmd::kLookFirst; id <= cmd::kLookLast; ++id) {
        commands.SetHandler(
            id,
            [&frame, id] {
                frame.SetApplicationLook(id);
                QSettings settings;
                WriteApplicationLook(settings, id);
            },
            state(id));
    }

    commands.SetHandler(cmd::kAppAbout, [&frame] { ShowAbout(frame); });
    // There is no help text beyond the About box and the "What's This?" descriptions.
    commands.SetHandler(cmd::kHelp, [&frame] { ShowAbout(frame); });
    commands.SetHandler(cmd::kContextHelp, [] { QWhatsThis::enterWhatsThisMode(); });
    commands.SetHandler(cmd::kNextPane, [&frame] { MoveToPane(frame, 1); });
    commands.SetHandler(cmd::kPrevPane, [&frame] { MoveToPane(frame, -1); });
}

}  // namespace lumora::shell
