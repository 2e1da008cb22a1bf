#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/archive_format.h"

namespace lumora {

// Builds the bytes of an application file: little-endian primitives, marked UTF-16 strings,
// escaped counts, and object references that share one index counter per file.
class ArchiveWriter {
  public:
    void WriteByte(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void WriteWord(std::uint16_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteInt32(std::int32_t value) { WriteUInt32(static_cast<std::uint32_t>(value)); }
    void WriteBytes(std::span<const std::uint8_t> bytes);
    void WriteCount(std::size_t count);
    void WriteString(std::u16string_view text);
    void WriteInt32Array(std::span<const std::int32_t> values);
    void WriteUInt32Array(std::span<const std::uint32_t> values);

    // The class part of a new object: the class record the first time the class occurs, a
    // reference to it afterwards. The caller writes the object's record next.
    void WriteObjectClass(ArchiveClass objectClass);

    const std::string& Bytes() const { return bytes_; }
    std::string TakeBytes() { return std::move(bytes_); }

  private:
    std::string bytes_;
    // The index of each class record, 0 while the class has not been written.
    std::array<std::uint32_t, kArchiveClassCount + 1> classIndex_{};
    std::uint32_t nextIndex_ = 1;
};

}  // namespace lumora
