// SKEVA-XW's graph window: opened from the report's Graph button, the four
// quantities of a run in either unit system, and back to the report.
#include "common/ui/graph_picture.h"
#include "skeva_windows.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace vorla::smoke;
using namespace vorla::smoke::testing;
using namespace vorla::test_support;

namespace {

QStringList Labels(const QWidget& graph, const char* name) {
    QStringList texts;
    for (int a = 1; a <= 5; ++a) {
        texts << Control<QLabel>(graph, Element(name, a))->text();
    }
    return texts;
}

// The points drawn, back in minutes and in the unit of the value axis: the
// full scales (the last ticks' captions) stand 4740 right of and 3135 above the
// origin, the picture's y axis pointing down.
std::vector<QPointF> Plotted(const QWidget& graph) {
    const double xScale = Control<QLabel>(graph, "lblXLabel(5)")->text().toDouble();
    const double yScale = Control<QLabel>(graph, "lblYLabel(5)")->text().toDouble();
    std::vector<QPointF> values;
    for (const QPointF& point : Control<vorla::ui::GraphPicture>(graph, "picGraph")->Series()) {
        values.emplace_back(point.x() * xScale / 4740, (3135 - point.y()) * yScale / 3135);
    }
    return values;
}

} // namespace

class SkevaGraphTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    // A hall of 500 m² and 30 m under a fire that grows to 100 kW in 100 s
    // and holds, for 600 s; its graph.
    QWidget* OpenGraph(SkevaWindows& w, bool us) {
        TypedRun run;
        run.RunTitle = "Hall";
        run.RunTime = "600";
        run.FloorArea = "500"; // 5382 ft², inside the form's limit in feet too
        w.Fill(run);
        if (us) { // the boxes turn into feet as the user sees them do
            QTest::mouseClick(Control<QRadioButton>(w.input, "optUnits(1)"), Qt::LeftButton);
        }
        QWidget* report = w.Run();
        if (report == nullptr) {
            for (const auto& message : w.platform.Messages()) {
                qWarning("%s", message.Request.Text.c_str());
            }
            return nullptr;
        }
        Control<QPushButton>(report, "cmdGraph")->click();
        return VisibleWindow("frmGraph");
    }

  private slots:
    void OpensOnTheLayerTemperatureInPlaceOfTheReport() {
        SkevaWindows w(folder_.filePath("DATA").toStdString());
        QWidget* graph = OpenGraph(w, false);
        QVERIFY(graph);
        QCOMPARE(graph->windowTitle(), QString("SKEVA-XW: Graph"));
        QVERIFY(SkevaWindows::Report() == nullptr); // hidden while the graph shows
        QCOMPARE(WindowConventionProblems(*graph).join("; "), QString());
        // Tab's round, from the first option.
        QStringList chain = TabChain(*graph);
        const auto first = chain.indexOf("optPlotVariable(0)");
        QVERIFY(first >= 0);
        chain = chain.mid(first) + chain.mid(0, first);
        QCOMPARE(chain,
                 QStringList({"optPlotVariable(0)", "optPlotVariable(1)", "optPlotVariable(2)",
                              "optPlotVariable(3)", "picGraph", "cmdExport", "cmdCopyImage",
                              "cmdCompare", "cmdRemoveComparison", "cmdClose"}));
        QStringList captions;
        for (int k = 0; k < 4; ++k) {
            captions << Control<QRadioButton>(graph, Element("optPlotVariable", k))->text();
        }
        QCOMPARE(captions, QStringList({"Upper Layer Temperature", "Layer Interface Height",
                                        "Heat Release Rate", "Vent Flow"}));
        QVERIFY(Control<QRadioButton>(graph, "optPlotVariable(0)")->isChecked());
        QCOMPARE(Control<QLabel>(graph, "lblPlotTitle")->text(), QString("Hall"));
        QCOMPARE(Control<QLabel>(graph, "lblYTitle")->text(),
                 QString("Upper Layer Temperature (°C)"));
        // 600 s of rows every 5 s: 121 points on a 10 minute axis.
        QCOMPARE(Labels(*graph, "lblXLabel"), QStringList({"2", "4", "6", "8", "10"}));
        QCOMPARE(Plotted(*graph).size(), std::size_t{121});
        QCOMPARE(w.calc->Results.LastRow, 120);

        Control<QPushButton>(graph, "cmdClose")->click();
        QApplication::processEvents();
        QWidget* report = SkevaWindows::Report();
        QVERIFY(report);
        QTRY_COMPARE(report->focusWidget(), Control<QWidget>(report, "cmdClose"));
        QVERIFY(VisibleWindow("frmGraph") == nullptr);
    }

    void EachQuantityInBothUnitSystems_data() {
        QTest::addColumn<bool>("us");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("title");
        QTest::newRow("temperature, S.I.") << false << 0 << "Upper Layer Temperature (°C)";
        QTest::newRow("temperature, U.S.") << true << 0 << "Upper Layer Temperature (°F)";
        QTest::newRow("interface, S.I.") << false << 1 << "Layer Interface Height (m)";
        QTest::newRow("interface, U.S.") << true << 1 << "Layer Interface Height (ft)";
        QTest::newRow("heat release, S.I.") << false << 2 << "Rate of Heat Release (kW)";
        QTest::newRow("heat release, U.S.") << true << 2 << "Rate of Heat Release (kW)";
        QTest::newRow("vent flow, S.I.") << false << 3 << "Vent Flow (kg/s)";
        QTest::newRow("vent flow, U.S.") << true << 3 << "Vent Flow (lb/s)";
    }
    void EachQuantityInBothUnitSystems() {
        QFETCH(bool, us);
        QFETCH(int, k);
        QFETCH(QString, title);
        SkevaWindows w(folder_.filePath("DATA").toStdString());
        QWidget* graph = OpenGraph(w, us);
        QVERIFY(graph);
        Control<QRadioButton>(graph, Element("optPlotVariable", k))->click();
        QCOMPARE(Control<QLabel>(graph, "lblYTitle")->text(), title);
        const auto plotted = Plotted(*graph);
        const RunResults& results = w.calc->Results;
        QCOMPARE(plotted.size(), std::size_t(results.LastRow + 1));
        const double fullScale = Control<QLabel>(graph, "lblYLabel(5)")->text().toDouble();
        for (int i = 0; i <= results.LastRow; ++i) {
            const double seconds = 5.0 * i;
            QVERIFY(std::abs(plotted[i].x() - seconds / 60) < 1e-9 * 10);
            double expected = 0;
            switch (k) {
            case 0: // the model's °C, in °F as 1.8 t + 32
                expected =
                    us ? 1.8 * results.LayerTemperature[i] + 32 : results.LayerTemperature[i];
                break;
            case 1: // the model's metres, in feet of 0.3048 m
                expected = us ? results.InterfaceHeight[i] / 0.3048 : results.InterfaceHeight[i];
                break;
            case 2: // the fire file: 1 kW a second up to 100 s, then 100 kW
                expected = std::min(seconds, 100.0);
                break;
            default: // 2.205 lb to the kilogram
                expected = us ? results.VentFlow[i] * 2.205 : results.VentFlow[i];
                break;
            }
            QVERIFY2(std::abs(plotted[i].y() - expected) < 1e-6 * fullScale,
                     qPrintable(QString("row %1: %2 drawn, %3 expected")
                                    .arg(i)
                                    .arg(plotted[i].y())
                                    .arg(expected)));
        }
        if (k == 1) { // from the ceiling, 30 m or 98.425 ft, downwards
            QVERIFY(std::abs(plotted[0].y() - (us ? 98.425 : 30.0)) < 0.01);
            QVERIFY(plotted.back().y() < plotted[0].y());
        }
    }

    // The example report "Shop, sofa fire on a 0.5 m seat" over the hall's run:
    // its row at 60 s,
    //   "  60      80      26  11.94   3.64     40.0     42.2   0.126   0.057",
    // lands a tenth of the way across (both runs fit 10 minutes) and at its
    // value's share of the full scale up.
    void CompareWithAShopReport_data() {
        QTest::addColumn<bool>("us");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("fullScale");
        // The hall's ceiling at 30 m (98.4 ft) sets the height axis; the shop's
        // 1000 kW sets the heat release axis.
        QTest::newRow("interface, S.I.") << false << 1 << 3.64 << 35.0;
        QTest::newRow("interface, U.S.") << true << 1 << 11.94 << 100.0;
        QTest::newRow("heat release, U.S.") << true << 2 << 42.2 << 1500.0;
    }
    void CompareWithAShopReport() {
        QFETCH(bool, us);
        QFETCH(int, k);
        QFETCH(double, value);
        QFETCH(double, fullScale);
        SkevaWindows w(folder_.filePath("DATA").toStdString());
        QWidget* graph = OpenGraph(w, us);
        QVERIFY(graph);
        Control<QRadioButton>(graph, Element("optPlotVariable", k))->click();
        w.platform.ChooseInNextDialog(std::string(VORLA_EXAMPLES_DIR) + "/shop-sofa-fire.sof");
        Control<QPushButton>(graph, "cmdCompare")->click();
        QCOMPARE(w.platform.FileDialogs().at(0).Request.Filter,
                 std::string("SKEVA-XW Data Files (*.sof)|*.sof|All files (*)|*"));
        const auto* picture = Control<vorla::ui::GraphPicture>(graph, "picGraph");
        QCOMPARE(picture->LegendTexts(), QStringList({"Hall", "Shop, sofa fire on a 0.5 m seat"}));
        QCOMPARE(picture->Comparisons().at(0).Points.size(), std::size_t{78});
        QCOMPARE(Control<QLabel>(graph, "lblXLabel(5)")->text().toDouble(), 10.0);
        QCOMPARE(Control<QLabel>(graph, "lblYLabel(5)")->text().toDouble(), fullScale);
        const QPointF at60s = picture->Comparisons()[0].Points.at(12);
        QVERIFY(std::abs(at60s.x() - 474) < 1e-9);
        QVERIFY2(std::abs(at60s.y() - (3135 - 3135 * value / fullScale)) < 1e-6,
                 qPrintable(QString::number(at60s.y())));
    }

    void VorlaReportsAreNotCompared() {
        SkevaWindows w(folder_.filePath("DATA").toStdString());
        QWidget* graph = OpenGraph(w, false);
        QVERIFY(graph);
        const auto* picture = Control<vorla::ui::GraphPicture>(graph, "picGraph");
        const auto series = picture->Series();
        const QStringList yLabels = Labels(*graph, "lblYLabel");
        w.platform.ChooseInNextDialog(std::string(VORLA_EXAMPLES_DIR) + "/office-sofa-fire.vof");
        Control<QPushButton>(graph, "cmdCompare")->click();
        QCOMPARE(w.platform.Messages().size(), std::size_t{1});
        QCOMPARE(w.platform.Messages()[0].Request.Text, std::string("Wrong file format."));
        QCOMPARE(w.platform.Messages()[0].Request.Title, std::string("SKEVA-XW"));
        QCOMPARE(picture->Series(), series);
        QVERIFY(picture->Comparisons().empty());
        QVERIFY(picture->LegendTexts().isEmpty());
        QCOMPARE(Labels(*graph, "lblYLabel"), yLabels);
        QVERIFY(!Control<QPushButton>(graph, "cmdRemoveComparison")->isEnabled());
    }

    void FileExitClosesTheGraphToo() {
        SkevaWindows w(folder_.filePath("DATA").toStdString());
        QPointer<QWidget> graph = OpenGraph(w, false);
        QVERIFY(graph);
        Trigger(w.input, "mnuFileExit");
        SkevaWindows::FlushDeletes();
        QVERIFY(graph.isNull() || !graph->isVisible());
    }
};

QTEST_MAIN(SkevaGraphTest)
#include "graph_form_test.moc"
