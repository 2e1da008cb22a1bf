#pragma once

#include <string>
#include <string_view>

namespace lumora::propellent {

// How a Spin file's bytes are encoded, guessed the way Spin compilers guess.
enum class SpinEncoding {
    kUtf16LeWithMark,
    kUtf16Le,  // no byte-order mark, told by a zero second byte
    kUtf8WithMark,
    kEightBit,
};

SpinEncoding DetectSpinEncoding(std::string_view bytes);

// The file's characters without a byte-order mark; 8-bit text maps each byte to one character.
std::u16string DecodeSpinFile(std::string_view bytes);

// The bytes a compiler reads correctly: UTF-16LE without a mark gets one (OpenSpin otherwise
// loses the first character); everything else is left as it is. Characters keep their places.
std::string CompilerReadableBytes(std::string_view bytes);

}  // namespace lumora::propellent
