// Case 6: both models against NIST CFAST on the same rooms and fires, with the
// comparison metrics of CFAST's own validation guide.
#include "verification/cases.h"
#include "verification/design_fires.h"
#include "verification/markdown.h"
#include "verification/model_runs.h"
#include "verification/reference_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vorla::verification {
namespace {

constexpr double kPeakBand = 0.3;              // relative difference of peaks
constexpr double kAlpha = 0.047;           // kW/s², the peer's fire
constexpr double kTimeToMaximum = 145.865; // s, 1000 kW reached
constexpr double kReferenceAmbient = 21.1; // °C, the peer's ambient
constexpr double kOfficeLengthOverWidth = 1.25;           // 5 m by 4 m

ReferenceTable Require(const std::string& directory, const std::string& name) {
    ReferenceTable table;
    if (const auto error = ReadReferenceTable(directory + "/" + name, table)) {
        std::fprintf(stderr, "verification: %s\n", error->c_str());
        std::exit(1);
    }
    return table;
}

struct Peak {
    double Value = 0; // above the ambient (or initial) value
    double Time = 0;
};

Peak PeakOf(const std::vector<double>& times, const std::vector<double>& values, double base,
            double until) {
    Peak peak{-1e300, 0};
    for (std::size_t i = 0; i < values.size() && i < times.size(); ++i) {
        if (times[i] <= until && std::isfinite(values[i]) && values[i] - base > peak.Value) {
            peak = {values[i] - base, times[i]};
        }
    }
    return peak;
}

// The value of a series at time t (its last row at or before t).
double ValueAt(const std::vector<double>& times, const std::vector<double>& values, double t) {
    double value = std::nan("");
    for (std::size_t i = 0; i < values.size() && i < times.size() && times[i] <= t; ++i) {
        value = values[i];
    }
    return value;
}

// The validation guide's relative difference of two peaks, each measured
// from its own ambient value: (ΔM − ΔE) / ΔE.
double RelativeDifference(const Peak& model, const Peak& reference) {
    return (model.Value - reference.Value) / reference.Value;
}

struct Series {
    std::vector<double> Time, Temperature, Depth, Outflow;
};

Series FromTrace(const Trace& trace, double roomHeight) {
    Series series;
    for (const Second& s : trace.Seconds) {
        series.Time.push_back(s.Time);
        series.Temperature.push_back(s.Temperature - kCelsiusOffset);
        series.Depth.push_back(roomHeight - s.Interface);
        series.Outflow.push_back(s.UpperOut);
    }
    return series;
}

Series FromReference(const ReferenceTable& table, double roomHeight) {
    Series series;
    series.Time = table.Column("time_s");
    series.Temperature = table.Column("upper_layer_temp_C");
    for (const double z : table.Column("interface_height_m")) {
        series.Depth.push_back(roomHeight - z);
    }
    series.Outflow = table.Column("door_outflow_kg_s");
    return series;
}

plot::Plot Overlay(const std::string& title, const std::string& yTitle, const Series& model,
                   const std::vector<double>& modelValues, const Series& reference,
                   const std::vector<double>& referenceValues, const std::string& modelName,
                   double until) {
    plot::Plot plot;
    plot.Title = title;
    plot.Y = {plot::AxisKind::Value, yTitle, std::nullopt};
    plot.Legend = plot::LegendPlace::BottomRight;
    plot::PlotSeries ours{modelName, plot::kSeriesColours[0], plot::SeriesStyle::Line, {}};
    for (std::size_t i = 0; i < modelValues.size(); i += 5) {
        if (model.Time[i] <= until) {
            ours.Points.push_back({model.Time[i] / 60, modelValues[i]});
        }
    }
    plot::PlotSeries peer{"CFAST", plot::kSeriesColours[1], plot::SeriesStyle::DashedLine, {}};
    for (std::size_t i = 0; i < referenceValues.size(); ++i) {
        if (reference.Time[i] <= until) {
            peer.Points.push_back({reference.Time[i] / 60, referenceValues[i]});
        }
    }
    plot.Series = {std::move(ours), std::move(peer)};
    return plot;
}

} // namespace

