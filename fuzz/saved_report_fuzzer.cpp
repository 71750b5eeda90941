// File Open of both models on any text: VORLA-XW's saved report reader and
// SKEVA-XW's. Neither may crash, and what they accept
// starts with their own program's version line. The result rows a graph's
// Compare With… reads can be drawn: finite numbers, times never going back.
#include "zone_models/saved_report_rows.h"
#include "compartment/model/report_text.h"
#include "compartment/model/saved_report_reader.h"
#include "fuzz/fuzz_input.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/saved_report_reader.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vorla::fuzz::Require;
    const std::string_view text = vorla::fuzz::TextOf(data, size);

    vorla::compartment::InputBoxes boxes;
    vorla::compartment::UnitTables units;
    vorla::compartment::RunInputs inputs;
    const auto report =
        vorla::compartment::ReadSavedReportText(text, "FUZZ.VOF", boxes, units, inputs);
    Require(report.has_value() || text.starts_with(vorla::compartment::kVersionLine));
    if (report) {
        Require(!vorla::DescribeFileProblem(*report).empty());
    }

    vorla::smoke::InputBoxes texts;
    vorla::smoke::UnitTables smokeUnits;
    vorla::smoke::RunInputs smokeInputs;
    const auto results =
        vorla::smoke::ReadSavedReportText(text, "FUZZ.SOF", texts, smokeUnits, smokeInputs);
    Require(results.has_value() || text.starts_with(vorla::smoke::kVersionLine));
    if (results) {
        Require(!vorla::DescribeFileProblem(*results).empty());
    }
    // A text is never both programs' report.
    Require(report.has_value() || results.has_value());

    if (const auto rows = vorla::ReadSavedReportRows(text)) {
        Require(!rows->empty());
        for (std::size_t i = 0; i < rows->size(); ++i) {
            const auto& row = (*rows)[i];
            Require(std::isfinite(row.Seconds) && std::isfinite(row.LayerCelsius) &&
                    std::isfinite(row.VentFlowKilogramsPerSecond));
            Require(i == 0 || row.Seconds >= (*rows)[i - 1].Seconds);
        }
    }
    return 0;
}
