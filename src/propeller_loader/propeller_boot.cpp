#include "propeller_boot.h"

#include <algorithm>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "boot_image.h"
#include "boot_protocol.h"
#include "termios_port.h"

namespace lumora::propeller {

namespace {

constexpr std::size_t kHandshakeAnswers = kHandshakeBits + kVersionBits;
// The calibration, the host's handshake bits, then one prompt for every bit the chip answers.
constexpr std::size_t kHandshakeBytes = 1 + kHandshakeBits + kHandshakeAnswers;
// An answer comes on the prompt after the one the chip aligned to.
constexpr std::size_t kPromptsPerAnswer = 2;

Clock::duration WireDuration(std::size_t serialBytes) {
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(WireSeconds(serialBytes)));
}

LoadResult Fail(LoadFailure failure, std::string message) {
    LoadResult out;
    out.failure = failure;
    out.message = std::move(message);
    return out;
}

const char* LineName(ModemLine line) {
    return line == ModemLine::kDtr ? "DTR" : "RTS";
}

class BootSession {
  public:
    BootSession(SerialLine& line, const LoadOptions& options, const NoteSink& note)
        : line_(line), options_(options), note_(note) {}

    LoadResult Run(const BootImage& image);

  private:
    // Each step returns the failure that ends the load, or nothing to go on.
    std::optional<LoadResult> Reset();
    std::optional<LoadResult> Handshake();
    std::optional<LoadResult> Confirm(Deadline deadline, LoadFailure refused,
                                      const std::string& refusedText, const char* waitingFor);
    LoadResult Lost(const std::string& detail) const;
    LoadResult NoPropeller() const;

