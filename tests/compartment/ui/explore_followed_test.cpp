// VORLA-XW's Explore follows the form's File > Model Options… and File >
// Detectors and Sprinklers…: after a change in the window its Key Results are
// what `vorla compartment` gives with the same options and devices, and a
// dialog accepted in the form while the window is open is taken up at once.
#include "program_fixture.h"
#include "tests/support/batch_run.h"
#include "tests/support/summary_device_lines.h"
#include "tests/support/summary_key_lines.h"
#include "tests/support/window_controls.h"
#include "tests/support/zone_dialogs.h"
#include "zone_models/ui/explore_number_box.h"
#include "zone_models/ui/explore_window.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;
using namespace vorla::test_support;
using vorla::ui::ExploreNumberBox;
using vorla::ui::ExploreWindow;

namespace {

const std::string kFire = VORLA_EXAMPLES_DIR "/office-sofa-tsquared.fir";

// `vorla compartment` on FillRoom's office of 40 m², 200 s, with `extra`: its
// summary.
std::string BatchSummary(const QStringList& extra) {
    std::vector<std::string> args =
        OfficeCommand(kFire, "200", {"-o", "/dev/null", "--summary", "-"}, "40");
    for (const QString& option : extra) {
        args.push_back(option.toStdString());
    }
    const BatchOutcome run = RunBatch(args);
    if (run.Status != 0) {
        qWarning("%s", run.Err.c_str());
    }
    return run.Out;
}

ExploreWindow* OpenExplore(Program& program) {
    Trigger(program.input, "mnuFileExplore");
    auto* explore = VisibleWindow<ExploreWindow>("frmExplore");
    if (explore != nullptr && !QTest::qWaitFor([explore] { return explore->UpToDate(); })) {
        qWarning("the first run never arrived");
    }
    return explore;
}

// The floor moved to 40 m² in the window; its Key Results once the run is in.
QStringList LinesAtFortySquareMetres(ExploreWindow* explore) {
    Control<ExploreNumberBox>(explore, "txtFloorArea")->setValue(40);
    if (!QTest::qWaitFor([explore] { return explore->UpToDate(); })) {
        return {"(no run)"};
    }
    return Control<QPlainTextEdit>(explore, "txtKeyResults")->toPlainText().split('\n');
}

QString Followed(const ExploreWindow* explore) {
    return Control<QLabel>(explore, "lblFollowed")->text();
}

} // namespace

class CompartmentExploreFollowedTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

  private slots:
    void initTestCase() {
        vorla::test_support::UseTestSettings("vorla-xw", settingsFolder_.path());
    }
    void init() { QSettings().clear(); }

    void TheModelOptionsAreTheBatchCommands_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("plume");
        QTest::addColumn<bool>("uncertainty");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("named");
        QTest::newRow("corner fire, uncertainty shown")
            << 2 << 0 << true << QStringList{"--fire-position", "corner", "--model-uncertainty"}
            << "fire in a corner";
        QTest::newRow("Heskestad plume, uncertainty shown")
            << 0 << 1 << true << QStringList{"--plume", "heskestad", "--model-uncertainty"}
            << "Heskestad's plume";
        QTest::newRow("against a wall, Heskestad plume")
            << 1 << 1 << false << QStringList{"--fire-position", "wall", "--plume", "heskestad"}
            << "fire against a wall";
    }
    void TheModelOptionsAreTheBatchCommands() {
        QFETCH(int, position);
        QFETCH(int, plume);
        QFETCH(bool, uncertainty);
        QFETCH(QStringList, options);
        QFETCH(QString, named);
        const QJsonObject batch = SummaryObject(BatchSummary(options));
        const QStringList starts = SummaryValueLineStarts(batch);
        // What the case stands on: the options change the peak temperature's
        // line, so a window that ignored them would fail.
        QVERIFY(!MissingLine(SummaryValueLineStarts(SummaryObject(BatchSummary({}))), {starts[0]})
                     .isEmpty());

        Program program;
        program.FillRoom(kFire, "200");
        QVERIFY(TypeModelOptions(program.input.get(), position, plume, uncertainty).Closed);
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        QVERIFY2(Followed(explore).contains(named), qPrintable(Followed(explore)));
        const QStringList lines = LinesAtFortySquareMetres(explore);
        QVERIFY2(MissingLine(lines, starts).isEmpty(),
                 qPrintable(MissingLine(lines, starts) + "\n" + lines.join('\n')));
        QCOMPARE(lines.contains(SummaryRiseLine(batch)), uncertainty);
        QCOMPARE(program.platform.Messages().size(), std::size_t(0));
    }

    // Two sprinklers and a fire that decays after the first: the devices'
    // block and the suppressed fire's heat released are the batch command's.
    void TheDevicesAndSuppressionAreTheBatchCommands() {
        const QStringList devices{
            "--device", "kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68",
            "--device",
            "kind=sprinkler,name=S2,radius=3,below-ceiling=0.05,rti=50,temperature=141"};
        const std::string summary = BatchSummary(
            devices + QStringList{"--suppression", "decaying", "--spray-density", "0.07"});
        const QJsonObject batch = SummaryObject(summary);
        QVERIFY(batch["first_sprinkler_s"].isDouble());
        // The suppressed fire releases less heat than the unsuppressed one.
        QVERIFY(batch["heat_released_mj"].toDouble() <
                SummaryObject(BatchSummary(devices))["heat_released_mj"].toDouble() - 0.1);
        QStringList expected = SummaryDeviceLines(summary);
        expected << "Fire decaying from " +
                        QString::number(batch["suppressed_from_s"].toDouble(), 'f', 1) +
                        " s by the first sprinkler";

        Program program;
        program.FillRoom(kFire, "200");
        QVERIFY(TypeSprinklers(program.input.get(),
                               {{"S1", "2", "50", "68"}, {"S2", "3", "50", "141"}}, "0.07")
                    .Closed);
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        QVERIFY2(Followed(explore).contains("Devices: S1, S2; suppression: decaying"),
                 qPrintable(Followed(explore)));
        const QStringList lines = LinesAtFortySquareMetres(explore);
        const qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(expected.front() + "\n" + lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);
        const QStringList starts = SummaryValueLineStarts(batch);
        QVERIFY2(MissingLine(lines, starts).isEmpty(),
                 qPrintable(MissingLine(lines, starts) + "\n" + lines.join('\n')));
    }

    // Options and devices accepted in the form while the window is open: the
    // window names them and runs the values shown again with them; a loss fraction the validation
    // did not measure keeps the run and says why the model uncertainty is missing.
    void TheFormsNewSettingsAreTakenUp() {
        Program program;
        program.FillRoom(kFire, "200");
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        QVERIFY2(Followed(explore).contains("fire in the open"), qPrintable(Followed(explore)));
        const QStringList centre = LinesAtFortySquareMetres(explore);

        QVERIFY(TypeModelOptions(program.input.get(), 2, 0, false).Closed);
        QTRY_VERIFY(explore->UpToDate());
        QVERIFY2(Followed(explore).contains("fire in a corner"), qPrintable(Followed(explore)));
        const QStringList corner =
            Control<QPlainTextEdit>(explore, "txtKeyResults")->toPlainText().split('\n');
        QVERIFY(corner != centre);
        const QStringList starts =
            SummaryValueLineStarts(SummaryObject(BatchSummary({"--fire-position", "corner"})));
        QVERIFY2(MissingLine(corner, starts).isEmpty(), qPrintable(corner.join('\n')));

        QVERIFY(TypeSprinklers(program.input.get(), {{"S1", "2", "50", "68"}}).Closed);
        QTRY_VERIFY(explore->UpToDate());
        QVERIFY2(Followed(explore).contains("Devices: S1"), qPrintable(Followed(explore)));
        QVERIFY(!Control<QPlainTextEdit>(explore, "txtKeyResults")
                     ->toPlainText()
                     .split('\n')
                     .filter(QRegularExpression("^First sprinkler at [0-9.]+ s$"))
                     .isEmpty());

        QVERIFY(TypeModelOptions(program.input.get(), 2, 0, true).Closed);
        Control<ExploreNumberBox>(explore, "txtTotalLossFraction")->setValue(0.8);
        QTRY_VERIFY(explore->UpToDate());
        QVERIFY(!explore->Stale());
        const QString shown = Control<QPlainTextEdit>(explore, "txtKeyResults")->toPlainText();
        QVERIFY2(shown.contains("\nThe model uncertainty cannot be shown: ") &&
                     shown.contains(" not with 0.8.") && !shown.contains("bias-corrected"),
                 qPrintable(shown));
        QCOMPARE(program.platform.Messages().size(), std::size_t(0));
    }
};

QTEST_MAIN(CompartmentExploreFollowedTest)
#include "explore_followed_test.moc"
