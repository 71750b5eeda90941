// The NBS single-room furniture tests against VORLA-XW: a room that reaches
// flashover, its window's ventilation limit, and what the two-zone model
// cannot represent of it. Time plots and a table for the validation case,
// and each test's pairs for the statistics, kept apart from the other series'
// (two tests of a regime unlike the others).
#pragma once

#include "verification/case_report.h"

#include <map>
#include <string>
#include <variant>
#include <vector>

namespace vorla::verification {

// The columns of a measurement file with the NBS layout: a row of column
// names, a row of quantities (TIME, HRR, TEMPUP…), a row of descriptions
// ("Average temperature in the upper layer;UPPER LAYER"), a row of units,
// then the data. A column is asked for by its quantity and a word of its
// description; cells that are not numbers read as NaN.
struct ColumnRequest {
    std::string Key;         // the name the caller gives the column
    std::string Quantity;    // the quantity row's text, exactly
    std::string Description; // found within the description
};

std::variant<std::map<std::string, std::vector<double>>, std::string>
ParseMeasuredColumns(const std::string& text, const std::string& name,
                     const std::vector<ColumnRequest>& requests);

// One test and χ rule compared while the fire burns (the measured rate at
// least a tenth of its peak, the comparison window the transient tests use):
// the peak rise of the upper layer above its first measured row (K), and the
// lowest interface (m), the mean of strings A and B where both are measured.
struct FurniturePair {
    std::string Test;  // "1", "6"
    int ChiRule = 0;   // 0: χ from the estimator, 1: χ = 0.6
    double RoomHeight = 0;
    double MeasuredRise = 0;
    double PredictedRise = 0;
    double MeasuredInterface = 0;
    double PredictedInterface = 0;
};

struct FurnitureSection {
    std::string Markdown;
    std::vector<CasePlot> Plots;
    std::vector<FurniturePair> Pairs;
};

// The section's text and plots from the tests in `experimentsDir`/nbs_1_room.
FurnitureSection CompareFurnitureRoom(const std::string& experimentsDir);

} // namespace vorla::verification
