#include "common/ui/graph_export.h"

#include "common/files/atomic_file.h"
#include "common/plot/plot_files.h"
#include "common/plot/plot_painter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <string_view>

namespace vorla::ui {
namespace {

// The resolution a picture's logical pixels are read at in a PDF.
constexpr int kPdfPixelsPerInch = 96;

QByteArray PdfBytes(const plot::Plot& plot, QSize logicalSize) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfPixelsPerInch);
    writer.setCreator(QStringLiteral("VORLA"));
    writer.setTitle(QString::fromStdString(plot.Title));
    const QSizeF points(logicalSize.width() * 72.0 / kPdfPixelsPerInch,
                        logicalSize.height() * 72.0 / kPdfPixelsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, {}, QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return {};
    }
    plot::PaintPlot(painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)), plot);
    painter.end();
    return bytes;
}

} // namespace

std::optional<GraphFileType> GraphFileTypeOf(const std::string& path) {
    const QString suffix = QString::fromStdString(path).section(u'.', -1).toLower();
    if (!QString::fromStdString(path).contains(u'.')) {
        return std::nullopt;
    }
    if (suffix == u"png") {
        return GraphFileType::Png;
    }
    if (suffix == u"svg") {
        return GraphFileType::Svg;
    }
    if (suffix == u"pdf") {
        return GraphFileType::Pdf;
    }
    return std::nullopt;
}

QSize GraphPixelSize(QSize logicalSize, double devicePixelRatio) {
    const double ratio =
        std::isfinite(devicePixelRatio) && devicePixelRatio > 0 ? devicePixelRatio : 1;
    return {std::max(1, static_cast<int>(std::lround(logicalSize.width() * ratio))),
            std::max(1, static_cast<int>(std::lround(logicalSize.height() * ratio)))};
}

QByteArray GraphFileBytes(const plot::Plot& plot, GraphFileType type, QSize logicalSize,
                          QSize pixelSize) {
    if (logicalSize.isEmpty() || pixelSize.isEmpty()) {
        return {};
    }
    switch (type) {
    case GraphFileType::Png:
        return plot::PlotPngBytes(plot, pixelSize);
    case GraphFileType::Svg:
        return plot::PlotSvgText(plot, logicalSize);
    case GraphFileType::Pdf:
        return PdfBytes(plot, logicalSize);
    }
    return {};
}

std::optional<std::string> ExportGraph(const std::string& path, const plot::Plot& plot,
                                       QSize logicalSize, QSize pixelSize) {
    const auto type = GraphFileTypeOf(path);
    if (!type) {
        return "The graph cannot be written to " + path +
               ": the name must end in .png, .svg or .pdf.";
    }
    const QByteArray bytes = GraphFileBytes(plot, *type, logicalSize, pixelSize);
    if (bytes.isEmpty()) {
        return "The picture of the graph for " + path + " could not be drawn.";
    }
    return WriteFileAtomically(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace vorla::ui
