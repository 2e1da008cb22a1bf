#include "model/document_serialize.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "model/archive_writer.h"
#include "model/document.h"

namespace lumora {

namespace {

// The fewest bytes a list entry can take in a file (a class reference word, then the record
// with every string in its shortest form); counts are checked against these before anything
// is reserved for the entries.
constexpr std::size_t kClassWordSize = 2;
constexpr std::size_t kShortestString = 1;
constexpr std::size_t kInt32Size = 4;
constexpr std::size_t kCountSize = 2;
constexpr std::size_t kSmallestForm =
    kClassWordSize + 2 * kShortestString + 7 * kInt32Size + kCountSize;
constexpr std::size_t kSmallestComponent = kClassWordSize + 3 * kShortestString + 10 * kInt32Size;
constexpr std::size_t kSmallestBitmap = kClassWordSize + kShortestString + 5 * kInt32Size;
constexpr std::size_t kSmallestObject = kClassWordSize + 5 * kShortestString + kInt32Size;

void WriteComponent(const CLmComponent& c, ArchiveWriter& ar) {
    ar.WriteString(c.caption);
    ar.WriteString(c.name);
    ar.WriteInt32(c.type);
    ar.WriteInt32(c.hotKeyIndex);
    ar.WriteInt32(c.top);
    ar.WriteInt32(c.left);
    ar.WriteInt32(c.height);
    ar.WriteInt32(c.width);
    ar.WriteInt32(c.textColor);
    ar.WriteInt32(c.borderColor);
    ar.WriteInt32(c.id);
    ar.WriteString(c.handler);
    ar.WriteInt32(c.value);
}

void WriteForm(const CLmForm& form, ArchiveWriter& ar) {
    ar.WriteString(form.caption);
    ar.WriteString(form.name);
    ar.WriteInt32(form.top);
    ar.WriteInt32(form.left);
    ar.WriteInt32(form.height);
    ar.WriteInt32(form.width);
    ar.WriteInt32(form.backgroundColor);
    ar.WriteInt32(form.titleColor);
    ar.WriteInt32(form.borderColor);
    ar.WriteCount(form.components.size());
    for (const auto& component : form.components) {
        ar.WriteObjectClass(ArchiveClass::Component);
        WriteComponent(*component, ar);
    }
}

void WriteBitmap(const CLmBitmap& bitmap, ArchiveWriter& ar) {
    ar.WriteString(bitmap.name);
    ar.WriteInt32(bitmap.bitDepth);
    ar.WriteInt32(bitmap.widthTiles);
    ar.WriteInt32(bitmap.heightTiles);
    // The stored count is the number of images that follow, so the file always reads back;
    // in a consistent model it equals tileCount.
    ar.WriteInt32(static_cast<std::int32_t>(bitmap.tiles.size()));
    ar.WriteInt32(bitmap.color);
    for (const TileImage& tile : bitmap.tiles) {
        ar.WriteBytes(tile.bytes);
    }
}

void WriteObject(const CLmObject& object, ArchiveWriter& ar) {
    ar.WriteInt32(object.resourceId);
    ar.WriteString(object.code);
    ar.WriteString(object.fileName);
    ar.WriteString(object.name);
    ar.WriteString(object.fileStem);
    ar.WriteString(object.reservedText);
}

template <typename T, typename WriteRecord>
void WriteList(const std::vector<std::unique_ptr<T>>& list, ArchiveClass objectClass,
               WriteRecord writeRecord, ArchiveWriter& ar) {
    ar.WriteCount(list.size());
    for (const auto& item : list) {
        ar.WriteObjectClass(objectClass);
        writeRecord(*item, ar);
    }
}

bool ReadComponent(ArchiveReader& ar, CLmComponent& c) {
    // The Number Edit limits and the Option Button group live in the trailer, not here.
    return ar.ReadString(c.caption) && ar.ReadString(c.name) && ar.ReadInt32(c.type) &&
           ar.ReadInt32(c.hotKeyIndex) && ar.ReadInt32(c.top) && ar.ReadInt32(c.left) &&
           ar.ReadInt32(c.height) && ar.ReadInt32(c.width) && ar.ReadInt32(c.textColor) &&
           ar.ReadInt32(c.borderColor) && ar.ReadInt32(c.id) && ar.ReadString(c.handler) &&
           ar.ReadInt32(c.value);
}

template <typename T, typename ReadRecord>
bool ReadList(ArchiveReader& ar, ArchiveClass objectClass, std::size_t smallestEntry,
              ReadRecord readRecord, std::vector<std::unique_ptr<T>>& list) {
    std::size_t count = 0;
    if (!ar.ReadCount(smallestEntry, count)) {
        return false;
    }
    list.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (!ar.ReadObjectClass(objectClass)) {
            return false;
        }
        auto item = std::make_unique<T>();
        if (!readRecord(ar, *item)) {
            return false;
        }
        list.push_back(std::move(item));
    }
    return true;
}

bool ReadForm(ArchiveReader& ar, CLmForm& form) {
    return ar.ReadString(form.caption) && ar.ReadString(form.name) && ar.ReadInt32(form.top) &&
           ar.ReadInt32(form.left) && ar.ReadInt32(form.height) && ar.ReadInt32(form.width) &&
           ar.ReadInt32(form.backgroundColor) && ar.ReadInt32(form.titleColor) &&
           ar.ReadInt32(form.borderColor) &&
           ReadList(ar, ArchiveClass::Component, kSmallestComponent, ReadComponent,
                    form.components);
}

bool ReadBitmap(ArchiveReader& ar, CLmBitmap& bitmap) {
    if (!(ar.ReadString(bitmap.name) && ar.ReadInt32(bitmap.bitDepth) &&
          ar.ReadInt32(bitmap.widthTiles) && ar.ReadInt32(bitmap.heightTiles) &&
          ar.ReadInt32(bitmap.tileCount) && ar.ReadInt32(bitmap.color))) {
        return false;
    }
    // As many images as the stored count says, whatever the width and height.
    if (bitmap.tileCount < 0) {
        return ar.Fail("a negative tile count");
    }
    const auto tileCount = static_cast<std::size_t>(bitmap.tileCount);
    if (tileCount > ar.Remaining() / TileImage::kByteCount) {
        return ar.Fail("a tile count of " + std::to_string(tileCount) + " exceeds the data left");
    }
    bitmap.tiles.resize(tileCount);
    for (TileImage& tile : bitmap.tiles) {
        if (!ar.ReadBytes(tile.bytes)) {
            return false;
        }
    }
    return true;
}

bool ReadObject(ArchiveReader& ar, CLmObject& object) {
    return ar.ReadInt32(object.resourceId) && ar.ReadString(object.code) &&
           ar.ReadString(object.fileName) && ar.ReadString(object.name) &&
           ar.ReadString(object.fileStem) && ar.ReadString(object.reservedText);
}

// An int array whose count must be exactly the model's size.
template <typename T, std::size_t N>
bool ReadFixedArray(ArchiveReader& ar, const char* what, std::array<T, N>& values) {
    std::size_t count = 0;
    if (!ar.ReadCount(kInt32Size, count)) {
        return false;
    }
    if (count != N) {
        return ar.Fail(std::string(what) + " holds " + std::to_string(count) + " entries, not " +
                       std::to_string(N));
    }
    for (T& value : values) {
        std::uint32_t raw = 0;
        if (!ar.ReadUInt32(raw)) {
            return false;
        }
        value = static_cast<T>(raw);
    }
    return true;
}

// The first copy of the type counters is superseded by the second; any length is read.
bool SkipIntArray(ArchiveReader& ar) {
    std::size_t count = 0;
    return ar.ReadCount(kInt32Size, count) && ar.Skip(std::uint64_t{count} * kInt32Size);
}

}  // namespace