    SerialLine& line_;
    const LoadOptions& options_;
    const NoteSink& note_;
    std::size_t sent_ = 0;
    int version_ = -1;
};

std::optional<LoadResult> BootSession::Reset() {
    const ModemLine which = options_.resetLine;
    const auto& timings = options_.timings;
    // The kernel raises the line on open; it is dropped first so that the pulse has an edge.
    const std::pair<bool, std::chrono::milliseconds> steps[] = {
        {false, timings.resetPulse}, {true, timings.resetPulse}, {false, timings.afterReset}};
    for (const auto& [asserted, wait] : steps) {
        const LineResult set = line_.SetModemLine(which, asserted);
        if (set.control == LineControl::kUnsupported) {
            if (note_) {
                note_(line_.Name() + " has no " + LineName(which) +
                      " line; no reset was sent (the Propeller must already be waiting for a "
                      "load).");
            }
            return std::nullopt;
        }
        if (set.control == LineControl::kFailed) {
            return Fail(LoadFailure::kResetFailed, std::string("Cannot reset the Propeller through "
                                                               "the ") +
                                                       LineName(which) + " line of " +
                                                       line_.Name() + ": " + set.detail + ".");
        }
        std::this_thread::sleep_for(wait);
    }
    return std::nullopt;
}

LoadResult BootSession::Lost(const std::string& detail) const {
    return Fail(LoadFailure::kLostDuringLoad, "Lost the connection to the Propeller on " +
                                                  line_.Name() + " during the load (" + detail +
                                                  ").");
}

LoadResult BootSession::NoPropeller() const {
    return Fail(LoadFailure::kNoPropeller,
                "No Propeller answered on " + line_.Name() +
                    "; check the USB cable, that the board is powered and that this is the "
                    "Propeller's port.");
}

std::optional<LoadResult> BootSession::Handshake() {
    std::vector<std::uint8_t> out;
    out.reserve(kHandshakeBytes);
    out.push_back(kCalibrationByte);
    const std::vector<std::uint8_t> host = HostHandshake();
    out.insert(out.end(), host.begin(), host.end());
    out.insert(out.end(), kHandshakeAnswers, kCalibrationByte);

    const Deadline deadline =
        Clock::now() + WireDuration(out.size()) + options_.timings.handshakeMargin;
    const IoResult written = line_.Write(out, deadline);
    if (written.status == IoStatus::kLost) {
        return Lost(written.detail);
    }
    if (written.status == IoStatus::kTimedOut) {
        return NoPropeller();  // the line does not even take the bytes
    }
    sent_ += out.size();

    const std::vector<bool> expected = ChipHandshake();
    std::size_t received = 0;
    int version = 0;
    while (received < kHandshakeAnswers) {
        std::uint8_t byte = 0;
        const IoResult read = line_.ReadByte(byte, deadline);
        if (read.status == IoStatus::kLost) {
            return Lost(read.detail);
        }
        if (read.status == IoStatus::kTimedOut) {
            break;
        }
        const std::optional<bool> bit = DecodeAnswer(byte);
        if (!bit || (received < expected.size() && *bit != expected[received])) {
            return Fail(LoadFailure::kWrongHandshake,
                        "Something answered on " + line_.Name() +
                            ", but not as a Propeller does; check that this is the "
                            "Propeller's port.");
        }
        if (received >= expected.size() && *bit) {
            version |= 1 << (received - expected.size());
        }
        ++received;
    }
    if (received == 0) {
        return NoPropeller();
    }
    if (received < kHandshakeAnswers) {
        return Fail(LoadFailure::kWrongHandshake,
                    "The Propeller on " + line_.Name() +
                        " stopped answering during the handshake; check the cable and try "
                        "again.");
    }
    version_ = version;
    return std::nullopt;
}

std::optional<LoadResult> BootSession::Confirm(Deadline deadline, LoadFailure refused,
                                               const std::string& refusedText,
                                               const char* waitingFor) {
    const std::uint8_t prompt[] = {kCalibrationByte};
    while (Clock::now() < deadline) {
        const IoResult written = line_.Write(prompt, deadline);
        if (written.status == IoStatus::kLost) {
            return Lost(written.detail);
        }
        if (written.status == IoStatus::kOk) {
            ++sent_;
        }
        const Deadline slice = std::min(deadline, Clock::now() + options_.timings.promptInterval);
        std::uint8_t byte = 0;
        const IoResult read = line_.ReadByte(byte, slice);
        if (read.status == IoStatus::kLost) {
            return Lost(read.detail);
        }
        if (read.status == IoStatus::kTimedOut) {
            continue;
        }
        // A zero is the chip's "passed"; the ROM answers every failure with a one.
        const std::optional<bool> bit = DecodeAnswer(byte);
        if (!bit) {
            return Fail(LoadFailure::kLostDuringLoad,
                        "The Propeller on " + line_.Name() +
                            " gave an answer its boot ROM never gives; the line is noisy or the "
                            "board was reset during the load.");
        }
        if (*bit) {
            return Fail(refused, refusedText);
        }
        return std::nullopt;
    }
    return Fail(LoadFailure::kLostDuringLoad,
                "The Propeller on " + line_.Name() + " stopped answering before it " + waitingFor +
                    "; check the cable and the board's power, then try again.");
}

LoadResult BootSession::Run(const BootImage& image) {
    auto finish = [this](LoadResult result) {
        result.chipVersion = version_;
        result.bytesSent = sent_;
        return result;
    };
    if (auto failed = Reset()) {
        return finish(*failed);
    }
    line_.DiscardInput();
    if (auto failed = Handshake()) {
        return finish(*failed);
    }

    const BootCommand command =
        options_.eeprom ? BootCommand::kProgramEepromRun : BootCommand::kLoadRamRun;
    std::vector<std::uint8_t> out;
    out.reserve(kEncodedLongBytes * (image.longs.size() + 2));
    auto put = [&out](std::uint32_t value) {
        const auto encoded = EncodeLong(value);
        out.insert(out.end(), encoded.begin(), encoded.end());
    };
    put(static_cast<std::uint32_t>(command));
    put(static_cast<std::uint32_t>(image.longs.size()));
    for (const std::uint32_t value : image.longs) {
        put(value);
    }

    // The chip clears the rest of RAM and sums all of it before it answers.
    const Deadline checksumBy =
        Clock::now() + WireDuration(out.size()) + options_.timings.checksumMargin;
    const IoResult written = line_.Write(out, checksumBy);
    if (written.status == IoStatus::kLost) {
        return finish(Lost(written.detail));
    }
    if (written.status == IoStatus::kTimedOut) {
        return finish(Fail(LoadFailure::kLostDuringLoad,
                           "The Propeller on " + line_.Name() +
                               " stopped taking the image; check the cable and try again."));
    }
    sent_ += out.size();

    if (auto failed = Confirm(checksumBy, LoadFailure::kChecksumRefused,
                              "The Propeller refused the image's checksum: the data was damaged "
                              "on the way. Try again; if it keeps failing, check the cable.",
                              "confirmed the image")) {
        return finish(*failed);
    }
    if (!options_.eeprom) {
        return finish(LoadResult{});
    }
    if (auto failed =
            Confirm(Clock::now() + options_.timings.programming, LoadFailure::kEepromProgramFailed,
                    "The Propeller could not program its EEPROM; check that the board "
                    "has one on pins 28 and 29.",
                    "finished programming its EEPROM")) {
        return finish(*failed);
    }
    if (auto failed = Confirm(
            Clock::now() + options_.timings.verifying, LoadFailure::kEepromVerifyFailed,
            "The Propeller's EEPROM did not verify after programming.", "verified its EEPROM")) {
        return finish(*failed);
    }
    return finish(LoadResult{});
}

}  // namespace

LoadResult LoadImage(SerialLine& line, std::span<const std::uint8_t> image,
                     const LoadOptions& options, const NoteSink& note) {
    const BootImage prepared = PrepareBootImage(image);
    if (prepared.problem != ImageProblem::kNone) {
        return Fail(prepared.problem == ImageProblem::kTooLarge ? LoadFailure::kImageTooLarge
                                                                : LoadFailure::kImageInvalid,
                    prepared.message);
    }
    return BootSession(line, options, note).Run(prepared);
}

LoadResult LoadPropeller(const std::string& port, std::span<const std::uint8_t> image,
                         const LoadOptions& options, const NoteSink& note) {
    const BootImage prepared = PrepareBootImage(image);
    if (prepared.problem != ImageProblem::kNone) {
        return Fail(prepared.problem == ImageProblem::kTooLarge ? LoadFailure::kImageTooLarge
                                                                : LoadFailure::kImageInvalid,
                    prepared.message);
    }
    if (port.empty()) {
        return Fail(LoadFailure::kNoPortChosen, "No serial port was chosen for the Propeller.");
    }
    OpenedPort opened = TermiosPort::Open(port);
    if (!opened.port) {
        return Fail(opened.failure, opened.message);
    }
    return BootSession(*opened.port, options, note).Run(prepared);
}

double LoadWireSeconds(std::size_t imageBytes) {
    const std::size_t longs = (imageBytes + 3) / 4;
    return WireSeconds(kHandshakeBytes + kEncodedLongBytes * (longs + 2) + kPromptsPerAnswer);
}

}  // namespace lumora::propeller
