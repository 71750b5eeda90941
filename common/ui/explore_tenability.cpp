#include "common/ui/explore_tenability.h"

#include "common/round_trip_text.h"
#include "common/ui/explore_band.h"
#include "common/ui/tenability_graph.h"
#include "common/units.h"
#include "life_safety/run/life_safety_run.h"
#include "life_safety/tenability/tenability_criteria.h"

#include <algorithm>
#include <cmath>

namespace vorla::ui {

std::unique_ptr<tenability::TenabilityRun>
FollowedTenability(const tenability::TenabilityTexts& tenability, double floorArea,
                   double ceilingHeight, ExploreRun& run) {
    if (!tenability.Given) {
        return nullptr;
    }
    if (const auto problem = tenability::CheckTenabilityInputs(tenability.Inputs, ceilingHeight)) {
        run.RejectedBox = "txtRoomHeight";
        run.Message = problem->Message;
        return nullptr;
    }
    return std::make_unique<tenability::TenabilityRun>(
        tenability.Inputs, tenability::RoomGeometry{floorArea, ceilingHeight});
}

void AddFollowedTenability(const tenability::TenabilityRun* followed, UnitSystem units,
                           ExploreRun& run) {
    if (followed == nullptr) {
        return;
    }
    if (run.Keys) {
        run.Keys->Tenability = life_safety::TenabilityKeysOf(followed->Outcome());
    }
    AddTenabilityQuantities(run.Graph, followed->Series(), units);
}

namespace {

// The number to write for `si` when the reader turns a written value w into
// `toSI(w)`: the one within a few units in the last place of `guess` that
// gives `si` exactly, or `guess` when none does.
template <class ToSI>
double WrittenFor(double si, double guess, ToSI toSI) {
    constexpr int kSteps = 8;
    double down = guess;
    double up = guess;
    for (int step = 0; step <= kSteps; ++step) {
        if (toSI(down) == si) {
            return down;
        }
        if (toSI(up) == si) {
            return up;
        }
        down = std::nextafter(down, -HUGE_VAL);
        up = std::nextafter(up, HUGE_VAL);
    }
    return guess;
}

} // namespace

void AddTenabilityStudyBase(const tenability::TenabilityTexts& tenability, UnitSystem units,
                            std::vector<std::pair<std::string, std::string>>& base) {
    if (!tenability.Given) {
        return;
    }
    // The options Run's saved report writes, in S.I. units: "--fuel red-oak
    // --heat-of-combustion 12400 ... --sign reflecting ...".
    const std::string text =
        tenability::TenabilityOptionsText(tenability.FuelKind, tenability.Inputs);
    std::vector<std::string> words;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at) {
            words.push_back(text.substr(at, end - at));
        }
        at = end + 1;
    }
    const bool us = units == UnitSystem::US;
    for (std::size_t k = 0; k + 1 < words.size(); k += 2) {
        const std::string option = words[k].substr(2);
        const std::string& value = words[k + 1];
        const tenability::NumberOption* number = nullptr;
        for (const auto& candidate : tenability::NumberOptions()) {
            number = candidate.Option == option ? &candidate : number;
        }
        if (number == nullptr) {
            base.emplace_back(option, TomlText(value)); // fuel, sign: words
            continue;
        }
        const auto si = NumberOfRoundTripText(value);
        if (!si) {
            continue; // never: the options text writes every number round-trip
        }
        double written = *si;
        if (us && number->Kind == tenability::Typed::Length) {
            written = WrittenFor(written, written / kMetresPerFoot,
                                 [](double w) { return w * kMetresPerFoot; });
        } else if (us && number->Kind == tenability::Typed::Temperature) {
            written = WrittenFor(written, written * 9 / 5 + 32,
                                 [](double w) { return (w - 32) * 5 / 9; });
        }
        base.emplace_back(option, RoundTripText(written));
    }
}

} // namespace vorla::ui
