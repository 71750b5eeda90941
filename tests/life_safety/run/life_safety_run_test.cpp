// The shared run of detectors and sprinklers alongside a model, fed a room by
// hand: a growing fire under a 3 m ceiling with no hot layer yet. Alpert's
// ceiling jet 2 m from the axis under 2000 kW is 5.38·(2000/2)^(2/3)/3 =
// 179 K above ambient, so a 68 °C link operates and a 250 °C one never can.
#include "common/text/units.h"
#include "life_safety/run/life_safety_run.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::life_safety {
namespace {

using detection::Device;
using detection::DeviceKind;

FireTable Ramp() { // 0 to 2000 kW in 200 s, steady to 600 s
    FireTable table;
    table.Points[0] = {0, 0};
    table.Points[1] = {200, 2000};
    table.Points[2] = {600, 2000};
    table.LastIndex = 2;
    return table;
}

Device Link(std::string name, DeviceKind kind, double operatingC) {
    Device d;
    d.Name = std::move(name);
    d.Kind = kind;
    d.Radius = 2;
    d.BelowCeiling = 0.05;
    d.Rti = 50;
    d.OperatingTemperature = operatingC + kKelvinAtZeroCelsius;
    return d;
}

const LifeSafetyRoom kRoom{100, 3, 0};

// The model's run as the observer sees it: one-second steps on the fire's
// curve, the layer not yet down from the ceiling.
void Follow(LifeSafetyRun& run, const FireTable& fire) {
    ZoneStepObserver* observer = run.Observer();
    ASSERT_NE(observer, nullptr);
    auto moment = [&](double t) {
        return ZoneMoment{t, FireRateAt(fire, t), kAmbientTemperature, kRoom.CeilingHeight, 0};
    };
    observer->Start(moment(0));
    for (int t = 1; t <= static_cast<int>(fire.LastTime()); ++t) {
        observer->Advance(moment(t - 1), moment(t));
        observer->RecordRow(t);
    }
}

bool InTenths(double seconds) {
    return std::abs(seconds * 10 - std::round(seconds * 10)) < 1e-9;
}

TEST(LifeSafetyRun, NothingFollowedLeavesTheRunAlone) {
    LifeSafetyRun run(nullptr, {}, {}, kRoom);
    EXPECT_EQ(run.Observer(), nullptr);
    EXPECT_FALSE(run.SuppressedFire(Ramp()));
    EXPECT_FALSE(run.DetectionKeysOfRun());
}

TEST(LifeSafetyRun, ASprinklerThatOperatesAndOneThatNeverCan) {
    detection::Suppression held;
    held.Rule = detection::SuppressionRule::HeldAtActivation;
    LifeSafetyRun run(nullptr,
                      {Link("H1", DeviceKind::HeatDetector, 57),
                       Link("S1", DeviceKind::Sprinkler, 68),
                       Link("S2", DeviceKind::Sprinkler, 250)},
                      held, kRoom);
    const FireTable fire = Ramp();
    Follow(run, fire);
    const auto keys = run.DetectionKeysOfRun();
    ASSERT_TRUE(keys);
    ASSERT_EQ(keys->Devices.size(), 3u);
    EXPECT_EQ(keys->Devices[0].Kind, "heat");
    EXPECT_EQ(keys->Devices[1].Kind, "sprinkler");
    ASSERT_TRUE(keys->Devices[0].ActivationTimeS);
    ASSERT_TRUE(keys->Devices[1].ActivationTimeS);
    EXPECT_FALSE(keys->Devices[2].ActivationTimeS) << "179 K above ambient cannot reach 250 °C";
    // The same link at a lower temperature operates first; the firsts are
    // the minima; times are in tenths like every key result's.
    EXPECT_LT(*keys->Devices[0].ActivationTimeS, *keys->Devices[1].ActivationTimeS);
    EXPECT_EQ(keys->FirstDetectionS, keys->Devices[0].ActivationTimeS);
    EXPECT_EQ(keys->FirstSprinklerS, keys->Devices[1].ActivationTimeS);
    EXPECT_TRUE(InTenths(*keys->Devices[1].ActivationTimeS));
    EXPECT_EQ(keys->Suppression, "") << "not suppressed before the re-run";
    // The link that never operated ends below the gas (ambient, 70 °F, plus
    // 179.33 K), and after 400 s at it with τ = RTI/√u ≈ 30 s, within 0.1 K.
    const double gasC = kAmbientTemperature - kKelvinAtZeroCelsius + 179.33;
    EXPECT_LT(keys->Devices[2].LinkTemperatureC, gasC + 0.01);
    EXPECT_GT(keys->Devices[2].LinkTemperatureC, gasC - 0.1);

    // Held: the fire the run is made again on stays at its rate at the
    // sprinkler's time, below the curve after it, and only once.
    const auto suppressed = run.SuppressedFire(fire);
    ASSERT_TRUE(suppressed);
    ASSERT_TRUE(run.SuppressedFrom());
    const double from = *run.SuppressedFrom();
    EXPECT_NEAR(std::round(from * 10) / 10, *keys->FirstSprinklerS, 1e-9);
    EXPECT_NEAR(FireRateAt(*suppressed, from + 100), FireRateAt(fire, from), 1e-6);
    EXPECT_LT(FireRateAt(*suppressed, from + 100), FireRateAt(fire, from + 100));
    EXPECT_EQ(suppressed->LastTime(), fire.LastTime());
    EXPECT_FALSE(run.SuppressedFire(fire));
    const auto after = run.DetectionKeysOfRun();
    ASSERT_TRUE(after);
    EXPECT_EQ(after->Suppression, "held");
    EXPECT_EQ(after->SuppressedFromS, keys->FirstSprinklerS);
}

TEST(LifeSafetyRun, ASprinklerThatNeverOperatesChangesNoFire) {
    detection::Suppression held;
    held.Rule = detection::SuppressionRule::HeldAtActivation;
    LifeSafetyRun run(nullptr, {Link("S2", DeviceKind::Sprinkler, 250)}, held, kRoom);
    const FireTable fire = Ramp();
    Follow(run, fire);
    EXPECT_FALSE(run.SuppressedFire(fire));
    const auto keys = run.DetectionKeysOfRun();
    ASSERT_TRUE(keys);
    EXPECT_FALSE(keys->FirstSprinklerS);
    EXPECT_FALSE(keys->FirstDetectionS);
    EXPECT_EQ(keys->Suppression, "");
}

// RunFollowed with a stand-in model that follows Follow's steps on the fire
// it is handed: a held rule runs it twice, the second time on the suppressed
// fire; no sprinkler, or a rejected first run, runs it once.
TEST(LifeSafetyRun, RunFollowedRunsAgainOnlyOnASuppressedFire) {
    detection::Suppression held;
    held.Rule = detection::SuppressionRule::HeldAtActivation;
    const struct {
        const char* what;
        double sprinklerC;
        bool rejected;
        int runs;
    } cases[] = {
        {"the sprinkler operates and holds the fire", 68, false, 2},
        {"the sprinkler never operates", 250, false, 1},
        {"the inputs are rejected", 68, true, 1},
    };
    for (const auto& c : cases) {
        LifeSafetyRun run(nullptr, {Link("S1", DeviceKind::Sprinkler, c.sprinklerC)}, held, kRoom);
        FireTable fire = Ramp();
        std::vector<bool> again;
        std::vector<double> rateAt500;
        const RunOutcome outcome =
            RunFollowed(run, fire, [&](ZoneStepObserver*, bool isAgain) -> RunOutcome {
                again.push_back(isAgain);
                rateAt500.push_back(FireRateAt(fire, 500));
                if (c.rejected) {
                    return RejectedInput{};
                }
                Follow(run, fire);
                return CompletedRun{};
            });
        ASSERT_EQ(static_cast<int>(again.size()), c.runs) << c.what;
        EXPECT_FALSE(again.front()) << c.what;
        EXPECT_EQ(std::holds_alternative<RejectedInput>(outcome), c.rejected) << c.what;
        if (c.runs == 2) {
            EXPECT_TRUE(again.back());
            // Held below the ramp's 2000 kW from the activation on.
            EXPECT_LT(rateAt500.back(), 2000) << c.what;
            EXPECT_EQ(run.DetectionKeysOfRun()->Suppression, "held");
        } else {
            EXPECT_DOUBLE_EQ(FireRateAt(fire, 500), 2000) << c.what;
        }
    }
}

TEST(LifeSafetyRun, TheRulesWords) {
    EXPECT_EQ(WordOfRule(detection::SuppressionRule::Unchanged), "unchanged");
    EXPECT_EQ(WordOfRule(detection::SuppressionRule::HeldAtActivation), "held");
    EXPECT_EQ(WordOfRule(detection::SuppressionRule::Decaying), "decaying");
}

// Against a wall or in a corner the devices see the jet of the fire and its
// mirror images: each device operates when it would under a free-standing
// fire 2 or 4 times as large (to the report's tenth of a second). The
// 250 °C link, which the free-standing fire's 179 K never reaches, operates
// then: 5.38·(4000/2)^(2/3)/3 = 285 K against a wall, 5.38·(8000/2)^(2/3)/3 =
// 452 K in a corner, above the 21 °C ambient.
TEST(LifeSafetyRun, AWallOrACornerFireDrivesTheJetOfItsMirrorImages) {
    const struct {
        FirePosition Place;
        double Images;
    } kPlaces[] = {{FirePosition::AgainstWall, 2}, {FirePosition::InCorner, 4}};
    const std::vector<Device> devices = {Link("H1", DeviceKind::HeatDetector, 57),
                                         Link("S2", DeviceKind::Sprinkler, 250)};
    const auto times = [&devices](LifeSafetyRoom room, const FireTable& fire) {
        LifeSafetyRun run(nullptr, devices, {}, room);
        Follow(run, fire);
        std::vector<std::optional<double>> activations;
        const auto keys = run.DetectionKeysOfRun();
        for (const auto& device : keys->Devices) {
            activations.push_back(device.ActivationTimeS);
        }
        return activations;
    };
    for (const auto& row : kPlaces) {
        LifeSafetyRoom placed = kRoom;
        placed.FirePlace = row.Place;
        FireTable larger = Ramp();
        for (int i = 0; i <= larger.LastIndex; ++i) {
            larger.Points[i].Rate *= row.Images;
        }
        const auto mirrored = times(placed, Ramp());
        const auto free = times(kRoom, larger);
        ASSERT_EQ(mirrored.size(), free.size());
        for (std::size_t d = 0; d < free.size(); ++d) {
            ASSERT_EQ(mirrored[d].has_value(), free[d].has_value()) << row.Images << ", " << d;
            if (free[d]) {
                EXPECT_NEAR(*mirrored[d], *free[d], 0.1 + 1e-9) << row.Images << ", " << d;
            }
        }
        EXPECT_LT(*mirrored[0], *times(kRoom, Ramp())[0]) << row.Images;
        EXPECT_TRUE(mirrored[1].has_value()) << row.Images;
    }
}

} // namespace
} // namespace vorla::life_safety
