// Where a program keeps the key results' criteria between sessions: two
// QSettings keys, each a comma-separated list in S.I. units (m, °C), so a
// program started in either unit system reads the same criteria. The keys are
// with every other key in program_settings.h.
#pragma once

#include "common/key_results/key_criteria.h"
#include "common/ui/program_settings.h"

class QSettings;

namespace vorla::ui {

inline constexpr const char* kInterfaceHeightsKey = settings_keys::kInterfaceHeights;
inline constexpr const char* kLayerTemperaturesKey = settings_keys::kLayerTemperatures;

// The criteria the settings hold; the default of a kind where its key is
// missing or holds something that is not a list of criteria. An empty value is
// the empty list the user asked for.
KeyCriteria LoadCriteria(const QSettings& settings);

void SaveCriteria(QSettings& settings, const KeyCriteria& criteria);

} // namespace vorla::ui
