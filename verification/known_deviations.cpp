#include "verification/known_deviations.h"

namespace vorla::verification {

const std::vector<KnownDeviation>& KnownDeviations() {
    static const std::vector<KnownDeviation> list = {
        {"2.", "highest t_SKEVA / t_NFPA 92 to z = H/2",
         "NFPA 92's steady-fire fit fills faster than SKEVA-XW in rooms near the low end of its "
         "A/H² range"},
        {"3.", "largest |ΔT_model − ΔT_MQH| / ΔT_MQH",
         "a fixed loss fraction of 0.9 implies a boundary conductance MQH's fit never saw; the "
         "layer is far cooler than MQH's"},
        {"5.", "lowest steady inflow / Kawagoe",
         "the model limits a starved fire by its plume's entrainment, not by the vent"},
        {"5.", "highest air-limited Q / Kawagoe",
         "the model limits a starved fire by its plume's entrainment, not by the vent"},
        {"6.", "door, t², 600 s, vent outflow of layer gas (kg/s): (ΔM − ΔE)/ΔE",
         "Zukoski's plume entrains less than the peer's Heskestad plume"},
        {"6.", "door, t², 9000 s, vent outflow of layer gas (kg/s): (ΔM − ΔE)/ΔE",
         "Zukoski's plume entrains less than the peer's Heskestad plume"},
        {"6.", "closed, 500 kW, leaky (SKEVA-XW), upper layer temperature rise (K): (ΔM − ΔE)/ΔE",
         "SKEVA-XW's plume brings less gas into the layer, which holds no walls' heat"},
        {"7.", "normality of ln(M/E), Spiegelhalter's p, layer depth, χ from the estimator",
         "the fire's position splits the depth ratios into groups (centre burners 0.70 to 0.84, "
         "wall 0.86 to 0.97, corner 0.97 to 1.12): the model has no position by default"},
        {"7.", "bias δ, layer depth, χ from the estimator",
         "the model's interface stands higher than measured, its layer thinner, most over the "
         "centre burners (depth ratios 0.70 to 0.84); the band is the peer's σ̃_E of 0.05 for "
         "the depth"},
        {"7.", "bias δ, layer depth, χ = 0.6",
         "as with the estimator's χ: the layer thinner than measured, most over the centre "
         "burners"},
        {"7.", "bias δ, vent mass flow, χ from the estimator",
         "the model's steady outflow is its plume's entrainment, and Zukoski's free plume "
         "entrains about 40 % less than the flow the doorway profiles carry (ratios 0.46 to "
         "0.87, lowest for the centre and raised burners); the thinner layer shortens the plume "
         "further"},
        {"7.", "bias δ, vent mass flow, χ = 0.6",
         "as with the estimator's χ: the plume's entrainment sets the outflow, about 40 % below "
         "the measured flow"},
        {"7.", "bias δ, interface time, χ from the estimator",
         "the model's interface falls to 2.5 m 20 to 30 s later than measured, to 1.5 m within "
         "10 s of it: early on its layer is thinner than measured, as its depth bias shows"},
        {"7.", "bias δ, interface time, χ = 0.6",
         "as with the estimator's χ: the early layer thinner than measured"},
        {"7.", "bias δ, layer temperature rise, χ = 0.6",
         "χ = 0.6 loses more heat than Steckler's small fibreboard room does (the estimator "
         "gives 0.44), so its layers are about a quarter too cool"},
        {"7.", "normality of ln(M/E), Spiegelhalter's p, layer temperature rise, χ = 0.6",
         "two populations: Steckler's layers too cool by about a quarter, the NIST/NRC layers "
         "twice as hot as measured (the flames reach through the layer)"},
        {"7.", "normality of ln(M/E), Spiegelhalter's p, layer depth, χ = 0.6",
         "the fire's position splits the depth ratios into groups, as with the estimator's χ"},
        {"7.", "bias δ, SKEVA-XW, layer temperature rise, χ from the estimator",
         "in VTT's tall hall SKEVA-XW's layer is deeper than measured (depth bias 1.12) and "
         "loses a fixed share of the heat: the heat kept is spread over too much gas"},
        {"7.", "bias δ, SKEVA-XW, layer depth, χ from the estimator",
         "SKEVA-XW's layer in VTT's hall is deeper than measured: a box room leaking at the "
         "floor fills faster than the hall, whose roof tapers and whose leaks are partly 12 m "
         "up"},
        {"7.", "bias δ, SKEVA-XW, layer depth, χ = 0.6",
         "as with the estimator's χ: the box room fills faster than the hall"},
        {"7.", "bias δ, SKEVA-XW, layer temperature rise, χ = 0.6",
         "as with the estimator's χ: a layer deeper than measured, and 60 % of the heat lost "
         "whatever the hall's cold walls take early on"},
        {"7.", "bias δ, interface height, χ from the estimator",
         "the depth's finding seen from the floor: the model's interface stands higher than "
         "measured; the band carries the depth's σ̃_E of 0.05 to the height by the measured "
         "depth over height"},
        {"7.", "normality of ln(M/E), Spiegelhalter's p, interface height, χ from the estimator",
         "the fire's position splits the height ratios into groups, as it does the depth's"},
        {"7.", "bias δ, interface height, χ = 0.6",
         "as with the estimator's χ: the interface higher than measured"},
        {"7.", "normality of ln(M/E), Spiegelhalter's p, interface height, χ = 0.6",
         "the fire's position splits the height ratios into groups, as with the estimator's χ"},
        {"7.", "bias δ, NBS furniture room, layer temperature rise, χ from the estimator",
         "the whole measured fire burns in the model's room, while the files' heat release "
         "rate through the window shows fuel burning outside it; the estimator's χ for the "
         "small room keeps more of that heat than χ = 0.6"},
        {"7.", "bias δ, NBS furniture room, interface height, χ from the estimator",
         "after flashover the room is not two zones: the thermocouple strings put the "
         "interface 0.16 to 0.62 m above the floor, where the model keeps it above 1 m "
         "(two tests only)"},
        {"7.", "bias δ, NBS furniture room, interface height, χ = 0.6",
         "as with the estimator's χ: after flashover the measured interface is near the floor"},
        {"7.1", "bias δ, sprinkler activation time, open burner, χ from the estimator",
         "Alpert's correlations on the total heat release rate, with Vettori's RTI of 56, make "
         "the link slower than these sprinklers were: the open burner's times are 1.20 to 1.81 "
         "times the measured ones, the slower fires' the most; under a clear ceiling, without "
         "the layer's heat, the same forms operate later still, so the layer is not the cause"},
        {"7.1", "bias δ, sprinkler activation time, wall burner, χ from the estimator",
         "as for the open burner, and the fire is run standing free: a burner against the wall "
         "drives a hotter jet (the mirror's two images), which the model's jet has only with "
         "the fire position option (ratios 1.29 to 1.63 without it; the bias 1.20 with it)"},
        {"7.1", "bias δ, sprinkler activation time, corner burner, χ from the estimator",
         "as for the open burner, and the fire is run standing free: a burner in the corner "
         "drives a hotter jet still (four images), which the model's jet has only with the "
         "fire position option (ratios 1.69 to 2.25 without it; the bias 1.31 with it)"},
        {"7.1", "bias δ, sprinkler activation time, open burner, χ = 0.6",
         "as with the estimator's χ: the link slower than measured under Alpert's jet; the "
         "loss fraction changes the times by less than 1 %"},
        {"7.1", "bias δ, sprinkler activation time, wall burner, χ = 0.6",
         "as with the estimator's χ: slower than measured, and the fire run standing free"},
        {"7.1", "bias δ, sprinkler activation time, corner burner, χ = 0.6",
         "as with the estimator's χ: slower than measured, and the fire run standing free"},
        {"10.", "CFAST guide, heat tenability: convective FED at 100 °C over 1 s",
         "the guide prints 0.00068 for 1 / (4.1·10⁸ · 100^−3.61) per minute over 1 s, which is "
         "6.7463·10⁻⁴ by calculator (0.04047773 per minute, the hand row of this case): the "
         "printed figure lies above its own formula, and the code gives the formula's value"},
    };
    return list;
}

std::vector<std::string> ApplyKnownDeviations(std::vector<CaseReport>& reports,
                                              const std::vector<KnownDeviation>& list) {
    std::vector<std::string> problems;
    for (const KnownDeviation& entry : list) {
        bool found = false;
        for (CaseReport& report : reports) {
            if (report.Title.rfind(entry.CaseNumber + " ", 0) != 0) {
                continue;
            }
            for (Check& check : report.Checks) {
                if (check.Metric != entry.Metric) {
                    continue;
                }
                found = true;
                if (check.InBand()) {
                    problems.push_back("The known deviation \"" + entry.Metric + "\" of case " +
                                       entry.CaseNumber +
                                       " is now within its band: take it off the list.");
                } else {
                    check.KnownDeviation = entry.Reason;
                }
            }
        }
        if (!found) {
            problems.push_back("The known deviation \"" + entry.Metric + "\" of case " +
                               entry.CaseNumber + " names no check.");
        }
    }
    return problems;
}

} // namespace vorla::verification
