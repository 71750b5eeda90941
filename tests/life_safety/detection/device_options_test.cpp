// --device KEYS and --devices FILE: good devices in both unit systems, and
// every key wrong once, the message naming the key (and in a file, the line).
#include "life_safety/detection/device_options.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace vorla::detection {
namespace {

TEST(DeviceOption, ASprinklerInSIUnits) {
    const auto parsed = ParseDeviceOption(
        "kind=sprinkler,name=SP1,radius=2.5,below-ceiling=0.08,rti=50,c=0.5,temperature=68",
        UnitSystem::SI, 1);
    ASSERT_TRUE(std::holds_alternative<Device>(parsed)) << std::get<std::string>(parsed);
    const Device& d = std::get<Device>(parsed);
    EXPECT_EQ(d.Name, "SP1");
    EXPECT_EQ(d.Kind, DeviceKind::Sprinkler);
    EXPECT_DOUBLE_EQ(d.Radius, 2.5);
    EXPECT_DOUBLE_EQ(d.BelowCeiling, 0.08);
    EXPECT_DOUBLE_EQ(d.Rti, 50);
    EXPECT_DOUBLE_EQ(d.Conduction, 0.5);
    EXPECT_DOUBLE_EQ(d.OperatingTemperature, 341.15);
}

TEST(DeviceOption, AHeatDetectorInUSUnits) {
    // 10 ft = 3.048 m, 0.5 ft = 0.1524 m, 135 °F = 57.2222 °C = 330.3722 K.
    const auto parsed = ParseDeviceOption("kind=heat,radius=10,below-ceiling=0.5,rti=100,"
                                          "temperature=135",
                                          UnitSystem::US, 3);
    ASSERT_TRUE(std::holds_alternative<Device>(parsed)) << std::get<std::string>(parsed);
    const Device& d = std::get<Device>(parsed);
    EXPECT_EQ(d.Name, "device 3");
    EXPECT_NEAR(d.Radius, 3.048, 1e-12);
    EXPECT_NEAR(d.BelowCeiling, 0.1524, 1e-12);
    EXPECT_NEAR(d.OperatingTemperature, 330.372222, 1e-6);
    EXPECT_EQ(d.Conduction, 0);
}

TEST(DeviceOption, SmokeDetectorThresholds) {
    struct Row {
        const char* Text;
        UnitSystem Units;
        double Rise;
        std::optional<double> Obscuration;
    };
    const Row rows[] = {
        {"kind=smoke,radius=1,below-ceiling=0.02", UnitSystem::SI, 10, std::nullopt},
        {"kind=smoke,radius=1,below-ceiling=0.02,rise=13", UnitSystem::SI, 13, std::nullopt},
        {"kind=smoke,radius=1,below-ceiling=0.02,rise=18", UnitSystem::US, 10, std::nullopt},
        {"kind=smoke,radius=1,below-ceiling=0.02,obscuration=10", UnitSystem::SI, 10, 0.0457575},
        {"kind=smoke,radius=1,below-ceiling=0.02,optical-density=0.1", UnitSystem::SI, 10, 0.1},
    };
    for (const Row& row : rows) {
        const auto parsed = ParseDeviceOption(row.Text, row.Units, 1);
        ASSERT_TRUE(std::holds_alternative<Device>(parsed)) << row.Text;
        const Device& d = std::get<Device>(parsed);
        EXPECT_NEAR(d.TemperatureRise, row.Rise, 1e-12) << row.Text;
        ASSERT_EQ(d.Obscuration.has_value(), row.Obscuration.has_value()) << row.Text;
        if (row.Obscuration) {
            EXPECT_NEAR(*d.Obscuration, *row.Obscuration, 1e-7) << row.Text;
        }
    }
}

TEST(DeviceOption, EveryKeyWrongOnce) {
    struct Row {
        const char* Text;
        const char* Message;
    };
    const Row rows[] = {
        {"", "The device is empty: give comma-separated key=value pairs, for example "
             "kind=sprinkler,radius=2,below-ceiling=0.1,rti=50,temperature=68."},
        {"kind=heat,radius", "\u201cradius\u201d is not a key=value pair."},
        {"kind=heat,colour=red",
         "\u201ccolour\u201d is not a device key: use kind, name, radius, below-ceiling, rti, c, "
         "temperature, rise, obscuration or optical-density."},
        {"kind=heat,radius=1,radius=2", "radius is given twice."},
        {"kind=heat,radius=2m", "radius: \u201c2m\u201d is not a number."},
        {"kind=heat,radius=,below-ceiling=0.1", "radius: \u201c\u201d is not a number."},
        {"kind=water,radius=1", "kind: \u201cwater\u201d is not heat, sprinkler or smoke."},
        {"radius=1,below-ceiling=0.1", "kind: missing: give heat, sprinkler or smoke."},
        {"kind=heat,name=,radius=1", "name: a device's name cannot be empty."},
        {"kind=heat,name=H1,below-ceiling=0.1,rti=50,temperature=57",
         "radius: missing for \u201cH1\u201d."},
        {"kind=sprinkler,name=S,radius=1,below-ceiling=0.1,temperature=68",
         "rti: missing for \u201cS\u201d."},
        {"kind=sprinkler,name=S,radius=1,below-ceiling=0.1,rti=50",
         "temperature: missing for \u201cS\u201d."},
        {"kind=sprinkler,name=S,radius=1,below-ceiling=0.1,rti=50,temperature=68,rise=10",
         "rise: only smoke detectors take it; \u201cS\u201d is a sprinkler."},
        {"kind=heat,name=H,radius=1,below-ceiling=0.1,rti=50,temperature=68,obscuration=10",
         "obscuration: only smoke detectors take it; \u201cH\u201d is a heat detector."},
        {"kind=smoke,radius=1,below-ceiling=0.1,temperature=68",
         "temperature: a smoke detector takes rise, obscuration or optical-density, not an "
         "operating temperature."},
        {"kind=smoke,radius=1,below-ceiling=0.1,rise=10,obscuration=5",
         "obscuration: a smoke detector takes one of rise, obscuration and optical-density; rise "
         "is given too."},
        {"kind=smoke,radius=1,below-ceiling=0.1,obscuration=100",
         "obscuration: the obscuration threshold must be a number above 0 and below 100 %/m; 100 "
         "was given."},
        {"kind=sprinkler,name=S,radius=1,below-ceiling=0.1,rti=-50,temperature=68",
         "Device \u201cS\u201d: the response time index must be a number above 0 and up to 1000 "
         "(m\u00b7s)\u00bd; -50 was given."},
        {"kind=heat,name=H,radius=-3,below-ceiling=0.1,rti=50,temperature=135",
         "Device \u201cH\u201d: the radial distance from the plume axis must be a number from 0 "
         "to 100 m; -3 was given."},
    };
    for (const Row& row : rows) {
        const auto parsed = ParseDeviceOption(row.Text, UnitSystem::SI, 1);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << row.Text;
        EXPECT_EQ(std::get<std::string>(parsed), row.Message) << row.Text;
    }
}

TEST(DevicesFile, ReadsEveryDeviceInOrder) {
    const std::string text = "# the office\n"
                             "[[device]]\n"
                             "kind = \"sprinkler\"\n"
                             "name = \"SP1\"\n"
                             "radius = 2\n"
                             "below-ceiling = 0.1\n"
                             "rti = 50\n"
                             "temperature = 68.5\n"
                             "\n"
                             "[[device]]\n"
                             "kind = \"smoke\"\n"
                             "radius = 1.5\n"
                             "below-ceiling = 0.02\n"
                             "obscuration = 10\n";
    const auto parsed = ParseDevicesFile(text, "office.toml", UnitSystem::SI);
    ASSERT_TRUE(std::holds_alternative<std::vector<Device>>(parsed))
        << std::get<std::string>(parsed);
    const auto& devices = std::get<std::vector<Device>>(parsed);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].Name, "SP1");
    EXPECT_DOUBLE_EQ(devices[0].OperatingTemperature, 273.15 + 68.5);
    EXPECT_EQ(devices[1].Name, "device 2");
    EXPECT_EQ(devices[1].Kind, DeviceKind::SmokeDetector);
    EXPECT_NEAR(*devices[1].Obscuration, 0.0457575, 1e-7);
}

