// The verification cases. Each runs the models, compares them with its
// reference and returns its report.
#pragma once

#include "verification/case_report.h"

#include <string>

namespace vorla::verification {

CaseReport ConservationCase();
CaseReport SmokeFillingCase();
CaseReport LayerTemperatureCase();
CaseReport FlashoverCase();
CaseReport VentilationLimitCase();
// `referenceDir` holds the peer model's CSV files.
CaseReport PeerModelCase(const std::string& referenceDir);
// `experimentsDir` holds the measured fires and the peer's input files.
CaseReport ValidationCase(const std::string& experimentsDir);
// Sprinkler activation against Vettori's tests, in `experimentsDir`/vettori.
CaseReport SprinklerValidationCase(const std::string& experimentsDir);
CaseReport ConvergenceCase();
CaseReport DetectionCase();
CaseReport TenabilityCase();

} // namespace vorla::verification
