#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/archive_format.h"

namespace lumora {

// Why a file was not accepted, and where.
struct FormatError {
    std::size_t offset = 0;
    std::string reason;
};

// Reads the bytes of an application file without trusting them: every length and count is
// checked against the bytes left before anything is allocated for it. The first failure
// stops the reader; every later read fails too, so callers may check once at the end.
class ArchiveReader {
  public:
    explicit ArchiveReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    // The primitives are inline: a file is mostly small fields, and a call and a failure check
    // apiece cost more than the bytes.
    bool ReadByte(std::uint8_t& value) {
        if (!Have(1, "a byte")) {
            return false;
        }
        value = bytes_[pos_++];
        return true;
    }
    bool ReadWord(std::uint16_t& value) {
        if (!Have(2, "a word")) {
            return false;
        }
        value = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    bool ReadUInt32(std::uint32_t& value) {
        if (!Have(4, "a 32-bit value")) {
            return false;
        }
        value = static_cast<std::uint32_t>(bytes_[pos_]) |
                (static_cast<std::uint32_t>(bytes_[pos_ + 1]) << 8) |
                (static_cast<std::uint32_t>(bytes_[pos_ + 2]) << 16) |
                (static_cast<std::uint32_t>(bytes_[pos_ + 3]) << 24);
        pos_ += 4;
        return true;
    }
    bool ReadInt32(std::int32_t& value) {
        std::uint32_t raw = 0;
        if (!ReadUInt32(raw)) {
            return false;
        }
        value = static_cast<std::int32_t>(raw);
        return true;
    }
    bool ReadBytes(std::span<std::uint8_t> out);
    bool Skip(std::uint64_t count);

    // A count of entries that each take at least minEntrySize bytes (at least 1); more than
    // the bytes left can hold is an error.
    bool ReadCount(std::size_t minEntrySize, std::size_t& count);
    // The marked UTF-16 form, or the unmarked single-byte form taken as Windows-1252.
    bool ReadString(std::u16string& text);

    // The class part of an object reference, which must introduce a new object of the
    // expected class: a missing object, a reference to an earlier object, an unknown class
    // name, a class index that names no class record, or a record of another class is an
    // error.
    bool ReadObjectClass(ArchiveClass expected);

    std::size_t Remaining() const { return bytes_.size() - pos_; }
    std::size_t Offset() const { return pos_; }
    bool Failed() const { return error_.has_value(); }
    const std::optional<FormatError>& Error() const { return error_; }
    // Records a failure found by the caller (a field value the model cannot hold).
    bool Fail(std::string reason);

  private:
    bool Need(std::uint64_t count, const char* what);
    // Need's test, with the failure out of line. After a failure every read fails: pos_ stays
    // where the failure was found, and failed_ is set.
    bool Have(std::size_t count, const char* what) {
        return (!failed_ && count <= bytes_.size() - pos_) || Need(count, what);
    }

    std::span<const unsigned char> bytes_;
    std::size_t pos_ = 0;
    std::optional<FormatError> error_;
    bool failed_ = false;
    // What each index of the file names: the class of a class record, or 0 for an object.
    // Index 0 is the missing object and never handed out.
    std::vector<std::uint8_t> indexes_{0};
};

}  // namespace lumora
