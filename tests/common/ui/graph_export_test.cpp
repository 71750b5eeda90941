// Export… and Copy Image of the graph windows: each file type written through
// the Save dialog and opened back as a user's viewer would, the failures named,
// and the picture on the clipboard.
#include "common/ui/fake_platform.h"
#include "common/ui/graph_export.h"
#include "common/ui/graph_window.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

using vorla::ui::FakePlatform;
using vorla::ui::GraphFileType;
using vorla::ui::GraphFileTypeOf;
using vorla::ui::GraphPixelSize;

Q_DECLARE_METATYPE(std::optional<GraphFileType>)

namespace {

struct WithPlatform {
    QTemporaryDir folder;
    FakePlatform platform{folder.path().toStdString()};
};

// A graph of a fire growing to 800 kW in 4 minutes and holding to 10.
class FireGraph final : private WithPlatform, public vorla::ui::GraphWindow {
  public:
    using WithPlatform::folder;
    using WithPlatform::platform;

    FireGraph() : GraphWindow(platform) {
        setWindowTitle("QDOT-XW: Graph");
        lblPlotTitle->setText("Sofa, fast growth");
        lblYTitle->setText("Rate of Heat Release (kW)");
        const double times[] = {0, 4, 10};
        const double rates[] = {0, 800, 800};
        for (int i = 0; i < 3; ++i) {
            PlotX[i] = times[i];
            PlotY[i] = rates[i];
        }
        ScaleTimeAxis(10);
        ScaleValueAxis(800);
        PlotSeries(2);
        resize(700, 480);
    }

    QString Path(const QString& name) const { return folder.filePath(name); }
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PixelsOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

const QColor kYellow(255, 255, 0);
const QColor kPlotBackground(12, 20, 38);

} // namespace

class GraphExportTest : public QObject {
    Q_OBJECT

  private slots:
    void FileTypeFromTheName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<std::optional<GraphFileType>>("type");
        QTest::newRow("png") << "/tmp/a.png" << std::optional(GraphFileType::Png);
        QTest::newRow("capitals") << "A.PNG" << std::optional(GraphFileType::Png);
        QTest::newRow("svg") << "b.svg" << std::optional(GraphFileType::Svg);
        QTest::newRow("mixed pdf") << "c.PdF" << std::optional(GraphFileType::Pdf);
        QTest::newRow("two dots") << "run.1.pdf" << std::optional(GraphFileType::Pdf);
        QTest::newRow("jpeg") << "d.jpg" << std::optional<GraphFileType>();
        QTest::newRow("no extension") << "png" << std::optional<GraphFileType>();
        QTest::newRow("dot in the folder") << "/x.png/graph" << std::optional<GraphFileType>();
        QTest::newRow("empty") << "" << std::optional<GraphFileType>();
    }
    void FileTypeFromTheName() {
        QFETCH(QString, path);
        QFETCH(std::optional<GraphFileType>, type);
        QVERIFY(GraphFileTypeOf(path.toStdString()) == type);
    }

    void PixelSizeFollowsTheScreen_data() {
        QTest::addColumn<QSize>("logical");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("1x") << QSize(760, 520) << 1.0 << QSize(760, 520);
        QTest::newRow("2x") << QSize(760, 520) << 2.0 << QSize(1520, 1040);
        QTest::newRow("1.5x, halves up") << QSize(761, 521) << 1.5 << QSize(1142, 782);
        QTest::newRow("1.25x") << QSize(640, 480) << 1.25 << QSize(800, 600);
        QTest::newRow("no ratio") << QSize(100, 80) << 0.0 << QSize(100, 80);
        QTest::newRow("not a number") << QSize(100, 80) << std::nan("") << QSize(100, 80);
        QTest::newRow("empty window") << QSize(0, 0) << 2.0 << QSize(1, 1);
    }
    void PixelSizeFollowsTheScreen() {
        QFETCH(QSize, logical);
        QFETCH(double, ratio);
        QFETCH(QSize, pixels);
        QCOMPARE(GraphPixelSize(logical, ratio), pixels);
    }