void CLumoraDoc::Serialize(ArchiveWriter& ar) const {
    ar.WriteString(appName);
    ar.WriteInt32(formCounter);
    ar.WriteInt32(bitmapCounter);
    ar.WriteInt32Array(typeCounters);
    ar.WriteString(mainFormName);
    ar.WriteString(backgroundBitmapName);
    ar.WriteInt32(backgroundBitmapColor);
    ar.WriteInt32Array(typeCounters);
    ar.WriteUInt32Array(appColors);
    WriteList(forms, ArchiveClass::Form, WriteForm, ar);
    WriteList(bitmaps, ArchiveClass::Bitmap, WriteBitmap, ar);
    ar.WriteInt32(reserved1);
    ar.WriteInt32(reserved2);
    ar.WriteInt32(nextComponentId);
    ar.WriteString(customCode);
    WriteList(objects, ArchiveClass::Object, WriteObject, ar);
    ar.WriteString(templateText);
    ar.WriteString(reservedText);
    ar.WriteInt32(reserved3);
}

bool CLumoraDoc::Serialize(ArchiveReader& ar) {
    const bool read =
        ar.ReadString(appName) && ar.ReadInt32(formCounter) && ar.ReadInt32(bitmapCounter) &&
        SkipIntArray(ar) && ar.ReadString(mainFormName) && ar.ReadString(backgroundBitmapName) &&
        ar.ReadInt32(backgroundBitmapColor) &&
        ReadFixedArray(ar, "the type counter array", typeCounters) &&
        ReadFixedArray(ar, "the colour array", appColors) &&
        ReadList(ar, ArchiveClass::Form, kSmallestForm, ReadForm, forms) &&
        ReadList(ar, ArchiveClass::Bitmap, kSmallestBitmap, ReadBitmap, bitmaps) &&
        ar.ReadInt32(reserved1) && ar.ReadInt32(reserved2) && ar.ReadInt32(nextComponentId) &&
        ar.ReadString(customCode) &&
        ReadList(ar, ArchiveClass::Object, kSmallestObject, ReadObject, objects) &&
        ar.ReadString(templateText) && ar.ReadString(reservedText) && ar.ReadInt32(reserved3);
    if (!read) {
        return false;
    }
    if (forms.empty()) {
        return ar.Fail("an application without forms");
    }
    reservedText.clear();
    reserved3 = 0;
    currentForm = forms.front().get();
    currentComponent = nullptr;
    currentBitmap = nullptr;
    return true;
}

