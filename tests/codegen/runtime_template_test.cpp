// Checks of the GUI runtime text and the stand-in driver objects that need no Spin compiler:
// encoding and line ends, the contract with the generated part of the file, the fixed data, and
// that every driver call the runtime makes exists in the stand-in with that many arguments.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "codegen/source_generator.h"
#include "model/document.h"
#include "model/new_application.h"
#include "model/records.h"
#include "model/resource_texts.h"
#include "model/text_encoding.h"
#include "recording_messages.h"

namespace lumora {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool SameSymbol(std::string_view a, std::string_view b) {
    return Lower(a) == Lower(b);
}

// ---- a small Spin scanner: enough of the language to read declarations ----

enum class Kind { Ident, Number, String, Symbol };

struct Token {
    Kind kind;
    std::string text;
};

struct Line {
    int number = 0;             // 1-based line of the source
    bool atColumnZero = false;  // first token starts the line
    std::vector<Token> tokens;
};

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Comments (' to the line end, nested { }) are dropped; strings stay one token.
std::vector<Line> Scan(std::string_view text) {
    std::vector<Line> lines;
    int braceDepth = 0;
    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view raw = text.substr(pos, end - pos);
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
        }
        ++number;
        Line line;
        line.number = number;
        std::size_t i = 0;
        while (i < raw.size()) {
            const char c = raw[i];
            if (braceDepth > 0) {
                braceDepth += (c == '{') - (c == '}');
                ++i;
            } else if (c == '{') {
                braceDepth = 1;
                ++i;
            } else if (c == '\'') {
                break;
            } else if (c == ' ') {
                ++i;
            } else {
                const bool first = line.tokens.empty() && i == 0;
                Token t;
                std::size_t j = i + 1;
                if (c == '"') {
                    j = raw.find('"', i + 1);
                    j = (j == std::string_view::npos) ? raw.size() : j + 1;
                    t = {Kind::String, std::string(raw.substr(i + 1, j - i - 2))};
                } else if (IsIdentStart(c)) {
                    while (j < raw.size() && IsIdentChar(raw[j])) {
                        ++j;
                    }
                    t = {Kind::Ident, std::string(raw.substr(i, j - i))};
                } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                           ((c == '$' || c == '%') && j < raw.size() &&
                            std::isxdigit(static_cast<unsigned char>(raw[j])))) {
                    while (j < raw.size() && IsIdentChar(raw[j])) {
                        ++j;
                    }
                    t = {Kind::Number, std::string(raw.substr(i, j - i))};
                } else {
                    t = {Kind::Symbol, std::string(1, c)};
                }
                line.atColumnZero = line.atColumnZero || first;
                line.tokens.push_back(std::move(t));
                i = j;
            }
        }
        if (!line.tokens.empty()) {
            lines.push_back(std::move(line));
        }
        if (end == text.size()) {
            break;
        }
        pos = end + 1;
    }
    return lines;
}

