#include "model/value_limits_trailer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "model/crc32.h"
#include "model/document.h"

namespace lumora {

namespace {

constexpr std::string_view kMagic = "LMDX";
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 12;  // magic, version, count
constexpr std::size_t kEntrySize = 12;
constexpr std::size_t kCrcSize = 4;

std::uint32_t UInt32At(std::span<const unsigned char> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
           std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

std::size_t ComponentCount(const CLumoraDoc& doc) {
    std::size_t count = 0;
    for (const auto& form : doc.forms) {
        count += form->components.size();
    }
    return count;
}

}  // namespace

std::size_t ValueLimitsTrailerBytes(const CLumoraDoc& doc) {
    return kHeaderSize + ComponentCount(doc) * kEntrySize + kCrcSize;
}

void AppendValueLimitsTrailer(const CLumoraDoc& doc, std::string& out) {
    const std::size_t start = out.size();
    const std::size_t count = ComponentCount(doc);
    // Sized once and filled in place: three appends per component cost more than the bytes.
    out.resize(start + kHeaderSize + count * kEntrySize + kCrcSize);
    char* p = out.data() + start;
    const auto put = [&p](std::uint32_t value) {
        p[0] = static_cast<char>(value & 0xFF);
        p[1] = static_cast<char>((value >> 8) & 0xFF);
        p[2] = static_cast<char>((value >> 16) & 0xFF);
        p[3] = static_cast<char>(value >> 24);
        p += 4;
    };
    std::memcpy(p, kMagic.data(), kMagic.size());
    p += kMagic.size();
    put(kVersion);
    put(static_cast<std::uint32_t>(count));
    for (const auto& form : doc.forms) {
        for (const auto& c : form->components) {
            put(static_cast<std::uint32_t>(c->maxValue));
            put(static_cast<std::uint32_t>(c->minValue));
            put(static_cast<std::uint32_t>(c->group));
        }
    }
    const auto* trailer = reinterpret_cast<const unsigned char*>(out.data()) + start;
    put(Crc32(std::span(trailer, out.size() - start - kCrcSize)));
}

ValueLimitsTrailer ReadValueLimitsTrailer(std::span<const unsigned char> rest, CLumoraDoc& doc) {
    // A file cut inside the magic is a damaged trailer too, not foreign bytes.
    const std::size_t magicBytes = std::min(rest.size(), kMagic.size());
    if (rest.empty() || !std::equal(rest.begin(), rest.begin() + magicBytes, kMagic.begin())) {
        return ValueLimitsTrailer::Absent;
    }
    if (rest.size() < kHeaderSize + kCrcSize) {
        return ValueLimitsTrailer::Damaged;
    }
    const std::size_t count = ComponentCount(doc);
    // Compared before multiplying, so a huge stored count cannot overflow the length check.
    if (UInt32At(rest, 4) != kVersion || UInt32At(rest, 8) != count ||
        (rest.size() - kHeaderSize - kCrcSize) / kEntrySize != count ||
        (rest.size() - kHeaderSize - kCrcSize) % kEntrySize != 0) {
        return ValueLimitsTrailer::Damaged;
    }
    const std::size_t crcAt = rest.size() - kCrcSize;
    if (Crc32(rest.first(crcAt)) != UInt32At(rest, crcAt)) {
        return ValueLimitsTrailer::Damaged;
    }
    std::size_t at = kHeaderSize;
    for (const auto& form : doc.forms) {
        for (const auto& c : form->components) {
            c->maxValue = static_cast<std::int32_t>(UInt32At(rest, at));
            c->minValue = static_cast<std::int32_t>(UInt32At(rest, at + 4));
            c->group = static_cast<std::int32_t>(UInt32At(rest, at + 8));
            at += kEntrySize;
        }
    }
    return ValueLimitsTrailer::Read;
}

}  // namespace lumora
