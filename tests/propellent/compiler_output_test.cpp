#include "compiler_output.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "source_position.h"

namespace lumora::propellent {
namespace {

TEST(CompilerOutput, ReadsTheFirstErrorOfEitherCompiler) {
    const struct {
        const char* output;
        const char* file;
        std::int32_t line;
        std::int32_t column;
        const char* message;
        const char* item;  // null: none
        bool atEnd;
    } cases[] = {
        {"/tmp/b/App.spin(2:9) : error : Expected an instruction or variable\r\nLine:\r\n"
         "\tx := 1\r\nOffending Item: x\r\n",
         "/tmp/b/App.spin", 2, 9, "Expected an instruction or variable", "x", false},
        // The banner and other lines before it are passed over.
        {"Propeller Spin/PASM Compiler 'OpenSpin'\nCompiling App.spin...\n"
         "App.spin(14:3) : error : Undefined symbol\nLine:\n  foo\nOffending Item: foo\n",
         "App.spin", 14, 3, "Undefined symbol", "foo", false},
        {"App.spin(40:1) : error : Expected \"}\"\nLine:\nEnd Of File\nOffending Item: N/A\n",
         "App.spin", 40, 1, "Expected \"}\"", nullptr, true},
        {"missing.spin : error : Can not find/open file.\n", "missing.spin", 0, 0,
         "Can not find/open file.", nullptr, false},
        // Without its Line: block the error still counts.
        {"x(3:4) : error : Bad", "x", 3, 4, "Bad", nullptr, false},
        {"/tmp/b/App.spin:7: error: syntax error, unexpected identifier `foo'\n", "/tmp/b/App.spin",
         7, 0, "syntax error, unexpected identifier `foo'", nullptr, false},
        {"error: no input file\n", "", 0, 0, "no input file", nullptr, false},
        // Numbers out of range or malformed are unknown, not wrapped.
        {"a.spin(99999999999:2) : error : Big\n", "a.spin(99999999999:2)", 0, 0, "Big", nullptr,
         false},
        {"a.spin(-3:x) : error : Odd\n", "a.spin(-3:x)", 0, 0, "Odd", nullptr, false},
        // Control characters never reach the record.
        {"a.spin(1:1) : error : bad\x01\x1b[31mtext\n", "a.spin", 1, 1, "bad  [31mtext", nullptr,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        const auto diagnostic = ParseCompilerOutput(c.output);
        ASSERT_TRUE(diagnostic);
        EXPECT_EQ(diagnostic->file, c.file);
        EXPECT_EQ(diagnostic->line, c.line);
        EXPECT_EQ(diagnostic->column, c.column);
        EXPECT_EQ(diagnostic->message, c.message);
        if (c.item == nullptr) {
            EXPECT_FALSE(diagnostic->offendingItem);
        } else {
            EXPECT_EQ(diagnostic->offendingItem, std::string(c.item));
        }
        EXPECT_EQ(diagnostic->atEndOfFile, c.atEnd);
    }
}

TEST(CompilerOutput, OutputWithoutAnErrorLineGivesNothing) {
    for (const char* output :
         {"", "\n\n", "Program size is 1234 longs\n", "error", " : error", "Offending Item: x\n"}) {
        EXPECT_FALSE(ParseCompilerOutput(output)) << output;
    }
}

// Deterministic noise shaped like compiler output: any byte, many markers, long lines.
std::string Noise(std::uint32_t seed, std::size_t size) {
    static const std::string_view pieces[] = {" : error : ",
                                              ": error: ",
                                              "(",
                                              ")",
                                              ":",
                                              "\n",
                                              "\r\n",
                                              "Line:\n",
                                              "Offending Item: ",
                                              "End Of File",
                                              "12",
                                              "999999999",
                                              "\t",
                                              std::string_view("\0", 1)};
    std::string out;
    std::uint32_t state = seed * 2654435761u + 1;
    while (out.size() < size) {
        state = state * 1664525u + 1013904223u;
        if ((state >> 28) < 6) {
            out += pieces[(state >> 8) % (sizeof pieces / sizeof *pieces)];
        } else {
            out.push_back(static_cast<char>(state >> 16));
        }
    }
    return out;
}

TEST(CompilerOutput, AnyOutputIsParsedIntoBoundedTextsAndPlacesInsideTheText) {
    const std::u16string text = u"PUB a\r\n\tb := 1\rc\n\n";
    for (std::uint32_t seed = 0; seed < 400; ++seed) {
        const std::string output = Noise(seed, 1 + seed * 37);
        const auto diagnostic = ParseCompilerOutput(output);
        if (!diagnostic) {
            continue;
        }
        EXPECT_LE(diagnostic->message.size(), kMaxDiagnosticText);
        EXPECT_LE(diagnostic->file.size(), kMaxDiagnosticFile);
        EXPECT_GE(diagnostic->line, 0);
        EXPECT_GE(diagnostic->column, 0);
        const TextSpan span = LocateDiagnostic(text, *diagnostic);
        EXPECT_GE(span.start, 0);
        EXPECT_GE(span.length, 0);
    }
    // A megabyte-long error line is cut, not copied whole.
    const std::string huge = "a.spin(1:1) : error : " + std::string(1 << 20, 'x') + "\n";
    const auto diagnostic = ParseCompilerOutput(huge);
    ASSERT_TRUE(diagnostic);
    EXPECT_EQ(diagnostic->message.size(), kMaxDiagnosticText);
}

}  // namespace
}  // namespace lumora::propellent
