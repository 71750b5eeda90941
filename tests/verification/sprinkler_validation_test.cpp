#include "common/text/units.h"
#include "verification/model_runs.h"
#include "verification/sprinkler_validation.h"
#include "verification/vettori_tests.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace vorla::verification {
namespace {

const std::string kVettoriFolder = std::string(VORLA_EXPERIMENTS_DIR) + "/vettori";

const VettoriSeries& Vettori() {
    static const auto read = ReadVettoriSeries(kVettoriFolder);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        ADD_FAILURE() << *problem;
        static const VettoriSeries none;
        return none;
    }
    return std::get<VettoriSeries>(read);
}

const VettoriTest* TestNumbered(int number) {
    for (const VettoriTest& t : Vettori().Tests) {
        if (t.Number == number) {
            return &t;
        }
    }
    return nullptr;
}

double MeasuredTime(const VettoriTest& t, int sprinkler) {
    for (const auto& [s, seconds] : t.Measured) {
        if (s == sprinkler) {
            return seconds;
        }
    }
    return -1;
}

// Values read by hand from the copied files.
TEST(VettoriFiles, ReadsTheMeasuredTimes) {
    struct Row {
        int Test, Sprinkler;
        double Seconds;
    };
    const Row rows[] = {
        {1, 1, 46.4},  {1, 2, 51},    {20, 3, 91.2},  {30, 4, 265.2},
        {31, 1, 34.9}, {34, 4, 76.6}, {45, 4, 195.9},
    };
    for (const Row& row : rows) {
        const VettoriTest* t = TestNumbered(row.Test);
        ASSERT_NE(t, nullptr) << row.Test;
        EXPECT_EQ(MeasuredTime(*t, row.Sprinkler), row.Seconds) << row.Test << "-" << row.Sprinkler;
    }
    // Test 31 timed sprinkler 1 only, test 30 sprinklers 2, 3 and 4.
    EXPECT_EQ(TestNumbered(31)->Measured.size(), 1U);
    EXPECT_EQ(TestNumbered(30)->Measured.size(), 3U);
}

TEST(VettoriFiles, ReadsNistsCorrelationInputs) {
    struct Row {
        int Test;
        double Alpha, Radius, Ambient;
        BurnerPlace Place;
    };
    const Row rows[] = {
        {1, 0.105, 2.2, 16.6, BurnerPlace::Open},     {11, 0.0041, 2.2, 18.1, BurnerPlace::Open},
        {25, 0.017, 2.4, 28.5, BurnerPlace::Wall},    {35, 0.105, 4.2, 20.1, BurnerPlace::Corner},
        {41, 0.0041, 2.1, 21.6, BurnerPlace::Corner},
    };
    ASSERT_EQ(Vettori().Tests.size(), 45U);
    for (const Row& row : rows) {
        const VettoriTest* t = TestNumbered(row.Test);
        ASSERT_NE(t, nullptr) << row.Test;
        EXPECT_EQ(t->Alpha, row.Alpha) << row.Test;
        EXPECT_EQ(t->Radius, row.Radius) << row.Test;
        EXPECT_EQ(t->Ambient, row.Ambient) << row.Test;
        EXPECT_EQ(t->Place, row.Place) << row.Test;
        EXPECT_EQ(t->Height, 2.09) << row.Test;
        EXPECT_EQ(t->Rti, 55) << row.Test;
        EXPECT_EQ(t->Operating, 68) << row.Test;
    }
}

TEST(VettoriFiles, ReadsTheRoomOfTheFdsFile) {
    const VettoriRoom& r = Vettori().Room;
    struct Row {
        const char* What;
        double Read, Hand;
    };
    const Row rows[] = {
        {"width", r.Width, 9.2},
        {"depth", r.Depth, 5.6},
        {"ceiling", r.Ceiling, 2.44},
        {"opening width", r.OpeningWidth, 0.9},
        {"opening length", r.OpeningLength, 2.7},
        {"opening level", r.OpeningLevel, 2.64},
        {"sprinkler level", r.SprinklerLevel, 2.375},
        {"RTI", r.Rti, 56},
        {"operating", r.Operating, 68},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(row.Read, row.Hand, 1e-12) << row.What;
    }
}

