// A measured test as the peer model's input file describes it: the room, its
// one wall vent, the fire's place and its measured heat release rate. The
// validation cases build each test's model inputs from this, never from
// numbers typed by hand.
#pragma once

#include "common/model_runs/fire_plumes.h"
#include "verification/design_fires.h"

#include <string>
#include <variant>
#include <vector>

namespace vorla::verification {

struct PeerTest {
    std::string Title;
    double Width = 0;  // m, the room's x extent
    double Depth = 0;  // m, its y extent
    double Height = 0; // m
    int WallVents = 0;
    int MechanicalVents = 0;
    double VentBottom = 0; // m above the floor
    double VentHeight = 0; // m
    double VentWidth = 0;  // m
    std::string VentFace;  // FRONT or REAR (in a wall of the width), LEFT or RIGHT
    double FireX = 0;      // m, the fire's centre
    double FireY = 0;
    double FireArea = 0;          // m², the fire's base
    double FireBase = 0;          // m, the fuel surface above the floor
    double RadiativeFraction = 0; // of the heat release
    double Ambient = 0;           // °C, the room at the start
    std::vector<TypedPoint> Fire; // measured heat release rate (s, kW)
};

// The test, or a sentence naming the file and what it lacks.
std::variant<PeerTest, std::string> ReadPeerTest(const std::string& path);

// The same from the file's text (`name` only for the messages).
std::variant<PeerTest, std::string> ParsePeerTest(const std::string& text, const std::string& name);

// The length of the wall the vent is in.
double VentWallLength(const PeerTest& test);

// Where the fire stands: a wall is touched when the fire's centre is within
// one fire diameter (of a circle of its base area) of it.
FirePosition PlaceOfFire(const PeerTest& test);

} // namespace vorla::verification
