// The words the batch command, the study files and the key results use for the
// plume options of common/model_runs/fire_plumes.h: "centre", "wall", "corner" and
// "zukoski", "heskestad".
#pragma once

#include "common/model_runs/fire_plumes.h"
#include "common/key_results/key_results_files.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vorla {

inline constexpr std::string_view kFirePositionWords[] = {"centre", "wall", "corner"};
inline constexpr std::string_view kPlumeWords[] = {"zukoski", "heskestad"};

std::string_view FirePositionWord(FirePosition position);
std::string_view PlumeWord(PlumeCorrelation plume);

// The option named by its word; nothing for any other text (the words are
// matched exactly, in lower case).
std::optional<FirePosition> FirePositionOfWord(std::string_view word);
std::optional<PlumeCorrelation> PlumeOfWord(std::string_view word);

// For the key results' inputs: "fire_position" and "plume" when either is not
// the model's default, so that a default run's key results keep their inputs.
void AddPlumeOptionInputs(FirePosition position, PlumeCorrelation plume,
                          std::vector<RunInput>& inputs);

} // namespace vorla
