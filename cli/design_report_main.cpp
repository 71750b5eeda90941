// vorla-design-report DESCRIPTION OUTPUT.pdf: draws the design report that
// DESCRIPTION holds (the JSON of common/plot/design_document.h, written by
// `vorla compartment|smoke ... --design-report`) as a PDF, written atomically
// to OUTPUT.pdf. The batch command runs it so that it links no Qt itself, as
// it runs vorla-study-plots for a study's plots.
#include "common/plot/design_document.h"
#include "common/plot/design_document_pdf.h"
#include "common/plot/offscreen_gui.h"
#include "common/files/text_file.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

// The description of the longest run (9000 s, every row, its table and its
// graphs) is well under a megabyte; this leaves room and still bounds the read.
constexpr std::size_t kLargestDescription = 16 * 1024 * 1024;

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::string_view(argv[1]).empty() || std::string_view(argv[2]).empty()) {
        std::cerr << "usage: vorla-design-report DESCRIPTION OUTPUT.pdf (vorla compartment and "
                     "vorla smoke run this program themselves for --design-report)\n";
        return 2;
    }
    const std::string descriptionPath = argv[1];
    const auto file = vorla::ReadWholeFile(descriptionPath, kLargestDescription);
    if (file.problem) {
        std::cerr << "The file " << descriptionPath << " cannot be read (" << *file.problem
                  << ").\n";
        return 1;
    }
    const auto document = vorla::ReadDesignDocumentJson(file.text);
    if (const auto* problem = std::get_if<std::string>(&document)) {
        std::cerr << *problem << "\n";
        return 1;
    }
    const vorla::plot::OffscreenGui gui;
    if (const auto problem = vorla::plot::WriteDesignDocumentPdf(
            argv[2], std::get<vorla::DesignDocument>(document))) {
        std::cerr << *problem << "\n";
        return 1;
    }
    return 0;
}
