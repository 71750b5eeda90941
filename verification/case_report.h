// What a verification case hands to the document: its checks against their
// bands, its section of Markdown and its plots.
#pragma once

#include "common/plot/plot.h"

#include <string>
#include <vector>

namespace vorla::verification {

// One metric against its band [Low, High].
struct Check {
    std::string Metric; // what is measured, in words
    double Value = 0;
    double Low = 0;
    double High = 0;
    std::string Format = "%.3g"; // how Value and the band print
    // Non-empty when the model is known to lie outside this band for a reason
    // its section explains (a simplification of the model, not a fault): the
    // check is then reported as outside its band but does not fail the run,
    // as long as the value stays within [KnownLow, KnownHigh], the range that
    // explanation covers. A fault in the physics that moves the value further
    // still fails, so an explained deviation cannot hide a new one.
    std::string KnownDeviation;
    double KnownLow = 0;
    double KnownHigh = 0;

    bool InBand() const { return Value >= Low && Value <= High; }
    bool WithinKnownDeviation() const {
        return !KnownDeviation.empty() && Value >= KnownLow && Value <= KnownHigh;
    }
    bool Fails() const { return !InBand() && !WithinKnownDeviation(); }
};

struct CasePlot {
    std::string FileStem; // docs/verification/<FileStem>.svg and .png
    std::string Caption;
    plot::Plot Plot;
};

struct CaseReport {
    std::string Anchor; // the section's Markdown anchor
    std::string Title;
    std::vector<Check> Checks;
    std::string Section; // Markdown, without the title line and the checks table
    std::vector<CasePlot> Plots;

    bool Fails() const {
        for (const auto& check : Checks) {
            if (check.Fails()) {
                return true;
            }
        }
        return false;
    }
};

} // namespace vorla::verification
