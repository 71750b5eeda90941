// The runs of `vorla study`: one model run from a study's options, built and
// checked by the very steps of `vorla compartment` and `vorla smoke`, so a
// sample the model refuses gets the message the command would print.
#pragma once

#include "common/key_results/key_results.h"
#include "study/study_model.h"

#include <string>

namespace vorla::cli {

// The run callback for the study's model. It may be called from several
// threads at once: each thread owns its results buffer, the study's fire
// tables are shared read-only, and a fire file named only inside a `from`
// report is read once, on first use, and shared as well. A `from` report that
// cannot be read stops the study (it is an error of the study, not of one
// sample). That fire file is looked for beside the report, then beside the
// study file at `studyPath`.
study::RunCallback StudyRunCallback(ModelKind model, const std::string& studyPath = "");

} // namespace vorla::cli
