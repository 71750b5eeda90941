#include "common/axis_scaling.h"
#include "common/ui/graph_picture.h"
#include "common/ui/graph_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using vorla::ui::GraphPicture;
using vorla::ui::GraphWindow;
using vorla::ui::kPlotCapacity;

namespace {

// A graph window as a program derives it: a button beside Close, and a Close
// that only counts (as a window that asks a question and stays open would).
class CountingGraph final : public GraphWindow {
  public:
    CountingGraph() {
        auto* save = new QPushButton("&Save", this);
        save->setObjectName("cmdSave");
        ButtonRow()->addWidget(save);
    }
    // What a derived window plots with, opened to the test.
    using GraphWindow::lblXLabel;
    using GraphWindow::lblYLabel;
    using GraphWindow::picGraph;
    using GraphWindow::PlotSeries;
    using GraphWindow::PlotX;
    using GraphWindow::PlotY;
    using GraphWindow::ScaleTimeAxis;
    using GraphWindow::ScaleValueAxis;
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
        // x = minutes x 480, y = 3200 - value x 32.
        QVERIFY(YellowNear(picture, image, {1200, 2400}));     // middle of the rise
        QVERIFY(YellowNear(picture, image, {2400, 1600}));     // the corner
        QVERIFY(YellowNear(picture, image, {3600, 1600}));     // on the level part
        QVERIFY(!YellowNear(picture, image, {1200, 1600}, 4)); // above the rise
        QVERIFY(!YellowNear(picture, image, {3600, 2800}, 4)); // under the level part
        QVERIFY(!YellowNear(picture, image, {4320, 160}, 6));  // point 3, past `last`
        QVERIFY(!YellowNear(picture, image, {2400, 400}, 6));
        // The grid is drawn, in its own colour.
        QVERIFY(ColourNear(picture, image, {948, 800}, GraphPicture::kGridColour, 1));
        QVERIFY(ColourNear(picture, image, {4000, 627}, GraphPicture::kGridColour, 1));
        QCOMPARE(image.pixelColor(picture.ToWidget({300, 300}).toPoint()),
                 GraphPicture::kBackground);
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
        QVERIFY(YellowNear(picture, picture.grab().toImage(), {2400, 320}));
        window.PlotY[0] = 10;
        window.PlotY[1] = 10;
        window.PlotSeries(1);
        const QImage image = picture.grab().toImage();
        QVERIFY(!YellowNear(picture, image, {2400, 320}, 4));
        QVERIFY(YellowNear(picture, image, {2400, 2880}));
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
        QVERIFY(YellowNear(picture, image, {2400, 1600}, 1));
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
        QVERIFY(YellowNear(picture, image, {4700, 3190}, 3)); // along the bottom to the edge
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
        GraphWindow window;
        Show(window);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
