#pragma once

// The serial ports a Propeller may be on: USB serial adapters, by their stable names under
// serial/by-id where the system gives them, otherwise as ttyUSB* and ttyACM*.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lumora::propeller {

struct SerialPortEntry {
    std::string path;    // what to open
    std::string device;  // the device node it leads to
    std::string label;   // for a port choice: the by-id name, or the device's name
};

// devRoot stands in for /dev in tests.
std::vector<SerialPortEntry> ListSerialPorts(const std::filesystem::path& devRoot = "/dev");

// The port to use when none was chosen: the only one present.
std::optional<std::string> DefaultPort(const std::vector<SerialPortEntry>& ports);

struct ResolvedPort {
    std::string path;     // empty when none can be used
    std::string problem;  // why, for the user
};

// The chosen port, or else the only one present.
ResolvedPort ResolvePort(const std::string& chosen, const std::vector<SerialPortEntry>& present);

}  // namespace lumora::propeller
