#pragma once

// A simulated Propeller 1 on a pseudo-terminal, written from the boot ROM's description: it
// hears the bytes the host sends as low pulses, measures its threshold from the first two,
// checks the handshake against its own shift register, answers each prompt with $FE or $FF,
// takes the command and the longs, sums its RAM and answers as the ROM does.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <bit>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace lumora::testing {

class FakePropeller {
  public:
    enum class Behaviour {
        kNormal,
        kSilent,           // reads everything, never answers
        kWrongHandshake,   // answers with a shift register that drifts from the real one
        kDamageOnTheWay,   // one received long arrives with a bit flipped
        kVanishMidImage,   // the device disappears halfway through the image
        kFailProgramming,  // the EEPROM does not acknowledge
        kFailVerify,       // the EEPROM reads back something else
    };

    // What the chip saw, readable after Finish().
    struct Seen {
        std::size_t bytesHeard = 0;
        bool handshakeMatched = false;
        std::optional<std::uint32_t> command;
        std::vector<std::uint32_t> longs;
        bool checksumPassed = false;
        bool launched = false;
        std::vector<std::uint8_t> eeprom;
    };

    explicit FakePropeller(Behaviour behaviour = Behaviour::kNormal) : behaviour_(behaviour) {
        termios raw{};
        ::cfmakeraw(&raw);
        char name[128] = {};
        if (::openpty(&master_, &slave_, name, &raw, nullptr) == 0) {
            path_ = name;
        }
        thread_ = std::thread([this] { Run(); });
    }

    ~FakePropeller() { Finish(); }
    FakePropeller(const FakePropeller&) = delete;
    FakePropeller& operator=(const FakePropeller&) = delete;

    const std::string& PortPath() const { return path_; }