// The table of Activation_Times.csv and the columns of
// Vettori_Flat_Ceiling_Act.csv are two copies of one set of times: every test
// and sprinkler must agree.
TEST(VettoriFiles, BothCopiesOfTheTimesAgree) {
    std::string text;
    {
        std::ifstream file(kVettoriFolder + "/Activation_Times.csv", std::ios::binary);
        ASSERT_TRUE(file);
        text.assign(std::istreambuf_iterator<char>(file), {});
    }
    const auto table = ParseActivationTable(text, "Activation_Times.csv");
    ASSERT_TRUE(std::holds_alternative<MeasuredActivations>(table)) << std::get<std::string>(table);
    const auto& times = std::get<MeasuredActivations>(table);
    std::size_t points = 0;
    for (const VettoriTest& t : Vettori().Tests) {
        const auto found = times.find(t.Number);
        ASSERT_NE(found, times.end()) << t.Number;
        EXPECT_EQ(found->second, t.Measured) << t.Number;
        points += t.Measured.size();
    }
    EXPECT_EQ(points, 68U);
}

TEST(VettoriFiles, KnowsTheBeamedCeilingTests) {
    struct Row {
        int Test;
        bool Beamed;
    };
    const Row rows[] = {{1, false}, {3, false},  {4, true},  {5, true},   {6, false},
                        {10, true}, {31, false}, {34, true}, {43, false}, {45, true}};
    for (const Row& row : rows) {
        EXPECT_EQ(HasBeamedCeiling(row.Test), row.Beamed) << row.Test;
    }
    int smooth = 0;
    for (int test = 1; test <= 45; ++test) {
        smooth += HasBeamedCeiling(test) ? 0 : 1;
    }
    EXPECT_EQ(smooth, 27);
}

TEST(VettoriFiles, NamesWhatIsWrong) {
    struct Row {
        int Reader; // 0 columns, 1 table, 2 correlation inputs, 3 FDS room
        const char* Text;
        const char* Says;
    };
    const Row rows[] = {
        {0, "Act,Time-1-1\n", "no row of times"},
        {0, "Act,Time-1-1,Time-1-2\n-1,46.4\n", "3 names and 2 times"},
        {0, "Act,Tim-1-1\n-1,46.4\n", "\"Tim-1-1\" is not Time-<test>-<sprinkler>"},
        {0, "Act,Time-1-1\n-1,abc\n", "\"abc\" of Time-1-1 is not a positive number"},
        {1, "Test_1,Test_2\n46.4\n", "row 2 has 1 values for 2 tests"},
        {1, "Test_1\nxyz\n", "\"xyz\" in row 2 is not a number"},
        {2, "&ALPERT T_END=50 /\n", "no &SPRINKLER line"},
        {2, "&SPRINKLER ALPHA=0.1, RTI=55, OUTPUT_FILE='x_Test_07.csv' /\n",
         "test 7 has no ACTIVATION_TEMPERATURE"},
        {2,
         "&SPRINKLER ALPHA=0.1, RTI=55, ACTIVATION_TEMPERATURE=68, H=2, R=2, TMP_A=20, "
         "LOCATION_FACTOR=3, OUTPUT_FILE='x_Test_02.csv' /\n",
         "LOCATION_FACTOR must be 1, 2 or 4"},
        {3, "&VENT XB=0,1,0,1,2,2,SURF_ID='OPEN' /\n", "lacks the MESH line"},
        {3,
         "&MESH XB= 0,9, 0,5, 0,2.4 /\n&VENT XB=0,1,0,1,2,2,SURF_ID='OPEN' /\n"
         "&PROP RTI=56., ACTIVATION_TEMPERATURE=68. /\n"
         "&DEVC XYZ=1,1,2.3, ID='SPRINKLER 1'/\n&DEVC XYZ=2,1,2.2, ID='SPRINKLER 2'/\n",
         "do not hang at one level"},
    };
    for (const Row& row : rows) {
        std::string said;
        switch (row.Reader) {
        case 0:
            if (const auto r = ParseActivationColumns(row.Text, "f"); r.index() == 1) {
                said = std::get<1>(r);
            }
            break;
        case 1:
            if (const auto r = ParseActivationTable(row.Text, "f"); r.index() == 1) {
                said = std::get<1>(r);
            }
            break;
        case 2:
            if (const auto r = ParseCorrelationInputs(row.Text, "f"); r.index() == 1) {
                said = std::get<1>(r);
            }
            break;
        default:
            if (const auto r = ParseFdsRoom(row.Text, "f"); r.index() == 1) {
                said = std::get<1>(r);
            }
            break;
        }
        EXPECT_NE(said.find(row.Says), std::string::npos) << row.Says << " / said: " << said;
    }
}

