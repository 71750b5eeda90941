// Open Results…: a saved report of a zone model taken back as the completed
// run it records, written once for both models. The model's own readers
// (ReadSavedReport for the boxes, ReadInputBoxes for the values Run reads
// from them, ReadSavedRun for the rows and the end message) are found by their
// argument types, so the includer includes the model's headers of them; the fire file the report names
// is read again, since the key results' heat released is its energy up to the
// end of the run.
#pragma once

#include "common/files/file_problem.h"
#include "common/fire_files/fire_file_lookup.h"
#include "common/fire_files/fire_file_reader.h"
#include "common/model_runs/run_outcome.h"
#include "common/files/text_file.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace vorla::zone_models {

// A saved run opened: the run, or the message that says why it could not be
// (File Open's for the report, the run's own for its fire file).
struct OpenedSavedRun {
    std::optional<CompletedRun> Run;
    std::string Problem;
};

// Reads the report at `path` and, when the whole of it and its fire file can
// be read, puts its inputs, rows and fire table into `calc`; otherwise `calc`
// is left as it was, so what the form holds is not lost.
template <class InputBoxes, class Calculations>
OpenedSavedRun OpenSavedRun(const std::string& path, Calculations& calc) {
    InputBoxes boxes;
    decltype(calc.Units) units;
    decltype(calc.Inputs) inputs;
    auto problem = ReadSavedReport(path, boxes, units, inputs);
    // The rows are fixed-capacity columns, too large for the stack.
    auto results = std::make_unique<decltype(calc.Results)>();
    std::optional<CompletedRun> run;
    if (!problem) {
        const WholeFile file = ReadWholeFile(path);
        if (file.problem) { // gone or changed since the reader read it
            problem =
                FileProblem{FileProblem::Kind::CannotOpen, path, *file.problem, "report file"};
        } else if (!(run = ReadSavedRun(file.text, *results))) {
            problem = FileProblem{FileProblem::Kind::WrongFormat, path, {}, "report file"};
        }
    }
    if (problem) {
        return {std::nullopt, DescribeFileProblem(*problem)};
    }
    decltype(calc.Fire) fire;
    std::string fireRead;
    if (const auto fireProblem = ReadFireFileOfReport(boxes.txtFireFile, path, fire, fireRead)) {
        return {std::nullopt, DescribeFireFileError(*fireProblem)};
    }
    calc.Fire = std::move(fire);
    calc.FireFileRead = fireRead;
    // The reader takes only the dimensions into `inputs`; every value comes
    // from the boxes as Run (and `vorla --from`) reads them, so the header,
    // the key results and a Save show the report's loss fraction and run
    // time, not zeros.
    calc.Inputs = ReadInputBoxes(boxes, units);
    calc.Inputs.OutputFile = inputs.OutputFile;
    calc.Results = *results;
    return {std::move(run), {}};
}

} // namespace vorla::zone_models
