// Each input of VORLA-XW's form, described once. The box names and texts
// (input_boxes.h), the dimensions a unit change converts (input_entry.cpp),
// the checks' fixed limits, the batch command's options and the study's keys
// (cli/, study/) and the keys of the summary's inputs (run_key_results.cpp)
// all read this table. Adding an input is one row here, one enumerator and one
// field in input_boxes.h, and its physics.
#pragma once

#include "compartment/model/input_boxes.h"
#include "zone_models/input_table.h"

#include <span>

namespace vorla::compartment {

using InputRow = zone::InputRow<InputBox, InputBoxes>;

inline constexpr InputRow kInputTable[] = {
    // clang-format off
    {InputBox::txtRunTitle, "RunTitle", &InputBoxes::txtRunTitle, "txtRunTitle",
     "--title", "title", zone::InputUnit::Text, "", {}, "", "Run Title",
     "TEXT",
     "run title (its first 60 characters are kept)"},
    {InputBox::txtOutputFile, "OutputFile", &InputBoxes::txtOutputFile, "txtOutputFile",
     "--output-name", "output_file", zone::InputUnit::Text, "", {}, "", "Output Data File",
     "NAME",
     "output data file name the report shows\n"
     "(default: the -o path, else the name in --from);\n"
     "needed when the report goes to standard output\n"
     "unless --from gives one"},
    {InputBox::txtFireFile, "FireFile", &InputBoxes::txtFireFile, "txtFireFile",
     "--fire", "fire_file", zone::InputUnit::File, "", {}, "", "Input Fire File",
     "FILE",
     "fire file (heat release rate in kW against time in s),\n"
     "shown in the report as typed"},
    {InputBox::txtFloorArea, "FloorArea", &InputBoxes::txtFloorArea, "txtFloorArea",
     "--floor-area", "floor_area_m2", zone::InputUnit::Area, "#####0.00#",
     {0, false, 1000, true}, "", "Floor Area",
     "A",
     "floor area, m² or ft² (at most 1000 m²)"},
    {InputBox::txtRoomHeight, "RoomHeight", &InputBoxes::txtRoomHeight, "txtRoomHeight",
     "--room-height", "room_height_m", zone::InputUnit::Length, "##0.00#",
     {0, false, 30, true}, "", "Ceiling Height",
     "H",
     "floor-to-ceiling height, m or ft (at most 30 m)"},
    {InputBox::txtVentWidth, "VentWidth", &InputBoxes::txtVentWidth, "txtVentWidth",
     "--vent-width", "vent_width_m", zone::InputUnit::Length, "##0.00#",
     {0, false, 30, true}, "", "Width",
     "W",
     "width of the wall vent, m or ft (at most 30 m)"},
    // Below the soffit: the soffit's check names the sill.
    {InputBox::txtSillHeight, "SillHeight", &InputBoxes::txtSillHeight, "txtSillHeight",
     "--sill-height", "sill_height_m", zone::InputUnit::Length, "##0.00#",
     {0, true}, "", "Sill Height",
     "H",
     "height of the vent's lower edge, m or ft"},
    // Above the sill and below the ceiling.
    {InputBox::txtSoffitHeight, "SoffitHeight", &InputBoxes::txtSoffitHeight, "txtSoffitHeight",
     "--soffit-height", "soffit_height_m", zone::InputUnit::Length, "##0.00#",
     {0, false}, "", "Soffit Height",
     "H",
     "height of the vent's upper edge, m or ft\n"
     "(above the sill, below the ceiling)"},
    // Below the ceiling.
    {InputBox::txtFireHeight, "FireHeight", &InputBoxes::txtFireHeight, "txtFireHeight",
     "--fire-height", "fire_height_m", zone::InputUnit::Length, "##0.00#",
     {0, true}, "", "Fire Base Height",
     "H",
     "height of the fire base above the floor, m or ft"},
    {InputBox::txtRadiativeLossFraction, "RadiativeLossFraction",
     &InputBoxes::txtRadiativeLossFraction, "txtRadiativeLossFraction",
     "--radiative-fraction", "radiative_fraction", zone::InputUnit::Fraction, "",
     {0, false, 1, false}, "0.35", "Radiative Loss Fraction",
     "X",
     "radiative loss fraction, between 0 and 1 (default 0.35)"},
    {InputBox::txtTotalLossFraction, "LossFraction", &InputBoxes::txtTotalLossFraction,
     "txtTotalLossFraction", "--loss-fraction", "loss_fraction", zone::InputUnit::Fraction, "",
     {0, false, 1, false}, "0.6", "Heat Loss Fraction",
     "X",
     "total heat loss fraction, between 0 and 1 (default 0.6)"},
    {InputBox::txtRunTime, "RunTime", &InputBoxes::txtRunTime, "txtRunTime",
     "--run-time", "run_time_s", zone::InputUnit::Seconds, "",
     {1, true, 9000, true}, "", "Maximum Run Time",
     "S",
     "maximum run time, s, 1 to 9000 (rounded to whole seconds)"},
    // clang-format on
};

inline constexpr std::span<const InputRow> InputTable() {
    return kInputTable;
}

// The row of a box.
inline constexpr const InputRow& RowOf(InputBox box) {
    return zone::RowOfBox(InputTable(), box);
}

} // namespace vorla::compartment
