// The report window's ways of getting results out besides Save and Print:
// Export CSV… writes every row as `vorla … --csv` does, Export Design Report…
// the design report as `vorla … --design-report` does, and Copy puts the
// table on the screen on the clipboard as tab-separated text.
#pragma once

#include "common/plot/design_document.h"
#include "common/text/table_cells.h"
#include "common/ui/platform_services.h"

#include <string>

namespace vorla::ui {

inline constexpr const char* kCsvFilter = "CSV files (*.csv)|*.csv|All files (*)|*";
inline constexpr const char* kExportCsvTitle = "Export CSV";

inline constexpr const char* kPdfFilter = "PDF files (*.pdf)|*.pdf|All files (*)|*";
inline constexpr const char* kExportDesignReportTitle = "Export Design Report";

// "office.pdf" for the report "office.sdf"; "design-report.pdf" when the
// report has no name.
std::string PdfFileNameFor(const std::string& outputFile);

// Asks for a file and writes the document to it as PDF (WriteFileAtomically),
// never over `fireFile`, the fire file the run read, its graphs' time axis in
// the unit Preferences… chooses, as the graph windows show it. A failure is a
// message titled `programName` naming the file and why. True when a file was
// written.
bool ExportDesignReport(PlatformServices& services, const std::string& programName,
                        const std::string& outputFile, const std::string& fireFile,
                        const DesignDocument& document);

// "office.csv" for the report "office.sdf" (or a path ending in it); "results.csv"
// when the report has no name.
std::string CsvFileNameFor(const std::string& outputFile);

// Asks for a file and writes `csv` to it whole (WriteFileAtomically). A failure
// is a message titled `programName` naming the file and why. True when a file
// was written.
bool ExportCsv(PlatformServices& services, const std::string& programName,
               const std::string& outputFile, const std::string& csv);

// The table, a header line then one line per row, as tab-separated text on the
// clipboard.
void CopyTable(const TableCells& table);

} // namespace vorla::ui
