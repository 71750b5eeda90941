// The runs of `vorla study`: one model run from a study's options, built and
// checked by the very steps of `vorla compartment` and `vorla smoke`, so a
// sample the model refuses gets the message the command would print.
#pragma once

#include "common/key_results/key_results.h"
#include "study/study_model.h"

#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace vorla::cli {

// What the runs of a study have to say once for the whole study rather than
// once a run: a fire file whose heat of combustion cannot be used, so that
// the tenability of every run on it falls back on the fuel's (the batch
// command's sentence, naming the file). Each note once, however many runs and
// threads meet it, in alphabetical order.
class StudyNotes {
  public:
    void Add(const std::string& note);
    std::vector<std::string> Notes() const;

  private:
    mutable std::mutex mutex_;
    std::set<std::string> notes_;
};

// The run callback for the study's model. It may be called from several
// threads at once: each thread owns its results buffer, the study's fire
// tables are shared read-only, and a fire file named only inside a `from`
// report is read once, on first use, and shared as well. A `from` report that
// cannot be read stops the study (it is an error of the study, not of one
// sample). That fire file is looked for beside the report, then beside the
// study file at `studyPath`.
// The runs' notes go to `notes` when it is given.
study::RunCallback StudyRunCallback(ModelKind model, const std::string& studyPath = "",
                                    std::shared_ptr<StudyNotes> notes = nullptr);

} // namespace vorla::cli
