#include "verification/known_deviations.h"
#include "verification/peer_test_file.h"

#include <gtest/gtest.h>

namespace vorla::verification {
namespace {

// The parts of a peer input file the cases read, laid out as the peer writes
// them (a test in the style of Steckler's, numbers made up).
constexpr const char* kPeerInputFile = R"(&HEAD VERSION = 7600, TITLE = '"Room, test 7"' /
&INIT PRESSURE = 101325 RELATIVE_HUMIDITY = 50 INTERIOR_TEMPERATURE = 26 EXTERIOR_TEMPERATURE = 26 /
&MATL ID = 'Board' MATERIAL = 'Board', CONDUCTIVITY = 1 DENSITY = 200 SPECIFIC_HEAT = 1, THICKNESS = 0.013 /
&COMP ID = 'Compartment 1'
      DEPTH = 3.5 HEIGHT = 2.13 WIDTH = 2.8
      CEILING_MATL_ID = 'Board' CEILING_THICKNESS = 0.013 WALL_MATL_ID = 'Board' WALL_THICKNESS = 0.013
      ORIGIN = 0, 0, 0 GRID = 50, 50, 50 /
&VENT TYPE = 'WALL' ID = 'WallVent_1' COMP_IDS = 'Compartment 1' 'OUTSIDE' , BOTTOM = 0.45 HEIGHT = 1.38, WIDTH = 0.74
  FACE = 'LEFT' OFFSET = 1.28 /
&FIRE ID = 'F'  COMP_ID = 'Compartment 1', FIRE_ID = 'F_Fire'  LOCATION = 0.1, 3.4 /
&CHEM ID = 'F_Fire' CARBON = 1 HYDROGEN = 4 HEAT_OF_COMBUSTION = 50000 RADIATIVE_FRACTION = 0.2 /
&TABL ID = 'F_Fire' LABELS = 'TIME', 'HRR' , 'HEIGHT' , 'AREA' /
&TABL ID = 'F_Fire', DATA = 0, 62.9, 0.3, 0.09, 0, 0 /
&TABL ID = 'F_Fire', DATA = 178, 1190, 0.3, 0.09, 0, 0 /
&TABL ID = 'F_Fire', DATA = 1800, 1190, 0.3, 0.09, 0, 0 /
&DEVC ID = 'Targ 1' COMP_ID = 'Compartment 1' LOCATION = 3.91, 7.04, 1.49 TEMPERATURE_DEPTH = 0.0127 /
&TAIL /
)";

TEST(PeerTestFile, ReadsRoomVentAndFire) {
    const auto read = ParsePeerTest(kPeerInputFile, "test.in");
    ASSERT_TRUE(std::holds_alternative<PeerTest>(read)) << std::get<std::string>(read);
    const PeerTest& t = std::get<PeerTest>(read);
    EXPECT_EQ(t.Title, "Room, test 7");
    EXPECT_EQ(t.Width, 2.8);
    EXPECT_EQ(t.Depth, 3.5);
    EXPECT_EQ(t.Height, 2.13);
    EXPECT_EQ(t.WallVents, 1);
    EXPECT_EQ(t.VentBottom, 0.45);
    EXPECT_EQ(t.VentHeight, 1.38);
    EXPECT_EQ(t.VentWidth, 0.74);
    EXPECT_EQ(t.VentFace, "LEFT");
    EXPECT_EQ(VentWallLength(t), 3.5);
    EXPECT_EQ(t.FireX, 0.1); // the fire's, not the device's location
    EXPECT_EQ(t.FireY, 3.4);
    EXPECT_EQ(t.FireBase, 0.3);
    EXPECT_EQ(t.RadiativeFraction, 0.2);
    EXPECT_EQ(t.Ambient, 26);
    ASSERT_EQ(t.Fire.size(), 3U);
    EXPECT_EQ(t.Fire[1].Time, 178);
    EXPECT_EQ(t.Fire[1].Rate, 1190);
    EXPECT_EQ(PlaceOfFire(t), FirePosition::InCorner);
}

TEST(PeerTestFile, NamesWhatIsMissing) {
    std::string noVent = kPeerInputFile;
    noVent.replace(noVent.find("TYPE = 'WALL'"), 13, "TYPE = 'CEIL'");
    const auto read = ParsePeerTest(noVent, "room.in");
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), "room.in: a wall vent is missing.");
    const auto none = ReadPeerTest("/nonexistent/x.in");
    EXPECT_EQ(std::get<std::string>(none), "The test file /nonexistent/x.in cannot be read.");
}

// Fire diameter √(4·0.09/π) = 0.339 m: within it of one wall, of two, of none.
TEST(PeerTestFile, PlaceOfTheFire) {
    PeerTest t;
    t.Width = 2.8;
    t.Depth = 2.8;
    t.FireArea = 0.09;
    const struct {
        double X, Y;
        FirePosition Place;
    } rows[] = {
        {1.4, 1.4, FirePosition::Centre},      {0, 1.4, FirePosition::AgainstWall},
        {1.4, 2.8, FirePosition::AgainstWall}, {0.21, 2.8, FirePosition::InCorner},
        {0.46, 0.46, FirePosition::Centre},    {2.5, 0.3, FirePosition::InCorner},
    };
    for (const auto& row : rows) {
        t.FireX = row.X;
        t.FireY = row.Y;
        EXPECT_EQ(PlaceOfFire(t), row.Place) << row.X << ", " << row.Y;
    }
}

// A listed check that fails is marked; one that passes, or a name that
// matches nothing, is reported so the list cannot go stale.
TEST(KnownDeviations, MarkFailuresAndReportStaleEntries) {
    std::vector<CaseReport> reports(1);
    reports[0].Title = "5. Ventilation limit";
    reports[0].Checks = {{"ratio a", 0.5, 0.8, 1.1, "%.2f", ""},
                         {"ratio b", 0.9, 0.8, 1.1, "%.2f", ""},
                         {"ratio c", 0.5, 0.8, 1.1, "%.2f", ""}};
    const std::vector<KnownDeviation> list = {
        {"5.", "ratio a", "the plume limits the fire"},
        {"5.", "ratio b", "no longer true"},
        {"4.", "ratio a", "wrong case"},
    };
    const auto problems = ApplyKnownDeviations(reports, list);
    EXPECT_EQ(reports[0].Checks[0].KnownDeviation, "the plume limits the fire");
    EXPECT_FALSE(reports[0].Checks[0].Fails());
    EXPECT_TRUE(reports[0].Checks[0].IsKnownDeviation());
    EXPECT_TRUE(reports[0].Checks[1].KnownDeviation.empty());
    EXPECT_TRUE(reports[0].Checks[2].Fails()); // not listed
    EXPECT_TRUE(reports[0].Fails());
    ASSERT_EQ(problems.size(), 2U);
    EXPECT_EQ(problems[0], "The known deviation \"ratio b\" of case 5. is now within its band: "
                           "take it off the list.");
    EXPECT_EQ(problems[1], "The known deviation \"ratio a\" of case 4. names no check.");
}

} // namespace
} // namespace vorla::verification
