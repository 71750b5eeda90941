#include "compartment/ui/input_form.h"
#include "program_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

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

} // namespace

class InputWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void ControlsCarryTheirCaptionsToolTipsAndDefaults_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        const QString fraction = "Must be between 0 and 1";
        const QString thirty = "Must not exceed 30 m or 100 ft";
        // Text boxes: the caption column is the default text.
        QTest::newRow("txtFloorArea") << "txtFloorArea"
                                      << ""
                                      << "Must not exceed 1000 m² or 10000 ft²";
        QTest::newRow("txtRoomHeight") << "txtRoomHeight"
                                       << "" << thirty;
        QTest::newRow("txtTotalLossFraction") << "txtTotalLossFraction"
                                              << "0.6" << fraction;
        QTest::newRow("txtVentWidth") << "txtVentWidth"
                                      << "" << thirty;
        QTest::newRow("txtSillHeight") << "txtSillHeight"
                                       << ""
                                       << "Must be below the soffit";
        QTest::newRow("txtSoffitHeight") << "txtSoffitHeight"
                                         << ""
                                         << "Must be between the sill and the ceiling";
        QTest::newRow("txtFireHeight") << "txtFireHeight"
                                       << ""
                                       << "Must not exceed the ceiling height";
        QTest::newRow("txtRadiativeLossFraction") << "txtRadiativeLossFraction"
                                                  << "0.35" << fraction;
        QTest::newRow("txtRunTitle") << "txtRunTitle"
                                     << ""
                                     << "Short description to identify this run";
        QTest::newRow("txtOutputFile")
            << "txtOutputFile"
            << ""
            << "Name of file where the results of this run will be stored - Click Mouse to open "
               "dialog box";
        QTest::newRow("txtFireFile")
            << "txtFireFile"
            << ""
            << "Heat release rate data file name for this run - Click mouse to open dialog box";
        QTest::newRow("txtRunTime") << "txtRunTime"
                                    << ""
                                    << "Must not exceed 9000 s";
        // Labels, frames, options and the button.
        QTest::newRow("lblFloorArea") << "lblFloorArea"
                                      << "Floor Area"
                                      << "";
        QTest::newRow("lblFloorAreaUnits") << "lblFloorAreaUnits"
                                           << "m²"
                                           << "";
        QTest::newRow("lblRoomHeight") << "lblRoomHeight"
                                       << "Ceiling Height"
                                       << "";
        QTest::newRow("lblTotalLossFraction") << "lblTotalLossFraction"
                                              << "Heat Loss Fraction"
                                              << "";
        QTest::newRow("lblVentWidth") << "lblVentWidth"
                                      << "Width"
                                      << "";
        QTest::newRow("lblSillHeight") << "lblSillHeight"
                                       << "Sill Height"
                                       << "Must be between floor and ceiling";
        QTest::newRow("lblSoffitHeight") << "lblSoffitHeight"
                                         << "Soffit Height"
                                         << "Must be between sill height and ceiling";
        QTest::newRow("lblFireHeight") << "lblFireHeight"
                                       << "Fire Base Height"
                                       << "";
        QTest::newRow("lblRadiativeLossFraction") << "lblRadiativeLossFraction"
                                                  << "Radiative Loss Fraction"
                                                  << "";
        QTest::newRow("lblRunTitle") << "lblRunTitle"
                                     << "Run Title"
                                     << "";
        QTest::newRow("lblOutputFile") << "lblOutputFile"
                                       << "Output Data File"
                                       << "";
        QTest::newRow("lblFireFile") << "lblFireFile"
                                     << "Input Fire File"
                                     << "";
        QTest::newRow("lblRunTime") << "lblRunTime"
                                    << "Maximum Run Time"
                                    << "Must not exceed 9000 s";
        QTest::newRow("lblRunTimeUnits") << "lblRunTimeUnits"
                                         << "s"
                                         << "";
        QTest::newRow("fraRoomProperties") << "fraRoomProperties"
                                           << "Room Properties"
                                           << "";
        QTest::newRow("fraVentDimensions") << "fraVentDimensions"
                                           << "Vent Dimensions"
                                           << "";
        QTest::newRow("fraHeatLossFractions") << "fraHeatLossFractions"
                                              << "Fire Properties"
                                              << "";
        QTest::newRow("fraUnits") << "fraUnits"
                                  << "Units"
                                  << "";
        QTest::newRow("optUnits(0)") << "optUnits(0)"
                                     << "S.I. Units"
                                     << "m, m², kg, °C, kW";
        QTest::newRow("optUnits(1)") << "optUnits(1)"
                                     << "U.S. Engineering Units"
                                     << "ft, ft², lb, °F, Btu";
        QTest::newRow("cmdEstimateLc")
            << "cmdEstimateLc"
            << "Let Program Estimate Heat Loss Fraction"
            << "Specify all properties and dimensions before pressing this button";
    }
    void ControlsCarryTheirCaptionsToolTipsAndDefaults() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        Program program;
        auto* control = program.input->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->toolTip(), toolTip);
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(box->text(), caption);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), caption);
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            QCOMPARE(frame->title(), caption);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QCOMPARE(button->text(), caption);
        } else {
            QFAIL("unexpected kind of control");
        }
    }

    void TheFormIsNamedAsTheProgramNamesIt() {
        Program program;
        QCOMPARE(program.input->objectName(), QString("frmInput"));
        QCOMPARE(program.input->windowTitle(), QString("VORLA-XW: Input Data"));
        QVERIFY(program.input->findChild<QFrame*>("linBelowMenu"));
        QVERIFY(program.input->optUnits[0]->isChecked());
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
        program.input->optUnits[us ? 1 : 0]->click();
        Type(program.input->txtFloorArea, text);
        Type(program.input->txtRoomHeight, text); // leaves the floor area
        QCOMPARE(program.calc->Inputs.FloorArea, floorArea);
        QCOMPARE(program.calc->Inputs.RoomHeight, 0.0); // not left yet
        program.input->txtVentWidth->setFocus();
        QCOMPARE(program.calc->Inputs.RoomHeight, roomHeight);
    }

    void UnitChangeRewritesTheDimensionsFromTheirSIValues() {
        Program program;
        Type(program.input->txtFloorArea, "20");
        Type(program.input->txtRoomHeight, "2.4");
        Type(program.input->txtRunTime, "600");
        program.input->txtRunTitle->setFocus();

        program.input->optUnits[1]->click();
        QCOMPARE(program.calc->Units.System, vorla::UnitSystem::US);
        QCOMPARE(program.input->txtFloorArea->text(), QString("215.285"));
        QCOMPARE(program.input->txtRoomHeight->text(), QString("7.874"));
        QCOMPARE(program.input->txtVentWidth->text(), QString()); // empty stays empty
        QCOMPARE(program.input->txtRunTime->text(), QString("600"));
        QCOMPARE(program.input->txtTotalLossFraction->text(), QString("0.6"));
        QCOMPARE(UnitLabels(program), QStringList({"ft²", "ft", "ft", "ft", "ft", "ft", "s"}));
        QCOMPARE(program.calc->Inputs.FloorArea, 20.0);

        program.input->optUnits[0]->click();
        QCOMPARE(program.input->txtFloorArea->text(), QString("20.00"));
        QCOMPARE(program.input->txtRoomHeight->text(), QString("2.40"));
        QCOMPARE(UnitLabels(program), QStringList({"m²", "m", "m", "m", "m", "m", "s"}));
        QCOMPARE(program.calc->Inputs.RoomHeight, 2.4);
    }

    void TypingThenClickingTheOtherUnitsConvertsWhatWasTyped() {
        Program program;
        Type(program.input->txtVentWidth, "0.9");
        // The click takes the focus first, which stores the width.
        QTest::mouseClick(program.input->optUnits[1], Qt::LeftButton);
        QCOMPARE(program.input->txtVentWidth->text(), QString("2.953"));
        QCOMPARE(program.calc->Inputs.VentWidth, 0.9);
    }

    void RunChecksInOrderWithTheirMessagesAndFocus() {
        // From an empty form, each Run stops at the next check until all pass.
        struct Step {
            InputBox box;
            QString fix;
            const char* message;
            const char* focus;
        };
        const Step steps[] = {
            {InputBox::txtOutputFile, "OFFICE.VOF", "An output data file name must be specified.",
             "txtFloorArea"},
            {InputBox::txtFloorArea, "20", "The floor area must be greater than zero.",
             "txtFloorArea"},
            {InputBox::txtRoomHeight, "2.4", "The room height must be greater than zero.",
             "txtRoomHeight"},
            {InputBox::txtVentWidth, "0.9", "The vent width must be greater than zero.",
             "txtVentWidth"},
            {InputBox::txtSoffitHeight, "2", "The soffit can not be below the sill.",
             "txtSoffitHeight"},
            {InputBox::txtRunTime, "600", "The run time must be between 0 and 9000 s.",
             "txtRunTime"},
            {InputBox::txtFireFile, "SOFA.FIR", "A fire file name must be specified.",
             "txtRunTitle"},
        };
        Program program;
        for (const auto& step : steps) {
            program.platform.ClearRecords();
            const bool fileBox =
                step.box == InputBox::txtOutputFile || step.box == InputBox::txtFireFile;
            if (fileBox) {
                program.platform.CancelNextDialog(); // the file box's dialog opens at once
            }
            program.input->mnuRun->trigger();
            QCOMPARE(program.platform.Messages().size(), std::size_t{1});
            const auto& shown = program.platform.Messages()[0].Request;
            QCOMPARE(QString::fromStdString(shown.Text), QString(step.message));
            QCOMPARE(shown.Title, std::string("VORLA-XW: Input Data Error"));
            QCOMPARE(shown.Icon, MessageIcon::Exclamation);
            QCOMPARE(shown.Buttons, MessageButtons::Ok);
            QCOMPARE(program.FocusName(), QString(step.focus));
            // A file box's check opens its dialog once, and no other check opens one.
            QCOMPARE(program.platform.FileDialogs().size(), std::size_t{fileBox ? 1u : 0u});
            if (fileBox) {
                QCOMPARE(program.platform.FileDialogs()[0].Request.Title,
                         std::string(step.box == InputBox::txtOutputFile
                                         ? "Specify Data Output File"
                                         : "Specify Fire File"));
            }
            QVERIFY(program.platform.Problems().empty());
            program.Set(step.box, step.fix);
        }
    }

    void EachCheckNamesItsBox_data() {
        QTest::addColumn<bool>("us");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("area too large") << false << "txtFloorArea"
                                        << "1000.01"
                                        << "The floor area is too large.";
        QTest::newRow("ceiling too high") << false << "txtRoomHeight"
                                          << "30.01"
                                          << "The ceiling is too high.";
        QTest::newRow("100 ft ceiling") << true << "txtRoomHeight"
                                        << "100"
                                        << "The ceiling is too high.";
        QTest::newRow("vent too wide") << false << "txtVentWidth"
                                       << "31"
                                       << "The vent is too wide.";
        QTest::newRow("sill below floor") << false << "txtSillHeight"
                                          << "-0.1"
                                          << "The sill must be at or above floor level.";
        QTest::newRow("sill at ceiling") << false << "txtSillHeight"
                                         << "2.4"
                                         << "The sill can not be higher than the ceiling.";
        QTest::newRow("soffit at ceiling") << false << "txtSoffitHeight"
                                           << "2.4"
                                           << "The soffit can not be above the ceiling.";
        QTest::newRow("fire below floor") << false << "txtFireHeight"
                                          << "-1"
                                          << "The fire base must be at or above the floor.";
        QTest::newRow("fire at ceiling") << false << "txtFireHeight"
                                         << "2.4"
                                         << "The fire base must be below the ceiling.";
        QTest::newRow("radiative 1") << false << "txtRadiativeLossFraction"
                                     << "1"
                                     << "The radiative heat loss fraction must be between 0 and 1.";
        QTest::newRow("loss 0") << false << "txtTotalLossFraction"
                                << "0"
                                << "The total heat loss fraction must be between 0 and 1.";
    }
    void EachCheckNamesItsBox() {
        QFETCH(bool, us);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Program program;
        program.FillRoom("SOFA.FIR");
        if (us) {
            // The other dimensions typed in feet as well.
            program.input->optUnits[1]->click();
            program.Set(InputBox::txtRoomHeight, "7.874");
            program.Set(InputBox::txtVentWidth, "2.953");
            program.Set(InputBox::txtSoffitHeight, "6.562");
            program.Set(InputBox::txtFloorArea, "215.285");
        }
        program.input->findChild<QLineEdit*>(box)->setText(text);
        program.input->mnuRun->trigger();
        QVERIFY(!program.Report());
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(program.platform.Messages()[0].Request.Text), message);
        QCOMPARE(program.FocusName(), box);
        QVERIFY(program.input->isVisible());
    }

    void FileNewRestoresTheDefaults() {
        Program program;
        program.FillRoom("SOFA.FIR");
        program.input->txtFloorArea->setFocus();
        program.input->optUnits[1]->click();
        program.Set(InputBox::txtTotalLossFraction, "0.7");
        program.input->mnuFileNew->trigger();
        QCOMPARE(Texts(program),
                 QStringList({"", "", "", "", "0.6", "", "", "", "", "0.35", "", ""}));
        QVERIFY(program.input->optUnits[0]->isChecked());
        QCOMPARE(program.calc->Units.System, vorla::UnitSystem::SI);
        QCOMPARE(UnitLabels(program), QStringList({"m²", "m", "m", "m", "m", "m", "s"}));
        const RunInputs& in = program.calc->Inputs;
        QCOMPARE(in.FloorArea, 0.0);
        QCOMPARE(in.SoffitHeight, 0.0F);
        QCOMPARE(in.RadiativeLossFraction, 0.35);
        QCOMPARE(in.TotalLossFraction, 0.6);
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));
        QVERIFY(program.platform.FileDialogs().empty());
    }

    void FileOpenReadsTheInputsOfASavedReport() {
        Program program;
        program.input->optUnits[1]->click(); // File Open goes back to S.I.
        program.Set(InputBox::txtOutputFile, "LAST.VOF");
        const std::string example = kExamples + "/office-sofa-fire.vof";
        program.platform.ChooseInNextDialog(example);
        program.input->mnuFileOpen->trigger();

        const auto& dialog = program.platform.FileDialogs().at(0).Request;
        QCOMPARE(dialog.Kind, vorla::ui::FileDialogKind::Open);
        QCOMPARE(dialog.Title, std::string("Specify Data File"));
        QCOMPARE(dialog.Filter, std::string("VORLA-XW Data Files (*.vof)|*.vof"));
        QCOMPARE(dialog.InitialDirectory, program.platform.DataDirectory());
        QCOMPARE(dialog.InitialFileName, std::string("LAST.VOF"));
        QVERIFY(dialog.FileMustExist);

        QCOMPARE(Texts(program), QStringList({"Office, sofa fire", "examples/office-sofa-fire.vof",
                                              "20", "2.4", "0.6", "0.9", "0", "2", "0", "0.35",
                                              "600", "examples/office-sofa-tsquared.fir"}));
        QVERIFY(program.input->optUnits[0]->isChecked());
        QCOMPARE(UnitLabels(program), QStringList({"m²", "m", "m", "m", "m", "m", "s"}));
        QCOMPARE(program.calc->Inputs.OutputFile, example);
        QCOMPARE(program.calc->Inputs.RoomHeight, 2.4);
        QCOMPARE(program.calc->Inputs.SoffitHeight, 2.0F);
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));
        QVERIFY(program.platform.Messages().empty());
    }

    void FileOpenOfAShortFileSaysWrongFormatAndStartsAfresh() {
        Program program;
        program.FillRoom("SOFA.FIR");
        program.input->txtRunTitle->setFocus();
        program.platform.ChooseInNextDialog(program.WriteFile(
            "short.vof", "VORLA-XW VERSION 1.00 - JULY 1999\r\nTitle\r\nX\r\nY\r\nZ\r\n"));
        program.input->mnuFileOpen->trigger();
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QCOMPARE(shown.Text, std::string("Wrong file format."));
        QCOMPARE(shown.Title, std::string("VORLA-XW"));
        QCOMPARE(shown.Icon, MessageIcon::Critical);
        QCOMPARE(Texts(program),
                 QStringList({"", "", "", "", "0.6", "", "", "", "", "0.35", "", ""}));
        QCOMPARE(program.calc->Inputs.FloorArea, 0.0);
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));
    }

    void FileOpenOfAFileThatCannotBeReadNamesIt() {
        Program program;
        program.FillRoom("SOFA.FIR");
        const QStringList before = Texts(program);
        const std::string missing = program.Path("missing.vof");
        program.platform.ChooseInNextDialog(missing);
        program.input->mnuFileOpen->trigger();
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QVERIFY2(shown.Text.find(missing) != std::string::npos, shown.Text.c_str());
        QCOMPARE(shown.Icon, MessageIcon::Critical);
        QStringList expected = before;
        expected[1] = ""; // the output file name goes; the rest stays
        QCOMPARE(Texts(program), expected);
    }

    void CancelledDialogsChangeNothing() {
        Program program;
        program.FillRoom("SOFA.FIR");
        const QStringList before = Texts(program);
        program.platform.CancelNextDialog();
        program.input->mnuFileOpen->trigger();
        program.platform.CancelNextDialog();
        program.input->txtFireFile_Click();
        program.platform.CancelNextDialog();
        program.input->txtOutputFile_Click();
        QCOMPARE(Texts(program), before);
        QCOMPARE(program.platform.FileDialogs().size(), std::size_t{3});
        QVERIFY(program.platform.Problems().empty());
    }

    void FileBoxesOpenTheirDialogOnceWhenClicked() {
        Program program;
        program.Set(InputBox::txtFireFile, "OLD.FIR");
        const std::string fire = program.Path("SOFA.FIR");
        program.platform.ChooseInNextDialog(fire);
        QTest::mouseClick(program.input->txtFireFile, Qt::LeftButton);
        Program::Settle();
        QCOMPARE(program.platform.FileDialogs().size(), std::size_t{1});
        const auto& dialog = program.platform.FileDialogs()[0].Request;
        QCOMPARE(dialog.Title, std::string("Specify Fire File"));
        QCOMPARE(dialog.Filter, std::string("VORLA-XW Fire Files (*.fir)|*.fir"));
        QCOMPARE(dialog.InitialDirectory, program.platform.DataDirectory());
        QCOMPARE(dialog.InitialFileName, std::string("OLD.FIR"));
        QVERIFY(dialog.FileMustExist);
        QCOMPARE(program.input->txtFireFile->text().toStdString(), fire);
        QCOMPARE(program.FocusName(), QString("txtRunTitle"));

        program.platform.ChooseInNextDialog(program.Path("OFFICE.VOF"));
        QTest::mouseClick(program.input->txtOutputFile, Qt::LeftButton);
        Program::Settle();
        QCOMPARE(program.platform.FileDialogs().size(), std::size_t{2});
        const auto& save = program.platform.FileDialogs()[1].Request;
        QCOMPARE(save.Kind, vorla::ui::FileDialogKind::SaveAs);
        QCOMPARE(save.Title, std::string("Specify Data Output File"));
        QCOMPARE(save.Filter, std::string("VORLA-XW Data Files (*.vof)|*.vof"));
        QVERIFY(save.ConfirmOverwrite);
        QCOMPARE(program.input->txtOutputFile->text().toStdString(), program.Path("OFFICE.VOF"));
        QCOMPARE(program.FocusName(), QString("txtFloorArea"));
        QVERIFY(!QFile::exists(program.input->txtOutputFile->text())); // only the name
        QVERIFY(program.platform.Problems().empty());
    }

    void TabOrderFollowsTheForm() {
        Program program;
        program.input->txtFloorArea->setFocus();
        QStringList visited;
        program.platform.CancelNextDialog(); // the fire file box, at the end
        for (int k = 0; k < 11; ++k) {
            QTest::keyClick(program.Focus(), Qt::Key_Tab);
            Program::Settle();
            visited << program.FocusName();
        }
        // The fire file box opens its dialog and passes the focus to the title.
        QCOMPARE(visited, QStringList({"txtRoomHeight", "txtTotalLossFraction", "cmdEstimateLc",
                                       "txtVentWidth", "txtSillHeight", "txtSoffitHeight",
                                       "txtFireHeight", "txtRadiativeLossFraction", "optUnits(0)",
                                       "txtRunTime", "txtRunTitle"}));
        QCOMPARE(program.platform.FileDialogs().size(), std::size_t{1});
    }

    void ExitAndTheFrameCloseButtonEndTheProgram() {
        {
            Program program;
            program.input->mnuFileExit->trigger();
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
