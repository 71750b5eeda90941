#include "common/ui/graph_picture.h"
#include "compartment/ui/graph_form.h"
#include "program_fixture.h"

#include <QFileInfo>
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

using vorla::ui::GraphPicture;

GraphPicture* Picture(QWidget* graph) {
    return Control<GraphPicture>(graph, "picGraph");
}

// Compare With… choosing `path` in its dialog.
void CompareWith(Program& program, QWidget* graph, const std::string& path) {
    program.platform.ChooseInNextDialog(path);
    Control<QPushButton>(graph, "cmdCompare")->click();
}

// What the picture shows, to tell that a refused file changed nothing.
struct Shown {
    std::vector<QPointF> series;
    std::size_t comparisons = 0;
    QStringList legend;
    QStringList xLabels;
    QStringList yLabels;
    bool removeEnabled = false;

    bool operator==(const Shown&) const = default;
};

Shown ShownIn(QWidget* graph) {
    const auto* picture = Picture(graph);
    return {picture->Series(),
            picture->Comparisons().size(),
            picture->LegendTexts(),
            Labels(*graph, "lblXLabel"),
            Labels(*graph, "lblYLabel"),
            Control<QPushButton>(graph, "cmdRemoveComparison")->isEnabled()};
}

const std::string kOfficeReport = kExamples + "/office-sofa-fire.vof";

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

    void CompareWithASavedReport();
    void TheComparedValueLandsWhereItsRowSays_data();
    void TheComparedValueLandsWhereItsRowSays();
    void RemoveComparisonGivesBackTheGraph();
    void RefusedFilesLeaveTheGraphAsItWas_data();
    void RefusedFilesLeaveTheGraphAsItWas();
    void ASecondComparisonReplacesTheFirst();
};

