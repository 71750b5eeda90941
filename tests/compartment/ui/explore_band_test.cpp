// VORLA-XW's Explore band, driven as a user does: inputs marked uncertain,
// the band against `vorla study` on the file Save as Study writes (the same
// runs, so the same percentiles to the last digit), a change during a band
// discarding it, the "±" dialog, Run as Report through the form's own Run,
// and Export's files.
#include "cli/study_command.h"
#include "common/plot/plot_painter.h"
#include "program_fixture.h"
#include "study/statistics.h"
#include "tests/support/batch_summary.h"
#include "tests/support/window_controls.h"
#include "tests/support/zone_dialogs.h"
#include "zone_models/ui/explore_band.h"
#include "zone_models/ui/explore_band_overlay.h"
#include "zone_models/ui/explore_number_box.h"
#include "zone_models/ui/explore_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

using namespace vorla::compartment;
using namespace vorla::compartment::testing;
using vorla::ui::ExploreFollowed;
using vorla::ui::ExploreNumberBox;
using vorla::ui::ExploreWindow;
using vorla::ui::SpreadKind;
using vorla::ui::SpreadTexts;
using vorla::ui::UncertainInput;

namespace {

// The window's inputs in their order (compartment/ui/explore_model.cpp).
constexpr std::size_t kFloorArea = 0, kLossFraction = 2, kVentWidth = 3;

ExploreWindow* OpenExplore(Program& program) {
    Trigger(program.input, "mnuFileExplore");
    auto* explore = VisibleWindow<ExploreWindow>("frmExplore");
    if (explore != nullptr && !QTest::qWaitFor([explore] { return explore->UpToDate(); })) {
        qWarning("the first run never arrived");
    }
    return explore;
}

UncertainInput Spread(const char* option, std::size_t input, SpreadKind kind,
                      std::vector<std::string> parameters, std::string min = {},
                      std::string max = {}) {
    const auto read = vorla::ui::ReadSpread("compartment", option, input,
                                            SpreadTexts{kind, parameters, min, max});
    if (!std::holds_alternative<UncertainInput>(read)) {
        qWarning("%s", std::get<std::string>(read).c_str());
        return {};
    }
    return std::get<UncertainInput>(read);
}

// Three uncertain inputs, one of each shape.
void MarkThree(ExploreWindow* explore) {
    explore->SetUncertain(kFloorArea,
                          Spread("floor-area", kFloorArea, SpreadKind::Uniform, {"15", "30"}));
    explore->SetUncertain(kLossFraction, Spread("loss-fraction", kLossFraction,
                                                SpreadKind::Triangular, {"0.5", "0.6", "0.9"}));
    explore->SetUncertain(kVentWidth, Spread("vent-width", kVentWidth, SpreadKind::Normal,
                                             {"0.9", "0.15"}, "0.5", "1.5"));
}

bool WaitForBand(ExploreWindow* explore) {
    return QTest::qWaitFor([explore] { return explore->UpToDate() && explore->BandComplete(); },
                           120000);
}

nlohmann::json ReadJson(const std::string& path) {
    return nlohmann::json::parse(vorla::test_support::ReadFile(path));
}

// The study Save as Study writes, run by `vorla study`; its summary.json.
nlohmann::json SavedStudySummary(Program& program, ExploreWindow* explore, const QString& name) {
    const std::string path = program.Path(name + ".toml");
    program.platform.ChooseInNextDialog(path);
    Click(explore, "cmdSaveStudy");
    const std::string folder = program.Path(name + "-results");
    const std::vector<std::string> args{path, "-o", folder, "--no-progress", "-j", "2"};
    std::ostringstream out;
    std::ostringstream err;
    vorla::cli::RunStudyCommand(args, out, err);
    if (!std::filesystem::exists(folder + "/summary.json")) {
        qWarning("vorla study wrote no summary: %s", err.str().c_str());
        return {};
    }
    return ReadJson(folder + "/summary.json");
}

void CompareWithStudy(ExploreWindow* explore, const nlohmann::json& summary) {
    const auto& overall = summary.at("overall");
    const auto& peak = overall.at("peak_layer_temperature_c");
    const auto band = vorla::study::Summarise(explore->Band().PeakLayerTemperaturesC());
    QCOMPARE(peak.at("count").get<std::size_t>(), band.Count);
    QCOMPARE(peak.at("p5").get<double>(), *band.P5);
    QCOMPARE(peak.at("p50").get<double>(), *band.P50);
    QCOMPARE(peak.at("p95").get<double>(), *band.P95);
    // The shares: flashover and every criterion, as the study's proportions.
    const auto& probabilities = overall.at("probabilities");
    const auto shares = explore->Band().Shares();
    // With devices the study adds the sprinkler's (sprinkler_operates, ...),
    // which the band does not draw.
    std::size_t drawn = 0;
    for (const auto& [name, value] : probabilities.items()) {
        drawn += name.starts_with("sprinkler_") ? 0 : 1;
    }
    QCOMPARE(shares.size(), drawn);
    const double flashover = probabilities.at("flashover").at("p").get<double>();
    QCOMPARE(QString::fromStdString(shares.front().Name), QString("Flashover"));
    QCOMPARE(double(shares.front().Reached) / double(explore->Band().OkRuns()), flashover);
}

// The tenability of the band against the study's: the runs in which each
// criterion failed, the ASETs' percentiles and P(ASET < RSET).
void CompareTenabilityWithStudy(ExploreWindow* explore, const nlohmann::json& summary) {
    const auto& overall = summary.at("overall");
    const auto& band = explore->Band();
    const auto asets = vorla::study::Summarise(band.AsetSeconds());
    const auto& aset = overall.at("aset_s");
    QCOMPARE(aset.at("count").get<std::size_t>(), asets.Count);
    QVERIFY(asets.Count > 0);
    QCOMPARE(aset.at("p5").get<double>(), *asets.P5);
    QCOMPARE(aset.at("p50").get<double>(), *asets.P50);
    QCOMPARE(aset.at("p95").get<double>(), *asets.P95);
    const auto shares = band.TenabilityShares();
    QCOMPARE(shares.size(), std::size_t(6));
    for (const auto& share : shares) {
        QCOMPARE(
            overall.at("tenability_reached_s@" + share.Criterion).at("count").get<std::size_t>(),
            share.Failed);
    }
    const auto risk = band.Risk();
    QVERIFY(risk.has_value());
    const auto& studyRisk = summary.at("aset_risk");
    QCOMPARE(studyRisk.at("failures").get<std::size_t>(), risk->Failures);
    QCOMPARE(studyRisk.at("trials").get<std::size_t>(), risk->Trials);
    QCOMPARE(studyRisk.at("undecided").get<std::size_t>(), risk->Undecided);
    QCOMPARE(studyRisk.at("p").get<double>(), *risk->Probability.P);
    QCOMPARE(studyRisk.at("low").get<double>(), *risk->Probability.Low);
    QCOMPARE(studyRisk.at("high").get<double>(), *risk->Probability.High);
}

// The form's tenability followed, with lit signs, through its dialog.
void FollowTenability(Program& program) {
    Trigger(program.input, "mnuFileTenability");
    QPointer<QDialog> dialog = Control<QDialog>(program.input, "dlgTenability");
    QVERIFY(dialog && dialog->isVisible());
    Control<QCheckBox>(dialog, "chkFollow")->setChecked(true);
    Control<QComboBox>(dialog, "cboSign")->setCurrentIndex(1); // lit
    Click(dialog, "cmdOK");
    Program::Settle();
}

// The widest point of the band in the picture: of the pixels between the 95 %
// and the 5 % curves, how many are the band's colour over the plotting area's
// (alpha over: background + (band - background) * 70 / 255) and how many the
// plotting area's bare colour (none, where the band is filled; the curves
// drawn over it are the rest), and whether the pixels well above it are bare.
struct BandPixelCount {
    int Banded = 0;
    int Bare = 0;
    bool BareAbove = false;
};
BandPixelCount BandPixels(const QImage& image, const vorla::plot::Plot& plot) {
    const auto geometry =
        vorla::plot::LayOutPlot(plot, QRectF(QPointF(0, 0), QSizeF(image.size())), &image);
    const auto& area = plot.Series.front().Points; // upper edge, then the lower edge back
    const std::size_t n = area.size() / 2;
    std::size_t widest = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (area[i].Y - area[2 * n - 1 - i].Y > area[widest].Y - area[2 * n - 1 - widest].Y) {
            widest = i;
        }
    }
    const QPointF top = geometry.ToCanvas(area[widest].X, area[widest].Y);
    const QPointF bottom = geometry.ToCanvas(area[widest].X, area[2 * n - 1 - widest].Y);
    const auto bg = vorla::plot::kBackground;
    const QColor band = vorla::ui::ExploreBandOverlay::kBandColour;
    const auto blend = [](int under, int over) { return under + (over - under) * 70.0 / 255; };
    const auto near = [](QColor pixel, double r, double g, double b) {
        return std::abs(pixel.red() - r) <= 3 && std::abs(pixel.green() - g) <= 3 &&
               std::abs(pixel.blue() - b) <= 3;
    };
    const int x = static_cast<int>(std::lround(top.x())) + 2; // beside a grid line, if any
    BandPixelCount count;
    for (int y = static_cast<int>(top.y()) + 3; y < static_cast<int>(bottom.y()) - 3; ++y) {
        const QColor pixel = image.pixelColor(x, y);
        count.Banded += near(pixel, blend(bg.Red, band.red()), blend(bg.Green, band.green()),
                             blend(bg.Blue, band.blue()))
                            ? 1
                            : 0;
        count.Bare += near(pixel, bg.Red, bg.Green, bg.Blue) ? 1 : 0;
    }
    const QColor above = image.pixelColor(x, static_cast<int>(geometry.Area.top()) + 3);
    count.BareAbove = near(above, bg.Red, bg.Green, bg.Blue);
    return count;
}
} // namespace

class CompartmentExploreBandTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

  private slots:
    void initTestCase() {
        vorla::test_support::UseTestSettings("vorla-xw", settingsFolder_.path());
    }
    void init() { QSettings().clear(); }

    // Three uncertain inputs on the ramp to flashover: the band's peak layer
    // temperatures and shares are those of `vorla study` on the saved file,
    // with the model's defaults, with the form's Model Options (the dialog's
    // list indexes; a corner fire with Heskestad's plume gives other
    // temperatures, so a study file without them gives another band) and with
    // the form's sprinkler and a fire that decays once it operates (a file
    // without them has the unsuppressed fire's higher peaks and more
    // flashovers).
    void TheBandIsTheStudyOfItsSavedFile_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("plume");
        QTest::addColumn<bool>("sprinkler");
        QTest::newRow("the model's defaults") << 0 << 0 << false;
        QTest::newRow("corner fire, Heskestad plume") << 2 << 1 << false;
        QTest::newRow("sprinkler, decaying fire") << 0 << 0 << true;
    }
    void TheBandIsTheStudyOfItsSavedFile() {
        QFETCH(int, position);
        QFETCH(int, plume);
        QFETCH(bool, sprinkler);
        Program program;
        program.FillRoom(program.WriteFile("ramp.fir", kRampFire), "600", "20");
        if (sprinkler) {
            QVERIFY(vorla::test_support::TypeSprinklers(program.input.get(),
                                                        {{"S1", "2", "50", "68"}}, "0.07")
                        .Closed);
        }
        if (position != 0 || plume != 0) {
            Trigger(program.input, "mnuFileModelOptions");
            QPointer<QDialog> options = Control<QDialog>(program.input, "dlgModelOptions");
            QVERIFY(options && options->isVisible());
            Control<QComboBox>(options, "cboFirePosition")->setCurrentIndex(position);
            Control<QComboBox>(options, "cboPlume")->setCurrentIndex(plume);
            Click(options, "cmdOK");
            Program::Settle();
        }
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(40);
        Control<QSpinBox>(explore, "txtBandSeed")->setValue(2026);
        MarkThree(explore);
        QVERIFY(WaitForBand(explore));
        QCOMPARE(explore->Band().RunsIn(), std::size_t(40));
        // The values never changed: no grey "Previous" over the run itself.
        QVERIFY(!explore->HasGhost());
        // Flashover in some runs and not in others: the band spans the edge
        // (the sprinkler's fire decays before any run reaches it).
        const auto shares = explore->Band().Shares();
        QCOMPARE(shares.front().Reached > 0, !sprinkler);
        QVERIFY(Control<QLabel>(explore, "lblBand")->text().contains("40 of 40 runs"));
        QVERIFY(explore->LegendTexts().join('|').contains("Median of 40 runs"));
        const auto summary = SavedStudySummary(program, explore, "ramp-study");
        QVERIFY(!summary.is_null());
        QCOMPARE(summary.at("runs").get<std::size_t>(), std::size_t(40));
        CompareWithStudy(explore, summary);
        const auto& probabilities = summary.at("overall").at("probabilities");
        QCOMPARE(probabilities.contains("sprinkler_operates"), sprinkler);
        if (sprinkler) {
            // The sprinkler operated in the study's runs: the rule changed their fire.
            QVERIFY(probabilities.at("sprinkler_operates").at("p").get<double>() > 0);
        }
    }

    // A change while the band is under way: the older band's chunks are
    // thrown away, and the band that stands is the study of the new values.
    void AChangeDuringABandDiscardsIt() {
        Program program;
        program.FillRoom(program.WriteFile("ramp.fir", kRampFire), "600", "20");
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(200);
        MarkThree(explore);
        int firstChunks = 0;
        const int generation = explore->Generation();
        connect(explore, &ExploreWindow::BandShown, this,
                [&firstChunks, generation](int shown, int) { firstChunks += shown == generation; });
        QTRY_VERIFY_WITH_TIMEOUT(firstChunks > 0, 60000);
        QVERIFY(!explore->BandComplete());
        Control<ExploreNumberBox>(explore, "txtRoomHeight")->setValue(3);
        QVERIFY(explore->Generation() > generation);
        // Nothing of the old band stays: none, or the new one with no run in yet.
        QVERIFY(explore->BandRuns() == 0 || explore->Band().RunsIn() == 0);
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(30);
        QVERIFY(WaitForBand(explore));
        QCOMPARE(explore->Band().RunsIn(), std::size_t(30));
        const auto summary = SavedStudySummary(program, explore, "changed");
        QVERIFY(!summary.is_null());
        CompareWithStudy(explore, summary);
    }

    // The "±" button: a wrong number is said in the dialog, which stays; a
    // right one marks the input and starts the band; Certain unmarks it.
    void ThePlusMinusDialogMarksAnInput() {
        Program program;
        program.FillRoom(program.WriteFile("steady.fir", kSteadyFire), "600", "20");
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        auto* button = Control<QToolButton>(explore, "cmdFloorAreaUncertain");
        button->click();
        auto* dialog = explore->findChild<QDialog*>("dlgUncertainty");
        QVERIFY(dialog != nullptr && dialog->isVisible());
        // The range offered is ten per cent either side of the box's 20 m².
        QCOMPARE(Control<QLineEdit>(dialog, "txtParameter(0)")->text(), QString("18"));
        QCOMPARE(Control<QLineEdit>(dialog, "txtParameter(1)")->text(), QString("22"));
        Control<QLineEdit>(dialog, "txtParameter(1)")->setText("12");
        Click(dialog, "cmdOK");
        QVERIFY(dialog->isVisible());
        QVERIFY(Control<QLabel>(dialog, "lblMessage")->text().contains("low below high"));
        QVERIFY(!explore->IsUncertain(kFloorArea));
        Control<QLineEdit>(dialog, "txtParameter(1)")->setText("24");
        Click(dialog, "cmdOK");
        QVERIFY(explore->IsUncertain(kFloorArea));
        QVERIFY(button->isChecked());
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(10);
        QVERIFY(WaitForBand(explore));
        QVERIFY(explore->StudyText().find("floor-area = { uniform = [18, 24] }") !=
                std::string::npos);

        button->click();
        dialog = explore->findChild<QDialog*>("dlgUncertainty");
        QVERIFY(dialog != nullptr);
        Control<QComboBox>(dialog, "cboDistribution")->setCurrentIndex(0);
        Click(dialog, "cmdOK");
        QVERIFY(!explore->IsUncertain(kFloorArea));
        QVERIFY(!button->isChecked());
        QCOMPARE(explore->BandRuns(), std::size_t(0));
    }

    // Run as Report: the form's box takes the window's value and Run goes on
    // as the menu's (its flashover question, its report); the report's Key
    // Results are the window's.
    void RunAsReportFillsTheFormAndRuns() {
        Program program;
        program.FillRoom(program.WriteFile("ramp.fir", kRampFire), "600", "20");
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        Control<ExploreNumberBox>(explore, "txtFloorArea")->setValue(40);
        QTRY_VERIFY(explore->UpToDate());
        const QString lines = Control<QPlainTextEdit>(explore, "txtKeyResults")->toPlainText();
        program.platform.AnswerNextQuestion(MessageButton::No); // the flashover question
        Click(explore, "cmdRunAsReport");
        QCOMPARE(program.Box(InputBox::txtFloorArea)->text(), QString("40"));
        QCOMPARE(program.Box(InputBox::txtRoomHeight)->text(), QString("2.4")); // untouched
        QWidget* report = Program::Report();
        QVERIFY(report != nullptr);
        QTRY_COMPARE(Control<QPlainTextEdit>(report, "txtKeyResults")->toPlainText(), lines);
    }

    // Export…: the curves and the band as CSV (a header and a line a row), and
    // the graph as a PNG, through the Save dialog.
    void ExportWritesTheCurvesAndTheBand() {
        Program program;
        program.FillRoom(program.WriteFile("steady.fir", kSteadyFire), "600", "20");
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(10);
        explore->SetUncertain(kFloorArea,
                              Spread("floor-area", kFloorArea, SpreadKind::Uniform, {"15", "30"}));
        QVERIFY(WaitForBand(explore));
        const std::string csvPath = program.Path("explore.csv");
        program.platform.ChooseInNextDialog(csvPath);
        Click(explore, "cmdExport");
        const QStringList lines = QString::fromStdString(vorla::test_support::ReadFile(csvPath))
                                      .split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), int(explore->Shown().Graph.Minutes.size()) + 1);
        const QStringList header = lines.front().split(',');
        const int quantities = int(explore->Shown().Graph.Quantities.size());
        QCOMPARE(header.size(), 1 + 4 * quantities);
        QCOMPARE(header[0], QString("Time (min)"));
        QVERIFY(header[2].endsWith(" p5") && header[3].endsWith(" median") &&
                header[4].endsWith(" p95"));
        // At every row the band is ordered: p5 <= median <= p95.
        for (int i = 1; i < lines.size(); ++i) {
            const QStringList cells = lines[i].split(',');
            for (int q = 0; q < quantities; ++q) {
                const double p5 = cells[2 + 4 * q].toDouble();
                const double p50 = cells[3 + 4 * q].toDouble();
                const double p95 = cells[4 + 4 * q].toDouble();
                QVERIFY(p5 <= p50 && p50 <= p95);
            }
        }
        const std::string pngPath = program.Path("explore.png");
        program.platform.ChooseInNextDialog(pngPath);
        Click(explore, "cmdExport");
        QVERIFY(vorla::test_support::ReadFile(pngPath).starts_with("\x89PNG"));
        // The picture fills the band as the window does: between the 5 and
        // 95 % curves at its widest the pixels are the band's colour over the
        // plotting area or the curves drawn over it, never the bare area.
        const auto plot = explore->CurrentPlot();
        QCOMPARE(plot.Series.front().Style, vorla::plot::SeriesStyle::Area);
        QImage image(QString::fromStdString(pngPath));
        QVERIFY(!image.isNull());
        const BandPixelCount pixels = BandPixels(image, plot);
        QVERIFY2(pixels.Banded >= 4, qPrintable(QString::number(pixels.Banded)));
        QCOMPARE(pixels.Bare, 0);
        QVERIFY(pixels.BareAbove);
        // The SVG has the band as a filled path of that colour, see-through,
        // and the median's line.
        const std::string svgPath = program.Path("explore.svg");
        program.platform.ChooseInNextDialog(svgPath);
        Click(explore, "cmdExport");
        const std::string svg = vorla::test_support::ReadFile(svgPath);
        QVERIFY(svg.find("fill=\"#78beff\"") != std::string::npos);
        QVERIFY(svg.find("fill-opacity=\"0.27") != std::string::npos);
        QVERIFY(svg.find("Median") != std::string::npos);
        QCOMPARE(program.platform.Messages().size(), std::size_t(0));
    }

    // Tenability followed by the form and an RSET drawn for every run: each
    // criterion's failures, the ASETs and P(ASET < RSET) with its interval
    // are those `vorla study` gives for the saved file.
    void TheTenabilityBandIsTheStudyOfItsSavedFile() {
        Program program;
        program.FillRoom(program.WriteFile("ramp.fir", kRampFire), "600", "20");
        FollowTenability(program);
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(40);
        Control<QSpinBox>(explore, "txtBandSeed")->setValue(11);
        MarkThree(explore);
        Click(explore, "cmdRset");
        auto* dialog = explore->findChild<QDialog*>("dlgRset");
        QVERIFY(dialog != nullptr && dialog->isVisible());
        Control<QComboBox>(dialog, "cboDistribution")->setCurrentIndex(2); // uniform
        Control<QLineEdit>(dialog, "txtParameter(0)")->setText("22");
        Control<QLineEdit>(dialog, "txtParameter(1)")->setText("10");
        Click(dialog, "cmdOK");
        QVERIFY(dialog->isVisible()); // low above high: said, and the dialog stays
        QVERIFY(!Control<QLabel>(dialog, "lblMessage")->text().isEmpty());
        // Lit signs in a 20 m² room fail visibility within 12 to 20 s: an
        // RSET across that leaves some runs safe and some not.
        Control<QLineEdit>(dialog, "txtParameter(0)")->setText("10");
        Control<QLineEdit>(dialog, "txtParameter(1)")->setText("22");
        Click(dialog, "cmdOK");
        QVERIFY(explore->Rset().has_value());
        QCOMPARE(QString::fromStdString(explore->Rset()->Written),
                 QString("{ uniform = [10, 22] }"));
        QVERIFY(WaitForBand(explore));
        const QString text = Control<QLabel>(explore, "lblBand")->text();
        QVERIFY2(text.contains("P(ASET < RSET) = ") && text.contains("P(visibility fails) = "),
                 qPrintable(text));
        const auto risk = explore->Band().Risk();
        QVERIFY(risk && risk->Failures > 0 && risk->Failures < risk->Trials);
        const auto summary = SavedStudySummary(program, explore, "tenability-study");
        QVERIFY(!summary.is_null());
        CompareWithStudy(explore, summary);
        CompareTenabilityWithStudy(explore, summary);
    }

    // An RSET counted from the first detection: offered only when the runs
    // follow a device; each run's RSET is its detection time plus the drawn
    // seconds, as `vorla study` counts the saved file's
    // `from = "detection"`, so the same draws set against later RSETs fail
    // at least as often as from ignition. Without the device the band says
    // why it has no RSET instead of leaving every run undecided.
    void TheRsetCanBeCountedFromTheFirstDetection() {
        Program program;
        program.FillRoom(program.WriteFile("ramp.fir", kRampFire), "600", "20");
        FollowTenability(program);
        auto* plain = OpenExplore(program);
        QVERIFY(plain != nullptr);
        Click(plain, "cmdRset");
        QPointer<QDialog> dialog = plain->findChild<QDialog*>("dlgRset");
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(!Control<QCheckBox>(dialog, "chkFromDetection")->isEnabled());
        Click(dialog, "cmdCancel");
        plain->close();
        Program::Settle();

        QVERIFY(
            vorla::test_support::TypeSprinklers(program.input.get(), {{"Head", "0.5", "50", "68"}})
                .Closed);
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(40);
        Control<QSpinBox>(explore, "txtBandSeed")->setValue(11);
        MarkThree(explore);
        const auto setRset = [explore](bool fromDetection) {
            Click(explore, "cmdRset");
            auto* rset = explore->findChild<QDialog*>("dlgRset");
            QVERIFY(rset != nullptr && rset->isVisible());
            auto* box = Control<QCheckBox>(rset, "chkFromDetection");
            QVERIFY(box->isEnabled());
            box->setChecked(fromDetection);
            Control<QComboBox>(rset, "cboDistribution")->setCurrentIndex(2); // uniform
            Control<QLineEdit>(rset, "txtParameter(0)")->setText("10");
            Control<QLineEdit>(rset, "txtParameter(1)")->setText("22");
            Click(rset, "cmdOK");
            QVERIFY(explore->Rset() && explore->Rset()->FromDetection == fromDetection);
            QVERIFY(WaitForBand(explore));
        };
        setRset(false);
        const auto fromIgnition = explore->Band().Risk();
        QVERIFY(fromIgnition.has_value());

        setRset(true);
        QCOMPARE(Control<QPushButton>(explore, "cmdRset")->text(),
                 QString("RSE&T: detection + { uniform = [10, 22] }…"));
        const auto fromDetection = explore->Band().Risk();
        QVERIFY(fromDetection && fromDetection->Trials > 0);
        QVERIFY2(fromDetection->Failures >= fromIgnition->Failures,
                 qPrintable(QString("%1 failures from detection, %2 from ignition")
                                .arg(fromDetection->Failures)
                                .arg(fromIgnition->Failures)));
        QVERIFY(explore->StudyText().find(
                    "rset = { pre-movement = { uniform = [10, 22] }, movement = 0, from = "
                    "\"detection\" }\n") != std::string::npos);
        const auto summary = SavedStudySummary(program, explore, "detection-study");
        QVERIFY(!summary.is_null());
        QCOMPARE(summary.at("study").at("rset").at("from").get<std::string>(),
                 std::string("detection"));
        CompareTenabilityWithStudy(explore, summary);

        // The same dialog reopened shows the RSET as it was chosen.
        Click(explore, "cmdRset");
        dialog = explore->findChild<QDialog*>("dlgRset");
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(Control<QCheckBox>(dialog, "chkFromDetection")->isChecked());
        QCOMPARE(Control<QLineEdit>(dialog, "txtParameter(1)")->text(), QString("22"));
        Click(dialog, "cmdCancel");

        ExploreFollowed withoutDevices = explore->Followed();
        withoutDevices.Devices.clear();
        explore->SetFollowed(withoutDevices);
        QVERIFY(QTest::qWaitFor([explore] { return explore->UpToDate(); }));
        QVERIFY2(Control<QLabel>(explore, "lblBand")
                     ->text()
                     .contains("The RSET is counted from the first detection, and the runs "
                               "follow no detector or sprinkler"),
                 qPrintable(Control<QLabel>(explore, "lblBand")->text()));
    }

    // The model's own error drawn in every run (the "±" dialog's check box):
    // the band is `vorla study` of the saved file with [model-uncertainty],
    // and differs from the band without it; a heat loss fraction the
    // validation did not measure refuses every run, saying why.
    void TheModelsErrorIsInTheBand() {
        Program program;
        program.FillRoom(program.WriteFile("ramp.fir", kRampFire), "600", "20");
        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(30);
        Control<QSpinBox>(explore, "txtBandSeed")->setValue(3);
        explore->SetUncertain(kFloorArea,
                              Spread("floor-area", kFloorArea, SpreadKind::Uniform, {"15", "30"}));
        Click(explore, "cmdVentWidthUncertain");
        auto* dialog = explore->findChild<QDialog*>("dlgUncertainty");
        QVERIFY(dialog != nullptr);
        Control<QCheckBox>(dialog, "chkModelUncertainty")->setChecked(true);
        Click(dialog, "cmdOK");
        QVERIFY(explore->ModelUncertainty());
        QVERIFY(explore->IsUncertain(kVentWidth));
        QVERIFY(WaitForBand(explore));
        QCOMPARE(explore->Band().OkRuns(), std::size_t(30));
        const auto drawn = explore->Band().PeakLayerTemperaturesC();
        QVERIFY(explore->StudyText().find("\n[model-uncertainty]\n") != std::string::npos);
        const auto summary = SavedStudySummary(program, explore, "error-study");
        QVERIFY(!summary.is_null());
        CompareWithStudy(explore, summary);

        explore->SetModelUncertainty(false);
        QVERIFY(WaitForBand(explore));
        const auto plain = explore->Band().PeakLayerTemperaturesC();
        QCOMPARE(plain.size(), drawn.size());
        std::size_t differ = 0;
        for (std::size_t r = 0; r < plain.size(); ++r) {
            differ += plain[r] != drawn[r] ? 1 : 0;
        }
        QCOMPARE(differ, plain.size()); // every run's error is its own draw

        explore->SetModelUncertainty(true);
        Control<ExploreNumberBox>(explore, "txtTotalLossFraction")->setValue(0.7);
        QVERIFY(WaitForBand(explore));
        QCOMPARE(explore->Band().OkRuns(), std::size_t(0));
        QVERIFY2(Control<QLabel>(explore, "lblBand")
                     ->text()
                     .contains("30 runs refused: model-uncertainty: the validation measured"),
                 qPrintable(Control<QLabel>(explore, "lblBand")->text()));
    }

    // The form's estimate with the model's error drawn: the band draws the
    // estimator's error (a typed 0.5714 has no statistics: every run would
    // be refused), and the saved study, with `loss-fraction = "estimate"`,
    // estimates the fraction again, to the digit the batch command's, and
    // gives the same band. With an input the estimator reads varied, the
    // file writes the number and the band draws its error: every run refused.
    void TheEstimatedFractionsBandIsTheStudyOfItsSavedFile() {
        Program program;
        const std::string fire = program.WriteFile("ramp.fir", kRampFire);
        program.FillRoom(fire, "600", "20");
        const QString estimate = program.EstimateLossFraction("1.25");
        QVERIFY(!estimate.isEmpty());
        const QJsonObject batch =
            vorla::test_support::BatchSummary(vorla::test_support::OfficeCommand(
                fire, "600",
                {"--loss-fraction", "estimate", "--aspect-ratio", "1.25", "-o", "/dev/null"},
                "20"));
        QCOMPARE(estimate.toDouble(), batch["inputs"].toObject()["loss_fraction"].toDouble());

        auto* explore = OpenExplore(program);
        QVERIFY(explore != nullptr);
        Control<QSpinBox>(explore, "txtBandRuns")->setValue(30);
        Control<QSpinBox>(explore, "txtBandSeed")->setValue(11);
        explore->SetUncertain(kVentWidth, Spread("vent-width", kVentWidth, SpreadKind::Normal,
                                                 {"0.9", "0.15"}, "0.5", "1.5"));
        explore->SetModelUncertainty(true);
        QVERIFY(WaitForBand(explore));
        QCOMPARE(explore->Band().OkRuns(), std::size_t(30));
        const std::string text = explore->StudyText();
        QVERIFY2(text.find("\nloss-fraction = \"estimate\"\naspect-ratio = 1.25\nceiling = "
                           "\"smooth\"\n") != std::string::npos,
                 text.c_str());
        const auto summary = SavedStudySummary(program, explore, "estimate-study");
        QVERIFY(!summary.is_null());
        QCOMPARE(summary.at("runs").get<std::size_t>(), std::size_t(30));
        CompareWithStudy(explore, summary);

        explore->SetUncertain(kFloorArea,
                              Spread("floor-area", kFloorArea, SpreadKind::Uniform, {"15", "30"}));
        QVERIFY(WaitForBand(explore));
        QCOMPARE(explore->Band().OkRuns(), std::size_t(0));
        QVERIFY2(Control<QLabel>(explore, "lblBand")
                     ->text()
                     .contains("30 runs refused: model-uncertainty: the validation measured"),
                 qPrintable(Control<QLabel>(explore, "lblBand")->text()));
        const std::string varied = explore->StudyText();
        QVERIFY2(varied.find("\nloss-fraction = " + estimate.toStdString() + "\n") !=
                         std::string::npos &&
                     varied.find("aspect-ratio") == std::string::npos,
                 varied.c_str());
    }
};

QTEST_MAIN(CompartmentExploreBandTest)
#include "explore_band_test.moc"
