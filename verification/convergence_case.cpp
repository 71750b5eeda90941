// Case 8: the integrator's tolerance. VORLA-XW's equations are followed with
// the run's tolerances and with tolerances ten and a hundred times tighter;
// the differences bound the numerical error of every result in this document.
#include "verification/cases.h"
#include "verification/design_fires.h"
#include "verification/markdown.h"
#include "verification/model_runs.h"

#include <algorithm>
#include <cmath>

namespace vorla::verification {
namespace {

// A tenth of the experiments' relative spread σ̃_E = 0.07 (case 7): a
// numerical error below it cannot move the validation statistics.
constexpr double kToleranceBand = 0.007;

struct Difference {
    double Temperature = 0; // largest |ΔT| over the peak rise
    double Interface = 0;   // largest |Δz| over the room height
};

Difference Compare(const std::vector<Second>& a, const std::vector<Second>& b, double height) {
    Difference d;
    double peakRise = 0;
    for (const Second& s : b) {
        peakRise = std::max(peakRise, s.Temperature - kAmbientTemperature);
    }
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        d.Temperature =
            std::max(d.Temperature, std::fabs(a[i].Temperature - b[i].Temperature) / peakRise);
        d.Interface = std::max(d.Interface, std::fabs(a[i].Interface - b[i].Interface) / height);
    }
    return d;
}

} // namespace

CaseReport ConvergenceCase() {
    CaseReport report;
    report.Anchor = "convergence";
    report.Title = "8. Integrator tolerance (VORLA-XW)";

    struct Setting {
        const char* Name;
        Room Geometry;
    };
    Room office;
    Room store;
    store.FloorArea = 60;
    store.RoomHeight = 3;
    store.VentWidth = 1.2;
    store.SillHeight = 1.5;
    store.SoffitHeight = 2.5;
    Room steckler;
    steckler.FloorArea = 2.8 * 2.8;
    steckler.RoomHeight = 2.13;
    steckler.VentWidth = 0.74;
    steckler.SoffitHeight = 1.83;
    steckler.RadiativeFraction = 0.2;
    const Setting settings[] = {{"office 20 m², door", office},
                                {"store 60 m², high window", store},
                                {"Steckler's room, door 0.74 m", steckler}};
    MarkdownTable table({"room", "fire", "run (s)", "run's tolerance against 1/1000: ΔT / ΔT_peak",
                         "Δz / H", "1/100 against 1/1000: ΔT / ΔT_peak", "Δz / H"});
    Difference worst;
    for (const Setting& setting : settings) {
        for (const double alpha : {0.0117, 0.0469}) {
            Room room = setting.Geometry;
            room.RunTime = 600;
            const FireTable fire = RequireFire(TSquaredDesignFire(alpha, 600, 600));
            const auto base = ReplayCompartment(room, fire, room.RunTime, 1);
            const int last = static_cast<int>(base.back().Time);
            const auto hundredth = ReplayCompartment(room, fire, last, 0.01);
            const auto thousandth = ReplayCompartment(room, fire, last, 0.001);
            const Difference coarse = Compare(base, thousandth, room.RoomHeight);
            const Difference fine = Compare(hundredth, thousandth, room.RoomHeight);
            worst.Temperature = std::max(worst.Temperature, coarse.Temperature);
            worst.Interface = std::max(worst.Interface, coarse.Interface);
            table.Row({setting.Name, "t², α " + Num("%g", alpha), std::to_string(last),
                       Num("%.1e", coarse.Temperature), Num("%.1e", coarse.Interface),
                       Num("%.1e", fine.Temperature), Num("%.1e", fine.Interface)});
        }
    }
    report.Checks.push_back({"largest |ΔT| / ΔT_peak, run's tolerance against 1/1000",
                             worst.Temperature, 0, kToleranceBand, "%.1e", ""});
    report.Checks.push_back({"largest |Δz| / H, run's tolerance against 1/1000", worst.Interface, 0,
                             kToleranceBand, "%.1e", ""});
    report.Section = R"(**Purpose.** Every figure of this document comes from VORLA-XW's
integrator, which accepts a one-second step once its error estimate is within 1 mm on the
interface and 0.3 K on the layer temperature (a classic Runge–Kutta step of one second, checked
against two half steps and subdivided when their difference is too large). This case shows how far
the answers move when those tolerances are made a hundred and a thousand times tighter.

**How.** VORLA-XW's own equations (its public derivative function) are followed second by second
from the run's starting state with the run's integrator, at the run's tolerances and at 1/100 and
1/1000 of them; the largest differences of the layer temperature (over the run's peak rise) and of
the interface height (over the room height) are taken against the 1/1000 solution. (A tolerance
ten times tighter than the run's changes nothing in these rooms: the one-second step already
meets it almost everywhere, so the step is not subdivided.) Rooms: the
office of cases 1 and 6, a store with a high window, Steckler's room of case 7; medium and fast
t-squared fires for 600 s (or until the run's end).

**Band.** A tenth of the experiments' relative spread σ̃_E = 0.07 of case 7, 0.007: a numerical
error below it cannot move the validation statistics, and the verification bands of the other cases
(0.5 % of H and wider) are of the same order or wider. The column "1/100 against 1/1000" shows
how much of the difference is left at a hundredth of the tolerance.
)";
    report.Section += "\n" + table.Text();
    return report;
}

} // namespace vorla::verification