std::optional<std::int64_t> NumberValue(std::string_view text) {
    std::string digits;
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with('%')) {
        base = 2;
        text.remove_prefix(1);
    }
    for (char c : text) {
        if (c != '_') {
            digits.push_back(c);
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    std::size_t used = 0;
    const long long value = std::stoll(digits, &used, base);
    if (used != digits.size()) {
        return std::nullopt;
    }
    return value;
}

const std::set<std::string> kBlockWords = {"con", "var", "obj", "pub", "pri", "dat"};

struct Block {
    std::string kind;  // lower case
    std::vector<Line> lines;
};

std::vector<Block> Blocks(const std::vector<Line>& lines) {
    std::vector<Block> blocks;
    for (const Line& line : lines) {
        const Token& first = line.tokens.front();
        if (line.atColumnZero && first.kind == Kind::Ident &&
            kBlockWords.contains(Lower(first.text))) {
            blocks.push_back({Lower(first.text), {}});
        }
        if (!blocks.empty()) {
            blocks.back().lines.push_back(line);
        }
    }
    return blocks;
}

struct Method {
    std::string name;
    bool isPublic = false;
    int parameters = 0;
};

Method MethodOf(const Block& block) {
    const std::vector<Token>& t = block.lines.front().tokens;
    Method m;
    m.isPublic = block.kind == "pub";
    m.name = t.size() > 1 ? t[1].text : std::string();
    if (t.size() > 2 && t[2].text == "(") {
        int count = 0;
        for (std::size_t i = 3; i < t.size() && t[i].text != ")"; ++i) {
            count += t[i].kind == Kind::Ident;
        }
        m.parameters = count;
    }
    return m;
}

struct SpinObject {
    std::vector<Block> blocks;
    std::vector<Method> methods;
    std::map<std::string, std::vector<Token>> constants;    // lower-case name -> value tokens
    std::map<std::string, std::string> objects;             // symbol -> file
    std::vector<std::pair<std::string, std::string>> vars;  // (width, name) in order
    std::set<std::string> datLabels;                        // lower case

    const Method* FindMethod(std::string_view name) const {
        for (const Method& m : methods) {
            if (SameSymbol(m.name, name)) {
                return &m;
            }
        }
        return nullptr;
    }
    bool Defines(std::string_view name) const {
        const std::string key = Lower(name);
        return FindMethod(name) != nullptr || constants.contains(key) || datLabels.contains(key) ||
               std::any_of(vars.begin(), vars.end(),
                           [&](const auto& v) { return Lower(v.second) == key; }) ||
               std::any_of(objects.begin(), objects.end(),
                           [&](const auto& o) { return Lower(o.first) == key; });
    }
};

bool IsSize(const Token& t) {
    const std::string s = Lower(t.text);
    return t.kind == Kind::Ident && (s == "byte" || s == "word" || s == "long");
}

SpinObject Read(std::string_view text) {
    SpinObject o;
    o.blocks = Blocks(Scan(text));
    for (const Block& b : o.blocks) {
        if (b.kind == "pub" || b.kind == "pri") {
            o.methods.push_back(MethodOf(b));
            continue;
        }
        for (std::size_t li = 0; li < b.lines.size(); ++li) {
            std::vector<Token> t = b.lines[li].tokens;
            if (li == 0) {
                t.erase(t.begin());  // the block word
            }
            if (t.empty()) {
                continue;
            }
            if (b.kind == "con" && t.size() > 2 && t[1].text == "=") {
                o.constants[Lower(t[0].text)] = std::vector<Token>(t.begin() + 2, t.end());
            } else if (b.kind == "obj" && t.size() == 3 && t[1].text == ":") {
                o.objects[t[0].text] = t[2].text;
            } else if (b.kind == "var" && IsSize(t[0])) {
                for (std::size_t i = 1; i < t.size(); ++i) {
                    if (t[i].kind == Kind::Ident && (i == 1 || t[i - 1].text == ",")) {
                        o.vars.emplace_back(Lower(t[0].text), t[i].text);
                    }
                }
            } else if (b.kind == "dat" && t[0].kind == Kind::Ident && !IsSize(t[0]) &&
                       b.lines[li].atColumnZero) {
                o.datLabels.insert(Lower(t[0].text));
            }
        }
    }
    return o;
}

// Lays out the DAT data the way the compiler does (alignment of word and long data, repeat
// counts, strings as one element per character, @label as the label's offset), so that the
// fixed records can be compared byte for byte.
struct DatImage {
    std::vector<std::uint8_t> bytes;
    std::map<std::string, std::size_t> labels;  // lower case -> offset
    std::string error;

    std::vector<std::uint8_t> At(std::string_view label, std::size_t count) const {
        const auto it = labels.find(Lower(label));
        if (it == labels.end() || it->second + count > bytes.size()) {
            return {};
        }
        return {bytes.begin() + static_cast<std::ptrdiff_t>(it->second),
                bytes.begin() + static_cast<std::ptrdiff_t>(it->second + count)};
    }
};

DatImage LayOutDat(const SpinObject& o) {
    DatImage image;
    struct Pending {
        std::size_t offset;
        int size;
        std::string label;
    };
    std::vector<Pending> fixups;
    for (const Block& b : o.blocks) {
        if (b.kind != "dat") {
            continue;
        }
        for (std::size_t li = 0; li < b.lines.size(); ++li) {
            std::vector<Token> t = b.lines[li].tokens;
            if (li == 0) {
                t.erase(t.begin());
            }
            std::size_t k = 0;
            std::string label;
            if (k < t.size() && t[k].kind == Kind::Ident && !IsSize(t[k])) {
                label = Lower(t[k].text);
                ++k;
            }
            int size = 1;
            if (k < t.size() && IsSize(t[k])) {
                const std::string s = Lower(t[k].text);
                size = s == "byte" ? 1 : s == "word" ? 2 : 4;
                ++k;
            } else if (k < t.size()) {
                image.error = "unsupported DAT line " + std::to_string(b.lines[li].number);
                return image;
            }
            while (image.bytes.size() % static_cast<std::size_t>(size) != 0) {
                image.bytes.push_back(0);
            }
            if (!label.empty()) {
                image.labels[label] = image.bytes.size();
            }
            auto emit = [&](std::int64_t v) {
                for (int i = 0; i < size; ++i) {
                    image.bytes.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
                }
            };
            while (k < t.size()) {
                if (t[k].kind == Kind::String) {
                    for (char c : t[k].text) {
                        emit(static_cast<unsigned char>(c));
                    }
                    ++k;
                } else if (t[k].text == "@" && k + 1 < t.size()) {
                    fixups.push_back({image.bytes.size(), size, Lower(t[k + 1].text)});
                    emit(0);
                    k += 2;
                } else if (t[k].kind == Kind::Number) {
                    const std::optional<std::int64_t> v = NumberValue(t[k].text);
                    std::int64_t repeat = 1;
                    ++k;
                    if (k + 2 < t.size() && t[k].text == "[" && t[k + 2].text == "]") {
                        repeat = NumberValue(t[k + 1].text).value_or(-1);
                        k += 3;
                    }
                    if (!v || repeat < 0) {
                        image.error = "bad number on line " + std::to_string(b.lines[li].number);
                        return image;
                    }
                    for (std::int64_t r = 0; r < repeat; ++r) {
                        emit(*v);
                    }
                } else {
                    image.error = "unsupported item on line " + std::to_string(b.lines[li].number);
                    return image;
                }
                if (k < t.size() && t[k].text == ",") {
                    ++k;
                }
            }
        }
    }
    for (const Pending& f : fixups) {
        const auto it = image.labels.find(f.label);
        if (it == image.labels.end()) {
            image.error = "unknown label " + f.label;
            return image;
        }
        for (int i = 0; i < f.size; ++i) {
            image.bytes[f.offset + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>((it->second >> (8 * i)) & 0xFF);
        }
    }
    return image;
}

std::string Utf8(ResourceId id) {
    return ToUtf8(LoadResourceText(id));
}

const SpinObject& Runtime() {
    static const SpinObject runtime = Read(ToUtf8(RuntimeTemplateText()));
    return runtime;
}

// ---- encoding of all five texts ----

TEST(SpinResourceTexts, AreUtf16WithByteOrderMarkCrLfAndNoTabs) {
    for (ResourceId id :
         {ResourceId::RuntimeTemplate, ResourceId::VgaDriver, ResourceId::MouseDriver,
          ResourceId::NumbersObject, ResourceId::KeyboardDriver}) {
        SCOPED_TRACE(static_cast<int>(id));
        const std::u16string text = LoadResourceText(id);
        ASSERT_GT(text.size(), 100u);
        EXPECT_EQ(text.front(), kByteOrderMark);
        EXPECT_EQ(text.find(u'\t'), std::u16string::npos);
        EXPECT_EQ(text.find(kByteOrderMark, 1), std::u16string::npos);
        EXPECT_TRUE(text.ends_with(u"\r\n"));
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r') {
                ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == u'\n') << "lone CR at " << i;
            } else if (text[i] == u'\n') {
                ASSERT_TRUE(i > 0 && text[i - 1] == u'\r') << "lone LF at " << i;
            }
            // Plain ASCII keeps the files readable by every Spin tool.
            ASSERT_LT(text[i] == kByteOrderMark ? 0 : text[i], 0x7F) << "at " << i;
        }
    }
}

