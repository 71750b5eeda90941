// The key results in words, as the report windows' Key Results panel shows
// them and its Copy puts them on the clipboard: one line a key, each value in
// the unit system the form shows and, in brackets, in the other one, with the
// digits the report gives the same quantity.
#pragma once

#include "common/key_results/key_results.h"
#include "common/text/unit_system.h"

#include <string>
#include <vector>

namespace vorla {

// "Flashover at 316.4 s", "Layer down to 1.8 m (5.906 ft) at 124.3 s",
// "Layer at 200 °C (392 °F): not reached", the peaks, the model uncertainty
// when the keys have it (two lines a quantity), one line a validity limit the
// run left ("Validity limit: flames reach the ceiling from 12.0 s"), the model's own keys,
// the devices ("First detection at 30.9 s", one line a device) and the
// tenability ("Tenability: ASET 38.7 s, visibility governs", one line a
// criterion, its time or "held"; with devices, "Detection to ASET: 7.8 s")
// when the run has them, and last "Run ended at 600.0 s: run complete".
std::vector<std::string> KeyResultLines(const KeyResults& keys, UnitSystem shown);

// The lines joined by line feeds, without one after the last.
std::string KeyResultsText(const KeyResults& keys, UnitSystem shown);

// Why a run ended, in words: "run complete", "end of input fire", ...
std::string RunEndWords(RunEnd end);

// A criterion in the units of `shown`, as the panel and the criteria dialog
// write it: heights to a thousandth, temperatures to a tenth, no trailing
// zeros ("1.8", "5.906", "140").
std::string ShownHeight(double metres, UnitSystem shown);
std::string ShownTemperature(double celsius, UnitSystem shown);

// The criteria of one kind as a criteria box shows them: "1.8, 1.5".
std::string ShownHeights(const std::vector<double>& metres, UnitSystem shown);
std::string ShownTemperatures(const std::vector<double>& celsius, UnitSystem shown);

} // namespace vorla
