// frmInput driven as a user drives it: typing, leaving boxes, the unit option,
// File menu commands, the file boxes, and the checks of Run.
#include "skeva_windows.h"
#include "smoke_filling/model/report_text.h"
#include "tests/support/file_bytes.h"
#include "tests/support/file_drop_events.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorla::smoke;
using namespace vorla::smoke::testing;
using namespace vorla::test_support;
using vorla::ui::FileDialogKind;
using vorla::ui::MessageButtons;
using vorla::ui::MessageIcon;

namespace {

QString Name(const QWidget* widget) {
    return widget ? widget->objectName() : QStringLiteral("(none)");
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// The shop of the example, as typed into the form in S.I. units.
TypedRun ShopRun() {
    TypedRun run;
    run.RunTitle = "Shop, sofa fire on a 0.5 m seat";
    run.FloorArea = "150";
    run.RoomHeight = "4";
    run.FireHeight = "0.5";
    run.RunTime = "900";
    run.FireFile = QString(VORLA_EXAMPLES_DIR) + "/medium-tsquared-1mw.fir";
    return run;
}

// Runs the form, saves the report at `path` and closes it; the bytes saved.
std::string SavedRun(SkevaWindows& w, const QString& path) {
    QWidget* report = w.Run();
    if (report == nullptr) {
        return "(no report)";
    }
    w.platform.ChooseInNextDialog(path.toStdString());
    QTest::mouseClick(Control<QPushButton>(report, "cmdSave"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(report, "cmdClose"), Qt::LeftButton);
    w.FlushDeletes();
    return ReadFile(path.toStdString());
}

} // namespace

class InputFormTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::string Data() const { return folder_.filePath("DATA").toStdString(); }
    QString Path(const QString& name) const { return folder_.filePath(name); }

  private slots:
    void init() {
        QDir(folder_.path()).removeRecursively();
        QDir().mkpath(folder_.path());
    }

    void OpensWithTheWindowConventionsAndTheStartingValues() {
        SkevaWindows w(Data());
        frmInput& f = w.input;
        QCOMPARE(WindowConventionProblems(f), QStringList());
        QCOMPARE(f.windowTitle(), QString("SKEVA-XW: Input Data"));
        QVERIFY(Control<QLineEdit>(f, "txtOutputFile")->isReadOnly() &&
                Control<QLineEdit>(f, "txtFireFile")->isReadOnly());
        QCOMPARE(Control<QLineEdit>(f, "txtLossFraction")->text(), QString("0.6"));
        QVERIFY(Control<QRadioButton>(f, "optUnits(0)")->isChecked());
        QCOMPARE(Control<QLabel>(f, "lblFloorAreaUnits")->text(), QString("m²"));
        QCOMPARE(FocusName(), QString("txtRunTitle"));
    }

    void TabbingIntoAFileBoxOpensItsDialog() {
        SkevaWindows w(Data());
        frmInput& f = w.input;
        // Tabbing through the numbers, then on into the fire file box: its dialog,
        // then back to the title.
        Control<QLineEdit>(f, "txtFloorArea")->setFocus();
        for (const QLineEdit* next :
             {Control<QLineEdit>(f, "txtRoomHeight"), Control<QLineEdit>(f, "txtFireHeight"),
              Control<QLineEdit>(f, "txtLossFraction"), Control<QLineEdit>(f, "txtRunTime")}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(Name(QApplication::focusWidget()), Name(next));
        }
        w.platform.CancelNextDialog();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.platform.FileDialogs().size(), std::size_t{1});
        QCOMPARE(w.platform.FileDialogs()[0].Request.Title, std::string("Specify Fire File"));
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QLineEdit>(f, "txtRunTitle")));

        // Tab from the title reaches the output file box: its dialog, then the
        // floor area.
        w.platform.CancelNextDialog();
        QTest::keyClick(Control<QLineEdit>(f, "txtRunTitle"), Qt::Key_Tab);
        QCOMPARE(w.platform.FileDialogs().size(), std::size_t{2});
        QCOMPARE(w.platform.FileDialogs()[1].Request.Title,
                 std::string("Specify Data Output File"));
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QLineEdit>(f, "txtFloorArea")));
        QVERIFY(w.platform.Problems().empty());
    }

    void LeavingADimensionBoxStoresItInSIUnits() {
        SkevaWindows w(Data());
        frmInput& f = w.input;
        w.Type(Control<QLineEdit>(f, "txtFloorArea"), "12.5 m2");
        w.Type(Control<QLineEdit>(f, "txtRoomHeight"), "3");
        w.Type(Control<QLineEdit>(f, "txtFireHeight"), "0.3");
        QCOMPARE(w.calc->Inputs.FloorArea, 12.5);
        QCOMPARE(w.calc->Inputs.RoomHeight, 3.0);
        QCOMPARE(w.calc->Inputs.FireHeight, 0.3f);

        QTest::mouseClick(Control<QRadioButton>(f, "optUnits(1)"), Qt::LeftButton);
        w.Type(Control<QLineEdit>(f, "txtFloorArea"), "1000");
        w.Type(Control<QLineEdit>(f, "txtRoomHeight"), "12");
        w.Type(Control<QLineEdit>(f, "txtFireHeight"), "2");
        // With the single-precision factors, not 92.9 m² and 3.6576 m.
        QCOMPARE(w.calc->Inputs.FloorArea, 92.90000051259995);
        QCOMPARE(w.calc->Inputs.RoomHeight, 3.6576000452041626);
        QCOMPARE(w.calc->Inputs.FireHeight, 0.6096f);

        // Leaving an emptied box keeps the value stored before.
        w.Type(Control<QLineEdit>(f, "txtFloorArea"), "");
        QCOMPARE(w.calc->Inputs.FloorArea, 92.90000051259995);
    }

    void TheUnitOptionRewritesTheBoxesFromTheStoredValues() {
        SkevaWindows w(Data());
        frmInput& f = w.input;
        w.Type(Control<QLineEdit>(f, "txtRoomHeight"), "0.5");
        w.Type(Control<QLineEdit>(f, "txtFireHeight"), "0.5");
        w.Type(Control<QLineEdit>(f, "txtRunTime"), "600");
        // Typed and left for the option at once: the value is stored before the
        // option converts it.
        Control<QLineEdit>(f, "txtFloorArea")->setFocus();
        QTest::keyClicks(Control<QLineEdit>(f, "txtFloorArea"), "10");
        QTest::mouseClick(Control<QRadioButton>(f, "optUnits(1)"), Qt::LeftButton);
        QVERIFY(Control<QRadioButton>(f, "optUnits(1)")->isChecked());
        QCOMPARE(Control<QLineEdit>(f, "txtFloorArea")->text(), QString("107.643"));
        QCOMPARE(Control<QLineEdit>(f, "txtRoomHeight")->text(), QString("1.64"));
        QCOMPARE(Control<QLineEdit>(f, "txtFireHeight")->text(), QString("1.64"));
        QCOMPARE(Control<QLabel>(f, "lblFloorAreaUnits")->text(), QString("ft²"));
        QCOMPARE(Control<QLabel>(f, "lblRoomHeightUnits")->text(), QString("ft"));
        QCOMPARE(Control<QLabel>(f, "lblFireHeightUnits")->text(), QString("ft"));
        QCOMPARE(Control<QLabel>(f, "lblRunTimeUnits")->text(), QString("s"));
        QCOMPARE(Control<QLineEdit>(f, "txtLossFraction")->text(), QString("0.6"));
        QCOMPARE(Control<QLineEdit>(f, "txtRunTime")->text(), QString("600"));
        QCOMPARE(Control<QLineEdit>(f, "txtRunTitle")->text(), QString());

        QTest::mouseClick(Control<QRadioButton>(f, "optUnits(0)"), Qt::LeftButton);
        QCOMPARE(Control<QLineEdit>(f, "txtFloorArea")->text(), QString("10.00"));
        QCOMPARE(Control<QLineEdit>(f, "txtRoomHeight")->text(), QString(".50"));
        QCOMPARE(Control<QLineEdit>(f, "txtFireHeight")->text(), QString("0.50"));
        QCOMPARE(Control<QLabel>(f, "lblFloorAreaUnits")->text(), QString("m²"));

        // Arrow keys in the option group change the units too.
        Control<QRadioButton>(f, "optUnits(0)")->setFocus();
        QTest::keyClick(Control<QRadioButton>(f, "optUnits(0)"), Qt::Key_Right);
        QVERIFY(Control<QRadioButton>(f, "optUnits(1)")->isChecked());
        QCOMPARE(Control<QLineEdit>(f, "txtFloorArea")->text(), QString("107.643"));
        QCOMPARE(w.calc->Units.System, vorla::UnitSystem::US);
    }

    // Each run fixes the box the previous message named, so every check is
    // seen, in order, with its message, title, icon and focus.
    // Run shows the first check that fails as SKEVA-XW's input error, the wrong
    // value selected in its box; the checks and their order are the model's
    // (input_entry_test), the focus past a file box VORLA-XW's form test's.
    void ARefusedRunShowsTheCheckUnderSkevasTitle() {
        SkevaWindows w(Data());
        TypedRun run;
        run.LossFraction = "1";
        w.Fill(run);
        w.platform.ClearRecords();
        QVERIFY(w.Run() == nullptr);
        QVERIFY(w.input.isVisible());
        QCOMPARE(w.platform.Messages().size(), std::size_t{1});
        const auto& shown = w.platform.Messages()[0].Request;
        QCOMPARE(shown.Text, std::string("The loss fraction must be between 0 and 1."));
        QCOMPARE(shown.Title, std::string("SKEVA-XW: Input Data Error"));
        QCOMPARE(shown.Icon, MessageIcon::Exclamation);
        QCOMPARE(shown.Buttons, MessageButtons::Ok);
        QCOMPARE(FocusName(), QString("txtLossFraction"));
        QCOMPARE(Control<QLineEdit>(w.input, "txtLossFraction")->selectedText(), QString("1"));
        QVERIFY(w.platform.FileDialogs().empty());
        QVERIFY(w.platform.Problems().empty());
    }

    // A typed value that is not wholly a number is named before any check
    // reads it; the run does not start and the value is selected.
    void ANumberBoxThatIsNotANumberStopsTheRun_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("decimal comma") << "txtFloorArea"
                                       << "20,5"
                                       << "Room Floor Area";
        QTest::newRow("comma in the height") << "txtRoomHeight"
                                             << "2,4"
                                             << "Room Ceiling Height";
        QTest::newRow("letters for the floor") << "txtFireHeight"
                                               << "abc"
                                               << "Fire Base Height";
        QTest::newRow("letters after digits") << "txtLossFraction"
                                              << "0.6abc"
                                              << "Heat Loss Fraction";
        QTest::newRow("run time with a unit") << "txtRunTime"
                                              << "12abc"
                                              << "Maximum Run Time";
    }
    void ANumberBoxThatIsNotANumberStopsTheRun() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        SkevaWindows w(Data());
        TypedRun run;
        run.OutputFile = Path("A.SOF");
        w.Fill(run);
        auto* typed = Control<QLineEdit>(w.input, box);
        typed->setText(text);
        w.platform.ClearRecords();
        QVERIFY(w.Run() == nullptr);
        QCOMPARE(w.platform.Messages().size(), std::size_t{1});
        const auto& shown = w.platform.Messages()[0].Request;
        QCOMPARE(QString::fromStdString(shown.Text),
                 "The value of " + caption +
                     " is not a number. Type digits with a point (.) as the decimal "
                     "separator, for example 20.5.");
        QCOMPARE(shown.Title, std::string("SKEVA-XW: Input Data Error"));
        QCOMPARE(Name(QApplication::focusWidget()), box);
        QCOMPARE(typed->selectedText(), text);
        QVERIFY(w.platform.Problems().empty());
    }

    // After a file dialog the focus comes back to a box with its text selected.
    void TheBoxAfterAFileDialogHasItsTextSelected() {
        SkevaWindows w(Data());
        TypedRun run;
        w.Fill(run);
        w.platform.ChooseInNextDialog(Path("B.SOF").toStdString());
        QTest::mouseClick(Control<QLineEdit>(w.input, "txtOutputFile"), Qt::LeftButton);
        QCOMPARE(FocusName(), QString("txtFloorArea"));
        QCOMPARE(Control<QLineEdit>(w.input, "txtFloorArea")->selectedText(), QString("1000"));
        w.platform.ChooseInNextDialog(DataFile("steady_100kw_10000s.fir"));
        QTest::mouseClick(Control<QLineEdit>(w.input, "txtFireFile"), Qt::LeftButton);
        QCOMPARE(FocusName(), QString("txtRunTitle"));
        QCOMPARE(Control<QLineEdit>(w.input, "txtRunTitle")->selectedText(), QString("Test run"));
    }

    void TheTitleIsOneLineAndRunKeepsSixtyCharacters() {
        SkevaWindows w(Data());
        frmInput& f = w.input;
        Control<QLineEdit>(f, "txtRunTitle")->setFocus();
        QApplication::clipboard()->setText("Hall\r\nnorth\nside");
        Control<QLineEdit>(f, "txtRunTitle")->paste();
        QCOMPARE(Control<QLineEdit>(f, "txtRunTitle")->text(), QString("Hall north side"));

        const QString seventy = QString(60, u'é') + QString(10, u'x');
        w.Fill({.RunTitle = seventy, .FireFile = ""});
        w.platform.CancelNextDialog();
        w.Run(); // stopped by the fire file check, after reading the form
        QCOMPARE(QString::fromStdString(w.calc->Inputs.RunTitle), QString(60, u'é'));
        QCOMPARE(Control<QLineEdit>(f, "txtRunTitle")->text(), seventy);
    }

    void FileNewClearsTheFormToItsStart() {
        SkevaWindows w(Data());
        frmInput& f = w.input;
        w.Fill({});
        Control<QLineEdit>(f, "txtFloorArea")->setFocus();
        QTest::mouseClick(Control<QRadioButton>(f, "optUnits(1)"), Qt::LeftButton);
        Control<QAction>(f, "mnuFileNew")->trigger();
        for (QLineEdit* box :
             {static_cast<QLineEdit*>(Control<QLineEdit>(f, "txtRunTitle")),
              static_cast<QLineEdit*>(Control<QLineEdit>(f, "txtOutputFile")),
              Control<QLineEdit>(f, "txtFloorArea"), Control<QLineEdit>(f, "txtRoomHeight"),
              Control<QLineEdit>(f, "txtFireHeight"), Control<QLineEdit>(f, "txtRunTime"),
              static_cast<QLineEdit*>(Control<QLineEdit>(f, "txtFireFile"))}) {
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        }
        QCOMPARE(Control<QLineEdit>(f, "txtLossFraction")->text(), QString("0.6"));
        QVERIFY(Control<QRadioButton>(f, "optUnits(0)")->isChecked());
        QCOMPARE(Control<QLabel>(f, "lblFloorAreaUnits")->text(), QString("m²"));
        QCOMPARE(Control<QLabel>(f, "lblRoomHeightUnits")->text(), QString("m"));
        QCOMPARE(w.calc->Units.System, vorla::UnitSystem::SI);
        QCOMPARE(w.calc->Units.Length.ToSI, 1.0f);
        QCOMPARE(w.calc->Inputs.FloorArea, 0.0);
        QCOMPARE(w.calc->Inputs.RoomHeight, 0.0);
        QCOMPARE(w.calc->Inputs.FireHeight, 0.0f);
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QLineEdit>(f, "txtRunTitle")));
        QVERIFY(w.platform.FileDialogs().empty());
    }

    void FileOpenRefillsTheFormInSIUnits() {
        SkevaWindows w(Data());
        frmInput& f = w.input;
        QTest::mouseClick(Control<QRadioButton>(f, "optUnits(1)"), Qt::LeftButton);
        Control<QLineEdit>(f, "txtOutputFile")->setText("PREVIOUS.SOF");
        const std::string saved = SMOKE_GOLDEN_DIR "/raised_fire.sof";
        w.platform.ChooseInNextDialog(saved);
        Control<QAction>(f, "mnuFileOpen")->trigger();

        const auto& dialog = w.platform.FileDialogs().at(0).Request;
        QCOMPARE(dialog.Kind, FileDialogKind::Open);
        QCOMPARE(dialog.Title, std::string("Specify Data File"));
        QCOMPARE(dialog.Filter, std::string("SKEVA-XW Data Files (*.sof)|*.sof|All files (*)|*"));
        QCOMPARE(dialog.InitialDirectory, Data());
        QCOMPARE(dialog.InitialFileName, std::string("PREVIOUS.SOF"));
        QVERIFY(dialog.FileMustExist);

        QVERIFY(Control<QRadioButton>(f, "optUnits(0)")->isChecked());
        QCOMPARE(Control<QLabel>(f, "lblFloorAreaUnits")->text(), QString("m²"));
        QCOMPARE(Control<QLineEdit>(f, "txtRunTitle")->text(), QString("Store, raised fire"));
        QCOMPARE(Control<QLineEdit>(f, "txtOutputFile")->text(), QString("RAISED.SOF"));
        QCOMPARE(Control<QLineEdit>(f, "txtFloorArea")->text(), QString("200"));
        QCOMPARE(Control<QLineEdit>(f, "txtRoomHeight")->text(), QString("5"));
        QCOMPARE(Control<QLineEdit>(f, "txtFireHeight")->text(), QString("1.5"));
        QCOMPARE(Control<QLineEdit>(f, "txtLossFraction")->text(), QString("0.7"));
        QCOMPARE(Control<QLineEdit>(f, "txtRunTime")->text(), QString("900"));
        QCOMPARE(Control<QLineEdit>(f, "txtFireFile")->text(),
                 QString("medium_t_squared_1500kw.fir"));
        QCOMPARE(w.calc->Inputs.FloorArea, 200.0);
        QCOMPARE(w.calc->Inputs.FireHeight, 1.5f);
        QCOMPARE(w.calc->Inputs.OutputFile, saved);
        QVERIFY(w.platform.Messages().empty());
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QLineEdit>(f, "txtRunTitle")));

        // The values read back convert as typed ones do.
        QTest::mouseClick(Control<QRadioButton>(f, "optUnits(1)"), Qt::LeftButton);
        QCOMPARE(Control<QLineEdit>(f, "txtFloorArea")->text(), QString("2152.853"));
    }

    void FileOpenOfABadFileSaysSo_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("reset");
        QTest::newRow("ends before line 9")
            << QByteArray("SKEVA-XW VERSION 1.00 - JULY 1999\r\nShort\r\n") << false
            << "Wrong file format." << int(MessageIcon::Exclamation) << true;
        QTest::newRow("VORLA-XW's report")
            << QByteArray::fromStdString(
                   vorla::test_support::ReadFile(VORLA_EXAMPLES_DIR "/office-sofa-fire.vof"))
            << false << "Wrong file format." << int(MessageIcon::Exclamation) << true;
        QTest::newRow("a folder") << QByteArray() << true
                                  << "The results file %1 cannot be opened (it is a folder)."
                                  << int(MessageIcon::Critical) << false;
    }
    void FileOpenOfABadFileSaysSo() {
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(bool, reset);
        const QString path = Path("bad.sof");
        if (folder) {
            QVERIFY(QDir().mkpath(path));
        } else {
            WriteFile(path, content);
        }
        SkevaWindows w(Data());
        frmInput& f = w.input;
        w.Fill({});
        QTest::mouseClick(Control<QRadioButton>(f, "optUnits(1)"), Qt::LeftButton);
        const QString floorArea = Control<QLineEdit>(f, "txtFloorArea")->text();
        w.platform.ChooseInNextDialog(path.toStdString());
        Control<QAction>(f, "mnuFileOpen")->trigger();

        QCOMPARE(w.platform.Messages().size(), std::size_t{1});
        const auto& shown = w.platform.Messages()[0].Request;
        QCOMPARE(QString::fromStdString(shown.Text),
                 message.contains("%1") ? message.arg(path) : message);
        QCOMPARE(shown.Title, std::string("SKEVA-XW"));
        QCOMPARE(int(shown.Icon), icon);
        QCOMPARE(shown.Buttons, MessageButtons::Ok);
        if (reset) {
            // Not a file of this program: the form stays as typed, in U.S. units.
            QVERIFY(Control<QRadioButton>(f, "optUnits(1)")->isChecked());
            QCOMPARE(Control<QLabel>(f, "lblFloorAreaUnits")->text(), QString("ft²"));
            QCOMPARE(w.calc->Units.System, vorla::UnitSystem::US);
            QCOMPARE(Control<QLineEdit>(f, "txtRunTitle")->text(), QString("Test run"));
            QCOMPARE(Control<QLineEdit>(f, "txtOutputFile")->text(), QString("RUN.SOF"));
            QCOMPARE(Control<QLineEdit>(f, "txtFloorArea")->text(), floorArea);
            QCOMPARE(w.calc->Inputs.FloorArea, 1000.0);
        } else {
            QVERIFY(Control<QRadioButton>(f, "optUnits(0)")->isChecked());
            QCOMPARE(Control<QLineEdit>(f, "txtOutputFile")->text(), QString());
            QCOMPARE(Control<QLineEdit>(f, "txtRunTitle")->text(), QString("Test run"));
        }
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QLineEdit>(f, "txtRunTitle")));
    }

    void AFileFromOutsideOpensAsFileOpenWould_data() {
        QTest::addColumn<bool>("dropped"); // else named on the command line
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message"); // empty: opened
        for (const bool dropped : {false, true}) {
            const char* how = dropped ? "dropped" : "command line";
            QTest::addRow("%s, results", how) << dropped << "golden"
                                              << "";
            QTest::addRow("%s, VORLA-XW's report", how)
                << dropped << VORLA_EXAMPLES_DIR "/office-sofa-fire.vof"
                << "Wrong file format.";
            QTest::addRow("%s, missing", how) << dropped << "missing.sof"
                                              << "The results file %1 cannot be opened";
        }
    }
    void AFileFromOutsideOpensAsFileOpenWould() {
        QFETCH(bool, dropped);
        QFETCH(QString, file);
        QFETCH(QString, message);
        const QString path = file == "golden"
                                 ? QString::fromStdString(SMOKE_GOLDEN_DIR "/raised_fire.sof")
                             : file.startsWith('/') ? file
                                                    : Path(file);
        SkevaWindows w(Data());
        frmInput& f = w.input;
        w.Fill({});
        if (dropped) {
            const auto outcome = DropFile(Control<QLineEdit>(f, "txtRoomHeight"), path);
            QVERIFY(outcome.enterAccepted && outcome.dropAccepted);
            QCOMPARE(Name(QApplication::focusWidget()), QString("txtRunTitle"));
        } else {
            QCOMPARE(f.OpenFile(path.toStdString()), message.isEmpty());
        }
        if (message.isEmpty()) {
            QVERIFY(w.platform.Messages().empty());
            QCOMPARE(Control<QLineEdit>(f, "txtRunTitle")->text(), QString("Store, raised fire"));
            QCOMPARE(Control<QLineEdit>(f, "txtRoomHeight")->text(), QString("5"));
            return;
        }
        QCOMPARE(w.platform.Messages().size(), std::size_t{1});
        const auto& shown = w.platform.Messages()[0].Request;
        QVERIFY2(QString::fromStdString(shown.Text).startsWith(message.arg(path)),
                 shown.Text.c_str());
        QCOMPARE(shown.Title, std::string("SKEVA-XW"));
        QCOMPARE(Control<QLineEdit>(f, "txtRunTitle")->text(), QString("Test run"));
    }

    void FileOpenOfAFileWithTextForNumbersReadsZeros() {
        const QString path = Path("text.sof");
        WriteFile(path, "SKEVA-XW VERSION 1.00 - JULY 1999\r\nTitle\r\n"
                        "SIMULATION OUTPUT DATA FILE : OUT.SOF\r\n"
                        "FLOOR AREA                  : lots of m^2\r\n"
                        "ROOM HEIGHT                 :   high\r\n"
                        "FIRE HEIGHT\r\n"
                        "HEAT LOSS FRACTION          :   0.650\r\n"
                        "MAXIMUM RUN TIME            :     900 s  \r\n"
                        "HEAT RELEASE RATE DATA FILE : FIRE.FIR\r\n");
        SkevaWindows w(Data());
        frmInput& f = w.input;
        w.platform.ChooseInNextDialog(path.toStdString());
        Control<QAction>(f, "mnuFileOpen")->trigger();
        QVERIFY(w.platform.Messages().empty());
        QCOMPARE(Control<QLineEdit>(f, "txtFloorArea")->text(), QString("0"));
        QCOMPARE(Control<QLineEdit>(f, "txtRoomHeight")->text(), QString("0"));
        QCOMPARE(Control<QLineEdit>(f, "txtFireHeight")->text(), QString("0"));
        QCOMPARE(Control<QLineEdit>(f, "txtLossFraction")->text(), QString("0.65"));
        QCOMPARE(Control<QLineEdit>(f, "txtFireFile")->text(), QString("FIRE.FIR"));
        // Run then names the first value to fix.
        QVERIFY(w.Run() == nullptr);
        QCOMPARE(w.platform.Messages().at(0).Request.Text,
                 std::string("The floor area must be greater than zero."));
    }

    void ACancelledFileOpenChangesNothing() {
        SkevaWindows w(Data());
        frmInput& f = w.input;
        w.Fill({});
        QTest::mouseClick(Control<QRadioButton>(f, "optUnits(1)"), Qt::LeftButton);
        const QString areaInFeet = Control<QLineEdit>(f, "txtFloorArea")->text();
        w.platform.CancelNextDialog();
        Control<QAction>(f, "mnuFileOpen")->trigger();
        QVERIFY(Control<QRadioButton>(f, "optUnits(1)")->isChecked());
        QCOMPARE(Control<QLineEdit>(f, "txtFloorArea")->text(), areaInFeet);
        QCOMPARE(Control<QLineEdit>(f, "txtOutputFile")->text(), QString("RUN.SOF"));
        QVERIFY(w.platform.Messages().empty());
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QLineEdit>(f, "txtRunTitle")));
    }

    // The shop run in S.I. units and again after switching units (each box
    // visited and left between): the same report, byte for byte, although the
    // boxes show the values rounded (the fire base height as "1.64" ft).
    void AUnitChangeNeverChangesTheRun_data() {
        QTest::addColumn<QList<int>>("switches");
        QTest::newRow("to U.S.") << QList<int>{1};
        QTest::newRow("there and back") << QList<int>{1, 0};
        QTest::newRow("five switches") << QList<int>{1, 0, 1, 0, 1};
    }
    void AUnitChangeNeverChangesTheRun() {
        QFETCH(QList<int>, switches);
        SkevaWindows w(Data());
        w.Fill(ShopRun());
        const std::string si = SavedRun(w, Path("shop.sof"));
        QVERIFY(si.find("HEAT RELEASE RATE DATA FILE") != std::string::npos);
        for (const int option : switches) {
            QTest::mouseClick(Control<QRadioButton>(w.input, Element("optUnits", option)),
                              Qt::LeftButton);
            for (const char* box : {"txtFloorArea", "txtRoomHeight", "txtFireHeight"}) {
                Control(w.input, box)->setFocus();
            }
            Control(w.input, "txtRunTitle")->setFocus();
        }
        QCOMPARE(w.calc->Units.System,
                 switches.back() == 1 ? vorla::UnitSystem::US : vorla::UnitSystem::SI);
        QCOMPARE(SavedRun(w, Path("shop.sof")), si);
        QVERIFY(w.platform.Problems().empty());
    }

    // A box typed into after a unit change holds what was typed.
    void ABoxRetypedAfterAUnitChangeReplacesItsValue() {
        SkevaWindows w(Data());
        w.Fill(ShopRun());
        QTest::mouseClick(Control<QRadioButton>(w.input, "optUnits(1)"), Qt::LeftButton);
        QCOMPARE(Control<QLineEdit>(w.input, "txtRoomHeight")->text(), QString("13.123"));
        w.Type(Control<QLineEdit>(w.input, "txtRoomHeight"), "10");   // 10 ft = 3.048 m
        w.Type(Control<QLineEdit>(w.input, "txtFireHeight"), "1.64"); // as shown, typed
        SavedRun(w, Path("typed.sof"));
        QVERIFY(qAbs(w.calc->Inputs.RoomHeight - 3.048) < 1e-7); // the foot is a float factor
        QVERIFY(qFuzzyCompare(w.calc->Inputs.FireHeight, 1.64f * 0.3048f));
        QCOMPARE(w.calc->Inputs.FloorArea, 150.0);
    }

    // File New and File Open start afresh: a value kept over an earlier unit
    // change is never read for a box that shows the same text again.
    void FileNewAndFileOpenForgetTheKeptValues() {
        {
            SkevaWindows w(Data());
            TypedRun run = ShopRun();
            run.FloorArea = "150.0004";
            w.Fill(run);
            // File New in U.S. units goes back to S.I. units first, which shows
            // the area as "150.00".
            QTest::mouseClick(Control<QRadioButton>(w.input, "optUnits(1)"), Qt::LeftButton);
            Control<QAction>(w.input, "mnuFileNew")->trigger();
            run.FloorArea = "150.00";
            w.Fill(run);
            SavedRun(w, Path("new.sof"));
            QCOMPARE(w.calc->Inputs.FloorArea, 150.0);
        }
        {
            // The example with a 3.048 m ceiling and its fire file by its full path.
            QByteArray example = ReadFile(VORLA_EXAMPLES_DIR "/shop-sofa-fire.sof").c_str();
            example.replace("   4.00 m ", "  3.048 m ");
            example.replace(": medium-tsquared-1mw.fir",
                            ": " VORLA_EXAMPLES_DIR "/medium-tsquared-1mw.fir");
            WriteFile(Path("opened.sof"), example);
            SkevaWindows w(Data());
            w.Fill(ShopRun());
            QTest::mouseClick(Control<QRadioButton>(w.input, "optUnits(1)"), Qt::LeftButton);
            w.Type(Control<QLineEdit>(w.input, "txtRoomHeight"), "10"); // 3.048 m in floats
            QTest::mouseClick(Control<QRadioButton>(w.input, "optUnits(0)"), Qt::LeftButton);
            QCOMPARE(Control<QLineEdit>(w.input, "txtRoomHeight")->text(), QString("3.048"));
            w.platform.ChooseInNextDialog(Path("opened.sof").toStdString());
            Control<QAction>(w.input, "mnuFileOpen")->trigger();
            QCOMPARE(Control<QLineEdit>(w.input, "txtRoomHeight")->text(), QString("3.048"));
            SavedRun(w, Path("run.sof"));
            QCOMPARE(w.calc->Inputs.RoomHeight, 3.048);
            QVERIFY(w.platform.Problems().empty());
        }
    }

    void TheFileBoxesAskForAFile() {
        SkevaWindows w(Data());
        frmInput& f = w.input;
        Control<QLineEdit>(f, "txtFireFile")->setText("old.fir");
        w.platform.ChooseInNextDialog(Path("new.fir").toStdString());
        QTest::mouseClick(Control<QLineEdit>(f, "txtFireFile"), Qt::LeftButton);
        auto dialog = w.platform.FileDialogs().at(0).Request;
        QCOMPARE(dialog.Kind, FileDialogKind::Open);
        QCOMPARE(dialog.Title, std::string("Specify Fire File"));
        QCOMPARE(dialog.Filter, std::string("SKEVA-XW Fire Files (*.fir)|*.fir|All files (*)|*"));
        QCOMPARE(dialog.InitialDirectory, Data());
        QCOMPARE(dialog.InitialFileName, std::string("old.fir"));
        QVERIFY(dialog.FileMustExist);
        QCOMPARE(Control<QLineEdit>(f, "txtFireFile")->text(), Path("new.fir"));
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QLineEdit>(f, "txtRunTitle")));

        Control<QLineEdit>(f, "txtOutputFile")->setText("old.sof");
        w.platform.ChooseInNextDialog(Path("new.sof").toStdString());
        QTest::mouseClick(Control<QLineEdit>(f, "txtOutputFile"), Qt::LeftButton);
        dialog = w.platform.FileDialogs().at(1).Request;
        QCOMPARE(dialog.Kind, FileDialogKind::SaveAs);
        QCOMPARE(dialog.Title, std::string("Specify Data Output File"));
        QCOMPARE(dialog.Filter, std::string("SKEVA-XW Data Files (*.sof)|*.sof"));
        QCOMPARE(dialog.InitialDirectory, Data());
        QCOMPARE(dialog.InitialFileName, std::string("old.sof"));
        QVERIFY(dialog.ConfirmOverwrite);
        QCOMPARE(Control<QLineEdit>(f, "txtOutputFile")->text(), Path("new.sof"));
        QCOMPARE(Name(QApplication::focusWidget()), Name(Control<QLineEdit>(f, "txtFloorArea")));

        // Cancelled: the name stays.
        w.platform.CancelNextDialog();
        QTest::mouseClick(Control<QLineEdit>(f, "txtOutputFile"), Qt::LeftButton);
        QCOMPARE(Control<QLineEdit>(f, "txtOutputFile")->text(), Path("new.sof"));
        QVERIFY(w.platform.Problems().empty());
    }

    void FileExitAndTheFramesCloseButtonEndTheProgram() {
        {
            SkevaWindows w(Data());
            Control<QAction>(w.input, "mnuFileExit")->trigger();
            QCOMPARE(w.quits, 1);
            QVERIFY(!w.input.isVisible());
        }
        {
            SkevaWindows w(Data());
            QVERIFY(w.input.close());
            QCOMPARE(w.quits, 1);
            QVERIFY(w.platform.Messages().empty());
        }
    }
};

QTEST_MAIN(InputFormTest)
#include "input_form_test.moc"