TEST(RuntimeTemplate, StartsAndEndsWithItsMarkerComments) {
    const std::u16string text = RuntimeTemplateText();
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.front(), kByteOrderMark);
    EXPECT_TRUE(text.starts_with(u"'Start of Standard XGA Lumora code"));
    EXPECT_TRUE(text.ends_with(u"\r\n'End of standard code.\r\n"));
    EXPECT_EQ(text.find(u"'End of standard code."), text.size() - 24);
}

// ---- the runtime's declarations ----

TEST(RuntimeTemplate, FirstPublicMethodIsStartWithoutParameters) {
    const auto& methods = Runtime().methods;
    const auto first =
        std::find_if(methods.begin(), methods.end(), [](const Method& m) { return m.isPublic; });
    ASSERT_NE(first, methods.end());
    EXPECT_EQ(first->name, "start");
    EXPECT_EQ(first->parameters, 0);
}

TEST(RuntimeTemplate, DeclaresTheClockScreenConstants) {
    auto joined = [](const std::vector<Token>& tokens) {
        std::string s;
        for (const Token& t : tokens) {
            s += Lower(t.text);
        }
        return s;
    };
    const auto& c = Runtime().constants;
    const std::pair<const char*, const char*> expected[] = {
        {"_clkmode", "xtal1+pll16x"}, {"_xinfreq", "5_000_000"}, {"cols", "64"}, {"rows", "48"},
        {"tiles", "cols*rows"},
    };
    for (const auto& [name, value] : expected) {
        ASSERT_TRUE(c.contains(name)) << name;
        EXPECT_EQ(joined(c.at(name)), value) << name;
    }
}

