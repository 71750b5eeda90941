// The heat of combustion a fire file carries. QDOT-XW writes beside each
// point's heat release rate (kW, to 0.1 kW) the fuel's burning rate (g/s, to
// 0.001 g/s), the rate × 1000 over the heat of combustion (kJ/kg) worked out
// in single precision. Every point that burns therefore bounds the heat of
// combustion the file was written with, within the rounding of its two
// printed columns; the points together fix it. A point without fire (a rate
// of 0) tells nothing and is passed over.
//
// A run that is given no heat of combustion uses the fire file's, so that
// the fuel it burns is the fuel the fire was designed with; a file typed by
// hand, whose third column is zero or does not follow the rates, gives none,
// and the run falls back on its default with a note saying why.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla::tenability {

enum class FireFileHeatFinding {
    Found,
    NoBurningRate,  // no point that burns has a burning rate above 0
    RowsDisagree,   // no one heat of combustion fits every point
    TooFewDigits,   // the points fit heats of combustion more than 1 % apart
};

struct FireFileHeat {
    FireFileHeatFinding Finding = FireFileHeatFinding::NoBurningRate;
    double HeatOfCombustion = 0; // kJ/kg, when Found
    // RowsDisagree: the lines (from 1) of two points no one value fits.
    int Line = 0;
    int OtherLine = 0;
};

// The heat of combustion of the fire file whose text is `content`, read as
// the models read its points (up to the end marker, a negative rate); a
// record that is not three numbers ends the points read. When the points fit
// a range of values, the value is the roundest whole number of kJ/kg in it
// (the most trailing zeros, the nearest to the range's middle on a tie), the
// value a user typed; a range without a whole number gives its middle.
FireFileHeat HeatOfCombustionOfFireFile(std::string_view content);

// Where the heat of combustion of a run comes from.
enum class HeatSource {
    Input,    // --heat-of-combustion, the dialog's box, a saved report's line
    FireFile, // the fire file's burning-rate column
    Default,  // the fuel's (the fire file gives none)
};

// "input", "fire file", "default": the word of the summaries.
std::string_view HeatSourceWord(HeatSource source);

struct HeatOfCombustionChoice {
    double HeatOfCombustion = 0; // kJ/kg
    HeatSource Source = HeatSource::Input;
    // With Source Default: why the fire file gives none, as the end of a
    // sentence naming it ("has no burning rate where the fire burns").
    std::string Why;
};

// The heat of combustion a run uses: `given` when there is one; else the
// fire file's (`fireFile`, what HeatOfCombustionOfFireFile found in it;
// nothing when the file cannot be read: the model's own reading then says
// so); else `fallback` (the fuel's).
HeatOfCombustionChoice ChooseHeatOfCombustion(std::optional<double> given,
                                              const std::optional<FireFileHeat>& fireFile,
                                              double fallback);

// The note of a run that falls back on its default: "The fire file FILE
// WHY: the tenability uses the default heat of combustion, 27000 kJ/kg."
std::string FallbackNote(const HeatOfCombustionChoice& choice, std::string_view fireFileName);

} // namespace vorla::tenability
