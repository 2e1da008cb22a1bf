#include "shell/frame_settings.h"

#include <QMainWindow>
#include <QSettings>

#include <string>

#include "designer/application_look.h"
#include "designer/recent_files.h"
#include "shell/qt_text.h"

namespace lumora::shell {

namespace {

const QString kLook = QStringLiteral("ApplicationLook");
const QString kRecentGroup = QStringLiteral("Recent File List/File%1");
const QString kGeometry = QStringLiteral("MainFrame/Geometry");
const QString kState = QStringLiteral("MainFrame/State");
constexpr int kLayoutVersion = 1;
// A saved layout is a few kilobytes; anything far larger is not ours.
constexpr qsizetype kMaxLayoutBytes = 1 << 20;

}  // namespace

int ReadApplicationLook(const QSettings& settings) {
    bool ok = false;
    const long long stored = settings.value(kLook, kDefaultApplicationLook).toLongLong(&ok);
    return ok ? ValidApplicationLook(stored) : kDefaultApplicationLook;
}

void WriteApplicationLook(QSettings& settings, int look) {
    settings.setValue(kLook, look);
}

void ReadRecentFiles(const QSettings& settings, RecentFileList& recent) {
    std::vector<std::string> stored;
    for (std::size_t i = 1; i <= RecentFileList::kCapacity; ++i) {
        const QVariant value = settings.value(kRecentGroup.arg(i));
        if (value.typeId() == QMetaType::QString) {
            stored.push_back(value.toString().toLocal8Bit().toStdString());
        }
    }
    recent.Load(std::vector<std::string_view>(stored.begin(), stored.end()));
}

void WriteRecentFiles(QSettings& settings, const RecentFileList& recent) {
    const auto& entries = recent.Entries();
    for (std::size_t i = 0; i < RecentFileList::kCapacity; ++i) {
        const QString key = kRecentGroup.arg(i + 1);
        if (i < entries.size()) {
            settings.setValue(key, PathToQt(entries[i]));
        } else {
            settings.remove(key);
        }
    }
}

void RestoreFrameLayout(const QSettings& settings, QMainWindow& frame) {
    const QByteArray geometry = settings.value(kGeometry).toByteArray();
    const QByteArray state = settings.value(kState).toByteArray();
    if (!geometry.isEmpty() && geometry.size() < kMaxLayoutBytes) {
        frame.restoreGeometry(geometry);
    }
    if (!state.isEmpty() && state.size() < kMaxLayoutBytes) {
        frame.restoreState(state, kLayoutVersion);
    }
}

void SaveFrameLayout(QSettings& settings, const QMainWindow& frame) {
    settings.setValue(kGeometry, frame.saveGeometry());
    settings.setValue(kState, frame.saveState(kLayoutVersion));
}

}  // namespace lumora::shell
