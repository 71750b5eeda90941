#include "study/sampling.h"

#include "study/random_numbers.h"

#include <numeric>

namespace vorla::study {

StudySampler::StudySampler(const Study& study) : study_(study) {
    for (const auto& input : study.Vary) {
        dimensions_ += input.IsGrid() ? 0 : 1;
    }
    if (study.Sampling != SamplingMethod::LatinHypercube || dimensions_ == 0) {
        return;
    }
    const std::size_t samples = study.SamplesPerGridPoint;
    const std::size_t shuffles = study.GridPoints() * dimensions_;
    strata_.resize(shuffles);
    for (std::size_t s = 0; s < shuffles; ++s) {
        auto& strata = strata_[s];
        strata.resize(samples);
        std::iota(strata.begin(), strata.end(), 0u);
        // Fisher-Yates, each swap's draw named by the shuffle and the position.
        for (std::size_t k = samples; k-- > 1;) {
            const double u = UniformDraw(study.Seed, DrawPurpose::LatinHypercubeShuffle, s, k);
            const std::size_t j = std::min(k, static_cast<std::size_t>(u * (k + 1)));
            std::swap(strata[k], strata[j]);
        }
    }
}

double StudySampler::UniformFor(std::size_t run, std::size_t gridPoint, std::size_t sample,
                                std::size_t dimension) const {
    const double u = UniformDraw(study_.Seed, DrawPurpose::RunInput, run, dimension);
    if (strata_.empty()) {
        return u;
    }
    const auto stratum = strata_[gridPoint * dimensions_ + dimension][sample];
    return (stratum + u) / static_cast<double>(study_.SamplesPerGridPoint);
}

std::vector<StudyValue> StudySampler::GridValues(std::size_t gridPoint) const {
    std::vector<StudyValue> values;
    std::size_t stride = study_.GridPoints();
    for (const auto& input : study_.Vary) {
        if (!input.IsGrid()) {
            continue;
        }
        stride /= input.Values.size();
        values.push_back(input.Values[(gridPoint / stride) % input.Values.size()]);
    }
    return values;
}

namespace {

double DrawnPart(const RsetPart& part, std::uint64_t seed, std::size_t run, std::uint64_t counter) {
    if (!part.Drawn) {
        return part.Fixed;
    }
    const double u = UniformDraw(seed, DrawPurpose::RequiredEgressTime, run, counter);
    const double value = ValueAt(*part.Drawn->Sampled, u);
    if (std::holds_alternative<Choice>(*part.Drawn->Sampled)) {
        return std::get<double>(part.Drawn->Values[static_cast<std::size_t>(value)]);
    }
    return value;
}

} // namespace

std::optional<double> RsetDraw::Rset(std::optional<double> firstDetectionS) const {
    if (Total) {
        return Total;
    }
    if (FromDetection) {
        if (!firstDetectionS) {
            return std::nullopt;
        }
        return *firstDetectionS + PreMovement + Movement;
    }
    return PreMovement + Movement;
}

RsetDraw DrawRset(const Study& study, std::size_t run) {
    RsetDraw draw;
    if (!study.Rset) {
        return draw;
    }
    const RsetModel& model = *study.Rset;
    if (model.Total) {
        draw.Total = DrawnPart(*model.Total, study.Seed, run, 0);
        return draw;
    }
    draw.PreMovement = DrawnPart(model.PreMovement, study.Seed, run, 0);
    draw.Movement = DrawnPart(model.Movement, study.Seed, run, 1);
    draw.FromDetection = model.FromDetection;
    return draw;
}

std::optional<std::pair<double, double>> DrawModelErrorNormals(const Study& study,
                                                               std::size_t run) {
    if (!study.ModelUncertainty) {
        return std::nullopt;
    }
    const auto normal = [&](std::uint64_t counter) {
        return NormalQuantile(UniformDraw(study.Seed, DrawPurpose::ModelError, run, counter));
    };
    return std::pair{normal(0), normal(1)};
}

SampledRun StudySampler::Sample(std::size_t run) const {
    SampledRun sampled;
    sampled.Run = run;
    sampled.GridPoint = run / study_.SamplesPerGridPoint;
    const std::size_t sample = run % study_.SamplesPerGridPoint;
    const auto grid = GridValues(sampled.GridPoint);
    std::size_t gridIndex = 0;
    std::size_t dimension = 0;
    for (const auto& input : study_.Vary) {
        if (input.IsGrid()) {
            sampled.Values.push_back(grid[gridIndex++]);
            continue;
        }
        const double u = UniformFor(run, sampled.GridPoint, sample, dimension++);
        const double value = ValueAt(*input.Sampled, u);
        if (std::holds_alternative<Choice>(*input.Sampled)) {
            sampled.Values.push_back(input.Values[static_cast<std::size_t>(value)]);
        } else {
            sampled.Values.emplace_back(std::in_place_type<double>, value);
        }
    }
    return sampled;
}

} // namespace vorla::study
