// The verification program: runs every case, prints one line per case, and
// writes the document (--write FOLDER) or compares it with the committed one
// (--check FOLDER). Exit status 0 when every case is in its band (and, with
// --check, the document is up to date), 1 otherwise, 2 for a wrong command.
#include "common/plot/offscreen_gui.h"
#include "verification/cases.h"
#include "verification/document.h"
#include "verification/known_deviations.h"
#include "verification/markdown.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

void PrintCase(const vorla::verification::CaseReport& report) {
    std::string line = report.Fails() ? "FAIL  " : "pass  ";
    line += report.Title + ":";
    for (const auto& check : report.Checks) {
        line += " " + check.Metric + " = " +
                vorla::verification::Num(check.Format.c_str(), check.Value);
        line += " [" + vorla::verification::Num(check.Format.c_str(), check.Low);
        line += check.High >= 1e8
                    ? ", ∞)"
                    : ", " + vorla::verification::Num(check.Format.c_str(), check.High) + "]";
        if (!check.InBand()) {
            line += check.IsKnownDeviation() ? " OUT, known deviation" : " OUT";
        }
        line += ";";
    }
    std::printf("%s\n", line.c_str());
}

int Usage() {
    std::fprintf(stderr, "usage: verification --write FOLDER | --check FOLDER "
                         "[--reference CFAST_FOLDER]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string mode;
    std::string folder;
    std::string reference = VORLA_CFAST_REFERENCE_DIR;
    const std::string experiments = VORLA_EXPERIMENTS_DIR;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--write" || option == "--check") {
            mode = option;
            folder = argv[i + 1];
        } else if (option == "--reference") {
            reference = argv[i + 1];
        } else {
            return Usage();
        }
    }
    if (mode.empty() || argc % 2 == 0) {
        return Usage();
    }

    vorla::plot::OffscreenGui gui;
    using namespace vorla::verification;
    std::vector<CaseReport> reports = {ConservationCase(),
                                       SmokeFillingCase(),
                                       LayerTemperatureCase(),
                                       FlashoverCase(),
                                       VentilationLimitCase(),
                                       PeerModelCase(reference),
                                       ValidationCase(experiments),
                                       SprinklerValidationCase(experiments),
                                       ConvergenceCase(),
                                       DetectionCase(),
                                       TenabilityCase()};
    bool failed = false;
    for (const auto& problem : ApplyKnownDeviations(reports, KnownDeviations())) {
        std::printf("%s\n", problem.c_str());
        failed = true;
    }
    for (const auto& report : reports) {
        PrintCase(report);
        failed = failed || report.Fails();
    }
    const DocumentFiles files = BuildDocument(reports);
    if (mode == "--write") {
        if (const auto error = WriteDocument(files, folder)) {
            std::fprintf(stderr, "verification: %s\n", error->c_str());
            return 1;
        }
        std::printf("The document was written to %s.\n", folder.c_str());
    } else {
        const auto differences = CompareDocument(files, folder);
        for (const auto& difference : differences) {
            std::printf("stale: %s\n", difference.c_str());
        }
        if (!differences.empty()) {
            std::printf("The committed document is out of date: run `make verification` and "
                        "commit docs/verification.\n");
            failed = true;
        }
    }
    std::printf("%zu passed, %zu failed\n",
                static_cast<std::size_t>(std::count_if(reports.begin(), reports.end(),
                                                       [](const auto& r) { return !r.Fails(); })),
                static_cast<std::size_t>(std::count_if(reports.begin(), reports.end(),
                                                       [](const auto& r) { return r.Fails(); })));
    return failed ? 1 : 0;
}
