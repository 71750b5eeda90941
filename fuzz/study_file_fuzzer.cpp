// The study file reader on any text: it either refuses the file with a message
// that starts with its name, or gives a study within the limits whose every
// sample is a finite number and whose summary context can be made.
#include "fuzz/fuzz_input.h"
#include "study/sampling.h"
#include "study/study_file.h"
#include "study/study_summary.h"

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vorla::fuzz::Require;
    namespace study = vorla::study;
    // Beside the example studies, so that the fire files their seeds name are found.
    const std::string path = "examples/study/FUZZ.toml";
    const auto read = study::ParseStudy(vorla::fuzz::TextOf(data, size), path);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        Require(problem->rfind(path, 0) == 0);
        return 0;
    }
    const auto& design = std::get<study::Study>(read);
    Require(design.GridPoints() >= 1 && design.GridPoints() <= study::kMostGridPoints);
    Require(design.TotalRuns() >= 1 && design.TotalRuns() <= study::kMostRuns);
    Require(design.Criteria.InterfaceHeightsM.size() <= study::kMostCriteria);
    Require(design.Criteria.LayerTemperaturesC.size() <= study::kMostCriteria);
    for (const auto& input : design.Vary) {
        if (input.Sampled) {
            for (const double u : {0.0, 1e-12, 0.25, 0.5, 0.75, 1 - 1e-12, 1.0}) {
                Require(std::isfinite(study::ValueAt(*input.Sampled, u)));
            }
        }
    }
    if (design.TotalRuns() > 10000) {
        return 0; // the sampler's strata of a large study take longer than an input should
    }
    // The first and the last run, as the runner samples them.
    const study::StudySampler sampler(design);
    for (const std::size_t run : {std::size_t{0}, design.TotalRuns() - 1}) {
        const auto sampled = sampler.Sample(run);
        Require(sampled.Values.size() == design.Vary.size());
        for (const auto& value : sampled.Values) {
            if (const auto* number = std::get_if<double>(&value)) {
                Require(std::isfinite(*number));
            }
        }
    }
    if (design.GridPoints() <= 50) {
        const auto context = study::ContextOf(design);
        Require(context.TotalRuns == design.TotalRuns());
        Require(study::ContextFromJson(study::ContextJson(context)).has_value());
    }
    return 0;
}
