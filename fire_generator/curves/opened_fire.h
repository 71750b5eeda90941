// An existing fire file brought back into the generator (File > Open Fire
// File…, `qdot-xw fire.fir`, or a file dropped on the main window): its
// points become the curve on the graph and the rows of the custom form, so the
// fire can be edited and saved again under the same or another name.
#pragma once

#include "common/fire_files/fire_file_reader.h"
#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/curves/fire_curve.h"
#include "fire_generator/curves/printed_columns.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace vorla::generator {

struct OpenedFire {
    FireCurve Curve;         // the file's points, times in whole seconds
    std::string Description; // the description line after the name line, if any
    std::string Path;
    // Each point's rate and burning rate as printed: what the columns tell of
    // the heat of combustion and of the rates before rounding.
    std::array<PrintedPoint, kFirePointCount> Printed{};
};

// A fire file with more points than the generator's table holds (points 0 to
// 1800): opening it would drop the rest without a word, so it is not opened.
struct TooManyFirePoints {
    std::string Path;
    int Points = 0;
};

// "The fire file <path> has <n> points; QDOT-XW holds at most 1801, so it is
// not opened."
std::string DescribeTooManyFirePoints(const TooManyFirePoints& problem);

using FireFileForEditing = std::variant<OpenedFire, FireFileError, TooManyFirePoints>;

// Reads a fire file as the models read it (the same checks and messages), and
// every point of it: a file with more points than the table holds is
// refused, and so is a full table without an end marker (the models take its
// last point for the marker). A time between whole seconds is rounded to the
// nearest (halves to even), as a typed time is. The description is the second
// line after the end marker, as the generator writes it; empty when the file
// has none.
FireFileForEditing ReadFireFileForEditing(const std::string& path);

// The same from the text of a file; `path` names it in errors.
FireFileForEditing ParseFireFileForEditing(std::string_view content, const std::string& path);

// The delay before ignition a fire file was written with: the time of its
// second point when the first two are at 0 kW from 0 s (as the generator
// writes a delay), else 0.
std::int16_t DelayOfCurve(const FireCurve& curve);

// Makes the opened fire the generator's curve: the fire table, its description,
// its delay (DelayOfCurve),
// the file to save it to and the heat of combustion its columns were written
// with (printed_columns.h; the state's value stays where they do not tell);
// the custom form starts from its points. Saved again unchanged, the curve
// writes the file as it was read (but for the date of its name line).
void UseOpenedFire(const OpenedFire& fire, DesignFireState& module);

} // namespace vorla::generator
