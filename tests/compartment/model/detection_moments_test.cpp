// A compartment run followed by devices alone makes its moments without the
// vent's flow balance (no observer reads the gas leaving the room); followed
// by an observer that reads that gas too, it makes them with it. The jet and
// the links read neither, so the devices must come out the same to the bit
// both ways, and the run's rows must be the run's without observers.
#include "compartment/model/model_run.h"
#include "life_safety/detection/detection_observer.h"
#include "life_safety/detection/detection_run.h"
#include "test_room.h"
#include "tests/support/zone_step_recorder.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vorla::compartment {
namespace {

using detection::Device;
using detection::DeviceKind;

// The office with a door 0.4 m wide under a t² fire reaching 1500 kW at
// 358 s, then steady: the layer comes down past the door's soffit within the
// first minute, and the fire is starved of air before the end.
std::unique_ptr<Calculations> OfficeUnderGrowingFire() {
    auto calc = testing::Office();
    calc->Inputs.VentWidth = 0.4;
    calc->Inputs.VentFactor = VentFactorOf(calc->Inputs);
    std::string fire;
    for (int t = 0; t <= 600; t += 30) {
        const double rate = t < 358 ? 0.01172 * t * t : 1500;
        fire += std::to_string(t) + " " + std::to_string(rate) + " 0\r\n";
    }
    fire += "-9 -9 -9\r\n";
    testing::LoadFire(*calc, fire);
    return calc;
}

Device MakeDevice(DeviceKind kind, double radius, double below, double rti, double c,
                  double operatingC) {
    Device d;
    d.Name = "D" + std::to_string(radius) + "/" + std::to_string(below);
    d.Kind = kind;
    d.Radius = radius;
    d.BelowCeiling = below;
    d.Rti = rti;
    d.Conduction = c;
    d.OperatingTemperature = kAmbientTemperature + operatingC - 20;
    return d;
}

std::vector<Device> Devices() {
    return {MakeDevice(DeviceKind::Sprinkler, 2, 0.05, 50, 0, 68),
            MakeDevice(DeviceKind::HeatDetector, 0.5, 0.3, 30, 0.7, 57),
            MakeDevice(DeviceKind::SmokeDetector, 3, 0.02, 0, 0, 0),
            MakeDevice(DeviceKind::SmokeDetector, 1, 0.1, 5, 0, 0),
            MakeDevice(DeviceKind::HeatDetector, 4, 0.05, 400, 0.5, 3000)};
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

const FlashoverQuestion kGoOn = [](const std::string&, std::string_view) { return Answer::No; };

TEST(DetectionMoments, DevicesAloneAndWithAGasReaderAgreeToTheBit) {
    const auto calc = OfficeUnderGrowingFire();
    const double ceilingAboveFire = calc->Inputs.RoomHeight - calc->Inputs.FireHeight;

    auto plain = std::make_unique<RunResults>();
    RunModel(calc->Inputs, calc->Fire, kGoOn, *plain);

    detection::DetectionRun alone(Devices(), calc->Inputs.RoomHeight);
    detection::DetectionObserver aloneObserver(alone, ceilingAboveFire, kAmbientTemperature);
    ASSERT_FALSE(aloneObserver.ReadsLayerGasOut());
    auto aloneRows = std::make_unique<RunResults>();
    RunModel(calc->Inputs, calc->Fire, kGoOn, *aloneRows, &aloneObserver);

    detection::DetectionRun withGas(Devices(), calc->Inputs.RoomHeight);
    detection::DetectionObserver withGasObserver(withGas, ceilingAboveFire, kAmbientTemperature);
    test_support::ZoneStepRecorder reader;
    ZoneStepObservers both;
    both.Add(reader);
    both.Add(withGasObserver);
    auto withGasRows = std::make_unique<RunResults>();
    RunModel(calc->Inputs, calc->Fire, kGoOn, *withGasRows, &both);
    EXPECT_EQ(reader.Problem(), "");

    bool starved = false;
    for (int r = 0; r <= plain->LastRow; ++r) {
        starved = starved || plain->OSFlag[r] == kStarvedOfAir;
    }
    EXPECT_TRUE(starved);
    for (const RunResults* rows : {aloneRows.get(), withGasRows.get()}) {
        ASSERT_EQ(rows->LastRow, plain->LastRow);
        for (int r = 0; r <= plain->LastRow; ++r) {
            EXPECT_TRUE(SameBits(rows->LayerTemperature[r], plain->LayerTemperature[r])) << r;
            EXPECT_TRUE(SameBits(rows->HeatReleaseRate[r], plain->HeatReleaseRate[r])) << r;
            EXPECT_TRUE(SameBits(rows->VentFlow[r], plain->VentFlow[r])) << r;
        }
    }
    int operated = 0;
    for (std::size_t i = 0; i < alone.States().size(); ++i) {
        const detection::DeviceState& a = alone.States()[i];
        const detection::DeviceState& b = withGas.States()[i];
        EXPECT_TRUE(SameBits(a.LinkTemperature, b.LinkTemperature)) << i;
        ASSERT_EQ(a.ActivationTime.has_value(), b.ActivationTime.has_value()) << i;
        if (a.ActivationTime) {
            EXPECT_TRUE(SameBits(*a.ActivationTime, *b.ActivationTime)) << i;
            ++operated;
        }
        EXPECT_EQ(a.Gas.InLayer, b.Gas.InLayer) << i;
    }
    // The run covers what it must: devices that operate, one that does not,
    // and the deep heat detector in the layer by the end.
    EXPECT_GE(operated, 3);
    EXPECT_FALSE(alone.States()[4].ActivationTime);
    EXPECT_TRUE(alone.States()[1].Gas.InLayer);
    ASSERT_TRUE(alone.FirstSprinkler() && withGas.FirstSprinkler());
    EXPECT_TRUE(SameBits(alone.FirstSprinkler()->Time, withGas.FirstSprinkler()->Time));
    ASSERT_TRUE(alone.FirstDetection() && withGas.FirstDetection());
    EXPECT_TRUE(SameBits(alone.FirstDetection()->Time, withGas.FirstDetection()->Time));
}

// Several observers read the gas leaving the room when any one of them does.
TEST(DetectionMoments, ObserversReadTheGasOutWhenAnyOneDoes) {
    detection::DetectionRun run({}, 2.4);
    detection::DetectionObserver devices(run, 2.4, kAmbientTemperature);
    test_support::ZoneStepRecorder reads(true);
    test_support::ZoneStepRecorder ignores(false);
    struct Case {
        std::vector<ZoneStepObserver*> observers;
        bool reads;
    };
    const Case cases[] = {
        {{}, false},      {{&devices}, false},        {{&ignores, &devices}, false},
        {{&reads}, true}, {{&devices, &reads}, true}, {{&ignores, &devices, &reads}, true},
    };
    for (const Case& c : cases) {
        ZoneStepObservers all;
        for (ZoneStepObserver* o : c.observers) {
            all.Add(*o);
        }
        EXPECT_EQ(all.ReadsLayerGasOut(), c.reads) << c.observers.size();
    }
}

} // namespace
} // namespace vorla::compartment
