#pragma once

// What the boot sequence needs of a serial line. Every call that waits takes a deadline.

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

namespace lumora::propeller {

using Clock = std::chrono::steady_clock;
using Deadline = Clock::time_point;

enum class IoStatus { kOk, kTimedOut, kLost };

struct IoResult {
    IoStatus status = IoStatus::kOk;
    std::string detail;  // the system's reason when lost
};

enum class ModemLine { kDtr, kRts };

enum class LineControl {
    kDone,
    kUnsupported,  // the device has no modem control lines (a pseudo-terminal, a wireless bridge)
    kFailed,
};

struct LineResult {
    LineControl control = LineControl::kDone;
    std::string detail;
};

class SerialLine {
  public:
    virtual ~SerialLine() = default;
    virtual const std::string& Name() const = 0;
    virtual IoResult Write(std::span<const std::uint8_t> bytes, Deadline deadline) = 0;
    virtual IoResult ReadByte(std::uint8_t& byte, Deadline deadline) = 0;
    virtual LineResult SetModemLine(ModemLine line, bool asserted) = 0;
    // Drops whatever has arrived and not been read.
    virtual void DiscardInput() = 0;
};

}  // namespace lumora::propeller
