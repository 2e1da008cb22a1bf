#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "command.h"
#include "command_document.h"
#include "design_source.h"
#include "model/document.h"
#include "model/text_encoding.h"
#include "properties/property_change.h"

namespace lumora::cli {

bool SelectForEditing(CLumoraDoc& doc, const std::string& name, std::ostream& err);

namespace {

constexpr const char* kEditUsage =
    "usage: lumora-cli edit FILE|--new [--select NAME] --set \"ENTRY=VALUE\"... [-o OUT]\n";

// The steps in command-line order, so that several items can be edited in one run.
struct Step {
    bool select = false;
    std::string name;   // the item to select, or the entry to change
    std::string value;  // the entry's new text
};

struct EditArguments {
    std::string source;
    std::vector<Step> steps;
    std::optional<std::string> output;
};

std::optional<EditArguments> ParseEditArguments(std::span<const std::string> args,
                                                std::ostream& err) {
    if (args.empty()) {
        return std::nullopt;
    }
    EditArguments parsed;
    parsed.source = args[0];
    bool anyChange = false;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            err << "lumora-cli: " << option << " needs a value\n";
            return std::nullopt;
        }
        const std::string& operand = args[i + 1];
        if (option == "--select") {
            parsed.steps.push_back({true, operand, {}});
        } else if (option == "--set") {
            const std::size_t equals = operand.find('=');
            if (equals == std::string::npos) {
                err << "lumora-cli: --set takes ENTRY=VALUE, not '" << operand << "'\n";
                return std::nullopt;
            }
            parsed.steps.push_back({false, operand.substr(0, equals), operand.substr(equals + 1)});
            anyChange = true;
        } else if (option == "-o" && !parsed.output) {
            parsed.output = operand;
        } else {
            err << "lumora-cli: unexpected argument '" << option << "'\n";
            return std::nullopt;
        }
    }
    if (!anyChange) {
        err << "lumora-cli: edit needs at least one --set\n";
        return std::nullopt;
    }
    return parsed;
}

// False when the change was not applied; the rules' own messages are already on err.
bool ApplyChange(CLumoraDoc& doc, const Step& step, std::ostream& err) {
    const PropertyChangeResult result =
        ChangeProperty(doc, FromUtf8(step.name), FromUtf8(step.value));
    const std::string item = ToUtf8(SelectedItemName(doc));
    switch (result.outcome) {
        case ChangeOutcome::Accepted:
        case ChangeOutcome::Unchanged:
            return true;
        case ChangeOutcome::Rejected:
            return false;
        case ChangeOutcome::NoSuchEntry:
            err << "lumora-cli: " << item << " has no entry \"" << step.name
                << "\" (see lumora-cli props)\n";
            return false;
        case ChangeOutcome::ReadOnly:
            err << "lumora-cli: \"" << step.name << "\" of " << item << " is read-only\n";
            return false;
        case ChangeOutcome::NotABoolean:
            err << "lumora-cli: \"" << step.name << "\" takes True or False\n";
            return false;
    }
    return false;
}

}  // namespace

int RunEdit(std::span<const std::string> args, CommandIo& io) {
    const std::optional<EditArguments> parsed = ParseEditArguments(args, io.err);
    if (!parsed) {
        io.err << kEditUsage;
        return kExitUsage;
    }
    CommandDocument doc(io.err);
    if (!LoadDesign(parsed->source, doc)) {
        return kExitRefused;
    }
    bool refused = false;
    for (const Step& step : parsed->steps) {
        if (step.select) {
            // Changes meant for an item that is not there must not land on another one.
            if (!SelectForEditing(doc, step.name, io.err)) {
                return kExitRefused;
            }
        } else if (!ApplyChange(doc, step, io.err)) {
            refused = true;
        }
    }
    if (parsed->output && !doc.OnSaveDocument(std::filesystem::path(*parsed->output))) {
        return kExitRefused;
    }
    return refused ? kExitRefused : kExitOk;
}

}  // namespace lumora::cli
