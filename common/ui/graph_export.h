// The graph windows' pictures as files and on the clipboard: Export… writes
// PNG, SVG or PDF, the type chosen in the Save dialog's filter (and so by the
// name's extension); Copy Image puts the PNG's picture on the clipboard. All
// are painted by the suite's plot painter (common/plot), which gives the batch
// command's plots the windows' look.
//
//   const QSize pixels = GraphPixelSize(window.size(), window.devicePixelRatioF());
//   if (auto error = ExportGraph(path, plot, window.size(), pixels)) { ... }
#pragma once

#include "common/plot/plot.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>
#include <string>

namespace vorla::ui {

enum class GraphFileType { Png, Svg, Pdf };

// The Save dialog's filter of Export…, PNG first.
inline constexpr const char* kGraphExportFilter =
    "PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf";

// The type a file name asks for by its extension (in any letter case), or
// nothing for any other name.
std::optional<GraphFileType> GraphFileTypeOf(const std::string& path);

// A picture of `logicalSize` drawn for a screen of `devicePixelRatio`, in
// pixels (at least 1 by 1).
QSize GraphPixelSize(QSize logicalSize, double devicePixelRatio);

// The picture painted into memory. A PNG is `pixelSize` large; an SVG has a
// view box of `logicalSize`; a PDF has one page of `logicalSize` read as
// pixels at 96 per inch. Empty when the picture cannot be made.
QByteArray GraphFileBytes(const plot::Plot& plot, GraphFileType type, QSize logicalSize,
                          QSize pixelSize);

// The picture of `plot` written whole or not at all (WriteFileAtomically), its
// type from `path`. Nothing on success, else a sentence naming the file.
std::optional<std::string> ExportGraph(const std::string& path, const plot::Plot& plot,
                                       QSize logicalSize, QSize pixelSize);

} // namespace vorla::ui
