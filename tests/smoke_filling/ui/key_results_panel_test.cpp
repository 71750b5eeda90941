// SKEVA-XW's report window beside its table: the Key Results panel, Export CSV
// and Copy. The settings live in a temporary folder, never the user's.
#include "skeva_windows.h"
#include "smoke_filling/model/results_csv.h"
#include "tests/common/ui/window_conventions.h"
#include "tests/support/batch_summary.h"
#include "tests/support/file_bytes.h"
#include "tests/support/summary_device_lines.h"
#include "tests/support/summary_tenability_lines.h"
#include "tests/support/window_controls.h"
#include "tests/support/zone_dialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

using namespace vorla::smoke;
using namespace vorla::smoke::testing;
using namespace vorla::test_support;

namespace {

// A room of 10 m² and 3 m under a fast fire standing 1 m high: the layer comes
// down to the fire's base well within the run time.
TypedRun SmallRoom() {
    TypedRun run;
    run.RunTitle = "Store room";
    run.OutputFile = "STORE.SOF";
    run.FloorArea = "10";
    run.RoomHeight = "3";
    run.FireHeight = "1";
    run.RunTime = "600";
    run.FireFile = QString::fromStdString(DataFile("fast_t_squared_2mw.fir"));
    return run;
}

// `vorla smoke` on the room SmallRoom types (its heat loss fraction 0.6 too),
// writing its report to `output` and its summary to the standard output;
// `extra` after.
std::vector<std::string> SmallRoomCommand(const std::string& fire, const std::string& output,
                                          const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"smoke", "--fire",
                                     fire,    "--floor-area",
                                     "10",    "--room-height",
                                     "3",     "--fire-height",
                                     "1",     "--loss-fraction",
                                     "0.6",   "--run-time",
                                     "600",   "-o",
                                     output,  "--summary",
                                     "-"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

} // namespace

class SkevaKeyResultsPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QTemporaryDir settingsFolder_;
    std::string Data() const { return folder_.filePath("DATA").toStdString(); }

  private slots:
    void initTestCase() {
        vorla::test_support::UseTestSettings("skeva-xw", settingsFolder_.path());
    }
    void init() { QSettings().clear(); }

