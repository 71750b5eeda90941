// The observer over whole runs of one-second steps, against activation times
// worked independently: the closed form for steady fires, and for t² fires a
// fourth-order Runge–Kutta integration of the link equation with 1 ms steps
// (a separate calculation in a desk calculator script, not this code).
#include "life_safety/detection/detection_run.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace vorla::detection {
namespace {

constexpr double kRoomAmbient = 293.15;
constexpr double kCeiling = 3.0; // m above the floor, the fire on the floor

Device Make(const char* name, DeviceKind kind, double radius, double rti, double c,
            double operatingRise) {
    Device d;
    d.Name = name;
    d.Kind = kind;
    d.Radius = radius;
    d.BelowCeiling = 0.05;
    d.Rti = rti;
    d.Conduction = c;
    d.OperatingTemperature = kRoomAmbient + operatingRise;
    return d;
}

// The room over `seconds` one-second steps: the heat release rate, layer and
// smoke as functions of time.
struct Scenario {
    std::function<double(double)> HeatReleaseRate;
    std::function<double(double)> InterfaceHeight = [](double) { return kCeiling; };
    std::function<double(double)> LayerTemperature = [](double) { return kRoomAmbient; };
    std::function<std::optional<double>(double)> OpticalDensity = [](double) {
        return std::optional<double>();
    };
};

ZoneMoment At(const Scenario& s, double t) {
    return {t,        s.HeatReleaseRate(t), s.LayerTemperature(t), s.InterfaceHeight(t), kCeiling,
            kRoomAmbient, s.OpticalDensity(t)};
}

DetectionRun RunOver(const std::vector<Device>& devices, const Scenario& s, int seconds) {
    DetectionRun run(devices, kCeiling);
    run.Start(At(s, 0));
    for (int t = 1; t <= seconds; ++t) {
        run.Advance(At(s, t - 1), At(s, t));
    }
    return run;
}

TEST(DetectionRun, ActivationTimesAgainstIndependentCalculations) {
    const auto steady = [](double) { return 1000.0; };
    const auto fast = [](double t) { return 0.04689 * t * t; };
    const auto slow = [](double t) { return 0.00293 * t * t; };
    struct Row {
        const char* Case;
        std::function<double(double)> Fire;
        Device Element;
        double Expected; // s
        double Band;     // s
    };
    // Steady 1000 kW, H = 3 m, r = 2 m: ΔT = 112.9729 K, u = 1.895557 m/s;
    // t = RTI/(√u + C)·ln(T_e − T∞)/(T_e − T_op)) = 20.0894 s (C = 0) and
    // 23.0594 s (C = 0.5). The bands: the linear reading between quarter-
    // second sub-steps (steady), and the linear gas within each second (t²).
    const Row rows[] = {
        {"steady, C = 0", steady, Make("H", DeviceKind::HeatDetector, 2, 50, 0, 48), 20.0894, 0.01},
        {"steady, C = 0.5", steady, Make("H", DeviceKind::HeatDetector, 2, 50, 0.5, 48), 23.0594,
         0.01},
        {"fast t², C = 0", fast, Make("S", DeviceKind::Sprinkler, 2, 50, 0, 48), 113.9645, 0.05},
        {"fast t², C = 0.5", fast, Make("S", DeviceKind::Sprinkler, 2, 50, 0.5, 48), 126.4057,
         0.05},
        {"slow t², r = 1 m", slow, Make("H", DeviceKind::HeatDetector, 1, 100, 0, 37), 249.2299,
         0.05},
    };
    for (const Row& row : rows) {
        Scenario s;
        s.HeatReleaseRate = row.Fire;
        const DetectionRun run = RunOver({row.Element}, s, 400);
        const auto& t = run.States()[0].ActivationTime;
        ASSERT_TRUE(t) << row.Case;
        EXPECT_NEAR(*t, row.Expected, row.Band) << row.Case;
    }
}

TEST(DetectionRun, SmokeDetectorReadingTheGasRise) {
    // A 10 K rise at r = 2 m under a 3 m ceiling needs Q = r·(10H/5.38)^(3/2)
    // = 26.3353 kW, reached by the fast t² fire at √(26.3353/0.04689) = 23.6990 s.
    Scenario s;
    s.HeatReleaseRate = [](double t) { return 0.04689 * t * t; };
    Device smoke = Make("SD", DeviceKind::SmokeDetector, 2, 0, 0, 0);
    const DetectionRun run = RunOver({smoke}, s, 60);
    ASSERT_TRUE(run.States()[0].ActivationTime);
    EXPECT_NEAR(*run.States()[0].ActivationTime, 23.6990, 0.02);
}

TEST(DetectionRun, SprinklerDeepInTheHotLayer) {
    // 500 kW, the interface 1.5 m above the fire, the layer at 100 °C: the
    // substitute height H′ = 1.5 + (373.15/293.15)^0.6 × 1.5 = 3.233674 m, the
    // gas 373.15 + 5.38·250^(2/3)/H′ × 373.15/293.15 = 457.1939 K at
    // u = 1.562000 m/s; a 141 °C link starting at the ambient operates at
    // 50/√u·ln((T_g − T∞)/(T_g − T_op)) = 53.5251 s. Outside the layer the
    // same fire under a clear ceiling leaves it short (T_g = 364.3 K).
    Scenario s;
    s.HeatReleaseRate = [](double) { return 500.0; };
    s.InterfaceHeight = [](double) { return 1.5; };
    s.LayerTemperature = [](double) { return 373.15; };
    const Device deep = Make("SP", DeviceKind::Sprinkler, 2, 50, 0, 414.15 - kRoomAmbient);
    const DetectionRun run = RunOver({deep}, s, 120);
    ASSERT_TRUE(run.States()[0].ActivationTime);
    EXPECT_NEAR(*run.States()[0].ActivationTime, 53.5251, 0.01);
    EXPECT_TRUE(run.States()[0].Gas.InLayer);
    EXPECT_NEAR(run.States()[0].Gas.Temperature, 457.1939, 1e-3);

    Scenario clear = s;
    clear.InterfaceHeight = [](double) { return kCeiling; };
    const DetectionRun dry = RunOver({deep}, clear, 600);
    EXPECT_FALSE(dry.States()[0].ActivationTime);
    EXPECT_FALSE(dry.FirstSprinkler());
    EXPECT_LT(dry.States()[0].LinkTemperature, 414.15);
}

TEST(DetectionRun, ObscurationDetectors) {
    // The layer's optical density grows as 0.0005 t per metre; 10 %/m is
    // 0.0457575 per metre, reached at 91.515 s by a detector in the layer.
    Scenario s;
    s.HeatReleaseRate = [](double) { return 200.0; };
    s.InterfaceHeight = [](double) { return 2.0; };
    s.LayerTemperature = [](double) { return 310.0; };
    s.OpticalDensity = [](double t) { return std::optional<double>(0.0005 * t); };
    Device inLayer = Make("in", DeviceKind::SmokeDetector, 1, 0, 0, 0);
    inLayer.Obscuration = OpticalDensityFromObscuration(10);
    Device below = inLayer;
    below.Name = "below";
    below.BelowCeiling = 1.5; // under the interface, in clear air
    const DetectionRun run = RunOver({inLayer, below}, s, 200);
    ASSERT_TRUE(run.States()[0].ActivationTime);
    EXPECT_NEAR(*run.States()[0].ActivationTime, 91.515, 1e-3);
    EXPECT_FALSE(run.States()[1].ActivationTime);
    EXPECT_FALSE(run.States()[0].LackedSmokeDensity);

    Scenario noSmoke = s;
    noSmoke.OpticalDensity = [](double) { return std::optional<double>(); };
    const DetectionRun blind = RunOver({inLayer}, noSmoke, 200);
    EXPECT_FALSE(blind.States()[0].ActivationTime);
    EXPECT_TRUE(blind.States()[0].LackedSmokeDensity);
}

TEST(DetectionRun, FirstDetectionAndFirstSprinkler) {
    Scenario s;
    s.HeatReleaseRate = [](double t) { return 0.04689 * t * t; };
    const std::vector<Device> devices = {
        Make("far sprinkler", DeviceKind::Sprinkler, 4, 100, 0, 48),
        Make("near sprinkler", DeviceKind::Sprinkler, 1, 100, 0, 48),
        Make("heat", DeviceKind::HeatDetector, 1, 25, 0, 30),
        Make("never", DeviceKind::Sprinkler, 4, 300, 0, 300),
    };
    const DetectionRun run = RunOver(devices, s, 300);
    const auto& st = run.States();
    ASSERT_TRUE(st[0].ActivationTime && st[1].ActivationTime && st[2].ActivationTime);
    EXPECT_FALSE(st[3].ActivationTime);
    // Nearer, quicker and lower-set operates first.
    EXPECT_LT(*st[2].ActivationTime, *st[1].ActivationTime);
    EXPECT_LT(*st[1].ActivationTime, *st[0].ActivationTime);
    ASSERT_TRUE(run.FirstDetection());
    EXPECT_EQ(run.FirstDetection()->Device, 2u);
    EXPECT_EQ(run.FirstDetection()->Time, *st[2].ActivationTime);
    ASSERT_TRUE(run.FirstSprinkler());
    EXPECT_EQ(run.FirstSprinkler()->Device, 1u);
    EXPECT_EQ(run.FirstSprinkler()->Time, *st[1].ActivationTime);
}

TEST(DetectionRun, StartForgetsTheLastRun) {
    Scenario hot;
    hot.HeatReleaseRate = [](double) { return 1000.0; };
    Scenario cold;
    cold.HeatReleaseRate = [](double) { return 0.0; };
    const std::vector<Device> devices = {Make("H", DeviceKind::HeatDetector, 2, 50, 0, 48)};
    DetectionRun run(devices, kCeiling);
    run.Start(At(hot, 0));
    for (int t = 1; t <= 60; ++t) {
        run.Advance(At(hot, t - 1), At(hot, t));
    }
    ASSERT_TRUE(run.FirstDetection());
    run.Start(At(cold, 0));
    for (int t = 1; t <= 60; ++t) {
        run.Advance(At(cold, t - 1), At(cold, t));
    }
    EXPECT_FALSE(run.FirstDetection());
    EXPECT_FALSE(run.States()[0].ActivationTime);
    EXPECT_DOUBLE_EQ(run.States()[0].LinkTemperature, kRoomAmbient);
}

TEST(DetectionRun, LimitsAreNotedOnlyWhileAFireBurns) {
    Scenario s;
    s.HeatReleaseRate = [](double t) { return t < 10 ? 0.0 : 300.0; };
    Device far = Make("far", DeviceKind::HeatDetector, 7, 50, 0, 48); // r/H = 2.33
    const DetectionRun none = RunOver({far}, s, 5);
    EXPECT_EQ(none.States()[0].LimitsMet, JetLimit::None);
    const DetectionRun burning = RunOver({far}, s, 20);
    EXPECT_TRUE(Has(burning.States()[0].LimitsMet, JetLimit::BeyondMeasuredRadius));
}

} // namespace
} // namespace vorla::detection
