// Turns the text-art character set into the ROM font's layout (128 pairs x 32 rows, one long
// per row, pixel i in bits 2i and 2i + 1) and writes it as a C++ source.
//
// usage: glyph_font_compiler SOURCE.txt OUT.cpp
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kPairs = 128;
constexpr int kRows = 32;
constexpr int kColumns = 16;

struct Error {
    int line;
    std::string text;
};

class Compiler {
  public:
    std::array<std::uint32_t, kPairs * kRows> longs{};
    std::vector<Error> errors;

    void Run(std::istream& in) {
        std::string line;
        while (std::getline(in, line)) {
            ++lineNumber_;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (rowsLeft_ > 0) {
                Row(line);
            } else if (line.empty() || line[0] == '#') {
                continue;
            } else {
                Header(line);
            }
        }
        if (rowsLeft_ > 0) {
            Fail("the last glyph has " + std::to_string(kRows - rowsLeft_) + " of 32 rows");
        }
    }

  private:
    enum class Kind { Char, Cell };

    void Fail(const std::string& text) { errors.push_back({lineNumber_, text}); }

    void Header(const std::string& line) {
        std::istringstream words(line);
        std::string keyword;
        long number = -1;
        words >> keyword >> number;
        if (keyword == "char" && number >= 0 && number < 256) {
            Begin(Kind::Char, static_cast<int>(number), static_cast<int>(number) / 2);
        } else if (keyword == "cell" && number >= 0 && number < kPairs) {
            Begin(Kind::Cell, static_cast<int>(number), static_cast<int>(number));
        } else {
            Fail("expected 'char CODE' (0..255) or 'cell PAIR' (0..127): " + line);
        }
    }

    void Begin(Kind kind, int number, int pair) {
        const bool isCell = kind == Kind::Cell;
        // A pair is either two drawn characters or one four-colour cell, never both.
        const int planes = isCell ? 3 : 1 << (number & 1);
        if ((used_[pair] & planes) != 0 || (isCell && used_[pair] != 0) || cellPair_[pair]) {
            Fail((isCell ? "pair " : "character ") + std::to_string(number) + " drawn twice");
        }
        used_[pair] |= planes;
        cellPair_[pair] = cellPair_[pair] || isCell;
        kind_ = kind;
        number_ = number;
        pair_ = pair;
        rowsLeft_ = kRows;
    }

    void Row(const std::string& line) {
        const int row = kRows - rowsLeft_;
        --rowsLeft_;
        if (line.size() != kColumns) {
            Fail("a glyph row has 16 pixels, this one " + std::to_string(line.size()));
            return;
        }
        std::uint32_t& value = longs[static_cast<std::size_t>(pair_ * kRows + row)];
        for (int i = 0; i < kColumns; ++i) {
            const char c = line[static_cast<std::size_t>(i)];
            std::uint32_t pixel = 0;
            if (kind_ == Kind::Char) {
                if (c != '#' && c != '.') {
                    Fail(std::string("a character pixel is '#' or '.', not '") + c + "'");
                    return;
                }
                pixel = c == '#' ? 1u << (number_ & 1) : 0;
            } else {
                if (c != '.' && (c < '1' || c > '3')) {
                    Fail(std::string("a cell pixel is '.', '1', '2' or '3', not '") + c + "'");
                    return;
                }
                pixel = c == '.' ? 0 : static_cast<std::uint32_t>(c - '0');
            }
            value |= pixel << (2 * i);
        }
    }

    int lineNumber_ = 0;
    int rowsLeft_ = 0;
    Kind kind_ = Kind::Char;
    int number_ = 0;
    int pair_ = 0;
    std::array<int, kPairs> used_{};
    std::array<bool, kPairs> cellPair_{};
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: glyph_font_compiler SOURCE.txt OUT.cpp\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    Compiler compiler;
    compiler.Run(in);
    if (!compiler.errors.empty()) {
        for (const Error& e : compiler.errors) {
            std::cerr << argv[1] << ":" << e.line << ": " << e.text << "\n";
        }
        return 1;
    }
    std::ostringstream out;
    out << "// Generated from " << argv[1] << " by glyph_font_compiler; do not edit.\n"
        << "#include <cstdint>\n#include <span>\n\nnamespace lumora::embedded {\n\n"
        << "static const std::uint32_t builtInFont_data[" << kPairs * kRows << "] = {\n";
    for (std::size_t i = 0; i < compiler.longs.size(); ++i) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08X,", static_cast<unsigned>(compiler.longs[i]));
        out << (i % 8 == 0 ? "    " : " ") << hex << (i % 8 == 7 ? "\n" : "");
    }
    out << "};\n\nextern const std::span<const std::uint32_t, " << kPairs * kRows
        << "> builtInFont;\nconst std::span<const std::uint32_t, " << kPairs * kRows
        << "> builtInFont{builtInFont_data};\n\n}  // namespace lumora::embedded\n";
    std::ofstream file(argv[2], std::ios::binary);
    file << out.str();
    if (!file) {
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
