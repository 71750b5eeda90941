#include "zone_models/plume_option_names.h"

namespace vorla {

std::string_view FirePositionWord(FirePosition position) {
    switch (position) {
    case FirePosition::AgainstWall:
        return kFirePositionWords[1];
    case FirePosition::InCorner:
        return kFirePositionWords[2];
    case FirePosition::Centre:
        break;
    }
    return kFirePositionWords[0];
}

std::string_view PlumeWord(PlumeCorrelation plume) {
    return plume == PlumeCorrelation::Heskestad ? kPlumeWords[1] : kPlumeWords[0];
}

std::optional<FirePosition> FirePositionOfWord(std::string_view word) {
    for (const auto position :
         {FirePosition::Centre, FirePosition::AgainstWall, FirePosition::InCorner}) {
        if (word == FirePositionWord(position)) {
            return position;
        }
    }
    return std::nullopt;
}

std::optional<PlumeCorrelation> PlumeOfWord(std::string_view word) {
    for (const auto plume : {PlumeCorrelation::Zukoski, PlumeCorrelation::Heskestad}) {
        if (word == PlumeWord(plume)) {
            return plume;
        }
    }
    return std::nullopt;
}

void AddPlumeOptionInputs(FirePosition position, PlumeCorrelation plume,
                          std::vector<RunInput>& inputs) {
    if (position == FirePosition::Centre && plume == PlumeCorrelation::Zukoski) {
        return;
    }
    inputs.push_back({"fire_position", std::string(FirePositionWord(position))});
    inputs.push_back({"plume", std::string(PlumeWord(plume))});
}

} // namespace vorla
