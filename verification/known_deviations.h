// The known deviations: checks that fail against a band fixed from its source,
// each with the reason the document gives. The verification passes while the
// failing checks are exactly those listed: a new failure fails it, and so does
// a listed check that passes (the list must be brought up to date).
#pragma once

#include "verification/case_report.h"

#include <string>
#include <vector>

namespace vorla::verification {

struct KnownDeviation {
    std::string CaseNumber; // "5." of "5. Ventilation limit (VORLA-XW)"
    std::string Metric;     // the check's metric, exactly
    std::string Reason;
};

const std::vector<KnownDeviation>& KnownDeviations();

// Marks the listed checks of `reports` and returns, one sentence each, the
// entries that name no check or a check within its band.
std::vector<std::string> ApplyKnownDeviations(std::vector<CaseReport>& reports,
                                              const std::vector<KnownDeviation>& list);

} // namespace vorla::verification
