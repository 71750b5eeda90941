#include "common/ui/report_text_box.h"
#include "compartment/model/report_text.h"
#include "compartment/ui/graph_form.h"
#include "compartment/ui/output_form.h"
#include "program_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;

namespace {

// The results are saved: Save's button is off.
bool Saved(const QWidget* report) {
    return !Control<QPushButton>(report, "cmdSave")->isEnabled();
}

QStringList ShownLines(const QWidget& report) {
    return Control<QPlainTextEdit>(report, "txtDataColumns")->toPlainText().split('\n');
}

// The times of the rows shown on screen, in order.
QList<int> ShownTimes(const QWidget& report) {
    QList<int> times;
    for (const QString& line : ShownLines(report)) {
        bool isRow = false;
        const int time = line.left(4).trimmed().toInt(&isRow);
        if (isRow && line.size() == 68) {
            times << time;
        }
    }
    return times;
}

bool ButtonsEnabled(const QWidget& report) {
    return Control<QPushButton>(report, "cmdSave")->isEnabled() &&
           Control<QPushButton>(report, "cmdPrint")->isEnabled() &&
           Control<QPushButton>(report, "cmdGraph")->isEnabled() &&
           Control<QPushButton>(report, "cmdClose")->isEnabled();
}

// The small room where the rising fire brings flashover at 122 s.
QWidget* RunToFlashover(Program& program, MessageButton answer) {
    program.FillRoom(program.WriteFile("RAMP.FIR", kRampFire), "300", "10");
    program.platform.AnswerNextQuestion(answer);
    return program.Run();
}

// The shown table's time, S.I. columns and flags, row by row (the U.S. columns
// of a run read back are converted from the S.I. values the file kept).
QStringList MetricColumns(const QString& table) {
    QStringList out;
    for (const QString& line : table.split('\n')) {
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        QStringList kept;
        for (int k = 0; k < words.size(); ++k) {
            if (words.size() < 9 || k % 2 == 0 || k >= 8) {
                kept << words[k];
            }
        }
        out << kept.join(' ');
    }
    return out;
}

// The key results' lines without the time after " at " and without the U.S.
// values in brackets (converted from the S.I. values the file printed).
QStringList EventsOf(const QString& keyResults) {
    QStringList events;
    for (QString line : keyResults.split('\n')) {
        line.remove(QRegularExpression(" \\([^)]*\\)"));
        const qsizetype at = line.lastIndexOf(" at ");
        events << (at < 0 ? line : line.left(at));
    }
    return events;
}

} // namespace

class OutputWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void TheSavedExampleRunsAgainToTheSameFile() {
        // The example names its fire file relative to the source folder.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(kExamples) + "/..");
        Program program;
        program.platform.ChooseInNextDialog(kExamples + "/office-sofa-fire.vof");
        Control<QAction>(program.input, "mnuFileOpen")->trigger();
        program.platform.AnswerNextQuestion(MessageButton::Yes); // flashover: stop
        auto* report = program.Run();
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QVERIFY(!program.input->isVisible());
        QCOMPARE(report->objectName(), QString("frmOutput"));
        QCOMPARE(WindowConventionProblems(*report), QStringList());
        QCOMPARE(report->windowTitle(), QString("VORLA-XW: Output Data"));
        QCOMPARE(Control<QPlainTextEdit>(report, "txtHeader")->toPlainText(),
                 QString::fromStdString(HeaderText(ReportHeader(program.calc->Inputs)))
                     .replace("\r\n", "\n"));
        QVERIFY(ButtonsEnabled(*report));
        QTRY_COMPARE(program.FocusName(), QString("cmdClose"));

