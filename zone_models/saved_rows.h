// Whether a run prints the rows of a saved report: the report's rows and end
// message, as the model writes them, found in the file's text from the start
// of a line. A run starts at row 0 (0 s), which a report holds once, so a
// match is the whole table: the same rows, the same end, character for
// character. Open Results asks it of the model run again on the report's
// inputs (life_safety/run/opened_run.h).
#pragma once

#include "common/text/report_paging.h"

#include <string>
#include <string_view>

namespace vorla::zone_models {

template <class RunInputs, class RunResults>
bool PrintsSavedRows(std::string_view savedText, const RunInputs& inputs, const RunResults& results,
                     std::string_view endMessage) {
    std::string rows = ReportRows(inputs, results);
    rows += endMessage;
    rows += kCrLf;
    const std::size_t at = savedText.find(rows);
    return at != std::string_view::npos && at > 0 && savedText[at - 1] == '\n';
}

} // namespace vorla::zone_models