TEST(RuntimeTemplate, DeclaresTheFourDriverObjects) {
    const std::map<std::string, std::string> expected = {
        {"vga", "VGA_1024x768_Tile_Driver_With_Cursor"},
        {"mouse", "mouse"},
        {"num", "numbers"},
        {"kb", "Keyboard"},
    };
    EXPECT_EQ(Runtime().objects, expected);
}

TEST(RuntimeTemplate, DeclaresItsVariablesInOrder) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"long", "col"},
        {"long", "row"},
        {"long", "color"},
        {"long", "boxcolor"},
        {"long", "boxptr"},
        {"long", "array"},
        {"long", "cursor"},
        {"long", "cursor_x"},
        {"long", "cursor_y"},
        {"long", "cursor_col"},
        {"long", "cursor_def"},
        {"word", "pMessageForm"},
        {"word", "pObEdit"},
        {"word", "user_charbase"},
        {"word", "pBackgroundBitmap"},
        {"byte", "nBackBmpXTiles"},
        {"byte", "nBackBmpYTiles"},
        {"byte", "BackBmpColor"},
        {"byte", "fTop"},
        {"byte", "fLeft"},
        {"byte", "fHeight"},
        {"byte", "fWidth"},
        {"word", "fStr"},
        {"byte", "fObjects"},
        {"byte", "fTitleColor"},
        {"byte", "fBorderColor"},
        {"byte", "fTextColor"},
        {"word", "fPointer"},
        {"byte", "oTop"},
        {"byte", "oLeft"},
        {"byte", "oHeight"},
        {"byte", "oWidth"},
        {"byte", "oColor"},
        {"byte", "oType"},
        {"byte", "oHandler"},
        {"long", "nuchars"},
    };
    EXPECT_EQ(Runtime().vars, expected);
    // The screen is 3072 words and the reserved cursor block 33 longs.
    const std::string text = ToUtf8(RuntimeTemplateText());
    EXPECT_NE(text.find("array[tiles/2]"), std::string::npos);
    EXPECT_NE(text.find("cursor[1+32]"), std::string::npos);
}

