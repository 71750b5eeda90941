// File Open of both models on any text: VORLA-XW's saved report reader and
// SKEVA-XW's results file reader. Neither may crash, and what they accept
// starts with their own program's version line.
#include "compartment/model/report_text.h"
#include "compartment/model/saved_report_reader.h"
#include "fuzz/fuzz_input.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/results_file_reader.h"

#include <cstdint>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vorla::fuzz::Require;
    const std::string_view text = vorla::fuzz::TextOf(data, size);

    // The state is large: a fresh one is built in the same place for every
    // input, as allocating it anew each time slows the search about tenfold.
    static std::optional<vorla::compartment::Calculations> calc;
    calc.reset();
    calc.emplace();
    vorla::compartment::InputBoxes boxes;
    const auto report = vorla::compartment::ReadSavedReportText(text, "FUZZ.VOF", boxes, *calc);
    Require(report.has_value() || text.starts_with(vorla::compartment::kVersionLine));
    if (report) {
        Require(!report->Describe().empty());
    }

    vorla::smoke::SmokeFillFormTexts texts;
    vorla::smoke::SmokeFillUnits units;
    vorla::smoke::SmokeFillInputs inputs;
    const auto results = vorla::smoke::OpenResultsText(text, "FUZZ.SOF", texts, units, inputs);
    Require(results.has_value() || text.starts_with(vorla::smoke::kVersionLine));
    if (results) {
        Require(!vorla::smoke::DescribeResultsFileError(*results).empty());
    }
    // A text is never both programs' report.
    Require(report.has_value() || results.has_value());
    return 0;
}
