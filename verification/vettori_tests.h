// Vettori's flat-ceiling sprinkler tests (R. L. Vettori, "Effect of an
// obstructed ceiling on the activation time of a residential sprinkler",
// NISTIR 6253, 1998) as NIST's files describe them, copied into
// verification/reference/experiments/vettori/ (its README names the sources):
//
// - Vettori_Flat_Ceiling_Act.csv: the measured activation times, one column
//   "Time-T-S" for test T and sprinkler S;
// - Activation_Times.csv: the same times as a table, one column per test and
//   one row per sprinkler (1 to 4), NaN where a sprinkler was not timed;
// - Vettori_Correlation_Inputs.txt: NIST's inputs of each test for its
//   correlation runs, one &SPRINKLER line per test (ALPHA, RTI,
//   ACTIVATION_TEMPERATURE, H, R, TMP_A, LOCATION_FACTOR, the test's number in
//   OUTPUT_FILE);
// - Vettori_SMOOTH_OPEN_FAST_lines.fds: the lines of NIST's FDS input file
//   that give the room (MESH), its opening (the VENT of SURF_ID 'OPEN'), the
//   sprinklers' places (DEVC) and their RTI and operating temperature (PROP).
#pragma once

#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vorla::verification {

// Where the burner stood: NIST's LOCATION_FACTOR 1, 2 and 4 (the number of
// mirror images of the plume) are the open floor, a wall and a corner.
enum class BurnerPlace { Open, Wall, Corner };
const char* BurnerPlaceWord(BurnerPlace place); // "open", "wall", "corner"

// Measured activation times: sprinkler number and time (s), by test number.
using MeasuredActivations = std::map<int, std::vector<std::pair<int, double>>>;

struct VettoriTest {
    int Number = 0;
    BurnerPlace Place = BurnerPlace::Open;
    double Alpha = 0;                             // kW/s², the t² growth rate
    double Rti = 0;                               // (m·s)^½, NIST's correlation input
    double Operating = 0;                         // °C
    double Height = 0;                            // m, H: the ceiling above the burner
    double Radius = 0;                            // m, R: the sprinkler from the plume axis
    double Ambient = 0;                           // °C, TMP_A
    std::vector<std::pair<int, double>> Measured; // sprinkler, s
};

struct VettoriRoom {
    double Width = 0;          // m, the MESH's x extent
    double Depth = 0;          // m, its y extent
    double Ceiling = 0;        // m, its top
    double OpeningWidth = 0;   // m, the opening's shorter side
    double OpeningLength = 0;  // m, its longer side
    double OpeningLevel = 0;   // m above the floor, the plane it lies in
    double SprinklerLevel = 0; // m above the floor, every sprinkler's
    double Rti = 0;            // (m·s)^½, the FDS file's PROP
    double Operating = 0;      // °C, the FDS file's PROP
};

struct VettoriSeries {
    VettoriRoom Room;
    std::vector<VettoriTest> Tests; // 1 to 45, with their measured times
};

// The tests with a beamed ceiling, 18 of the 45: the obstructed configurations
// of NIST's FDS validation script (Utilities/Matlab/scripts/vettori_flat.m,
// tests 4, 5, 9, 10, ..., 44, 45: the last two of each five).
bool HasBeamedCeiling(int test);

// Each reader returns its values, or a sentence naming the file and what is
// wrong with it; `name` only for the sentence.
std::variant<MeasuredActivations, std::string> ParseActivationColumns(const std::string& text,
                                                                      const std::string& name);
std::variant<MeasuredActivations, std::string> ParseActivationTable(const std::string& text,
                                                                    const std::string& name);
std::variant<std::vector<VettoriTest>, std::string> ParseCorrelationInputs(const std::string& text,
                                                                           const std::string& name);
std::variant<VettoriRoom, std::string> ParseFdsRoom(const std::string& text,
                                                    const std::string& name);

// All four files of `folder`, the tests with their times from
// Vettori_Flat_Ceiling_Act.csv.
std::variant<VettoriSeries, std::string> ReadVettoriSeries(const std::string& folder);

} // namespace vorla::verification
