#include "command.h"

#include <array>

namespace lumora::cli {

int RunShow(std::span<const std::string> args, CommandIo& io);
int RunNew(std::span<const std::string> args, CommandIo& io);
int RunResave(std::span<const std::string> args, CommandIo& io);
int RunGenerate(std::span<const std::string> args, CommandIo& io);
int RunProps(std::span<const std::string> args, CommandIo& io);
int RunEdit(std::span<const std::string> args, CommandIo& io);
int RunRender(std::span<const std::string> args, CommandIo& io);
int RunBuild(std::span<const std::string> args, CommandIo& io);

namespace {

constexpr std::array kCommands = {
    Command{"show", "FILE|--new", "print a summary of an application", RunShow},
    Command{"new", "-o FILE", "save a new application as FILE (it holds the name \"Untitled\")",
            RunNew},
    Command{"resave", "FILE -o OUT",
            "open FILE and save it again as OUT, keeping the application name it holds", RunResave},
    Command{"generate", "FILE|--new [-o OUT.spin] [--utf8]",
            "write the application's Spin source (-o: UTF-16LE as the build writes it, or UTF-8 "
            "with --utf8; without -o: UTF-8 to stdout)",
            RunGenerate},
    Command{"props", "FILE|--new [--select NAME]",
            "print the property grid of the selected item (NAME selects as the object tree does)",
            RunProps},
    Command{"edit", "FILE|--new [--select NAME] --set ENTRY=VALUE... [-o OUT]",
            "change grid entries through the grid's rules, in order (--select may recur); "
            "messages go to stderr, exit 1 if a change was refused; -o saves the result, "
            "accepted changes included",
            RunEdit},
    Command{"render",
            "FILE|--new [--form NAME|--bitmap NAME] [--half] [--rom-font FILE] "
            "(-o OUT.png | --dump-tiles)",
            "write what the designer view shows as a PNG (the main form by default), or print "
            "the screen memory: 48 lines of 64 tiles, gGLYPH:SET or bIMAGE@BITMAP:SET",
            RunRender},
    Command{"build",
            "FILE|--new [--compile-only] [--port DEV] [--eeprom] [--library DIR] [-o OUT.binary]",
            "generate, write the objects, compile with propellent and (without --compile-only) "
            "load the Propeller's RAM over the serial port (--eeprom: program its EEPROM and "
            "run), printing the Output pane's lines; exit 1 on a compile error or a failed load "
            "(the error lines on stderr). The compiler is LUMORA_SPIN_COMPILER or "
            "openspin/flexspin on PATH; the port is DEV or the only serial port present; "
            "LUMORA_PROPELLER_LOADER names another loader's command line ({image}, {port}, "
            "{mode}) to load with instead; --library names the Propeller library folder; -o "
            "saves the compiled image",
            RunBuild},
};

}  // namespace

std::span<const Command> Commands() {
    return kCommands;
}

}  // namespace lumora::cli
