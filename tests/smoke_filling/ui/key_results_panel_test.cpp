// SKEVA-XW's report window beside its table: the Key Results panel, Export CSV
// and Copy. The settings live in a temporary folder, never the user's.
#include "skeva_windows.h"
#include "smoke_filling/model/results_csv.h"
#include "tests/common/ui/window_conventions.h"
#include "tests/support/file_bytes.h"
#include "tests/support/window_controls.h"

#include <QClipboard>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorla::smoke;
using namespace vorla::smoke::testing;
using namespace vorla::test_support;

namespace {

QStringList PanelLines(const QWidget* report) {
    return Control<QPlainTextEdit>(report, "txtKeyResults")->toPlainText().split('\n');
}

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

} // namespace

class SkevaKeyResultsPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QTemporaryDir settingsFolder_;
    std::string Data() const { return folder_.filePath("DATA").toStdString(); }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("VORLA");
        QCoreApplication::setApplicationName("skeva-xw");
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
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
};

QTEST_MAIN(SkevaKeyResultsPanelTest)
#include "key_results_panel_test.moc"
