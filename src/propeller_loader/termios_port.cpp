#include "termios_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lumora::propeller {

namespace {

std::string SystemText(int error) {
    return std::strerror(error);
}

// Milliseconds to the deadline for poll(), rounded up so that a wait never ends early.
int PollTimeout(Deadline deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return ms > 60000 ? 60000 : static_cast<int>(ms);
}

OpenedPort Failed(LoadFailure failure, std::string message) {
    OpenedPort out;
    out.failure = failure;
    out.message = std::move(message);
    return out;
}

}  // namespace

OpenedPort OpenFailure(const std::string& path, int error) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return Failed(LoadFailure::kNoSuchPort,
                          "Serial port " + path +
                              " does not exist; check that the Propeller's USB cable is "
                              "plugged in and choose the port it appears as.");
        case EACCES:
        case EPERM:
            return Failed(LoadFailure::kPermissionDenied,
                          "Permission denied opening serial port " + path +
                              "; your user must be in the 'dialout' group (sudo usermod -aG "
                              "dialout $USER, then log in again).");
        case EBUSY:
        case EWOULDBLOCK:
            return Failed(LoadFailure::kPortBusy,
                          "Serial port " + path + " is busy: another program is using it.");
        default:
            return Failed(LoadFailure::kPortUnusable,
                          "Cannot open serial port " + path + ": " + SystemText(error) + ".");
    }
}

OpenedPort TermiosPort::Open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return OpenFailure(path, errno);
    }
    auto fail = [&](LoadFailure failure, std::string message) {
        ::close(fd);
        return Failed(failure, std::move(message));
    };
    if (!::isatty(fd)) {
        return fail(LoadFailure::kPortUnusable, path + " is not a serial port.");
    }
    // The advisory lock catches another loader or terminal that holds the port, even where the
    // exclusive flag does not bind (it does not bind root).
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return OpenFailure(path, error == EWOULDBLOCK ? EBUSY : error);
    }
    if (::ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY && errno != EINVAL) {
        return fail(
            LoadFailure::kPortUnusable,
            "Cannot take serial port " + path + " for exclusive use: " + SystemText(errno) + ".");
    }
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        return fail(LoadFailure::kPortUnusable, "Cannot read the settings of serial port " + path +
                                                    ": " + SystemText(errno) + ".");
    }
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    // With O_NONBLOCK a read then answers EAGAIN when nothing is there and 0 only at hang-up.
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (::cfsetispeed(&settings, B115200) != 0 || ::cfsetospeed(&settings, B115200) != 0 ||
        ::tcsetattr(fd, TCSANOW, &settings) != 0) {
        return fail(
            LoadFailure::kPortUnusable,
            "Cannot set serial port " + path + " to 115200 baud, 8N1: " + SystemText(errno) + ".");
    }
    ::tcflush(fd, TCIOFLUSH);
    OpenedPort out;
    out.port.reset(new TermiosPort(path, fd));
    return out;
}

TermiosPort::~TermiosPort() {
    // Unsent prompts are dropped so that closing never waits on a line nobody reads.
    ::tcflush(fd_, TCOFLUSH);
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
}

IoResult TermiosPort::Write(std::span<const std::uint8_t> bytes, Deadline deadline) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            return {IoStatus::kLost, SystemText(errno)};
        }
        pollfd watch{fd_, POLLOUT, 0};
        const int ready = ::poll(&watch, 1, PollTimeout(deadline));
        if (ready < 0 && errno != EINTR) {
            return {IoStatus::kLost, SystemText(errno)};
        }
        if (ready > 0 && (watch.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return {IoStatus::kLost, "the device hung up"};
        }
        if (ready == 0 && Clock::now() >= deadline) {
            return {IoStatus::kTimedOut, {}};
        }
    }
    return {};
}

IoResult TermiosPort::ReadByte(std::uint8_t& byte, Deadline deadline) {
    for (;;) {
        if (pendingAt_ < pending_.size()) {
            byte = pending_[pendingAt_++];
            return {};
        }
        pending_.resize(512);
        pendingAt_ = 0;
        const ssize_t n = ::read(fd_, pending_.data(), pending_.size());
        if (n > 0) {
            pending_.resize(static_cast<std::size_t>(n));
            continue;
        }
        pending_.clear();
        if (n == 0) {
            return {IoStatus::kLost, "the device hung up"};
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            return {IoStatus::kLost, SystemText(errno)};
        }
        pollfd watch{fd_, POLLIN, 0};
        const int ready = ::poll(&watch, 1, PollTimeout(deadline));
        if (ready < 0 && errno != EINTR) {
            return {IoStatus::kLost, SystemText(errno)};
        }
        if (ready > 0 && (watch.revents & POLLIN) == 0 &&
            (watch.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return {IoStatus::kLost, "the device hung up"};
        }
        if (ready == 0 && Clock::now() >= deadline) {
            return {IoStatus::kTimedOut, {}};
        }
    }
}

LineResult TermiosPort::SetModemLine(ModemLine line, bool asserted) {
    const int bits = line == ModemLine::kDtr ? TIOCM_DTR : TIOCM_RTS;
    if (::ioctl(fd_, asserted ? TIOCMBIS : TIOCMBIC, &bits) == 0) {
        return {};
    }
    const int error = errno;
    if (error == ENOTTY || error == EINVAL) {
        return {LineControl::kUnsupported, SystemText(error)};
    }
    return {LineControl::kFailed, SystemText(error)};
}

void TermiosPort::DiscardInput() {
    ::tcflush(fd_, TCIFLUSH);
    pending_.clear();
    pendingAt_ = 0;
}

}  // namespace lumora::propeller
