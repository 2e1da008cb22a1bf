#include "spin_file_text.h"

namespace lumora::propellent {

namespace {

unsigned char Byte(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

// Lenient UTF-8: a malformed sequence yields U+FFFD for its first byte and decoding goes on.
void AppendUtf8(std::string_view bytes, std::u16string& out) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = Byte(bytes, i);
        int extra = -1;
        char32_t cp = 0;
        if (lead < 0x80) {
            extra = 0;
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        }
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < bytes.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const unsigned char next = Byte(bytes, i + static_cast<std::size_t>(k));
            if ((next & 0xC0) != 0x80) {
                ok = false;
            } else {
                cp = (cp << 6) | (next & 0x3F);
            }
        }
        if (!ok || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
}

}  // namespace

SpinEncoding DetectSpinEncoding(std::string_view bytes) {
    if (bytes.size() >= 2 && Byte(bytes, 0) == 0xFF && Byte(bytes, 1) == 0xFE) {
        return SpinEncoding::kUtf16LeWithMark;
    }
    if (bytes.size() >= 3 && Byte(bytes, 0) == 0xEF && Byte(bytes, 1) == 0xBB &&
        Byte(bytes, 2) == 0xBF) {
        return SpinEncoding::kUtf8WithMark;
    }
    if (bytes.size() >= 2 && Byte(bytes, 1) == 0) {
        return SpinEncoding::kUtf16Le;
    }
    return SpinEncoding::kEightBit;
}

std::u16string DecodeSpinFile(std::string_view bytes) {
    std::u16string text;
    switch (DetectSpinEncoding(bytes)) {
        case SpinEncoding::kUtf16LeWithMark:
            bytes.remove_prefix(2);
            [[fallthrough]];
        case SpinEncoding::kUtf16Le:
            text.reserve(bytes.size() / 2);
            for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
                text.push_back(static_cast<char16_t>(Byte(bytes, i) | (Byte(bytes, i + 1) << 8)));
            }
            break;
        case SpinEncoding::kUtf8WithMark:
            AppendUtf8(bytes.substr(3), text);
            break;
        case SpinEncoding::kEightBit:
            text.reserve(bytes.size());
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                text.push_back(Byte(bytes, i));
            }
            break;
    }
    return text;
}

std::string CompilerReadableBytes(std::string_view bytes) {
    if (DetectSpinEncoding(bytes) != SpinEncoding::kUtf16Le) {
        return std::string(bytes);
    }
    std::string marked = "\xFF\xFE";
    marked.append(bytes);
    return marked;
}

}  // namespace lumora::propellent