    void ThePanelEndsWithTheLayerAtTheFireBase() {
        SkevaWindows w(Data());
        w.Fill(SmallRoom());
        QWidget* report = w.Run();
        QVERIFY(report);
        QVERIFY(Control<QGroupBox>(report, "fraKeyResults")->isVisible());
        QCOMPARE(WindowConventionProblems(*report), QStringList());

        // The end time read back from the exported rows.
        const std::string csvPath = folder_.filePath("store.csv").toStdString();
        w.platform.ChooseInNextDialog(csvPath);
        Click(report, "cmdExportCsv");
        const std::string csv = ReadFile(csvPath);
        QCOMPARE(csv, ResultsCsv(w.calc->Results));
        QCOMPARE(w.platform.FileDialogs().back().Request.InitialFileName, std::string("STORE.csv"));
        const QStringList rows = QString::fromStdString(csv).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(rows.front().split(',').size(), 5);
        const QString end = QString::number(rows.back().section(',', 0, 0).toInt()) + ".0 s";

        const QStringList lines = PanelLines(report);
        QVERIFY(lines.filter("Flashover").isEmpty());
        QVERIFY(lines.filter("vent flow").isEmpty());
        QCOMPARE(lines[lines.size() - 2], "Layer at fire base at " + end);
        QCOMPARE(lines.back(),
                 "Run ended at " + end + ": layer interface dropped below fuel surface");
        // The layer passes 1.8 m and 1.5 m on its way down to 1 m.
        QCOMPARE(lines
                     .filter(QRegularExpression(
                         "^Layer down to 1.[85] m \\(\\d.\\d+ ft\\) at \\d+.\\d s$"))
                     .size(),
                 2);

        Click(report, "cmdCriteria");
        auto* dialog = Control<QDialog>(report, "dlgCriteria");
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("SKEVA-XW: Criteria"));
        Control<QLineEdit>(dialog, "txtInterfaceHeights")->setText("0.5");
        Click(dialog, "cmdOK");
        QCOMPARE(PanelLines(report).filter("Layer down to").join('|'),
                 QString("Layer down to 0.5 m (1.64 ft): not reached"));
        QCOMPARE(QSettings().value("criteria/interface_heights_m").toString(), QString("0.5"));
    }

    void CopyGivesTheShownRowsNineCellsEach() {
        SkevaWindows w(Data());
        w.Fill(SmallRoom());
        QWidget* report = w.Run();
        QVERIFY(report);
        Click(report, "cmdCopy");
        const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(
            copied.front().split('\t'),
            QStringList({"Time (sec)", "Temp (deg F)", "Temp (deg C)", "Layer (ft)", "Layer (m)",
                         "Fire (Btu/s)", "Fire (kW)", "Vent (lb/s)", "Vent (kg/s)"}));
        QStringList shown =
            Control<QPlainTextEdit>(report, "txtDataColumns")->toPlainText().split('\n');
        shown.removeLast(); // the end message
        QCOMPARE(copied.size(), 1 + shown.size() + 1);
        for (qsizetype i = 0; i < shown.size(); ++i) {
            QCOMPARE(copied[i + 1].split('\t'), shown[i].split(' ', Qt::SkipEmptyParts));
        }
    }

    // The small room with a standard sprinkler 2 m from the plume, which
    // operates, and a slow one set to 260 °C, which does not: the panel's
    // device lines are those of `vorla smoke --summary` for the same inputs.
    void TheDevicesAreFollowedAsTheBatchCommandFollowsThem() {
        const TypedRun room = SmallRoom();
        const BatchOutcome batch = RunBatch(SmallRoomCommand(
            room.FireFile.toStdString(), "/dev/null",
            {"--device", "kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68",
             "--device",
             "kind=sprinkler,name=never,radius=1,below-ceiling=0.05,rti=400,temperature=260"}));
        QCOMPARE(batch.Status, 0);
        const QStringList expected = SummaryDeviceLines(batch.Out);
        QVERIFY2(expected.filter(QRegularExpression("^  S1 \\(sprinkler\\) operated at ")).size() ==
                     1,
                 qPrintable(expected.join('\n')));
        QVERIFY(expected.contains("  never (sprinkler) did not operate"));

        SkevaWindows w(Data());
        w.Fill(room);
        const auto devices =
            TypeSprinklers(&w.input, {{"S1", "2", "50", "68"}, {"never", "1", "400", "260"}});
        QCOMPARE(devices.Title, QString("SKEVA-XW: Detectors and Sprinklers"));
        QVERIFY(devices.Closed);

        QWidget* report = w.Run();
        QVERIFY(report);
        const QStringList lines = PanelLines(report);
        const qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);
        // Saved with a line a device after the report, opened again after
        // File New: the devices are back.
        const std::string saved = folder_.filePath("sprinklers.sof").toStdString();
        w.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        QVERIFY(QString::fromStdString(ReadFile(saved))
                    .endsWith("\r\nDevice: kind=sprinkler,name=never,radius=1,below-ceiling=0.05,"
                              "rti=400,c=0,temperature=260\r\n"));
        Click(report, "cmdClose");
        SkevaWindows::FlushDeletes();
        QVERIFY(!SkevaWindows::Report());
        Trigger(w.input, "mnuFileNew");
        w.platform.ChooseInNextDialog(saved);
        Trigger(w.input, "mnuFileOpen");
        Trigger(w.input, "mnuFileDevices");
        QPointer<QDialog> dialog = Control<QDialog>(w.input, "dlgDevices");
        QVERIFY(dialog);
        QCOMPARE(Control<QTableWidget>(dialog, "tblDevices")->rowCount(), 2);
        Click(dialog, "cmdCancel");
        SkevaWindows::FlushDeletes();

        // File New forgets the devices.
        Trigger(w.input, "mnuFileNew");
        w.Fill(room);
        report = w.Run();
        QVERIFY(report);
        QVERIFY(PanelLines(report)
                    .filter(QRegularExpression("^First (detection|sprinkler)"))
                    .isEmpty());
    }

    // The small room's fire held once S1 operates, and a smoke detector
    // reading 5 %/m of obscuration: the panel's lines are `vorla smoke
    // --summary`'s (which follows the smoke by default), the rule is saved
    // before the devices, and Open Results names the devices untimed.
    void AHeldFireAndAnObscurationAreTheBatchCommands() {
        const TypedRun room = SmallRoom();
        const BatchOutcome batch = RunBatch(SmallRoomCommand(
            room.FireFile.toStdString(), "/dev/null",
            {"--device", "kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68",
             "--device", "kind=smoke,name=SD,radius=3,below-ceiling=0.02,obscuration=5",
             "--suppression", "held"}));
        QCOMPARE(batch.Status, 0);
        QStringList expected = SummaryDeviceLines(batch.Out);
        // What the case stands on: both operate.
        QVERIFY2(expected.filter(" operated at ").size() == 2, qPrintable(expected.join('\n')));
        const std::string json = batch.Out;
        const auto from = json.find("\"suppressed_from_s\":");
        QVERIFY(from != std::string::npos);
        const double suppressedFrom = std::stod(json.substr(from + 20));
        expected << "Fire held from " + QString::number(suppressedFrom, 'f', 1) +
                        " s by the first sprinkler";

        SkevaWindows w(Data());
        w.Fill(room);
        Trigger(w.input, "mnuFileDevices");
        QPointer<QDialog> dialog = Control<QDialog>(w.input, "dlgDevices");
        QVERIFY(dialog);
        auto* table = Control<QTableWidget>(dialog, "tblDevices");
        Click(dialog, "cmdAdd");
        table->item(0, 0)->setText("S1");
        table->item(0, 2)->setText("2");
        Click(dialog, "cmdAdd");
        static_cast<QComboBox*>(table->cellWidget(1, 1))->setCurrentIndex(2);
        static_cast<QComboBox*>(table->cellWidget(1, 7))->setCurrentIndex(1);
        table->item(1, 0)->setText("SD");
        table->item(1, 2)->setText("3");
        table->item(1, 3)->setText("0.02");
        table->item(1, 4)->setText("");
        table->item(1, 6)->setText("5");
        Control<QAbstractButton>(dialog, "optSuppression(1)")->click();
        Click(dialog, "cmdOK");
        SkevaWindows::FlushDeletes();
        QVERIFY2(!dialog || !dialog->isVisible(),
                 w.platform.Messages().empty() ? ""
                                               : w.platform.Messages().back().Request.Text.c_str());
        QWidget* report = w.Run();
        QVERIFY(report);
        QStringList lines = PanelLines(report);
        qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);

        const std::string saved = folder_.filePath("held.sof").toStdString();
        w.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        const QString text = QString::fromStdString(ReadFile(saved));
        QVERIFY2(text.contains("\r\nSuppression: --suppression held\r\n"
                               "Device: kind=sprinkler,name=S1,"),
                 qPrintable(text.right(300)));
        // 5 %/m is −log10(0.95) = 0.0222764 per metre.
        QVERIFY2(text.contains("\r\nDevice: kind=smoke,name=SD,radius=3,below-ceiling=0.02,c=0,"
                               "optical-density=0.022276394711"),
                 qPrintable(text.right(300)));
        Click(report, "cmdClose");
        SkevaWindows::FlushDeletes();

        w.platform.ChooseInNextDialog(saved);
        Trigger(w.input, "mnuFileOpenResults");
        report = SkevaWindows::Report();
        QVERIFY(report);
        lines = PanelLines(report);
        first = lines.indexOf("Devices (not computed from saved results: use File Open and Run):");
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first + 1, 3), QStringList({"  S1 (sprinkler)", "  SD (smoke)",
                                                       "Fire held by the first sprinkler"}));
        Click(report, "cmdClose");
        SkevaWindows::FlushDeletes();
    }

    // The store room followed for tenability with a lower head: the panel's
    // Tenability block is the batch command's summary of the same inputs,
    // and the saved report carries the line that gives them back.
    void TheTenabilityIsFollowedAsTheBatchCommandFollowsIt() {
        const TypedRun room = SmallRoom();
        const BatchOutcome batch =
            RunBatch(SmallRoomCommand(room.FireFile.toStdString(), "/dev/null",
                                      {"--head-height", "1.2", "--fed-toxic-limit", "0.5"}));
        QCOMPARE(batch.Status, 0);
        const QStringList expected = SummaryTenabilityLines(batch.Out);
        QVERIFY2(expected.front().startsWith("Tenability: ASET "), qPrintable(expected.join('\n')));

        SkevaWindows w(Data());
        w.Fill(room);
        const auto tenability =
            TypeTenability(&w.input, {{"txtHeadHeight", "1.2"}, {"txtFedToxicLimit", "0.5"}});
        QCOMPARE(tenability.Title, QString("SKEVA-XW: Smoke and Tenability"));
        QVERIFY(tenability.Closed);

        QWidget* report = w.Run();
        QVERIFY(report);
        const QStringList lines = PanelLines(report);
        const qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);
        const std::string saved = folder_.filePath("tenability.sof").toStdString();
        w.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        // The fire file was written with 20 MJ/kg: the run burned that, and says so.
        QVERIFY(QString::fromStdString(ReadFile(saved))
                    .endsWith("\r\nTenability: --fuel polystyrene --heat-of-combustion 20000 "
                              "--soot-yield 0.164 --co-yield 0.06 --hcn-yield 0 --co2-yield 2.33 "
                              "--head-height 1.2 --sign reflecting --fed-toxic-limit 0.5 "
                              "--fed-heat-limit 0.3 --radiant-flux-limit 2.5 "
                              "--tenability-temperature 60\r\n"));
        Click(report, "cmdClose");
        SkevaWindows::FlushDeletes();

        // The batch command follows the saved report's tenability.
        const BatchOutcome from =
            RunBatch({"smoke", "--from", saved, "-o", "/dev/null", "--summary", "-"});
        QCOMPARE(from.Status, 0);
        QCOMPARE(SummaryTenabilityLines(from.Out), expected);
    }
    // Open Results of a report saved with tenability shows the Tenability
    // block of the batch command's summary of the same run, offers the
    // quantities in the graph and keeps the line on Save; once the report's
    // fire file holds another fire, the rows are not a run of its inputs any
    // more, and the block says so with no time at all.
    void OpenResultsShowsTheSavedTenability() {
        const std::string fire = folder_.filePath("opened.fir").toStdString();
        std::filesystem::copy_file(DataFile("fast_t_squared_2mw.fir"), fire,
                                   std::filesystem::copy_options::overwrite_existing);
        const std::string saved = folder_.filePath("opened.sof").toStdString();
        const BatchOutcome batch = RunBatch(
            SmallRoomCommand(fire, saved, {"--head-height", "1.2", "--soot-yield", "0.2"}));
        QCOMPARE(batch.Status, 0);
        const QStringList expected = SummaryTenabilityLines(batch.Out);
        QVERIFY2(expected.front().startsWith("Tenability: ASET "), qPrintable(expected.join('\n')));

        SkevaWindows w(Data());
        w.platform.ChooseInNextDialog(saved);
        Trigger(w.input, "mnuFileOpenResults");
        QWidget* report = SkevaWindows::Report();
        QVERIFY(report);
        QVERIFY(w.platform.Messages().empty());
        QStringList lines = PanelLines(report);
        const qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);

        // Export CSV… has the four columns, with one value a row.
        const std::string csvPath = folder_.filePath("opened.csv").toStdString();
        w.platform.ChooseInNextDialog(csvPath);
        Click(report, "cmdExportCsv");
        const QStringList csv =
            QString::fromStdString(ReadFile(csvPath)).split("\r\n", Qt::SkipEmptyParts);
        QVERIFY2(csv.front().endsWith(",visibility_m,fed_toxic,fed_heat,radiant_flux_kW_m2"),
                 qPrintable(csv.front()));
        QCOMPARE(csv.size(), w.calc->Results.LastRow + 2);

        // Save writes the tenability line again.
        const std::string again = folder_.filePath("again.sof").toStdString();
        w.platform.ChooseInNextDialog(again);
        Click(report, "cmdSave");
        const auto trailer = [](const std::string& text) {
            const QString all = QString::fromStdString(text);
            return all.mid(all.indexOf("\r\nTenability: "));
        };
        QVERIFY(QString::fromStdString(ReadFile(again)).contains("\r\nTenability: --fuel"));
        QCOMPARE(trailer(ReadFile(again)), trailer(ReadFile(saved)));
        Click(report, "cmdClose");
        SkevaWindows::FlushDeletes();

        // The fire file now holds a steady fire: nothing is computed.
        std::filesystem::copy_file(DataFile("steady_100kw_10000s.fir"), fire,
                                   std::filesystem::copy_options::overwrite_existing);
        w.platform.ChooseInNextDialog(saved);
        Trigger(w.input, "mnuFileOpenResults");
        report = SkevaWindows::Report();
        QVERIFY(report);
        lines = PanelLines(report);
        QVERIFY2(lines.contains("Tenability (not computed: its inputs and fire file now give "
                                "other rows)"),
                 qPrintable(lines.join('\n')));
        QVERIFY(lines.filter(QRegularExpression("^Tenability: |Limit of")).isEmpty());
        w.platform.ChooseInNextDialog(csvPath);
        Click(report, "cmdExportCsv");
        QVERIFY(!QString::fromStdString(ReadFile(csvPath)).contains("visibility_m"));
        Click(report, "cmdClose");
        SkevaWindows::FlushDeletes();
    }
};

QTEST_MAIN(SkevaKeyResultsPanelTest)
#include "key_results_panel_test.moc"