    void TheDialogOffersTheThreeTypes() {
        FireGraph graph;
        graph.show();
        graph.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&graph));
        graph.platform.CancelNextDialog();
        QTest::keyClick(&graph, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(graph.platform.FileDialogs().size(), std::size_t{1});
        const auto& request = graph.platform.FileDialogs()[0].Request;
        QVERIFY(request.Kind == vorla::ui::FileDialogKind::SaveAs);
        QVERIFY(request.ConfirmOverwrite);
        QCOMPARE(QString::fromStdString(request.Filter),
                 QString("PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|"
                         "PDF Document (*.pdf)|*.pdf"));
        QVERIFY(graph.platform.Messages().empty()); // cancelled: nothing said
        QVERIFY(QDir(graph.folder.path()).isEmpty());
        QVERIFY(graph.findChild<QPushButton*>("cmdExport")->toolTip().contains("Ctrl+E"));
        QVERIFY(graph.findChild<QPushButton*>("cmdCopyImage")->toolTip().contains("Ctrl+C"));
    }

    void PngIsTheWindowsSizeInPixels() {
        FireGraph graph;
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        graph.platform.ChooseInNextDialog(graph.Path("fire.png").toStdString());
        QTest::mouseClick(graph.findChild<QPushButton*>("cmdExport"), Qt::LeftButton);
        QVERIFY(graph.platform.Messages().empty());
        QImage image;
        QVERIFY(image.load(graph.Path("fire.png"), "PNG"));
        QCOMPARE(image.size(), graph.size() * graph.devicePixelRatioF());
        QVERIFY(PixelsOf(image, kYellow) > 300);            // the curve, ~ 400 px long
        QVERIFY(PixelsOf(image, kPlotBackground) > 100000); // the dark plotting area
    }

    void SvgHasTheWindowsViewBox() {
        FireGraph graph;
        graph.platform.ChooseInNextDialog(graph.Path("fire.svg").toStdString());
        graph.findChild<QPushButton*>("cmdExport")->click();
        QVERIFY(graph.platform.Messages().empty());
        const QByteArray svg = Contents(graph.Path("fire.svg"));
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 700, 480));
        QVERIFY(svg.contains("Sofa, fast growth"));
        QVERIFY(svg.contains("Rate of Heat Release (kW)"));
    }

    void PdfHasOnePageOfTheWindowsSize() {
        FireGraph graph;
        graph.platform.ChooseInNextDialog(graph.Path("fire.pdf").toStdString());
        graph.findChild<QPushButton*>("cmdExport")->click();
        QVERIFY(graph.platform.Messages().empty());
        const QByteArray pdf = Contents(graph.Path("fire.pdf"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        const QString text = QString::fromLatin1(pdf);
        QCOMPARE(text.count(QRegularExpression("/Type\\s*/Page(?![s])")), 1);
        // 700 x 480 pixels at 96 per inch are 525 x 360 points.
        const auto box =
            QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)").match(text);
        QVERIFY(box.hasMatch());
        QVERIFY(std::abs(box.captured(1).toDouble() - 525) < 1);
        QVERIFY(std::abs(box.captured(2).toDouble() - 360) < 1);
    }

    // A name the picture cannot go to is named in a message and nothing on
    // disk changes.
    void FailuresAreNamedAndLeaveFilesAlone_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("no such folder") << "missing/fire.png"
                                        << "missing/fire.png";
        QTest::newRow("other type") << "fire.jpg"
                                    << "must end in .png, .svg or .pdf";
        QTest::newRow("read-only file") << "kept.svg"
                                        << "kept.svg";
    }
    void FailuresAreNamedAndLeaveFilesAlone() {
        QFETCH(QString, name);
        QFETCH(QString, sentence);
        FireGraph graph;
        {
            QFile kept(graph.Path("kept.svg"));
            QVERIFY(kept.open(QIODevice::WriteOnly));
            kept.write("old picture");
        }
        QFile::setPermissions(graph.Path("kept.svg"), QFile::ReadOwner);
        graph.platform.ChooseInNextDialog(graph.Path(name).toStdString());
        graph.findChild<QPushButton*>("cmdExport")->click();
        QCOMPARE(graph.platform.Messages().size(), std::size_t{1});
        const auto& message = graph.platform.Messages()[0].Request;
        QCOMPARE(QString::fromStdString(message.Title), QString("QDOT-XW: Graph"));
        QVERIFY2(QString::fromStdString(message.Text).contains(sentence), message.Text.c_str());
        QVERIFY(QString::fromStdString(message.Text).endsWith("The graph is not exported."));
        QCOMPARE(QDir(graph.folder.path()).entryList(QDir::Files), QStringList{"kept.svg"});
        QCOMPARE(Contents(graph.Path("kept.svg")), QByteArray("old picture"));
    }

    void CopyImagePutsThePictureOnTheClipboard() {
        FireGraph graph;
        graph.show();
        graph.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&graph));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&graph, Qt::Key_C, Qt::ControlModifier);
        const QImage image = QGuiApplication::clipboard()->image();
        QCOMPARE(image.size(), graph.size() * graph.devicePixelRatioF());
        QVERIFY(PixelsOf(image, kYellow) > 300);
        QVERIFY(graph.platform.Messages().empty());
    }
};

QTEST_MAIN(GraphExportTest)
#include "graph_export_test.moc"