TEST(RuntimeTemplate, DefinesTheMethodsGeneratedAndCustomCodeMayCall) {
    const std::pair<const char*, int> expected[] = {
        {"showForm", 1},           {"MessageBox", 2},
        {"GetCheckValue", 1},      {"SetCheckValue", 2},
        {"GetNumberEditValue", 1}, {"SetNumberEditValue", 2},
        {"GetNumberEditMax", 1},   {"GetNumberEditMin", 1},
        {"drawObject", 1},         {"print", 1},
        {"print_string", 1},       {"nuchr", 2},
        {"OnLeftButtonUp", 1},     {"DrawForm", 0},
        {"DrawWindow", 0},         {"drawCenteredText", 4},
        {"boxBorder", 5},          {"boxFill", 5},
        {"darkenShadow", 4},       {"drawButton", 1},
        {"drawText", 1},           {"drawGroupBox", 1},
        {"drawOptionButton", 1},   {"drawNumberEdit", 1},
        {"DrawFormBitmap", 1},     {"TileBackgroundBitmap", 0},
        {"Bitmap1Bit", 6},
    };
    for (const auto& [name, parameters] : expected) {
        const Method* m = Runtime().FindMethod(name);
        ASSERT_NE(m, nullptr) << name;
        // The documented spelling; Spin would accept any case, readers of the code would not.
        EXPECT_EQ(m->name, name);
        EXPECT_EQ(m->parameters, parameters) << name;
    }
}

// Symbols the rest of the generated file supplies: the runtime uses them but must not define
// them, or the generated definitions would clash.
TEST(RuntimeTemplate, LeavesTheGeneratedSymbolsToTheGeneratedPart) {
    const std::string text = ToUtf8(RuntimeTemplateText());
    std::set<std::string> used;
    for (const Line& line : Scan(text)) {
        for (const Token& t : line.tokens) {
            if (t.kind == Kind::Ident) {
                used.insert(Lower(t.text));
            }
        }
    }
    for (const char* name : {"ShowMainForm", "HandleLeftButtonUp", "OnAppStarting", "IdleProcess",
                             "vgacolors", "UserCharStart", "UserCharEnd"}) {
        EXPECT_FALSE(Runtime().Defines(name)) << name;
        EXPECT_TRUE(used.contains(Lower(name))) << name;
    }
}

// Spin ignores letter case; the runtime relies on that only for names the generator spells
// differently (ShowMainForm, ShowForm). Everything else keeps one spelling, so that a search
// for a symbol finds all of it.
TEST(RuntimeTemplate, SpellsEverySymbolOneWay) {
    std::map<std::string, std::set<std::string>> spellings;
    for (const Line& line : Scan(ToUtf8(RuntimeTemplateText()))) {
        for (const Token& t : line.tokens) {
            if (t.kind == Kind::Ident) {
                spellings[Lower(t.text)].insert(t.text);
            }
        }
    }
    for (const auto& [key, forms] : spellings) {
        EXPECT_EQ(forms.size(), 1u) << key;
    }
    ASSERT_TRUE(spellings.contains("showmainform"));
    ASSERT_TRUE(spellings.contains("showform"));
}

