// The saved reports a study starts from (`[base] from`), checked when the
// study is read: each must be a report of the study's model, and the fire file
// it names is found from the report's folder, wherever the study is run from.
#pragma once

#include "study/study_file.h"

#include <optional>
#include <string>

namespace vorla::cli {

// Why a `from` is not a saved report of the study's model, as
// "<study file>:<line>: base.from: ...", or nothing. The digest of the fire
// file each report names is added to the study's input digests, so that shards
// run with different fires are refused by the merge.
std::optional<std::string> CheckStudyFromReports(study::Study& study);

// Where a run of the study finds the fire file `name` its `from` report names:
// a relative name in the report's own folder, as the desktop programs look for
// it, and else in the study file's folder, so that the runs do not depend on
// the current folder. A name found in neither is the report folder's.
std::string FireOfFromReport(const std::string& name, const std::string& reportPath,
                             const std::string& studyPath);

} // namespace vorla::cli
