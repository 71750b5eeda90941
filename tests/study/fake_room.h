// A stand-in for a model and a small study of it, shared by the runner's and
// the merge's tests.
#pragma once

#include "common/key_results/key_results.h"
#include "study/study_file.h"
#include "study/study_model.h"
#include "study_test_files.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>

namespace vorla::study {

inline std::string OptionText(const RunRequest& request, const std::string& name) {
    for (const auto& [option, text] : request.Options) {
        if (option == name) {
            return text;
        }
    }
    return "";
}

// A stand-in for a model: a room whose layer heats and falls at rates set by
// the loss fraction, the floor area and the fire; big rooms are refused as a
// model's checks would refuse them.
inline StudyRunOutcome FakeRoom(const RunRequest& request) {
    const double loss = std::stod(OptionText(request, "loss-fraction"));
    const double area = std::stod(OptionText(request, "floor-area"));
    if (area > 24) {
        return {RunStatus::Rejected, "The floor area must be at most 24 m\xc2\xb2.", {}, {}};
    }
    const double peak = FireRateAt(*request.Fire, 600);
    std::vector<RunRow> rows;
    for (int t = 0; t <= 600; t += 5) {
        const double heating = (1 - loss) * FireRateAt(*request.Fire, t) / area;
        rows.push_back({static_cast<double>(t), 20 + heating * t / 30,
                        std::max(0.3, 2.4 - t * peak / 1e6 * (1 - loss)),
                        FireRateAt(*request.Fire, t), 0.1, false});
    }
    RunView view;
    view.Model = ModelKind::Compartment;
    view.Rows = rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].LayerTemperatureC > 600) {
            view.FlashoverRow = i;
            break;
        }
    }
    StudyRunOutcome outcome;
    outcome.Keys = ComputeKeyResults(view, *request.Fire, *request.Criteria);
    if (request.KeepReport) {
        outcome.ReportText = "report of run " + std::to_string(request.Run + 1) + "\r\n";
    }
    return outcome;
}

inline constexpr const char* kStudy = R"(model = "compartment"
runs = 40
seed = 2026
sampling = "latin-hypercube"

[base]
run-time = 600
flashover = "continue"
fire = "medium.fir"

[vary]
loss-fraction = { uniform = [0.5, 0.9] }
floor-area = { normal = [20, 2.5], min = 12 }
fire = { values = ["slow.fir", "fast.fir"] }
)";

inline Study OfficeStudy(const TestFolder& folder) {
    auto read = ReadStudyFile(folder.Write("office.toml", kStudy));
    if (auto* problem = std::get_if<std::string>(&read)) {
        throw std::runtime_error(*problem);
    }
    return std::move(std::get<Study>(read));
}

inline std::map<std::string, std::string> FilesIn(const std::string& directory) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) {
        if (entry.is_regular_file()) {
            files[std::filesystem::relative(entry.path(), directory).string()] =
                TestFolder::Read(entry.path().string());
        }
    }
    return files;
}

} // namespace vorla::study