TEST(RuntimeTemplate, FixedDataHoldsTheMarkersAndTheMessageBoxRecords) {
    const DatImage dat = LayOutDat(Runtime());
    ASSERT_TRUE(dat.error.empty()) << dat.error;
    using Bytes = std::vector<std::uint8_t>;
    EXPECT_EQ(dat.At("OptionOn", 5), (Bytes{'(', 15, ')', 32, 0}));
    EXPECT_EQ(dat.At("OptionOff", 5), (Bytes{'(', 32, ')', 32, 0}));
    EXPECT_EQ(dat.At("CheckOn", 5), (Bytes{'[', 88, ']', 32, 0}));
    EXPECT_EQ(dat.At("CheckOff", 5), (Bytes{'[', 32, ']', 32, 0}));

    Bytes title{'M', 'e', 's', 's', 'a', 'g', 'e', ':'};
    title.resize(33, 0);
    EXPECT_EQ(dat.At("msgboxTitle", 33), title);

    ASSERT_TRUE(dat.labels.contains("msgbox"));
    ASSERT_TRUE(dat.labels.contains("buttonmsgboxok"));
    EXPECT_EQ(dat.labels.at("msgbox") % 2, 0u);
    const std::size_t titleAt = dat.labels.at("msgboxtitle");
    const std::size_t okAt = dat.labels.at("buttonmsgboxok");
    EXPECT_EQ(
        dat.At("msgbox", 12),
        (Bytes{10, 15, 14, 30, static_cast<std::uint8_t>(titleAt & 0xFF),
               static_cast<std::uint8_t>(titleAt >> 8), 0, 14, 1, 1,
               static_cast<std::uint8_t>(okAt & 0xFF), static_cast<std::uint8_t>(okAt >> 8)}));
    EXPECT_EQ(dat.At("buttonMsgBoxOK", 11), (Bytes{1, 8, 10, 4, 8, 1, 1, 10, 'O', 'K', 0}));
}

// ---- the stand-in driver objects ----

struct StandIn {
    ResourceId id;
    const char* symbol;  // as the runtime's OBJ block names it
    std::vector<std::pair<const char*, int>> methods;
    bool drivesHardware;
};

const std::vector<StandIn>& StandIns() {
    static const std::vector<StandIn> all = {
        {ResourceId::VgaDriver, "vga", {{"start", 6}}, true},
        {ResourceId::MouseDriver,
         "mouse",
         {{"start", 2},
          {"bound_limits", 6},
          {"bound_scales", 3},
          {"bound_preset", 3},
          {"bound_x", 0},
          {"bound_y", 0},
          {"button", 1}},
         true},
        {ResourceId::NumbersObject, "num", {{"init", 0}, {"ToStr", 2}}, false},
        {ResourceId::KeyboardDriver,
         "kb",
         {{"start", 2}, {"gotkey", 0}, {"getkey", 0}, {"clearkeys", 0}},
         true},
    };
    return all;
}

TEST(StandInObjects, DeclareTheInterfaceAndSayWhatTheyAre) {
    for (const StandIn& s : StandIns()) {
        SCOPED_TRACE(s.symbol);
        const std::string text = Utf8(s.id);
        const SpinObject o = Read(text);
        for (const auto& [name, parameters] : s.methods) {
            const Method* m = o.FindMethod(name);
            ASSERT_NE(m, nullptr) << name;
            EXPECT_TRUE(m->isPublic) << name;
            EXPECT_EQ(m->parameters, parameters) << name;
        }
        // Only the header comment precedes the first block.
        const std::string header = text.substr(0, text.find("\r\n\r\n"));
        if (s.drivesHardware) {
            EXPECT_NE(header.find("interface stand-in"), std::string::npos);
            EXPECT_NE(header.find("does NOT drive"), std::string::npos);
            EXPECT_NE(header.find("real"), std::string::npos);
        } else {
            EXPECT_NE(header.find("Supports"), std::string::npos);
        }
    }
    const SpinObject numbers = Read(Utf8(ResourceId::NumbersObject));
    ASSERT_TRUE(numbers.constants.contains("dec"));
    ASSERT_EQ(numbers.constants.at("dec").size(), 1u);
    EXPECT_EQ(NumberValue(numbers.constants.at("dec").front().text), 10);
}

