#include "port_discovery.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <system_error>

namespace lumora::propeller {

namespace {

namespace fs = std::filesystem;

bool IsAdapterName(const std::string& name) {
    for (const std::string prefix : {"ttyUSB", "ttyACM"}) {
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
            std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                        [](unsigned char c) { return std::isdigit(c) != 0; })) {
            return true;
        }
    }
    return false;
}

// ttyUSB2 before ttyUSB10.
bool NaturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) {
                ++ei;
            }
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) {
                ++ej;
            }
            const std::string na = a.substr(i, ei - i);
            const std::string nb = b.substr(j, ej - j);
            if (na.size() != nb.size()) {
                return na.size() < nb.size();
            }
            if (na != nb) {
                return na < nb;
            }
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j]) {
            return a[i] < b[j];
        }
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

std::string Canonical(const fs::path& path) {
    std::error_code error;
    const fs::path resolved = fs::canonical(path, error);
    return error ? std::string() : resolved.string();
}

}  // namespace

std::vector<SerialPortEntry> ListSerialPorts(const fs::path& devRoot) {
    std::vector<SerialPortEntry> byId;
    std::set<std::string> covered;
    std::error_code error;
    for (fs::directory_iterator it(devRoot / "serial" / "by-id", error), end; !error && it != end;
         it.increment(error)) {
        const std::string device = Canonical(it->path());
        if (device.empty() || covered.count(device) != 0) {
            continue;  // a dangling link, or a second name for a listed device
        }
        covered.insert(device);
        byId.push_back({it->path().string(), device, it->path().filename().string()});
    }
    std::sort(byId.begin(), byId.end(),
              [](const auto& a, const auto& b) { return NaturalLess(a.label, b.label); });

    std::vector<SerialPortEntry> plain;
    error.clear();
    for (fs::directory_iterator it(devRoot, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!IsAdapterName(name)) {
            continue;
        }
        const std::string device = Canonical(it->path());
        if (device.empty() || covered.count(device) != 0) {
            continue;
        }
        covered.insert(device);
        plain.push_back({it->path().string(), device, name});
    }
    std::sort(plain.begin(), plain.end(),
              [](const auto& a, const auto& b) { return NaturalLess(a.label, b.label); });

    byId.insert(byId.end(), plain.begin(), plain.end());
    return byId;
}

std::optional<std::string> DefaultPort(const std::vector<SerialPortEntry>& ports) {
    if (ports.size() == 1) {
        return ports.front().path;
    }
    return std::nullopt;
}

ResolvedPort ResolvePort(const std::string& chosen, const std::vector<SerialPortEntry>& present) {
    if (!chosen.empty()) {
        return {chosen, {}};
    }
    if (const auto only = DefaultPort(present)) {
        return {*only, {}};
    }
    if (present.empty()) {
        return {{},
                "No serial port was found for the Propeller; connect its USB cable (it appears "
                "as /dev/ttyUSB* or /dev/ttyACM*)."};
    }
    std::string names;
    for (const auto& port : present) {
        names += (names.empty() ? "" : ", ") + port.path;
    }
    return {{}, "Several serial ports were found (" + names + "); choose the Propeller's."};
}

}  // namespace lumora::propeller
