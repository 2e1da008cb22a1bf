#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace lumora {

class CLumoraDoc;
class RecentFileList;

enum class SaveAnswer { Yes, No, Cancel };

// The questions the document commands ask the user; the designer shows boxes and file
// dialogs, tests answer from a script.
class SessionPrompts {
  public:
    virtual ~SessionPrompts() = default;
    virtual SaveAnswer AskSaveChanges(std::u16string_view question) = 0;
    virtual std::optional<std::filesystem::path> AskOpenPath() = 0;
    virtual std::optional<std::filesystem::path> AskSavePath(std::u16string_view suggested) = 0;
};

// The single-document shell's file commands on the one document of the run. Each returns
// false when the user cancelled or the action failed (the document's message was shown).
class DocumentSession {
  public:
    DocumentSession(CLumoraDoc& doc, SessionPrompts& prompts, RecentFileList& recent);

    // Start-up: a new application, then the file when one is named. A file that fails to
    // open leaves the new application.
    bool Start(const std::optional<std::filesystem::path>& path);

    bool New();
    bool Open();
    bool OpenPath(const std::filesystem::path& path);
    bool OpenRecent(std::size_t index);  // a file that fails to open leaves the list
    bool Save();
    bool SaveAs();
    // Gives the document up and leaves a new application in its place.
    bool Close();
    // Asks "Save changes to ...?" for a modified document; true when it may be given up.
    bool SaveModified();

    // Counts the times the document was emptied and filled anew (new or loaded), so that
    // callers can tell when the view must take the document again.
    unsigned long long Generation() const { return generation_; }

    // The file the document was opened from or last saved to.
    const std::optional<std::filesystem::path>& Path() const { return path_; }

  private:
    bool Load(const std::filesystem::path& path);
    bool SaveTo(const std::filesystem::path& path);

    CLumoraDoc& doc_;
    SessionPrompts& prompts_;
    RecentFileList& recent_;
    std::optional<std::filesystem::path> path_;
    unsigned long long generation_ = 0;
};

// A chosen file name without an extension gets ".lmd".
std::filesystem::path WithDocumentExtension(std::filesystem::path path);

}  // namespace lumora
