#include "toolchain/app_build.h"

#include <utility>

#include "model/output_sink.h"
#include "model/records.h"
#include "model/text_encoding.h"
#include "model/user_messages.h"

namespace lumora {

namespace {

constexpr std::u16string_view kSpinExtension = u".spin";

std::string Utf16LeBytes(std::u16string_view text) {
    std::string bytes;
    AppendUtf16Le(text, bytes);
    return bytes;
}

}  // namespace

AppBuild::AppBuild(std::u16string appName, std::u16string code,
                   const std::vector<std::unique_ptr<CLmObject>>& objects)
    : appName_(std::move(appName)), code_(std::move(code)) {
    objects_.reserve(objects.size());
    for (const auto& object : objects) {
        objects_.push_back({object->fileStem, object->code});
    }
}

void AppBuild::WriteObjectFiles(const ActionDirectory& directory) const {
    for (const BuildObjectFile& object : objects_) {
        // A file that cannot be written is skipped; the compiler then reports it missing.
        if (IsPlainFileName(object.fileStem)) {
            directory.WriteFile(object.fileStem + std::u16string(kSpinExtension),
                                Utf16LeBytes(object.code));
        }
    }
}

std::optional<ActionDirectory> AppBuild::WriteObjectsForEditing(
    const std::filesystem::path& temporaryParent) const {
    std::optional<ActionDirectory> directory = ActionDirectory::Create(temporaryParent);
    if (directory) {
        WriteObjectFiles(*directory);
    }
    return directory;
}

void AppBuild::AcceptEditedCode(std::u16string edited, UserMessages& messages) {
    code_ = std::move(edited);
    if (code_.find(u'\t') != std::u16string::npos) {
        messages.ShowMessage(kTabsDetectedMessage);
    }
}

ProgramResult AppBuild::ProgramPropellerRam(BuildSeams& seams,
                                            const ProgramOptions& options) const {
    ProgramResult result;
    OutputSink& output = seams.output;
    output.AddOutputLine(u"Creating output files in temp directory.");

    std::optional<ActionDirectory> directory = ActionDirectory::Create(seams.temporaryParent);
    if (!directory) {
        seams.messages.ShowMessage(u"Cannot create a build directory in " +
                                   FromUtf8(seams.temporaryParent.string()) + u".");
        result.outcome = ProgramOutcome::kNoDirectory;
        return result;
    }
    WriteObjectFiles(*directory);
    const std::u16string sourceName = appName_ + std::u16string(kSpinExtension);
    if (!IsPlainFileName(appName_) || !directory->WriteFile(sourceName, Utf16LeBytes(code_))) {
        seams.messages.ShowMessage(u"Cannot write the source file " + sourceName + u".");
        result.outcome = ProgramOutcome::kSourceNotWritten;
        return result;
    }
    const std::string sourcePath = directory->FullPath(sourceName);

    output.AddOutputLine(u"Invoking Propellent to compile and program Prop.");
    LoadedPropellent loaded = seams.loader.Load();
    if (loaded.status == PropellentLoadStatus::kEntryPointMissing) {
        seams.messages.ShowMessage(kDllFailureMessage);
        result.outcome = ProgramOutcome::kDllFailure;
        directory.reset();
        output.ScrollOutputToEnd();
        return result;
    }
    if (loaded.status != PropellentLoadStatus::kLoaded || !loaded.api) {
        // The action ends here; its files still go with its directory.
        seams.messages.ShowMessage(kDllFailedToLoadMessage);
        result.outcome = ProgramOutcome::kDllFailedToLoad;
        return result;
    }

    PropellentApi& api = *loaded.api;
    api.InitPropellent(options.window);
    api.ApplySettings(options.settings);
    result.error = api.CompileSource(sourcePath);
    if (!result.error) {
        output.AddOutputLine(u"Propellent compilation successful.");
        result.imageSize = api.ImageSize();
        result.outcome = ProgramOutcome::kCompiled;
        if (options.imageOut && !api.SaveImage(*options.imageOut)) {
            output.AddOutputLine(u"Could not save the program image to " +
                                 FromUtf8(options.imageOut->string()) + u".");
            result.outcome = ProgramOutcome::kImageNotSaved;
        } else if (options.download) {
            // Reported done only once the library says the chip confirmed the load.
            const std::optional<std::string> failure = api.DownloadToPropeller();
            for (const std::string& note : api.DownloadNotes()) {
                output.AddOutputLine(FromUtf8(note));
            }
            const std::u16string target = options.settings.loadToEeprom
                                              ? u"Download to Propeller EEPROM"
                                              : u"Download to Propeller RAM";
            if (failure) {
                output.AddOutputLine(target + u" failed: " + FromUtf8(*failure));
                result.outcome = ProgramOutcome::kDownloadFailed;
            } else {
                output.AddOutputLine(target + u" complete.");
                result.outcome = ProgramOutcome::kDownloaded;
            }
        }
    } else {
        const CompileError& error = *result.error;
        output.AddOutputLine(u"Error in file: " + FromUtf8(error.file));
        output.AddOutputLine(u"Error: " + FromUtf8(error.message));
        const std::u16string problem = error.file == sourcePath
                                           ? ProblemText(code_, error.start, error.length)
                                           : std::u16string(u"With object.");
        output.AddOutputLine(u"Problem String: " + problem);
        result.outcome = ProgramOutcome::kCompileFailed;
    }
    api.FinalizePropellent();
    loaded.api.reset();
    directory.reset();
    output.ScrollOutputToEnd();
    return result;
}

std::u16string ProblemText(std::u16string_view code, std::int64_t start, std::int64_t length) {
    std::u16string cut;
    cut.reserve(code.size());
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == u'\r' && i + 1 < code.size() && code[i + 1] == u'\n') {
            cut.push_back(u'\r');
            ++i;
        } else if (code[i] == u'\t') {
            cut.append(8, u' ');
        } else {
            cut.push_back(code[i]);
        }
    }
    if (start < 0 || length <= 0 || static_cast<std::uint64_t>(start) >= cut.size()) {
        return {};
    }
    return cut.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
}

}  // namespace lumora