void ResultsGraphWindowTest::CompareWithASavedReport() {
    Program program;
    auto* graph = OpenGraph(program, false);
    QVERIFY(graph);
    QVERIFY(!Control<QPushButton>(graph, "cmdRemoveComparison")->isEnabled());
    QCOMPARE(Control<QPushButton>(graph, "cmdCompare")->toolTip(),
             QString("Draw the same quantity of a saved report over this run (Ctrl+O)"));
    // The keyboard reaches it anywhere in the window.
    QVERIFY(QTest::qWaitForWindowActive(graph));
    program.platform.ChooseInNextDialog(kOfficeReport);
    QTest::keyClick(graph, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(program.platform.FileDialogs().size(), std::size_t{1});
    const auto& dialog = program.platform.FileDialogs()[0].Request;
    QCOMPARE(dialog.Title, std::string("Compare With Report"));
    QCOMPARE(dialog.Filter,
             std::string("VORLA-XW Data Files (*.vof;*.sdf)|*.vof;*.sdf|All files (*)|*"));
    QCOMPARE(dialog.Kind, vorla::ui::FileDialogKind::Open);
    // From the data directory, which the program's remembering layer replaces
    // with the folder last chosen in this dialog.
    QCOMPARE(dialog.InitialDirectory, program.platform.DataDirectory());
    QVERIFY(program.platform.Messages().empty());

    // Both runs are titled "Office, sofa fire": the saved one is named by its file.
    auto* picture = Picture(graph);
    QCOMPARE(picture->LegendTexts(),
             QStringList({"Office, sofa fire", "Office, sofa fire (office-sofa-fire.vof)"}));
    QCOMPARE(picture->Comparisons().size(), std::size_t{1});
    QCOMPARE(picture->Comparisons()[0].Points.size(), std::size_t{67}); // the report's rows
    QCOMPARE(picture->Series().size(), std::size_t{121});               // this run's, as before
    QVERIFY(Control<QPushButton>(graph, "cmdRemoveComparison")->isEnabled());
    QCOMPARE(Control<QLabel>(graph, "lblPlotTitle")->text(), QString("Office, sofa fire"));
}

// The saved run's row at 60 s on each quantity's axis, in the units the
// window shows, from the report's line
//   "  60     97     36   4.78   1.46    40.0    42.2  0.389  0.177  3  N".
// Both runs fit the axes: this run lasts 10 minutes and the saved one 5.4, so
// 1 minute is a tenth of 4740 across; the value's height is 3135 x value / full scale.
void ResultsGraphWindowTest::TheComparedValueLandsWhereItsRowSays_data() {
    QTest::addColumn<bool>("us");
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("fullScale");
    // The saved run reaches 603 °C (1117 °F), 1245.8 kW and 0.824 kg/s (1.817 lb/s);
    // the heights start at this run's 2.4 m (7.874 ft).
    QTest::newRow("temperature, S.I.") << false << 0 << 36.0 << 1000.0;
    QTest::newRow("temperature, U.S.") << true << 0 << 97.0 << 1500.0;
    QTest::newRow("interface, S.I.") << false << 1 << 1.46 << 2.5;
    QTest::newRow("interface, U.S.") << true << 1 << 4.78 << 10.0;
    QTest::newRow("heat release, S.I.") << false << 2 << 42.2 << 1500.0;
    QTest::newRow("heat release, U.S.") << true << 2 << 42.2 << 1500.0;
    QTest::newRow("vent flow, S.I.") << false << 3 << 0.177 << 1.0;
    QTest::newRow("vent flow, U.S.") << true << 3 << 0.389 << 2.0;
}
void ResultsGraphWindowTest::TheComparedValueLandsWhereItsRowSays() {
    QFETCH(bool, us);
    QFETCH(int, k);
    QFETCH(double, value);
    QFETCH(double, fullScale);
    Program program;
    auto* graph = OpenGraph(program, us);
    QVERIFY(graph);
    // Compared first, then the quantity chosen: the comparison follows it.
    CompareWith(program, graph, kOfficeReport);
    Control<QRadioButton>(graph, Element("optPlotVariable", k))->click();
    QCOMPARE(FullScale(*graph, "lblXLabel"), 10.0);
    QCOMPARE(FullScale(*graph, "lblYLabel"), fullScale);
    const auto& points = Picture(graph)->Comparisons().at(0).Points;
    const QPointF at60s = points.at(12);
    QVERIFY2(std::abs(at60s.x() - 474) < 1e-9, qPrintable(QString::number(at60s.x())));
    const double y = 3135 - 3135 * value / fullScale;
    QVERIFY2(std::abs(at60s.y() - y) < 1e-6,
             qPrintable(QString("%1 drawn, %2 expected").arg(at60s.y()).arg(y)));
    QCOMPARE(Picture(graph)->LegendTexts().size(), 2);
}

void ResultsGraphWindowTest::RemoveComparisonGivesBackTheGraph() {
    Program program;
    auto* graph = OpenGraph(program, false);
    QVERIFY(graph);
    const Shown before = ShownIn(graph);
    CompareWith(program, graph, kOfficeReport);
    QVERIFY(!(ShownIn(graph) == before));
    QCOMPARE(Labels(*graph, "lblYLabel"), QStringList({"200", "400", "600", "800", "1000"}));
    auto* remove = Control<QPushButton>(graph, "cmdRemoveComparison");
    QCOMPARE(remove->toolTip(), QString("Take the compared run off the graph (Ctrl+R)"));
    remove->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(graph));
    QTest::keyClick(graph, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(ShownIn(graph) == before);
    QVERIFY(!remove->isEnabled());
    QCOMPARE(graph->focusWidget(), Control<QWidget>(graph, "cmdCompare"));
    // Another quantity, and still nothing compared.
    Control<QRadioButton>(graph, "optPlotVariable(2)")->click();
    QCOMPARE(Picture(graph)->Comparisons().size(), std::size_t{0});
    QVERIFY(Picture(graph)->LegendTexts().isEmpty());
}

// Each refused file gets File Open's message for it, and the graph, compared
// run or none, stays as it was.
void ResultsGraphWindowTest::RefusedFilesLeaveTheGraphAsItWas_data() {
    QTest::addColumn<bool>("comparing");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    for (const bool comparing : {false, true}) {
        const char* how = comparing ? ", while comparing" : "";
        QTest::addRow("SKEVA-XW's report%s", how)
            << comparing << QString::fromStdString(kExamples + "/shop-sofa-fire.sof")
            << "Wrong file format.";
        QTest::addRow("a missing file%s", how) << comparing << "MISSING.VOF"
                                               << "The report file {dir}/MISSING.VOF cannot be "
                                                  "opened (No such file or directory).";
        QTest::addRow("a report cut inside its table%s", how) << comparing << "CUT.VOF"
                                                              << "Wrong file format.";
        // Its last row "150 … 1.4" of "1.405 0.637 3 N": nine numbers still.
        QTest::addRow("a report cut by head -c 3000%s", how) << comparing << "HEAD3000.VOF"
                                                             << "Wrong file format.";
        QTest::addRow("a report cut after a row's line end%s", how) << comparing << "NOEND.VOF"
                                                                    << "Wrong file format.";
        QTest::addRow("a fire file%s", how)
            << comparing << QString::fromStdString(kExamples + "/office-sofa-tsquared.fir")
            << "Wrong file format.";
    }
}
void ResultsGraphWindowTest::RefusedFilesLeaveTheGraphAsItWas() {
    QFETCH(bool, comparing);
    QFETCH(QString, file);
    QFETCH(QString, message);
    Program program;
    auto* graph = OpenGraph(program, false);
    QVERIFY(graph);
    // The example report cut after its row at 60 s.
    const std::string whole = ReadFile(kOfficeReport);
    program.WriteFile("CUT.VOF", whole.substr(0, whole.find("  65    101")) + "  65    101");
    program.WriteFile("HEAD3000.VOF", whole.substr(0, 3000));
    program.WriteFile("NOEND.VOF", whole.substr(0, whole.find("FLASHOVER OCCURRED")));
    if (comparing) {
        CompareWith(program, graph, kOfficeReport);
    }
    const Shown before = ShownIn(graph);
    const std::string path = QFileInfo(file).isAbsolute() ? file.toStdString() : program.Path(file);
    CompareWith(program, graph, path);
    QCOMPARE(program.platform.Messages().size(), std::size_t{1});
    const auto& shown = program.platform.Messages()[0].Request;
    QCOMPARE(QString::fromStdString(shown.Text),
             QString(message).replace("{dir}", program.folder.path()));
    QCOMPARE(shown.Title, std::string("VORLA-XW"));
    QCOMPARE(shown.Icon, MessageIcon::Critical);
    QVERIFY(ShownIn(graph) == before);
}

void ResultsGraphWindowTest::ASecondComparisonReplacesTheFirst() {
    Program program;
    auto* graph = OpenGraph(program, false);
    QVERIFY(graph);
    CompareWith(program, graph, kOfficeReport);
    // The same report under another title, with its first row hotter by 100 °C.
    std::string other = ReadFile(kOfficeReport);
    other.replace(other.find("Office, sofa fire"), 17, "Office, door open");
    other.replace(other.find("   0     70     21"), 18, "   0    250    121");
    const std::string path = program.WriteFile("OPEN.VOF", other);
    CompareWith(program, graph, path);
    const auto* picture = Picture(graph);
    QCOMPARE(picture->LegendTexts(), QStringList({"Office, sofa fire", "Office, door open"}));
    QCOMPARE(picture->Comparisons().size(), std::size_t{1});
    // 121 °C on the 1000 °C axis.
    QVERIFY(std::abs(picture->Comparisons()[0].Points[0].y() - (3135 - 3135 * 0.121)) < 1e-6);
    // A cancelled dialog keeps it.
    program.platform.CancelNextDialog();
    Control<QPushButton>(graph, "cmdCompare")->click();
    QCOMPARE(picture->LegendTexts(), QStringList({"Office, sofa fire", "Office, door open"}));
    QVERIFY(program.platform.Messages().empty());
}

QTEST_MAIN(ResultsGraphWindowTest)
#include "graph_form_test.moc"
