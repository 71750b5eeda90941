#include "cli/design_report_output.h"

#include "cli/helper_program.h"
#include "cli/vorla_command.h"
#include "common/files/atomic_file.h"
#include "common/files/file_digest.h"
#include "common/files/text_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <unistd.h>

namespace vorla::cli {
namespace {

constexpr const char* kProgram = "vorla-design-report";

// A new empty file in the temporary folder, closed; empty when none can be made.
std::string NewTemporaryFile() {
    std::error_code error;
    const auto folder = std::filesystem::temp_directory_path(error);
    std::string pattern =
        ((error ? std::filesystem::path("/tmp") : folder) / "vorla-design-report-XXXXXX.json")
            .string();
    const int fd = ::mkstemps(pattern.data(), 5);
    if (fd < 0) {
        return {};
    }
    ::close(fd);
    return pattern;
}

} // namespace

void SetCommandRunFiles(DesignReportRun& run, const std::string& reportPath,
                        const std::string& reportText) {
    run.RunTime = RunTimeNow();
    run.ReportFile.Name =
        reportPath.empty() || reportPath == "-" ? "(standard output)" : reportPath;
    run.ReportFile.Sha256 = Sha256Hex(reportText);
    const auto fire = ReadWholeFile(run.FireFile.Name);
    if (!fire.problem) {
        run.FireFile.Sha256 = Sha256Hex(fire.text);
    }
}

std::variant<plot::TimeAxisUnit, std::string>
ReadTimeAxisOption(const std::optional<std::string>& text, std::string_view prefix) {
    if (!text || *text == "min") {
        return plot::TimeAxisUnit::Minutes;
    }
    if (*text == "s") {
        return plot::TimeAxisUnit::Seconds;
    }
    std::string refusal(prefix);
    refusal.append("--time-axis must be min or s, not \"").append(*text).append("\".\n");
    return refusal;
}

int WriteDesignReport(const std::string& path, const DesignReportRun& run,
                      plot::TimeAxisUnit timeAxis, std::ostream& err) {
    const std::string cannot =
        "the design report " + path + " cannot be written: the program " + kProgram;
    const std::string program = HelperProgramPath(kProgram);
    if (program.empty()) {
        err << "vorla: " << cannot << " cannot be found (the path of vorla itself is unknown).\n";
        return kExitFileProblem;
    }
    const std::string description = NewTemporaryFile();
    if (description.empty()) {
        err << "vorla: the design report " << path
            << " cannot be written: no temporary file for its description (" << std::strerror(errno)
            << ").\n";
        return kExitFileProblem;
    }
    std::optional<std::string> problem =
        WriteFileAtomically(description,
                            DesignDocumentJson(WithTimeIn(DesignReportDocument(run), timeAxis)));
    if (!problem) {
        // "-" is standard output, which the helper shares with vorla.
        problem =
            RunHelperProgram(program, {description, path == "-" ? "/dev/stdout" : path}, cannot);
    }
    std::error_code ignored;
    std::filesystem::remove(description, ignored);
    if (problem) {
        err << "vorla: " << *problem << "\n";
        return kExitFileProblem;
    }
    return kExitSuccess;
}

} // namespace vorla::cli
