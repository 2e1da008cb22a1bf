#include "termios_port.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "fake_propeller.h"
#include "test_files.h"

namespace lumora::propeller {
namespace {

TEST(TermiosPortTest, EachOpenFailureNamesItsCauseAndRemedy) {
    struct Case {
        int error;
        LoadFailure failure;
        const char* inMessage;
    };
    const Case cases[] = {
        {ENOENT, LoadFailure::kNoSuchPort, "does not exist"},
        {ENXIO, LoadFailure::kNoSuchPort, "does not exist"},
        {EACCES, LoadFailure::kPermissionDenied, "'dialout' group"},
        {EPERM, LoadFailure::kPermissionDenied, "'dialout' group"},
        {EBUSY, LoadFailure::kPortBusy, "another program is using it"},
        {EIO, LoadFailure::kPortUnusable, "Input/output error"},
    };
    for (const Case& c : cases) {
        const OpenedPort opened = OpenFailure("/dev/ttyUSB9", c.error);
        EXPECT_EQ(opened.failure, c.failure) << c.error;
        EXPECT_NE(opened.message.find("/dev/ttyUSB9"), std::string::npos) << opened.message;
        EXPECT_NE(opened.message.find(c.inMessage), std::string::npos) << opened.message;
    }
}

TEST(TermiosPortTest, OpensOnlyAPresentFreeSerialDevice) {
    lumora::testing::ScratchDir dir;
    const std::string missing = (dir / "ttyUSB0").string();
    EXPECT_EQ(TermiosPort::Open(missing).failure, LoadFailure::kNoSuchPort);

    const std::string plain = (dir / "plain").string();
    std::ofstream(plain) << "x";
    const OpenedPort notTty = TermiosPort::Open(plain);
    EXPECT_EQ(notTty.failure, LoadFailure::kPortUnusable);
    EXPECT_NE(notTty.message.find("not a serial port"), std::string::npos);

    lumora::testing::FakePropeller chip(lumora::testing::FakePropeller::Behaviour::kSilent);
    {
        // Another program holding the port.
        const int other = ::open(chip.PortPath().c_str(), O_RDWR | O_NOCTTY);
        ASSERT_GE(other, 0);
        ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
        EXPECT_EQ(TermiosPort::Open(chip.PortPath()).failure, LoadFailure::kPortBusy);
        ::close(other);
    }
    OpenedPort first = TermiosPort::Open(chip.PortPath());
    ASSERT_TRUE(first.port) << first.message;
    EXPECT_EQ(TermiosPort::Open(chip.PortPath()).failure, LoadFailure::kPortBusy);
    first.port.reset();
    EXPECT_TRUE(TermiosPort::Open(chip.PortPath()).port);
}

TEST(TermiosPortTest, AWaitEndsAtItsDeadline) {
    lumora::testing::FakePropeller chip(lumora::testing::FakePropeller::Behaviour::kSilent);
    OpenedPort opened = TermiosPort::Open(chip.PortPath());
    ASSERT_TRUE(opened.port) << opened.message;
    std::uint8_t byte = 0;
    const IoResult read = opened.port->ReadByte(byte, Clock::now() + std::chrono::milliseconds(30));
    EXPECT_EQ(read.status, IoStatus::kTimedOut);
    EXPECT_EQ(opened.port->SetModemLine(ModemLine::kDtr, true).control, LineControl::kUnsupported);
}

}  // namespace
}  // namespace lumora::propeller
