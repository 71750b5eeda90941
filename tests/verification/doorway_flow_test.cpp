#include "verification/doorway_flow.h"
#include "verification/measured_layers.h"

#include <gtest/gtest.h>

namespace vorla::verification {
namespace {

// Profiles laid out as Steckler's files are, the numbers made up so that the
// integrals are done by hand. ρ = 101325 / (287.05 T): 1.204118 kg/m³ at
// 20 °C, 0.945966 at 100 °C.
struct FlowRow {
    const char* What;
    const char* Text;
    double Width;
    double Soffit;
    double Outflow;      // kg/s, by hand
    double NeutralPlane; // m, below 0 for none
};

const FlowRow kFlows[] = {
    // v = z − 0.6 on average (the two places ±0.1 about it) at 20 °C: the
    // outflow is 2 m · ρ · (∫ from 0.6 to 1.4 of (z − 0.6) dz + 0.8 · 0.1 held
    // to the soffit) = 0.8 ρ.
    {"linear profile, two places averaged",
     "Height,T_out,T_in,T_L1,T_R1,V_L1,V_R1\n"
     "1.4,NaN,90,20,20,0.9,0.7\n1.2,NaN,90,20,20,0.7,0.5\n1.0,NaN,90,20,20,0.5,0.3\n"
     "0.8,NaN,90,20,20,0.3,0.1\n0.6,NaN,90,20,20,0.1,-0.1\n0.4,NaN,90,20,20,-0.1,-0.3\n"
     "0.2,NaN,90,20,20,-0.3,-0.5\n",
     2.0, 1.5, 0.963295, 0.6},
    // Hot outflow 1.5 m/s at 100 °C over cold inflow −0.5 m/s at 20 °C: ρv is
    // 1.418949 and −0.602059, crossing at 0.5 + 0.5·0.602059/2.021008 =
    // 0.648950 m; outflow 1.418949/2 · (1 − 0.648950). The velocity crosses at
    // 0.5 + 0.5 · 0.5/2 = 0.625 m.
    {"sign change between two heights", "Height,T_C,V_C\n1.0,100,1.5\n0.5,20,-0.5\n", 1.0, 1.0,
     0.249061, 0.625},
    // A window: no measurement above the soffit (NaN, an empty last cell),
    // zero velocities below the sill, out above 1.7 m only.
    {"window with empty cells and a sill",
     "Height,T_C,T_R1,V_C,V_R1\n2.0,NaN,NaN,NaN,\n1.8,20,20,1,1\n1.6,20,20,-1,-1\n"
     "1.4,20,20,0,0\n1.2,20,,0,\n",
     1.0, 1.8, 0.060206, 1.7},
    {"outflow everywhere: no neutral plane", "Height,T_C,V_C\n1.0,20,1\n0.5,20,1\n", 1.0, 1.0,
     0.602059, -1},
};

TEST(DoorwayFlow, OutflowAndNeutralPlaneByHand) {
    for (const FlowRow& row : kFlows) {
        const auto read = ParseDoorwayFlow(row.Text, "test.csv", row.Width, row.Soffit);
        ASSERT_TRUE(std::holds_alternative<DoorwayFlow>(read))
            << row.What << ": " << std::get<std::string>(read);
        const DoorwayFlow& flow = std::get<DoorwayFlow>(read);
        EXPECT_NEAR(flow.Outflow, row.Outflow, 2e-6) << row.What;
        EXPECT_EQ(flow.HasNeutralPlane, row.NeutralPlane >= 0) << row.What;
        if (row.NeutralPlane >= 0) {
            EXPECT_NEAR(flow.NeutralPlane, row.NeutralPlane, 1e-12) << row.What;
        }
    }
}

TEST(DoorwayFlow, RefusesProfilesItCannotIntegrate) {
    struct Row {
        const char* Text;
        const char* Says;
    };
    const Row rows[] = {
        {"", "empty"},
        {"Height,T_C\n1.0,20\n", "velocity columns"},
        {"Height,T_C,V_R1\n1.0,20,1\n0.5,20,1\n", "has no column T_R1"},
        {"Height,T_C,V_C\n1.0,20,1\n", "fewer than two heights"},
        {"Height,T_C,V_C\n1.0,20,1\n,20,1\n", "line 3: the height is missing"},
        {"Height,T_C,V_C\n2.0,20,1\n1.0,20,1\n", "above the soffit"},
    };
    for (const Row& row : rows) {
        const auto read = ParseDoorwayFlow(row.Text, "test.csv", 1.0, 1.8);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.Says;
        EXPECT_NE(std::get<std::string>(read).find(row.Says), std::string::npos)
            << std::get<std::string>(read);
    }
}

// An interface as the NIST/NRC reduction gives it: low before the layer forms
// (10 s), highest at 20 s, then falling.
TEST(TimeToFallTo, FirstTimeAfterTheHighestPoint) {
    const std::vector<InterfaceAt> series = {{0, 1.45}, {10, 1.36}, {20, 2.6},
                                             {30, 2.4}, {40, 2.0},  {50, 1.8}};
    struct Row {
        double Height, From, To, Time;
    };
    const Row rows[] = {
        {2.5, 15, 50, 25}, // 20 + (2.6 − 2.5)/(2.6 − 2.4) · 10
        {2.0, 15, 50, 40}, // reached exactly at a sample
        {1.5, 15, 50, -1}, // never falls so far
        {2.7, 15, 50, -1}, // never above it
        {1.4, 0, 50, -1},  // the low values before the highest point do not count
        {2.0, 15, 35, -1}, // reached after the window
        {2.2, 25, 50, 35}, // from the window's own highest point, 2.4 m at 30 s
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(TimeToFallTo(series, row.Height, row.From, row.To), row.Time, 1e-12)
            << row.Height << " from " << row.From << " to " << row.To;
    }
}

} // namespace
} // namespace vorla::verification
