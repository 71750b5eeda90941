// Each input of SKEVA-XW's form, described once. The box names and texts
// (input_boxes.h), the dimensions a unit change converts (input_entry.cpp),
// the checks' fixed limits, the batch command's options and the study's keys
// (cli/, study/) and the keys of the summary's inputs (run_key_results.cpp)
// all read this table. Adding an input is one row here, one enumerator and one
// field in input_boxes.h, and its physics.
#pragma once

#include "smoke_filling/model/input_boxes.h"
#include "zone_models/input_table.h"

#include <span>

namespace vorla::smoke {

using InputRow = zone::InputRow<InputBox, InputBoxes>;

inline constexpr InputRow kInputTable[] = {
    // clang-format off
    {InputBox::txtRunTitle, "RunTitle", &InputBoxes::txtRunTitle, "txtRunTitle",
     "--title", "title", zone::InputUnit::Text, "", {}, "", "Run Title",
     "TEXT",
     "run title, at most 60 characters kept"},
    {InputBox::txtOutputFile, "OutputFile", &InputBoxes::txtOutputFile, "txtOutputFile",
     "--output-name", "output_file", zone::InputUnit::Text, "", {}, "", "Output Data File",
     "NAME",
     "output data file name shown in the report\n"
     "(default: the -o path, else the name in --from);\n"
     "needed when the results go to standard output\n"
     "unless --from gives one"},
    {InputBox::txtFireFile, "FireFile", &InputBoxes::txtFireFile, "txtFireFile",
     "--fire", "fire_file", zone::InputUnit::File, "", {}, "", "Input Fire File",
     "FILE",
     "fire file (*.fir) to read, shown in the report as typed"},
    {InputBox::txtFloorArea, "FloorArea", &InputBoxes::txtFloorArea, "txtFloorArea",
     "--floor-area", "floor_area_m2", zone::InputUnit::Area, "######.00#",
     {0, false, 1000, true}, "", "Room Floor Area",
     "A",
     "room floor area, m² (si) or ft² (us); above 0, at most\n"
     "1000 m²"},
    {InputBox::txtRoomHeight, "RoomHeight", &InputBoxes::txtRoomHeight, "txtRoomHeight",
     "--room-height", "room_height_m", zone::InputUnit::Length, "###.00#",
     {0, false, 30, true}, "", "Room Ceiling Height",
     "H",
     "floor-to-ceiling height, m or ft; above 0, at most 30 m"},
    // Below the ceiling.
    {InputBox::txtFireHeight, "FireHeight", &InputBoxes::txtFireHeight, "txtFireHeight",
     "--fire-height", "fire_height_m", zone::InputUnit::Length, "##0.00#",
     {0, true}, "", "Fire Base Height",
     "H",
     "height of the fuel surface above the floor, m or ft;\n"
     "from 0 to below the ceiling (default 0)"},
    {InputBox::txtLossFraction, "LossFraction", &InputBoxes::txtLossFraction, "txtLossFraction",
     "--loss-fraction", "loss_fraction", zone::InputUnit::Fraction, "",
     {0, false, 1, false}, "0.6", "Heat Loss Fraction",
     "X",
     "fraction of the heat release rate lost to the room's\n"
     "boundaries, no unit; between 0 and 1 (default 0.6)"},
    {InputBox::txtRunTime, "RunTime", &InputBoxes::txtRunTime, "txtRunTime",
     "--run-time", "run_time_s", zone::InputUnit::Seconds, "",
     {1, true, 9000, true}, "", "Maximum Run Time",
     "S",
     "maximum run time, s (whole seconds, halves to even);\n"
     "1 to 9000"},
    // clang-format on
};

inline constexpr std::span<const InputRow> InputTable() {
    return kInputTable;
}

// The row of a box.
inline constexpr const InputRow& RowOf(InputBox box) {
    return zone::RowOfBox(InputTable(), box);
}

} // namespace vorla::smoke
