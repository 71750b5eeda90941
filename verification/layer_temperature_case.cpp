// Case 3: VORLA-XW's quasi-steady layer temperature under steady fires against
// the McCaffrey-Quintiere-Harkleroad correlation.
#include "common/plot/plot_scales.h"
#include "verification/cases.h"
#include "verification/closed_forms.h"
#include "verification/design_fires.h"
#include "verification/markdown.h"
#include "verification/room_geometry.h"

#include <algorithm>
#include <cmath>

namespace vorla::verification {
namespace {

constexpr int kSteadyAfter = 1200; // s; the layer is steady well before
constexpr double kMqhRange = 600;  // K, MQH's range of temperature rise
constexpr double kMqhBand = 0.3;      // relative difference

} // namespace

CaseReport LayerTemperatureCase() {
    CaseReport report;
    report.Anchor = "mqh";
    report.Title = "3. Hot layer temperature, McCaffrey–Quintiere–Harkleroad (VORLA-XW)";

    struct Vent {
        const char* Name;
        double Width, Sill, Soffit;
    };
    const Vent vents[] = {{"door 0.9 × 2.0 m", 0.9, 0, 2.0},
                          {"window 1.5 × 1.2 m", 1.5, 0.9, 2.1},
                          {"double door 1.8 × 2.0 m", 1.8, 0, 2.0}};
    const double fires[] = {100, 250, 500, 1000};
    const double lossFractions[] = {0.6, 0.75, 0.9};

    MarkdownTable table({"vent", "Q (kW)", "χ", "ΔT model (K)", "hk·AT = χQ/ΔT (kW/K)",
                         "ΔT MQH (K)", "difference"});
    plot::PlotSeries scatter{"runs", plot::kSeriesColours[0], plot::SeriesStyle::Markers, {}};
    double worst = 0;
    double largestRise = 0;
    // The ranges the discussion quotes: χ = 0.6 for Q ≥ 250 kW and for 100 kW,
    // χ = 0.9 with its implied conductance per m² of boundary.
    double low06 = 1e9, high06 = -1e9, low06Small = 1e9, high06Small = -1e9;
    double low09 = 1e9, high09 = -1e9, hkLow09 = 1e9, hkHigh09 = 0;
    for (const auto& vent : vents) {
        for (const double rate : fires) {
            for (const double loss : lossFractions) {
                Room room;
                room.FloorArea = 20;
                room.RoomHeight = 2.4;
                room.VentWidth = vent.Width;
                room.SillHeight = vent.Sill;
                room.SoffitHeight = vent.Soffit;
                room.LossFraction = loss;
                room.RunTime = kSteadyAfter;
                const Trace trace =
                    TraceCompartment(room, RequireFire(SteadyDesignFire(rate, kSteadyAfter)));
                const Second& last = trace.Seconds.back();
                if (last.Time < kSteadyAfter || last.StarvedOfAir) {
                    continue; // the layer reached the fire or the fire ran short of air
                }
                const double rise = last.Temperature - kAmbientTemperature;
                const double hkAt = loss * rate / rise;
                const double mqh = MqhTemperatureRise(rate, VentArea(room), VentHeight(room), hkAt);
                if (mqh > kMqhRange || rise > kMqhRange) {
                    continue;
                }
                const double difference = (rise - mqh) / mqh;
                worst = std::max(worst, std::fabs(difference));
                if (loss == 0.6 && rate >= 250) {
                    low06 = std::min(low06, difference);
                    high06 = std::max(high06, difference);
                } else if (loss == 0.6) {
                    low06Small = std::min(low06Small, difference);
                    high06Small = std::max(high06Small, difference);
                } else if (loss == 0.9) {
                    low09 = std::min(low09, difference);
                    high09 = std::max(high09, difference);
                    const double hk = hkAt / BoundaryArea(room, 1.25);
                    hkLow09 = std::min(hkLow09, hk);
                    hkHigh09 = std::max(hkHigh09, hk);
                }
                largestRise = std::max({largestRise, rise, mqh});
                scatter.Points.push_back({mqh, rise});
                table.Row({vent.Name, Num("%g", rate), Num("%g", loss), Num("%.0f", rise),
                           Num("%.3f", hkAt), Num("%.0f", mqh), Num("%+.0f %%", 100 * difference)});
            }
        }
    }
    report.Checks.push_back({"largest |ΔT_model − ΔT_MQH| / ΔT_MQH", worst, 0, kMqhBand, "%.2f", ""});

    CasePlot parity{
        "mqh-parity", "Layer temperature rise, VORLA-XW against MQH, with the ±30 % band", {}};
    parity.Plot.Title = "Layer temperature rise: VORLA-XW against MQH";
    parity.Plot.X = {plot::AxisKind::Value, "MQH temperature rise (K)", largestRise};
    parity.Plot.Y = {plot::AxisKind::Value, "VORLA-XW temperature rise (K)", largestRise};
    parity.Plot.Legend = plot::LegendPlace::TopLeft;
    const double end = plot::ScaleAxis(plot::AxisKind::Value, largestRise).FullScale;
    parity.Plot.Series.push_back(std::move(scatter));
    parity.Plot.Series.push_back(
        {"equal", plot::kSeriesColours[5], plot::SeriesStyle::Line, {{0, 0}, {end, end}}});
    parity.Plot.Series.push_back({"±30 %",
                                  plot::kSeriesColours[1],
                                  plot::SeriesStyle::DashedLine,
                                  {{0, 0}, {end, 1.3 * end}}});
    parity.Plot.Series.push_back(
        {"", plot::kSeriesColours[1], plot::SeriesStyle::DashedLine, {{0, 0}, {end, 0.7 * end}}});
    report.Plots.push_back(std::move(parity));

    report.Section =
        R"(**Purpose.** The layer temperature is the result engineers read first. Under a steady fire
VORLA-XW's layer settles where the heat it keeps, (1 − χ)·Q, leaves with the gas flowing out of the
vent. MQH is the correlation of that balance most used in hand calculations.

**Reference.** McCaffrey, Quintiere & Harkleroad, "Estimating room temperatures and the likelihood
of flashover using fire test data correlations", Fire Technology 17(2), 1981; SFPE Handbook of Fire
Protection Engineering, chapter "Estimating temperatures in compartment fires" (Walton, Thomas &
Ohmiya); NUREG-1805, Fire Dynamics Tools, chapter 2:

  ΔT = 6.85·[Q² / (A₀·√H₀·h_k·A_T)]^(1/3)  (K, with Q in kW, A₀ the vent area in m², H₀ its height in
  m, h_k·A_T the boundaries' effective conductance in kW/K).

**Inputs.** A 20 m² room 2.4 m high, three vents, steady fires of 100 to 1000 kW written by the
generator, and heat loss fractions χ of 0.6 (the form's default), 0.75 and 0.9; the layer
temperature after 1200 s, when it no longer changes. Runs whose layer passes 600 K of rise, or whose
fire runs short of air, are outside MQH's range and left out.

**How the loss fraction relates to h_k·A_T.** MQH's boundary term is the heat the walls take,
h_k·A_T·ΔT; VORLA-XW's is the fixed share χ·Q. At the steady state they are the same heat, so the
model's run has the conductance h_k·A_T = χ·Q/ΔT_model, and that is what goes into MQH. The
comparison then tests the other half of the balance: how much gas the model's vent lets out at
that temperature, against the flow that MQH's fit implies.

**Metric and band.** The relative difference (ΔT_model − ΔT_MQH)/ΔT_MQH. MQH was fitted to more than
a hundred experiments whose scatter about the fit is of the order of ±30 %; that is the band.
)";
    report.Section += "\n" + table.Text();
    report.Section += R"(
**Where the model differs.** MQH's h_k comes from the wall's conduction and rises as the walls heat
up; VORLA-XW's loss is a fixed fraction of the fire whatever the walls, so the two agree only at
the conductance implied at steady state, as used here. With the form's default χ = 0.6 the model
differs from MQH by )" +
                      Num("%+.0f", 100 * low06) + " % to " + Num("%+.0f", 100 * high06) +
                      R"( % for fires of 250 kW and more, and by )" +
                      Num("%+.0f", 100 * low06Small) + " % to " + Num("%+.0f", 100 * high06Small) +
                      R"( % for 100 kW. For larger
loss fractions the model's layer is markedly cooler than MQH's ()" +
                      Num("%+.0f", 100 * low09) + " % to " + Num("%+.0f", 100 * high09) +
                      R"( % at χ = 0.9). The
implied conductance there, h_k = χQ/(ΔT·A_T) over the room's boundaries, is )" +
                      Num("%.3f", hkLow09) + " to " + Num("%.3f", hkHigh09) +
                      R"( kW/(m²·K). That is within the range of real linings, not
beyond it: a thick lining's effective conductance early in a fire is h_k ≈ √(kρc/t), about
0.07 kW/(m²·K) for concrete at 600 s (k = 1.4 W/(m·K), ρ = 2300 kg/m³, c = 0.88 kJ/(kg·K)),
while 16 mm gypsum board gives about 0.01. A large loss fraction is therefore a setting a user may
choose for a room of heavy linings, and there the model's layer is far cooler than MQH's: its
fixed loss share with the vent's outflow does not reproduce MQH's fit. The check fails against its
band and is listed as a known deviation; it is a finding about the model's boundary loss, not a
fault of the code.
)";
    return report;
}

} // namespace vorla::verification
