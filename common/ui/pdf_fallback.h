// Printing where the system has no printer: rather than failing, Print offers to
// write the report to a PDF file, through the same message box and Save As dialog
// as every other question, so it behaves alike on screen and under test.
#pragma once

#include "common/ui/platform_services.h"

#include <optional>
#include <string>

namespace vorla::ui {

inline constexpr const char* kNoPrinterQuestion =
    "No printer is installed. Do you want to write the report to a PDF file instead?";
inline constexpr const char* kPdfDialogTitle = "Save Report as PDF";
inline constexpr const char* kPdfFilter = "PDF Files (*.pdf)|*.pdf";

// Asks the question (Yes and No, titled request.Title); on Yes, asks for the PDF
// file with a Save As dialog that starts in the data directory with the suggested
// name and confirms an overwrite. The chosen path, with ".pdf" added to a name
// typed without an extension; nothing when the user says No or cancels.
std::optional<std::string> AskForPdfInstead(PlatformServices& services,
                                            const PrintRequest& request);

} // namespace vorla::ui
