#pragma once

class QMainWindow;
class QSettings;

namespace lumora {
class RecentFileList;
}

namespace lumora::shell {

// What persists between runs under the settings of "Local AppWizard-Generated Applications"
// / "Lumora". Everything read back is outside data and checked.
int ReadApplicationLook(const QSettings& settings);
void WriteApplicationLook(QSettings& settings, int look);
void ReadRecentFiles(const QSettings& settings, RecentFileList& recent);
void WriteRecentFiles(QSettings& settings, const RecentFileList& recent);
// Window geometry and the docking layout; a stored layout that does not fit is ignored.
void RestoreFrameLayout(const QSettings& settings, QMainWindow& frame);
void SaveFrameLayout(QSettings& settings, const QMainWindow& frame);

}  // namespace lumora::shell
