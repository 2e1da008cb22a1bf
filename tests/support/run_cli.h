#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_files.h"

namespace lumora::testing {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    quoted += '\'';
    return quoted;
}

// Runs the built lumora-cli with the given arguments and captures both streams.
inline CliResult RunCli(const std::vector<std::string>& args) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("lumora-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto outPath = dir / "stdout";
    const auto errPath = dir / "stderr";
    // Appended piece by piece: GCC 12 raises a false -Wrestrict alarm on chains of
    // temporary strings joined with + once they are inlined in a release build.
    std::string command = ShellQuote(LUMORA_CLI_PATH);
    for (const std::string& arg : args) {
        command += ' ';
        command += ShellQuote(arg);
    }
    command += " >";
    command += ShellQuote(outPath.string());
    command += " 2>";
    command += ShellQuote(errPath.string());
    command += " </dev/null";
    CliResult result;
    const int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadWholeFile(outPath);
    result.err = ReadWholeFile(errPath);
    std::filesystem::remove_all(dir);
    return result;
}

}  // namespace lumora::testing
