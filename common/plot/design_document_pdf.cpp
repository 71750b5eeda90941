#include "common/plot/design_document_pdf.h"

#include "common/files/atomic_file.h"
#include "common/plot/legend_place.h"
#include "common/plot/plot_painter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

namespace vorla::plot {
namespace {

// The page is laid out in points (1/72 in).
constexpr int kResolution = 72;
constexpr double kMarginMm = 15;
constexpr double kGap = 6;                 // between blocks, in points
constexpr double kGraphHeightRatio = 0.56; // a graph's height over its width
constexpr double kSmallestPitch = 5.5;     // a fixed-pitch line's font is not made smaller

// Without shaping, so no ligature ("fi", "ffi") stands for its letters and a
// reader of the PDF's text (a search, pdftotext) finds the words as written.
QFont DocumentFont(const char* family) {
    QFont font(family);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont BodyFont() {
    QFont font = DocumentFont("DejaVu Sans");
    font.setPointSizeF(9.5);
    return font;
}

QFont HeadingFont() {
    QFont font = DocumentFont("DejaVu Sans");
    font.setPointSizeF(13);
    font.setBold(true);
    return font;
}

QFont TitleFont() {
    QFont font = DocumentFont("DejaVu Sans");
    font.setPointSizeF(18);
    font.setBold(true);
    return font;
}

QFont HeaderFont() {
    QFont font = DocumentFont("DejaVu Sans");
    font.setPointSizeF(7.5);
    return font;
}

QFont PitchFont(double size) {
    QFont font = DocumentFont("DejaVu Sans Mono");
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(size);
    return font;
}

enum class ItemKind { Text, WrappedText, Graph };

// One thing drawn on a page, where the layout put it.
struct Item {
    ItemKind Kind = ItemKind::Text;
    QRectF Place;
    QFont Font;
    QString Text;
    const Plot* Graph = nullptr;
};

using Page = std::vector<Item>;

// Fills pages top to bottom, starting a page when the next thing does not fit.
class PageLayout {
  public:
    PageLayout(QPaintDevice& device, double width, double height, double top)
        : device_(device), width_(width), height_(height), top_(top), y_(top) {
        pages_.emplace_back();
    }

    double Width() const { return width_; }
    QPaintDevice& Device() const { return device_; }

    void NewPage() {
        if (!pages_.back().empty()) {
            pages_.emplace_back();
        }
        y_ = top_;
    }

    // Room for `height` more on this page, or a new page.
    void Need(double height) {
        if (y_ + height > height_ && y_ > top_) {
            NewPage();
        }
    }

    void Add(Item item, double height) {
        Need(height);
        item.Place = QRectF(0, y_, width_, height);
        pages_.back().push_back(std::move(item));
        y_ += height;
    }

    void Skip(double height) { y_ += height; }

    std::vector<Page> Pages() && { return std::move(pages_); }

  private:
    QPaintDevice& device_;
    double width_;
    double height_;
    double top_;
    double y_;
    std::vector<Page> pages_;
};

double WrappedHeight(const QFont& font, QPaintDevice& device, double width, const QString& text) {
    const QFontMetricsF metrics(font, &device);
    return metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
}

// The fixed-pitch font in which every line fits the width.
QFont FittingPitchFont(const std::vector<std::string>& lines, QPaintDevice& device, double width) {
    QFont font = PitchFont(8.5);
    const QFontMetricsF metrics(font, &device);
    double widest = 0;
    for (const auto& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line)));
    }
    if (widest > width) {
        font.setPointSizeF(std::max(kSmallestPitch, font.pointSizeF() * width / widest));
    }
    return font;
}

void LayOutBlock(const DocumentBlock& block, PageLayout& layout) {
    QPaintDevice& device = layout.Device();
    switch (block.Kind) {
    case DocumentBlockKind::Paragraph:
        for (const auto& line : block.Lines) {
            const QString text = QString::fromStdString(line);
            const double height = WrappedHeight(BodyFont(), device, layout.Width(), text);
            layout.Add({ItemKind::WrappedText, {}, BodyFont(), text, nullptr}, height + 2);
        }
        break;
    case DocumentBlockKind::Lines: {
        const QFont font = FittingPitchFont(block.Lines, device, layout.Width());
        const double height = QFontMetricsF(font, &device).lineSpacing();
        for (const auto& line : block.Lines) {
            layout.Add({ItemKind::Text, {}, font, QString::fromStdString(line), nullptr}, height);
        }
        break;
    }
    case DocumentBlockKind::Graph:
        layout.Add({ItemKind::Graph, {}, {}, {}, &block.Graph}, layout.Width() * kGraphHeightRatio);
        break;
    }
    layout.Skip(kGap);
}

