#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace lumora::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitRefused = 1,  // a refused change or bad input (an unreadable file, say)
    kExitUsage = 2,
};

struct CommandIo {
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    std::string_view name;
    std::string_view usage;    // arguments after the command name
    std::string_view summary;  // one line for --help
    int (*run)(std::span<const std::string> args, CommandIo& io);
};

// Every command of the tool, in the order --help lists them.
std::span<const Command> Commands();

}  // namespace lumora::cli
