// Case 2: SKEVA-XW's layer descent against the closed-form solution for a
// closed room with a leak at floor level, and against NFPA 92's correlations.
#include "verification/cases.h"
#include "verification/closed_forms.h"
#include "verification/design_fires.h"
#include "verification/markdown.h"
#include "verification/model_runs.h"

#include <algorithm>
#include <cmath>

namespace vorla::verification {
namespace {

constexpr double kConvectiveFraction = 0.65; // SKEVA-XW's plume takes this share of q
constexpr double kClosedFormBand = 0.005;    // of the room height
constexpr double kCorrelationRatioLow = 1 / 1.5;
constexpr double kCorrelationRatioHigh = 1.5;

Room SmokeRoom(double area, double height, double lossFraction, int runTime) {
    Room room;
    room.FloorArea = area;
    room.RoomHeight = height;
    room.FireHeight = 0;
    room.LossFraction = lossFraction;
    room.RunTime = runTime;
    return room;
}

// The first second at which the interface is at or below `height`, or NaN.
double TimeToReach(const Trace& trace, double height) {
    for (const Second& s : trace.Seconds) {
        if (s.Interface <= height) {
            return s.Time;
        }
    }
    return std::nan("");
}

} // namespace

CaseReport SmokeFillingCase() {
    CaseReport report;
    report.Anchor = "smoke-filling";
    report.Title = "2. Closed-form smoke filling (SKEVA-XW)";

    // Part A: the limit in which the model's equations are the closed form's.
    MarkdownTable exact({"H (m)", "A (m²)", "Q (kW)", "run (s)", "z at end (m)",
                         "closed form at end (m)", "largest |Δz| / H"});
    double worst = 0;
    const double heights[] = {3, 6, 12};
    const double areas[] = {100, 400, 1000};
    const double fires[] = {500, 2000};
    CasePlot exactPlot{"smoke-filling-closed-form",
                       "Interface height, SKEVA-XW (lines) and the closed form (dashed), "
                       "A = 400 m², 2000 kW, no heat in the layer",
                       {}};
    exactPlot.Plot.Title = "Layer descent: SKEVA-XW against the closed form";
    exactPlot.Plot.Y = {plot::AxisKind::Value, "Layer Interface Height (m)", std::nullopt};
    exactPlot.Plot.Legend = plot::LegendPlace::TopRight;
    for (const double height : heights) {
        for (const double area : areas) {
            for (const double rate : fires) {
                const double z0 = height - 0.01; // the model's starting interface
                const double convective = kConvectiveFraction * rate;
                const int runTime = static_cast<int>(std::min(
                    9000.0, std::ceil(ClosedFormFillingTime(convective, area, z0, 0.2 * height))));
                const Room room = SmokeRoom(area, height, 1.0, runTime);
                const Trace trace = TraceSmokeFill(room, RequireFire(SteadyDesignFire(rate, 9000)));
                double largest = 0;
                for (const Second& s : trace.Seconds) {
                    const double z = ClosedFormInterface(convective, area, z0, s.Time);
                    largest = std::max(largest, std::fabs(s.Interface - z) / height);
                }
                worst = std::max(worst, largest);
                const Second& last = trace.Seconds.back();
                exact.Row({Num("%g", height), Num("%g", area), Num("%g", rate),
                           std::to_string(static_cast<int>(last.Time)), Num("%.3f", last.Interface),
                           Num("%.3f", ClosedFormInterface(convective, area, z0, last.Time)),
                           Num("%.1e", largest)});
                if (area == 400 && rate == 2000) {
                    plot::PlotSeries model{"SKEVA-XW, H = " + Num("%g", height) + " m",
                                           plot::kSeriesColours[exactPlot.Plot.Series.size() / 2],
                                           plot::SeriesStyle::Line,
                                           {}};
                    plot::PlotSeries closed{
                        "closed form", model.Colour, plot::SeriesStyle::DashedLine, {}};
                    for (const Second& s : trace.Seconds) {
                        model.Points.push_back({s.Time / 60, s.Interface});
                        closed.Points.push_back(
                            {s.Time / 60, ClosedFormInterface(convective, area, z0, s.Time)});
                    }
                    closed.Name = "closed form, H = " + Num("%g", height) + " m";
                    exactPlot.Plot.Series.push_back(std::move(model));
                    exactPlot.Plot.Series.push_back(std::move(closed));
                }
            }
        }
    }
    report.Checks.push_back({"largest |z − z_closed form| / H, no heat in the layer", worst, 0,
                             kClosedFormBand, "%.1e", ""});

    // Part A2: the form's default loss fraction, against the same balance
    // solved by quadrature (the layer's heat enters as a volume term).
    MarkdownTable heated({"H (m)", "A (m²)", "Q (kW)", "run (s)", "z at end (m)",
                          "quadrature: t to that z (s)", "largest |Δz| / H"});
    double worstHeated = 0;
    for (const double height : heights) {
        for (const double area : areas) {
            for (const double rate : fires) {
                const double z0 = height - 0.01;
                const double convective = kConvectiveFraction * rate;
                const double chi = 0.6;
                const int runTime = static_cast<int>(std::min(
                    9000.0,
                    std::ceil(HeatedFillingTime(rate, convective, chi, area, z0, 0.2 * height))));
                const Room room = SmokeRoom(area, height, chi, runTime);
                const Trace trace = TraceSmokeFill(room, RequireFire(SteadyDesignFire(rate, 9000)));
                double largest = 0;
                // Δz from the time error: (t_quadrature(z) − t)·|dz/dt| at the model's z.
                for (std::size_t i = 10; i < trace.Seconds.size(); i += 10) {
                    const Second& s = trace.Seconds[i];
                    const double dt =
                        HeatedFillingTime(rate, convective, chi, area, z0, s.Interface) - s.Time;
                    largest = std::max(
                        largest, std::fabs(dt) *
                                     HeatedDescentRate(rate, convective, chi, area, s.Interface) /
                                     height);
                }
                worstHeated = std::max(worstHeated, largest);
                const Second& last = trace.Seconds.back();
                heated.Row({Num("%g", height), Num("%g", area), Num("%g", rate),
                            std::to_string(static_cast<int>(last.Time)),
                            Num("%.3f", last.Interface),
                            Num("%.1f",
                                HeatedFillingTime(rate, convective, chi, area, z0, last.Interface)),
                            Num("%.1e", largest)});
            }
        }
    }
    report.Checks.push_back(
        {"largest |z − z_quadrature| / H, χ = 0.6", worstHeated, 0, kClosedFormBand, "%.1e", ""});

    // Part B: the form's default loss fraction against NFPA 92.
    MarkdownTable nfpa({"fire", "H (m)", "A (m²)", "A/H²", "t to z = H/2, SKEVA-XW (s)",
                        "NFPA 92 (s)", "ratio", "closed form, cold smoke (s)"});
    double lowest = 1e9;
    double highest = 0;
    CasePlot nfpaPlot{"smoke-filling-nfpa92",
                      "Interface height, SKEVA-XW with χ = 0.6 (lines) and NFPA 92 (dashed), "
                      "H = 6 m, A = 100 m²",
                      {}};
    nfpaPlot.Plot.Title = "Layer descent: SKEVA-XW against NFPA 92";
    nfpaPlot.Plot.Y = {plot::AxisKind::Value, "Layer Interface Height (m)", std::nullopt};
    nfpaPlot.Plot.Legend = plot::LegendPlace::TopRight;
    struct NfpaFire {
        std::string Name;
        bool Steady;
        double Rate;   // kW, steady
        double Growth; // s to 1055 kW, t-squared
    };
    const NfpaFire nfpaFires[] = {{"steady 1000 kW", true, 1000, 0},
                                  {"steady 5000 kW", true, 5000, 0},
                                  {"t² medium (300 s)", false, 0, 300},
                                  {"t² fast (150 s)", false, 0, 150}};
    for (const auto& fire : nfpaFires) {
        for (const double height : heights) {
            for (const double area : areas) {
                const double aspect = area / (height * height);
                if (aspect < kNfpa92SmallestAreaRatio || aspect > kNfpa92LargestAreaRatio) {
                    continue;
                }
                const double alpha = 1055.0 / (fire.Growth * fire.Growth);
                const FireTable table = fire.Steady
                                            ? RequireFire(SteadyDesignFire(fire.Rate, 9000))
                                            : RequireFire(TSquaredDesignFire(alpha, 9000, 9000));
                const Room room = SmokeRoom(area, height, 0.6, 9000);
                const Trace trace = TraceSmokeFill(room, table);
                const double model = TimeToReach(trace, height / 2);
                const double correlation =
                    fire.Steady ? Nfpa92SteadyFillingTime(fire.Rate, height, area, 0.5)
                                : Nfpa92TSquaredFillingTime(fire.Growth, height, area, 0.5);
                const double ratio = model / correlation;
                lowest = std::min(lowest, ratio);
                highest = std::max(highest, ratio);
                const std::string cold =
                    fire.Steady ? Num("%.0f", ClosedFormFillingTime(kConvectiveFraction * fire.Rate,
                                                                    area, height, height / 2))
                                : "–";
                nfpa.Row({fire.Name, Num("%g", height), Num("%g", area), Num("%.2f", aspect),
                          Num("%.0f", model), Num("%.0f", correlation), Num("%.2f", ratio), cold});
                if (height == 6 && area == 100) {
                    plot::PlotSeries skevaSeries{
                        fire.Name + ", SKEVA-XW",
                        plot::kSeriesColours[nfpaPlot.Plot.Series.size() / 2],
                        plot::SeriesStyle::Line,
                        {}};
                    plot::PlotSeries reference{fire.Name + ", NFPA 92",
                                               skevaSeries.Colour,
                                               plot::SeriesStyle::DashedLine,
                                               {}};
                    for (const Second& s : trace.Seconds) {
                        if (s.Time > 600) {
                            break;
                        }
                        skevaSeries.Points.push_back({s.Time / 60, s.Interface});
                        const double z =
                            fire.Steady
                                ? Nfpa92SteadyInterface(fire.Rate, height, area, s.Time)
                                : Nfpa92TSquaredInterface(fire.Growth, height, area, s.Time);
                        reference.Points.push_back(
                            {s.Time / 60, z >= 0.2 * height ? z : std::nan("")});
                    }
                    nfpaPlot.Plot.Series.push_back(std::move(skevaSeries));
                    nfpaPlot.Plot.Series.push_back(std::move(reference));
                }
            }
        }
    }
    report.Checks.push_back({"lowest t_SKEVA / t_NFPA 92 to z = H/2", lowest, kCorrelationRatioLow,
                             kCorrelationRatioHigh, "%.2f", ""});
    report.Checks.push_back({"highest t_SKEVA / t_NFPA 92 to z = H/2", highest,
                             kCorrelationRatioLow, kCorrelationRatioHigh, "%.2f", ""});

    report.Section =
        R"(**Purpose.** SKEVA-XW fills a closed room whose leaks are at floor level: the room stays at
ambient pressure, the plume feeds the layer and the expansion pushes lower-layer air out. The descent
of the interface under a steady fire has a closed-form solution, and NFPA 92 gives correlations for
the descent in large spaces.

**Reference A: the closed form.** With the plume of Zukoski, ṁ = 0.076·Q^(1/3)·z^(5/3) kg/s, and a
layer of constant density ρ_g, the volume balance A·dz/dt = −ṁ/ρ_g integrates to

  z(t) = [2·k·Q^(1/3)·t / (3·A) + z₀^(−2/3)]^(−3/2),  k = 0.076/ρ_g,

(Yamana & Tanaka, "Smoke control in large scale spaces", Fire Science and Technology 5(1), 1985;
Karlsson & Quintiere, "Enclosure Fire Dynamics", CRC 2000, chapter "Conservation equations and
smoke filling"). SKEVA-XW's plume is the same with Q the convective share 0.65·q, and its layer gains
volume both from the entrained gas and from the heat the layer keeps, (1 − χ)·q/(c_p·ρ∞·T∞). The
two coincide exactly when the layer keeps no heat (loss fraction χ = 1, the layer stays at ambient
density ρ_g = ρ∞ = 1.2 kg/m³), so part A runs the model's own run function with χ = 1 (a value the
form does not accept, used here because in it the model's equations reduce to the closed form)
from the model's starting interface z₀ = H − 0.01 m, until z = 0.2·H.

**Metric and band A.** The largest |z_model − z_closed form| over the run, over H. The integrator's
tolerance on the interface is 1 mm per step and the error does not grow in a descent that slows down;
0.5 % of H (15 mm in the 3 m room) is the band.
)";
    report.Section += "\n" + exact.Text();
    report.Section += R"(
**Reference A2: the same balance with the layer's heat, by quadrature.** With χ < 1 the layer's
temperature drops out of SKEVA-XW's volume balance (an ideal gas at ambient pressure: ρT = ρ∞T∞),

  A·dz/dt = −(ṁ/ρ∞ + (1 − χ)·q/(c_p·ρ∞·T∞)),  ṁ = 0.076·(0.65·q)^(1/3)·z^(5/3),

so it separates: t(z) = A·∫_z^z₀ dζ / (a + b·ζ^(5/3)) with a = (1 − χ)·q/(c_p·ρ∞·T∞) and
b = 0.076·(0.65·q)^(1/3)/ρ∞, evaluated by Simpson's rule on 2000 intervals (its own error is
below 10⁻⁶ s here). Part A2 runs the model with the form's default χ = 0.6 on the same grid until
z = 0.2·H and compares every tenth second: Δz = (t(z_model) − t)·|dz/dt|. The band is part A's,
0.5 % of H, for the same reason (the integrator's tolerance).
)";
    report.Section += "\n" + heated.Text();
    report.Section += R"(
**Reference B: NFPA 92.** NFPA 92, "Standard for Smoke Control Systems" (2012 edition, section 5.5,
the equations for the smoke layer position with no smoke exhaust), fitted to experiments:

- steady fire: z/H = 1.11 − 0.28·ln[(t·Q^(1/3)/H^(4/3)) / (A/H²)];
- t-squared fire: z/H = 0.91·[t·H^(−4/5)·t_g^(−2/5)·(A/H²)^(−3/5)]^(−1.45), t_g the growth time to
  1055 kW;

valid for 0.9 ≤ A/H² ≤ 14 and z ≥ 0.2·H (rooms of the grid outside that range are left out). Here
SKEVA-XW runs with the form's default loss fraction χ = 0.6. NFPA 92's z is the height of the first
indication of smoke (where the temperature profile first departs from ambient), not a zone
model's interface, which lies lower: the comparison is between two different definitions of the
layer's position, and NFPA 92 is conservative by design.

**Metric and band B.** The time for the interface to reach half the room height, model over
correlation. The correlations are fits with a scatter of their own, and SKEVA-XW's plume (Zukoski's)
and the plume behind NFPA 92 (Heskestad's, axisymmetric) differ by up to a third in entrainment at
these heights; a factor of 1.5 either way is the band.
)";
    report.Section += "\n" + nfpa.Text();
    report.Section += R"(
**Where the model differs.** Against the closed form, nowhere beyond the integrator's accuracy:
SKEVA-XW's equations contain it. With heat kept in the layer (χ = 0.6) the layer also grows by the
expansion of the hot gas, so the model fills faster than the cold-smoke closed form (last column),
by a margin that grows with the fire and shrinks with the room's height. Against NFPA 92 the model is
within a factor of 1.5 for the t-squared fires, and slower (up to 1.7 times) than the steady-fire
correlation in the rooms of small A/H² (tall and narrow). The steady correlation is an empirical
fit meant to be conservative (it predicts an early descent), and its logarithmic form runs out of
the data it was fitted to towards the ends of its range; the model's Zukoski plume entrains less
than the real plumes behind the fit near the fire. The model is therefore slower than NFPA 92 (not
conservative against it) for steady fires in such rooms: a user designing to NFPA 92 should use the
correlation there. The check fails against its band and is listed as a known deviation: a
difference of the two methods, not a fault of the code, which passes both exact checks above.
)";
    report.Plots.push_back(std::move(exactPlot));
    report.Plots.push_back(std::move(nfpaPlot));
    return report;
}

} // namespace vorla::verification