        const std::string saved = program.Path("again.sdf");
        program.platform.ChooseInNextDialog(saved);
        Control<QPushButton>(report, "cmdSave")->click();
        const auto& dialog = program.platform.FileDialogs().back().Request;
        QCOMPARE(dialog.Kind, vorla::ui::FileDialogKind::SaveAs);
        QCOMPARE(dialog.Title, std::string("Specify Data Output File"));
        // Both kinds of report listed; a name typed without an extension
        // still takes .sdf, the first (qt_platform_test).
        QCOMPARE(dialog.Filter, std::string("VORLA-XW Data Files (*.sdf;*.vof)|*.sdf;*.vof"));
        QCOMPARE(dialog.InitialDirectory, program.platform.DataDirectory());
        QCOMPARE(dialog.InitialFileName, std::string("examples/office-sofa-fire.vof"));
        QVERIFY(dialog.ConfirmOverwrite);
        // Saved elsewhere, the report names itself as saved and its fire file
        // from its own folder; every other byte is the example's.
        QStringList expected = ReadText(kExamples + "/office-sofa-fire.vof").split("\r\n");
        expected[2] = "SIMULATION OUTPUT DATA FILE : " + QString::fromStdString(saved);
        const QString fire =
            QFileInfo(QString::fromStdString(kExamples) + "/office-sofa-tsquared.fir")
                .canonicalFilePath();
        expected[12] =
            "HEAT RELEASE RATE DATA FILE : " +
            QDir(QFileInfo(program.folder.path()).canonicalFilePath()).relativeFilePath(fire);
        QCOMPARE(ReadText(saved), expected.join("\r\n"));
        QVERIFY(Saved(report));
        QVERIFY(!Control<QPushButton>(report, "cmdSave")->isEnabled());
        QCOMPARE(program.FocusName(), QString("cmdClose"));
        QDir::setCurrent(previous);

