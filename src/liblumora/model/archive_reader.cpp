#include "model/archive_reader.h"

#include <algorithm>
#include <string_view>

#include "model/text_encoding.h"

namespace lumora {

bool ArchiveReader::Fail(std::string reason) {
    if (!error_) {
        error_ = FormatError{pos_, std::move(reason)};
        failed_ = true;
    }
    return false;
}

bool ArchiveReader::Need(std::uint64_t count, const char* what) {
    if (error_) {
        return false;
    }
    if (count > Remaining()) {
        return Fail(std::string(what) + " runs past the end of the file");
    }
    return true;
}

bool ArchiveReader::ReadBytes(std::span<std::uint8_t> out) {
    if (!Need(out.size(), "a block of bytes")) {
        return false;
    }
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_), out.size(), out.begin());
    pos_ += out.size();
    return true;
}

bool ArchiveReader::Skip(std::uint64_t count) {
    if (!Need(count, "a block of bytes")) {
        return false;
    }
    pos_ += static_cast<std::size_t>(count);
    return true;
}

bool ArchiveReader::ReadCount(std::size_t minEntrySize, std::size_t& count) {
    std::uint16_t word = 0;
    if (!ReadWord(word)) {
        return false;
    }
    std::uint64_t value = word;
    if (word == kWordEscape) {
        std::uint32_t wide = 0;
        if (!ReadUInt32(wide)) {
            return false;
        }
        value = wide;
    }
    if (value * std::max<std::size_t>(minEntrySize, 1) > Remaining()) {
        return Fail("a count of " + std::to_string(value) + " exceeds the data left");
    }
    count = static_cast<std::size_t>(value);
    return true;
}

bool ArchiveReader::ReadString(std::u16string& text) {
    // Length forms: a byte below $FF; else $FF and a word below $FFFF; else $FF $FFFF and a
    // 32-bit length. The word $FFFE right after the first $FF marks UTF-16 text, and the
    // length follows in the same forms.
    std::uint8_t shortLength = 0;
    if (!ReadByte(shortLength)) {
        return false;
    }
    std::uint64_t length = shortLength;
    std::uint64_t unitSize = 1;
    if (shortLength == kByteEscape) {
        std::uint16_t word = 0;
        if (!ReadWord(word)) {
            return false;
        }
        if (word == kUnicodeMarker) {
            unitSize = 2;
            if (!ReadByte(shortLength)) {
                return false;
            }
            length = shortLength;
            if (shortLength == kByteEscape && !ReadWord(word)) {
                return false;
            }
        }
        if (shortLength == kByteEscape) {
            length = word;
            if (word == kWordEscape) {
                std::uint32_t wide = 0;
                if (!ReadUInt32(wide)) {
                    return false;
                }
                length = wide;
            }
        }
    }
    if (length * unitSize > Remaining()) {
        return Fail("a string of " + std::to_string(length) + " characters exceeds the data left");
    }
    const auto byteCount = static_cast<std::size_t>(length * unitSize);
    const auto data = bytes_.subspan(pos_, byteCount);
    text = unitSize == 2 ? DecodeUtf16Le(data) : DecodeWindows1252(data);
    pos_ += byteCount;
    return true;
}

bool ArchiveReader::ReadObjectClass(ArchiveClass expected) {
    std::uint16_t tag = 0;
    if (!ReadWord(tag)) {
        return false;
    }
    std::uint32_t objectTag = 0;
    if (tag == kBigIndexTag) {
        if (!ReadUInt32(objectTag)) {
            return false;
        }
    } else {
        objectTag = (static_cast<std::uint32_t>(tag & kClassTagBit) << 16) |
                    static_cast<std::uint32_t>(tag & ~kClassTagBit & 0xFFFF);
    }
    if ((objectTag & kBigClassTagBit) == 0) {
        // Every object of a file is written once, so a reference is never valid here.
        return Fail(objectTag == 0 ? "a missing object" : "a reference to an earlier object");
    }

    ArchiveClass found{};
    if (tag == kNewClassTag) {
        std::uint16_t schema = 0;
        std::uint16_t nameLength = 0;
        if (!ReadWord(schema) || !ReadWord(nameLength) || !Need(nameLength, "a class name")) {
            return false;
        }
        const std::string_view name(reinterpret_cast<const char*>(bytes_.data() + pos_),
                                    nameLength);
        bool known = false;
        for (int c = 1; c <= kArchiveClassCount; ++c) {
            if (name == ArchiveClassName(static_cast<ArchiveClass>(c))) {
                found = static_cast<ArchiveClass>(c);
                known = true;
            }
        }
        if (!known) {
            return Fail("an unknown class name");
        }
        pos_ += nameLength;
        // Any schema number is accepted.
        indexes_.push_back(static_cast<std::uint8_t>(found));
    } else {
        const std::uint32_t classIndex = objectTag & ~kBigClassTagBit;
        if (classIndex == 0 || classIndex >= indexes_.size() || indexes_[classIndex] == 0) {
            return Fail("a class index that names no class record");
        }
        found = static_cast<ArchiveClass>(indexes_[classIndex]);
    }
    if (found != expected) {
        return Fail("a " + std::string(ArchiveClassName(found)) + " record where a " +
                    std::string(ArchiveClassName(expected)) + " belongs");
    }
    indexes_.push_back(0);
    return true;
}

}  // namespace lumora
