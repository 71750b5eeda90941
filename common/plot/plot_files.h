// A plot as an SVG or PNG file, or in memory for a test or a comparison.
// Painting needs a QGuiApplication (offscreen_gui.h makes one without a
// display).
#pragma once

#include "common/plot/plot.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>
#include <string>

namespace vorla::plot {

// The plot painted into a picture `size` pixels large.
QImage RenderPlotImage(const Plot& plot, QSize size);

// The SVG text of the plot, `size` pixels large (its title is the plot's).
QByteArray PlotSvgText(const Plot& plot, QSize size);

// The PNG bytes of RenderPlotImage.
QByteArray PlotPngBytes(const Plot& plot, QSize size);

// Write the file whole or not at all (common/files/atomic_file.h); a failure is
// returned as a sentence naming the file and the reason.
std::optional<std::string> WritePlotSvg(const std::string& path, const Plot& plot, QSize size);
std::optional<std::string> WritePlotPng(const std::string& path, const Plot& plot, QSize size);

} // namespace vorla::plot
