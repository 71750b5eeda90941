// SKEVA-XW's File > Explore…, driven as a user does, against the program's own
// Run flow on the same boxes: the window opens on the form's values, and its
// Key Results after a change are the lines the report window's Key Results
// panel shows for the same inputs. The settings live in a temporary folder.
#include "cli/study_command.h"
#include "skeva_windows.h"
#include "study/statistics.h"
#include "tests/support/batch_summary.h"
#include "tests/support/file_bytes.h"
#include "tests/support/summary_tenability_lines.h"
#include "tests/support/window_controls.h"
#include "tests/support/zone_dialogs.h"
#include "zone_models/ui/explore_band.h"
#include "zone_models/ui/explore_number_box.h"
#include "zone_models/ui/explore_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

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

} // namespace

class SkevaExploreTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QTemporaryDir settingsFolder_;
    std::string Data() const { return folder_.filePath("DATA").toStdString(); }

  private slots:
    void initTestCase() {
        vorla::test_support::UseTestSettings("skeva-xw", settingsFolder_.path());
    }
    void init() { QSettings().clear(); }

    void AChangeGivesTheKeyResultsOfRun_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("typed");
        QTest::newRow("larger room") << "txtFloorArea" << 40.0 << "40";
        QTest::newRow("higher ceiling") << "txtRoomHeight" << 5.0 << "5";
        QTest::newRow("fire on the floor") << "txtFireHeight" << 0.0 << "0";
        QTest::newRow("less lost to the walls") << "txtLossFraction" << 0.3 << "0.3";
    }
    void AChangeGivesTheKeyResultsOfRun() {
        QFETCH(QString, box);
        QFETCH(double, value);
        QFETCH(QString, typed);
        SkevaWindows windows(Data());
        windows.Fill(SmallRoom());
        Trigger(windows.input, "mnuFileExplore");
        auto* explore = VisibleWindow<ExploreWindow>("frmExplore");
        QVERIFY(explore != nullptr);
        QTRY_VERIFY(explore->UpToDate());
        QCOMPARE(Control<ExploreNumberBox>(explore, "txtFloorArea")->value(), 10.0);
        QCOMPARE(Control<ExploreNumberBox>(explore, "txtRoomHeight")->value(), 3.0);
        const QStringList before = PanelLines(explore);
        Control<ExploreNumberBox>(explore, box)->setValue(value);
        QTRY_VERIFY(explore->UpToDate());
        const QStringList after = PanelLines(explore);
        QVERIFY(after != before);

        windows.Type(Control<QLineEdit>(windows.input, box), typed);
        QWidget* report = windows.Run();
        QVERIFY(report != nullptr);
        QCOMPARE(after, PanelLines(report));
        delete explore;
    }

    // After a unit change a fire base at 3.99996 m under a 4 m ceiling shows as
    // 13.123 ft, as the ceiling does: read as shown the fire would not be below
    // the ceiling. The window, like Run, runs the values as typed.
    void AUnitChangeKeepsTheValuesTyped() {
        SkevaWindows windows(Data());
        TypedRun run = SmallRoom();
        run.RoomHeight = "4";
        run.FireHeight = "3.99996";
        windows.Fill(run);
        QTest::mouseClick(Control<QRadioButton>(windows.input, "optUnits(1)"), Qt::LeftButton);
        QCOMPARE(Control<QLineEdit>(windows.input, "txtRoomHeight")->text(), QString("13.123"));
        QCOMPARE(Control<QLineEdit>(windows.input, "txtFireHeight")->text(), QString("13.123"));
        Trigger(windows.input, "mnuFileExplore");
        auto* explore = VisibleWindow<ExploreWindow>("frmExplore");
        QVERIFY(explore != nullptr);
        QTRY_VERIFY(explore->UpToDate());
        QVERIFY(!explore->Stale());
        QWidget* report = windows.Run();
        QVERIFY(report != nullptr);
        QCOMPARE(PanelLines(explore), PanelLines(report));
        delete explore;
    }

    // In U.S. units, two inputs uncertain: `vorla study` on the file Save as
    // Study writes runs the band's very runs, so the peak layer temperature's
    // 5, 50 and 95 % points and the criteria's shares are the same numbers.
    void TheBandIsTheStudyOfItsSavedFile() {
        SkevaWindows windows(Data());
        windows.Fill(SmallRoom());
        Control<QRadioButton>(windows.input, "optUnits(1)")->click();
        Trigger(windows.input, "mnuFileExplore");
        auto* explore = VisibleWindow<ExploreWindow>("frmExplore");
        QVERIFY(explore != nullptr);
        QTRY_VERIFY(explore->UpToDate());
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(30);
        const auto spread = [](const char* option, std::size_t input, vorla::ui::SpreadKind kind,
                               std::vector<std::string> parameters) {
            return std::get<vorla::ui::UncertainInput>(vorla::ui::ReadSpread(
                "smoke", option, input, {kind, std::move(parameters), {}, {}}));
        };
        explore->SetUncertain(
            0, spread("floor-area", 0, vorla::ui::SpreadKind::Uniform, {"80", "200"})); // ft²
        explore->SetUncertain(
            3, spread("loss-fraction", 3, vorla::ui::SpreadKind::Lognormal, {"-0.5", "0.1"}));
        QVERIFY(QTest::qWaitFor(
            [explore] { return explore->UpToDate() && explore->BandComplete(); }, 120000));
        const std::string path = folder_.filePath("smoke-study.toml").toStdString();
        windows.platform.ChooseInNextDialog(path);
        Click(explore, "cmdSaveStudy");
        const std::string out = folder_.filePath("smoke-results").toStdString();
        const std::vector<std::string> args{path, "-o", out, "--no-progress"};
        std::ostringstream said;
        vorla::cli::RunStudyCommand(args, said, said);
        QVERIFY2(std::filesystem::exists(out + "/summary.json"), said.str().c_str());
        const auto summary = nlohmann::json::parse(ReadFile(out + "/summary.json"));
        const auto& overall = summary.at("overall");
        const auto& peak = overall.at("peak_layer_temperature_c");
        const auto band = vorla::study::Summarise(explore->Band().PeakLayerTemperaturesC());
        QCOMPARE(peak.at("count").get<std::size_t>(), std::size_t(30));
        QCOMPARE(peak.at("p5").get<double>(), *band.P5);
        QCOMPARE(peak.at("p50").get<double>(), *band.P50);
        QCOMPARE(peak.at("p95").get<double>(), *band.P95);
        const auto shares = explore->Band().Shares();
        QCOMPARE(shares.size(), overall.at("probabilities").size()); // no flashover in SKEVA-XW
        delete explore;
    }
    // With the form's tenability followed (a head at 1.2 m), a larger floor
    // gives the Tenability block the batch command's summary gives for the
    // same inputs, and the graph offers the four tenability quantities.
    void TheTenabilityBlockIsTheBatchCommands() {
        const TypedRun room = SmallRoom();
        const BatchOutcome batch = RunBatch(
            {"smoke", "--fire", room.FireFile.toStdString(), "--floor-area", "20", "--room-height",
             "3", "--fire-height", "1", "--loss-fraction", "0.6", "--run-time", "600", "-o",
             "/dev/null", "--summary", "-", "--head-height", "1.2"});
        QCOMPARE(batch.Status, 0);
        const QStringList expected = SummaryTenabilityLines(batch.Out);
        QVERIFY2(expected.front().startsWith("Tenability: ASET "), qPrintable(expected.join('\n')));

        SkevaWindows windows(Data());
        windows.Fill(room);
        Trigger(windows.input, "mnuFileTenability");
        QPointer<QDialog> dialog = Control<QDialog>(windows.input, "dlgTenability");
        QVERIFY(dialog && dialog->isVisible());
        Control<QCheckBox>(dialog, "chkFollow")->setChecked(true);
        Control<QLineEdit>(dialog, "txtHeadHeight")->setText("1.2");
        Click(dialog, "cmdOK");
        SkevaWindows::FlushDeletes();
        QVERIFY(!dialog || !dialog->isVisible());

        Trigger(windows.input, "mnuFileExplore");
        auto* explore = VisibleWindow<ExploreWindow>("frmExplore");
        QVERIFY(explore != nullptr);
        QTRY_VERIFY(explore->UpToDate());
        Control<ExploreNumberBox>(explore, "txtFloorArea")->setValue(20);
        QTRY_VERIFY(explore->UpToDate());
        const QStringList lines = PanelLines(explore);
        const qsizetype first = lines.indexOf(expected.front());
        QVERIFY2(first >= 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first, expected.size()), expected);
        QCOMPARE(Control<QComboBox>(explore, "cboQuantity")->count(), 8);
    }

    // A band with the form's tenability (a head at 1.2 m) and an RSET drawn
    // for every run, and a band drawing the model's own error in every run:
    // `vorla study` on the file Save as Study writes runs the band's runs, so
    // the peak layer temperature's points, each criterion's failures, the
    // ASETs' points and P(ASET < RSET) are the same numbers.
    void TheLifeSafetyBandIsTheStudyOfItsSavedFile_data() {
        QTest::addColumn<bool>("tenability");
        QTest::addColumn<bool>("modelError");
        QTest::newRow("tenability and an RSET") << true << false;
        QTest::newRow("the model's own error") << false << true;
    }
    void TheLifeSafetyBandIsTheStudyOfItsSavedFile() {
        QFETCH(bool, tenability);
        QFETCH(bool, modelError);
        SkevaWindows windows(Data());
        windows.Fill(SmallRoom());
        if (tenability) {
            QVERIFY(TypeTenability(&windows.input, {{"txtHeadHeight", "1.2"}}).Closed);
        }
        Trigger(windows.input, "mnuFileExplore");
        auto* explore = VisibleWindow<ExploreWindow>("frmExplore");
        QVERIFY(explore != nullptr);
        QTRY_VERIFY(explore->UpToDate());
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(30);
        Control<QSpinBox>(explore, "txtBandSeed")->setValue(7);
        explore->SetUncertain(0, std::get<vorla::ui::UncertainInput>(vorla::ui::ReadSpread(
                                     "smoke", "floor-area", 0,
                                     {vorla::ui::SpreadKind::Uniform, {"8", "20"}, {}, {}})));
        if (tenability) {
            explore->SetRset(vorla::ui::BandRset{"{ uniform = [20, 120] }"});
        }
        explore->SetModelUncertainty(modelError);
        QVERIFY(QTest::qWaitFor(
            [explore] { return explore->UpToDate() && explore->BandComplete(); }, 120000));
        QCOMPARE(explore->Band().OkRuns(), std::size_t(30));
        const std::string path = folder_.filePath("life-study.toml").toStdString();
        windows.platform.ChooseInNextDialog(path);
        Click(explore, "cmdSaveStudy");
        QCOMPARE(explore->StudyText().find("\n[model-uncertainty]\n") != std::string::npos,
                 modelError);
        const std::string out = folder_.filePath("life-results").toStdString();
        std::filesystem::remove_all(out);
        std::ostringstream said;
        const std::vector<std::string> args{path, "-o", out, "--no-progress"};
        vorla::cli::RunStudyCommand(args, said, said);
        QVERIFY2(std::filesystem::exists(out + "/summary.json"), said.str().c_str());
        const auto summary = nlohmann::json::parse(ReadFile(out + "/summary.json"));
        const auto& overall = summary.at("overall");
        const auto& band = explore->Band();
        const auto same = [](const nlohmann::json& study,
                             const vorla::study::SampleSummary& window) {
            return study.at("count").get<std::size_t>() == window.Count && window.Count > 0 &&
                   study.at("p5").get<double>() == *window.P5 &&
                   study.at("p50").get<double>() == *window.P50 &&
                   study.at("p95").get<double>() == *window.P95;
        };
        QVERIFY(same(overall.at("peak_layer_temperature_c"),
                     vorla::study::Summarise(band.PeakLayerTemperaturesC())));
        QCOMPARE(overall.contains("aset_s"), tenability);
        if (!tenability) {
            delete explore;
            return;
        }
        QVERIFY(same(overall.at("aset_s"), vorla::study::Summarise(band.AsetSeconds())));
        const auto shares = band.TenabilityShares();
        QCOMPARE(shares.size(), std::size_t(6));
        for (const auto& share : shares) {
            QCOMPARE(overall.at("tenability_reached_s@" + share.Criterion)
                         .at("count")
                         .get<std::size_t>(),
                     share.Failed);
        }
        const auto risk = band.Risk();
        QVERIFY(risk.has_value());
        const auto& studyRisk = summary.at("aset_risk");
        QCOMPARE(studyRisk.at("failures").get<std::size_t>(), risk->Failures);
        QCOMPARE(studyRisk.at("trials").get<std::size_t>(), risk->Trials);
        QCOMPARE(studyRisk.at("p").get<double>(), *risk->Probability.P);
        delete explore;
    }
};

QTEST_MAIN(SkevaExploreTest)
#include "explore_window_test.moc"
