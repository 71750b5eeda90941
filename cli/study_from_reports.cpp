#include "cli/study_from_reports.h"

#include "common/files/file_digest.h"
#include "common/files/text_file.h"
#include "compartment/model/saved_report_reader.h"
#include "smoke_filling/model/saved_report_reader.h"

#include <filesystem>

namespace vorla::cli {
namespace {

// The problem of the report as its model's File Open sees it, and its fire file.
template <class Boxes, class Units, class Inputs, class Read>
std::optional<FileProblem> ReadReport(const std::string& text, const std::string& path,
                                      std::string& fire, Read read) {
    Boxes boxes;
    Units units;
    Inputs inputs;
    auto problem = read(text, path, boxes, units, inputs);
    fire = boxes.txtFireFile;
    return problem;
}

} // namespace

std::string FireOfFromReport(const std::string& name, const std::string& reportPath,
                             const std::string& studyPath) {
    namespace fs = std::filesystem;
    if (name.empty() || fs::path(name).is_absolute()) {
        return name;
    }
    const std::string besideReport = (fs::path(reportPath).parent_path() / name).string();
    const std::string besideStudy = (fs::path(studyPath).parent_path() / name).string();
    std::error_code error;
    if (!fs::exists(besideReport, error) && fs::exists(besideStudy, error)) {
        return besideStudy;
    }
    return besideReport;
}

std::optional<std::string> CheckStudyFromReports(study::Study& study) {
    for (const auto& base : study.Base) {
        if (base.Name != "from") {
            continue;
        }
        const std::string& written = std::get<std::string>(base.Value);
        const std::string path = study.ResolvedPath(written);
        const std::string where =
            study.FilePath + ":" + std::to_string(base.Line) + ": base.from: ";
        // The reader checked that it is a regular file it can read.
        const auto file = ReadWholeFile(path);
        if (file.problem) {
            return where + "the file " + path + " cannot be opened (" + *file.problem + ").";
        }
        std::string fire;
        const bool smoke = study.Model.Model == ModelKind::Smoke;
        const auto problem =
            smoke ? ReadReport<smoke::InputBoxes, smoke::UnitTables, smoke::RunInputs>(
                        file.text, path, fire, smoke::ReadSavedReportText)
                  : ReadReport<compartment::InputBoxes, compartment::UnitTables,
                               compartment::RunInputs>(file.text, path, fire,
                                                       compartment::ReadSavedReportText);
        if (problem) {
            return where + path + " is not a report saved by " +
                   (smoke ? "SKEVA-XW or vorla smoke" : "VORLA-XW or vorla compartment") + " (" +
                   DescribeFileProblem(*problem) + ").";
        }
        const auto fireFile = ReadWholeFile(FireOfFromReport(fire, path, study.FilePath));
        if (!fireFile.problem) {
            study.InputDigests[written + " > " + fire] = Sha256Hex(fireFile.text);
        }
    }
    return std::nullopt;
}

} // namespace vorla::cli