// The runtime makes exactly the driver calls of its contract, and each resolves in the stand-in
// with the same number of arguments, or generated applications stop compiling.
TEST(StandInObjects, ProvideEveryCallTheRuntimeMakes) {
    std::set<std::string> calls;
    for (const Line& line : Scan(ToUtf8(RuntimeTemplateText()))) {
        const std::vector<Token>& t = line.tokens;
        for (std::size_t i = 0; i + 2 < t.size(); ++i) {
            const auto standIn =
                std::find_if(StandIns().begin(), StandIns().end(), [&](const StandIn& s) {
                    return t[i].kind == Kind::Ident && SameSymbol(t[i].text, s.symbol);
                });
            if (standIn == StandIns().end() || (t[i + 1].text != "." && t[i + 1].text != "#")) {
                continue;
            }
            SCOPED_TRACE("runtime line " + std::to_string(line.number));
            const SpinObject o = Read(Utf8(standIn->id));
            const std::string& member = t[i + 2].text;
            if (t[i + 1].text == "#") {
                EXPECT_TRUE(o.constants.contains(Lower(member))) << member;
                calls.insert(t[i].text + "#" + member);
                continue;
            }
            int arguments = 0;
            if (i + 3 < t.size() && t[i + 3].text == "(") {
                int depth = 0;
                arguments = 1;
                for (std::size_t k = i + 3; k < t.size(); ++k) {
                    depth += (t[k].text == "(") - (t[k].text == ")");
                    if (depth == 0) {
                        break;
                    }
                    arguments += depth == 1 && t[k].text == ",";
                }
            }
            const Method* m = o.FindMethod(member);
            ASSERT_NE(m, nullptr) << standIn->symbol << "." << member;
            EXPECT_EQ(m->parameters, arguments) << standIn->symbol << "." << member;
            calls.insert(t[i].text + "." + member + "/" + std::to_string(arguments));
        }
    }
    const std::set<std::string> expected = {
        "vga.start/6",
        "mouse.start/2",
        "mouse.bound_limits/6",
        "mouse.bound_scales/3",
        "mouse.bound_preset/3",
        "mouse.bound_x/0",
        "mouse.bound_y/0",
        "mouse.button/1",
        "num.init/0",
        "num.ToStr/2",
        "num#DEC",
        "kb.start/2",
        "kb.gotkey/0",
        "kb.getkey/0",
        "kb.clearkeys/0",
    };
    EXPECT_EQ(calls, expected);
}

// ---- the generated part that completes the runtime ----

// A new application with one more component of every type, a second form and a second bitmap:
// every kind of label the generator writes.
std::string GeneratedSource() {
    CLumoraDoc doc;
    testing::RecordingMessages messages;
    doc.AttachMessages(&messages);
    StartNewApplication(doc);
    for (int tool = 0; tool < kAddToolCount; ++tool) {
        doc.AddComponent(static_cast<AddTool>(tool));
        doc.currentComponent->handler = u"On" + doc.currentComponent->name;
    }
    doc.AddForm();
    doc.AddComponent(AddTool::NumberEdit);
    doc.AddBitmap(3, 3, 1);
    const std::optional<std::u16string> source = GenerateApplicationSource(doc);
    return source ? ToUtf8(*source) : std::string();
}