TEST(DevicesFile, EveryErrorNamesTheLineAndTheField) {
    struct Row {
        const char* Text;
        const char* Message;
    };
    const Row rows[] = {
        {"[[device]]\nkind = \"heat\"\nradius = \"two\"\n", "d.toml:3: radius: must be a number."},
        {"[[device]]\nkind = heat\n", nullptr}, // toml++'s own sentence, with the line
        {"[[device]]\nkind = 3\n", "d.toml:2: kind: must be text in quotes."},
        {"[[device]]\nkind = \"heat\"\nsize = 3\n",
         "d.toml:3: size: not a device key: use kind, name, radius, below-ceiling, rti, c, "
         "temperature, rise, obscuration or optical-density."},
        {"title = \"office\"\n",
         "d.toml:1: title: not a part of a devices file, which holds [[device]] tables only."},
        {"", "d.toml: device: the file has no [[device]] table."},
        {"device = 3\n", "d.toml:1: device: write each device as a [[device]] table."},
        {"[[device]]\nname = \"H1\"\nradius = 1\n",
         "d.toml:1: kind: missing: give heat, sprinkler or smoke."},
        {"[[device]]\nkind = \"heat\"\nname = \"H1\"\nradius = 1\nbelow-ceiling = 0.1\n"
         "temperature = 57\n",
         "d.toml:1: rti: missing for \u201cH1\u201d."},
        {"[[device]]\nkind = \"heat\"\nname = \"H1\"\nradius = 1\nbelow-ceiling = 0.1\n"
         "rti = 50\ntemperature = 500\n",
         "d.toml:7: temperature: Device \u201cH1\u201d: the operating temperature must be a number "
         "above 0 and up to 400 \u00b0C; 500 was given."},
        {"[[device]]\nkind = \"heat\"\nname = \"H1\"\nradius = 1\nbelow-ceiling = 0.1\n"
         "rti = 50\ntemperature = 57\n"
         "[[device]]\nkind = \"heat\"\nname = \"H1\"\nradius = 2\nbelow-ceiling = 0.1\n"
         "rti = 50\ntemperature = 57\n",
         "d.toml:10: name: two devices are named \u201cH1\u201d: each needs a name of its own."},
    };
    for (const Row& row : rows) {
        const auto parsed = ParseDevicesFile(row.Text, "d.toml", UnitSystem::SI);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << row.Text;
        const std::string& message = std::get<std::string>(parsed);
        if (row.Message) {
            EXPECT_EQ(message, row.Message);
        } else {
            EXPECT_EQ(message.rfind("d.toml:2: ", 0), 0u) << message;
        }
    }
}

