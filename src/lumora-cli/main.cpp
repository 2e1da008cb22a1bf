#include <iostream>
#include <string>
#include <vector>

#include "command.h"

namespace {

void PrintHelp(std::ostream& os) {
    os << "Usage: lumora-cli COMMAND [ARGUMENTS]\n\n"
          "Designs GUI applications for the Parallax Propeller from the command line.\n\n"
          "Commands:\n";
    for (const auto& command : lumora::cli::Commands()) {
        std::string line = "  " + std::string(command.name) + " " + std::string(command.usage);
        os << line << "\n      " << command.summary << "\n";
    }
    os << "\nExit status: 0 success, 1 refused or bad input, 2 usage error.\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace lumora::cli;
    if (argc < 2) {
        PrintHelp(std::cerr);
        return kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(std::cout);
        return kExitOk;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    CommandIo io{std::cout, std::cerr};
    for (const auto& command : Commands()) {
        if (command.name == name) {
            return command.run(args, io);
        }
    }
    std::cerr << "lumora-cli: unknown command '" << name << "' (see lumora-cli --help)\n";
    return kExitUsage;
}
