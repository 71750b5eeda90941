#include "common/plot/axis_scaling.h"
#include "common/ui/fake_platform.h"
#include "common/ui/graph_picture.h"
#include "common/ui/graph_window.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using vorla::ui::GraphPicture;
using vorla::ui::GraphWindow;
using vorla::ui::kPlotCapacity;

namespace {

// Made before the window that keeps a reference to it.
struct WithPlatform {
    vorla::ui::FakePlatform platform{QDir::tempPath().toStdString()};
};

// A graph window as a program derives it: a button beside Close, and a Close
// that only counts (as a window that asks a question and stays open would).
class CountingGraph final : private WithPlatform, public GraphWindow {
  public:
    using WithPlatform::platform;

    CountingGraph() : GraphWindow(platform) {
        auto* save = new QPushButton("&Save", this);
        save->setObjectName("cmdSave");
        ButtonRow()->addWidget(save);
    }
    // What a derived window plots with, opened to the test.
    using GraphWindow::AddCommandButton;
    using GraphWindow::lblXLabel;
    using GraphWindow::lblYLabel;
    using GraphWindow::picGraph;
    using GraphWindow::PlotSeries;
    using GraphWindow::PlotX;
    using GraphWindow::PlotY;
    using GraphWindow::ScaleTimeAxis;
    using GraphWindow::ScaleValueAxis;
    using GraphWindow::ShowComparisons;
    using GraphWindow::XScale;
    using GraphWindow::YScale;

    int closeClicks = 0;
    bool leaveOnClose = false;
    void cmdClose_Click() override {
        ++closeClicks;
        if (leaveOnClose) {
            Leave();
        }
    }
};

QStringList LabelsOf(const GraphWindow& window, const char* name) {
    QStringList texts;
    for (int a = 0; a < 6; ++a) {
        texts << window.findChild<QLabel*>(QString("%1(%2)").arg(name).arg(a))->text();
    }
    return texts;
}

bool HasColour(const QImage& image, int x, int y, const QColor& colour) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
           image.pixelColor(x, y) == colour;
}

// A pixel of `colour` within `radius` of the widget position of a logical point.
bool ColourNear(const GraphPicture& picture, const QImage& image, QPointF logical,
                const QColor& colour, int radius) {
    const QPointF at = picture.ToWidget(logical);
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (HasColour(image, static_cast<int>(at.x()) + dx, static_cast<int>(at.y()) + dy,
                          colour)) {
                return true;
            }
        }
    }
    return false;
}

const QColor kCyan(0, 255, 255); // the first compared curve's colour

// Pixels of `colour` in the part of `image` whose fractions of the width and
// height lie in the given ranges.
int CountIn(const QImage& image, const QColor& colour, double left, double right, double top,
            double bottom) {
    int count = 0;
    for (int y = static_cast<int>(top * image.height()); y < bottom * image.height(); ++y) {
        for (int x = static_cast<int>(left * image.width()); x < right * image.width(); ++x) {
            count += HasColour(image, x, y, colour) ? 1 : 0;
        }
    }
    return count;
}

bool YellowNear(const GraphPicture& picture, const QImage& image, QPointF logical, int radius = 2) {
    return ColourNear(picture, image, logical, GraphPicture::kSeriesColour, radius);
}

int YellowCount(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += HasColour(image, x, y, GraphPicture::kSeriesColour) ? 1 : 0;
        }
    }
    return count;
}

