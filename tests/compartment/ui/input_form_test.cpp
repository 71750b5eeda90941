#include "common/ui/program_memory.h"
#include "compartment/ui/input_form.h"
#include "program_fixture.h"
#include "tests/support/file_drop_events.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;

namespace {

// Types into a box as a user does: focus, select what is there, type.
void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// What the boxes show, in the order of the form.
QStringList Texts(const Program& program) {
    QStringList texts;
    for (auto box :
         {InputBox::txtRunTitle, InputBox::txtOutputFile, InputBox::txtFloorArea,
          InputBox::txtRoomHeight, InputBox::txtTotalLossFraction, InputBox::txtVentWidth,
          InputBox::txtSillHeight, InputBox::txtSoffitHeight, InputBox::txtFireHeight,
          InputBox::txtRadiativeLossFraction, InputBox::txtRunTime, InputBox::txtFireFile}) {
        texts << program.Box(box)->text();
    }
    return texts;
}

QStringList UnitLabels(const Program& program) {
    QStringList labels;
    for (const char* name :
         {"lblFloorAreaUnits", "lblRoomHeightUnits", "lblVentWidthUnits", "lblSillHeightUnits",
          "lblSoffitHeightUnits", "lblFireHeightUnits", "lblRunTimeUnits"}) {
        labels << program.input->findChild<QLabel*>(name)->text();
    }
    return labels;
}

constexpr InputBox kDimensions[] = {InputBox::txtFloorArea,    InputBox::txtRoomHeight,
                                    InputBox::txtVentWidth,    InputBox::txtSillHeight,
                                    InputBox::txtSoffitHeight, InputBox::txtFireHeight};

// Runs the form, answers `flashover` to the flashover question when there is
// one, saves the report as `name` and closes it; the bytes saved.
std::string SavedRun(Program& program, const QString& name, bool flashover) {
    if (flashover) {
        program.platform.AnswerNextQuestion(MessageButton::Yes); // stop at flashover
    }
    QWidget* report = program.Run();
    if (report == nullptr) {
        return "(no report)";
    }
    const std::string path = program.Path(name);
    program.platform.ChooseInNextDialog(path);
    Control<QPushButton>(report, "cmdSave")->click();
    Control<QPushButton>(report, "cmdClose")->click();
    Program::Settle();
    return ReadFile(path);
}

} // namespace

class InputWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

  private slots:
    void initTestCase() {
        // Settings go to a folder of the test, never the user's.
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
    }

    // With the program's memory attached as main() does: a report opened by
    // any way is at the top of Recent Files, and choosing it opens it again.
    void ReportsOpenedGoToRecentFiles() {
        QSettings().clear();
        Program program;
        vorla::ui::ProgramMemory memory(program.platform);
        memory.Attach(
            *program.input, "VORLA-XW",
            [&program](const std::string& path) { return program.input->OpenFile(path); },
            program.input->WhenFileOpened, program.input->WhenFileSaved);
        auto* recent = Control<QMenu>(program.input, "mnuFileRecent");
        auto* file = Control<QMenu>(program.input, "mnuFile");
        // Between Open and the line above Exit.
        QCOMPARE(file->actions().indexOf(recent->menuAction()) + 1,
                 file->actions().indexOf(Control<QAction>(program.input, "mnuFileBar1")));
        const std::string report = ReadText(kExamples + "/office-sofa-fire.vof").toStdString();
        const std::string first = program.WriteFile("first.vof", report);
        const std::string second = program.WriteFile("second.sdf", report);
        program.platform.ChooseInNextDialog(first);
        Trigger(program.input, "mnuFileOpen");
        QVERIFY(DropFile(program.input.get(), QString::fromStdString(second)).dropAccepted);
        QVERIFY(!program.input->OpenFile(program.Path("missing.vof"))); // not listed
        QCOMPARE(vorla::ui::ProgramSettings().RecentFiles(),
                 QStringList({QString::fromStdString(second), QString::fromStdString(first)}));

        program.Set(InputBox::txtRunTitle, "changed");
        recent->actions().at(1)->trigger();
        QCOMPARE(program.calc->Inputs.OutputFile, first);
        QCOMPARE(program.Box(InputBox::txtRunTitle)->text(), QString("Office, sofa fire"));
        QCOMPARE(vorla::ui::ProgramSettings().RecentFiles().front(), QString::fromStdString(first));
    }

    // A report the user saved is as much theirs as one they opened; an
    // exported CSV file is not a file VORLA-XW opens and stays off the list.
    void ReportsSavedGoToRecentFilesExportsDoNot() {
        QSettings().clear();
        Program program;
        vorla::ui::ProgramMemory memory(program.platform);
        memory.Attach(
            *program.input, "VORLA-XW",
            [&program](const std::string& path) { return program.input->OpenFile(path); },
            program.input->WhenFileOpened, program.input->WhenFileSaved);
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire), "60");
        QWidget* report = program.Run();
        QVERIFY(report);
        program.platform.ChooseInNextDialog(program.Path("rows.csv"));
        Click(report, "cmdExportCsv");
        QVERIFY(QFile::exists(QString::fromStdString(program.Path("rows.csv"))));
        program.platform.CancelNextDialog();
        Click(report, "cmdSave");
        QCOMPARE(vorla::ui::ProgramSettings().RecentFiles(), QStringList());

        const std::string saved = program.Path("steady.sdf");
        program.platform.ChooseInNextDialog(saved);
        Click(report, "cmdSave");
        QCOMPARE(vorla::ui::ProgramSettings().RecentFiles(),
                 QStringList({QString::fromStdString(saved)}));
        Click(report, "cmdClose");
        Program::Settle();

        // Chosen from the list, the saved report fills the form again.
        program.Set(InputBox::txtRunTitle, "changed");
        Control<QMenu>(program.input, "mnuFileRecent")->actions().at(0)->trigger();
        QCOMPARE(program.Box(InputBox::txtRunTitle)->text(), QString("Office, sofa fire"));
        QCOMPARE(program.calc->Inputs.OutputFile, saved);
    }

    void KeepsTheWindowConventions() {
        Program program;
        QCOMPARE(WindowConventionProblems(*program.input), QStringList());
        QCOMPARE(Texts(program),
                 QStringList({"", "", "", "", "0.6", "", "", "", "", "0.35", "", ""}));
        QCOMPARE(UnitLabels(program), QStringList({"m²", "m", "m", "m", "m", "m", "s"}));
    }

    void TheFormIsNamedAsTheProgramNamesIt() {
        Program program;
        QCOMPARE(program.input->objectName(), QString("frmInput"));
        QCOMPARE(program.input->windowTitle(), QString("VORLA-XW: Input Data"));
        QVERIFY(program.input->findChild<QFrame*>("linBelowMenu"));
        QVERIFY(Control<QRadioButton>(program.input, "optUnits(0)")->isChecked());
        QCOMPARE(program.calc->Units.System, vorla::UnitSystem::SI);
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));
    }

    void LeavingADimensionBoxStoresItInSIUnits_data() {
        QTest::addColumn<bool>("us");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("floorArea");
        QTest::addColumn<double>("roomHeight");
        QTest::newRow("S.I.") << false << "20" << 20.0 << 20.0;
        QTest::newRow("U.S.") << true << "100" << 9.29 << 30.48;
    }
    void LeavingADimensionBoxStoresItInSIUnits() {
        QFETCH(bool, us);
        QFETCH(QString, text);
        QFETCH(double, floorArea);
        QFETCH(double, roomHeight);
        Program program;
        Control<QRadioButton>(program.input, Element("optUnits", us ? 1 : 0))->click();
        Type(Control<QLineEdit>(program.input, "txtFloorArea"), text);
        Type(Control<QLineEdit>(program.input, "txtRoomHeight"), text); // leaves the floor area
        QCOMPARE(program.calc->Inputs.FloorArea, floorArea);
        QCOMPARE(program.calc->Inputs.RoomHeight, 0.0); // not left yet
        Control<QLineEdit>(program.input, "txtVentWidth")->setFocus();
        QCOMPARE(program.calc->Inputs.RoomHeight, roomHeight);
    }

    void UnitChangeRewritesTheDimensionsFromTheirSIValues() {
        Program program;
        Type(Control<QLineEdit>(program.input, "txtFloorArea"), "20");
        Type(Control<QLineEdit>(program.input, "txtRoomHeight"), "2.4");
        Type(Control<QLineEdit>(program.input, "txtRunTime"), "600");
        Control<QLineEdit>(program.input, "txtRunTitle")->setFocus();

        Control<QRadioButton>(program.input, "optUnits(1)")->click();
        QCOMPARE(program.calc->Units.System, vorla::UnitSystem::US);
        QCOMPARE(Control<QLineEdit>(program.input, "txtFloorArea")->text(), QString("215.285"));
        QCOMPARE(Control<QLineEdit>(program.input, "txtRoomHeight")->text(), QString("7.874"));
        QCOMPARE(Control<QLineEdit>(program.input, "txtVentWidth")->text(),
                 QString()); // empty stays empty
        QCOMPARE(Control<QLineEdit>(program.input, "txtRunTime")->text(), QString("600"));
        QCOMPARE(Control<QLineEdit>(program.input, "txtTotalLossFraction")->text(), QString("0.6"));
        QCOMPARE(UnitLabels(program), QStringList({"ft²", "ft", "ft", "ft", "ft", "ft", "s"}));
        QCOMPARE(program.calc->Inputs.FloorArea, 20.0);

        Control<QRadioButton>(program.input, "optUnits(0)")->click();
        QCOMPARE(Control<QLineEdit>(program.input, "txtFloorArea")->text(), QString("20.00"));
        QCOMPARE(Control<QLineEdit>(program.input, "txtRoomHeight")->text(), QString("2.40"));
        QCOMPARE(UnitLabels(program), QStringList({"m²", "m", "m", "m", "m", "m", "s"}));
        QCOMPARE(program.calc->Inputs.RoomHeight, 2.4);
    }

    // The office of the example, run in S.I. units and again after switching
    // units (each box visited and left between): the same report, byte for
    // byte. Run reads the values typed, not the boxes' rounded conversions.
    void AUnitChangeNeverChangesTheRun_data() {
        QTest::addColumn<QList<int>>("switches");
        QTest::newRow("to U.S.") << QList<int>{1};
        QTest::newRow("there and back") << QList<int>{1, 0};
        QTest::newRow("five switches") << QList<int>{1, 0, 1, 0, 1};
    }
    void AUnitChangeNeverChangesTheRun() {
        QFETCH(QList<int>, switches);
        Program program;
        program.FillRoom(kExamples + "/office-sofa-tsquared.fir");
        const std::string si = SavedRun(program, "office.vof", true);
        QVERIFY(si.find("FLASHOVER") != std::string::npos);
        for (const int option : switches) {
            Control<QRadioButton>(program.input, Element("optUnits", option))->click();
            for (const InputBox box : kDimensions) {
                program.Box(box)->setFocus();
            }
            program.Box(InputBox::txtRunTitle)->setFocus();
        }
        QCOMPARE(program.calc->Units.System,
                 switches.back() == 1 ? vorla::UnitSystem::US : vorla::UnitSystem::SI);
        QCOMPARE(SavedRun(program, "office.vof", true), si);
        QVERIFY(program.platform.Problems().empty());
    }

    // A box typed into after a unit change holds what was typed; the others
    // still hold the values typed before the change.
    void ABoxRetypedAfterAUnitChangeReplacesItsValue() {
        Program program;
        program.FillRoom(program.WriteFile("steady.fir", kSteadyFire));
        Control<QRadioButton>(program.input, "optUnits(1)")->click();
        QCOMPARE(program.Box(InputBox::txtRoomHeight)->text(), QString("7.874"));
        Type(program.Box(InputBox::txtRoomHeight), "8");    // 8 ft = 2.4384 m
        Type(program.Box(InputBox::txtVentWidth), "2.953"); // as shown: typed all the same
        program.Set(InputBox::txtSoffitHeight, "6");        // 6 ft = 1.8288 m
        program.Box(InputBox::txtRunTitle)->setFocus();
        SavedRun(program, "retyped.vof", false);
        QVERIFY(qFuzzyCompare(program.calc->Inputs.RoomHeight, 2.4384));
        QVERIFY(qFuzzyCompare(program.calc->Inputs.VentWidth, 2.953 * 0.3048));
        QVERIFY(program.calc->Inputs.VentWidth != 0.9);
        QVERIFY(qFuzzyCompare(program.calc->Inputs.SoffitHeight, 1.8288f));
        QCOMPARE(program.calc->Inputs.FloorArea, 20.0);
        QCOMPARE(program.calc->Inputs.FireHeight, 0.0);
    }

    // File New and File Open start afresh: a value kept over an earlier unit
    // change is never read for a box that shows the same text again.
    void FileNewAndFileOpenForgetTheKeptValues() {
        {
            Program program;
            program.FillRoom(program.WriteFile("steady.fir", kSteadyFire), "600", "20.0004");
            Control<QRadioButton>(program.input, "optUnits(1)")->click();
            Control<QRadioButton>(program.input, "optUnits(0)")->click();
            QCOMPARE(program.Box(InputBox::txtFloorArea)->text(), QString("20.00"));
            Trigger(program.input, "mnuFileNew");
            program.FillRoom(program.WriteFile("steady.fir", kSteadyFire), "600", "20.00");
            SavedRun(program, "new.vof", false);
            QCOMPARE(program.calc->Inputs.FloorArea, 20.0);
        }
        {
            // The example with a 2.438 m ceiling and its fire file by its full path.
            QString example = ReadText(kExamples + "/office-sofa-fire.vof");
            example.replace("   2.40 m ", "  2.438 m ");
            example.replace("examples/office-sofa-tsquared.fir",
                            QString::fromStdString(kExamples + "/office-sofa-tsquared.fir"));
            Program program;
            const std::string opened = program.WriteFile("opened.vof", example.toStdString());
            program.FillRoom(program.WriteFile("steady.fir", kSteadyFire));
            Control<QRadioButton>(program.input, "optUnits(1)")->click();
            Type(program.Box(InputBox::txtRoomHeight), "8"); // 2.4384 m
            Control<QRadioButton>(program.input, "optUnits(0)")->click();
            QCOMPARE(program.Box(InputBox::txtRoomHeight)->text(), QString("2.438"));
            program.platform.ChooseInNextDialog(opened);
            Trigger(program.input, "mnuFileOpen");
            QCOMPARE(program.Box(InputBox::txtRoomHeight)->text(), QString("2.438"));
            SavedRun(program, "run.vof", true);
            QCOMPARE(program.calc->Inputs.RoomHeight, 2.438);
            QVERIFY(program.platform.Problems().empty());
        }
    }

    void TypingThenClickingTheOtherUnitsConvertsWhatWasTyped() {
        Program program;
        Type(Control<QLineEdit>(program.input, "txtVentWidth"), "0.9");
        // The click takes the focus first, which stores the width.
        QTest::mouseClick(Control<QRadioButton>(program.input, "optUnits(1)"), Qt::LeftButton);
        QCOMPARE(Control<QLineEdit>(program.input, "txtVentWidth")->text(), QString("2.953"));
        QCOMPARE(program.calc->Inputs.VentWidth, 0.9);
    }

    // Run shows the first check that fails (the checks, their order and their
    // limits are the model's: input_checks_test) as VORLA-XW's input error and
    // moves the focus: a number box gets it with its text selected, so typing
    // replaces it; a file box opens its dialog once and the focus goes on past it.
    void ARefusedRunShowsTheCheckAndMovesTheFocus_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("dialog"); // the file dialog that opens at once, if any
        QTest::addColumn<QString>("focus");
        QTest::newRow("output file") << "txtOutputFile"
                                     << ""
                                     << "An output data file name must be specified."
                                     << "Specify Data Output File"
                                     << "txtFloorArea";
        QTest::newRow("a number box") << "txtSoffitHeight"
                                      << "2.4"
                                      << "The soffit can not be above the ceiling."
                                      << ""
                                      << "txtSoffitHeight";
        QTest::newRow("fire file") << "txtFireFile"
                                   << ""
                                   << "A fire file name must be specified."
                                   << "Specify Fire File"
                                   << "txtRunTitle";
    }
    void ARefusedRunShowsTheCheckAndMovesTheFocus() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, dialog);
        QFETCH(QString, focus);
        Program program;
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire));
        auto* typed = Control<QLineEdit>(program.input, box);
        typed->setText(text);
        program.platform.ClearRecords();
        if (!dialog.isEmpty()) {
            program.platform.CancelNextDialog();
        }
        Trigger(program.input, "mnuRun");
        QVERIFY(!program.Report());
        QVERIFY(program.input->isVisible());
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QCOMPARE(QString::fromStdString(shown.Text), message);
        QCOMPARE(shown.Title, std::string("VORLA-XW: Input Data Error"));
        QCOMPARE(shown.Icon, MessageIcon::Exclamation);
        QCOMPARE(shown.Buttons, MessageButtons::Ok);
        QCOMPARE(program.FocusName(), focus);
        QCOMPARE(program.platform.FileDialogs().size(), std::size_t{dialog.isEmpty() ? 0u : 1u});
        if (dialog.isEmpty()) {
            QCOMPARE(typed->selectedText(), text);
        } else {
            QCOMPARE(QString::fromStdString(program.platform.FileDialogs()[0].Request.Title),
                     dialog);
        }
        QVERIFY(program.platform.Problems().empty());
    }

    void FileNewRestoresTheDefaults() {
        Program program;
        program.FillRoom("SOFA.FIR");
        Control<QLineEdit>(program.input, "txtFloorArea")->setFocus();
        Control<QRadioButton>(program.input, "optUnits(1)")->click();
        program.Set(InputBox::txtTotalLossFraction, "0.7");
        Control<QAction>(program.input, "mnuFileNew")->trigger();
        QCOMPARE(Texts(program),
                 QStringList({"", "", "", "", "0.6", "", "", "", "", "0.35", "", ""}));
        QVERIFY(Control<QRadioButton>(program.input, "optUnits(0)")->isChecked());
        QCOMPARE(program.calc->Units.System, vorla::UnitSystem::SI);
        QCOMPARE(UnitLabels(program), QStringList({"m²", "m", "m", "m", "m", "m", "s"}));
        const RunInputs& in = program.calc->Inputs;
        QCOMPARE(in.FloorArea, 0.0);
        QCOMPARE(in.SoffitHeight, 0.0F);
        QCOMPARE(in.RadiativeLossFraction, 0.35);
        QCOMPARE(in.LossFraction, 0.6);
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));
        QVERIFY(program.platform.FileDialogs().empty());
    }

    void FileOpenReadsTheInputsOfASavedReport() {
        Program program;
        Control<QRadioButton>(program.input, "optUnits(1)")->click(); // File Open goes back to S.I.
        program.Set(InputBox::txtOutputFile, "LAST.VOF");
        const std::string example = kExamples + "/office-sofa-fire.vof";
        program.platform.ChooseInNextDialog(example);
        Control<QAction>(program.input, "mnuFileOpen")->trigger();

        const auto& dialog = program.platform.FileDialogs().at(0).Request;
        QCOMPARE(dialog.Kind, vorla::ui::FileDialogKind::Open);
        QCOMPARE(dialog.Title, std::string("Specify Data File"));
        // Both kinds of report, and any file.
        QCOMPARE(dialog.Filter,
                 std::string("VORLA-XW Data Files (*.vof;*.sdf)|*.vof;*.sdf|All files (*)|*"));
        QCOMPARE(dialog.InitialDirectory, program.platform.DataDirectory());
        QCOMPARE(dialog.InitialFileName, std::string("LAST.VOF"));
        QVERIFY(dialog.FileMustExist);

        QCOMPARE(Texts(program), QStringList({"Office, sofa fire", "examples/office-sofa-fire.vof",
                                              "20", "2.4", "0.6", "0.9", "0", "2", "0", "0.35",
                                              "600", "examples/office-sofa-tsquared.fir"}));
        QVERIFY(Control<QRadioButton>(program.input, "optUnits(0)")->isChecked());
        QCOMPARE(UnitLabels(program), QStringList({"m²", "m", "m", "m", "m", "m", "s"}));
        QCOMPARE(program.calc->Inputs.OutputFile, example);
        QCOMPARE(program.calc->Inputs.RoomHeight, 2.4);
        QCOMPARE(program.calc->Inputs.SoffitHeight, 2.0F);
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));
        QVERIFY(program.platform.Messages().empty());
    }

    void FileOpenOfAFileNotOfThisProgramSaysWrongFormatAndKeepsTheForm_data() {
        QTest::addColumn<QString>("content");
        QTest::newRow("too short") << "VORLA-XW VERSION 1.00 - JULY 1999\r\nTitle\r\nX\r\n";
        QTest::newRow("another program's report") << ReadText(kExamples + "/shop-sofa-fire.sof");
    }
    void FileOpenOfAFileNotOfThisProgramSaysWrongFormatAndKeepsTheForm() {
        QFETCH(QString, content);
        Program program;
        program.FillRoom("SOFA.FIR");
        // Typed in U.S. units: neither the texts nor the units may change.
        Control<QRadioButton>(program.input, "optUnits(1)")->click();
        program.Set(InputBox::txtRunTitle, "Typed, not saved");
        const QStringList before = Texts(program);
        const RunInputs inputsBefore = program.calc->Inputs;
        Control<QLineEdit>(program.input, "txtRunTitle")->setFocus();
        program.platform.ChooseInNextDialog(program.WriteFile("wrong.vof", content.toStdString()));
        Control<QAction>(program.input, "mnuFileOpen")->trigger();
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QCOMPARE(shown.Text, std::string("Wrong file format."));
        QCOMPARE(shown.Title, std::string("VORLA-XW"));
        QCOMPARE(shown.Icon, MessageIcon::Critical);
        QCOMPARE(Texts(program), before);
        QVERIFY(Control<QRadioButton>(program.input, "optUnits(1)")->isChecked());
        QCOMPARE(UnitLabels(program), QStringList({"ft²", "ft", "ft", "ft", "ft", "ft", "s"}));
        QCOMPARE(program.calc->Units.System, vorla::UnitSystem::US);
        QCOMPARE(program.calc->Inputs.FloorArea, inputsBefore.FloorArea);
        QCOMPARE(program.calc->Inputs.OutputFile, inputsBefore.OutputFile);
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));
    }

    void AFireFileNamedWithoutAFolderIsFoundNextToTheReport() {
        Program program;
        // A report and its fire in one folder, opened from another.
        QDir(program.folder.path()).mkdir("project");
        std::string report = ReadText(kExamples + "/office-sofa-fire.vof").toStdString();
        const std::string named = "examples/office-sofa-tsquared.fir";
        report.replace(report.find(named), named.size(), "sofa.fir");
        program.WriteFile("project/sofa.fir", kSteadyFire);
        program.platform.ChooseInNextDialog(program.WriteFile("project/office.vof", report));
        Control<QAction>(program.input, "mnuFileOpen")->trigger();
        QCOMPARE(program.Box(InputBox::txtFireFile)->text(), QString("sofa.fir"));
        QVERIFY(program.Run() != nullptr);
        QVERIFY(program.platform.Messages().empty());
        QCOMPARE(program.calc->Fire.Points[0].Rate, 100.0);
    }

    void AFireFileFoundNowhereNamesThePathsTried() {
        Program program;
        std::string report = ReadText(kExamples + "/office-sofa-fire.vof").toStdString();
        const std::string named = "examples/office-sofa-tsquared.fir";
        report.replace(report.find(named), named.size(), "nowhere.fir");
        const std::string path = program.WriteFile("office.vof", report);
        program.platform.ChooseInNextDialog(path);
        Control<QAction>(program.input, "mnuFileOpen")->trigger();
        QVERIFY(program.Run() == nullptr);
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const std::string shown = program.platform.Messages()[0].Request.Text;
        const std::string current = QDir::current().absoluteFilePath("nowhere.fir").toStdString();
        const std::string nextToReport = program.Path("nowhere.fir");
        QVERIFY2(shown.rfind("The fire file nowhere.fir cannot be opened (", 0) == 0,
                 shown.c_str());
        QVERIFY2(shown.find(current + ": ") != std::string::npos, shown.c_str());
        QVERIFY2(shown.find(nextToReport + ": ") != std::string::npos, shown.c_str());
    }

    void FileOpenOfAFileThatCannotBeReadNamesIt() {
        Program program;
        program.FillRoom("SOFA.FIR");
        const QStringList before = Texts(program);
        const std::string missing = program.Path("missing.vof");
        program.platform.ChooseInNextDialog(missing);
        Control<QAction>(program.input, "mnuFileOpen")->trigger();
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QVERIFY2(shown.Text.find(missing) != std::string::npos, shown.Text.c_str());
        QCOMPARE(shown.Icon, MessageIcon::Critical);
        QStringList expected = before;
        expected[1] = ""; // the output file name goes; the rest stays
        QCOMPARE(Texts(program), expected);
    }

    // The command line, a drop on the window and a drop on a box all open a
    // report as File Open does, and refuse a bad one with File Open's message.
    void AFileFromOutsideOpensAsFileOpenWould_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message"); // empty: opened
        for (const QString how : {"command line", "drop on the window", "drop on a box"}) {
            QTest::addRow("%s, a report", qPrintable(how)) << how << "good.vof"
                                                           << "";
            QTest::addRow("%s, a .sdf report", qPrintable(how)) << how << "good.sdf"
                                                                << "";
            QTest::addRow("%s, not a report", qPrintable(how)) << how << "notes.txt"
                                                               << "Wrong file format.";
            QTest::addRow("%s, missing", qPrintable(how)) << how << "missing.vof"
                                                          << "The report file %1 cannot be opened";
        }
    }
    void AFileFromOutsideOpensAsFileOpenWould() {
        QFETCH(QString, how);
        QFETCH(QString, file);
        QFETCH(QString, message);
        Program program;
        program.FillRoom("SOFA.FIR");
        const QStringList before = Texts(program);
        const std::string report = ReadText(kExamples + "/office-sofa-fire.vof").toStdString();
        program.WriteFile("good.vof", report);
        program.WriteFile("good.sdf", report);
        program.WriteFile("notes.txt", "Not a report\r\n");
        const std::string path = program.Path(file);

        if (how == "command line") {
            QCOMPARE(program.input->OpenFile(path), message.isEmpty());
        } else {
            QWidget* target = how == "drop on the window"
                                  ? static_cast<QWidget*>(program.input.get())
                                  : program.Box(InputBox::txtFloorArea);
            const auto dropped = DropFile(target, QString::fromStdString(path));
            QVERIFY(dropped.enterAccepted);
            QVERIFY(dropped.dropAccepted);
            QCOMPARE(program.FocusName(), QString("txtRunTitle"));
        }

        if (message.isEmpty()) {
            QVERIFY(program.platform.Messages().empty());
            QCOMPARE(program.Box(InputBox::txtRunTitle)->text(), QString("Office, sofa fire"));
            QCOMPARE(program.Box(InputBox::txtFloorArea)->text(), QString("20"));
            QCOMPARE(program.calc->Inputs.OutputFile, path);
            return;
        }
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QVERIFY2(QString::fromStdString(shown.Text)
                     .startsWith(message.arg(QString::fromStdString(path))),
                 shown.Text.c_str());
        QCOMPARE(shown.Title, std::string("VORLA-XW"));
        if (file == "notes.txt") {
            QCOMPARE(Texts(program), before);
        }
    }

    void TextDraggedOverTheWindowIsNotTakenForAFile() {
        Program program;
        QMimeData text;
        text.setText("20");
        QVERIFY(!DropFile(program.input.get(), QString()).dropAccepted); // no local file
        QVERIFY(!Drop(program.input.get(), text).enterAccepted);
        QVERIFY(program.platform.Messages().empty());
    }

    void CancelledDialogsChangeNothing() {
        Program program;
        program.FillRoom("SOFA.FIR");
        const QStringList before = Texts(program);
        program.platform.CancelNextDialog();
        Control<QAction>(program.input, "mnuFileOpen")->trigger();
        program.platform.CancelNextDialog();
        QTest::keyClick(Control<QLineEdit>(program.input, "txtFireFile"), Qt::Key_F4);
        program.platform.CancelNextDialog();
        QTest::keyClick(Control<QLineEdit>(program.input, "txtOutputFile"), Qt::Key_F4);
        QCOMPARE(Texts(program), before);
        QCOMPARE(program.platform.FileDialogs().size(), std::size_t{3});
        QVERIFY(program.platform.Problems().empty());
    }

    // A typed value that is not wholly a number is named, with its box's
    // caption, before any check reads it: the run does not start, and the box
    // has the focus with its text selected so typing replaces it.
    void ANumberBoxThatIsNotANumberStopsTheRun_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("decimal comma") << "txtFloorArea"
                                       << "20,5"
                                       << "Floor Area";
        QTest::newRow("comma in a height") << "txtRoomHeight"
                                           << "2,4"
                                           << "Ceiling Height";
        QTest::newRow("letters after digits") << "txtVentWidth"
                                              << "12abc"
                                              << "Width";
        QTest::newRow("letters in the fire base") << "txtFireHeight"
                                                  << "floor"
                                                  << "Fire Base Height";
        QTest::newRow("a lone point") << "txtSillHeight"
                                      << "."
                                      << "Sill Height";
        QTest::newRow("a unit typed") << "txtSoffitHeight"
                                      << "2 m"
                                      << "Soffit Height";
        QTest::newRow("fraction") << "txtRadiativeLossFraction"
                                  << "0,35"
                                  << "Radiative Loss Fraction";
        QTest::newRow("loss fraction") << "txtTotalLossFraction"
                                       << "0.6x"
                                       << "Heat Loss Fraction";
        QTest::newRow("run time") << "txtRunTime"
                                  << "600s"
                                  << "Maximum Run Time";
    }
    void ANumberBoxThatIsNotANumberStopsTheRun() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        Program program;
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire));
        // The output file empty too: the number is named first.
        program.Set(InputBox::txtOutputFile, "");
        auto* typed = Control<QLineEdit>(program.input, box);
        typed->setText(text);
        Trigger(program.input, "mnuRun");
        QVERIFY(!program.Report());
        QVERIFY(program.input->isVisible());
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QCOMPARE(QString::fromStdString(shown.Text),
                 "The value of " + caption +
                     " is not a number. Type digits with a point (.) as the decimal "
                     "separator, for example 20.5.");
        QCOMPARE(shown.Title, std::string("VORLA-XW: Input Data Error"));
        QCOMPARE(shown.Icon, MessageIcon::Exclamation);
        QCOMPARE(program.FocusName(), box);
        QCOMPARE(typed->selectedText(), text);
        QCOMPARE(typed->text(), text);

        // Blanks around a number are no fault: the next failing check is the
        // output file's.
        typed->setText(" 1 ");
        program.platform.ClearRecords();
        Trigger(program.input, "mnuRun");
        QVERIFY(!program.Report());
        QCOMPARE(program.platform.Messages().at(0).Request.Text,
                 std::string("An output data file name must be specified."));
    }

    void TheEstimatorNamesABoxThatIsNotANumber() {
        Program program;
        program.FillRoom(program.WriteFile("STEADY.FIR", kSteadyFire));
        program.Set(InputBox::txtFireHeight, "0,3");
        Click(program.input, "cmdEstimateLc");
        QVERIFY(!program.Estimator());
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        QVERIFY(program.platform.Messages()[0].Request.Text.starts_with(
            "The value of Fire Base Height is not a number."));
        QCOMPARE(program.FocusName(), QString("txtFireHeight"));

        program.Set(InputBox::txtFireHeight, "0.3");
        Click(program.input, "cmdEstimateLc");
        QWidget* estimator = program.Estimator();
        QVERIFY(estimator);
        auto* ratio = Control<QLineEdit>(estimator, "txtAspectRatio");
        ratio->setText("1,5");
        Click(estimator, "cmdEstimate");
        QCOMPARE(program.platform.Messages().size(), std::size_t{2});
        QVERIFY(program.platform.Messages()[1].Request.Text.starts_with(
            "The value of Ratio of Room Length To Width is not a number."));
        QVERIFY(program.Estimator());
        QCOMPARE(ratio->selectedText(), QString("1,5"));
        QCOMPARE(program.Box(InputBox::txtTotalLossFraction)->text(), QString("0.6"));
    }

    // After a file dialog the focus comes back to a box with its text
    // selected, so typing replaces what is there.
    void TheBoxAfterAFileDialogHasItsTextSelected() {
        Program program;
        program.FillRoom("SOFA.FIR");
        program.platform.ChooseInNextDialog(program.Path("OFFICE.VOF"));
        QTest::mouseClick(Control<QLineEdit>(program.input, "txtOutputFile"), Qt::LeftButton);
        Program::Settle();
        QCOMPARE(program.FocusName(), QString("txtFloorArea"));
        QCOMPARE(program.Box(InputBox::txtFloorArea)->selectedText(), QString("20"));
        program.platform.ChooseInNextDialog(program.Path("SOFA.FIR"));
        QTest::mouseClick(Control<QLineEdit>(program.input, "txtFireFile"), Qt::LeftButton);
        Program::Settle();
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));
        QCOMPARE(program.Box(InputBox::txtRunTitle)->selectedText(), QString("Office, sofa fire"));
    }

    void FileBoxesOpenTheirDialogOnceWhenClicked() {
        Program program;
        program.Set(InputBox::txtFireFile, "OLD.FIR");
        const std::string fire = program.Path("SOFA.FIR");
        program.platform.ChooseInNextDialog(fire);
        QTest::mouseClick(Control<QLineEdit>(program.input, "txtFireFile"), Qt::LeftButton);
        Program::Settle();
        QCOMPARE(program.platform.FileDialogs().size(), std::size_t{1});
        const auto& dialog = program.platform.FileDialogs()[0].Request;
        QCOMPARE(dialog.Title, std::string("Specify Fire File"));
        QCOMPARE(dialog.Filter, std::string("VORLA-XW Fire Files (*.fir)|*.fir|All files (*)|*"));
        QCOMPARE(dialog.InitialDirectory, program.platform.DataDirectory());
        QCOMPARE(dialog.InitialFileName, std::string("OLD.FIR"));
        QVERIFY(dialog.FileMustExist);
        QCOMPARE(Control<QLineEdit>(program.input, "txtFireFile")->text().toStdString(), fire);
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));

        program.platform.ChooseInNextDialog(program.Path("OFFICE.VOF"));
        QTest::mouseClick(Control<QLineEdit>(program.input, "txtOutputFile"), Qt::LeftButton);
        Program::Settle();
        QCOMPARE(program.platform.FileDialogs().size(), std::size_t{2});
        const auto& save = program.platform.FileDialogs()[1].Request;
        QCOMPARE(save.Kind, vorla::ui::FileDialogKind::SaveAs);
        QCOMPARE(save.Title, std::string("Specify Data Output File"));
        QCOMPARE(save.Filter, std::string("VORLA-XW Data Files (*.vof)|*.vof"));
        QVERIFY(save.ConfirmOverwrite);
        QCOMPARE(Control<QLineEdit>(program.input, "txtOutputFile")->text().toStdString(),
                 program.Path("OFFICE.VOF"));
        QCOMPARE(program.FocusName(), QString("txtFloorArea"));
        QVERIFY(!QFile::exists(
            Control<QLineEdit>(program.input, "txtOutputFile")->text())); // only the name
        QVERIFY(program.platform.Problems().empty());
    }

    void TabbingIntoTheFireFileBoxOpensItsDialogThenGoesToTheTitle() {
        Program program;
        Control<QLineEdit>(program.input, "txtRunTime")->setFocus();
        program.platform.CancelNextDialog();
        QTest::keyClick(program.Focus(), Qt::Key_Tab);
        Program::Settle();
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));
        QCOMPARE(program.platform.FileDialogs().size(), std::size_t{1});
        QCOMPARE(program.platform.FileDialogs()[0].Request.Title, std::string("Specify Fire File"));
    }

    void APastedRunTitleStaysOneLine() {
        // The title is a line of the saved report: a line break would shift
        // the lines File Open reads after it.
        Program program;
        auto* title = Control<QLineEdit>(program.input, "txtRunTitle");
        title->insert("Office\r\nsofa\nfire\r");
        QCOMPARE(title->text(), QString("Office sofa fire "));
    }

    void ExitAndTheFrameCloseButtonEndTheProgram() {
        {
            Program program;
            Control<QAction>(program.input, "mnuFileExit")->trigger();
            QVERIFY(!program.input->isVisible());
            QCOMPARE(program.programEnded, 1);
        }
        {
            Program program;
            QVERIFY(program.input->close());
            QCOMPARE(program.programEnded, 1);
        }
    }
};

QTEST_MAIN(InputWindowTest)
#include "input_form_test.moc"
