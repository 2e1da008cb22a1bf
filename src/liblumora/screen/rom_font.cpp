#include "screen/rom_font.h"

#include <fstream>
#include <system_error>
#include <vector>

namespace lumora {

namespace embedded {
extern const std::span<const std::uint32_t, kFontLongs> builtInFont;
}

namespace {

std::string SizeMessage(std::uintmax_t size) {
    return "a ROM font file must hold 16384 bytes (the font region) or 32768 bytes (the hub ROM "
           "from $8000 to $FFFF); this one holds " +
           std::to_string(size) + " bytes";
}

}  // namespace

RomFont BuiltInFont() {
    RomFont font;
    std::copy(embedded::builtInFont.begin(), embedded::builtInFont.end(), font.longs.begin());
    return font;
}

std::optional<RomFont> RomFontFromBytes(std::span<const unsigned char> bytes, std::string& error) {
    if (bytes.size() != kFontBytes && bytes.size() != kHubRomImageBytes) {
        error = SizeMessage(bytes.size());
        return std::nullopt;
    }
    RomFont font;
    for (std::size_t i = 0; i < font.longs.size(); ++i) {
        const unsigned char* b = &bytes[4 * i];
        font.longs[i] = std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                        (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24);
    }
    return font;
}

std::optional<RomFont> LoadRomFontFile(const std::filesystem::path& path, std::string& error) {
    std::string name = "'";
    name += path.string();
    name += "': ";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = name + (ec ? ec.message() : "not a regular file");
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        error = name + ec.message();
        return std::nullopt;
    }
    if (size != kFontBytes && size != kHubRomImageBytes) {
        error = name + SizeMessage(size);
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    // One byte more than allowed, so a file that grew since it was measured is caught.
    std::vector<unsigned char> bytes(kHubRomImageBytes + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        error = name + "cannot be read";
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    auto font = RomFontFromBytes(bytes, error);
    if (!font) {
        error.insert(0, name);
    }
    return font;
}

}  // namespace lumora
