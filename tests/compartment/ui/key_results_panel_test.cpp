// VORLA-XW's report window beside its table: the Key Results panel and its
// Criteria dialog, Export CSV and Copy, driven as a user does. The settings
// live in a temporary folder, never the user's.
#include "common/ui/report_exports.h"
#include "compartment/model/results_csv.h"
#include "program_fixture.h"
#include "tests/support/batch_summary.h"
#include "tests/support/summary_device_lines.h"
#include "tests/support/summary_tenability_lines.h"
#include "tests/support/window_controls.h"
#include "tests/support/zone_dialogs.h"
#include "zone_models/ui/criteria_settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <cmath>
#include <optional>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;
using vorla::test_support::BatchOutcome;
using vorla::test_support::OfficeCommand;
using vorla::test_support::PanelLines;
using vorla::test_support::RunBatch;

namespace {

QStringList Cells(const QString& line) {
    return line.split('\t');
}

// The CSV read back: one list of numbers per row (flags left out).
QList<QList<double>> CsvNumbers(const QString& csv) {
    QList<QList<double>> rows;
    const QStringList lines = csv.split("\r\n", Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QList<double> row;
        const QStringList cells = lines[i].split(',');
        for (qsizetype c = 0; c < 5; ++c) {
            row << cells[c].toDouble();
        }
        rows << row;
    }
    return rows;
}

// The first time column `column` meets `criterion` (going down or up),
// interpolated linearly in time between the rows that straddle it.
std::optional<double> FirstCrossing(const QList<QList<double>>& rows, int column, double criterion,
                                    bool down) {
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const double v = rows[i][column];
        if (down ? v > criterion : v < criterion) {
            continue;
        }
        if (i == 0) {
            return rows[0][0];
        }
        const double v0 = rows[i - 1][column];
        return rows[i - 1][0] + (criterion - v0) / (v - v0) * (rows[i][0] - rows[i - 1][0]);
    }
    return std::nullopt;
}

QString Tenth(double seconds) {
    return QString::number(std::round(seconds * 10) / 10, 'f', 1);
}

// The rows of a saved report and what follows them: every line from the
// header's rule of "=" on (the header names files, which differ).
QStringList FromTheRule(const QString& report) {
    QStringList lines = report.split("\r\n");
    const qsizetype rule = lines.indexOf(QRegularExpression("^\\s*====.*"));
    return rule < 0 ? QStringList() : lines.mid(rule);
}

// The report window Open Results opened on `file` (a report window left
// open by an earlier case may be on screen too).
QWidget* OpenedReport(const QString& file) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "frmOutput" && window->isVisible() &&
            window->windowTitle().endsWith("- read from " + file)) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

class KeyResultsPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

  private slots:
    void initTestCase() {
        vorla::test_support::UseTestSettings("vorla-xw", settingsFolder_.path());
    }
    void init() { QSettings().clear(); }

    void ThePanelShowsOnceTheRunIsOverBesideTheTable() {
        Program program;
        program.FillRoom(program.WriteFile("RAMP.FIR", kRampFire), "300", "10");
        program.platform.AnswerNextQuestion(MessageButton::No); // flashover: go on
        auto* report = program.Run();
        QVERIFY(report);
        auto* panel = Control<QGroupBox>(report, "fraKeyResults");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->title(), QString("Key Results"));
        QCOMPARE(WindowConventionProblems(*report), QStringList());
        // The table keeps the 72 columns it has without the panel.
        auto* table = Control<QPlainTextEdit>(report, "txtDataColumns");
        QVERIFY(table->width() >= table->fontMetrics().horizontalAdvance(QString(68, u'0')));
        QVERIFY(panel->geometry().left() >= table->geometry().right());

        const QStringList lines = PanelLines(report);
        QCOMPARE(lines.front(), QString("Flashover at 122.0 s"));
        QCOMPARE(lines.back(), QString("Run ended at 300.0 s: end of input fire"));

        Click(report, "cmdCopyKeyResults");
        QCOMPARE(QGuiApplication::clipboard()->text(), lines.join('\n'));
    }

    void TheCrossingsAreThoseOfTheExportedRows() {
        Program program;
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire), "600");
        auto* report = program.Run();
        QVERIFY(report);
        const std::string csvPath = program.Path("office.csv");
        program.platform.ChooseInNextDialog(csvPath);
        Click(report, "cmdExportCsv");
        const auto rows = CsvNumbers(ReadText(csvPath));
        QCOMPARE(rows.size(), program.calc->Results.LastRow + 1);

        const QStringList lines = PanelLines(report);
        for (const double h : {1.8, 1.5}) {
            const auto t = FirstCrossing(rows, 2, h, true);
            const QString what =
                QString("Layer down to %1 m (%2 ft)").arg(h).arg(h == 1.8 ? "5.906" : "4.921");
            QVERIFY2(lines.contains(t ? what + " at " + Tenth(*t) + " s" : what + ": not reached"),
                     qPrintable(lines.join('\n')));
        }
        for (const int theta : {60, 200, 600}) {
            const auto t = FirstCrossing(rows, 1, theta, false);
            const QString what =
                QString("Layer at %1 °C (%2 °F)").arg(theta).arg(theta * 9 / 5 + 32);
            QVERIFY2(lines.contains(t ? what + " at " + Tenth(*t) + " s" : what + ": not reached"),
                     qPrintable(lines.join('\n')));
        }
        QCOMPARE(lines.front(), QString("Flashover: not reached"));
        QVERIFY(lines.contains("Peak heat release rate 100.0 kW (94.8 Btu/s)"));
        // 100 kW for 600 s.
        QVERIFY(lines.contains("Heat released 60.0 MJ (56870 Btu)"));
    }

    void USUnitsShowFeetAndFahrenheitFirst() {
        Program program;
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire), "600");
        Control<QAbstractButton>(program.input, "optUnits(1)")->click();
        auto* report = program.Run();
        QVERIFY(report);
        const QStringList lines = PanelLines(report);
        QVERIFY(lines.filter(QRegularExpression("^Layer down to 5.906 ft \\(1.8 m\\)")).size() ==
                1);
        QVERIFY(lines.filter(QRegularExpression("^Layer at 392 °F \\(200 °C\\)")).size() == 1);
        QVERIFY(lines.contains("Peak heat release rate 94.8 Btu/s (100.0 kW)"));
    }

    void CriteriaAreCheckedAppliedAtOnceAndRemembered() {
        Program program;
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire), "600");
        auto* report = program.Run();
        QVERIFY(report);
        const int messagesBefore = int(program.platform.Messages().size());

        Click(report, "cmdCriteria");
        auto* dialog = Control<QDialog>(report, "dlgCriteria");
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("VORLA-XW: Criteria"));
        QCOMPARE(WindowConventionProblems(*dialog), QStringList());
        auto* heights = Control<QLineEdit>(dialog, "txtInterfaceHeights");
        auto* temperatures = Control<QLineEdit>(dialog, "txtLayerTemperatures");
        QCOMPARE(heights->text(), QString("1.8, 1.5"));
        QCOMPARE(temperatures->text(), QString("60, 200, 600"));

        heights->setText("2;1");
        Click(dialog, "cmdOK");
        QVERIFY(dialog->isVisible());
        QCOMPARE(int(program.platform.Messages().size()), messagesBefore + 1);
        const auto& refused = program.platform.Messages().back().Request;
        QCOMPARE(refused.Title, std::string("VORLA-XW: Criteria"));
        QVERIFY(refused.Text.starts_with("The value of the Interface heights box is not a list"));
        QCOMPARE(dialog->focusWidget(), heights);

        // "1,8" meant as 1.8: the 8 m is above this run's 2.4 m ceiling, and
        // "60,5" gives a 5 °C below the room's own temperature.
        const struct {
            const char* heights;
            const char* temperatures;
            std::string message;
            QLineEdit* box;
        } outside[] = {
            {"1,8", "60",
             "The value of the Interface heights box must be heights inside the "
             "room, up to its ceiling height of 2.4 m, not 8.",
             heights},
            {"1.8", "60,5",
             "The value of the Layer temperatures box must be temperatures above "
             "ambient (21.11 °C), not 5.",
             temperatures},
        };
        for (const auto& c : outside) {
            heights->setText(c.heights);
            temperatures->setText(c.temperatures);
            Click(dialog, "cmdOK");
            QVERIFY(dialog->isVisible());
            QVERIFY2(program.platform.Messages().back().Request.Text.starts_with(c.message),
                     program.platform.Messages().back().Request.Text.c_str());
            QCOMPARE(dialog->focusWidget(), c.box);
        }

        heights->setText("2.2, 0.3");
        temperatures->setText("");
        Click(dialog, "cmdOK");
        Program::Settle();
        QVERIFY(!Control<QDialog>(report, "dlgCriteria") ||
                !Control<QDialog>(report, "dlgCriteria")->isVisible());
        QStringList lines = PanelLines(report);
        QCOMPARE(lines.filter("Layer down to").size(), 2);
        QVERIFY(lines.filter(QRegularExpression("^Layer down to 2.2 m \\(7.218 ft\\)")).size() ==
                1);
        QVERIFY(lines.contains("Layer down to 0.3 m (0.984 ft): not reached"));
        QCOMPARE(lines.filter("Layer at ").size(), 0);
        QSettings settings;
        QCOMPARE(settings.value(vorla::ui::kInterfaceHeightsKey).toString(), QString("2.2,0.3"));
        QCOMPARE(settings.value(vorla::ui::kLayerTemperaturesKey).toString(), QString());

        // Cancel changes nothing.
        Click(report, "cmdCriteria");
        dialog = Control<QDialog>(report, "dlgCriteria");
        Control<QLineEdit>(dialog, "txtInterfaceHeights")->setText("9");
        Click(dialog, "cmdCancel");
        Program::Settle();
        QCOMPARE(PanelLines(report), lines);

        // The next run's panel starts from the criteria remembered.
        program.platform.AnswerNextQuestion(MessageButton::No); // do not save
        Click(report, "cmdClose");
        Program::Settle();
        report = program.Run();
        QVERIFY(report);
        lines = PanelLines(report);
        QVERIFY(lines.contains("Layer down to 0.3 m (0.984 ft): not reached"));
        QCOMPARE(lines.filter("Layer at ").size(), 0);
    }

    void CriteriaSettingsReadBack_data() {
        QTest::addColumn<QVariant>("heights");
        QTest::addColumn<QVariant>("temperatures");
        QTest::addColumn<QList<double>>("heightsM");
        QTest::addColumn<QList<double>>("temperaturesC");
        QTest::newRow("missing: defaults")
            << QVariant() << QVariant() << QList<double>{1.8, 1.5} << QList<double>{60, 200, 600};
        QTest::newRow("stored") << QVariant("1.8288,0.5") << QVariant("37.77777778")
                                << QList<double>{1.8288, 0.5} << QList<double>{37.77777778};
        QTest::newRow("cleared") << QVariant("") << QVariant("") << QList<double>{}
                                 << QList<double>{};
        QTest::newRow("damaged: defaults")
            << QVariant("1.8;x") << QVariant("-300") << QList<double>{1.8, 1.5}
            << QList<double>{60, 200, 600};
    }
    void CriteriaSettingsReadBack() {
        QFETCH(QVariant, heights);
        QFETCH(QVariant, temperatures);
        QFETCH(QList<double>, heightsM);
        QFETCH(QList<double>, temperaturesC);
        {
            QSettings settings;
            if (heights.isValid()) {
                settings.setValue(vorla::ui::kInterfaceHeightsKey, heights);
                settings.setValue(vorla::ui::kLayerTemperaturesKey, temperatures);
            }
        }
        const vorla::KeyCriteria read = vorla::ui::LoadCriteria(QSettings());
        QCOMPARE(QList<double>(read.InterfaceHeightsM.begin(), read.InterfaceHeightsM.end()),
                 heightsM);
        QCOMPARE(QList<double>(read.LayerTemperaturesC.begin(), read.LayerTemperaturesC.end()),
                 temperaturesC);
        // What is saved reads back the same.
        QSettings settings;
        vorla::ui::SaveCriteria(settings, read);
        const vorla::KeyCriteria again = vorla::ui::LoadCriteria(settings);
        QCOMPARE(again.InterfaceHeightsM, read.InterfaceHeightsM);
        QCOMPARE(again.LayerTemperaturesC, read.LayerTemperaturesC);
    }

    void ExportCsvWritesTheBatchCommandsBytes() {
        Program program;
        program.FillRoom(program.WriteFile("RAMP.FIR", kRampFire), "300", "10");
        program.platform.AnswerNextQuestion(MessageButton::Yes); // flashover: stop
        auto* report = program.Run();
        QVERIFY(report);
        const std::string path = program.Path("ramp.csv");
        program.platform.ChooseInNextDialog(path);
        Click(report, "cmdExportCsv");
        const auto& dialog = program.platform.FileDialogs().back().Request;
        QCOMPARE(dialog.Kind, vorla::ui::FileDialogKind::SaveAs);
        QCOMPARE(dialog.Title, std::string("Export CSV"));
        QCOMPARE(dialog.Filter, std::string("CSV files (*.csv)|*.csv|All files (*)|*"));
        QCOMPARE(dialog.InitialFileName, std::string("OFFICE.csv"));
        QVERIFY(dialog.ConfirmOverwrite);
        const std::string written = ReadFile(path);
        QCOMPARE(written, ResultsCsv(program.calc->Results));
        // Read back: the title line, then rows 0 to the flashover row at 122 s.
        const QStringList lines = QString::fromStdString(written).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 26);
        QCOMPARE(lines.front().split(',').size(), 7);
        QCOMPARE(lines.back().section(',', 0, 0), QString("122"));
        QVERIFY(lines.back().section(',', 1, 1).toDouble() > 600);

        // A folder that does not exist: a message naming the file, nothing written.
        const std::string nowhere = program.Path("missing/ramp.csv");
        program.platform.ChooseInNextDialog(nowhere);
        Click(report, "cmdExportCsv");
        const auto& failed = program.platform.Messages().back().Request;
        QCOMPARE(failed.Title, std::string("VORLA-XW"));
        QCOMPARE(failed.Icon, MessageIcon::Critical);
        QVERIFY(failed.Text.find(nowhere) != std::string::npos);
        QVERIFY(failed.Text.ends_with(" The CSV file is not written."));
        QVERIFY(!QFile::exists(QString::fromStdString(nowhere)));

        // Cancelled: nothing asked, nothing written.
        const auto messages = program.platform.Messages().size();
        program.platform.CancelNextDialog();
        Click(report, "cmdExportCsv");
        QCOMPARE(program.platform.Messages().size(), messages);
    }

    void CopyPutsTheShownTableOnTheClipboardAsCells() {
        Program program;
        program.FillRoom(program.WriteFile("RAMP.FIR", kRampFire), "300", "10");
        program.platform.AnswerNextQuestion(MessageButton::No);
        auto* report = program.Run();
        QVERIFY(report);
        Click(report, "cmdCopy");
        const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(copied.back(), QString()); // every line ends with a line feed
        QCOMPARE(
            Cells(copied.front()),
            QStringList({"Time (sec)", "Temp (deg F)", "Temp (deg C)", "Layer (ft)", "Layer (m)",
                         "Fire (Btu/s)", "Fire (kW)", "Vent (lb/s)", "Vent (kg/s)", "FR", "OS"}));
        // Each shown row, read by the report's fixed columns: nine right-aligned
        // numbers in the first 62 characters, then the two three-character flags.
        QStringList shown =
            Control<QPlainTextEdit>(report, "txtDataColumns")->toPlainText().split('\n');
        shown.removeLast(); // the end message
        QCOMPARE(copied.size(), 1 + shown.size() + 1);
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const QString& line = shown[i];
            QStringList expected = line.left(62).split(' ', Qt::SkipEmptyParts);
            expected << line.mid(62, 3).trimmed() << line.mid(65, 3).trimmed();
            QCOMPARE(Cells(copied[i + 1]), expected);
        }
        QCOMPARE(Cells(copied[shown.size()]).front(), QString("300"));
    }

    // The office's t² sofa fire with a standard sprinkler 2 m from the plume
    // and a slow one set to 260 °C that the run's layer never heats enough:
    // the panel's device lines are those of the batch command's summary of the
    // same inputs.
    void TheDevicesAreFollowedAsTheBatchCommandFollowsThem() {
        const std::string fire = VORLA_EXAMPLES_DIR "/office-sofa-tsquared.fir";
        const BatchOutcome batch = RunBatch(OfficeCommand(
            fire, "200",
            {"-o", "/dev/null", "--summary", "-", "--device",
             "kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68", "--device",
             "kind=sprinkler,name=never,radius=1,below-ceiling=0.05,rti=400,temperature=260"}));
        QCOMPARE(batch.Status, 0);
        const QStringList expected = vorla::test_support::SummaryDeviceLines(batch.Out);
        // What the case stands on: one sprinkler operates, the other does not.
        QVERIFY2(expected.filter(QRegularExpression("^  S1 \\(sprinkler\\) operated at ")).size() ==
                     1,
                 qPrintable(expected.join('\n')));
        QVERIFY(expected.contains("  never (sprinkler) did not operate"));

        Program program;
        program.FillRoom(fire, "200");
        QVERIFY(TypeSprinklers(program.input.get(),
                               {{"S1", "2", "50", "68"}, {"never", "1", "400", "260"}})
                    .Closed);
        program.platform.AnswerNextQuestion(MessageButton::No); // flashover, if asked: go on
        auto* report = program.Run();
        QVERIFY(report);
        const QStringList lines = PanelLines(report);
        const qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);
        QCOMPARE(lines.back(), QString("Run ended at 200.0 s: run complete"));
        // Saved, the report ends with a line a device.
        const std::string saved = program.Path("sprinklers.sdf");
        program.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        const QStringList savedLines = ReadText(saved).split("\r\n", Qt::SkipEmptyParts);
        QVERIFY(savedLines.size() > 2);
        QVERIFY2(savedLines[savedLines.size() - 2].startsWith("Device: kind=sprinkler,name=S1,"),
                 qPrintable(savedLines[savedLines.size() - 2]));
        QVERIFY(savedLines.back().startsWith("Device: kind=sprinkler,name=never,"));
        Click(report, "cmdClose");
        Program::Settle();
        QVERIFY(!Program::Report());

        // File New forgets them, File Open of the saved report brings them back.
        Trigger(program.input, "mnuFileNew");
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpen");
        Trigger(program.input, "mnuFileDevices");
        QPointer<QDialog> dialog = Control<QDialog>(program.input, "dlgDevices");
        QVERIFY(dialog);
        auto* table = Control<QTableWidget>(dialog, "tblDevices");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0)->text(), QString("S1"));
        QCOMPARE(table->item(1, 6)->text(), QString("260"));
        Click(dialog, "cmdCancel");
        Program::Settle();
        report = program.Run();
        QVERIFY(report);
        QCOMPARE(PanelLines(report).mid(first, expected.size()), expected);
        Click(report, "cmdClose");
        Program::Settle();

        // A damaged device line is named, and the report opens without devices.
        const QString damaged =
            ReadText(saved).replace("name=never,radius=1", "name=never,radius=x");
        const std::string damagedPath = program.WriteFile("damaged.sdf", damaged.toStdString());
        program.platform.ChooseInNextDialog(damagedPath);
        Trigger(program.input, "mnuFileOpen");
        const std::string message = program.platform.Messages().back().Request.Text;
        // The damaged line's number, counted from 1 over every line of the file.
        const qsizetype lineNumber =
            damaged.split("\r\n").indexOf(QRegularExpression("^Device: .*name=never,.*")) + 1;
        QVERIFY(lineNumber > 1);
        QVERIFY2(message.starts_with(damagedPath + ": Line " + std::to_string(lineNumber) +
                                     ": radius: "),
                 message.c_str());
        QCOMPARE(program.Box(InputBox::txtFloorArea)->text(), QString("20"));

        // Without devices the panel is as it always was.
        program.FillRoom(fire, "200");
        report = program.Run();
        QVERIFY(report);
        QVERIFY(PanelLines(report)
                    .filter(QRegularExpression("^First (detection|sprinkler)"))
                    .isEmpty());
    }

    // The office's sofa fire decaying once S1 operates (Evans, w = 0.07
    // mm/s): the window's panel, rows and saved lines are the batch
    // command's for the same inputs; the rule travels with the saved report to
    // File Open; Open Results names the devices without timing them and
    // saves them again.
    void ASuppressedRunIsTheBatchCommandsRun() {
        const std::string fire = VORLA_EXAMPLES_DIR "/office-sofa-tsquared.fir";
        Program program;
        const std::string batchReport = program.Path("batch.vof");
        const BatchOutcome batch = RunBatch(OfficeCommand(
            fire, "200",
            {"-o", batchReport, "--summary", "-", "--device",
             "kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68",
             "--suppression", "decaying", "--spray-density", "0.07"}));
        QCOMPARE(batch.Status, 0);
        QStringList expected = vorla::test_support::SummaryDeviceLines(batch.Out);
        const QJsonObject summary =
            QJsonDocument::fromJson(QByteArray::fromStdString(batch.Out)).object();
        QCOMPARE(summary["suppression"].toString(), QString("decaying"));
        expected << "Fire decaying from " +
                        QString::number(summary["suppressed_from_s"].toDouble(), 'f', 1) +
                        " s by the first sprinkler";

        program.FillRoom(fire, "200");
        Trigger(program.input, "mnuFileDevices");
        QPointer<QDialog> dialog = Control<QDialog>(program.input, "dlgDevices");
        QVERIFY(dialog);
        auto* table = Control<QTableWidget>(dialog, "tblDevices");
        Click(dialog, "cmdAdd");
        table->item(0, 0)->setText("S1");
        table->item(0, 2)->setText("2");
        Control<QAbstractButton>(dialog, "optSuppression(2)")->click();
        Control<QLineEdit>(dialog, "txtSprayDensity")->setText("0.07");
        Click(dialog, "cmdOK");
        Program::Settle();
        QVERIFY(!dialog || !dialog->isVisible());
        program.platform.AnswerNextQuestion(MessageButton::No); // flashover, if asked: go on
        auto* report = program.Run();
        QVERIFY(report);
        QStringList lines = PanelLines(report);
        qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);
        // The heat released is the suppressed fire's, as the batch command's.
        const QString released = "Heat released " +
                                 QString::number(summary["heat_released_mj"].toDouble(), 'f', 1) +
                                 " MJ";
        QVERIFY2(lines.filter(released).size() >= 1,
                 qPrintable(released + "\n" + lines.join('\n')));

        const std::string saved = program.Path("suppressed.sdf");
        program.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        const QString savedText = ReadText(saved);
        QCOMPARE(FromTheRule(savedText), FromTheRule(ReadText(batchReport)));
        QVERIFY(savedText.contains("\r\nSuppression: --suppression decaying --spray-density 0.07 "
                                   "--suppression-constant 3 --suppression-exponent 1.85\r\n"
                                   "Device: kind=sprinkler,name=S1,"));
        Click(report, "cmdClose");
        Program::Settle();

        // File Open brings the rule back; Run gives the same lines.
        Trigger(program.input, "mnuFileNew");
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpen");
        Trigger(program.input, "mnuFileDevices");
        dialog = Control<QDialog>(program.input, "dlgDevices");
        QVERIFY(dialog);
        QVERIFY(Control<QAbstractButton>(dialog, "optSuppression(2)")->isChecked());
        QCOMPARE(Control<QLineEdit>(dialog, "txtSprayDensity")->text(), QString("0.07"));
        Click(dialog, "cmdCancel");
        Program::Settle();
        program.platform.AnswerNextQuestion(MessageButton::No);
        report = program.Run();
        QVERIFY(report);
        QCOMPARE(PanelLines(report).mid(first, expected.size()), expected);
        Click(report, "cmdClose");
        Program::Settle();

        // Open Results: the devices named, not timed; Save keeps the lines.
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpenResults");
        report = Program::Report();
        QVERIFY(report);
        lines = PanelLines(report);
        first = lines.indexOf("Devices (not computed from saved results: use File Open and Run):");
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first + 1, 2),
                 QStringList({"  S1 (sprinkler)", "Fire decaying by the first sprinkler"}));
        QVERIFY(lines.filter("did not operate").isEmpty());
        const std::string again = program.Path("again.sdf");
        program.platform.ChooseInNextDialog(again);
        Click(report, "cmdSave");
        // (The rows' U.S. columns are converted again from the S.I. ones read,
        // so only the lines after the report are compared.)
        const auto trailer = [](const QString& text) {
            return text.mid(text.indexOf("\r\nSuppression: "));
        };
        QVERIFY(ReadText(again).contains("\r\nSuppression: "));
        QCOMPARE(trailer(ReadText(again)), trailer(savedText));
        Click(report, "cmdClose");
        Program::Settle();
    }

    // A sprinkler hung 3 m below the 2.4 m ceiling is refused by Run with the
    // batch command's sentence, and no report opens; in U.S. units the dialog
    // shows feet; Ctrl+D opens it from a box.
    void RunRefusesADeviceOutsideTheRoom() {
        Program program;
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire), "60");
        // Ctrl+D, typed in the run title, opens the dialog.
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));
        QTest::keyClick(program.Focus(), Qt::Key_D, Qt::ControlModifier);
        auto* dialog = Control<QDialog>(program.input, "dlgDevices");
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("VORLA-XW: Detectors and Sprinklers"));
        auto* table = Control<QTableWidget>(dialog, "tblDevices");
        Click(dialog, "cmdAdd");
        table->item(0, 0)->setText("deep");
        table->item(0, 3)->setText("3");
        Click(dialog, "cmdOK");
        Program::Settle();
        const auto before = program.platform.Messages().size();
        QVERIFY(!program.Run());
        QCOMPARE(program.platform.Messages().size(), before + 1);
        const auto& refused = program.platform.Messages().back().Request;
        QCOMPARE(refused.Title, std::string("VORLA-XW: Detectors and Sprinklers"));
        QVERIFY2(refused.Text.starts_with("deep: below-ceiling: "), refused.Text.c_str());

        Control<QAbstractButton>(program.input, "optUnits(1)")->click();
        Trigger(program.input, "mnuFileDevices");
        dialog = Control<QDialog>(program.input, "dlgDevices");
        QVERIFY(dialog && dialog->isVisible());
        table = Control<QTableWidget>(dialog, "tblDevices");
        QCOMPARE(table->rowCount(), 1);
        QVERIFY(table->horizontalHeaderItem(3)->text().contains("(ft)"));
        // 3 m is 9.843 ft.
        QVERIFY2(table->item(0, 3)->text().startsWith("9.84"),
                 qPrintable(table->item(0, 3)->text()));
        Click(dialog, "cmdCancel");
    }

    // The office's t² sofa fire followed for tenability with lit signs, a
    // sootier fuel and a sprinkler: the panel's Tenability block is the one
    // the batch command's summary gives for the same inputs, Save writes the
    // tenability line before the device's, File Open brings it back, Export
    // CSV… adds the four columns and the graph the four quantities.
    void TheTenabilityIsFollowedAsTheBatchCommandFollowsIt() {
        const std::string fire = VORLA_EXAMPLES_DIR "/office-sofa-tsquared.fir";
        const BatchOutcome batch = RunBatch(OfficeCommand(
            fire, "200",
            {"-o", "/dev/null", "--summary", "-", "--sign", "lit", "--soot-yield", "0.2",
             "--head-height", "1.5", "--device",
             "kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68"}));
        QCOMPARE(batch.Status, 0);
        const QStringList expected = vorla::test_support::SummaryTenabilityLines(batch.Out);
        // What the case stands on: the room becomes untenable, after the
        // sprinkler operated, and some criterion holds.
        QVERIFY2(expected.front().startsWith("Tenability: ASET "), qPrintable(expected.join('\n')));
        QVERIFY2(expected.back().startsWith("Detection to ASET: "),
                 qPrintable(expected.join('\n')));
        QVERIFY(!expected.filter(": held").isEmpty());

        Program program;
        program.FillRoom(fire, "200");
        QVERIFY(TypeTenability(program.input.get(),
                               {{"txtSootYield", "0.2"}, {"txtHeadHeight", "1.5"}}, 1)
                    .Closed); // lit signs
        QVERIFY(TypeSprinklers(program.input.get(), {{"S1", "2", "50", "68"}}).Closed);
        program.platform.AnswerNextQuestion(MessageButton::No); // flashover, if asked: go on
        auto* report = program.Run();
        QVERIFY(report);
        const QStringList lines = PanelLines(report);
        const qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);

        // Export CSV… has the four columns --csv adds.
        const std::string csvPath = program.Path("tenability.csv");
        program.platform.ChooseInNextDialog(csvPath);
        Click(report, "cmdExportCsv");
        const QString header = ReadText(csvPath).section("\r\n", 0, 0);
        QVERIFY2(header.endsWith(",visibility_m,fed_toxic,fed_heat,radiant_flux_kW_m2"),
                 qPrintable(header));

        // The graph offers the four quantities after its own four.
        Click(report, "cmdGraph");
        QWidget* graph = Program::Graph();
        QVERIFY(graph);
        auto* flux = Control<QRadioButton>(graph, "optPlotVariable(7)");
        QVERIFY(flux);
        QCOMPARE(flux->text(), QString("Radiant Flux"));
        flux->click();
        QCOMPARE(Control<QLabel>(graph, "lblYTitle")->text(),
                 QString("Radiant Flux at Head Height (kW/m²)"));
        Click(graph, "cmdClose");
        Program::Settle();

        // Saved, the report ends with the tenability line, then the device's.
        const std::string saved = program.Path("tenability.sdf");
        program.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        const QStringList savedLines = ReadText(saved).split("\r\n", Qt::SkipEmptyParts);
        QVERIFY(savedLines.size() > 2);
        // The office's fire file was written with 20 MJ/kg: the run burned that.
        QCOMPARE(savedLines[savedLines.size() - 2],
                 QString("Tenability: --fuel polystyrene --heat-of-combustion 20000 --soot-yield "
                         "0.2 --co-yield 0.06 --hcn-yield 0 --co2-yield 2.33 --head-height 1.5 "
                         "--sign lit --fed-toxic-limit 0.3 --fed-heat-limit 0.3 "
                         "--radiant-flux-limit 2.5 --tenability-temperature 60"));
        QVERIFY(savedLines.back().startsWith("Device: kind=sprinkler,name=S1,"));
        Click(report, "cmdClose");
        Program::Settle();

        // The batch command follows the saved report's tenability.
        const BatchOutcome from = RunBatch({"compartment", "--from", saved, "-o", "/dev/null",
                                            "--flashover", "continue", "--summary", "-"});
        QCOMPARE(from.Status, 0);
        QCOMPARE(vorla::test_support::SummaryTenabilityLines(from.Out), expected);

        // File New forgets it, File Open of the saved report brings it back.
        Trigger(program.input, "mnuFileNew");
        Trigger(program.input, "mnuFileTenability");
        QPointer<QDialog> dialog = Control<QDialog>(program.input, "dlgTenability");
        QVERIFY(!Control<QCheckBox>(dialog, "chkFollow")->isChecked());
        Click(dialog, "cmdCancel");
        Program::Settle();
        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpen");
        Trigger(program.input, "mnuFileTenability");
        dialog = Control<QDialog>(program.input, "dlgTenability");
        QVERIFY(Control<QCheckBox>(dialog, "chkFollow")->isChecked());
        QCOMPARE(Control<QLineEdit>(dialog, "txtSootYield")->text(), QString("0.2"));
        QCOMPARE(Control<QComboBox>(dialog, "cboSign")->currentText(), QString("lit"));
        Click(dialog, "cmdCancel");
        Program::Settle();
        report = program.Run();
        QVERIFY(report);
        QCOMPARE(PanelLines(report).mid(first, expected.size()), expected);
        Click(report, "cmdClose");
        Program::Settle();

        // A damaged line is named, and the report opens without tenability.
        const QString damaged = ReadText(saved).replace("--soot-yield 0.2", "--soot-yield x");
        const std::string damagedPath = program.WriteFile("damaged.sdf", damaged.toStdString());
        program.platform.ChooseInNextDialog(damagedPath);
        Trigger(program.input, "mnuFileOpen");
        const std::string message = program.platform.Messages().back().Request.Text;
        const qsizetype lineNumber =
            damaged.split("\r\n").indexOf(QRegularExpression("^Tenability: .*")) + 1;
        QVERIFY(lineNumber > 1);
        QCOMPARE(message, damagedPath + ": Line " + std::to_string(lineNumber) +
                              ": The value of --soot-yield is not a number: \"x\". The report "
                              "opens without its tenability.");

        // Without tenability the panel, the CSV and the report are as they were.
        Trigger(program.input, "mnuFileNew");
        program.FillRoom(fire, "200");
        report = program.Run();
        QVERIFY(report);
        QVERIFY(PanelLines(report).filter(QRegularExpression("^Tenability|Limit of")).isEmpty());
        const std::string plain = program.Path("plain.sdf");
        program.platform.ChooseInNextDialog(plain);
        Click(report, "cmdSave");
        QVERIFY(!ReadText(plain).contains("Tenability:"));
    }
    // Where the tenability's heat of combustion came from, in the panel's one
    // line after the Tenability block, with the batch command's value and
    // source (its summary) for the same inputs: the office's fire file
    // (written with 20 MJ/kg), a value typed in Smoke and Tenability…, and a
    // hand-typed fire file whose zero burning rates give none, which adds the
    // note the batch command prints. Without tenability no such line.
    void TheHeatOfCombustionIsNamedWithItsSource_data() {
        QTest::addColumn<bool>("handTyped");
        QTest::addColumn<QString>("typed"); // the dialog's box, empty: left alone
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("words");
        QTest::newRow("the fire file's") << false << ""
                                         << "fire file"
                                         << "from the fire file";
        QTest::newRow("typed") << false << "12400"
                               << "input"
                               << "as given";
        QTest::newRow("hand-typed fire file") << true << ""
                                              << "default"
                                              << "the fuel's default";
    }
    void TheHeatOfCombustionIsNamedWithItsSource() {
        QFETCH(bool, handTyped);
        QFETCH(QString, typed);
        QFETCH(QString, source);
        QFETCH(QString, words);
        Program program;
        const std::string fire = handTyped
                                     ? program.WriteFile("typed.fir", kSteadyFire)
                                     : std::string(VORLA_EXAMPLES_DIR "/office-sofa-tsquared.fir");
        std::vector<std::string> extra{"-o", "/dev/null", "--summary", "-", "--sign", "lit"};
        if (!typed.isEmpty()) {
            extra.insert(extra.end(), {"--heat-of-combustion", typed.toStdString()});
        }
        const BatchOutcome batch = RunBatch(OfficeCommand(fire, "200", extra));
        QCOMPARE(batch.Status, 0);
        const QJsonObject inputs = QJsonDocument::fromJson(QByteArray::fromStdString(batch.Out))
                                       .object()["inputs"]
                                       .toObject();
        QCOMPARE(inputs["heat_of_combustion_source"].toString(), source);
        const QString line = "Heat of combustion: " +
                             QString::number(inputs["heat_of_combustion_kj_kg"].toDouble()) +
                             " kJ/kg, " + words;
        // The batch command's note, after its "vorla compartment: ".
        const QString note = QString::fromStdString(batch.Err).section(": ", 1, -1).trimmed();
        QCOMPARE(note.isEmpty(), !handTyped);

        program.FillRoom(fire, "200");
        program.platform.AnswerNextQuestion(MessageButton::No); // flashover, if asked: go on
        QWidget* report = program.Run();
        QVERIFY(report);
        QVERIFY(PanelLines(report).filter("Heat of combustion").isEmpty());
        Click(report, "cmdClose");
        Program::Settle();

        if (typed.isEmpty()) {
            QVERIFY(TypeTenability(program.input.get(), {}, 1).Closed); // lit signs
        } else {
            QVERIFY(
                TypeTenability(program.input.get(), {{"txtHeatOfCombustion", typed}}, 1).Closed);
        }
        program.platform.AnswerNextQuestion(MessageButton::No);
        report = program.Run();
        QVERIFY(report);
        const QStringList lines = PanelLines(report);
        const qsizetype at = lines.indexOf(line);
        QVERIFY2(at > 0, qPrintable(line + "\n" + lines.join('\n')));
        // After the Tenability block, before the run's end.
        QVERIFY(lines.indexOf(QRegularExpression("^  Limit of .*")) < at);
        QVERIFY(lines.last().startsWith("Run ended at "));
        if (handTyped) {
            QCOMPARE(lines.value(at + 1), note);
            QCOMPARE(at + 2, lines.size() - 1);
        } else {
            QCOMPARE(at + 1, lines.size() - 1);
        }
    }

    // A report the batch command saved with tenability and a sprinkler,
    // opened as results: the panel's Tenability and devices blocks are the
    // batch command's summary of the same run (the detection to ASET line
    // included) and the graph offers the radiant flux. A copy whose heat loss
    // fraction was edited is no longer the run of its rows: no time is given.
    void OpenResultsShowsTheTenabilityOfTheSavedRun() {
        const std::string fire = VORLA_EXAMPLES_DIR "/office-sofa-tsquared.fir";
        Program program;
        const std::string saved = program.Path("opened.vof");
        const BatchOutcome batch = RunBatch(OfficeCommand(
            fire, "200",
            {"-o", saved, "--summary", "-", "--sign", "lit", "--soot-yield", "0.2", "--head-height",
             "1.5", "--device",
             "kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68"}));
        QCOMPARE(batch.Status, 0);
        const QStringList tenability = vorla::test_support::SummaryTenabilityLines(batch.Out);
        const QStringList devices = vorla::test_support::SummaryDeviceLines(batch.Out);
        QVERIFY2(tenability.back().startsWith("Detection to ASET: "),
                 qPrintable(tenability.join('\n')));

        QString edited = ReadText(saved);
        const QString loss = "HEAT LOSS FRACTION          :   0.600";
        QVERIFY(edited.contains(loss));
        edited.replace(loss, "HEAT LOSS FRACTION          :   0.700");
        program.platform.ChooseInNextDialog(program.WriteFile("edited.vof", edited.toStdString()));
        Trigger(program.input, "mnuFileOpenResults");
        QWidget* report = OpenedReport("edited.vof");
        QVERIFY(report);
        QStringList lines = PanelLines(report);
        QVERIFY2(lines.contains("Tenability (not computed: its inputs and fire file now give "
                                "other rows)"),
                 qPrintable(lines.join('\n')));
        QVERIFY(
            lines.contains("Devices (not computed from saved results: use File Open and Run):"));
        QVERIFY(
            lines.filter(QRegularExpression("^Tenability: |Limit of|Detection to ASET|operated"))
                .isEmpty());
        program.platform.AnswerNextQuestion(MessageButton::No); // not saved: close
        Click(report, "cmdClose");
        Program::Settle();
        QTRY_VERIFY(OpenedReport("edited.vof") == nullptr);

        program.platform.ChooseInNextDialog(saved);
        Trigger(program.input, "mnuFileOpenResults");
        report = OpenedReport("opened.vof");
        QVERIFY(report);
        lines = PanelLines(report);
        for (const QStringList& expected : {devices, tenability}) {
            const qsizetype first = lines.indexOf(expected.front());
            QVERIFY2(first >= 0, qPrintable(expected.front() + "\n" + lines.join('\n')));
            QCOMPARE(lines.mid(first, expected.size()), expected);
        }
        Click(report, "cmdGraph");
        QWidget* graph = Program::Graph();
        QVERIFY(graph);
        auto* flux = Control<QRadioButton>(graph, "optPlotVariable(7)");
        QVERIFY(flux);
        QCOMPARE(flux->text(), QString("Radiant Flux"));
        Click(graph, "cmdClose");
        Program::Settle();
    }
};

QTEST_MAIN(KeyResultsPanelTest)
#include "key_results_panel_test.moc"
