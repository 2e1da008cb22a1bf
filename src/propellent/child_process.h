#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace lumora::propellent {

struct ProcessLimits {
    std::chrono::milliseconds timeout{60000};
    std::size_t maxOutput = 1 << 20;  // bytes kept; the rest is read and dropped
};

struct ProcessResult {
    enum class End { kExited, kSignalled, kTimedOut, kNotStarted };
    End end = End::kNotStarted;
    int status = 0;      // exit status or signal number
    std::string output;  // standard output and standard error together
    bool outputCut = false;
};

// Runs program with the arguments (no shell), standard input from /dev/null, in workingDir.
// The program and everything it starts are killed once the timeout passes.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingDir, const ProcessLimits& limits);

}  // namespace lumora::propellent
