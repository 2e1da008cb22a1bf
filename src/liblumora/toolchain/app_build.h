#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolchain/action_directory.h"
#include "toolchain/propellent_api.h"

namespace lumora {

struct CLmObject;
class OutputSink;
class UserMessages;

inline constexpr std::u16string_view kCopiedToClipboardMessage =
    u"Spin code copied to Windows Clipboard.";
inline constexpr std::u16string_view kTabsDetectedMessage =
    u"Tab characters detected in code.  Tabs may affect code heirarchy";
inline constexpr std::u16string_view kDllFailedToLoadMessage = u"Dll failed to load";
inline constexpr std::u16string_view kDllFailureMessage = u"Dll failure";

// What a build action talks to: the Output pane, the message box, the Propellent library and
// the folder under which each action makes its private directory.
struct BuildSeams {
    OutputSink& output;
    UserMessages& messages;
    PropellentLoader& loader;
    std::filesystem::path temporaryParent = DefaultTemporaryParent();
};

struct ProgramOptions {
    void* window = nullptr;  // handed to InitPropellent
    ToolchainSettings settings;
    bool download = true;                           // false: compile only
    std::optional<std::filesystem::path> imageOut;  // where to save the compiled image
};

enum class ProgramOutcome {
    kNoDirectory,       // the private directory could not be made
    kSourceNotWritten,  // stopped before Propellent was loaded
    kDllFailedToLoad,
    kDllFailure,
    kCompileFailed,
    kCompiled,  // compile only
    kDownloaded,
    kDownloadFailed,
    kImageNotSaved,
};

struct ProgramResult {
    ProgramOutcome outcome = ProgramOutcome::kNoDirectory;
    std::optional<std::int64_t> imageSize;
    std::optional<CompileError> error;
    bool Succeeded() const {
        return outcome == ProgramOutcome::kCompiled || outcome == ProgramOutcome::kDownloaded;
    }
};

// One Spin object file of the build: written as its code's UTF-16LE units, as stored.
struct BuildObjectFile {
    std::u16string fileStem;
    std::u16string code;
};

// The Build Application dialog's state and its three actions, without the dialog.
class AppBuild {
  public:
    AppBuild(std::u16string appName, std::u16string code,
             const std::vector<std::unique_ptr<CLmObject>>& objects);

    const std::u16string& CodeText() const { return code_; }
    const std::u16string& AppName() const { return appName_; }
    const std::vector<BuildObjectFile>& Objects() const { return objects_; }

    // "View or Edit Code": the object files are written for as long as the returned directory
    // lives, so that a program the editor starts finds them next to the code. Empty when the
    // directory cannot be made (the editor still opens).
    std::optional<ActionDirectory> WriteObjectsForEditing(
        const std::filesystem::path& temporaryParent) const;
    // The editor's OK: the edited text is used from then on. Shows the tab warning when the
    // text holds a tab.
    void AcceptEditedCode(std::u16string edited, UserMessages& messages);

    // "Program Propeller RAM".
    ProgramResult ProgramPropellerRam(BuildSeams& seams, const ProgramOptions& options) const;

  private:
    void WriteObjectFiles(const ActionDirectory& directory) const;

    std::u16string appName_;
    std::u16string code_;
    std::vector<BuildObjectFile> objects_;
};

// The text an error record points into, cut as the Output pane shows it: CR LF becomes CR,
// a tab becomes eight spaces, then length characters from start, clipped to the end.
std::u16string ProblemText(std::u16string_view code, std::int64_t start, std::int64_t length);

}  // namespace lumora
