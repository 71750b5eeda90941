#include "compartment/model/report_printing.h"

#include "common/text/format.h"
#include "compartment/model/report_text.h"

namespace vorla::compartment {
namespace {

constexpr std::string_view kIndent = "      ";
constexpr std::size_t kPageNumberColumn = 60; // the version line is padded to this width

} // namespace

std::vector<std::string> PrintPageHeader(const RunInputs& in, int pageNumber) {
    std::vector<std::string> lines(3);
    std::string version(kVersionLine);
    version.resize(kPageNumberColumn, ' ');
    lines.push_back(std::string(kIndent) + version + "Page " + RightAlign(pageNumber, "##"));
    lines.emplace_back();
    lines.push_back(std::string(kIndent) + in.RunTitle);
    lines.push_back(std::string(kIndent) + OutputFileLine(in.OutputFile));
    for (int line = 4; line <= 13; ++line) {
        lines.push_back(std::string(kIndent) + InputLine(in, line));
    }
    lines.emplace_back(kIndent);
    for (int line = 15; line <= 17; ++line) {
        lines.push_back(std::string(kIndent) + std::string(ColumnTitleLine(line)));
    }
    return lines;
}

std::optional<std::vector<PrintedPage>> PrintedReport(const RunInputs& in,
                                                      const RunResults& results,
                                                      std::string_view endMessage,
                                                      double linesPerPage) {
    return PaginateReport(
        results.LastRow, linesPerPage, [&](int r) { return ReportRow(in, results, r); },
        [&](int page) { return PrintPageHeader(in, page); }, endMessage);
}

} // namespace vorla::compartment
