#include "study/study_runner.h"

#include "common/files/atomic_file.h"
#include "common/key_results/key_results_files.h"
#include "common/text/round_trip_text.h"
#include "common/suite_version.h"
#include "study/distributions.h"
#include "study/random_numbers.h"
#include "study/runs_table.h"
#include "study/sampling.h"
#include "study/study_outputs.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace vorla::study {
namespace {

using Clock = std::chrono::steady_clock;

std::optional<std::size_t> WholeNumber(std::string_view text) {
    std::size_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

RunRequest RequestFor(const Study& study, const SampledRun& sampled, bool keepReport) {
    RunRequest request;
    request.ReportName = StudyReportName(study, sampled.Run);
    request.Run = sampled.Run;
    request.GridPoint = sampled.GridPoint;
    request.Criteria = &study.Criteria;
    request.KeepReport = keepReport;
    request.FollowLifeSafety = study.FollowsLifeSafety;
    // From the seed and the run's number alone, like the run's inputs.
    request.ModelErrorNormals = DrawModelErrorNormals(study, sampled.Run);
    auto& options = request.Options;
    options.emplace_back("units", study.Units == UnitSystem::US ? "us" : "si");
    const auto set = [&](const std::string& name, std::string text, const StudyValue& value) {
        if (const auto* number = std::get_if<double>(&value)) {
            request.Numbers[name] = *number;
        } else {
            request.Numbers.erase(name);
        }
        for (auto& option : options) {
            if (option.first == name) {
                option.second = std::move(text);
                return;
            }
        }
        options.emplace_back(name, std::move(text));
    };
    const auto isPath = [&](const std::string& name) {
        for (const auto& option : study.Model.TextOptions) {
            if (option.Name == name) {
                return option.IsPath;
            }
        }
        for (const auto& option : LifeSafetyTextOptions()) {
            if (option.Name == name) {
                return option.IsPath;
            }
        }
        return false;
    };
    for (const auto& base : study.Base) {
        const std::string text = ValueText(base.Value);
        set(base.Name, isPath(base.Name) ? study.ResolvedPath(text) : text, base.Value);
    }
    for (std::size_t k = 0; k < study.Vary.size(); ++k) {
        const auto& input = study.Vary[k];
        const std::string text = ValueText(sampled.Values[k]);
        set(input.Name, isPath(input.Name) ? study.ResolvedPath(text) : text, sampled.Values[k]);
    }
    for (const auto& [name, text] : options) {
        if (name == "fire") {
            const auto fire = study.Fires.find(text);
            if (fire != study.Fires.end()) {
                request.Fire = fire->second;
            }
        }
    }
    return request;
}

// The runs of one shard, done by `threads` workers that each take the next run
// not yet taken; every line lands at its run's place, so the order of finishing
// does not matter.
class ShardRun {
  public:
    ShardRun(const Study& study, const RunCallback& run, const RunnerOptions& options,
             const std::string& directory)
        : study_(study), run_(run), options_(options), directory_(directory), sampler_(study),
          keyColumns_(KeyResultColumns(study.Model.Model, study.Criteria).size()),
          lifeSafetyColumns_(LifeSafetyColumns(study).size()) {
        for (std::size_t i = options.Part.Index - 1; i < study.TotalRuns();
             i += options.Part.Count) {
            runs_.push_back(i);
        }
        lines_.resize(runs_.size());
        limits_.resize(runs_.size());
    }

    std::optional<std::string> Run(unsigned threads) {
        const auto start = Clock::now();
        std::vector<std::thread> workers;
        for (unsigned t = 0; t < threads; ++t) {
            workers.emplace_back([this] { Work(); });
        }
        {
            std::unique_lock lock(mutex_);
            while (finished_ < threads) {
                changed_.wait_for(lock, std::chrono::milliseconds(250));
                if (finished_ < threads) {
                    lock.unlock();
                    Report(start);
                    lock.lock();
                }
            }
        }
        // Every worker has finished, so this last report counts every run done,
        // however the last runs and the reports above interleaved.
        Report(start);
        for (auto& worker : workers) {
            worker.join();
        }
        return failure_;
    }

    std::vector<std::string> TakeLines() { return std::move(lines_); }

    // Per grid point, the runs of this shard that crossed each validity limit.
    std::vector<std::map<std::string, std::size_t>> ValidityLimitRuns() const {
        std::vector<std::map<std::string, std::size_t>> counts(study_.GridPoints());
        for (const auto& [point, names] : limits_) {
            for (const auto& name : names) {
                ++counts[point][name];
            }
        }
        return counts;
    }

  private:
    void Work() {
        while (true) {
            const std::size_t k = next_.fetch_add(1);
            if (k >= runs_.size() || stop_.load()) {
                break;
            }
            if (auto problem = DoRun(runs_[k], k)) {
                std::lock_guard lock(mutex_);
                // Runs are taken in order and a taken run always finishes, so
                // the lowest failing run is always among those that ran: the
                // message does not depend on which thread failed first.
                if (!failure_ || k < failedAt_) {
                    failure_ = std::move(problem);
                    failedAt_ = k;
                }
                stop_ = true;
            }
            done_.fetch_add(1);
        }
        std::lock_guard lock(mutex_);
        ++finished_;
        changed_.notify_all();
    }

    std::optional<std::string> DoRun(std::size_t run, std::size_t slot) {
        std::string& line = lines_[slot];
        const SampledRun sampled = sampler_.Sample(run);
        StudyRunOutcome outcome;
        const RunRequest request = RequestFor(study_, sampled, options_.KeepReports);
        try {
            outcome = run_(request);
        } catch (const std::exception& error) {
            return "Run " + std::to_string(run + 1) + " of the study failed: " + error.what();
        }
        if (outcome.Status == RunStatus::Ok &&
            (outcome.Keys.Model != study_.Model.Model ||
             outcome.Keys.InterfaceReachesS.size() != study_.Criteria.InterfaceHeightsM.size() ||
             outcome.Keys.LayerTemperatureReachesS.size() !=
                 study_.Criteria.LayerTemperaturesC.size())) {
            return "Run " + std::to_string(run + 1) +
                   " of the study returned key results of another model or other criteria.";
        }
        std::vector<std::string> lifeSafety;
        if (study_.FollowsLifeSafety) {
            const bool ok = outcome.Status == RunStatus::Ok;
            lifeSafety = ok ? LifeSafetyCells(study_, outcome.Keys)
                            : std::vector<std::string>(lifeSafetyColumns_);
            if (study_.Rset) {
                std::optional<double> rset;
                if (ok) {
                    const auto& detection = outcome.Keys.Detection;
                    rset = DrawRset(study_, run)
                               .Rset(detection ? detection->FirstDetectionS : std::nullopt);
                }
                lifeSafety.push_back(rset ? RoundTripText(*rset) : std::string());
            }
        }
        line = RunLine(sampled, outcome, keyColumns_, request.ModelErrorNormals, lifeSafety);
        if (outcome.Status == RunStatus::Ok) {
            auto& [point, names] = limits_[slot];
            point = sampled.GridPoint;
            for (const auto& limit : outcome.Keys.ValidityLimits) {
                names.push_back(limit.Limit);
            }
        }
        if (options_.KeepReports && outcome.Status == RunStatus::Ok) {
            const std::string path =
                directory_ + "/reports/" + StudyReportName(study_, sampled.Run);
            return WriteFileAtomically(path, outcome.ReportText);
        }
        return std::nullopt;
    }

    void Report(Clock::time_point start) {
        if (!options_.OnProgress) {
            return;
        }
        StudyProgress progress;
        progress.Done = done_.load();
        progress.Total = runs_.size();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (progress.Done > 0 && seconds > 0) {
            progress.RunsPerSecond = static_cast<double>(progress.Done) / seconds;
            progress.SecondsLeft =
                static_cast<double>(progress.Total - progress.Done) / progress.RunsPerSecond;
        }
        options_.OnProgress(progress);
    }

    const Study& study_;
    const RunCallback& run_;
    const RunnerOptions& options_;
    const std::string& directory_;
    const StudySampler sampler_;
    const std::size_t keyColumns_;
    const std::size_t lifeSafetyColumns_;
    std::vector<std::size_t> runs_;
    std::vector<std::string> lines_;
    // Each run's grid point and the validity limits its key results name.
    std::vector<std::pair<std::size_t, std::vector<std::string>>> limits_;
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> done_{0};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    unsigned finished_ = 0;
    std::optional<std::string> failure_;
    std::size_t failedAt_ = 0;
};

} // namespace

std::string StudyReportName(const Study& study, std::size_t run) {
    std::string number = std::to_string(run + 1);
    const std::size_t width = std::to_string(study.TotalRuns()).size();
    number.insert(0, width - std::min(width, number.size()), '0');
    return "run-" + number + "." + study.Model.ReportExtension;
}

std::variant<Shard, std::string> ParseShard(std::string_view text) {
    const auto slash = text.find('/');
    const std::string problem =
        "The value of --shard must be K/N with 1 <= K <= N, not \"" + std::string(text) + "\".";
    if (slash == std::string_view::npos) {
        return problem;
    }
    const auto index = WholeNumber(text.substr(0, slash));
    const auto count = WholeNumber(text.substr(slash + 1));
    if (!index || !count || *index < 1 || *index > *count) {
        return problem;
    }
    return Shard{*index, *count};
}

std::optional<std::string> CheckShardOfStudy(const Study& study, const Shard& part) {
    // More shards than runs would leave shards without a run, and a count near
    // the largest integer would wrap the step from one run of the shard to the next.
    if (part.Count > study.TotalRuns()) {
        return "The study has " + std::to_string(study.TotalRuns()) +
               " runs, so the N of --shard K/N must be at most " +
               std::to_string(study.TotalRuns()) + ", not " + std::to_string(part.Count) + ".";
    }
    return std::nullopt;
}

std::optional<std::string> RunStudy(const Study& study, const RunCallback& run,
                                    const RunnerOptions& options, const std::string& directory) {
    if (options.Part.Index < 1 || options.Part.Index > options.Part.Count) {
        return "The shard " + std::to_string(options.Part.Index) + "/" +
               std::to_string(options.Part.Count) + " does not exist.";
    }
    if (auto problem = CheckShardOfStudy(study, options.Part)) {
        return problem;
    }
    if (auto problem = PrepareOutputFolder(directory, options.KeepReports)) {
        return problem;
    }
    unsigned threads = options.Threads;
    if (threads == 0) {
        threads = std::max(1u, std::thread::hardware_concurrency());
    }
    ShardRun shard(study, run, options, directory);
    if (auto problem = shard.Run(threads)) {
        return problem;
    }
    RunsTable table{RunsHeader(study), shard.TakeLines()};
    SummaryContext context = ContextOf(study);
    context.ValidityLimitRuns = shard.ValidityLimitRuns();
    if (options.Part.Count > 1) {
        const ShardProvenance provenance{std::string(kSuiteVersion), study.FileDigest,
                                         study.InputDigests, options.KeepReports};
        return WriteShardOutputs(directory, context, provenance, options.Part.Index,
                                 options.Part.Count, table);
    }
    return WriteStudyOutputs(directory, context, table);
}

} // namespace vorla::study
