// The generator's main form: its controls, the unit switch, the checks and
// questions of a curve command in their order, the file name box and Exit.
#include "fire_generator/ui/tsquared_form.h"
#include "generator_windows.h"

using namespace vorla::generator;
using namespace vorla::generator::testing;

namespace {

const QString kDescriptionQuestion =
    "QDOT-XW: Input Data Check | Do you want to provide a description?";
const QString kDelayQuestion =
    "QDOT-XW: Input Data Check | The specified delay time is zero. Is that correct?";
QString DataError(const QString& text) {
    return "QDOT-XW: Input Data Error | " + text;
}

} // namespace

class InputFormTest : public QObject {
    Q_OBJECT

  private slots:
    void KeepsTheWindowConventionsAndOpensWithItsDefaults() {
        Generator generator;
        const auto& input = generator.input;
        // The delay time box has never had a tool tip.
        QCOMPARE(WindowConventionProblems(input, {.WithoutToolTip = {"txtDelayTime"}}),
                 QStringList());
        QCOMPARE(input.objectName(), QString("frmInput"));
        QCOMPARE(input.windowTitle(), QString("QDOT-XW: Input Data"));
        QCOMPARE(Box(&input, "txtHoC")->text(), QString("12000"));
        QCOMPARE(Box(&input, "txtDelayTime")->text(), QString("0"));
        QCOMPARE(Label(&input, "lblHoCUnits")->text(), QString("kJ/kg"));
        QVERIFY(Control<QRadioButton>(&input, "optUnits(0)")->isChecked());
        QCOMPARE(generator.Module().HeatOfCombustion, 12000.0F);
        QCOMPARE(generator.Module().Units.HeatReleaseRate.Label, std::string("kW"));
        QCOMPARE(FocusIn(&input), QString("txtDescription"));
        // The graph window exists from the start, hidden.
        QCOMPARE(generator.Graph().windowTitle(), QString("QDOT-XW: Graph"));
        QVERIFY(!generator.Graph().isVisible());
    }

