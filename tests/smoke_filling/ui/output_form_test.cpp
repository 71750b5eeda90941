// frmOutput: the run it starts, the table it shows, and Save, Print and Close
// with the questions they ask, driven through the scripted platform.
#include "common/fire_files/fire_file_reader.h"
#include "common/ui/report_text_box.h"
#include "skeva_windows.h"
#include "smoke_filling/model/report_text.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorla::smoke;
using namespace vorla::smoke::testing;
using namespace vorla::test_support;
using vorla::ui::FileDialogKind;
using vorla::ui::MessageButton;
using vorla::ui::MessageButtons;
using vorla::ui::MessageIcon;

Q_DECLARE_METATYPE(vorla::smoke::testing::TypedRun)

namespace {

QString Name(const QWidget* widget) {
    return widget ? widget->objectName() : QStringLiteral("(none)");
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The results are saved: Save's button is off.
bool Saved(const QWidget* report) {
    return !Control<QPushButton>(report, "cmdSave")->isEnabled();
}

QStringList ScreenLines(const QWidget* report) {
    return Control<QPlainTextEdit>(report, "txtDataColumns")->toPlainText().split(u'\n');
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
// values in brackets.
QStringList WithoutUSValues(const QString& keyResults) {
    QStringList events;
    for (QString line : keyResults.split('\n')) {
        line.remove(QRegularExpression(" \\([^)]*\\)"));
        const qsizetype at = line.lastIndexOf(" at ");
        events << (at < 0 ? line : line.left(at));
    }
    return events;
}

} // namespace

class OutputFormTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::string Data() const { return folder_.filePath("DATA").toStdString(); }
    QString Path(const QString& name) const { return folder_.filePath(name); }

    // A hall of 1000 m² and 30 m under a steady 100 kW fire: the interface stays
    // far above the floor, so the run lasts its whole run time.
    static TypedRun Hall(const QString& runTime) {
        TypedRun run;
        run.RunTitle = "Hall";
        run.RunTime = runTime;
        return run;
    }

  private slots:
    void init() {
        QDir(folder_.path()).removeRecursively();
        QDir().mkpath(folder_.path());
    }

    void TheTableShowsEveryRowIntervalthRow_data() {
        QTest::addColumn<QString>("runTime");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("interval");
        QTest::newRow("up to 360 rows: every row") << "600" << 120 << 1;
        QTest::newRow("361 rows: the last one only in the file") << "1805" << 361 << 2;
    }
    void TheTableShowsEveryRowIntervalthRow() {
        QFETCH(QString, runTime);
        QFETCH(int, lastRow);
        QFETCH(int, interval);
        SkevaWindows w(Data());
        w.Fill(Hall(runTime));
        QWidget* report = w.Run();
        QVERIFY(report);
        QCOMPARE(WindowConventionProblems(*report), QStringList());
        QCOMPARE(report->windowTitle(), QString("SKEVA-XW: Output Data"));
        QVERIFY(report->isVisible());
        QVERIFY(!w.input.isVisible());
        QCOMPARE(w.calc->Results.LastRow, lastRow);

        const QStringList lines = ScreenLines(report);
        const int shownRows = lastRow / interval + 1;
        QCOMPARE(lines.size(), shownRows + 1);
        for (int k = 0; k < shownRows; ++k) {
            QCOMPARE(lines[k], QString::fromStdString(
                                   ReportRow(w.calc->Inputs, w.calc->Results, k * interval)));
        }
        QCOMPARE(lines.back(), QString("RUN COMPLETE")); // no line end after it
        // Row 0: ambient, the interface at the ceiling, the fire at t = 0, no flow.
        QCOMPARE(lines[0], QString("   0      70      21  98.43  30.00    "
                                   "  0.0      0.0   0.000   0.000"));

        const QString header =
            "SKEVA-XW VERSION 1.00 - JULY 1999\n" +
            QString::fromStdString(ReportHeader(w.calc->Inputs)).replace("\r\n", "\n");
        QCOMPARE(Control<QPlainTextEdit>(report, "txtHeader")->toPlainText(), header);
        QCOMPARE(Control<QPlainTextEdit>(report, "txtHeader")->toPlainText().count(u'\n'), 12);

        for (const QPushButton* button :
             {Control<QPushButton>(report, "cmdSave"), Control<QPushButton>(report, "cmdPrint"),
              Control<QPushButton>(report, "cmdClose")}) {
            QVERIFY(button->isEnabled());
        }
        QCOMPARE(Control<QPushButton>(report, "cmdSave")->text(), QString("&Save"));
        QCOMPARE(Control<QPushButton>(report, "cmdPrint")->text(), QString("&Print"));
        QCOMPARE(Control<QPushButton>(report, "cmdClose")->text(), QString("&Close"));
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QPushButton>(report, "cmdClose")));
        QVERIFY(!Saved(report));
    }

    // The whole saved file, byte for byte, against the results of an
    // independent computation of the same run.
    // Open Results… shows a saved run in a fresh window as the run showed it:
    // the same table and key results with no run, the caption naming the file;
    // a file that is not a whole report is refused with File Open's message.
    void OpenResultsShowsTheSavedRunAsTheRunShowedIt() {
        QString table;
        QString keyResults;
        const QString saved = Path("HALL.SOF");
        {
            SkevaWindows w(Data());
            w.Fill(Hall("600"));
            QWidget* report = w.Run();
            QVERIFY(report);
            table = Control<QPlainTextEdit>(report, "txtDataColumns")->toPlainText();
            keyResults = Control<QPlainTextEdit>(report, "txtKeyResults")->toPlainText();
            w.platform.ChooseInNextDialog(saved.toStdString());
            QTest::mouseClick(Control<QPushButton>(report, "cmdSave"), Qt::LeftButton);
            QVERIFY(QFile::exists(saved));
        }
        QVERIFY(!keyResults.isEmpty());

        SkevaWindows w(Data());
        w.platform.ChooseInNextDialog(saved.toStdString());
        Control<QAction>(w.input, "mnuFileOpenResults")->trigger();
        QWidget* report = SkevaWindows::Report();
        QVERIFY(report);
        QCOMPARE(report->windowTitle(), QString("SKEVA-XW: Output Data - read from HALL.SOF"));
        QVERIFY(w.platform.Messages().empty());
        QCOMPARE(MetricColumns(Control<QPlainTextEdit>(report, "txtDataColumns")->toPlainText()),
                 MetricColumns(table));
        // The same lines in the S.I. values: the U.S. ones in brackets are
        // converted from the S.I. values the file printed, and the times are
        // found again from the rows as printed (1 °C, 0.01 m).
        QCOMPARE(WithoutUSValues(Control<QPlainTextEdit>(report, "txtKeyResults")->toPlainText()),
                 WithoutUSValues(keyResults));

        const QByteArray whole = Contents(saved);
        for (const auto& [name, content] :
             {std::pair<QString, QByteArray>{"FIRE.FIR", "0 0 0\r\n60 50 0\r\n-9 -9 -9\r\n"},
              std::pair<QString, QByteArray>{"CUT.SOF", whole.left(whole.size() - 30)}}) {
            SkevaWindows other(Data());
            QFile file(Path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            file.close();
            other.platform.ChooseInNextDialog(Path(name).toStdString());
            Control<QAction>(other.input, "mnuFileOpenResults")->trigger();
            QCOMPARE(other.platform.Messages().size(), std::size_t{1});
            QVERIFY(other.platform.Messages().at(0).Request.Text.find("Wrong file format.") !=
                    std::string::npos);
        }
    }

    void SaveWritesTheResultsFile_data() {
        QTest::addColumn<bool>("usUnits");
        QTest::addColumn<TypedRun>("run");
        QTest::addColumn<QString>("golden");
        QTest::newRow("9000 s in S.I. units")
            << false
            << TypedRun{"Hall, 9000 s",           "HALL.SOF", "1000", "30", "0", "0.6", "9000",
                        "steady_100kw_10000s.fir"}
            << "hall_9000s.sof";
        QTest::newRow("typed in U.S. units")
            << true
            << TypedRun{"Warehouse in U.S. units", "USUNITS.SOF", "1000", "12", "2", "0.6", "600",
                        "ramp_1mw_ends_600s.fir"}
            << "us_units.sof";
        QTest::newRow("raised fire")
            << false
            << TypedRun{"Store, raised fire",         "RAISED.SOF", "200", "5", "1.5", "0.7", "900",
                        "medium_t_squared_1500kw.fir"}
            << "raised_fire.sof";
    }
    void SaveWritesTheResultsFile() {
        QFETCH(bool, usUnits);
        QFETCH(TypedRun, run);
        QFETCH(QString, golden);
        // Run and saved in one folder under the names the golden file holds.
        const QString previous = QDir::currentPath();
        QVERIFY(QFile::copy(QString(SMOKE_TEST_DATA_DIR) + "/" + run.FireFile, Path(run.FireFile)));
        QDir::setCurrent(folder_.path());
        SkevaWindows w(Data());
        if (usUnits) {
            QTest::mouseClick(Control<QRadioButton>(w.input, "optUnits(1)"), Qt::LeftButton);
        }
        w.Fill(run);
        QWidget* report = w.Run();
        QVERIFY(report);

        const QString saved = Path(run.OutputFile);
        w.platform.ChooseInNextDialog(saved.toStdString());
        QTest::mouseClick(Control<QPushButton>(report, "cmdSave"), Qt::LeftButton);
        const auto& dialog = w.platform.FileDialogs().at(0).Request;
        QCOMPARE(dialog.Kind, FileDialogKind::SaveAs);
        QCOMPARE(dialog.Title, std::string("Specify Data Output File"));
        QCOMPARE(dialog.Filter, std::string("SKEVA-XW Data Files (*.sof)|*.sof"));
        QCOMPARE(dialog.InitialDirectory, Data());
        QCOMPARE(QString::fromStdString(dialog.InitialFileName), run.OutputFile);
        QVERIFY(dialog.ConfirmOverwrite);

        QDir::setCurrent(previous);
        QCOMPARE(Contents(saved), Contents(QString(SMOKE_GOLDEN_DIR) + "/" + golden));
        QVERIFY(Saved(report));
        QVERIFY(!Control<QPushButton>(report, "cmdSave")->isEnabled());
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QPushButton>(report, "cmdClose")));
        // The screen keeps the name the run was started with.
        QVERIFY(Control<QPlainTextEdit>(report, "txtHeader")
                    ->toPlainText()
                    .contains(": " + run.OutputFile + "\n"));

        // Saved: Close asks nothing.
        QTest::mouseClick(Control<QPushButton>(report, "cmdClose"), Qt::LeftButton);
        w.FlushDeletes();
        QVERIFY(w.Report() == nullptr);
        QVERIFY(w.platform.Messages().empty());
        QVERIFY(w.input.isVisible());
        QTRY_COMPARE(Name(QApplication::focusWidget()),
                     Name(Control<QLineEdit>(w.input, "txtRunTitle")));
        QVERIFY(w.platform.Problems().empty());

        // The file opens again as it was typed, in S.I. units.
        w.platform.ChooseInNextDialog(saved.toStdString());
        Control<QAction>(w.input, "mnuFileOpen")->trigger();
        QCOMPARE(Control<QLineEdit>(w.input, "txtRunTitle")->text(), run.RunTitle);
        QCOMPARE(Control<QLineEdit>(w.input, "txtOutputFile")->text(), run.OutputFile);
        QCOMPARE(Control<QLineEdit>(w.input, "txtFireFile")->text(), run.FireFile);
        QVERIFY(Control<QRadioButton>(w.input, "optUnits(0)")->isChecked());
    }

    // Run from folder A with the fire file typed as "fire.fir", saved under
    // each name: the header names the file as saved (the form's own name where
    // it is that file) and the fire file as found from the report's folder, so
    // the report opens and runs from anywhere; one written before still opens
    // from the folder it was run from.
    void SaveAsNamesTheReportAndItsFireFileFromWhereItIsSaved() {
        for (const char* sub : {"A", "B", "C"}) {
            QVERIFY(QDir(folder_.path()).mkpath(sub));
        }
        QVERIFY(QFile::copy(DataFile("steady_100kw_10000s.fir").c_str(), Path("A/fire.fir")));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(Path("A"));
        struct Case {
            QString savedAs, outputLine, fireLine;
        };
        const Case cases[] = {
            {Path("A/RUN.SOF"), "RUN.SOF", "fire.fir"},
            {Path("A/other.sof"), Path("A/other.sof"), "fire.fir"},
            {Path("B/run.sof"), Path("B/run.sof"), "../A/fire.fir"},
        };
        for (const Case& c : cases) {
            SkevaWindows w(Data());
            TypedRun run;
            run.FireFile = "fire.fir";
            w.Fill(run);
            QWidget* report = w.Run();
            QVERIFY(report);
            w.platform.ChooseInNextDialog(c.savedAs.toStdString());
            QTest::mouseClick(Control<QPushButton>(report, "cmdSave"), Qt::LeftButton);
            QVERIFY(Saved(report));
            const QStringList lines = QString(Contents(c.savedAs)).split("\r\n");
            QCOMPARE(lines.value(2), "SIMULATION OUTPUT DATA FILE : " + c.outputLine);
            QCOMPARE(lines.value(8), "HEAT RELEASE RATE DATA FILE : " + c.fireLine);
        }

        QByteArray old = Contents(Path("B/run.sof"));
        old.replace("../A/fire.fir", "fire.fir");
        QFile oldFile(Path("B/old.sof"));
        QVERIFY(oldFile.open(QIODevice::WriteOnly));
        oldFile.write(old);
        oldFile.close();
        const std::pair<const char*, const char*> opened[] = {{"B/run.sof", "C"},
                                                              {"B/old.sof", "A"}};
        for (const auto& [name, currentFolder] : opened) {
            QDir::setCurrent(Path(currentFolder));
            SkevaWindows w(Data());
            w.platform.ChooseInNextDialog(Path(name).toStdString());
            Control<QAction>(w.input, "mnuFileOpen")->trigger();
            QWidget* report = w.Run();
            QVERIFY2(report, name);
            QVERIFY2(w.platform.Messages().empty(), name);
            QCOMPARE(QString::fromStdString(w.calc->FireFileRead), Path("A/fire.fir"));
        }
        QDir::setCurrent(previous);
    }

    // The save question is SKEVA-XW's (what Close, Escape and the frame's
    // button do with it is the shared report window's, tested there); No
    // brings the form back, the focus on the run title, ready for the next run.
    void TheSaveQuestionIsSkevasAndNoBringsTheFormBack() {
        SkevaWindows w(Data());
        w.Fill(Hall("60"));
        QPointer<QWidget> report = w.Run();
        QVERIFY(report);
        QVERIFY(!w.input.isVisible());
        w.platform.ClearRecords();
        w.platform.AnswerNextQuestion(MessageButton::No);
        QTest::mouseClick(Control<QPushButton>(report, "cmdClose"), Qt::LeftButton);
        w.FlushDeletes();
        QCOMPARE(w.platform.Messages().size(), std::size_t{1});
        const auto& question = w.platform.Messages()[0].Request;
        QCOMPARE(question.Text, std::string("Do you want to save the data?"));
        QCOMPARE(question.Title, std::string("SKEVA-XW: Save Data?"));
        QCOMPARE(question.Icon, MessageIcon::Exclamation);
        QCOMPARE(question.Buttons, MessageButtons::YesNo);
        QVERIFY(!report);
        QVERIFY(w.input.isVisible());
        QVERIFY(w.platform.FileDialogs().empty());
        QTRY_COMPARE(Name(QApplication::focusWidget()),
                     Name(Control<QLineEdit>(w.input, "txtRunTitle")));

        QVERIFY(w.Run() != nullptr);
    }

    // What a save that keeps nothing does is the shared report window's
    // (report_window_test); SKEVA-XW's are the refusal's words and title.
    void SavingOverTheFireFileIsRefusedInSkevasWords() {
        SkevaWindows w(Data());
        const QString fire = Path("STEADY.FIR");
        QVERIFY(QFile::copy(QString::fromStdString(DataFile("steady_100kw_10000s.fir")), fire));
        const QByteArray fireBytes = Contents(fire);
        TypedRun run = Hall("60");
        run.FireFile = fire;
        w.Fill(run);
        QPointer<QWidget> report = w.Run();
        QVERIFY(report);
        w.platform.ClearRecords();
        w.platform.ChooseInNextDialog(fire.toStdString());
        QTest::mouseClick(Control<QPushButton>(report, "cmdSave"), Qt::LeftButton);
        QVERIFY(report && report->isVisible());
        QVERIFY(!Saved(report));
        QCOMPARE(Contents(fire), fireBytes);
        QCOMPARE(w.platform.Messages().size(), std::size_t{1});
        const auto& refusal = w.platform.Messages()[0].Request;
        QCOMPARE(refusal.Text, "The file " + fire.toStdString() + " is the fire file " +
                                   fire.toStdString() +
                                   " this run read: saving there would write over it. "
                                   "The results are not saved.");
        QCOMPARE(refusal.Title, std::string("SKEVA-XW"));
    }

    void PrintPutsAHeaderOnEveryPage() {
        SkevaWindows w(Data());
        w.Fill(Hall("600"));
        QWidget* report = w.Run();
        QVERIFY(report);
        // 62 lines a sheet, less 22: 40 lines a page.
        w.platform.PrinterSettings.PageHeight = 62 * 240;
        w.platform.AnswerNextQuestion(MessageButton::Ok);
        QTest::mouseClick(Control<QPushButton>(report, "cmdPrint"), Qt::LeftButton);

        const auto& question = w.platform.Messages().at(0).Request;
        QCOMPARE(question.Text, std::string("Make sure the printer is ready."));
        QCOMPARE(question.Title, std::string("SKEVA-XW: Printer Check"));
        QCOMPARE(question.Icon, MessageIcon::Exclamation);
        QCOMPARE(question.Buttons, MessageButtons::OkCancel);

        const auto document = w.platform.Documents().at(0);
        QCOMPARE(document.FontName, std::string("Courier"));
        QCOMPARE(document.FontSize, 12.0);
        QVERIFY(document.Ended);
        const auto& pages = document.Pages;
        QCOMPARE(pages.size(), std::size_t{4}); // 39 + 40 + 40 + 2 rows
        auto row = [&](int i) { return "      " + ReportRow(w.calc->Inputs, w.calc->Results, i); };
        QCOMPARE(pages[0].size(), std::size_t{17 + 39});
        QCOMPARE(pages[0][3],
                 "      SKEVA-XW VERSION 1.00 - JULY 1999" + std::string(27, ' ') + "Page  1");
        QCOMPARE(pages[0][5], std::string("      Hall"));
        QCOMPARE(pages[0][17], row(0));
        QCOMPARE(pages[0].back(), row(38));
        QVERIFY(QString::fromStdString(pages[1][3]).endsWith("Page  2"));
        QCOMPARE(pages[1][17], row(39));
        QCOMPARE(pages[1].back(), row(78));
        QCOMPARE(pages[3].back(), std::string("     RUN COMPLETE"));
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QPushButton>(report, "cmdClose")));
        QVERIFY(!Saved(report)); // printing is not saving

        // After a save, the printed header names the saved file; the screen
        // keeps the first name.
        const QString saved = Path("printed.sof");
        w.platform.ChooseInNextDialog(saved.toStdString());
        QTest::mouseClick(Control<QPushButton>(report, "cmdSave"), Qt::LeftButton);
        w.platform.AnswerNextQuestion(MessageButton::Ok);
        QTest::mouseClick(Control<QPushButton>(report, "cmdPrint"), Qt::LeftButton);
        QCOMPARE(w.platform.Documents().at(1).Pages[0][6],
                 "      SIMULATION OUTPUT DATA FILE : " + saved.toStdString());
        QVERIFY(Control<QPlainTextEdit>(report, "txtHeader")
                    ->toPlainText()
                    .contains("SIMULATION OUTPUT DATA FILE : RUN.SOF"));
        QCOMPARE(w.platform.PrintRequests().at(0).SuggestedPdfName, std::string("RUN.pdf"));
        QVERIFY(w.platform.Problems().empty());
    }

    // No report with half a run: the form comes back, the message names the
    // file and the problem, and no dialog pops up by itself.
    void ABadFireFileGoesBackToTheForm_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("not numbers") << QByteArray("0 0 0\r\nten 100 0\r\n-9 -9 -9\r\n") << true;
    }
    void ABadFireFileGoesBackToTheForm() {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        const QString fire = Path("bad.fir");
        if (exists) {
            QFile file(fire);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        vorla::FireTable table;
        const auto expected = vorla::ReadFireFile(fire.toStdString(), table);
        QVERIFY(expected);

        SkevaWindows w(Data());
        TypedRun run = Hall("60");
        run.FireFile = fire;
        w.Fill(run);
        bool inputShownFirst = false;
        w.platform.WhenMessageShown = [&](const vorla::ui::MessageRequest&) {
            inputShownFirst = w.input.isVisible() && !(w.Report() && w.Report()->isVisible());
        };
        QVERIFY(w.Run() == nullptr);
        w.FlushDeletes();
        QVERIFY(w.Report() == nullptr);
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY(window->objectName() != "frmOutput" || !window->isVisible());
        }

        QCOMPARE(w.platform.Messages().size(), std::size_t{1});
        const auto& shown = w.platform.Messages()[0].Request;
        QCOMPARE(shown.Text, vorla::DescribeFireFileError(*expected));
        QVERIFY(shown.Text.find(fire.toStdString()) != std::string::npos);
        QCOMPARE(shown.Title, std::string("SKEVA-XW"));
        QCOMPARE(shown.Icon, MessageIcon::Exclamation);
        QVERIFY(inputShownFirst);
        QVERIFY(w.input.isVisible());
        QTRY_COMPARE(Name(QApplication::focusWidget()),
                     Name(Control<QLineEdit>(w.input, "txtRunTitle")));
        QVERIFY(w.platform.FileDialogs().empty());
        QCOMPARE(Control<QLineEdit>(w.input, "txtFireFile")->text(), fire);

        // Once the file is right, the same form runs.
        Control<QLineEdit>(w.input, "txtFireFile")
            ->setText(QString::fromStdString(DataFile("steady_100kw_10000s.fir")));
        QVERIFY(w.Run() != nullptr);
    }
};

QTEST_MAIN(OutputFormTest)
#include "output_form_test.moc"
