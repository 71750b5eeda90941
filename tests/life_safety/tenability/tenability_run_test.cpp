#include "life_safety/tenability/tenability_run.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace vorla::tenability {
namespace {

constexpr RoomGeometry kRoom{20, 2.4}; // a small room: 5 m of visibility

// A run of whole seconds from 0 to `end`, the room at each second as `at`
// gives it, a row every 5 s.
TenabilityRun Drive(const TenabilityInputs& inputs, int end,
                    const std::function<ZoneMoment(double)>& at) {
    TenabilityRun run(inputs, kRoom);
    ZoneMoment previous = at(0);
    run.Start(previous);
    run.RecordRow(0);
    for (int t = 1; t <= end; ++t) {
        const ZoneMoment now = at(t);
        run.Advance(previous, now);
        if (t % 5 == 0) {
            run.RecordRow(t / 5);
        }
        previous = now;
    }
    return run;
}

TenabilityInputs WithYields(FuelYields yields) {
    TenabilityInputs inputs;
    inputs.Yields = yields;
    return inputs;
}

TEST(TenabilityRunTest, SmokeAndCarbonMonoxideOfASteadyFireAroundTheHead) {
    // 100 kW of a 20 MJ/kg fuel: 5 g/s, 0.5 g/s of soot, 0.25 g/s of CO, into a
    // layer of 20 x 1.9 m³ at 300 K (44.7275 kg of gas) whose interface stays at
    // 0.5 m, below the head. Hand values: the soot reaches 3 / (8700 * 5) kg/m³,
    // 5 m for a reflecting sign, at 5.2414 s; the CO grows by 5.7810 µL/L per
    // second, so the dose 5.7810 t² / (2 * 35000 * 60) reaches 0.3 at 466.86 s.
    const TenabilityInputs inputs = WithYields({20000, 0.1, 0.05, 0, 0});
    const TenabilityRun run = Drive(inputs, 600, [](double t) {
        return ZoneMoment{t, 100, 300, 0.5, 0};
    });
    const TenabilityOutcome& outcome = run.Outcome();
    EXPECT_NEAR(*outcome.FailureTimeOf(Criterion::Visibility), 5.2413793, 1e-6);
    EXPECT_NEAR(*outcome.FailureTimeOf(Criterion::FedToxic), 466.858, 2e-3);
    // From the start the interface is below the 1.8 m the layer must stay above.
    EXPECT_EQ(*outcome.FailureTimeOf(Criterion::LayerHeight), 0);
    EXPECT_FALSE(outcome.FailureTimeOf(Criterion::Temperature)); // 26.85 °C
    EXPECT_FALSE(outcome.FailureTimeOf(Criterion::RadiantFlux));
    EXPECT_FALSE(outcome.FailureTimeOf(Criterion::FedHeat));
    EXPECT_EQ(*outcome.Aset, 0);
    EXPECT_EQ(*outcome.Governing, Criterion::LayerHeight);
    EXPECT_NEAR(run.FuelBurned(), 3.0, 1e-12);
    EXPECT_TRUE(run.State().Head.InLayer);
}

TEST(TenabilityRunTest, TheHeadMeetsTheLayerAsTheInterfacePassesIt) {
    // The interface comes down 2 cm/s from 2.3 m: at 1.8 m at 25 s, at 1.5 m at
    // 40 s; the 350 K layer is hotter than 60 °C, so the temperature criterion
    // fails as the head enters it, not before.
    const auto descending = [](double t) { return ZoneMoment{t, 100, 350, 2.3 - 0.02 * t, 0}; };
    const FuelYields clean{20000, 0, 0, 0, 0};
    const struct {
        double HeadHeight;
        double LayerHeight, Temperature;
    } rows[] = {{1.8, 25, 25}, {1.5, 25, 40}, {1.2, 25, 55}};
    for (const auto& row : rows) {
        TenabilityInputs inputs = WithYields(clean);
        inputs.HeadHeight = row.HeadHeight;
        inputs.Criteria.LayerHeight = 1.8;
        const TenabilityRun run = Drive(inputs, 80, descending);
        const TenabilityOutcome& outcome = run.Outcome();
        EXPECT_NEAR(*outcome.FailureTimeOf(Criterion::LayerHeight), row.LayerHeight, 1e-9);
        EXPECT_NEAR(*outcome.FailureTimeOf(Criterion::Temperature), row.Temperature, 1e-9);
        EXPECT_FALSE(outcome.FailureTimeOf(Criterion::Visibility)); // no soot
        // Equal times: the criterion listed first governs.
        EXPECT_EQ(*outcome.Governing, Criterion::LayerHeight);
    }
}

TEST(TenabilityRunTest, ALayerWarmingAroundTheHead) {
    // 1 K/s from the ambient 294.26 K: 60 °C (333.15 K) after 38.89 s.
    TenabilityInputs inputs = WithYields({20000, 0, 0, 0, 0});
    inputs.Criteria.LayerHeight = 0.5;
    const TenabilityRun run = Drive(inputs, 100, [](double t) {
        return ZoneMoment{t, 50, 294.26 + t, 1.0, 0};
    });
    EXPECT_NEAR(*run.Outcome().FailureTimeOf(Criterion::Temperature), 38.89, 1e-9);
    EXPECT_EQ(*run.Outcome().Governing, Criterion::Temperature);
}

TEST(TenabilityRunTest, AVentedLayerSettlesAtItsSteadySmokeDensity) {
    // 300 kW into 28 m³ at 500 K (19.77 kg) losing 0.4 kg/s: the layer holds
    // the products of S / k = 0.015 / (0.4 / 19.77) kg of fuel; with 0.1 kg/kg
    // of soot its optical density is 10.0064 /m.
    const TenabilityInputs inputs = WithYields({20000, 0.1, 0, 0, 0});
    const TenabilityRun run = Drive(inputs, 3000, [](double t) {
        return ZoneMoment{t, 300, 500, 1.0, 0.4};
    });
    EXPECT_NEAR(run.State().LayerOpticalDensity, 10.0063872, 1e-6);
    EXPECT_NEAR(run.ProductsInLayer() + run.ProductsGoneOut(), run.FuelBurned(), 1e-9);
}

TEST(TenabilityRunTest, AQuietRoomStaysTenable) {
    const TenabilityRun run = Drive(TenabilityInputs{}, 900, [](double t) {
        return ZoneMoment{t, 0, kAmbientTemperature, 2.39, 0};
    });
    for (const auto& time : run.Outcome().FailureTime) {
        EXPECT_FALSE(time);
    }
    EXPECT_FALSE(run.Outcome().Aset);
    EXPECT_FALSE(run.Outcome().Governing);
    EXPECT_TRUE(std::isinf(run.Series().Visibility[180]));
    EXPECT_EQ(run.Series().FedToxic[180], 0);
    EXPECT_EQ(run.Series().RadiantFlux[180], 0);
}

TEST(TenabilityRunTest, RowsKeepTheValuesOfTheirMomentAndStartForgetsTheLastRun) {
    const TenabilityInputs inputs = WithYields({20000, 0.1, 0.05, 0, 1.5});
    TenabilityRun run(inputs, kRoom);
    const auto at = [](double t) { return ZoneMoment{t, 200, 400, 0.8, 0.1}; };
    run.Start(at(0));
    run.RecordRow(0);
    for (int t = 1; t <= 10; ++t) {
        run.Advance(at(t - 1), at(t));
    }
    run.RecordRow(1);
    const TenabilitySeries& series = run.Series();
    EXPECT_EQ(series.LastRow, 1);
    EXPECT_TRUE(std::isinf(series.Visibility[0]));
    EXPECT_EQ(series.Visibility[1], run.State().Head.Visibility);
    EXPECT_EQ(series.FedToxic[1], run.State().FedToxic);
    EXPECT_EQ(series.FedHeat[1], run.State().FedHeat());
    EXPECT_GT(series.FedToxic[1], 0);
    run.RecordRow(kSeriesCapacity);
    run.RecordRow(-1);
    EXPECT_EQ(series.LastRow, 1);

    run.Start(at(0));
    EXPECT_EQ(run.FuelBurned(), 0);
    EXPECT_EQ(run.State().FedToxic, 0);
    EXPECT_EQ(series.LastRow, -1);
    EXPECT_FALSE(run.Outcome().FailureTimeOf(Criterion::Visibility));
}

} // namespace
} // namespace vorla::tenability
