#include "model/value_limits_trailer.h"

#include <algorithm>
#include <cstdint>
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

void AppendUInt32(std::string& out, std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    out.append(bytes, sizeof bytes);
}

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

void AppendValueLimitsTrailer(const CLumoraDoc& doc, std::string& out) {
    const std::size_t start = out.size();
    const std::size_t count = ComponentCount(doc);
    out.reserve(start + kHeaderSize + count * kEntrySize + kCrcSize);
    out.append(kMagic);
    AppendUInt32(out, kVersion);
    AppendUInt32(out, static_cast<std::uint32_t>(count));
    for (const auto& form : doc.forms) {
        for (const auto& c : form->components) {
            AppendUInt32(out, static_cast<std::uint32_t>(c->maxValue));
            AppendUInt32(out, static_cast<std::uint32_t>(c->minValue));
            AppendUInt32(out, static_cast<std::uint32_t>(c->group));
        }
    }
    const auto* trailer = reinterpret_cast<const unsigned char*>(out.data()) + start;
    AppendUInt32(out, Crc32(std::span(trailer, out.size() - start)));
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
