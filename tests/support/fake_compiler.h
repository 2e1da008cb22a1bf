#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace lumora::testing {

// Writes an executable shell script that stands in for a Spin compiler. It is called as
// "-q [-L DIR] -o IMAGE SOURCE"; the body sees $out, $lib and $src, and $args holds the
// whole command line.
inline std::filesystem::path WriteFakeCompiler(const std::filesystem::path& path,
                                               const std::string& body) {
    std::ofstream script(path, std::ios::binary | std::ios::trunc);
    script << "#!/bin/sh\n"
              "args=\"$*\"\n"
              "out=; lib=; src=\n"
              "while [ $# -gt 0 ]; do\n"
              "  case \"$1\" in\n"
              "    -o) out=\"$2\"; shift 2 ;;\n"
              "    -L) lib=\"$2\"; shift 2 ;;\n"
              "    -q) shift ;;\n"
              "    *) src=\"$1\"; shift ;;\n"
              "  esac\n"
              "done\n"
           << body << "\n";
    script.close();
    ::chmod(path.c_str(), 0755);
    return path;
}

// A compiler that succeeds with an image of the given size.
inline std::string SucceedingCompilerBody(int imageBytes = 64) {
    return "head -c " + std::to_string(imageBytes) + " /dev/zero > \"$out\"\nexit 0";
}

}  // namespace lumora::testing
