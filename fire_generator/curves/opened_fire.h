// An existing fire file brought back into the generator (File > Open Fire
// File…, `qdot-xw fire.fir`, or a file dropped on the main window): its
// points become the curve on the graph and the rows of the custom form, so the
// fire can be edited and saved again under the same or another name.
#pragma once

#include "common/fire_file_reader.h"
#include "fire_generator/curves/fire_curve.h"
#include "fire_generator/curves/standard_module.h"

#include <string>
#include <string_view>
#include <variant>

namespace vorla::generator {

struct OpenedFire {
    FireCurve Curve;         // the file's points, times in whole seconds
    std::string Description; // the description line after the name line, if any
    std::string Path;
};

// Reads a fire file as the models read it (the same checks and messages). A
// time between whole seconds is rounded to the nearest (halves to even), as
// a typed time is. The description is the second line after the end marker,
// as the generator writes it; empty when the file has none.
std::variant<OpenedFire, FireFileError> ReadFireFileForEditing(const std::string& path);

// The same from the text of a file; `path` names it in errors.
std::variant<OpenedFire, FireFileError> ParseFireFileForEditing(std::string_view content,
                                                                const std::string& path);

// Makes the opened fire the generator's curve: the fire table, its description
// and the file to save it to; the custom form starts from its points.
void UseOpenedFire(const OpenedFire& fire, StandardModule& module);

} // namespace vorla::generator