TEST(DevicesFile, ReadThroughTheBoundedReader) {
    const test_support::TemporaryFolder folder;
    const std::string path = folder.Write("devices.toml", "[[device]]\nkind = \"smoke\"\n"
                                                          "radius = 1\nbelow-ceiling = 0.02\n");
    const auto read = ReadDevicesFile(path, UnitSystem::SI);
    ASSERT_TRUE(std::holds_alternative<std::vector<Device>>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<std::vector<Device>>(read).size(), 1u);
    EXPECT_EQ(
        std::get<std::string>(ReadDevicesFile("/dev/zero", UnitSystem::SI)).rfind("/dev/zero: ", 0),
        0u);
    const auto missing = ReadDevicesFile("/nonexistent/devices.toml", UnitSystem::SI);
    ASSERT_TRUE(std::holds_alternative<std::string>(missing));
    EXPECT_EQ(std::get<std::string>(missing).rfind("/nonexistent/devices.toml: ", 0), 0u);
}

// A saved report's device lines: every kind read back as it was written
// (temperatures through °C to within the conversion's rounding), nothing
// for a report without them, and a damaged line named by its number.
TEST(SavedDevices, ReadBackAsWritten) {
    Device sprinkler{.Name = "S1",
                     .Kind = DeviceKind::Sprinkler,
                     .Radius = 0.1,
                     .BelowCeiling = 1.0 / 3,
                     .Rti = 50,
                     .Conduction = 0.65,
                     .OperatingTemperature = 341.15,
                     .Obscuration = {}};
    Device heat{.Name = "H 2",
                .Kind = DeviceKind::HeatDetector,
                .Radius = 3.048,
                .BelowCeiling = 0.1524,
                .Rti = 100,
                .OperatingTemperature = 330.37222222222,
                .Obscuration = {}};
    Device smoke{.Name = "SD",
                 .Kind = DeviceKind::SmokeDetector,
                 .Radius = 3,
                 .BelowCeiling = 0.02,
                 .TemperatureRise = 13.5,
                 .Obscuration = {}};
    Device obscured = smoke;
    obscured.Name = "SD2";
    obscured.Rti = 2;
    obscured.Obscuration = 0.0432; // replaces the rise, which is not saved
    obscured.TemperatureRise = kDefaultSmokeRise;
    const std::vector<Device> devices = {sprinkler, heat, smoke, obscured};
    const std::string report = "    600  21.1\r\nEnd of run.\r\n";
    const std::string saved = report + SavedDeviceLines(devices, "\r\n");
    EXPECT_EQ(saved.substr(report.size(), 26), "Device: kind=sprinkler,nam");
    const auto read = ReadSavedDevices(saved);
    ASSERT_TRUE(std::holds_alternative<std::vector<Device>>(read)) << std::get<std::string>(read);
    const auto& back = std::get<std::vector<Device>>(read);
    ASSERT_EQ(back.size(), devices.size());
    for (std::size_t k = 0; k < devices.size(); ++k) {
        Device expected = devices[k];
        EXPECT_NEAR(back[k].OperatingTemperature, expected.OperatingTemperature, 1e-9);
        expected.OperatingTemperature = back[k].OperatingTemperature;
        EXPECT_EQ(back[k], expected) << devices[k].Name;
    }

    EXPECT_EQ(SavedDeviceLines({}, "\r\n"), "");
    const auto none = ReadSavedDevices(report);
    ASSERT_TRUE(std::holds_alternative<std::vector<Device>>(none));
    EXPECT_TRUE(std::get<std::vector<Device>>(none).empty());

    const struct {
        std::string lines;
        std::string starts;
    } damaged[] = {
        {"Device: kind=laser,radius=1,below-ceiling=0.1\r\n", "Line 3: "},
        {SavedDeviceLines({sprinkler}, "\r\n") + "Device: kind=heat,radius=x\r\n", "Line 4: "},
        {"Device: kind=sprinkler,radius=-1,below-ceiling=0.1,rti=50,temperature=68\r\n",
         "Line 3: "},
        {SavedDeviceLines({sprinkler, sprinkler}, "\r\n"), "Line 3: "},
    };
    for (const auto& c : damaged) {
        const auto problem = ReadSavedDevices(report + c.lines);
        ASSERT_TRUE(std::holds_alternative<std::string>(problem)) << c.lines;
        EXPECT_EQ(std::get<std::string>(problem).rfind(c.starts, 0), 0u)
            << std::get<std::string>(problem);
    }
}

} // namespace
} // namespace vorla::detection
