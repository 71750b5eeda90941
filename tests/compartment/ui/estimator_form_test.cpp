#include "compartment/ui/estimator_form.h"
#include "program_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;

namespace {

// The 5 m x 4 m office: 20 m², 2.4 m high, the fire on the floor, χr 0.35.
void FillOffice(Program& program) {
    program.Set(InputBox::txtFloorArea, "20");
    program.Set(InputBox::txtRoomHeight, "2.4");
    program.Set(InputBox::txtFireHeight, "0");
    program.Set(InputBox::txtSoffitHeight, "2");
    program.Set(InputBox::txtRadiativeLossFraction, "0.35");
}

QWidget* OpenEstimator(Program& program) {
    Control<QPushButton>(program.input, "cmdEstimateLc")->click();
    return Program::Estimator();
}

QString LossFraction(const Program& program) {
    return Control<QLineEdit>(program.input, "txtTotalLossFraction")->text();
}

} // namespace

class EstimatorWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void OpensModalWithItsControls() {
        Program program;
        FillOffice(program);
        auto* window = OpenEstimator(program);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->objectName(), QString("frmEstimateLc"));
        QCOMPARE(window->windowTitle(), QString("Estimate Total Heat Loss Fraction"));
        QCOMPARE(window->windowModality(), Qt::ApplicationModal);
        QCOMPARE(WindowConventionProblems(*window), QStringList());
        QCOMPARE(Control<QLineEdit>(window, "txtAspectRatio")->text(), QString());
        QVERIFY(Control<QRadioButton>(window, "OptCeilingRoughness(0)")->isChecked());
        QVERIFY(Control<QPushButton>(window, "cmdEstimate")->isDefault());
        QTRY_COMPARE(program.FocusName(), QString("txtAspectRatio"));
        QVERIFY(program.platform.Messages().empty());
    }

    void EstimateWritesTheFractionIntoTheInputForm_data() {
        QTest::addColumn<bool>("us");
        QTest::addColumn<int>("roughness");
        QTest::addColumn<QString>("expected");
        QTest::newRow("moderately rough") << false << 1 << "0.6214";
        QTest::newRow("smooth, typed in feet") << true << 0 << "0.5714";
    }
    void EstimateWritesTheFractionIntoTheInputForm() {
        QFETCH(bool, us);
        QFETCH(int, roughness);
        QFETCH(QString, expected);
        Program program;
        FillOffice(program);
        if (us) {
            Control<QRadioButton>(program.input, "optUnits(1)")->click();
            program.Set(InputBox::txtFloorArea, "215.285");
            program.Set(InputBox::txtRoomHeight, "7.874");
            program.Set(InputBox::txtSoffitHeight, "6.562");
        }
        auto* window = OpenEstimator(program);
        QVERIFY(window);
        QTest::keyClicks(Control<QLineEdit>(window, "txtAspectRatio"), "1.25");
        Control<QRadioButton>(window, Element("OptCeilingRoughness", roughness))->click();
        Control<QPushButton>(window, "cmdEstimate")->click();
        Program::Settle();
        QVERIFY(!Program::Estimator());
        QCOMPARE(LossFraction(program), expected);
        QTRY_COMPARE(program.FocusName(), QString("txtTotalLossFraction"));
        QVERIFY(program.platform.Messages().empty());
    }

    void AZeroRadiativeFractionIsAskedAbout() {
        {
            Program program;
            FillOffice(program);
            program.Set(InputBox::txtRadiativeLossFraction, "0");
            program.platform.AnswerNextQuestion(MessageButton::No);
            QVERIFY(!OpenEstimator(program));
            QCOMPARE(program.platform.Messages().size(), std::size_t{1});
            const auto& question = program.platform.Messages()[0].Request;
            QCOMPARE(question.Text,
                     std::string("The radiative loss fraction is zero.  Is that correct?"));
            QCOMPARE(question.Title, std::string("VORLA-XW: Input Data Check"));
            QCOMPARE(question.Icon, MessageIcon::Question);
            QCOMPARE(question.Buttons, MessageButtons::YesNo);
            QCOMPARE(program.FocusName(), QString("txtRadiativeLossFraction"));
        }
        {
            Program program;
            FillOffice(program);
            program.Set(InputBox::txtRadiativeLossFraction, "0");
            program.platform.AnswerNextQuestion(MessageButton::Yes);
            auto* window = OpenEstimator(program);
            QVERIFY(window);
            Control<QLineEdit>(window, "txtAspectRatio")->setText("1.25");
            Control<QPushButton>(window, "cmdEstimate")->click();
            // χr = 0: the convective share alone.
            QCOMPARE(LossFraction(program), QString("0.3406"));
            QVERIFY(program.platform.Problems().empty());
        }
    }

    void EntryChecksStopWithTheirMessage_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("no floor area") << "txtFloorArea"
                                       << ""
                                       << "You must first specify a valid floor area.";
        QTest::newRow("no room height") << "txtRoomHeight"
                                        << ""
                                        << "You must first specify a valid room height.";
        QTest::newRow("soffit at the ceiling") << "txtSoffitHeight"
                                               << "2.4"
                                               << "You must first specify a valid soffit height.";
        QTest::newRow("fire at the ceiling") << "txtFireHeight"
                                             << "2.4"
                                             << "You must first specify a valid fire height.";
        QTest::newRow("radiative fraction 1")
            << "txtRadiativeLossFraction"
            << "1"
            << "You must first specify a valid radiative heat loss fraction.";
    }
    void EntryChecksStopWithTheirMessage() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Program program;
        FillOffice(program);
        program.input->findChild<QLineEdit*>(box)->setText(text);
        QVERIFY(!OpenEstimator(program));
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QCOMPARE(QString::fromStdString(shown.Text), message);
        QCOMPARE(shown.Title, std::string("VORLA-XW: Input Data Error"));
        QCOMPARE(shown.Icon, MessageIcon::Exclamation);
        QCOMPARE(shown.Buttons, MessageButtons::Ok);
        QCOMPARE(program.FocusName(), box);
        QCOMPARE(LossFraction(program), QString("0.6"));
    }

    void AnAspectRatioBelowOneKeepsTheWindowOpen_data() {
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<int>("answer");
        QTest::newRow("empty, OK") << "" << int(MessageButton::Ok);
        QTest::newRow("0.99, Cancel") << "0.99" << int(MessageButton::Cancel);
    }
    void AnAspectRatioBelowOneKeepsTheWindowOpen() {
        QFETCH(QString, ratio);
        QFETCH(int, answer);
        Program program;
        FillOffice(program);
        auto* window = OpenEstimator(program);
        QVERIFY(window);
        Control<QLineEdit>(window, "txtAspectRatio")->setText(ratio);
        program.platform.AnswerNextQuestion(static_cast<MessageButton>(answer));
        Control<QPushButton>(window, "cmdEstimate")->click();
        Program::Settle();
        QCOMPARE(Program::Estimator(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(program.platform.Messages().size(), std::size_t{1});
        const auto& shown = program.platform.Messages()[0].Request;
        QCOMPARE(shown.Text, std::string("The aspect ratio must be equal to or greater than 1."));
        QCOMPARE(shown.Title, std::string("VORLA-XW: Input Data Error"));
        QCOMPARE(shown.Icon, MessageIcon::Exclamation);
        QCOMPARE(shown.Buttons, MessageButtons::OkCancel);
        QTRY_COMPARE(program.FocusName(), QString("txtAspectRatio"));
        QCOMPARE(LossFraction(program), QString("0.6"));
        QVERIFY(program.platform.Problems().empty());

        // Exactly 1 is a square room, and accepted.
        Control<QLineEdit>(window, "txtAspectRatio")->setText("1");
        Control<QPushButton>(window, "cmdEstimate")->click();
        Program::Settle();
        QVERIFY(!Program::Estimator());
        QVERIFY(LossFraction(program) != "0.6");
    }

    void CancelEscapeAndTheFrameLeaveTheFractionAsItWas_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("frame close button") << "frame";
    }
    void CancelEscapeAndTheFrameLeaveTheFractionAsItWas() {
        QFETCH(QString, how);
        Program program;
        FillOffice(program);
        program.Set(InputBox::txtTotalLossFraction, "0.55");
        auto* window = OpenEstimator(program);
        QVERIFY(window);
        Control<QLineEdit>(window, "txtAspectRatio")->setText("1.25");
        if (how == "Cancel") {
            Control<QPushButton>(window, "cmdCancel")->click();
        } else if (how == "Escape") {
            QTest::keyClick(Control<QLineEdit>(window, "txtAspectRatio"), Qt::Key_Escape);
        } else {
            window->close();
        }
        Program::Settle();
        QVERIFY(!Program::Estimator());
        QCOMPARE(LossFraction(program), QString("0.55"));
        QTRY_COMPARE(program.FocusName(), QString("txtTotalLossFraction"));
        QVERIFY(program.platform.Messages().empty());
    }

    void EnterEstimates() {
        Program program;
        FillOffice(program);
        auto* window = OpenEstimator(program);
        QVERIFY(window);
        QTest::keyClicks(Control<QLineEdit>(window, "txtAspectRatio"), "1.25");
        QTest::keyClick(Control<QLineEdit>(window, "txtAspectRatio"), Qt::Key_Return);
        Program::Settle();
        QVERIFY(!Program::Estimator());
        QCOMPARE(LossFraction(program), QString("0.5714"));
    }
};

QTEST_MAIN(EstimatorWindowTest)
#include "estimator_form_test.moc"