// The rows (or columns) of `image` along a column (row) at `at` whose pixel has
// `colour`, as the centres of each run of touching pixels.
std::vector<double> RunsOf(const QImage& image, Qt::Orientation along, int at,
                           const QColor& colour) {
    std::vector<double> centres;
    const int length = along == Qt::Vertical ? image.height() : image.width();
    int start = -1;
    for (int i = 0; i <= length; ++i) {
        const bool hit = i < length && (along == Qt::Vertical ? HasColour(image, at, i, colour)
                                                              : HasColour(image, i, at, colour));
        if (hit && start < 0) {
            start = i;
        } else if (!hit && start >= 0) {
            centres.push_back((start + i - 1) / 2.0);
            start = -1;
        }
    }
    return centres;
}

} // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

    static void Show(GraphWindow& window) {
        window.resize(760, 520);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

  private slots:
    void HasTheSharedControls() {
        CountingGraph window;
        QCOMPARE(window.objectName(), QString("frmGraph"));
        QCOMPARE(window.findChild<QLabel*>("lblXTitle")->text(), QString("Time (min)"));
        QCOMPARE(window.findChild<QPushButton*>("cmdClose")->text(), QString("&Close"));
        QVERIFY(window.findChild<QLabel*>("lblYTitle"));
        QVERIFY(window.findChild<QLabel*>("lblPlotTitle"));
        QVERIFY(window.findChild<GraphPicture*>("picGraph"));
        QVERIFY(window.findChild<QPushButton*>("cmdSave"));
        QCOMPARE(LabelsOf(window, "lblXLabel"), QStringList({"0", "0", "0", "0", "0", "0"}));
        QVERIFY(kPlotCapacity >= 1803);
    }

    // The scales and their tick labels are ScaleTimeAxis' and ScaleValueAxis'
    // (axis_scaling_test); the window keeps them and shows them, with 0 at the
    // origin of each axis.
    void TheAxesShowTheirScalesLabels() {
        CountingGraph window;
        window.ScaleTimeAxis(12.5);
        QCOMPARE(window.XScale, 15.0);
        QCOMPARE(LabelsOf(window, "lblXLabel"), QStringList({"0", "3", "6", "9", "12", "15"}));
        window.ScaleValueAxis(0.03);
        QCOMPARE(window.YScale, 0.05F);
        QCOMPARE(LabelsOf(window, "lblYLabel"),
                 QStringList({"0", "0.0100", "0.0200", "0.0300", "0.0400", "0.0500"}));
        window.ScaleValueAxis(673.8);
        QCOMPARE(window.YScale, 1000.0F);
        QCOMPARE(LabelsOf(window, "lblYLabel"),
                 QStringList({"0", "200", "400", "600", "800", "1000"}));
    }

    void LabelsStandAtTheGridPositions() {
        CountingGraph window;
        Show(window);
        const auto* picture = window.picGraph;
        const QPoint origin = picture->mapTo(&window, QPoint(0, 0));
        for (int a = 0; a < 6; ++a) {
            const auto* x = window.lblXLabel[a];
            const QPoint xCentre = x->mapTo(&window, x->rect().center());
            const double gridX = origin.x() + picture->ToWidget({a * 948.0, 0}).x();
            QVERIFY2(std::abs(xCentre.x() - gridX) <= 2, qPrintable(x->objectName()));
            QVERIFY(xCentre.y() > origin.y() + picture->height()); // under the area
            const auto* y = window.lblYLabel[a];
            const QPoint yCentre = y->mapTo(&window, y->rect().center());
            const double gridY = origin.y() + picture->ToWidget({0, 3135 - a * 627.0}).y();
            QVERIFY2(std::abs(yCentre.y() - gridY) <= 2, qPrintable(y->objectName()));
            QVERIFY(y->mapTo(&window, y->rect().topRight()).x() < origin.x()); // left of it
        }
    }

    // A step drawn at tick values, found in the picture by its colour, against
    // the grid lines found by theirs: a value that is a tick's value lies on
    // that tick's grid line, and 0 lies one grid spacing below the first line.
    void CurveAndGridShareOneMapping_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("xmax");
        QTest::addColumn<double>("ymax");
        QTest::addColumn<int>("j"); // the time tick of the step
        QTest::addColumn<int>("k"); // the value tick of its level part
        QTest::newRow("kW over 10 min") << QSize(760, 520) << 9.5 << 96.0 << 3 << 2;
        QTest::newRow("m over 2.5 min") << QSize(641, 477) << 2.2 << 2.4 << 1 << 4;
        QTest::newRow("kg/s over 150 min") << QSize(1203, 811) << 131.0 << 0.049 << 4 << 1;
        QTest::newRow("large window") << QSize(1900, 1000) << 30.0 << 15000.0 << 2 << 3;
    }
    void CurveAndGridShareOneMapping() {
        QFETCH(QSize, size);
        QFETCH(double, xmax);
        QFETCH(double, ymax);
        QFETCH(int, j);
        QFETCH(int, k);
        CountingGraph window;
        window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.ScaleTimeAxis(xmax);
        window.ScaleValueAxis(ymax);
        // The values are the tick labels' own numbers.
        const double t = window.lblXLabel[j]->text().toDouble();
        const double v = window.lblYLabel[k]->text().toDouble();
        const double full = window.lblXLabel[5]->text().toDouble();
        const double points[][2] = {{0, v}, {t, v}, {t, 0}, {full, 0}};
        for (int i = 0; i < 4; ++i) {
            window.PlotX[i] = points[i][0];
            window.PlotY[i] = points[i][1];
        }
        window.PlotSeries(3);
        const QImage image = window.picGraph->grab().toImage();
        const int w = image.width();

        // Columns halfway between vertical grid lines: left of the step
        // (through the level part) and right of it (only the 0 line).
        const int leftColumn = static_cast<int>(w * (j - 0.5) / 5.0 * 0.98);
        const int rightColumn = static_cast<int>(w * (j + 0.5) / 5.0 * 0.98);
        const auto gridRows = RunsOf(image, Qt::Vertical, rightColumn, GraphPicture::kGridColour);
        QCOMPARE(gridRows.size(), std::size_t{4}); // lines 4, 3, 2, 1 from the top
        const auto levelRows = RunsOf(image, Qt::Vertical, leftColumn, GraphPicture::kSeriesColour);
        QCOMPARE(levelRows.size(), std::size_t{1});
        QVERIFY2(
            std::abs(levelRows[0] - gridRows[4 - k]) <= 1,
            qPrintable(
                QString("level at %1, grid line at %2").arg(levelRows[0]).arg(gridRows[4 - k])));
        const auto zeroRows = RunsOf(image, Qt::Vertical, rightColumn, GraphPicture::kSeriesColour);
        QCOMPARE(zeroRows.size(), std::size_t{1});
        const double spacing = gridRows[3] - gridRows[2];
        QVERIFY2(std::abs(zeroRows[0] - (gridRows[3] + spacing)) <= 1,
                 qPrintable(QString("0 at %1, grid line 1 at %2, spacing %3")
                                .arg(zeroRows[0])
                                .arg(gridRows[3])
                                .arg(spacing)));

        // A row above the top grid line crosses only the grid; one between the
        // 0 line and line 1 crosses the step's rise.
        const auto gridColumns = RunsOf(image, Qt::Horizontal, static_cast<int>(gridRows[0] / 2),
                                        GraphPicture::kGridColour);
        QCOMPARE(gridColumns.size(), std::size_t{4});
        const auto riseColumns =
            RunsOf(image, Qt::Horizontal, static_cast<int>(gridRows[3] + spacing / 2),
                   GraphPicture::kSeriesColour);
        QCOMPARE(riseColumns.size(), std::size_t{1});
        QVERIFY2(std::abs(riseColumns[0] - gridColumns[j - 1]) <= 1,
                 qPrintable(QString("rise at %1, grid line at %2")
                                .arg(riseColumns[0])
                                .arg(gridColumns[j - 1])));

        // The value labels stand level with what they name: "0" with the 0 line.
        const auto* zero = window.lblYLabel[0];
        const double zeroLabel =
            window.picGraph->mapFrom(&window, zero->mapTo(&window, zero->rect().center())).y();
        QVERIFY2(std::abs(zeroLabel - zeroRows[0]) <= 2,
                 qPrintable(QString("label at %1, 0 line at %2").arg(zeroLabel).arg(zeroRows[0])));
    }

    // A fire of 10 t² kW (t in minutes) sampled each minute: between rows 2
    // and 3 the curve is the straight line from 40 to 90 kW.
    void CrosshairReadsTheCurveBetweenRows() {
        CountingGraph window;
        Show(window);
        const double times[] = {0, 1, 2, 3};
        const double rates[] = {0, 10, 40, 90};
        for (int i = 0; i < 4; ++i) {
            window.PlotX[i] = times[i];
            window.PlotY[i] = rates[i];
        }
        window.findChild<QLabel*>("lblYTitle")->setText("Rate of Heat Release (kW)");
        window.ScaleTimeAxis(3);   // 5 minutes
        window.ScaleValueAxis(90); // 100 kW
        window.PlotSeries(3);
        QCOMPARE(window.ReadoutText(), QString()); // nothing until the mouse comes

        // The pointer half way between 2 and 3 minutes: 2.5 of 5 minutes of the
        // frame, which is 4740 of the picture's 4800.
        auto* picture = window.picGraph;
        const int x = static_cast<int>(std::lround(0.5 * 4740 / 4800 * picture->width()));
        QTest::mouseMove(picture, QPoint(x, picture->height() / 2));
        const QStringList parts = window.ReadoutText().split(' ', Qt::SkipEmptyParts);
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[1], QString("min"));
        QCOMPARE(parts[3], QString("kW"));
        const double t = parts[0].toDouble();
        const double onePixel = 5.0 / (picture->width() * 4740.0 / 4800);
        QVERIFY2(std::abs(t - 2.5) <= onePixel, qPrintable(window.ReadoutText()));
        QVERIFY2(std::abs(parts[2].toDouble() - (40 + (t - 2) * 50)) <= 0.051,
                 qPrintable(window.ReadoutText()));
        // The crosshair stands on the curve.
        QVERIFY(picture->Crosshair().has_value());
        const QPointF on = GraphPicture::ValueToLogical({5, 100}, t, 40 + (t - 2) * 50);
        QVERIFY(std::abs(picture->Crosshair()->x() - on.x()) < 1);
        QVERIFY(std::abs(picture->Crosshair()->y() - on.y()) < 1);

        // The arrow keys go row by row from there, and stop at the ends.
        picture->setFocus();
        const struct {
            Qt::Key key;
            const char* readout;
        } steps[] = {
            {Qt::Key_Right, "3.000 min   90.0 kW"}, {Qt::Key_Right, "3.000 min   90.0 kW"},
            {Qt::Key_Left, "2.000 min   40.0 kW"},  {Qt::Key_Left, "1.000 min   10.0 kW"},
            {Qt::Key_Left, "0.000 min   0.0 kW"},   {Qt::Key_Left, "0.000 min   0.0 kW"},
            {Qt::Key_Right, "1.000 min   10.0 kW"},
        };
        for (const auto& step : steps) {
            QTest::keyClick(picture, step.key);
            QCOMPARE(window.ReadoutText(), QString(step.readout));
        }

        // The mouse leaving hides it; Right then starts at the first row, Left
        // at the last.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(picture, &leave);
        QCOMPARE(window.ReadoutText(), QString());
        QVERIFY(!picture->Crosshair().has_value());
        QTest::keyClick(picture, Qt::Key_Right);
        QCOMPARE(window.ReadoutText(), QString("0.000 min   0.0 kW"));
        QApplication::sendEvent(picture, &leave);
        QTest::keyClick(picture, Qt::Key_Left);
        QCOMPARE(window.ReadoutText(), QString("3.000 min   90.0 kW"));

        // Past the end of the curve there is nothing to read.
        QTest::mouseMove(picture, QPoint(picture->width() - 2, 10));
        QCOMPARE(window.ReadoutText(), QString());
    }

    // The readout's decimals follow the value axis: about four significant
    // digits at full scale.
    void ReadoutDigitsFollowTheScale_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("readout");
        QTest::newRow("kW of 15000") << 12345.4 << "Rate of Heat Release (kW)"
                                     << "0.000 min   12345 kW";
        QTest::newRow("°C of 150") << 105.64 << "Upper Layer Temperature (°C)"
                                   << "0.000 min   105.6 °C";
        QTest::newRow("m of 2.5") << 2.4 << "Layer Interface Height (m)"
                                  << "0.000 min   2.400 m";
        QTest::newRow("kg/s of 0.05") << 0.012346 << "Vent Flow (kg/s)"
                                      << "0.000 min   0.01235 kg/s";
        QTest::newRow("no unit") << 3.0 << "Value"
                                 << "0.000 min   3.000";
    }
    void ReadoutDigitsFollowTheScale() {
        QFETCH(double, value);
        QFETCH(QString, title);
        QFETCH(QString, readout);
        CountingGraph window;
        Show(window);
        window.PlotX[0] = 0;
        window.PlotY[0] = value;
        window.PlotX[1] = 1;
        window.PlotY[1] = value;
        window.findChild<QLabel*>("lblYTitle")->setText(title);
        window.ScaleTimeAxis(1);
        window.ScaleValueAxis(value);
        window.PlotSeries(1);
        window.picGraph->setFocus();
        QTest::keyClick(window.picGraph, Qt::Key_Right);
        QCOMPARE(window.ReadoutText(), readout);
    }

    void DrawsTheSeriesAsAYellowPolyline() {
        CountingGraph window;
        Show(window);
        // 0 to 10 minutes: up to 50 in five minutes, then level.
        const double times[] = {0, 5, 10};
        const double values[] = {0, 50, 50};
        for (int i = 0; i < 3; ++i) {
            window.PlotX[i] = times[i];
            window.PlotY[i] = values[i];
        }
        window.PlotX[3] = 9; // beyond `last`: never drawn
        window.PlotY[3] = 95;
        window.ScaleTimeAxis(vorla::ArrayMaximum(window.PlotX, 2));
        window.ScaleValueAxis(vorla::ArrayMaximum(window.PlotY, 2));
        QCOMPARE(window.XScale, 10.0);
        QCOMPARE(window.YScale, 100.0F);
        window.PlotSeries(2);

        auto& picture = *window.picGraph;
        const QImage image = picture.grab().toImage();
        // x = minutes x 474, y = 3135 - value x 31.35.
        QVERIFY(YellowNear(picture, image, {1185, 2351.25}));    // middle of the rise
        QVERIFY(YellowNear(picture, image, {2370, 1567.5}));     // the corner
        QVERIFY(YellowNear(picture, image, {3555, 1567.5}));     // on the level part
        QVERIFY(!YellowNear(picture, image, {1185, 1567.5}, 4)); // above the rise
        QVERIFY(!YellowNear(picture, image, {3555, 2800}, 4));   // under the level part
        QVERIFY(!YellowNear(picture, image, {4266, 156.75}, 6)); // point 3, past `last`
        QVERIFY(!YellowNear(picture, image, {2370, 400}, 6));
        // The grid is drawn, in its own colour.
        QVERIFY(ColourNear(picture, image, {948, 800}, GraphPicture::kGridColour, 1));
        QVERIFY(ColourNear(picture, image, {4000, 627}, GraphPicture::kGridColour, 1));
        QCOMPARE(image.pixelColor(picture.ToWidget({300, 300}).toPoint()),
                 GraphPicture::kBackground);
    }

    // The same curve in the light theme: white where the navy was, the curve
    // black, the frame's left and bottom edges dark as axes.
    void TheLightThemeDrawsOnWhiteWithDarkAxes() {
        CountingGraph window;
        Show(window);
        const double times[] = {0, 5, 10};
        const double values[] = {0, 50, 50};
        for (int i = 0; i < 3; ++i) {
            window.PlotX[i] = times[i];
            window.PlotY[i] = values[i];
        }
        window.ScaleTimeAxis(vorla::ArrayMaximum(window.PlotX, 2));
        window.ScaleValueAxis(vorla::ArrayMaximum(window.PlotY, 2));
        window.picGraph->SetTheme(vorla::plot::GraphTheme::Light);
        window.PlotSeries(2);

        auto& picture = *window.picGraph;
        const QImage image = picture.grab().toImage();
        const auto luminance = [](QColor c) {
            return 0.2126 * c.red() + 0.7152 * c.green() + 0.0722 * c.blue();
        };
        QCOMPARE(image.pixelColor(picture.ToWidget({300, 300}).toPoint()), QColor(Qt::white));
        QVERIFY(ColourNear(picture, image, {2370, 1567.5}, QColor(Qt::black), 2)); // the corner
        QVERIFY(!YellowNear(picture, image, {2370, 1567.5}, 4));
        const QPoint leftEdge = picture.ToWidget({0, 1500}).toPoint();
        const QPoint bottomEdge = picture.ToWidget({1500, GraphPicture::kFrameBottom}).toPoint();
        QVERIFY(luminance(image.pixelColor(leftEdge)) < 64);
        QVERIFY(luminance(image.pixelColor(bottomEdge.x(),
                                           std::min(bottomEdge.y(), image.height() - 1))) < 64);
        // The grid stays lighter than the axes, darker than the paper.
        // (the darkest pixel by the grid line x = 948, which may round either way)
        const QPoint gridAt = picture.ToWidget({948, 800}).toPoint();
        double grid = 255;
        for (int dx = -1; dx <= 1; ++dx) {
            grid = std::min(grid, luminance(image.pixelColor(gridAt + QPoint(dx, 0))));
        }
        QVERIFY2(grid > 64 && grid < 250, qPrintable(QString::number(grid)));
    }

    void RedrawingClearsTheOldSeries() {
        CountingGraph window;
        Show(window);
        window.PlotX[0] = 0;
        window.PlotY[0] = 90;
        window.PlotX[1] = 10;
        window.PlotY[1] = 90;
        window.ScaleTimeAxis(10);
        window.ScaleValueAxis(90);
        window.PlotSeries(1);
        auto& picture = *window.picGraph;
        QVERIFY(YellowNear(picture, picture.grab().toImage(), {2370, 313.5}));
        window.PlotY[0] = 10;
        window.PlotY[1] = 10;
        window.PlotSeries(1);
        const QImage image = picture.grab().toImage();
        QVERIFY(!YellowNear(picture, image, {2370, 313.5}, 4));
        QVERIFY(YellowNear(picture, image, {2370, 2821.5}));
    }

    void OnePointIsADot() {
        CountingGraph window;
        Show(window);
        window.PlotX[0] = 5;
        window.PlotY[0] = 50;
        window.PlotX[1] = 1; // whatever the arrays hold after the last point
        window.PlotY[1] = 1;
        window.ScaleTimeAxis(10);
        window.ScaleValueAxis(99);
        window.PlotSeries(0);
        auto& picture = *window.picGraph;
        const QImage image = picture.grab().toImage();
        QVERIFY(YellowNear(picture, image, {2370, 1567.5}, 1));
        const int yellow = YellowCount(image);
        QVERIFY2(yellow > 0 && yellow <= 16, qPrintable(QString::number(yellow)));
        QCOMPARE(picture.Series().size(), std::size_t{1});
    }

    void ValuesOffTheScaleRunPastTheEdge() {
        CountingGraph window;
        Show(window);
        window.PlotX[0] = 0;
        window.PlotY[0] = 0;
        window.PlotX[1] = 1e30; // far past 150 minutes
        window.PlotY[1] = 0;
        window.PlotX[2] = std::nan("");
        window.PlotY[2] = 1;
        window.ScaleTimeAxis(150);
        window.ScaleValueAxis(1);
        window.PlotSeries(2);
        auto& picture = *window.picGraph;
        const QImage image = picture.grab().toImage();
        QVERIFY(YellowNear(picture, image, {4700, 3135}, 3)); // along the 0 line to the edge
        QVERIFY(YellowNear(picture, image, {4790, 3135}, 3));
    }

    void LastIsKeptInsideTheArrays() {
        CountingGraph window;
        window.ScaleTimeAxis(1);
        window.ScaleValueAxis(1);
        window.PlotSeries(100000);
        QCOMPARE(window.picGraph->Series().size(), std::size_t(kPlotCapacity));
        window.PlotSeries(-5);
        QCOMPARE(window.picGraph->Series().size(), std::size_t{1});
    }

    // The run of DrawsTheSeriesAsAYellowPolyline compared with a curve that
    // falls from 150 at 0 min to 0 at 15 min: both axes grow to cover it.
    static void PlotWithComparison(CountingGraph& window) {
        const double times[] = {0, 5, 10};
        const double values[] = {0, 50, 50};
        for (int i = 0; i < 3; ++i) {
            window.PlotX[i] = times[i];
            window.PlotY[i] = values[i];
        }
        window.findChild<QLabel*>("lblYTitle")->setText("Rate of Heat Release (kW)");
        window.findChild<QLabel*>("lblPlotTitle")->setText("Office");
        window.ScaleTimeAxis(10);
        window.ScaleValueAxis(50);
        window.PlotSeries(2);
        window.ShowComparisons("Office, run A", {{"Office, run B", {0, 15}, {150, 0}}});
    }

    void ComparedCurvesAreDrawnInTheirColourWithALegend() {
        CountingGraph window;
        Show(window);
        PlotWithComparison(window);
        // 15 minutes and 150 kW need the 15-minute and the 200 kW scales.
        QCOMPARE(window.XScale, 15.0);
        QCOMPARE(window.YScale, 200.0F);
        QCOMPARE(LabelsOf(window, "lblXLabel"), QStringList({"0", "3", "6", "9", "12", "15"}));
        QCOMPARE(LabelsOf(window, "lblYLabel"),
                 QStringList({"0", "40", "80", "120", "160", "200"}));

        auto& picture = *window.picGraph;
        QCOMPARE(picture.Comparisons().size(), std::size_t{1});
        QCOMPARE(picture.LegendTexts(), QStringList({"Office, run A", "Office, run B"}));
        const QImage image = picture.grab().toImage();
        // x = minutes / 15 x 4740, y = 3135 - value / 200 x 3135. The compared
        // curve at 7.5 min is 75 kW; the current one has its corner at 5 min, 50 kW.
        QVERIFY(ColourNear(picture, image, {2370, 1959.375}, kCyan, 2));
        QVERIFY(YellowNear(picture, image, {1580, 2351.25}));
        QVERIFY(!ColourNear(picture, image, {1580, 2351.25}, kCyan, 4));
        // Neither curve comes into the top right corner: the legend stands there,
        // a sample of each colour.
        QCOMPARE(picture.LegendCorner(), vorla::plot::LegendPlace::TopRight);
        QVERIFY(CountIn(image, kCyan, 0.55, 1, 0, 0.2) > 4);
        QVERIFY(CountIn(image, GraphPicture::kSeriesColour, 0.55, 1, 0, 0.2) > 4);
        QCOMPARE(CountIn(image, kCyan, 0, 0.45, 0.82, 1), 0); // the curve never goes there
    }

    void RemovingTheComparisonGivesBackTheGraphAsItWas() {
        CountingGraph alone;
        Show(alone);
        const double times[] = {0, 5, 10};
        const double values[] = {0, 50, 50};
        for (int i = 0; i < 3; ++i) {
            alone.PlotX[i] = times[i];
            alone.PlotY[i] = values[i];
        }
        alone.findChild<QLabel*>("lblYTitle")->setText("Rate of Heat Release (kW)");
        alone.findChild<QLabel*>("lblPlotTitle")->setText("Office");
        alone.ScaleTimeAxis(10);
        alone.ScaleValueAxis(50);
        alone.PlotSeries(2);

        CountingGraph compared;
        Show(compared);
        PlotWithComparison(compared);
        compared.ShowComparisons({}, {});
        QCoreApplication::processEvents(); // the layouts settle after the labels changed
        QCOMPARE(compared.XScale, alone.XScale);
        QCOMPARE(compared.YScale, alone.YScale);
        QCOMPARE(LabelsOf(compared, "lblYLabel"), LabelsOf(alone, "lblYLabel"));
        QVERIFY(compared.picGraph->LegendTexts().isEmpty());
        // Neither picture shows the focus frame.
        alone.picGraph->clearFocus();
        compared.picGraph->clearFocus();
        QCOMPARE(compared.picGraph->grab().toImage(), alone.picGraph->grab().toImage());
        const auto plot = compared.CurrentPlot();
        QCOMPARE(plot.Series.size(), std::size_t{1});
        QCOMPARE(plot.Series[0].Name, std::string("Office"));
        QCOMPARE(plot.Legend, vorla::plot::LegendPlace::None);
    }

    // At 5 minutes the current curve is at 50 kW, the compared one at 100 kW.
    void TheReadoutReadsTheCurrentCurve() {
        CountingGraph window;
        Show(window);
        PlotWithComparison(window);
        window.picGraph->setFocus();
        QTest::keyClick(window.picGraph, Qt::Key_Right);
        QTest::keyClick(window.picGraph, Qt::Key_Right);
        QCOMPARE(window.ReadoutText(), QString("5.000 min   50.0 kW"));
        // One more row, and Right stops at the current curve's last row (10
        // min), though the compared one goes on to 15.
        QTest::keyClick(window.picGraph, Qt::Key_Right);
        QTest::keyClick(window.picGraph, Qt::Key_Right);
        QCOMPARE(window.ReadoutText(), QString("10.000 min   50.0 kW"));
    }

    // Export… and Copy Image paint CurrentPlot(): the same curves, colours,
    // names and legend corner as the window.
    void TheExportedPlotHasTheComparisonAndItsLegend() {
        CountingGraph window;
        Show(window);
        PlotWithComparison(window);
        const auto plot = window.CurrentPlot();
        QCOMPARE(plot.Series.size(), std::size_t{2});
        QCOMPARE(plot.Series[0].Name, std::string("Office, run A"));
        QCOMPARE(plot.Series[1].Name, std::string("Office, run B"));
        QVERIFY(plot.Series[0].Colour == (vorla::plot::Rgb{255, 255, 0}));
        QVERIFY(plot.Series[1].Colour == (vorla::plot::Rgb{0, 255, 255}));
        QCOMPARE(plot.Series[1].Points.size(), std::size_t{2});
        QCOMPARE(plot.Series[1].Points[0].Y, 150.0);
        QCOMPARE(plot.Series[1].Points[1].X, 15.0);
        QCOMPARE(plot.Legend, vorla::plot::LegendPlace::TopRight);
        QCOMPARE(plot.X.Maximum, std::optional<double>(15));
        QCOMPARE(plot.Y.Maximum, std::optional<double>(150));
    }

    void AtMostFiveCurvesAreCompared() {
        CountingGraph window;
        Show(window);
        PlotWithComparison(window);
        std::vector<vorla::ui::ComparedCurve> curves;
        for (int k = 0; k < 7; ++k) {
            curves.push_back({QString("fire %1").arg(k), {0, 1}, {1, 1}});
        }
        window.ShowComparisons("now", curves);
        QCOMPARE(window.picGraph->Comparisons().size(), std::size_t{5});
        QCOMPARE(window.picGraph->LegendTexts().size(), 6);
        QCOMPARE(window.picGraph->Comparisons().back().Colour, QColor(255, 255, 255));
    }

    // Command buttons stand after Copy Image, in the order added, and Tab
    // reaches them there.
    void CommandButtonsFollowCopyImage() {
        CountingGraph window;
        auto* first = window.AddCommandButton("cmdFirst", "&First",
                                              QKeySequence(Qt::CTRL | Qt::Key_1), "The first");
        auto* second = window.AddCommandButton("cmdSecond", "Se&cond",
                                               QKeySequence(Qt::CTRL | Qt::Key_2), "The second");
        Show(window);
        QCOMPARE(first->toolTip(), QString("The first (Ctrl+1)"));
        auto* copy = window.findChild<QPushButton*>("cmdCopyImage");
        QVERIFY(copy->x() < first->x() && first->x() < second->x());
        QCOMPARE(copy->nextInFocusChain(), first);
        QCOMPARE(first->nextInFocusChain(), second);
        int clicks = 0;
        connect(second, &QPushButton::clicked, [&clicks] { ++clicks; });
        QTest::keyClick(&window, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(clicks, 1);
    }

    void EscapeAndTheFrameGoThroughClose() {
        CountingGraph window;
        Show(window);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(window.closeClicks, 1);
        window.close(); // the frame's close button: the window decides, and stays
        QCOMPARE(window.closeClicks, 2);
        QVERIFY(window.isVisible());
        window.leaveOnClose = true;
        window.close();
        QCOMPARE(window.closeClicks, 3);
        QVERIFY(!window.isVisible());
    }

    void CloseLeavesByDefault() {
        vorla::ui::FakePlatform platform(QDir::tempPath().toStdString());
        GraphWindow window(platform);
        Show(window);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
