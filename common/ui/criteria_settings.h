// Where a program keeps the key results' criteria between sessions: two
// QSettings keys, each a comma-separated list in S.I. units (m, °C), so a
// program started in either unit system reads the same criteria. The keys are
// here and nowhere else.
#pragma once

#include "common/key_criteria.h"

class QSettings;

namespace vorla::ui {

inline constexpr const char* kInterfaceHeightsKey = "criteria/interface_heights_m";
inline constexpr const char* kLayerTemperaturesKey = "criteria/layer_temperatures_c";

// The criteria the settings hold; the default of a kind where its key is
// missing or holds something that is not a list of criteria. An empty value is
// the empty list the user asked for.
KeyCriteria LoadCriteria(const QSettings& settings);

void SaveCriteria(QSettings& settings, const KeyCriteria& criteria);

} // namespace vorla::ui