TEST(GeneratedApplication, SuppliesWhatTheRuntimeLeavesOpenWithoutClashingWithIt) {
    const std::string source = GeneratedSource();
    const std::string runtime = ToUtf8(RuntimeTemplateText());
    const std::size_t runtimeAt = source.find(runtime);
    ASSERT_NE(runtimeAt, std::string::npos);
    const SpinObject whole = Read(source);
    const SpinObject generated = Read(source.substr(runtimeAt + runtime.size()));

    const auto first = std::find_if(whole.methods.begin(), whole.methods.end(),
                                    [](const Method& m) { return m.isPublic; });
    ASSERT_NE(first, whole.methods.end());
    EXPECT_EQ(first->name, "start");

    const std::pair<const char*, int> methods[] = {
        {"ShowMainForm", 0}, {"HandleLeftButtonUp", 1}, {"OnAppStarting", 0}, {"IdleProcess", 0}};
    for (const auto& [name, parameters] : methods) {
        const Method* m = generated.FindMethod(name);
        ASSERT_NE(m, nullptr) << name;
        EXPECT_EQ(m->parameters, parameters) << name;
    }
    for (const char* label : {"vgacolors", "UserCharStart", "UserCharEnd"}) {
        EXPECT_TRUE(generated.datLabels.contains(Lower(label))) << label;
    }
    // Spin has one name space per object: a generated label or method that the runtime also
    // defines, in any letter case, stops the build.
    for (const std::string& label : generated.datLabels) {
        EXPECT_FALSE(Runtime().Defines(label)) << label;
    }
    for (const Method& m : generated.methods) {
        EXPECT_FALSE(Runtime().Defines(m.name)) << m.name;
    }
}

// What the runtime's start-up and drawing take for granted about the generated data.
TEST(GeneratedApplication, DataIsLaidOutAsTheRuntimeReadsIt) {
    const DatImage dat = LayOutDat(Read(GeneratedSource()));
    ASSERT_TRUE(dat.error.empty()) << dat.error;
    const auto at = [&](const char* label) {
        const auto it = dat.labels.find(Lower(label));
        EXPECT_NE(it, dat.labels.end()) << label;
        return it == dat.labels.end() ? std::size_t{0} : it->second;
    };
    // Whole 64-byte images, each bitmap a whole number of images after the start, and the 64
    // bytes of padding the move may shift into.
    const std::size_t start = at("UserCharStart");
    EXPECT_EQ((at("UserCharEnd") - start) % 64, 0u);
    EXPECT_EQ(at("UserCharEnd") - start, 64u * (1 + 3 * 2));
    for (const char* bitmap : {"BitmapData1", "BitmapData2"}) {
        EXPECT_EQ((at(bitmap) - start) % 64, 0u) << bitmap;
    }
    EXPECT_EQ(start - at("padding"), 64u);
    EXPECT_EQ(at("vgacolors") % 4, 0u);
    // A label without data takes no room: the first bitmap starts the area.
    EXPECT_EQ(at("UserCharStart"), at("BitmapData1"));

    // Records: forms word aligned (word reads at 4 and 10), bitmaps word aligned (word at 8),
    // number edits long aligned (longs at 8, 12, 16); captions where the hot keys are read.
    for (const char* form : {"Form1", "Form2"}) {
        EXPECT_EQ(at(form) % 2, 0u) << form;
    }
    EXPECT_EQ(at("Bitmap1") % 2, 0u);
    for (const char* number : {"Number1", "Number2", "Number3"}) {
        EXPECT_EQ(at(number) % 4, 0u) << number;
    }
    const auto word = [&](std::size_t offset) {
        return dat.bytes[offset] | (dat.bytes[offset + 1] << 8);
    };
    EXPECT_EQ(static_cast<std::size_t>(word(at("Bitmap1") + 8)), at("BitmapData1"));
    EXPECT_EQ(static_cast<std::size_t>(word(at("Form1") + 4)), at("sTitleForm1"));
    EXPECT_EQ(static_cast<std::size_t>(word(at("Form1") + 10)), at("Button1"));
    EXPECT_EQ(dat.At("Button1", 11),
              (std::vector<std::uint8_t>{1, 24, 18, 4, 10, 1, 0, 10, 'O', 'K', 0}));
    EXPECT_EQ(dat.At("Option1", 10)[9], 'T');
    EXPECT_EQ(dat.At("Check1", 9)[8], 'T');
    const std::vector<std::uint8_t> number = dat.At("Number1", 20);
    ASSERT_EQ(number.size(), 20u);
    EXPECT_EQ(number[8] | (number[9] << 8), 123);
    EXPECT_EQ(number[12] | (number[13] << 8), 3999);
}

}  // namespace
}  // namespace lumora