    const Seen& Finish() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        CloseAll();
        return seen_;
    }

    static constexpr std::uint8_t kVersion = 1;

  private:
    struct Stopped {};  // the chip's wait ran out or the test ended

    void CloseAll() {
        if (master_ >= 0) {
            ::close(master_);
            master_ = -1;
        }
        if (slave_ >= 0) {
            ::close(slave_);
            slave_ = -1;
        }
    }

    // The lengths of the low runs in one byte on the wire: the start bit is low, data bits go
    // least significant first, the stop bit is high, so no run crosses into the next byte.
    void Hear(std::uint8_t byte) {
        int run = 1;  // the start bit
        for (int bit = 0; bit < 8; ++bit) {
            if ((byte >> bit) & 1) {
                if (run > 0) {
                    pulses_.push_back(run);
                }
                run = 0;
            } else {
                ++run;
            }
        }
        if (run > 0) {
            pulses_.push_back(run);
        }
    }

    int Pulse() {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (pulses_.empty()) {
            if (stop_ || std::chrono::steady_clock::now() > limit) {
                throw Stopped{};
            }
            pollfd watch{master_, POLLIN, 0};
            if (::poll(&watch, 1, 20) <= 0) {
                continue;
            }
            std::uint8_t buffer[256];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) {
                if (n < 0 && errno == EAGAIN) {
                    continue;
                }
                throw Stopped{};
            }
            seen_.bytesHeard += static_cast<std::size_t>(n);
            for (ssize_t i = 0; i < n; ++i) {
                Hear(buffer[i]);
            }
        }
        const int length = pulses_.front();
        pulses_.pop_front();
        return length;
    }

    // A short pulse is a 1.
    bool Bit() { return 2 * Pulse() < threshold2_; }

    std::uint32_t Long() {
        std::uint32_t value = 0;
        for (int i = 0; i < 32; ++i) {
            value = (value >> 1) | (Bit() ? 0x80000000u : 0u);
        }
        return value;
    }

    // The chip pulls its transmit line low with the prompt's start bit and lets it go high
    // during the prompt's first data bit for a 1; the host reads $FF or $FE.
    void Send(bool bit) {
        Pulse();
        const std::uint8_t answer = bit ? 0xFF : 0xFE;
        if (::write(master_, &answer, 1) != 1) {
            throw Stopped{};
        }
        Pulse();
    }

    // Waits for the long pulse of a prompt, then answers on the next prompt.
    void SendAligned(bool bit) {
        while (Bit()) {
        }
        Send(bit);
    }

    static bool Parity(std::uint32_t value) { return (std::popcount(value) & 1) != 0; }

    void Run() {
        try {
            Boot();
        } catch (const Stopped&) {
        }
    }

    void Boot() {
        if (behaviour_ == Behaviour::kSilent) {
            for (;;) {
                Pulse();
            }
        }
        threshold2_ = Pulse() + Pulse();
        // The ROM's register: the host's bit lands in bit 8 and must equal bit 0.
        std::uint32_t lfsr = 'P';
        for (int i = 0; i < 250; ++i) {
            lfsr = (lfsr & ~0x100u) | (Bit() ? 0x100u : 0u);
            if (Parity(lfsr & 0x101u)) {
                return;  // not a host: the real chip boots from its EEPROM and stays quiet
            }
            lfsr = (lfsr << 1) | (Parity(lfsr & 0xB2u) ? 1u : 0u);
        }
        seen_.handshakeMatched = true;
        for (int i = 0; i < 250; ++i) {
            bool bit = (lfsr & 1u) != 0;
            if (behaviour_ == Behaviour::kWrongHandshake && i >= 40) {
                bit = !bit;
            }
            Send(bit);
            lfsr = (lfsr << 1) | (Parity(lfsr & 0xB2u) ? 1u : 0u);
        }
        for (int i = 0; i < 8; ++i) {
            Send(((kVersion >> i) & 1u) != 0);
        }

        const std::uint32_t command = Long();
        seen_.command = command;
        if (command == 0 || command >= 4) {
            return;
        }
        const std::uint32_t count = Long();
        std::vector<std::uint8_t> ram(32768, 0);
        for (std::uint32_t i = 0; i < count; ++i) {
            if (behaviour_ == Behaviour::kVanishMidImage && i == count / 2) {
                CloseAll();
                return;
            }
            std::uint32_t value = Long();
            if (behaviour_ == Behaviour::kDamageOnTheWay && i == count / 3) {
                value ^= 0x00010000u;
            }
            seen_.longs.push_back(value);
            for (int b = 0; b < 4 && 4 * i + b < ram.size(); ++b) {
                ram[4 * i + b] = static_cast<std::uint8_t>(value >> (8 * b));
            }
        }
        const std::size_t dbase = ram[10] | (ram[11] << 8);
        for (const std::size_t at : {dbase - 4, dbase - 8}) {
            for (int b = 0; b < 4; ++b) {
                ram[(at + b) & 0x7FFF] = static_cast<std::uint8_t>(0xFFF9FFFFu >> (8 * b));
            }
        }
        unsigned sum = 0;
        for (const std::uint8_t byte : ram) {
            sum += byte;
        }
        seen_.checksumPassed = (sum & 0xFF) == 0;
        SendAligned(!seen_.checksumPassed);
        if (!seen_.checksumPassed) {
            return;
        }
        if (command >= 2) {
            if (behaviour_ == Behaviour::kFailProgramming) {
                SendAligned(true);
                return;
            }
            seen_.eeprom = ram;
            SendAligned(false);
            if (behaviour_ == Behaviour::kFailVerify) {
                SendAligned(true);
                return;
            }
            SendAligned(false);
            if (command == 2) {
                return;
            }
        }
        const bool programBaseValid = (ram[6] | (ram[7] << 8)) == 0x0010;
        seen_.launched = programBaseValid;
    }

    Behaviour behaviour_;
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::deque<int> pulses_;
    int threshold2_ = 3;
    Seen seen_;
};

}  // namespace lumora::testing