CaseReport PeerModelCase(const std::string& referenceDir) {
    CaseReport report;
    report.Anchor = "cfast";
    report.Title = "6. A peer zone model: NIST CFAST";

    Room office;
    office.FloorArea = 20;
    office.RoomHeight = 2.4;
    office.VentWidth = 0.9;
    office.SillHeight = 0;
    office.SoffitHeight = 2.0;
    office.FireHeight = 0;
    office.RadiativeFraction = 0.35;
    office.LossFraction = EstimatedLossFraction(office, kOfficeLengthOverWidth);

    MarkdownTable table({"run", "quantity", "VORLA model peak", "at (s)",
                         "CFAST peak over the same time", "at (s)", "relative difference"});
    MarkdownTable equalTimes({"t (s)", "ΔT VORLA-XW (K)", "ΔT CFAST (K)", "ε", "depth VORLA-XW (m)",
                              "depth CFAST (m)", "ε", "outflow VORLA-XW (kg/s)",
                              "outflow CFAST (kg/s)", "ε"});
    const auto compare = [&](const std::string& run, const std::string& quantity, const Peak& model,
                             const Peak& reference, const char* format, bool banded) {
        const double difference = RelativeDifference(model, reference);
        table.Row({run, quantity, Num(format, model.Value), Num("%.0f", model.Time),
                   Num(format, reference.Value), Num("%.0f", reference.Time),
                   Num("%+.0f %%", 100 * difference)});
        if (banded) {
            report.Checks.push_back(
                {run + ", " + quantity + ": (ΔM − ΔE)/ΔE", difference, -kPeakBand, kPeakBand, "%+.2f", ""});
        }
    };

    for (const int duration : {600, 9000}) {
        Room room = office;
        room.RunTime = duration;
        const Trace trace = TraceCompartment(
            room, RequireFire(TSquaredDesignFire(kAlpha, kTimeToMaximum, duration)));
        const ReferenceTable peer =
            Require(referenceDir, "cfast_room_door_tsq_" + std::to_string(duration) + "s.csv");
        const Series ours = FromTrace(trace, room.RoomHeight);
        const Series theirs = FromReference(peer, room.RoomHeight);
        const std::string run = "door, t², " + std::to_string(duration) + " s";
        const double ambient = kAmbientTemperature - kCelsiusOffset;
        compare(run, "upper layer temperature rise (K)",
                PeakOf(ours.Time, ours.Temperature, ambient, duration),
                PeakOf(theirs.Time, theirs.Temperature, kReferenceAmbient, duration), "%.0f", true);
        compare(run, "layer depth (m)", PeakOf(ours.Time, ours.Depth, 0, duration),
                PeakOf(theirs.Time, theirs.Depth, 0, duration), "%.2f", true);
        compare(run, "vent outflow of layer gas (kg/s)",
                PeakOf(ours.Time, ours.Outflow, 0, duration),
                PeakOf(theirs.Time, theirs.Outflow, 0, duration), "%.2f", true);
        if (duration == 600) {
            const double ambientHere = kAmbientTemperature - kCelsiusOffset;
            for (const double t : {60.0, 120.0, 180.0, 300.0, 450.0, 600.0}) {
                const double oursT = ValueAt(ours.Time, ours.Temperature, t) - ambientHere;
                const double theirsT =
                    ValueAt(theirs.Time, theirs.Temperature, t) - kReferenceAmbient;
                const double oursD = ValueAt(ours.Time, ours.Depth, t);
                const double theirsD = ValueAt(theirs.Time, theirs.Depth, t);
                const double oursF = ValueAt(ours.Time, ours.Outflow, t);
                const double theirsF = ValueAt(theirs.Time, theirs.Outflow, t);
                equalTimes.Row({Num("%.0f", t), Num("%.0f", oursT), Num("%.0f", theirsT),
                                Num("%+.2f", (oursT - theirsT) / theirsT), Num("%.2f", oursD),
                                Num("%.2f", theirsD), Num("%+.2f", (oursD - theirsD) / theirsD),
                                Num("%.2f", oursF), Num("%.2f", theirsF),
                                Num("%+.2f", (oursF - theirsF) / theirsF)});
            }
            const std::string suffix = ", door, t-squared fire to 1 MW";
            report.Plots.push_back(
                {"cfast-door-temperature", "Upper layer temperature" + suffix,
                 Overlay("Upper layer temperature" + suffix, "Upper Layer Temperature (°C)", ours,
                         ours.Temperature, theirs, theirs.Temperature, "VORLA-XW", duration)});
            report.Plots.push_back(
                {"cfast-door-interface", "Layer interface height" + suffix,
                 Overlay(
                     "Layer interface height" + suffix, "Layer Interface Height (m)", ours,
                     [&] {
                         std::vector<double> z;
                         for (const Second& s : trace.Seconds) {
                             z.push_back(s.Interface);
                         }
                         return z;
                     }(),
                     theirs, peer.Column("interface_height_m"), "VORLA-XW", duration)});
            report.Plots.push_back(
                {"cfast-door-vent-flow", "Vent outflow of layer gas" + suffix,
                 Overlay("Vent outflow" + suffix, "Vent Flow (kg/s)", ours, ours.Outflow, theirs,
                         theirs.Outflow, "VORLA-XW", duration)});
        } else {
            report.Plots.push_back({"cfast-door-temperature-9000s",
                                    "Upper layer temperature, 9000 s",
                                    Overlay("Upper layer temperature, door, 9000 s",
                                            "Upper Layer Temperature (°C)", ours, ours.Temperature,
                                            theirs, theirs.Temperature, "VORLA-XW", duration)});
        }
    }

    // The closed room: SKEVA-XW against the peer's leaky room, while SKEVA-XW runs.
    Room closed;
    closed.FloorArea = 20;
    closed.RoomHeight = 2.4;
    closed.FireHeight = 0;
    closed.LossFraction = 0.6;
    closed.RunTime = 600;
    const Trace filling = TraceSmokeFill(closed, RequireFire(SteadyDesignFire(500, 600)));
    const double filled = filling.Seconds.back().Time;
    const ReferenceTable leaky = Require(referenceDir, "cfast_room_closed_leaky_500kW_600s.csv");
    const ReferenceTable sealed = Require(referenceDir, "cfast_room_closed_500kW_600s.csv");
    const Series ours = FromTrace(filling, closed.RoomHeight);
    const Series theirs = FromReference(leaky, closed.RoomHeight);
    const double ambient = kAmbientTemperature - kCelsiusOffset;
    // Both at the time SKEVA-XW's layer reaches the floor: the peer's rows are 5 s apart.
    const double until = 5 * std::ceil(filled / 5);
    compare("closed, 500 kW, leaky (SKEVA-XW)", "upper layer temperature rise (K)",
            PeakOf(ours.Time, ours.Temperature, ambient, until),
            PeakOf(theirs.Time, theirs.Temperature, kReferenceAmbient, until), "%.0f", true);
    const Peak leakyPeak = PeakOf(theirs.Time, theirs.Temperature, kReferenceAmbient, 600);
    const double leakyAtFill = ValueAt(theirs.Time, theirs.Temperature, until) - kReferenceAmbient;
    const Series sealedSeries = FromReference(sealed, closed.RoomHeight);
    compare("closed, 500 kW, sealed (SKEVA-XW)", "upper layer temperature rise (K)",
            PeakOf(ours.Time, ours.Temperature, ambient, until),
            PeakOf(sealedSeries.Time, sealedSeries.Temperature, kReferenceAmbient, until), "%.0f",
            false);
    plot::Plot fillPlot;
    fillPlot.Title = "Closed room, 500 kW: layer interface height";
    fillPlot.Y = {plot::AxisKind::Value, "Layer Interface Height (m)", std::nullopt};
    fillPlot.Legend = plot::LegendPlace::TopRight;
    plot::PlotSeries skeva{"SKEVA-XW", plot::kSeriesColours[0], plot::SeriesStyle::Line, {}};
    for (const Second& s : filling.Seconds) {
        skeva.Points.push_back({s.Time / 60, s.Interface});
    }
    plot::PlotSeries peerLeaky{
        "CFAST, leaky", plot::kSeriesColours[1], plot::SeriesStyle::DashedLine, {}};
    plot::PlotSeries peerSealed{
        "CFAST, sealed", plot::kSeriesColours[2], plot::SeriesStyle::DashedLine, {}};
    const auto fill = [&](const ReferenceTable& peer, plot::PlotSeries& series) {
        const auto& t = peer.Column("time_s");
        const auto& z = peer.Column("interface_height_m");
        for (std::size_t i = 0; i < t.size() && t[i] <= 120; ++i) {
            series.Points.push_back({t[i] / 60, z[i]});
        }
    };
    fill(leaky, peerLeaky);
    fill(sealed, peerSealed);
    fillPlot.Series = {std::move(skeva), std::move(peerLeaky), std::move(peerSealed)};
    fillPlot.X.Maximum = 2;
    report.Plots.push_back(
        {"cfast-closed-interface", "Closed room, 500 kW: interface height", std::move(fillPlot)});

    report.Section =
        R"(**Purpose.** A zone model with more physics, run by its authors' code on the same rooms and
fires, shows where VORLA-XW's and SKEVA-XW's simplifications start to matter.

**Reference.** NIST CFAST (Peacock, Forney & Reneke, "CFAST – Consolidated Fire and Smoke Transport
(Version 7), Technical Reference Guide", NIST TN 1889v1, 2015; revision used: CFAST-8-Beta-134).
The runs, their inputs and the README describing them are kept in `verification/reference/cfast/`.
The comparison metric is the one of CFAST's validation guide (NIST TN 1889v3; NUREG-1824): the
relative difference of the peak values, each measured from its own ambient (or initial) value,
ε = (ΔM − ΔE)/ΔE, with ΔM the model's and ΔE the reference's rise; the times of the peaks are given
beside them.

**Inputs.** Room 5 m × 4 m × 2.4 m (20 m²), ambient 21.1 °C; fire at floor level, radiative fraction
0.35. Door case: a door 0.9 m wide from the floor to 2.0 m; a t-squared fire of α = 0.047 kW/s²
reaching 1000 kW at 145.9 s, then steady, for 600 s and for 9000 s, written by the generator
(t-squared builder, 5 s points). VORLA-XW's heat loss fraction is the program's own estimate for
this room (aspect ratio 1.25, smooth ceiling): )" +
        Num("%.3f", office.LossFraction) + R"(. Closed room: 500 kW steady from t = 0, SKEVA-XW with
its default loss fraction 0.6; CFAST's leaky room (average leakage of walls and floor) and its
sealed room.

**The models are not the same.** Stated plainly, so the differences below are read as they should:

- VORLA-XW has no wall conduction: a fixed share χ of the heat leaves the layer whatever the walls'
  temperature; CFAST conducts heat into 16 mm gypsum board, whose surface heats up over time.
- Vent flow coefficient 0.68 in VORLA-XW, 0.7 in CFAST; VORLA-XW's vent flow follows regimes of a
  two-layer room, CFAST integrates the pressure profile slab by slab.
- VORLA-XW limits the fire by the air its plume entrains (3030 kJ/kg); CFAST by the oxygen in the
  lower layer (15 % limit).
- The lower layer stays at ambient temperature in both our models; CFAST heats it (71 °C at 150 s).
- SKEVA-XW keeps the room at ambient pressure (leaks at floor level), and stops when the layer
  reaches the fire's base; CFAST's sealed room builds up 25 kPa of pressure, its leaky one about 4 kPa.

**Metric and band.** ε for the rise of the upper layer temperature, the depth of the layer (room
height less the interface height) and the door's outflow of layer gas. The band ±30 % is what the
listed differences let one expect of two zone models on one room: CFAST's own validation against
experiments reports differences of this order for these quantities.
)";
    report.Section += "\n" + table.Text();
    report.Section += R"(
