// SKEVA-XW's Explore follows the form's File > Model Options… and File >
// Detectors and Sprinklers…: after a change in the window its Key Results are
// what `vorla smoke` gives with the same options and devices.
#include "skeva_windows.h"
#include "tests/support/batch_run.h"
#include "tests/support/summary_device_lines.h"
#include "tests/support/summary_key_lines.h"
#include "tests/support/window_controls.h"
#include "tests/support/zone_dialogs.h"
#include "zone_models/ui/explore_number_box.h"
#include "zone_models/ui/explore_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorla::smoke;
using namespace vorla::smoke::testing;
using namespace vorla::test_support;
using vorla::ui::ExploreNumberBox;
using vorla::ui::ExploreWindow;

namespace {

// A room of 10 m² and 3 m under a fast fire standing 1 m high.
TypedRun SmallRoom() {
    TypedRun run;
    run.FloorArea = "10";
    run.RoomHeight = "3";
    run.FireHeight = "1";
    run.FireFile = QString::fromStdString(DataFile("fast_t_squared_2mw.fir"));
    return run;
}

// `vorla smoke` on the small room with its floor at 20 m², with `extra`: its summary.
std::string BatchSummary(const QStringList& extra) {
    std::vector<std::string> args = {"smoke",
                                     "--fire",
                                     DataFile("fast_t_squared_2mw.fir"),
                                     "--floor-area",
                                     "20",
                                     "--room-height",
                                     "3",
                                     "--fire-height",
                                     "1",
                                     "--loss-fraction",
                                     "0.6",
                                     "--run-time",
                                     "600",
                                     "-o",
                                     "/dev/null",
                                     "--summary",
                                     "-"};
    for (const QString& option : extra) {
        args.push_back(option.toStdString());
    }
    const BatchOutcome run = RunBatch(args);
    if (run.Status != 0) {
        qWarning("%s", run.Err.c_str());
    }
    return run.Out;
}

// Explore opened on the form, the floor moved to 20 m²; its Key Results.
QStringList ExploreLinesAtTwentySquareMetres(SkevaWindows& windows, QString* followed) {
    Trigger(&windows.input, "mnuFileExplore");
    auto* explore = VisibleWindow<ExploreWindow>("frmExplore");
    if (explore == nullptr || !QTest::qWaitFor([explore] { return explore->UpToDate(); })) {
        return {"(no window)"};
    }
    *followed = Control<QLabel>(explore, "lblFollowed")->text();
    Control<ExploreNumberBox>(explore, "txtFloorArea")->setValue(20);
    if (!QTest::qWaitFor([explore] { return explore->UpToDate(); })) {
        return {"(no run)"};
    }
    const QStringList lines =
        Control<QPlainTextEdit>(explore, "txtKeyResults")->toPlainText().split('\n');
    delete explore;
    return lines;
}

} // namespace

class SkevaExploreFollowedTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QTemporaryDir settingsFolder_;
    std::string Data() const { return folder_.filePath("DATA").toStdString(); }

  private slots:
    void initTestCase() {
        vorla::test_support::UseTestSettings("skeva-xw", settingsFolder_.path());
    }
    void init() { QSettings().clear(); }

    void TheModelOptionsAreTheBatchCommands_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("plume");
        QTest::addColumn<bool>("uncertainty");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("named");
        QTest::newRow("Heskestad plume, uncertainty shown")
            << 0 << 1 << true << QStringList{"--plume", "heskestad", "--model-uncertainty"}
            << "Heskestad's plume, model uncertainty shown";
        QTest::newRow("corner fire")
            << 2 << 0 << false << QStringList{"--fire-position", "corner"} << "fire in a corner";
    }
    void TheModelOptionsAreTheBatchCommands() {
        QFETCH(int, position);
        QFETCH(int, plume);
        QFETCH(bool, uncertainty);
        QFETCH(QStringList, options);
        QFETCH(QString, named);
        const QJsonObject batch = SummaryObject(BatchSummary(options));
        const QStringList starts = SummaryValueLineStarts(batch);
        // The options change at least one of these lines: a window that
        // ignored them would fail.
        QVERIFY(!MissingLine(SummaryValueLineStarts(SummaryObject(BatchSummary({}))), starts)
                     .isEmpty());

        SkevaWindows windows(Data());
        windows.Fill(SmallRoom());
        QVERIFY(TypeModelOptions(&windows.input, position, plume, uncertainty).Closed);

        QString followed;
        const QStringList lines = ExploreLinesAtTwentySquareMetres(windows, &followed);
        QVERIFY2(followed.contains(named), qPrintable(followed));
        QVERIFY2(MissingLine(lines, starts).isEmpty(),
                 qPrintable(MissingLine(lines, starts) + "\n" + lines.join('\n')));
        QCOMPARE(lines.contains(SummaryRiseLine(batch)), uncertainty);
    }

    void TheDevicesAndSuppressionAreTheBatchCommands() {
        const QStringList sprinkler{
            "--device", "kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68"};
        const std::string summary = BatchSummary(
            sprinkler + QStringList{"--suppression", "decaying", "--spray-density", "0.07"});
        const QJsonObject batch = SummaryObject(summary);
        QVERIFY(batch["first_sprinkler_s"].isDouble());
        QVERIFY(batch["heat_released_mj"].toDouble() <
                SummaryObject(BatchSummary(sprinkler))["heat_released_mj"].toDouble() - 0.1);
        QStringList expected = SummaryDeviceLines(summary);
        expected << "Fire decaying from " +
                        QString::number(batch["suppressed_from_s"].toDouble(), 'f', 1) +
                        " s by the first sprinkler";

        SkevaWindows windows(Data());
        windows.Fill(SmallRoom());
        QVERIFY(TypeSprinklers(&windows.input, {{"S1", "2", "50", "68"}}, "0.07").Closed);
        QString followed;
        const QStringList lines = ExploreLinesAtTwentySquareMetres(windows, &followed);
        QVERIFY2(followed.contains("Devices: S1; suppression: decaying"), qPrintable(followed));
        const qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(expected.front() + "\n" + lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);
        const QStringList starts = SummaryValueLineStarts(batch);
        QVERIFY2(MissingLine(lines, starts).isEmpty(),
                 qPrintable(MissingLine(lines, starts) + "\n" + lines.join('\n')));
    }
};

QTEST_MAIN(SkevaExploreFollowedTest)
#include "explore_followed_test.moc"
