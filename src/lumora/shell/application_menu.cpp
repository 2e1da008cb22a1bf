#include "shell/application_menu.h"

#include <QMenu>

#include "designer/command_ids.h"
#include "designer/frame_texts.h"
#include "designer/recent_files.h"
#include "shell/command_table.h"
#include "shell/icons.h"
#include "shell/qt_text.h"

namespace lumora::shell {

namespace {

void ShowRecentFiles(CommandTable& commands, const RecentFileList& recent, QMenu* menu) {
    const auto& entries = recent.Entries();
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        QAction* action = commands.command(cmd::kFileMruFirst + i);
        const bool used = static_cast<std::size_t>(i) < entries.size();
        action->setVisible(used);
        if (used) {
            action->setText(ToQt(RecentFileMenuText(i, entries[static_cast<std::size_t>(i)])));
            action->setToolTip(PathToQt(entries[static_cast<std::size_t>(i)]));
        }
    }
    menu->setEnabled(!entries.empty());
}

}  // namespace

QMenu* BuildApplicationMenu(CommandTable& commands, const RecentFileList& recent, QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("File"), parent);
    menu->setObjectName(QStringLiteral("applicationMenu"));
    menu->setToolTipsVisible(true);
    auto c = [&commands](int id) { return commands.command(id); };
    menu->addAction(c(cmd::kFileNew));
    menu->addAction(c(cmd::kFileOpen));
    menu->addAction(c(cmd::kFileSave));
    menu->addAction(c(cmd::kFileSaveAs));

    auto* print = new QMenu(QStringLiteral("&Print"), menu);
    print->setObjectName(QStringLiteral("printMenu"));
    print->setIcon(LumoraIcon("file-print"));
    print->addSection(QStringLiteral("Preview and print the document"));
    print->addAction(c(cmd::kFilePrintDirect));
    print->addAction(c(cmd::kFilePrintPreview));
    print->addAction(c(cmd::kFilePrintSetup));
    menu->addMenu(print);
    menu->addSeparator();
    menu->addAction(c(cmd::kFileClose));

    auto* recentMenu = new QMenu(QStringLiteral("Recent Documents"), menu);
    recentMenu->setObjectName(QStringLiteral("recentMenu"));
    recentMenu->setMinimumWidth(300);
    recentMenu->setToolTipsVisible(true);
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        recentMenu->addAction(c(cmd::kFileMruFirst + i));
    }
    menu->addMenu(recentMenu);
    menu->addSeparator();
    menu->addAction(c(cmd::kAppExit));

    QObject::connect(menu, &QMenu::aboutToShow, menu, [&commands, &recent, recentMenu] {
        commands.UpdateAll();
        ShowRecentFiles(commands, recent, recentMenu);
    });
    ShowRecentFiles(commands, recent, recentMenu);
    return menu;
}

QMenu* BuildStyleMenu(CommandTable& commands, QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("Style"), parent);
    menu->setObjectName(QStringLiteral("styleMenu"));
    for (int id = cmd::kLookBlue; id <= cmd::kLookLast; ++id) {
        menu->addAction(commands.command(id));
    }
    menu->addSeparator();
    for (int id = cmd::kLookFirst; id < cmd::kLookBlue; ++id) {
        menu->addAction(commands.command(id));
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&commands] { commands.UpdateAll(); });
    return menu;
}

}  // namespace lumora::shell
