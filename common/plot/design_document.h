// A design report as a plain value: sections of paragraphs, fixed-pitch lines
// (tables) and graphs, with the header every page carries. It holds no Qt
// type, so the models' code and the batch command build it; the Qt writer
// (common/plot/design_document_pdf.h) lays it out on pages and draws it. The
// batch command hands it to that writer's program (vorla-design-report) as
// the JSON of DesignDocumentJson.
#pragma once

#include "common/plot/plot.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla {

enum class DocumentBlockKind {
    Paragraph, // each line a paragraph in the body font, wrapped at the margin
    Lines,     // each line as it is, in a fixed-pitch font (a table, a report)
    Graph,     // one plot across the page's width
};

struct DocumentBlock {
    DocumentBlockKind Kind = DocumentBlockKind::Paragraph;
    std::vector<std::string> Lines; // Paragraph and Lines
    plot::Plot Graph = {};          // Graph
};

struct DocumentSection {
    std::string Heading;
    std::vector<DocumentBlock> Blocks;
    bool StartsPage = false; // an appendix begins on a page of its own
};

struct DesignDocument {
    std::string Title;      // the first line of the first page, large
    std::string PageHeader; // the top line of every page, beside "Page x of y"
    std::vector<DocumentSection> Sections;
};

// The document with the time axis of every graph in `unit` (plot::WithTimeIn):
// the Preferences' time axis in the windows, --time-axis in the batch command.
DesignDocument WithTimeIn(DesignDocument document, plot::TimeAxisUnit unit);

// The document as JSON, every text and number kept.
std::string DesignDocumentJson(const DesignDocument& document);

// The document of DesignDocumentJson's text, or the sentence saying what in it
// is not one.
std::variant<DesignDocument, std::string> ReadDesignDocumentJson(std::string_view text);

} // namespace vorla
