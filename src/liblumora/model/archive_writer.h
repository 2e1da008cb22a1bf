#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "model/archive_format.h"

namespace lumora {

// Builds the bytes of an application file: little-endian primitives, marked UTF-16 strings,
// escaped counts, and object references that share one index counter per file.
class ArchiveWriter {
  public:
    // reserve: the bytes expected, so that a large file is written into one allocation.
    explicit ArchiveWriter(std::size_t reserve = 0) { bytes_.resize(reserve); }

    void WriteByte(std::uint8_t value) { *Grow(1) = static_cast<char>(value); }
    void WriteWord(std::uint16_t value) {
        char* p = Grow(2);
        p[0] = static_cast<char>(value & 0xFF);
        p[1] = static_cast<char>(value >> 8);
    }
    void WriteUInt32(std::uint32_t value) {
        char* p = Grow(4);
        p[0] = static_cast<char>(value & 0xFF);
        p[1] = static_cast<char>((value >> 8) & 0xFF);
        p[2] = static_cast<char>((value >> 16) & 0xFF);
        p[3] = static_cast<char>(value >> 24);
    }
    void WriteInt32(std::int32_t value) { WriteUInt32(static_cast<std::uint32_t>(value)); }
    void WriteBytes(std::span<const std::uint8_t> bytes) {
        if (!bytes.empty()) {
            std::memcpy(Grow(bytes.size()), bytes.data(), bytes.size());
        }
    }
    void WriteCount(std::size_t count);
    void WriteString(std::u16string_view text);
    void WriteInt32Array(std::span<const std::int32_t> values);
    void WriteUInt32Array(std::span<const std::uint32_t> values);

    // The class part of a new object: the class record the first time the class occurs, a
    // reference to it afterwards. The caller writes the object's record next.
    void WriteObjectClass(ArchiveClass objectClass);

    std::string_view Bytes() const { return {bytes_.data(), used_}; }
    // The bytes written; the string keeps the room reserved past them for appending.
    std::string TakeBytes() {
        bytes_.resize(used_);
        used_ = 0;
        return std::move(bytes_);
    }

  private:
    // Room for n more bytes: bytes_ is sized ahead of what is written, so that each write is
    // a few stores rather than a call.
    char* Grow(std::size_t n) {
        if (bytes_.size() - used_ < n) {
            GrowStorage(n);
        }
        char* p = bytes_.data() + used_;
        used_ += n;
        return p;
    }
    void GrowStorage(std::size_t n);

    std::string bytes_;
    std::size_t used_ = 0;
    // The index of each class record, 0 while the class has not been written.
    std::array<std::uint32_t, kArchiveClassCount + 1> classIndex_{};
    std::uint32_t nextIndex_ = 1;
};

}  // namespace lumora