namespace {

// At least as many bytes as the records take, so that saving allocates once: each string at
// its longest header, each class part at its longest tag, each count at its escaped form.
std::size_t RecordBytesAtMost(const CLumoraDoc& doc) {
    constexpr std::size_t kStringHeader = 10;
    constexpr std::size_t kClassPart = 6 + 2 + 2 + 16;  // a new class record, name included
    constexpr std::size_t kCount = 6;
    const auto text = [](const std::u16string& s) { return kStringHeader + 2 * s.size(); };
    std::size_t n = text(doc.appName) + text(doc.mainFormName) + text(doc.backgroundBitmapName) +
                    text(doc.customCode) + text(doc.templateText) + text(doc.reservedText) +
                    2 * (kCount + kInt32Size * doc.typeCounters.size()) + kCount +
                    kInt32Size * doc.appColors.size() + 3 * kCount + 8 * kInt32Size;
    for (const auto& form : doc.forms) {
        n += kClassPart + text(form->caption) + text(form->name) + 7 * kInt32Size + kCount;
        for (const auto& c : form->components) {
            n += kClassPart + text(c->caption) + text(c->name) + text(c->handler) + 11 * kInt32Size;
        }
    }
    for (const auto& bitmap : doc.bitmaps) {
        n += kClassPart + text(bitmap->name) + 6 * kInt32Size +
             bitmap->tiles.size() * TileImage::kByteCount;
    }
    for (const auto& object : doc.objects) {
        n += kClassPart + text(object->code) + text(object->fileName) + text(object->name) +
             text(object->fileStem) + text(object->reservedText) + kInt32Size;
    }
    return n;
}

std::string SerializeRecords(const CLumoraDoc& doc, std::size_t extra) {
    ArchiveWriter ar(RecordBytesAtMost(doc) + extra);
    doc.Serialize(ar);
    return ar.TakeBytes();
}

}  // namespace

std::string SerializeDocumentRecords(const CLumoraDoc& doc) {
    return SerializeRecords(doc, 0);
}

std::string SerializeDocument(const CLumoraDoc& doc) {
    std::string bytes = SerializeRecords(doc, ValueLimitsTrailerBytes(doc));
    AppendValueLimitsTrailer(doc, bytes);
    return bytes;
}

std::optional<FormatError> ReadDocument(std::span<const unsigned char> bytes, CLumoraDoc& doc,
                                        ValueLimitsTrailer* trailer) {
    if (trailer) {
        *trailer = ValueLimitsTrailer::Absent;
    }
    doc.DeleteContents();
    ArchiveReader ar(bytes);
    if (!doc.Serialize(ar)) {
        doc.DeleteContents();
        return ar.Error().value_or(FormatError{ar.Offset(), "an unreadable file"});
    }
    const ValueLimitsTrailer read = ReadValueLimitsTrailer(bytes.subspan(ar.Offset()), doc);
    if (trailer) {
        *trailer = read;
    }
    return std::nullopt;
}

std::optional<FormatError> ReadDocument(std::string_view bytes, CLumoraDoc& doc,
                                        ValueLimitsTrailer* trailer) {
    return ReadDocument(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()), doc,
        trailer);
}

}  // namespace lumora
