#include "model/archive_writer.h"

#include <algorithm>

#include "model/text_encoding.h"

namespace lumora {

void ArchiveWriter::GrowStorage(std::size_t n) {
    bytes_.resize(std::max({bytes_.size() * 2, used_ + n, std::size_t{256}}));
}

void ArchiveWriter::WriteCount(std::size_t count) {
    if (count < kWordEscape) {
        WriteWord(static_cast<std::uint16_t>(count));
        return;
    }
    WriteWord(kWordEscape);
    // No list of a real application comes near 2^32 entries.
    WriteUInt32(static_cast<std::uint32_t>(count));
}

void ArchiveWriter::WriteString(std::u16string_view text) {
    WriteByte(kByteEscape);
    WriteWord(kUnicodeMarker);
    const std::size_t length = text.size();
    if (length < kByteEscape) {
        WriteByte(static_cast<std::uint8_t>(length));
    } else if (length < kUnicodeMarker) {
        WriteByte(kByteEscape);
        WriteWord(static_cast<std::uint16_t>(length));
    } else {
        WriteByte(kByteEscape);
        WriteWord(kWordEscape);
        WriteUInt32(static_cast<std::uint32_t>(length));
    }
    const std::size_t byteCount = 2 * length;
    if (byteCount != 0) {
        EncodeUtf16Le(text, Grow(byteCount));
    }
}

void ArchiveWriter::WriteInt32Array(std::span<const std::int32_t> values) {
    WriteCount(values.size());
    for (std::int32_t v : values) {
        WriteInt32(v);
    }
}

void ArchiveWriter::WriteUInt32Array(std::span<const std::uint32_t> values) {
    WriteCount(values.size());
    for (std::uint32_t v : values) {
        WriteUInt32(v);
    }
}

void ArchiveWriter::WriteObjectClass(ArchiveClass objectClass) {
    std::uint32_t& index = classIndex_[static_cast<std::size_t>(objectClass)];
    if (index == 0) {
        const std::string_view name = ArchiveClassName(objectClass);
        WriteWord(kNewClassTag);
        WriteWord(kClassSchema);
        WriteWord(static_cast<std::uint16_t>(name.size()));
        std::memcpy(Grow(name.size()), name.data(), name.size());
        index = nextIndex_++;
    } else if (index < kBigIndexTag) {
        WriteWord(static_cast<std::uint16_t>(kClassTagBit | index));
    } else {
        WriteWord(kBigIndexTag);
        WriteUInt32(kBigClassTagBit | index);
    }
    // The object itself takes the next index, right after its class record.
    ++nextIndex_;
}

}  // namespace lumora