        // Saved: Close asks nothing.
        Control<QPushButton>(report, "cmdClose")->click();
        Program::Settle();
        QVERIFY(!program.Report());
        QVERIFY(program.input->isVisible());
        QTRY_COMPARE(program.FocusName(), QString("txtRunTitle"));
        QCOMPARE(program.platform.Messages().size(), std::size_t{1}); // the flashover question
        QVERIFY(program.platform.Problems().empty());
    }

    // Run from folder A with the fire file typed as "fire.fir", saved under
    // each name: the header names the file as saved (the form's own name where
    // it is that file) and the fire file as found from the report's folder.
    void SaveAsNamesTheReportAndItsFireFileFromWhereItIsSaved() {
        QTemporaryDir root;
        for (const char* sub : {"A", "B/deep", "C"}) {
            QVERIFY(QDir(root.path()).mkpath(sub));
        }
        const QString previous = QDir::currentPath();
        QDir::setCurrent(root.filePath("A"));
        QVERIFY(WriteFile(root.filePath("A/fire.fir").toStdString(), kSteadyFire));
        struct Case {
            QString savedAs, outputLine, fireLine;
        };
        const auto full = [&root](const char* name) { return root.filePath(name); };
        const Case cases[] = {
            {full("A/OFFICE.VOF"), "OFFICE.VOF", "fire.fir"},
            {full("A/other.vof"), full("A/other.vof"), "fire.fir"},
            {full("B/office.vof"), full("B/office.vof"), "../A/fire.fir"},
            {full("B/deep/office.vof"), full("B/deep/office.vof"), "../../A/fire.fir"},
        };
        for (const Case& c : cases) {
            Program program;
            program.FillRoom("fire.fir");
            QWidget* report = program.Run();
            QVERIFY(report);
            program.platform.ChooseInNextDialog(c.savedAs.toStdString());
            Click(report, "cmdSave");
            QVERIFY(Saved(report));
            const QStringList lines = ReadText(c.savedAs.toStdString()).split("\r\n");
            QCOMPARE(lines.value(2), "SIMULATION OUTPUT DATA FILE : " + c.outputLine);
            QCOMPARE(lines.value(12), "HEAT RELEASE RATE DATA FILE : " + c.fireLine);
            QVERIFY(program.platform.Messages().empty());
        }

        // A report written before names its fire file from the folder it was
        // run from: it still opens from there.
        QString old = ReadText(full("B/office.vof").toStdString());
        old.replace("../A/fire.fir", "fire.fir");
        QVERIFY(WriteFile(full("B/old.vof").toStdString(), old.toStdString()));
        struct Opened {
            const char* report;
            const char* currentFolder;
        };
        const Opened opened[] = {
            {"B/office.vof", "C"}, {"B/deep/office.vof", "B"}, {"B/old.vof", "A"}};
        for (const Opened& o : opened) {
            QDir::setCurrent(full(o.currentFolder));
            Program program;
            program.platform.ChooseInNextDialog(full(o.report).toStdString());
            Trigger(program.input, "mnuFileOpen");
            QWidget* report = program.Run();
            QVERIFY2(report, o.report);
            QVERIFY2(program.platform.Messages().empty(), o.report);
            QCOMPARE(QString::fromStdString(program.calc->FireFileRead), full("A/fire.fir"));
            QCOMPARE(program.calc->Results.LastRow > 0, true);
        }
        QDir::setCurrent(previous);
    }

    void FlashoverAnsweredYesEndsTheRunOnItsOwnRow() {
        Program program;
        auto* report = RunToFlashover(program, MessageButton::Yes);
        QVERIFY(report);
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& question = program.platform.Messages()[0].Request;
        QCOMPARE(question.Text,
                 std::string("Flashover occurred at 122 seconds.  Terminate simulation?"));
        QCOMPARE(question.Title, std::string("VORLA-XW: Flashover"));
        QCOMPARE(question.Icon, MessageIcon::Question);
        QCOMPARE(question.Buttons, MessageButtons::YesNo);
        QCOMPARE(question.Default, MessageButton::Yes);

        QCOMPARE(ShownLines(*report).back(),
                 QString("FLASHOVER OCCURRED - RUN TERMINATED BY USER"));
        QCOMPARE(ShownTimes(*report).back(), 122);
        QCOMPARE(program.calc->Results.LastRow, 25); // rows 0, 5, ..., 120 and 122
        QVERIFY(ButtonsEnabled(*report));
    }

    void FlashoverAnsweredNoGoesOnWithOneExtraRow() {
        Program program;
        auto* report = RunToFlashover(program, MessageButton::No);
        QVERIFY(report);
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const QList<int> times = ShownTimes(*report);
        const auto at = times.indexOf(122);
        QVERIFY(at > 0);
        QCOMPARE(times[at - 1], 120);
        QCOMPARE(times[at + 1], 125);
        QCOMPARE(times.back(), 300);
        QCOMPARE(times.size(), 62); // every 5 s from 0 to 300, and 122
        QCOMPARE(ShownLines(*report).back(), QString("END OF INPUT FIRE"));
    }

    void TheScreenShowsEveryRowUpTo360AndEverySecondRowAbove_data() {
        QTest::addColumn<QString>("runTime");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("shownRows");
        QTest::addColumn<int>("lastShownTime");
        QTest::newRow("360 rows") << "1800" << 360 << 361 << 1800;
        // Row 361 (1805 s) is saved and printed, but not shown.
        QTest::newRow("361 rows") << "1805" << 361 << 181 << 1800;
    }
    void TheScreenShowsEveryRowUpTo360AndEverySecondRowAbove() {
        QFETCH(QString, runTime);
        QFETCH(int, lastRow);
        QFETCH(int, shownRows);
        QFETCH(int, lastShownTime);
        Program program;
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire), runTime);
        auto* report = program.Run();
        QVERIFY(report);
        QCOMPARE(program.calc->Results.LastRow, lastRow);
        const QList<int> times = ShownTimes(*report);
        QCOMPARE(times.size(), shownRows);
        QCOMPARE(times.back(), lastShownTime);
        const QStringList lines = ShownLines(*report);
        QCOMPARE(lines.size(), shownRows + 1); // the end message follows the last row directly
        QCOMPARE(lines.back(), QString("RUN COMPLETE"));

        const std::string saved = program.Path("long.sdf");
        program.platform.ChooseInNextDialog(saved);
        Control<QPushButton>(report, "cmdSave")->click();
        QCOMPARE(ReadText(saved).count("\r\n"), 17 + lastRow + 1 + 1);
    }

    // Open Results… shows a saved run in a fresh window as the run showed it:
    // the same table and key results, no run and so no flashover question, the
    // caption naming the file; a file that is not a report is refused.
    void OpenResultsShowsTheSavedRunAsTheRunShowedIt() {
        // The fire file the report names is in the first program's folder.
        Program first;
        auto* ran = RunToFlashover(first, MessageButton::No);
        QVERIFY(ran);
        const QString table = Control<QPlainTextEdit>(ran, "txtDataColumns")->toPlainText();
        const QString keyResults = Control<QPlainTextEdit>(ran, "txtKeyResults")->toPlainText();
        first.platform.ChooseInNextDialog(first.Path("ramp.sdf"));
        Control<QPushButton>(ran, "cmdSave")->click();
        Control<QPushButton>(ran, "cmdClose")->click();
        Program::Settle();
        QVERIFY(!Program::Report());
        const std::string saved = vorla::test_support::ReadFile(first.Path("ramp.sdf"));
        QVERIFY(!saved.empty());
        QVERIFY(!keyResults.isEmpty());

        Program program;
        const std::string path = program.WriteFile("AGAIN.SDF", saved);
        program.platform.ClearRecords();
        program.platform.ChooseInNextDialog(path);
        Control<QAction>(program.input, "mnuFileOpenResults")->trigger();
        Program::Settle();
        auto* report = program.Report();
        QVERIFY2(report, program.platform.Messages().empty()
                             ? "no message"
                             : program.platform.Messages().at(0).Request.Text.c_str());
        QCOMPARE(report->windowTitle(), QString("VORLA-XW: Output Data - read from AGAIN.SDF"));
        QCOMPARE(program.platform.Messages().size(), std::size_t{0}); // no flashover question
        QCOMPARE(MetricColumns(Control<QPlainTextEdit>(report, "txtDataColumns")->toPlainText()),
                 MetricColumns(table));
        // The same events in the same order; their times are found again from
        // the rows as printed (0.01 m, 1 °C), so they may move by a tenth.
        QCOMPARE(EventsOf(Control<QPlainTextEdit>(report, "txtKeyResults")->toPlainText()),
                 EventsOf(keyResults));
        Control<QPushButton>(report, "cmdGraph")->click();
        Program::Settle();
        QVERIFY(Program::Graph());

        // A fire file and a report cut short: File Open's message, no window.
        for (const auto& [name, content] :
             {std::pair<QString, std::string>{"RAMP.FIR", kRampFire},
              std::pair<QString, std::string>{"CUT.SDF", saved.substr(0, saved.size() - 30)}}) {
            Program other;
            other.platform.ChooseInNextDialog(other.WriteFile(name, content));
            Control<QAction>(other.input, "mnuFileOpenResults")->trigger();
            Program::Settle();
            QVERIFY(!other.Report());
            QCOMPARE(other.platform.Messages().size(), std::size_t{1});
            QVERIFY(other.platform.Messages().at(0).Request.Text.find("Wrong file format.") !=
                    std::string::npos);
        }
    }

    // The save question is VORLA-XW's (what Close, Escape and the frame's
    // button do with it is the shared report window's, tested there); No
    // brings the form back, the focus on the run title, ready for the next run.
    void TheSaveQuestionIsVorlasAndNoBringsTheFormBack() {
        Program program;
        auto* report = RunToFlashover(program, MessageButton::Yes);
        QVERIFY(report);
        QVERIFY(!program.input->isVisible());
        program.platform.ClearRecords();
        program.platform.AnswerNextQuestion(MessageButton::No);
        Control<QPushButton>(report, "cmdClose")->click();
        Program::Settle();
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& question = program.platform.Messages()[0].Request;
        QCOMPARE(question.Text, std::string("Do you want to save the data?"));
        QCOMPARE(question.Title, std::string("VORLA-XW: Save Data?"));
        QCOMPARE(question.Icon, MessageIcon::Exclamation);
        QCOMPARE(question.Buttons, MessageButtons::YesNo);
        QVERIFY(!program.Report());
        QVERIFY(program.input->isVisible());
        QVERIFY(program.platform.FileDialogs().empty());
        QTRY_COMPARE(program.FocusName(), QString("txtRunTitle"));

        program.platform.AnswerNextQuestion(MessageButton::Yes);
        QVERIFY(program.Run());
    }

    // What a save that keeps nothing does is the shared report window's
    // (report_window_test); VORLA-XW's are the refusal's words and title.
    void SavingOverTheFireFileIsRefusedInVorlasWords() {
        Program program;
        const std::string fire = program.WriteFile("RAMP.FIR", kRampFire);
        program.FillRoom(fire, "300", "10");
        program.platform.AnswerNextQuestion(MessageButton::Yes);
        QPointer<QWidget> report = program.Run();
        QVERIFY(report);
        program.platform.ClearRecords();
        program.platform.ChooseInNextDialog(fire);
        Click(report, "cmdSave");
        QVERIFY(report && program.Report() == report);
        QVERIFY(!Saved(report));
        QCOMPARE(ReadText(fire), QString(kRampFire));
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& refusal = program.platform.Messages()[0].Request;
        QCOMPARE(refusal.Text, "The file " + fire + " is the fire file " + fire +
                                   " this run read: saving there would write over it. "
                                   "The report is not saved.");
        QCOMPARE(refusal.Title, std::string("VORLA-XW"));
    }

    void PrintPutsAHeaderOnEveryPageAndBreaksAtTheLinesPerPage() {
        Program program;
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire), "600");
        auto* report = program.Run();
        QVERIFY(report);
        // The fake printer's page holds 66 lines: 40 lines a page for the report.
        program.platform.AnswerNextQuestion(MessageButton::Ok);
        Control<QPushButton>(report, "cmdPrint")->click();
        const auto& ready = program.platform.Messages().at(0).Request;
        QCOMPARE(ready.Text, std::string("Make sure the printer is ready."));
        QCOMPARE(ready.Title, std::string("VORLA-XW: Printer Check"));
        QCOMPARE(ready.Buttons, MessageButtons::OkCancel);
        const auto document = program.platform.Documents().at(0);
        QCOMPARE(document.FontName, std::string("Courier"));
        QCOMPARE(document.FontSize, 12.0);
        QVERIFY(document.Ended);
        const auto row = [&](int r) {
            return "      " + ReportRow(program.calc->Inputs, program.calc->Results, r);
        };
        QCOMPARE(document.Pages.size(), std::size_t{4}); // rows 0-38, 39-78, 79-118, 119-120
        QCOMPARE(document.Pages[0].size(), std::size_t{21 + 39});
        QCOMPARE(document.Pages[0][3].substr(0, 6 + 33),
                 std::string("      VORLA-XW VERSION 1.00 - JULY 1999"));
        QCOMPARE(document.Pages[0][3].substr(66), std::string("Page  1"));
        QCOMPARE(document.Pages[0][6],
                 std::string("      SIMULATION OUTPUT DATA FILE : OFFICE.VOF"));
        QCOMPARE(document.Pages[0][21], row(0));
        QCOMPARE(document.Pages[0].back(), row(38));
        QCOMPARE(document.Pages[1][3].substr(66), std::string("Page  2"));
        QCOMPARE(document.Pages[1][21], row(39));
        QCOMPARE(document.Pages[1].back(), row(78));
        QCOMPARE(document.Pages[3].back(), std::string("     RUN COMPLETE"));
        QCOMPARE(program.FocusName(), QString("cmdClose"));

        // After a save the page headers name the saved file; the screen keeps
        // the run's name.
        const std::string saved = program.Path("steady.sdf");
        program.platform.ChooseInNextDialog(saved);
        Control<QPushButton>(report, "cmdSave")->click();
        program.platform.AnswerNextQuestion(MessageButton::Ok);
        Control<QPushButton>(report, "cmdPrint")->click();
        QCOMPARE(program.platform.Documents().at(1).Pages[0][6],
                 "      SIMULATION OUTPUT DATA FILE : " + saved);
        QVERIFY(Control<QPlainTextEdit>(report, "txtHeader")
                    ->toPlainText()
                    .contains("SIMULATION OUTPUT DATA FILE : OFFICE.VOF"));

        // Cancel on the printer question prints nothing.
        program.platform.AnswerNextQuestion(MessageButton::Cancel);
        Control<QPushButton>(report, "cmdPrint")->click();
        QVERIFY(program.platform.Documents().at(2).Pages.empty());
        QVERIFY(program.platform.Problems().empty());
    }

    void ABadFireFileBringsTheInputFormBackWithAMessage_data() {
        QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
        QTest::addColumn<QString>("saying");
        QTest::newRow("missing") << QByteArray() << "cannot";
        QTest::newRow("not three numbers")
            << QByteArray("    0        100.0        0.000\r\nten kW\r\n   -9  -9  -9\r\n")
            << "line 2";
    }
    void ABadFireFileBringsTheInputFormBackWithAMessage() {
        QFETCH(QByteArray, content);
        QFETCH(QString, saying);
        Program program;
        const std::string fire = content.isEmpty()
                                     ? program.Path("NONE.FIR")
                                     : program.WriteFile("BAD.FIR", content.toStdString());
        program.FillRoom(fire);
        Control<QAction>(program.input, "mnuRun")->trigger();
        Program::Settle();
        QVERIFY(!program.Report());
        QVERIFY(program.input->isVisible());
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QVERIFY2(shown.Text.find(fire) != std::string::npos, shown.Text.c_str());
        QVERIFY2(QString::fromStdString(shown.Text).contains(saying, Qt::CaseInsensitive),
                 shown.Text.c_str());
        QCOMPARE(shown.Title, std::string("VORLA-XW"));
        QCOMPARE(shown.Icon, MessageIcon::Critical);
        // The fire file's dialog does not open by itself; the box keeps the name.
        QVERIFY(program.platform.FileDialogs().empty());
        QCOMPARE(Control<QLineEdit>(program.input, "txtFireFile")->text().toStdString(), fire);
        QTRY_COMPARE(program.FocusName(), QString("txtRunTitle"));
    }

    void TheGraphReplacesTheReportUntilItCloses() {
        Program program;
        auto* report = RunToFlashover(program, MessageButton::Yes);
        QVERIFY(report);
        Control<QPushButton>(report, "cmdGraph")->click();
        auto* graph = Program::Graph();
        QVERIFY(graph);
        QVERIFY(graph->isVisible());
        QVERIFY(!report->isVisible());
        QVERIFY(!program.input->isVisible());
        Control<QPushButton>(graph, "cmdClose")->click();
        Program::Settle();
        QVERIFY(!Program::Graph());
        QVERIFY(report->isVisible());
        QTRY_COMPARE(program.FocusName(), QString("cmdClose"));
        QCOMPARE(QApplication::focusWidget(), Control<QPushButton>(report, "cmdClose"));

        // The frame's close button and Escape do the same.
        Control<QPushButton>(report, "cmdGraph")->click();
        QVERIFY(Program::Graph()->close());
        Program::Settle();
        QVERIFY(report->isVisible());
        Control<QPushButton>(report, "cmdGraph")->click();
        QVERIFY(QTest::qWaitForWindowActive(Program::Graph()));
        QTest::keyClick(Program::Graph(), Qt::Key_Escape);
        Program::Settle();
        QVERIFY(!Program::Graph());
        QVERIFY(report->isVisible());
    }

    void ExitClosesTheReportAndTheGraphWithoutAsking() {
        Program program;
        auto* report = RunToFlashover(program, MessageButton::Yes);
        QVERIFY(report);
        Control<QPushButton>(report, "cmdGraph")->click();
        program.platform.ClearRecords();
        Trigger(program.input, "mnuFileExit");
        Program::Settle();
        QVERIFY(!program.Report());
        QVERIFY(!program.input->isVisible());
        QCOMPARE(program.programEnded, 1);
        QVERIFY(program.platform.Messages().empty());
        for (auto* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }
};

QTEST_MAIN(OutputWindowTest)
#include "output_form_test.moc"
