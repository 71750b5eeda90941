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

QStringList Labels(const frmGraph& graph, const char* name) {
    QStringList texts;
    for (int a = 1; a <= 5; ++a) {
        texts << graph.findChild<QLabel*>(QString("%1(%2)").arg(name).arg(a))->text();
    }
    return texts;
}

// The office with a steady 100 kW fire for 600 s, shown in S.I. or U.S.
// units, and the graph of its results.
frmGraph* OpenGraph(Program& program, bool us) {
    program.FillRoom(program.WriteFile("FIRE.FIR", kSteadyFire));
    if (us) {
        program.input->optUnits[1]->click();
    }
    auto* report = program.Run();
    if (!report) {
        return nullptr;
    }
    report->cmdGraph->click();
    return report->GraphWindow();
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
        QCOMPARE(graph->findChild<QGroupBox*>("fraGraphSelection")->title(),
                 QString("Graph Selection"));
        const QStringList captions = {"Upper Layer Temperature", "Layer Interface Height",
                                      "Heat Release Rate", "Vent Flow"};
        for (int k = 0; k < 4; ++k) {
            auto* option = graph->findChild<QRadioButton*>(QString("optPlotVariable(%1)").arg(k));
            QVERIFY(option);
            QCOMPARE(option->text(), captions[k]);
            QCOMPARE(option->isChecked(), k == 0);
        }
        QCOMPARE(graph->lblPlotTitle->text(), QString("Office, sofa fire"));
        QCOMPARE(graph->lblXTitle->text(), QString("Time (min)"));
        QCOMPARE(graph->lblYTitle->text(), QString("Upper Layer Temperature (°C)"));
        QTRY_COMPARE(program.FocusName(), QString("cmdClose"));

        // The series: one point per row, 600 s at the right edge, 21.11 °C of
        // a 150 °C axis at the start.
        const auto& series = graph->picGraph->Series();
        QCOMPARE(series.size(), std::size_t{121});
        QCOMPARE(series.back().x(), 4800.0);
        QVERIFY(std::abs(series.front().y() - 2749.653) < 0.001);
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
        graph->optPlotVariable[k]->click();
        QCOMPARE(graph->lblYTitle->text(), title);
        QCOMPARE(Labels(*graph, "lblYLabel"), yLabels);
        // The time axis stays as it was scaled on opening: 600 s is 10 minutes.
        QCOMPARE(graph->XScale, 10.0);
        QCOMPARE(Labels(*graph, "lblXLabel"), QStringList({"2", "4", "6", "8", "10"}));
        QCOMPARE(graph->lblXTitle->text(), QString("Time (min)"));
        QCOMPARE(graph->focusWidget(), graph->cmdClose); // after each drawing
    }

    void VentFlowInUSUnitsIsTheSIFlowTimes2205() {
        Program program;
        auto* graph = OpenGraph(program, true);
        QVERIFY(graph);
        graph->optPlotVariable[3]->click();
        const RunResults& results = program.calc->Results;
        QCOMPARE(results.LastRow, 120);
        for (int i = 0; i <= results.LastRow; ++i) {
            QCOMPARE(graph->PlotY[i], results.VentFlow[i] * 2.205);
            QCOMPARE(graph->PlotX[i], results.Time[i] / 60.0);
        }
        graph->optPlotVariable[0]->click();
        QCOMPARE(graph->PlotY[0], 69.998); // 21.11 °C
    }

    void EachOpeningStartsAgainFromTheTemperature() {
        Program program;
        auto* graph = OpenGraph(program, false);
        QVERIFY(graph);
        graph->optPlotVariable[2]->click();
        graph->cmdClose->click();
        Program::Settle();
        auto* report = program.Report();
        QVERIFY(report->isVisible());
        report->cmdGraph->click();
        graph = report->GraphWindow();
        QVERIFY(graph->optPlotVariable[0]->isChecked());
        QCOMPARE(graph->lblYTitle->text(), QString("Upper Layer Temperature (°C)"));
        QCOMPARE(Labels(*graph, "lblYLabel"), QStringList({"30", "60", "90", "120", "150"}));
    }
};

QTEST_MAIN(ResultsGraphWindowTest)
#include "graph_form_test.moc"
