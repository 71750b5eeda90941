#include "smoke_filling/model/report_printing.h"

#include "common/text/format.h"
#include "smoke_filling/model/report_text.h"

namespace vorla::smoke {
namespace {

constexpr std::string_view kIndent = "      ";
constexpr std::size_t kPageLabelColumn = 60;

} // namespace

std::vector<std::string> PrintPageHeader(const RunInputs& inputs, int pageNumber) {
    std::vector<std::string> lines(3);
    std::string pageLine(kIndent);
    pageLine += kVersionLine;
    pageLine.append(kPageLabelColumn - kVersionLine.size(), ' ');
    pageLine += "Page " + RightAlign(pageNumber, "##");
    lines.push_back(pageLine);
    lines.emplace_back();
    for (const std::string& line : ReportHeaderLines(inputs)) {
        lines.push_back(std::string(kIndent) + line);
    }
    return lines;
}

std::optional<std::vector<PrintedPage>> PrintedReport(const RunInputs& inputs,
                                                      const RunResults& results,
                                                      std::string_view endMessage,
                                                      double linesPerPage) {
    return PaginateReport(
        results.LastRow, linesPerPage, [&](int row) { return ReportRow(inputs, results, row); },
        [&](int pageNumber) { return PrintPageHeader(inputs, pageNumber); }, endMessage);
}

} // namespace vorla::smoke
