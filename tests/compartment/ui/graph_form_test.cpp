#include "common/ui/graph_picture.h"
#include "compartment/ui/graph_form.h"
#include "program_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;

namespace {

QStringList Labels(const QWidget& graph, const char* name) {
    QStringList texts;
    for (int a = 1; a <= 5; ++a) {
        texts << graph.findChild<QLabel*>(QString("%1(%2)").arg(name).arg(a))->text();
    }
    return texts;
}

// The full-scale value of an axis: the caption of its last tick.
double FullScale(const QWidget& graph, const char* axis) {
    return Control<QLabel>(graph, Element(axis, 5))->text().toDouble();
}

// The points drawn, back in minutes and in the unit of the value axis: the
// full time scale is 4740 to the right of the origin and the full value scale
// 3135 above it, the picture's y axis pointing down.
std::vector<QPointF> Plotted(const QWidget& graph) {
    const double xScale = FullScale(graph, "lblXLabel");
    const double yScale = FullScale(graph, "lblYLabel");
    std::vector<QPointF> values;
    for (const QPointF& point : Control<vorla::ui::GraphPicture>(graph, "picGraph")->Series()) {
        values.emplace_back(point.x() * xScale / 4740, (3135 - point.y()) * yScale / 3135);
    }
    return values;
}

// The office with a steady 100 kW fire for 600 s, shown in S.I. or U.S.
// units, and the graph of its results.
QWidget* OpenGraph(Program& program, bool us) {
    program.FillRoom(program.WriteFile("FIRE.FIR", kSteadyFire));
    if (us) {
        Control<QRadioButton>(program.input, "optUnits(1)")->click();
    }
    auto* report = program.Run();
    if (!report) {
        return nullptr;
    }
    Control<QPushButton>(report, "cmdGraph")->click();
    return Program::Graph();
}

} // namespace

class ResultsGraphWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void OpensOnTheLayerTemperature() {
        Program program;
        auto* graph = OpenGraph(program, false);
        QVERIFY(graph);
        QCOMPARE(graph->objectName(), QString("frmGraph"));
        QCOMPARE(graph->windowTitle(), QString("VORLA-XW: Graph"));
        QCOMPARE(WindowConventionProblems(*graph).join("; "), QString());
        QVERIFY(Control<QRadioButton>(graph, "optPlotVariable(0)")->isChecked());
        QCOMPARE(Control<QLabel>(graph, "lblPlotTitle")->text(), QString("Office, sofa fire"));
        QCOMPARE(Control<QLabel>(graph, "lblXTitle")->text(), QString("Time (min)"));
        QCOMPARE(Control<QLabel>(graph, "lblYTitle")->text(),
                 QString("Upper Layer Temperature (°C)"));
        QTRY_COMPARE(program.FocusName(), QString("cmdClose"));

