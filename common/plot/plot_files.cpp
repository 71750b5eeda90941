#include "common/plot/plot_files.h"

#include "common/files/atomic_file.h"
#include "common/plot/plot_painter.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <string_view>

namespace vorla::plot {
namespace {

std::optional<std::string> WriteBytes(const std::string& path, const QByteArray& bytes,
                                      std::string_view kind) {
    if (bytes.isEmpty()) {
        return "The " + std::string(kind) + " picture for " + path + " could not be drawn.";
    }
    return WriteFileAtomically(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace

QImage RenderPlotImage(const Plot& plot, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPlot(painter, QRectF(QPointF(0, 0), QSizeF(size)), plot);
    painter.end();
    return image;
}

QByteArray PlotSvgText(const Plot& plot, QSize size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    generator.setTitle(QString::fromStdString(plot.Title));
    generator.setDescription(QStringLiteral("VORLA plot"));
    QPainter painter(&generator);
    PaintPlot(painter, QRectF(QPointF(0, 0), QSizeF(size)), plot);
    painter.end();
    return buffer.data();
}

QByteArray PlotPngBytes(const Plot& plot, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!RenderPlotImage(plot, size).save(&buffer, "PNG")) {
        return {};
    }
    return bytes;
}

std::optional<std::string> WritePlotSvg(const std::string& path, const Plot& plot, QSize size) {
    return WriteBytes(path, PlotSvgText(plot, size), "SVG");
}

std::optional<std::string> WritePlotPng(const std::string& path, const Plot& plot, QSize size) {
    return WriteBytes(path, PlotPngBytes(plot, size), "PNG");
}

} // namespace vorla::plot
