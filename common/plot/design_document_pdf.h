// A DesignDocument (common/plot/design_document.h) drawn as a PDF with Qt's PDF
// writer: A4 pages, a header line and "Page x of y" on every page, headings,
// wrapped paragraphs, fixed-pitch lines (narrowed to fit the page when a line
// is wider) and the graphs painted as the graph windows paint them
// (PaintPlot), a graph's legend, when it has one, in the corner its curves
// cross least (LeastCoveredCorner), as the graph windows place it. No widgets, so the report
// windows and the batch command's vorla-design-report draw it alike.
#pragma once

#include "common/plot/design_document.h"

#include <optional>
#include <string>

namespace vorla::plot {

// The PDF file's bytes. Needs a QGuiApplication (OffscreenGui) for the fonts.
std::string DesignDocumentPdf(const DesignDocument& document);

// Writes the PDF to `path` through WriteFileAtomically; the writer's sentence
// naming the file when it fails.
std::optional<std::string> WriteDesignDocumentPdf(const std::string& path,
                                                  const DesignDocument& document);

} // namespace vorla::plot
