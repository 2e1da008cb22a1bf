#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "shell/box_dialogs.h"
#include "shell/lumora_application.h"
#include "shell/main_frame.h"

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Without a display Qt would abort with several lines about platform plugins.
bool HasDisplay() {
    return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs(
            "lumora: the designer needs a graphical desktop (no display found); lumora-cli works "
            "without one (lumora-cli --help).\n",
            stderr);
        return 2;
    }
    QApplication app(argc, argv);
    lumora::shell::SetSettingsNames();
    QApplication::setDesktopFileName(QStringLiteral("lumora"));

    lumora::shell::BoxDialogs dialogs;
    lumora::shell::LumoraApplication lumora(dialogs);
    dialogs.SetParent(&lumora.Frame());
    lumora.Frame().show();
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    lumora.Start(arguments);
    return QApplication::exec();
}
