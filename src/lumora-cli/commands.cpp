#include "command.h"

#include <array>

namespace lumora::cli {

int RunShow(std::span<const std::string> args, CommandIo& io);

namespace {

constexpr std::array kCommands = {
    Command{"show", "FILE|--new", "print a summary of an application", RunShow},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

}  // namespace lumora::cli
