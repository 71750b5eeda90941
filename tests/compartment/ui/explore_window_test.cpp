// VORLA-XW's File > Explore…, driven as a user does, against the program's own
// Run flow on the same boxes: the window opens on the form's values, its Key
// Results after a change are the lines the report window's Key Results panel
// shows for the same inputs, and a refused value gets beside its box the
// message Run puts in its message box.
#include "program_fixture.h"
#include "tests/support/batch_summary.h"
#include "tests/support/summary_tenability_lines.h"
#include "tests/support/window_controls.h"
#include "zone_models/ui/explore_number_box.h"
#include "zone_models/ui/explore_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sstream>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;
using vorla::ui::ExploreNumberBox;
using vorla::ui::ExploreWindow;

namespace {

// By the menu, or by its shortcut from the form's keyboard focus.
ExploreWindow* OpenExplore(Program& program, bool byShortcut = false) {
    if (byShortcut) {
        QTest::keyClick(program.input.get(), Qt::Key_E, Qt::ControlModifier);
    } else {
        Trigger(program.input, "mnuFileExplore");
    }
    auto* explore = VisibleWindow<ExploreWindow>("frmExplore");
    if (explore != nullptr && !QTest::qWaitFor([explore] { return explore->UpToDate(); })) {
        qWarning("the first run never arrived");
    }
    return explore;
}

ExploreNumberBox* LiveBox(ExploreWindow* explore, InputBox box) {
    const std::string_view name = InputBoxName(box);
    return Control<ExploreNumberBox>(explore,
                                     QString::fromUtf8(name.data(), qsizetype(name.size())));
}

// The Key Results of Run on the form's boxes as they are, the flashover
// question (if asked) answered No; the report is closed again.
QStringList RunFlowLines(Program& program) {
    program.platform.AnswerNextQuestion(MessageButton::No);
    QWidget* report = program.Run();
    if (report == nullptr) {
        return {"(no report)"};
    }
    const QStringList lines = vorla::test_support::PanelLines(report);
    Click(report, "cmdClose");
    Program::Settle();
    return lines;
}

} // namespace

class CompartmentExploreTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

  private slots:
    // The criteria come from the settings: a folder of the test's, never the user's.
    void initTestCase() {
        vorla::test_support::UseTestSettings("vorla-xw", settingsFolder_.path());
    }
    void init() { QSettings().clear(); }

    void OpensOnTheFormsValues() {
        Program program;
        program.FillRoom(program.WriteFile("steady.fir", kSteadyFire), "600", "20");
        auto* explore = OpenExplore(program, true);
        QVERIFY(explore != nullptr);
        const std::pair<InputBox, double> expected[] = {
            {InputBox::txtFloorArea, 20},
            {InputBox::txtRoomHeight, 2.4},
            {InputBox::txtVentWidth, 0.9},
            {InputBox::txtSillHeight, 0},
            {InputBox::txtSoffitHeight, 2},
            {InputBox::txtFireHeight, 0},
            {InputBox::txtRadiativeLossFraction, 0.35},
            {InputBox::txtTotalLossFraction, 0.6},
            {InputBox::txtRunTime, 600},
        };
        for (const auto& [box, value] : expected) {
            QCOMPARE(LiveBox(explore, box)->value(), value);
        }
        // The form is left as it was: Explore reads it and changes nothing.
        QCOMPARE(program.Box(InputBox::txtFloorArea)->text(), QString("20"));
    }

    void AChangeGivesTheKeyResultsOfRun_data() {
        QTest::addColumn<QByteArray>("fire");
        QTest::addColumn<int>("box");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("typed");
        QTest::newRow("steady fire, larger room")
            << QByteArray(kSteadyFire) << int(InputBox::txtFloorArea) << 40.0 << "40";
        QTest::newRow("steady fire, wider vent")
            << QByteArray(kSteadyFire) << int(InputBox::txtVentWidth) << 1.5 << "1.5";
        QTest::newRow("ramp to flashover, higher ceiling")
            << QByteArray(kRampFire) << int(InputBox::txtRoomHeight) << 3.0 << "3";
        QTest::newRow("steady fire, 9000 s run")
            << QByteArray(kSteadyFire) << int(InputBox::txtRunTime) << 9000.0 << "9000";
        QTest::newRow("steady fire, more lost to the walls")
            << QByteArray(kSteadyFire) << int(InputBox::txtTotalLossFraction) << 0.8 << "0.8";
    }
    void AChangeGivesTheKeyResultsOfRun() {
        QFETCH(QByteArray, fire);
        QFETCH(int, box);
        QFETCH(double, value);
        QFETCH(QString, typed);
        Program program;
        program.FillRoom(program.WriteFile("fire.fir", fire.toStdString()), "600", "20");
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        const QStringList before = vorla::test_support::PanelLines(explore);
        LiveBox(explore, InputBox(box))->setValue(value);
        QTRY_VERIFY(explore->UpToDate());
        const QStringList after = vorla::test_support::PanelLines(explore);
        QVERIFY(after != before);
        QVERIFY(!explore->Stale());

        program.Set(InputBox(box), typed);
        program.Box(InputBox(box))->setFocus(); // visited and left, as typing it would
        program.Box(InputBox::txtRunTitle)->setFocus();
        QCOMPARE(after, RunFlowLines(program));
    }

    // In the form's U.S. units: the boxes in feet as the form shows them, and
    // a change in feet gives what Run gives for the same feet typed.
    void TheFormsUnitsAreTheWindows() {
        Program program;
        program.FillRoom(program.WriteFile("ramp.fir", kRampFire), "600", "20");
        Control<QRadioButton>(program.input, "optUnits(1)")->click();
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        auto* height = LiveBox(explore, InputBox::txtRoomHeight);
        QCOMPARE(height->value(), program.Box(InputBox::txtRoomHeight)->text().toDouble());
        QVERIFY(height->suffix().endsWith("ft"));
        QVERIFY(LiveBox(explore, InputBox::txtFloorArea)->suffix().endsWith("ft²"));
        height->setValue(10);
        QTRY_VERIFY(explore->UpToDate());
        const QStringList after = vorla::test_support::PanelLines(explore);
        program.Set(InputBox::txtRoomHeight, "10");
        program.Box(InputBox::txtRoomHeight)->setFocus();
        program.Box(InputBox::txtRunTitle)->setFocus();
        QCOMPARE(after, RunFlowLines(program));
    }

    // After a unit change a sill at 1.99996 m under a 2 m soffit shows as
    // 6.562 ft, as the soffit does: read as shown the soffit would not be above
    // the sill. The window, like Run, runs the values as typed.
    void AUnitChangeKeepsTheValuesTyped() {
        Program program;
        program.FillRoom(program.WriteFile("steady.fir", kSteadyFire));
        program.Set(InputBox::txtSillHeight, "1.99996");
        Control<QRadioButton>(program.input, "optUnits(1)")->click();
        QCOMPARE(program.Box(InputBox::txtSillHeight)->text(), QString("6.562"));
        QCOMPARE(program.Box(InputBox::txtSoffitHeight)->text(), QString("6.562"));
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        QVERIFY(!explore->Stale());
        QCOMPARE(vorla::test_support::PanelLines(explore), RunFlowLines(program));
    }

    void ARefusedValueShowsRunsMessageBesideItsBox() {
        Program program;
        program.FillRoom(program.WriteFile("steady.fir", kSteadyFire), "600", "20");
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        const QStringList lines = vorla::test_support::PanelLines(explore);
        LiveBox(explore, InputBox::txtSoffitHeight)->setValue(3); // above the 2.4 m ceiling
        QTRY_VERIFY(explore->UpToDate());
        QVERIFY(explore->Stale());
        QCOMPARE(vorla::test_support::PanelLines(explore), lines);
        QCOMPARE(program.platform.Messages().size(), std::size_t(0)); // no message box

        program.Set(InputBox::txtSoffitHeight, "3");
        program.Box(InputBox::txtSoffitHeight)->setFocus();
        program.Box(InputBox::txtRunTitle)->setFocus();
        program.Run();
        QCOMPARE(program.platform.Messages().size(), std::size_t(1));
        QCOMPARE(Control<QLabel>(explore, "lblSoffitHeightMessage")->text().toStdString(),
                 program.platform.Messages().front().Request.Text);
    }

    void AFireFileThatCannotBeReadIsSaidInTheWindow() {
        Program program;
        program.FillRoom(program.Path("missing.fir"), "600", "20");
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        QVERIFY(Control<QLabel>(explore, "lblStatus")->text().contains("missing.fir"));
        QCOMPARE(program.platform.Messages().size(), std::size_t(0));
    }
    // With the form's tenability followed (lit signs, a sootier fuel, a head
    // at 1.5 m), a change of the floor area gives the Tenability block the
    // batch command's summary gives for the same inputs, the graph offers the
    // four tenability quantities, and a ceiling too low for the head is
    // refused beside the room's height.
    void TheTenabilityBlockIsTheBatchCommands() {
        const std::string fire = VORLA_EXAMPLES_DIR "/office-sofa-tsquared.fir";
        const vorla::test_support::BatchOutcome batch =
            vorla::test_support::RunBatch(vorla::test_support::OfficeCommand(
                fire, "200",
                {"-o", "/dev/null", "--summary", "-", "--sign", "lit", "--soot-yield", "0.2",
                 "--head-height", "1.5"},
                "40"));
        QCOMPARE(batch.Status, 0);
        const QStringList expected = vorla::test_support::SummaryTenabilityLines(batch.Out);
        QVERIFY2(expected.front().startsWith("Tenability: ASET "), qPrintable(expected.join('\n')));

        Program program;
        program.FillRoom(fire, "200", "20");
        Trigger(program.input, "mnuFileTenability");
        QPointer<QDialog> dialog = Control<QDialog>(program.input, "dlgTenability");
        QVERIFY(dialog && dialog->isVisible());
        Control<QCheckBox>(dialog, "chkFollow")->setChecked(true);
        Control<QLineEdit>(dialog, "txtSootYield")->setText("0.2");
        Control<QLineEdit>(dialog, "txtHeadHeight")->setText("1.5");
        Control<QComboBox>(dialog, "cboSign")->setCurrentIndex(1); // lit
        Click(dialog, "cmdOK");
        Program::Settle();
        QVERIFY(!dialog || !dialog->isVisible());

        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        LiveBox(explore, InputBox::txtFloorArea)->setValue(40);
        QTRY_VERIFY(explore->UpToDate());
        const QStringList lines = vorla::test_support::PanelLines(explore);
        const qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);
        auto* quantity = Control<QComboBox>(explore, "cboQuantity");
        QCOMPARE(quantity->count(), 8);
        QCOMPARE(quantity->itemText(7), QString("Radiant Flux at Head Height (kW/m²)"));

        LiveBox(explore, InputBox::txtSoffitHeight)->setValue(1);
        QTRY_VERIFY(explore->UpToDate());
        QVERIFY(!explore->Stale());
        LiveBox(explore, InputBox::txtRoomHeight)->setValue(1.4); // below the 1.5 m head
        QTRY_VERIFY(explore->UpToDate());
        QVERIFY(explore->Stale());
        QVERIFY(!Control<QLabel>(explore, "lblRoomHeightMessage")->text().isEmpty());
        QCOMPARE(program.platform.Messages().size(), std::size_t(0));
    }
};

QTEST_MAIN(CompartmentExploreTest)
#include "explore_window_test.moc"