// Test 1 (open burner, α = 0.105 kW/s², 16.6 °C, r = 2.2 m) worked out apart
// from the detection code: the link equation dT/dt = √u/RTI·(T_g − T)
// integrated by fourth-order Runge–Kutta in 1 ms steps, with Alpert's
// far-field forms (r/H ≈ 1) on the model's own fire and layer, the layer
// taken second by second from the compartment run and linearly between. Once
// the layer is deeper than the sprinkler, the jet rises from a source moved
// below the interface (H′ = (H − z_i) + (T_u/T∞)^(3/5)·z_i) above the layer:
// T_g = T_u + ΔT(Q, H′)·T_u/T∞, u = u(Q, H′). The band is the detection case's
// for t² fires, 0.1 s: the observer sees the gas only at the ends of each
// one-second step.
TEST(SprinklerValidation, ActivationOfTestOneAgreesWithAHandIntegration) {
    const VettoriTest* test = TestNumbered(1);
    ASSERT_NE(test, nullptr);
    const VettoriRun run = RepresentVettoriTest(Vettori(), *test, -1);
    ASSERT_EQ(run.Sprinklers.size(), 2U);
    const DeviceRun model = CompartmentWithDevices(run.ModelRoom, run.Fire, run.Sprinklers);
    ASSERT_EQ(model.Activations.size(), 2U);
    ASSERT_TRUE(model.Activations[0].has_value());

    const Trace layer = TraceCompartment(run.ModelRoom, run.Fire);
    ASSERT_TRUE(layer.ReplayMatchesRun);
    const double ambient = kAmbientTemperature;
    const double ceiling = run.ModelRoom.RoomHeight;
    const double base = run.ModelRoom.FireHeight;
    const double h = ceiling - base;
    const double r = 2.2;
    const double below = 2.44 - 2.375;
    const double rti = 56;
    const double operating = ambient + (68 - 16.6);
    ASSERT_NEAR(h, 2.09, 1e-12);

    const auto gas = [&](double t, double& temperature, double& root) {
        const auto i = static_cast<std::size_t>(t);
        const double f = t - static_cast<double>(i);
        const Second& a = layer.Seconds[i];
        const Second& b = layer.Seconds[std::min(i + 1, layer.Seconds.size() - 1)];
        const double z = a.Interface + f * (b.Interface - a.Interface);
        const double tu = a.Temperature + f * (b.Temperature - a.Temperature);
        const double q = FireRateAt(run.Fire, t);
        if (!(q > 0)) {
            temperature = ambient;
            root = 0;
            return;
        }
        const bool inLayer = ceiling - z > below && tu > ambient;
        const double zi = std::max(0.0, z - base);
        const double height = inLayer ? (h - zi) + std::pow(tu / ambient, 0.6) * zi : h;
        const double rise = 5.38 * std::pow(q / r, 2.0 / 3.0) / height;
        const double u = 0.195 * std::cbrt(q) * std::sqrt(height) / std::pow(r, 5.0 / 6.0);
        temperature = inLayer ? tu + rise * tu / ambient : ambient + rise;
        root = std::sqrt(u);
    };
    const auto slope = [&](double t, double link) {
        double tg = 0;
        double root = 0;
        gas(t, tg, root);
        return root / rti * (tg - link);
    };
    const double dt = 0.001;
    double link = ambient;
    double hand = -1;
    for (int n = 0; n < 200000 && hand < 0; ++n) {
        const double t = n * dt;
        const double k1 = slope(t, link);
        const double k2 = slope(t + dt / 2, link + dt / 2 * k1);
        const double k3 = slope(t + dt / 2, link + dt / 2 * k2);
        const double k4 = slope(t + dt, link + dt * k3);
        const double next = link + dt / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
        if (next >= operating) {
            hand = t + dt * (operating - link) / (next - link);
        }
        link = next;
    }
    ASSERT_GT(hand, 0);
    EXPECT_NEAR(*model.Activations[0], hand, 0.1);
    // Both sprinklers stand 2.2 m from the axis: one time.
    EXPECT_EQ(model.Activations[1], model.Activations[0]);
}