        // The series: one point per row, 600 s at the right edge, 21.11 °C of
        // a 150 °C axis at the start.
        const auto& series = Control<vorla::ui::GraphPicture>(graph, "picGraph")->Series();
        QCOMPARE(series.size(), std::size_t{121});
        QCOMPARE(series.back().x(), 4740.0);
        const double first = program.calc->Results.LayerTemperature[0];
        QVERIFY(std::abs(first - 21.11) < 0.01);
        QVERIFY(std::abs(series.front().y() - 3135 * (1 - first / 150)) < 0.001);
    }

    void AxesForEachQuantityInBothUnitSystems_data() {
        QTest::addColumn<bool>("us");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("yLabels");
        // The layer reaches 105.6 °C (222 °F), the interface comes down from
        // 2.4 m (7.874 ft), the fire gives 100 kW, the vent 0.480 kg/s (1.058 lb/s).
        QTest::newRow("temperature, S.I.") << false << 0 << "Upper Layer Temperature (°C)"
                                           << QStringList{"30", "60", "90", "120", "150"};
        QTest::newRow("temperature, U.S.") << true << 0 << "Upper Layer Temperature (°F)"
                                           << QStringList{"50", "100", "150", "200", "250"};
        QTest::newRow("interface, S.I.") << false << 1 << "Layer Interface Height (m)"
                                         << QStringList{"0.5", "1.0", "1.5", "2.0", "2.5"};
        QTest::newRow("interface, U.S.")
            << true << 1 << "Layer Interface Height (ft)" << QStringList{"2", "4", "6", "8", "10"};
        QTest::newRow("heat release, S.I.") << false << 2 << "Rate of Heat Release (kW)"
                                            << QStringList{"30", "60", "90", "120", "150"};
        QTest::newRow("heat release, U.S.") << true << 2 << "Rate of Heat Release (kW)"
                                            << QStringList{"30", "60", "90", "120", "150"};
        QTest::newRow("vent flow, S.I.") << false << 3 << "Vent Flow (kg/s)"
                                         << QStringList{"0.10", "0.20", "0.30", "0.40", "0.50"};
        QTest::newRow("vent flow, U.S.")
            << true << 3 << "Vent Flow (lb/s)" << QStringList{"0.3", "0.6", "0.9", "1.2", "1.5"};
    }
    void AxesForEachQuantityInBothUnitSystems() {
        QFETCH(bool, us);
        QFETCH(int, k);
        QFETCH(QString, title);
        QFETCH(QStringList, yLabels);
        Program program;
        auto* graph = OpenGraph(program, us);
        QVERIFY(graph);
        Control<QRadioButton>(graph, Element("optPlotVariable", k))->click();
        QCOMPARE(Control<QLabel>(graph, "lblYTitle")->text(), title);
        QCOMPARE(Labels(*graph, "lblYLabel"), yLabels);
        // The time axis stays as it was scaled on opening: 600 s is 10 minutes.
        QCOMPARE(Labels(*graph, "lblXLabel"), QStringList({"2", "4", "6", "8", "10"}));
        QCOMPARE(Control<QLabel>(graph, "lblXTitle")->text(), QString("Time (min)"));
        QCOMPARE(graph->focusWidget(),
                 Control<QPushButton>(graph, "cmdClose")); // after each drawing
    }

    void VentFlowInUSUnitsIsTheSIFlowTimes2205() {
        Program program;
        auto* graph = OpenGraph(program, true);
        QVERIFY(graph);
        Control<QRadioButton>(graph, "optPlotVariable(3)")->click();
        const RunResults& results = program.calc->Results;
        QCOMPARE(results.LastRow, 120);
        const auto plotted = Plotted(*graph);
        QCOMPARE(plotted.size(), std::size_t(results.LastRow + 1));
        for (int i = 0; i <= results.LastRow; ++i) {
            QVERIFY(std::abs(plotted[i].y() - results.VentFlow[i] * 2.205) <
                    1e-6 * FullScale(*graph, "lblYLabel"));
            QVERIFY(std::abs(plotted[i].x() - results.Time[i] / 60.0) < 1e-6 * 10);
        }
        Control<QRadioButton>(graph, "optPlotVariable(0)")->click();
        QVERIFY(std::abs(Plotted(*graph)[0].y() - 69.998) <
                1e-6 * FullScale(*graph, "lblYLabel")); // 21.11 °C
    }

    void EachOpeningStartsAgainFromTheTemperature() {
        Program program;
        auto* graph = OpenGraph(program, false);
        QVERIFY(graph);
        Control<QRadioButton>(graph, "optPlotVariable(2)")->click();
        Control<QPushButton>(graph, "cmdClose")->click();
        Program::Settle();
        auto* report = program.Report();
        QVERIFY(report->isVisible());
        Control<QPushButton>(report, "cmdGraph")->click();
        graph = Program::Graph();
        QVERIFY(Control<QRadioButton>(graph, "optPlotVariable(0)")->isChecked());
        QCOMPARE(Control<QLabel>(graph, "lblYTitle")->text(),
                 QString("Upper Layer Temperature (°C)"));
        QCOMPARE(Labels(*graph, "lblYLabel"), QStringList({"30", "60", "90", "120", "150"}));
    }
};

QTEST_MAIN(ResultsGraphWindowTest)
#include "graph_form_test.moc"
