// Each device value wrong once: the sentence names the device and the value in
// the user's units.
#include "life_safety/detection/device.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::detection {
namespace {

Device Sprinkler() {
    Device d;
    d.Name = "SP1";
    d.Kind = DeviceKind::Sprinkler;
    d.Radius = 2;
    d.BelowCeiling = 0.1;
    d.Rti = 50;
    d.OperatingTemperature = 273.15 + 68;
    return d;
}

TEST(Device, KindWordsGoBothWays) {
    for (DeviceKind kind :
         {DeviceKind::HeatDetector, DeviceKind::Sprinkler, DeviceKind::SmokeDetector}) {
        EXPECT_EQ(KindFromWord(KindWord(kind)), kind);
    }
    EXPECT_FALSE(KindFromWord("Heat"));
    EXPECT_FALSE(KindFromWord(""));
}

TEST(Device, ObscurationAndOpticalDensity) {
    // 10 %/m: D = −log10(0.9) = 0.0457575 per metre.
    EXPECT_NEAR(OpticalDensityFromObscuration(10), 0.0457575, 1e-7);
    EXPECT_NEAR(ObscurationFromOpticalDensity(0.0457575), 10, 1e-5);
}

TEST(Device, ChecksNameTheDeviceAndTheValue) {
    struct Row {
        void (*Change)(Device&);
        UnitSystem Units;
        const char* Field;
        const char* Message;
    };
    const Row rows[] = {
        {[](Device& d) { d.Name.clear(); }, UnitSystem::SI, "name", "A device needs a name."},
        {[](Device& d) { d.Radius = -1; }, UnitSystem::SI, "radius",
         "Device \u201cSP1\u201d: the radial distance from the plume axis must be a number from 0 "
         "to 100 m; -1 was given."},
        {[](Device& d) { d.Radius = 0.3048 * -2; }, UnitSystem::US, "radius",
         "Device \u201cSP1\u201d: the radial distance from the plume axis must be a number from 0 "
         "to 328.0839895 ft; -2 was given."},
        {[](Device& d) { d.BelowCeiling = std::nan(""); }, UnitSystem::SI, "below-ceiling",
         "Device \u201cSP1\u201d: the distance below the ceiling must be a number from 0 to 10 m; "
         "nan was given."},
        {[](Device& d) { d.Rti = 0; }, UnitSystem::SI, "rti",
         "Device \u201cSP1\u201d: the response time index must be a number above 0 and up to 1000 "
         "(m\u00b7s)\u00bd; 0 was given."},
        {[](Device& d) { d.Conduction = -0.5; }, UnitSystem::SI, "c",
         "Device \u201cSP1\u201d: the conduction factor must be a number from 0 to 10 "
         "(m/s)\u00bd; -0.5 was given."},
        {[](Device& d) { d.OperatingTemperature = 273.15 + 500; }, UnitSystem::SI, "temperature",
         "Device \u201cSP1\u201d: the operating temperature must be a number above 0 and up to 400 "
         "\u00b0C; 500 was given."},
        {[](Device& d) { d.OperatingTemperature = 273.15 + 500; }, UnitSystem::US, "temperature",
         "Device \u201cSP1\u201d: the operating temperature must be a number above 32 and up to "
         "752 \u00b0F; 932 was given."},
        {[](Device& d) {
             d.Kind = DeviceKind::SmokeDetector;
             d.Rti = 0;
             d.TemperatureRise = -10;
         },
         UnitSystem::SI, "rise",
         "Device \u201cSP1\u201d: the temperature rise must be a number above 0 and up to 200 K; "
         "-10 was given."},
        {[](Device& d) {
             d.Kind = DeviceKind::SmokeDetector;
             d.Rti = 0;
             d.Obscuration = 0;
         },
         UnitSystem::SI, "optical-density",
         "Device \u201cSP1\u201d: the obscuration threshold must be a number above 0 and up to 10 "
         "per metre; 0 was given."},
    };
    for (const Row& row : rows) {
        Device d = Sprinkler();
        row.Change(d);
        const auto problem = CheckDevice(d, row.Units);
        ASSERT_TRUE(problem) << row.Message;
        EXPECT_EQ(problem->Field, row.Field);
        EXPECT_EQ(problem->Message, row.Message);
    }
}

TEST(Device, GoodDevicesPass) {
    EXPECT_FALSE(CheckDevice(Sprinkler(), UnitSystem::SI));
    Device smoke;
    smoke.Name = "S";
    smoke.Kind = DeviceKind::SmokeDetector;
    smoke.Radius = 1;
    smoke.BelowCeiling = 0.02;
    EXPECT_FALSE(CheckDevice(smoke, UnitSystem::SI)); // no RTI: reads the gas
    smoke.Rti = 5;
    EXPECT_FALSE(CheckDevice(smoke, UnitSystem::SI)); // sensitive heat detector
}

TEST(Device, AgainstTheRoom) {
    Device d = Sprinkler();
    d.BelowCeiling = 2.4;
    auto problem = CheckDeviceInRoom(d, 2.4, 294.26, UnitSystem::SI);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->Message, "Device \u201cSP1\u201d: the distance below the ceiling must be "
                                "less than the room's height of 2.4 m; 2.4 was given.");
    d = Sprinkler();
    d.OperatingTemperature = 290;
    problem = CheckDeviceInRoom(d, 2.4, 294.26, UnitSystem::SI);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->Field, "temperature");
    EXPECT_EQ(problem->Message, "Device \u201cSP1\u201d: the operating temperature must be above "
                                "the room's starting temperature of 21.11 \u00b0C; 16.85 was "
                                "given.");
    EXPECT_FALSE(CheckDeviceInRoom(Sprinkler(), 2.4, 294.26, UnitSystem::SI));
}

TEST(Device, TwoDevicesWithOneName) {
    const auto problem = CheckDevices({Sprinkler(), Sprinkler()}, UnitSystem::SI);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->Message,
              "Two devices are named \u201cSP1\u201d: each needs a name of its own.");
}

} // namespace
} // namespace vorla::detection
