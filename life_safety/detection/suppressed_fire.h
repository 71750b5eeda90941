// The fire a run follows once its first sprinkler has operated: the fire
// table up to the activation, then the suppression rule's heat release rate
// (suppression.h), as a fire table the models read like any other. A model
// runs once to find the activation, then again on this table.
#pragma once

#include "common/fire_files/fire_table.h"
#include "life_safety/detection/suppression.h"

namespace vorla::detection {

// The table's points before `activationTime`, a point at it, then the rule's
// rate at every later point of the table, where a held fire's curve crosses
// the held rate, and (for a decaying fire) every second, or as often as the
// table's capacity allows, up to the table's last time. With the rule
// "unchanged" the table itself.
FireTable SuppressedFireTable(const FireTable& fire, const Suppression& suppression,
                              double activationTime);

} // namespace vorla::detection
