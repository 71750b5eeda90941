#include "compartment/model/unit_tables.h"

namespace vorla::compartment {

UnitTables UnitTablesFor(UnitSystem system) {
    if (system == UnitSystem::US) {
        // The area factor is 0.0929, not 0.09290304: saved reports depend on it.
        return {UnitSystem::US, {0.3048, 0.0929}, {"ft", "ft\u00b2"}};
    }
    return {};
}

} // namespace vorla::compartment