// The representation of each place of burner: the wall vent, the fire's base
// and each sprinkler's values come from the files, the same for every test.
TEST(SprinklerValidation, RepresentsEachTestFromTheFiles) {
    struct Row {
        int Test;
        double Radius, OperatingRise; // m, K (68 °C less the test's ambient)
        std::size_t Sprinklers;
    };
    const Row rows[] = {{1, 2.2, 51.4, 2}, {17, 2.4, 47.6, 2}, {42, 2.1, 45.6, 1}};
    for (const Row& row : rows) {
        const VettoriTest* test = TestNumbered(row.Test);
        ASSERT_NE(test, nullptr) << row.Test;
        const VettoriRun run = RepresentVettoriTest(Vettori(), *test, 0.6);
        EXPECT_NEAR(run.ModelRoom.FloorArea, 9.2 * 5.6, 1e-9) << row.Test;
        EXPECT_EQ(run.ModelRoom.RoomHeight, 2.44) << row.Test;
        EXPECT_NEAR(run.ModelRoom.VentWidth, 0.9, 1e-12) << row.Test;
        EXPECT_EQ(run.ModelRoom.SillHeight, 0) << row.Test;
        EXPECT_NEAR(run.ModelRoom.SoffitHeight, 2.43, 1e-12) << row.Test;
        EXPECT_NEAR(run.ModelRoom.FireHeight, 0.35, 1e-12) << row.Test;
        EXPECT_EQ(run.ModelRoom.LossFraction, 0.6) << row.Test;
        ASSERT_EQ(run.Sprinklers.size(), row.Sprinklers) << row.Test;
        for (const auto& d : run.Sprinklers) {
            EXPECT_EQ(d.Kind, detection::DeviceKind::Sprinkler) << row.Test;
            EXPECT_EQ(d.Radius, row.Radius) << row.Test;
            EXPECT_NEAR(d.BelowCeiling, 0.065, 1e-12) << row.Test;
            EXPECT_EQ(d.Rti, 56) << row.Test;
            EXPECT_EQ(d.Conduction, 0) << row.Test;
            EXPECT_NEAR(d.OperatingTemperature - kAmbientTemperature, row.OperatingRise, 1e-9)
                << row.Test;
        }
        // The t² fire: α·t² at the builder's points, as the fire file writes
        // them, to a tenth of a kW.
        EXPECT_NEAR(FireRateAt(run.Fire, 60), test->Alpha * 3600, 0.05 + 1e-9) << row.Test;
    }
}

} // namespace
} // namespace vorla::verification