    void TabOutOfTheDescriptionAsksForTheFile() {
        Generator generator;
        // Tabbing by keyboard: out of the description the dialog opens, then the
        // heat of combustion, and on through the buttons back to the start.
        auto& input = generator.input;
        generator.platform.CancelNextDialog();
        QTest::keyClick(Control<QLineEdit>(input, "txtDescription"), Qt::Key_Tab);
        QTRY_COMPARE(generator.platform.FileDialogs().size(), std::size_t{1});
        QTRY_COMPARE(FocusIn(&input), QString("txtHoC"));
        QStringList tabbed;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabbed << FocusIn(&input);
        }
        QCOMPARE(tabbed, QStringList({"txtDelayTime", "cmdTSquared", "cmdSemiUniversal", "cmdPool",
                                      "cmdFurniture", "cmdCustom", "cmdExit", "txtDescription"}));
        QCOMPARE(generator.platform.FileDialogs().size(), std::size_t{1});
    }

    void UnitSwitchShowsTheHeatOfCombustion_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("units");
        QTest::addColumn<float>("stored");
        QTest::newRow("to U.S.") << QStringList{"US"} << "5159"
                                 << "Btu/lb" << 12000.0F;
        QTest::newRow("there and back") << QStringList{"US", "SI"} << "12000"
                                        << "kJ/kg" << 12000.0F;
        // Leaving the box stores what it shows: 5159 Btu/lb is 11999.3 kJ/kg.
        QTest::newRow("box left in between") << QStringList{"US", "enter", "leave", "SI"} << "11999"
                                             << "kJ/kg" << 11999.3181F;
        QTest::newRow("5000 Btu/lb typed")
            << QStringList{"US", "enter", "type 5000", "leave"} << "5000"
            << "Btu/lb" << 11629.5F;
        QTest::newRow("empty box left")
            << QStringList{"US", "enter", "type ", "leave", "SI"} << "12000"
            << "kJ/kg" << 12000.0F;
    }
    void UnitSwitchShowsTheHeatOfCombustion() {
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        QFETCH(QString, units);
        QFETCH(float, stored);
        Generator generator;
        auto& input = generator.input;
        for (const auto& step : steps) {
            if (step == "US") {
                QTest::mouseClick(Control<QRadioButton>(input, "optUnits(1)"), Qt::LeftButton);
            } else if (step == "SI") {
                QTest::mouseClick(Control<QRadioButton>(input, "optUnits(0)"), Qt::LeftButton);
            } else if (step == "enter") {
                Control<QLineEdit>(input, "txtHoC")->setFocus(Qt::MouseFocusReason);
            } else if (step == "leave") {
                Control<QLineEdit>(input, "txtDelayTime")->setFocus(Qt::TabFocusReason);
            } else if (step.startsWith("type ")) {
                Control<QLineEdit>(input, "txtHoC")->setText(step.mid(5));
            }
        }
        QCOMPARE(Control<QLineEdit>(input, "txtHoC")->text(), shown);
        QCOMPARE(Control<QLabel>(input, "lblHoCUnits")->text(), units);
        QCOMPARE(generator.Module().HeatOfCombustion, stored);
    }

    void CurveCommandChecksInOrder_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("fileChosen");
        QTest::addColumn<QString>("heatOfCombustion");
        QTest::addColumn<QString>("delay");
        QTest::addColumn<QList<int>>("answers"); // 1 Yes, 0 No
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("opens");

        const QList<int> none;
        QTest::newRow("no description, Yes")
            << "" << false << "12000"
            << "5" << QList<int>{1} << QStringList{kDescriptionQuestion} << "txtDescription"
            << false;
        QTest::newRow("no description, No")
            << "" << true << "12000"
            << "5" << QList<int>{0} << QStringList{kDescriptionQuestion} << "txtAlpha" << true;
        QTest::newRow("question before the file name")
            << "" << false << "12000"
            << "5" << QList<int>{0}
            << QStringList{kDescriptionQuestion,
                           DataError("A valid fire file name must be specified.")}
            << "txtHoC" << false;
        QTest::newRow("no file name")
            << "Sofa" << false << "12000"
            << "5" << none << QStringList{DataError("A valid fire file name must be specified.")}
            << "txtHoC" << false;
        QTest::newRow("heat of combustion 0")
            << "Sofa" << true << "0"
            << "5" << none
            << QStringList{DataError("The heat of combustion must be greater than zero.")}
            << "txtHoC" << false;
        QTest::newRow("heat of combustion 120001")
            << "Sofa" << true << "120001"
            << "5" << none << QStringList{DataError("The heat of combustion is too high.")}
            << "txtHoC" << false;
        QTest::newRow("negative delay")
            << "Sofa" << true << "12000"
            << "-10" << none << QStringList{DataError("The delay time must not be negative.")}
            << "txtDelayTime" << false;
        QTest::newRow("delay past 16 bits")
            << "Sofa" << true << "12000"
            << "32768" << none << QStringList{DataError("The delay time must not exceed 32767 s.")}
            << "txtDelayTime" << false;
        QTest::newRow("zero delay, No")
            << "Sofa" << true << "12000"
            << "0" << QList<int>{0} << QStringList{kDelayQuestion} << "txtDelayTime" << false;
        QTest::newRow("zero delay, Yes")
            << "Sofa" << true << "12000"
            << "0" << QList<int>{1} << QStringList{kDelayQuestion} << "txtAlpha" << true;
        QTest::newRow("both questions")
            << "" << true << "12000"
            << "0.4" << QList<int>{0, 1} << QStringList{kDescriptionQuestion, kDelayQuestion}
            << "txtAlpha" << true;
    }
    void CurveCommandChecksInOrder() {
        QFETCH(QString, description);
        QFETCH(bool, fileChosen);
        QFETCH(QString, heatOfCombustion);
        QFETCH(QString, delay);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, messages);
        QFETCH(QString, focus);
        QFETCH(bool, opens);

        Generator generator;
        auto& input = generator.input;
        const QString file = fileChosen ? generator.FolderPath("SOFA.FIR") : QString();
        generator.FillMainForm(description, file, heatOfCombustion, delay);
        for (const int answer : answers) {
            generator.platform.AnswerNextQuestion(answer == 1 ? MessageButton::Yes
                                                              : MessageButton::No);
        }
        // The file name check opens the dialog at once; it is cancelled here.
        generator.platform.CancelNextDialog();
        QTest::mouseClick(Control<QPushButton>(input, "cmdTSquared"), Qt::LeftButton);

        QStringList shown;
        for (const auto& message : generator.platform.Messages()) {
            shown << Shown(message);
            QCOMPARE(message.Request.Icon, MessageIcon::Exclamation);
            const bool question = message.Request.Title == "QDOT-XW: Input Data Check";
            QCOMPARE(message.Request.Buttons,
                     question ? MessageButtons::YesNo : MessageButtons::Ok);
        }
        QCOMPARE(shown, messages);
        QCOMPARE(generator.platform.PendingAnswers(), std::size_t{0});
        // The file name check opens the dialog exactly once.
        const bool dialogOpens = !fileChosen && !(description.isEmpty() && answers.value(0) == 1);
        QCOMPARE(generator.platform.FileDialogs().size(), std::size_t{dialogOpens ? 1u : 0u});
        QCOMPARE(Control<QLineEdit>(input, "txtFireFile")->text(), file);

        auto* form = Generator::CurveForm();
        QCOMPARE(form != nullptr, opens);
        QCOMPARE(input.isVisible(), !opens);
        if (opens) {
            QVERIFY(qobject_cast<frmTSquared*>(form));
            QVERIFY(form->isVisible());
            QCOMPARE(FocusIn(form), focus);
            Control<QPushButton>(form, "cmdCancel")->click();
        } else {
            QCOMPARE(FocusIn(&input), focus);
        }
        QVERIFY(!generator.Graph().isVisible());
    }

    void TheBoxesAreStoredEvenWhenACheckStops() {
        Generator generator;
        const QString longDescription = QString(75, u'd');
        generator.FillMainForm(longDescription, generator.FolderPath("A.FIR"), "130000", "12");
        Control<QPushButton>(generator.input, "cmdPool")->click();
        QCOMPARE(generator.platform.Messages().size(), std::size_t{1});
        const auto& module = generator.Module();
        QCOMPARE(module.FireDescription, std::string(60, 'd'));
        QCOMPARE(QString::fromStdString(module.FireFileName), generator.FolderPath("A.FIR"));
        QCOMPARE(module.HeatOfCombustion, 130000.0F);
        QCOMPARE(module.DelayTime, std::int16_t{12});
        // The box keeps all that was typed.
        QCOMPARE(Control<QLineEdit>(generator.input, "txtDescription")->text(), longDescription);
    }

    void EachButtonOpensItsForm_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("form");
        QTest::newRow("t-squared") << 0 << "frmTSquared";
        QTest::newRow("semi-universal") << 1 << "frmUniversal";
        QTest::newRow("pool") << 2 << "frmPool";
        QTest::newRow("furniture") << 3 << "frmFurniture";
        QTest::newRow("custom") << 4 << "frmCustom";
    }
    void EachButtonOpensItsForm() {
        QFETCH(int, kind);
        QFETCH(QString, form);
        Generator generator;
        auto* opened = generator.Open(static_cast<CurveKind>(kind), "30");
        QVERIFY(opened);
        QCOMPARE(opened->objectName(), form);
        QVERIFY(opened->isVisible());
        QVERIFY(!generator.input.isVisible());
        QCOMPARE(generator.Module().DelayTime, std::int16_t{30});
    }

    void TheFileBoxAsksWhereToSave() {
        Generator generator;
        auto& input = generator.input;
        Control<QLineEdit>(input, "txtFireFile")->setText("/old/FIRE.FIR");
        const QString chosen = generator.FolderPath("POOL1.FIR");
        generator.platform.ChooseInNextDialog(chosen.toStdString());
        QTest::keyClick(Control<QLineEdit>(input, "txtDescription"), Qt::Key_Tab);
        QTRY_COMPARE(generator.platform.FileDialogs().size(), std::size_t{1});
        const auto& request = generator.platform.FileDialogs()[0].Request;
        QCOMPARE(request.Kind, vorla::ui::FileDialogKind::SaveAs);
        QCOMPARE(request.Title, std::string("Specify Fire File"));
        QCOMPARE(request.Filter, std::string("QDOT-XW Files (*.fir)|*.fir"));
        QCOMPARE(request.InitialDirectory, generator.platform.DataDirectory());
        QCOMPARE(request.InitialFileName, std::string("/old/FIRE.FIR"));
        QVERIFY(request.ConfirmOverwrite);
        QCOMPARE(Control<QLineEdit>(input, "txtFireFile")->text(), chosen);
        QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(input, "txtHoC"));

        // A cancelled dialog keeps the name.
        generator.platform.CancelNextDialog();
        QTest::mouseClick(Control<QLineEdit>(input, "txtFireFile"), Qt::LeftButton);
        QTRY_COMPARE(generator.platform.FileDialogs().size(), std::size_t{2});
        QCOMPARE(Control<QLineEdit>(input, "txtFireFile")->text(), chosen);
        QTRY_COMPARE(QApplication::focusWidget(), Control<QLineEdit>(input, "txtHoC"));
        QVERIFY(generator.platform.Problems().empty());
    }

    void ExitEndsTheProgram_data() {
        QTest::addColumn<bool>("frameClose");
        QTest::newRow("Exit") << false;
        QTest::newRow("frame's close button") << true;
    }
    void ExitEndsTheProgram() {
        QFETCH(bool, frameClose);
        Generator generator;
        if (frameClose) {
            generator.input.close();
        } else {
            QTest::mouseClick(Control<QPushButton>(generator.input, "cmdExit"), Qt::LeftButton);
        }
        QCOMPARE(generator.ProgramEnded, 1);
        QVERIFY(!generator.input.isVisible());
        QVERIFY(!generator.Graph().isVisible());
        QVERIFY(generator.platform.Messages().empty());
    }
};

QTEST_MAIN(InputFormTest)
#include "input_form_test.moc"
