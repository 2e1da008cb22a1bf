#include "designer/document_session.h"

#include "designer/frame_texts.h"
#include "designer/recent_files.h"
#include "model/document.h"
#include "model/new_application.h"
#include "model/text_encoding.h"

namespace lumora {

DocumentSession::DocumentSession(CLumoraDoc& doc, SessionPrompts& prompts, RecentFileList& recent)
    : doc_(doc), prompts_(prompts), recent_(recent) {}

bool DocumentSession::Start(const std::optional<std::filesystem::path>& path) {
    path_.reset();
    ++generation_;
    if (!StartNewApplication(doc_)) {
        return false;
    }
    return !path || Load(*path);
}

bool DocumentSession::New() {
    if (!SaveModified()) {
        return false;
    }
    path_.reset();
    ++generation_;
    return StartNewApplication(doc_);
}

bool DocumentSession::Open() {
    if (!SaveModified()) {
        return false;
    }
    const std::optional<std::filesystem::path> chosen = prompts_.AskOpenPath();
    return chosen && Load(*chosen);
}

bool DocumentSession::OpenPath(const std::filesystem::path& path) {
    return SaveModified() && Load(path);
}

bool DocumentSession::OpenRecent(std::size_t index) {
    if (index >= recent_.Entries().size()) {
        return false;
    }
    const std::filesystem::path path = recent_.Entries()[index];
    if (!SaveModified()) {
        return false;
    }
    if (!Load(path)) {
        recent_.Remove(path);
        return false;
    }
    return true;
}

bool DocumentSession::Save() {
    if (!path_) {
        return SaveAs();
    }
    return SaveTo(*path_);
}

bool DocumentSession::SaveAs() {
    const std::optional<std::filesystem::path> chosen = prompts_.AskSavePath(doc_.Title());
    return chosen && SaveTo(WithDocumentExtension(*chosen));
}

bool DocumentSession::Close() {
    return New();
}

bool DocumentSession::SaveModified() {
    if (!doc_.IsModified()) {
        return true;
    }
    const std::u16string name = path_ ? FromUtf8(path_->string()) : doc_.Title();
    switch (prompts_.AskSaveChanges(SaveChangesPrompt(name))) {
        case SaveAnswer::Yes:
            return Save();
        case SaveAnswer::No:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

bool DocumentSession::Load(const std::filesystem::path& path) {
    if (doc_.OnOpenDocument(path)) {
        ++generation_;
        path_ = path;
        recent_.Add(path);
        return true;
    }
    // A file that is not an application file leaves a new, untitled application; a file that
    // could not be read leaves the document, and its file, as they were. (An untitled
    // document kept after a read failure counts as renewed too: taking it again is harmless.)
    if (doc_.Title() == kUntitledTitle) {
        ++generation_;
        path_.reset();
    }
    return false;
}

bool DocumentSession::SaveTo(const std::filesystem::path& path) {
    if (!doc_.OnSaveDocument(path)) {
        return false;
    }
    path_ = path;
    recent_.Add(path);
    return true;
}

std::filesystem::path WithDocumentExtension(std::filesystem::path path) {
    if (!path.has_extension()) {
        path += ".lmd";
    }
    return path;
}

}  // namespace lumora
