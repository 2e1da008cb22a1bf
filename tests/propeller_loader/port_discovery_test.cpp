#include "port_discovery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "test_files.h"

namespace lumora::propeller {
namespace {

namespace fs = std::filesystem;

TEST(PortDiscoveryTest, ListsAdaptersOnceEachByTheirStableNamesFirst) {
    lumora::testing::ScratchDir dev;
    for (const char* name :
         {"ttyUSB0", "ttyUSB2", "ttyUSB10", "ttyACM0", "ttyS0", "tty1", "ttyUSBx", "null"}) {
        std::ofstream(dev / name) << "";
    }
    fs::create_directories(dev / "serial" / "by-id");
    fs::create_symlink("../../ttyUSB10",
                       dev / "serial" / "by-id" / "usb-Parallax_Inc._PropPlug_P1-if00-port0");
    fs::create_symlink("../../ttyUSB99", dev / "serial" / "by-id" / "usb-gone-if00-port0");

    const std::vector<SerialPortEntry> ports = ListSerialPorts(dev);
    std::vector<std::string> labels;
    for (const auto& port : ports) {
        labels.push_back(port.label);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"usb-Parallax_Inc._PropPlug_P1-if00-port0",
                                                "ttyACM0", "ttyUSB0", "ttyUSB2"}));
    ASSERT_FALSE(ports.empty());
    EXPECT_EQ(ports[0].path,
              (dev / "serial" / "by-id" / "usb-Parallax_Inc._PropPlug_P1-if00-port0").string());
    EXPECT_EQ(ports[0].device, fs::canonical(dev / "ttyUSB10").string());
    EXPECT_FALSE(DefaultPort(ports).has_value());

    const ResolvedPort several = ResolvePort("", ports);
    EXPECT_TRUE(several.path.empty());
    EXPECT_NE(several.problem.find(ports[1].path), std::string::npos) << several.problem;
    EXPECT_EQ(ResolvePort("/dev/ttyUSB2", ports).path, "/dev/ttyUSB2");
}

TEST(PortDiscoveryTest, TheOnlyPortIsTheDefault) {
    lumora::testing::ScratchDir dev;
    EXPECT_TRUE(ListSerialPorts(dev).empty());
    EXPECT_FALSE(DefaultPort(ListSerialPorts(dev)).has_value());
    EXPECT_TRUE(ListSerialPorts(dev / "absent").empty());
    const ResolvedPort none = ResolvePort("", {});
    EXPECT_TRUE(none.path.empty());
    EXPECT_NE(none.problem.find("No serial port"), std::string::npos);

    std::ofstream(dev / "ttyACM3") << "";
    const auto ports = ListSerialPorts(dev);
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(DefaultPort(ports), (dev / "ttyACM3").string());
    EXPECT_EQ(ResolvePort("", ports).path, (dev / "ttyACM3").string());
}

}  // namespace
}  // namespace lumora::propeller
