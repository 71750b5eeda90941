// What a verification case hands to the document: its checks against their
// bands, its section of Markdown and its plots.
#pragma once

#include "common/plot/plot.h"

#include <string>
#include <utility>
#include <vector>

namespace vorla::verification {

// One metric against its band [Low, High].
struct Check {
    std::string Metric; // what is measured, in words
    double Value = 0;
    double Low = 0;
    double High = 0;
    std::string Format = "%.3g"; // how Value and the band print
    // Non-empty when the check is on the list of known deviations
    // (known_deviations.cpp): it fails against its band, for the reason given
    // here, and the finding is reported as such. The band stays what it is;
    // nothing widens it.
    std::string KnownDeviation;

    bool InBand() const { return Value >= Low && Value <= High; }
    bool IsKnownDeviation() const { return !InBand() && !KnownDeviation.empty(); }
    // Outside its band and not on the list: the verification fails.
    bool Fails() const { return !InBand() && KnownDeviation.empty(); }
};

struct CasePlot {
    std::string FileStem; // docs/verification/<FileStem>.svg and .png
    std::string Caption;
    plot::Plot Plot;
};

struct CaseReport {
    std::string Anchor; // the section's Markdown anchor
    std::string Title;
    // 2: a section of the document ("## "); 3: a subsection of the case
    // before it ("### "), numbered as its part ("7.1").
    int HeadingLevel = 2;
    std::vector<Check> Checks;
    std::string Section; // Markdown, without the title line and the checks table
    std::vector<CasePlot> Plots;
    // Further files of the document (name, content): data beside the text.
    std::vector<std::pair<std::string, std::string>> DataFiles;

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
