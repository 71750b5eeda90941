// The probability that the room becomes untenable before the occupants are
// out, P(ASET < RSET), from a set of runs, with its 95 % interval.
#pragma once

#include "study/statistics.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace vorla::tenability {

// One run as the risk sees it: its ASET (nothing when every criterion held to
// the end), how long the run lasted, and the RSET set against it.
struct EgressRun {
    std::optional<double> Aset; // s
    double EndTime = 0;         // s
    double Rset = 0;            // s
};

// A run whose criteria all held is safe only if it lasted at least its RSET;
// one that ended sooner says nothing about the occupants, is left out of the
// trials and counted as undecided. ASET equal to RSET is not a failure: the
// last occupant is out as the room becomes untenable.
struct AsetRisk {
    std::size_t Failures = 0;      // ASET < RSET
    std::size_t Trials = 0;        // failures and safe runs
    std::size_t Undecided = 0;     // held until an end before RSET
    study::Proportion Probability; // P(ASET < RSET), Wilson 95 % interval
};

AsetRisk EstimateAsetRisk(std::span<const EgressRun> runs);

// The estimate after the first 1, 2, ..., n runs, in run order: the
// convergence of the probability with the number of runs.
std::vector<study::Proportion> AsetRiskConvergence(std::span<const EgressRun> runs);

// s from the first detection to ASET (negative when the room was untenable
// before anything detected it); nothing unless both happened.
std::optional<double> DetectionToAset(std::optional<double> detection, std::optional<double> aset);

} // namespace vorla::tenability