std::vector<Page> LayOut(const DesignDocument& document, QPaintDevice& device, double width,
                         double height, double top) {
    PageLayout layout(device, width, height, top);
    const QString title = QString::fromStdString(document.Title);
    layout.Add({ItemKind::WrappedText, {}, TitleFont(), title, nullptr},
               WrappedHeight(TitleFont(), device, width, title) + kGap);
    const double headingHeight = QFontMetricsF(HeadingFont(), &device).lineSpacing() + 3;
    for (const auto& section : document.Sections) {
        if (section.StartsPage) {
            layout.NewPage();
        }
        // A heading stays with the start of what it heads: a line, or a graph.
        const bool graphFirst =
            !section.Blocks.empty() && section.Blocks.front().Kind == DocumentBlockKind::Graph;
        layout.Need(headingHeight + (graphFirst ? width * kGraphHeightRatio : 3 * headingHeight));
        layout.Add(
            {ItemKind::Text, {}, HeadingFont(), QString::fromStdString(section.Heading), nullptr},
            headingHeight);
        for (const auto& block : section.Blocks) {
            LayOutBlock(block, layout);
        }
        layout.Skip(kGap);
    }
    return std::move(layout).Pages();
}

void PaintItem(QPainter& painter, const Item& item) {
    if (item.Kind == ItemKind::Graph) {
        if (item.Graph->Legend == LegendPlace::None) {
            PaintPlot(painter, item.Place, *item.Graph, PlotLetters::AsWritten);
            return;
        }
        // The legend where the curves cross least, as the graph windows place it.
        Plot placed = *item.Graph;
        placed.Legend = LeastCoveredCorner(placed);
        PaintPlot(painter, item.Place, placed, PlotLetters::AsWritten);
        return;
    }
    painter.setFont(item.Font);
    painter.setPen(Qt::black);
    const int flags =
        Qt::AlignLeft | Qt::AlignTop | (item.Kind == ItemKind::WrappedText ? Qt::TextWordWrap : 0);
    painter.drawText(item.Place, flags, item.Text);
}

} // namespace

std::string DesignDocumentPdf(const DesignDocument& document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(QString::fromStdString(document.Title));
    writer.setCreator("VORLA suite");

    const double width = writer.width();
    const double height = writer.height();
    const QFontMetricsF headerMetrics(HeaderFont(), &writer);
    const double headerHeight = headerMetrics.lineSpacing() + 4;
    const auto pages = LayOut(document, writer, width, height, headerHeight + kGap);

    QPainter painter(&writer);
    const QString header = QString::fromStdString(document.PageHeader);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            writer.newPage();
        }
        painter.setFont(HeaderFont());
        painter.setPen(Qt::black);
        const QRectF line(0, 0, width, headerMetrics.lineSpacing());
        const QString number = QString("Page %1 of %2").arg(p + 1).arg(pages.size());
        const double numberWidth = headerMetrics.horizontalAdvance(number) + 12;
        painter.drawText(line.adjusted(0, 0, -numberWidth, 0), Qt::AlignLeft | Qt::AlignTop,
                         headerMetrics.elidedText(header, Qt::ElideMiddle, width - numberWidth));
        painter.drawText(line, Qt::AlignRight | Qt::AlignTop, number);
        painter.drawLine(QPointF(0, headerHeight - 2), QPointF(width, headerHeight - 2));
        for (const auto& item : pages[p]) {
            PaintItem(painter, item);
        }
    }
    painter.end();
    buffer.close();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<std::string> WriteDesignDocumentPdf(const std::string& path,
                                                  const DesignDocument& document) {
    return WriteFileAtomically(path, DesignDocumentPdf(document));
}

} // namespace vorla::plot
