#pragma once

// A serial device opened for a load: 115200 8N1, raw, exclusive, non-blocking underneath.

#include <memory>
#include <string>
#include <vector>

#include "load_failure.h"
#include "serial_line.h"

namespace lumora::propeller {

class TermiosPort;

struct OpenedPort {
    std::unique_ptr<TermiosPort> port;  // set on success
    LoadFailure failure = LoadFailure::kNone;
    std::string message;
};

// The message for an open() that failed with the given errno.
OpenedPort OpenFailure(const std::string& path, int error);

class TermiosPort final : public SerialLine {
  public:
    static OpenedPort Open(const std::string& path);
    ~TermiosPort() override;
    TermiosPort(const TermiosPort&) = delete;
    TermiosPort& operator=(const TermiosPort&) = delete;

    const std::string& Name() const override { return path_; }
    IoResult Write(std::span<const std::uint8_t> bytes, Deadline deadline) override;
    IoResult ReadByte(std::uint8_t& byte, Deadline deadline) override;
    LineResult SetModemLine(ModemLine line, bool asserted) override;
    void DiscardInput() override;

  private:
    TermiosPort(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}

    std::string path_;
    int fd_ = -1;
    std::vector<std::uint8_t> pending_;
    std::size_t pendingAt_ = 0;
};

}  // namespace lumora::propeller