**At equal times** (door, t², 600 s): the peaks above come at different times (the model's
layer settles while the peer's walls warm), so the two are also compared at the same instants,
each rise from its own ambient; ε = (M − E)/E with E the peer's. For information: the band
applies to the peaks, as in the peer's guide.

)" + equalTimes.Text();
    report.Section +=
        R"(
**Where the models differ.** In the door case the layer temperature and depth agree within the
band, over 600 s and over 9000 s (CFAST's walls warm up and its layer keeps rising slowly, VORLA-XW's
estimated fixed loss gives a steady layer; over 9000 s the two peaks happen to meet). At equal
times the model's rise is well above the peer's (+22 % to +75 % from 60 to 600 s): the peaks agree
better than the histories, because the model's layer settles within three minutes while the
peer's is still rising at 600 s. The door's
outflow of layer gas is a third lower in VORLA-XW. At the steady state the outflow is what the
plume brings to the layer: VORLA-XW's plume (Zukoski's, on the convective 65 % of the fire)
entrains about 0.8 kg/s at its interface of 1.1 m, CFAST's (Heskestad's) about 1.15 kg/s at its
interface of 0.78 m; the difference of entrainment and of interface height makes the difference of
outflow. It is a difference between two accepted plume correlations, not a fault of the code; the
check fails against its band and is listed as a known deviation.

In the closed room SKEVA-XW's layer reaches the floor after )" +
        Num("%.0f", filled) + R"( s, when its run stops; the peer's values are
compared over that same time, to )" +
        Num("%.0f", until) + R"( s, where CFAST's rise is )" + Num("%.0f", leakyAtFill) +
        R"( K. That is not CFAST's peak: its leaky room goes on heating to a rise of )" +
        Num("%.0f", leakyPeak.Value) + R"( K at )" + Num("%.0f", leakyPeak.Time) +
        R"( s. Over the same time SKEVA-XW's layer is markedly hotter than CFAST's.
SKEVA-XW's plume entrains less gas into the layer than CFAST's (CFAST entrains 2.9 kg/s into a layer
2.4 m above the fire at the start), so the same heat goes into less gas; CFAST also heats the lower
layer and its walls, and its room holds several kPa of pressure. The sealed room is shown for
completeness only: SKEVA-XW's room is open to its leaks by design. The check fails against its band
and is listed as a known deviation.
)";
    return report;
}

} // namespace vorla::verification
