#include "command.h"

#include <array>

namespace lumora::cli {

int RunShow(std::span<const std::string> args, CommandIo& io);
int RunGenerate(std::span<const std::string> args, CommandIo& io);

namespace {

constexpr std::array kCommands = {
    Command{"show", "FILE|--new", "print a summary of an application", RunShow},
    Command{"generate", "FILE|--new [-o OUT.spin] [--utf8]",
            "write the application's Spin source (-o: UTF-16LE as the build writes it, or UTF-8 "
            "with --utf8; without -o: UTF-8 to stdout)",
            RunGenerate},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

}  // namespace lumora::cli
