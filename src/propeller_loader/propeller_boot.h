#pragma once

// Loading a compiled image into a Propeller 1 through its boot ROM: reset, calibration and
// handshake, the chip's version, the command with the image, and the chip's answers.

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "load_failure.h"
#include "serial_line.h"

namespace lumora::propeller {

// The protocol's waits. The chip wants its first calibration pulse 60 to 210 ms after the reset;
// the answer waits are bounds beyond the time the bytes take on the line.
struct BootTimings {
    std::chrono::milliseconds resetPulse{10};
    std::chrono::milliseconds afterReset{90};
    std::chrono::milliseconds handshakeMargin{250};
    std::chrono::milliseconds checksumMargin{1000};
    std::chrono::milliseconds programming{10000};
    std::chrono::milliseconds verifying{5000};
    std::chrono::milliseconds promptInterval{10};
};

struct LoadOptions {
    bool eeprom = false;  // program the EEPROM and run, instead of loading RAM and running
    ModemLine resetLine = ModemLine::kDtr;
    BootTimings timings;
};

struct LoadResult {
    LoadFailure failure = LoadFailure::kNone;
    std::string message;  // the reason, when the load failed
    int chipVersion = -1;
    std::size_t bytesSent = 0;  // serial bytes the host put on the line

    bool ok() const { return failure == LoadFailure::kNone; }
};

// Lines for the user that do not stop the load.
using NoteSink = std::function<void(std::string_view)>;

// Loads through an open line.
LoadResult LoadImage(SerialLine& line, std::span<const std::uint8_t> image,
                     const LoadOptions& options, const NoteSink& note);

// Opens the port, loads, closes it. The image is checked before the port is touched.
LoadResult LoadPropeller(const std::string& port, std::span<const std::uint8_t> image,
                         const LoadOptions& options, const NoteSink& note);

// The line time of a whole load of an image of this size, without the fixed waits.
double LoadWireSeconds(std::size_t imageBytes);

}  // namespace lumora::propeller
