#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/colors.h"
#include "model/component_type.h"
#include "model/records.h"

namespace lumora {

class ArchiveReader;
class ArchiveWriter;
class ObjectTreeSink;
class UserMessages;

// Arrow keys as the designer passes them to NudgeSelection (Windows virtual-key codes).
enum class ArrowKey : int { Left = 37, Up = 38, Right = 39, Down = 40 };

// One Propeller GUI application being designed. Owns its forms, bitmaps and objects; the
// selection fields point into those lists and own nothing.
class CLumoraDoc {
  public:
    static constexpr int typeSlotCount = 10;

    CLumoraDoc();
    CLumoraDoc(const CLumoraDoc&) = delete;
    CLumoraDoc& operator=(const CLumoraDoc&) = delete;

    // Fields, in declaration order.
    std::u16string appName;
    std::u16string mainFormName;
    std::u16string backgroundBitmapName;
    std::int32_t backgroundBitmapColor = 0;
    ColorTable appColors{};
    std::vector<std::unique_ptr<CLmForm>> forms;
    std::vector<std::unique_ptr<CLmBitmap>> bitmaps;
    std::vector<std::unique_ptr<CLmObject>> objects;
    std::u16string customCode;
    std::u16string templateText;
    std::int32_t formCounter = 0;
    std::int32_t bitmapCounter = 0;
    std::array<std::int32_t, typeSlotCount> typeCounters{};
    std::array<std::u16string, typeSlotCount> typeNames;
    CLmForm* currentForm = nullptr;
    CLmComponent* currentComponent = nullptr;
    CLmBitmap* currentBitmap = nullptr;
    std::int32_t nextComponentId = 0;
    std::int32_t reserved1 = 0;
    std::int32_t reserved2 = 0;
    bool ready = false;
    std::u16string reservedText;
    std::int32_t reserved3 = 0;

    // Seams to the outside; either may stay unattached.
    void AttachMessages(UserMessages* messages) { messages_ = messages; }
    void AttachObjectTree(ObjectTreeSink* tree) { tree_ = tree; }
    UserMessages* Messages() const { return messages_; }

    // Framework behaviour of the single-document shell.
    bool OnNewDocument();
    void DeleteContents();
    void SetTitle(std::u16string_view title);
    const std::u16string& Title() const { return title_; }
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    // The ".lmd" file (document_serialize.cpp, document_file.cpp). Opening and saving show
    // their failures as messages and retitle the document after the file on success; a
    // file that cannot be read leaves the document as it was, one that is not an application
    // file leaves a new application ("Untitled"). Saving replaces the file only once the new
    // contents are written in full.
    void Serialize(ArchiveWriter& archive) const;
    bool Serialize(ArchiveReader& archive);  // false on a format error, held by the archive
    bool OnOpenDocument(const std::filesystem::path& path);
    bool OnSaveDocument(const std::filesystem::path& path);

    // Editing operations. Refusals show a message and leave the model and the modified flag
    // as they were; calls whose precondition does not hold are ignored.
    void AddForm();
    void AddComponent(AddTool tool);
    void AddBitmap(std::int32_t widthTiles, std::int32_t heightTiles, std::int32_t bitDepth);
    void DeleteSelection();
    void DeleteCurrentBitmap();
    void NudgeSelection(ArrowKey key, bool leftCtrlDown);
    void SelectByName(std::u16string_view name);
    CLmBitmap* FindBitmap(std::u16string_view name) const;
    void DeriveShadowColors();
    void RebuildObjectTree() const;

    // Shows a message through the attached UserMessages, if any.
    void ShowMessage(std::u16string_view text) const;

  private:
    void LoadDefaultObjects();
    void CreateDefaultBitmap();
    void CreateDefaultForms();

    std::u16string title_;
    bool modified_ = false;
    UserMessages* messages_ = nullptr;
    ObjectTreeSink* tree_ = nullptr;
};

// Counters come from files and may hold any value; they wrap instead of overflowing.
std::int32_t NextCounterValue(std::int32_t counter);

}  // namespace lumora
