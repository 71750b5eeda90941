// The band's parts without a window: the distribution editor's reading (each
// field wrong once, with the study file's own words), the study text the
// band samples from, and the band's statistics against hand calculations.
#include "zone_models/ui/explore_band.h"
#include "life_safety/detection/device_options.h"
#include "study/sampling.h"
#include "study/statistics.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace vorla;
using namespace vorla::ui;

namespace {

SpreadTexts Texts(SpreadKind kind, std::vector<std::string> parameters, std::string min = {},
                  std::string max = {}) {
    return {kind, std::move(parameters), std::move(min), std::move(max)};
}

std::vector<ExploreInput> TwoInputs() {
    ExploreInput area;
    area.Box = "txtFloorArea";
    area.StudyOption = "floor-area";
    ExploreInput loss;
    loss.Box = "txtTotalLossFraction";
    loss.StudyOption = "loss-fraction";
    return {area, loss};
}

// A run whose one quantity is `value` at every minute of 0..rows-1.
ExploreRun FlatRun(double value, int rows, std::optional<double> flashover = std::nullopt) {
    ExploreRun run;
    GraphQuantity quantity;
    quantity.AxisTitle = "Upper Layer Temperature (°C)";
    for (int i = 0; i < rows; ++i) {
        run.Graph.Minutes.push_back(i);
        quantity.Values.push_back(value);
    }
    run.Graph.Quantities.push_back(quantity);
    KeyResults keys;
    keys.Model = ModelKind::Compartment;
    keys.FlashoverTimeS = flashover;
    keys.PeakLayerTemperatureC = value;
    keys.InterfaceReachesS = {{1.8, value > 2 ? std::optional<double>(10.0) : std::nullopt}};
    run.Keys = keys;
    run.FlashoverSeconds = flashover;
    return run;
}

} // namespace

class ExploreBandTest : public QObject {
    Q_OBJECT

  private slots:
    void EveryFieldWrongOnceIsNamed_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("parameters");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("message");
        const int u = int(SpreadKind::Uniform), t = int(SpreadKind::Triangular),
                  n = int(SpreadKind::Normal), l = int(SpreadKind::Lognormal);
        // One row a field, the others right.
        QTest::newRow("uniform low not a number") << u << QStringList{"abc", "30"} << ""
                                                  << ""
                                                  << "Low must be a number, not \"abc\".";
        QTest::newRow("uniform high empty") << u << QStringList{"10", ""} << ""
                                            << ""
                                            << "High must be a number, not \"\".";
        QTest::newRow("uniform high below low")
            << u << QStringList{"30", "10"} << ""
            << ""
            << "vary.floor-area.uniform: needs two numbers [low, high], low below high.";
        QTest::newRow("uniform with a bound")
            << u << QStringList{"10", "30"} << "5"
            << ""
            << "Only a normal or lognormal distribution takes a min.";
        QTest::newRow("a text that would break the file")
            << u << QStringList{"10], x = [2", "30"} << ""
            << ""
            << "Low must be a number, not \"10], x = [2\".";
        QTest::newRow("triangular minimum") << t << QStringList{"x", "2", "3"} << ""
                                            << ""
                                            << "Minimum must be a number, not \"x\".";
        QTest::newRow("triangular mode outside")
            << t << QStringList{"1", "5", "3"} << ""
            << ""
            << "vary.floor-area.triangular: needs three numbers [min, mode, max], min <= mode <= "
               "max, min below max.";
        QTest::newRow("triangular maximum") << t << QStringList{"1", "2", "1e999"} << ""
                                            << ""
                                            << "Maximum must be a number, not \"1e999\".";
        QTest::newRow("normal mean") << n << QStringList{"-", "2"} << ""
                                     << ""
                                     << "Mean must be a number, not \"-\".";
        QTest::newRow("normal sd zero")
            << n << QStringList{"20", "0"} << ""
            << ""
            << "vary.floor-area.normal: needs two numbers [mean, sd], sd above 0.";
        QTest::newRow("normal min not a number") << n << QStringList{"20", "2"} << "low"
                                                 << ""
                                                 << "Min must be a number or empty, not \"low\".";
        QTest::newRow("normal max not a number") << n << QStringList{"20", "2"} << ""
                                                 << "25 m"
                                                 << "Max must be a number or empty, not \"25 m\".";
        QTest::newRow("normal min above max") << n << QStringList{"20", "2"} << "25"
                                              << "15"
                                              << "vary.floor-area: min must be below max.";
        QTest::newRow("normal bounds keep nothing")
            << n << QStringList{"20", "1"} << "100"
            << "101"
            << "vary.floor-area: min and max keep almost none of the distribution";
        QTest::newRow("lognormal sigma negative")
            << l << QStringList{"0", "-1"} << ""
            << ""
            << "vary.floor-area.lognormal: needs two numbers [mu, sigma] of ln(value), sigma above "
               "0.";
        QTest::newRow("lognormal negative bound")
            << l << QStringList{"0", "1"} << "-1"
            << ""
            << "vary.floor-area.min: a lognormal value is above 0, so its bounds are not negative.";
        QTest::newRow("two numbers where three are wanted")
            << t << QStringList{"1", "2"} << ""
            << ""
            << "The distribution needs three numbers.";
    }
    void EveryFieldWrongOnceIsNamed() {
        QFETCH(int, kind);
        QFETCH(QStringList, parameters);
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(QString, message);
        std::vector<std::string> texts;
        for (const auto& text : parameters) {
            texts.push_back(text.toStdString());
        }
        const auto read =
            ReadSpread("compartment", "floor-area", 0,
                       Texts(SpreadKind(kind), texts, min.toStdString(), max.toStdString()));
        QVERIFY(std::holds_alternative<std::string>(read));
        const QString said = QString::fromStdString(std::get<std::string>(read));
        QVERIFY2(said.startsWith(message), qPrintable(said));
    }

    // What the editor accepts is written as the study file writes it, and
    // read back as the same distribution.
    void ARightSpreadIsWrittenAndReadBack_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("parameters");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("written");
        QTest::newRow("uniform") << int(SpreadKind::Uniform) << QStringList{"15", " 25.5 "} << ""
                                 << ""
                                 << "{ uniform = [15, 25.5] }";
        QTest::newRow("triangular, mode at an end")
            << int(SpreadKind::Triangular) << QStringList{"0.5", "0.5", "0.9"} << ""
            << ""
            << "{ triangular = [0.5, 0.5, 0.9] }";
        QTest::newRow("normal, one bound")
            << int(SpreadKind::Normal) << QStringList{"20", "2"} << "15"
            << ""
            << "{ normal = [20, 2], min = 15 }";
        QTest::newRow("lognormal, both bounds")
            << int(SpreadKind::Lognormal) << QStringList{"-0.1", "0.2"} << "0.5"
            << "2"
            << "{ lognormal = [-0.1, 0.2], min = 0.5, max = 2 }";
    }
    void ARightSpreadIsWrittenAndReadBack() {
        QFETCH(int, kind);
        QFETCH(QStringList, parameters);
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(QString, written);
        std::vector<std::string> texts;
        for (const auto& text : parameters) {
            texts.push_back(text.toStdString());
        }
        const auto read =
            ReadSpread("compartment", "vent-width", 3,
                       Texts(SpreadKind(kind), texts, min.toStdString(), max.toStdString()));
        QVERIFY(std::holds_alternative<UncertainInput>(read));
        const auto& input = std::get<UncertainInput>(read);
        QCOMPARE(input.Input, std::size_t(3));
        QCOMPARE(QString::fromStdString(input.Written), written);
        const SpreadTexts back = TextsOfSpread(input.Spread);
        QCOMPARE(int(back.Kind), kind);
        QCOMPARE(back.Parameters.size(), texts.size());
        for (std::size_t p = 0; p < texts.size(); ++p) {
            QCOMPARE(std::stod(back.Parameters[p]), std::stod(texts[p]));
        }
    }

    // Latin hypercube: with N runs each of the N equal strata of a uniform
    // input holds exactly one sample, and the samples are the study's for the
    // file's own text (the seed changes them, the same seed does not).
    void TheBandsSamplesAreALatinHypercube() {
        const auto inputs = TwoInputs();
        const auto area =
            ReadSpread("compartment", "floor-area", 0, Texts(SpreadKind::Uniform, {"10", "30"}));
        const auto loss = ReadSpread("compartment", "loss-fraction", 1,
                                     Texts(SpreadKind::Triangular, {"0.5", "0.6", "0.9"}));
        const std::vector<UncertainInput> uncertain{std::get<UncertainInput>(area),
                                                    std::get<UncertainInput>(loss)};
        const std::size_t runs = 20;
        const auto read = BandStudy("compartment", {runs, 7}, inputs, uncertain);
        QVERIFY(std::holds_alternative<study::Study>(read));
        const auto& design = std::get<study::Study>(read);
        QCOMPARE(design.Sampling, study::SamplingMethod::LatinHypercube);
        QCOMPARE(design.TotalRuns(), runs);
        const study::StudySampler sampler(design);
        std::vector<int> strata(runs, 0);
        for (std::size_t r = 0; r < runs; ++r) {
            const double value = std::get<double>(sampler.Sample(r).Values[0]);
            QVERIFY(value > 10 && value < 30);
            ++strata[static_cast<std::size_t>((value - 10) / 20 * runs)];
        }
        QCOMPARE(std::count(strata.begin(), strata.end(), 1), std::ptrdiff_t(runs));

        const std::string file =
            StudyFileText("compartment", {runs, 7}, inputs, uncertain,
                          {{"units", "\"si\""}, {"floor-area", "20"}}, {1.8}, {600});
        const auto fromFile = study::ParseStudy(file, "saved.toml");
        QVERIFY2(std::holds_alternative<study::Study>(fromFile),
                 std::get_if<std::string>(&fromFile) ? std::get<std::string>(fromFile).c_str()
                                                     : "");
        const auto& saved = std::get<study::Study>(fromFile);
        QCOMPARE(saved.Seed, std::uint64_t(7));
        QCOMPARE(saved.SamplesPerGridPoint, runs);
        const study::StudySampler savedSampler(saved);
        const auto other = BandStudy("compartment", {runs, 8}, inputs, uncertain);
        const study::StudySampler otherSampler(std::get<study::Study>(other));
        bool seedMatters = false;
        for (std::size_t r = 0; r < runs; ++r) {
            for (std::size_t j = 0; j < 2; ++j) {
                QCOMPARE(std::get<double>(savedSampler.Sample(r).Values[j]),
                         std::get<double>(sampler.Sample(r).Values[j]));
                seedMatters |= std::get<double>(otherSampler.Sample(r).Values[j]) !=
                               std::get<double>(sampler.Sample(r).Values[j]);
            }
        }
        QVERIFY(seedMatters);
    }

    // Five flat runs at 1..5: type 7 puts the 5 % point at 1 + 0.2 = 1.2, the
    // median at 3 and the 95 % point at 4 + 0.8 = 4.8, at every row; a refused
    // run counts as in but not in the statistics; runs shorter than the
    // longest leave the rows past their end.
    void TheBandsPercentilesAreTheStudys() {
        BandStatistics band;
        const double values[] = {4, 2, 5, 1, 3}; // in no order
        for (std::size_t r = 0; r < 5; ++r) {
            band.Add(
                r, FlatRun(values[r], r == 4 ? 3 : 6, r < 2 ? std::optional(60.0) : std::nullopt));
        }
        ExploreRun refused;
        refused.Message = "Refused.";
        band.Add(5, refused);
        QCOMPARE(band.RunsIn(), std::size_t(6));
        QCOMPARE(band.OkRuns(), std::size_t(5));
        const BandCurve curve = band.Curve(0);
        QCOMPARE(curve.Minutes.size(), std::size_t(6));
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(curve.P5[i], 1.2);
            QCOMPARE(curve.P50[i], 3.0);
            QCOMPARE(curve.P95[i], 4.8);
        }
        // Past minute 2 the run at 3 has ended: 1, 2, 4, 5 give 1.15, 3, 4.85.
        QCOMPARE(curve.P5[4], 1.15);
        QCOMPARE(curve.P50[4], 3.0);
        QCOMPARE(curve.P95[4], 4.85);
        const auto shares = band.Shares();
        QCOMPARE(shares.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(shares[0].Name), QString("Flashover"));
        QCOMPARE(shares[0].Reached, std::size_t(2));
        QCOMPARE(shares[1].Reached, std::size_t(3)); // the runs above 2
        QCOMPARE(band.PeakLayerTemperaturesC(), (std::vector<double>{4, 2, 5, 1, 3}));
    }

    // Five runs that followed tenability, come in out of order, against an
    // RSET each: by hand, run 0 fails (100 < 150), runs 1-3 are safe (200 >=
    // 150, held to 600 s, 300 >= 250) and run 4 held only to 150 s, short of
    // its 200 s: undecided. One failure in four trials: Wilson's 95 % interval
    // (z = 1.96) is 0.0456 to 0.6994.
    void TenabilityAndRiskAreCountedAsTheStudyCountsThem() {
        struct Row {
            std::optional<double> Aset;
            std::optional<double> Visibility, FedToxic;
            double End, Rset;
        };
        const Row rows[] = {{100, 100, std::nullopt, 600, 150},
                            {200, 200, std::nullopt, 600, 150},
                            {std::nullopt, std::nullopt, std::nullopt, 600, 150},
                            {300, 300, 400, 600, 250},
                            {std::nullopt, std::nullopt, std::nullopt, 150, 200}};
        BandStatistics band;
        for (const std::size_t r : {3, 0, 4, 2, 1}) {
            ExploreRun run = FlatRun(1, 3);
            run.Keys->EndTimeS = rows[r].End;
            TenabilityKeys keys;
            keys.AsetS = rows[r].Aset;
            keys.ReachedS = {{"visibility", rows[r].Visibility}, {"fed_toxic", rows[r].FedToxic}};
            run.Keys->Tenability = keys;
            band.Add(r, run, rows[r].Rset);
        }
        ExploreRun refused;
        refused.Message = "The later refusal.";
        band.Add(7, refused);
        refused.Message = "The first refusal.";
        band.Add(6, refused);
        QCOMPARE(band.FirstRefusal(), std::string("The first refusal."));
        QCOMPARE(band.TenabilityRuns(), std::size_t(5));
        const auto shares = band.TenabilityShares();
        QCOMPARE(shares.size(), std::size_t(2));
        QCOMPARE(shares[0].Words, std::string("visibility"));
        QCOMPARE(shares[0].Failed, std::size_t(3));
        QCOMPARE(shares[1].Words, std::string("toxic dose (FED)"));
        QCOMPARE(shares[1].Failed, std::size_t(1));
        QCOMPARE(band.AsetSeconds(), (std::vector<double>{100, 200, 300})); // in run order
        const auto risk = band.Risk();
        QVERIFY(risk.has_value());
        QCOMPARE(risk->Failures, std::size_t(1));
        QCOMPARE(risk->Trials, std::size_t(4));
        QCOMPARE(risk->Undecided, std::size_t(1));
        QCOMPARE(*risk->Probability.P, 0.25);
        QVERIFY(std::abs(*risk->Probability.Low - 0.0456) < 1e-4);
        QVERIFY(std::abs(*risk->Probability.High - 0.6994) < 1e-4);
        // Without an RSET there is no risk to give.
        BandStatistics without;
        without.Add(0, FlatRun(1, 3));
        QVERIFY(!without.Risk());
        QVERIFY(without.TenabilityShares().empty());
    }

    // The model's error on the curves, by hand: a rise doubled and a depth
    // halved in a 3 m room turn 121.11 °C into 221.11 °C and an interface at
    // 1 m (2 m deep) into one at 2 m; in U.S. units 250 °F (121.1111 °C, a
    // rise of 100.0011 K) into 221.1122 °C, 430.002 °F, and 1 m in feet into
    // 2 m in feet.
    void TheModelsErrorMovesTheLayerCurves() {
        const auto graph = [](double temperature, double interface) {
            GraphResults g;
            g.Minutes = {0};
            g.Quantities.resize(3);
            g.Quantities[0].Values = {temperature};
            g.Quantities[1].Values = {interface};
            g.Quantities[2].Values = {500}; // heat release: not the error's
            return g;
        };
        const ModelErrorFactors factors{2, 0.5};
        GraphResults si = graph(121.11, 1);
        ApplyModelErrorToGraph(si, factors, 3, UnitSystem::SI);
        QVERIFY(std::abs(si.Quantities[0].Values[0] - 221.11) < 1e-9);
        QVERIFY(std::abs(si.Quantities[1].Values[0] - 2) < 1e-12);
        QCOMPARE(si.Quantities[2].Values[0], 500.0);
        GraphResults us = graph(250, 1 / 0.3048);
        ApplyModelErrorToGraph(us, factors, 3, UnitSystem::US);
        QVERIFY(std::abs(us.Quantities[0].Values[0] - 430.002) < 1e-3);
        QVERIFY(std::abs(us.Quantities[1].Values[0] - 2 / 0.3048) < 1e-9);
    }

    // The RSET as the study file takes it, each wrong once with the reader's words.
    void AnRsetIsReadAsTheStudyFileReadsIt_data() {
        QTest::addColumn<int>("kind"); // -1: a fixed number
        QTest::addColumn<QStringList>("parameters");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("expected"); // the written value, or a part of the refusal
        QTest::addColumn<bool>("ok");
        QTest::newRow("fixed") << -1 << QStringList{"300"} << "" << "300" << true;
        QTest::newRow("uniform") << int(SpreadKind::Uniform) << QStringList{"240", "360"} << ""
                                 << "{ uniform = [240, 360] }" << true;
        QTest::newRow("bounded normal")
            << int(SpreadKind::Normal) << QStringList{"300", "60"} << "0"
            << "{ normal = [300, 60], min = 0 }" << true;
        QTest::newRow("negative") << -1 << QStringList{"-5"} << "" << "0 s or more" << false;
        QTest::newRow("not a number")
            << -1 << QStringList{"soon"} << "" << "a number of seconds" << false;
        QTest::newRow("normal below zero")
            << int(SpreadKind::Normal) << QStringList{"300", "60"} << "" << "below 0 s" << false;
        QTest::newRow("reversed") << int(SpreadKind::Uniform) << QStringList{"360", "240"} << ""
                                  << "rset" << false;
    }
    void AnRsetIsReadAsTheStudyFileReadsIt() {
        QFETCH(int, kind);
        QFETCH(QStringList, parameters);
        QFETCH(QString, min);
        QFETCH(QString, expected);
        QFETCH(bool, ok);
        std::optional<SpreadTexts> texts;
        if (kind >= 0) {
            std::vector<std::string> numbers;
            for (const auto& p : parameters) {
                numbers.push_back(p.toStdString());
            }
            texts = Texts(static_cast<SpreadKind>(kind), numbers, min.toStdString());
        }
        const auto read = ReadRset("compartment", texts, parameters.front().toStdString());
        if (ok) {
            QVERIFY(std::holds_alternative<BandRset>(read));
            QCOMPARE(QString::fromStdString(std::get<BandRset>(read).Written), expected);
        } else {
            QVERIFY(std::holds_alternative<std::string>(read));
            const QString problem = QString::fromStdString(std::get<std::string>(read));
            QVERIFY2(problem.contains(expected), qPrintable(problem));
        }
    }

    // The band's study draws the RSET and the model's error from the seed and
    // the run alone: two runs differ, the same run twice is the same.
    void TheBandsStudyDrawsTheRsetAndTheModelsError() {
        BandSettings settings{20, 5, true, BandRset{"{ uniform = [240, 360] }"}};
        const auto read = BandStudy("compartment", settings, TwoInputs(), {});
        QVERIFY(std::holds_alternative<study::Study>(read));
        const auto& band = std::get<study::Study>(read);
        QVERIFY(band.ModelUncertainty);
        QVERIFY(band.Rset.has_value());
        const auto rset = [&](std::size_t run) { return *study::DrawRset(band, run).Rset({}); };
        QVERIFY(rset(0) >= 240 && rset(0) <= 360);
        QVERIFY(rset(0) != rset(1));
        QCOMPARE(rset(3), rset(3));
        const auto error = study::DrawModelErrorNormals(band, 2);
        QVERIFY(error.has_value());
        QVERIFY(error != study::DrawModelErrorNormals(band, 3));
        settings.ModelUncertainty = false;
        const auto plain = std::get<study::Study>(BandStudy("compartment", settings, TwoInputs(), {}));
        QVERIFY(!study::DrawModelErrorNormals(plain, 2));
    }

    // The form's tenability as [base] lines: read back by the tenability
    // reader in the study's units (U.S. here: feet and °F), every number is
    // the very S.I. value the window ran with.
    void TheTenabilityIsWrittenSoItReadsBackExactly() {
        tenability::TenabilityTexts texts;
        texts.Given = true;
        texts.FuelKind = tenability::Fuel::Polystyrene;
        texts.Inputs.Yields = tenability::DefaultsOf(texts.FuelKind).Yields;
        texts.Inputs.HeadHeight = 1.5;
        texts.Inputs.Criteria.Temperature = 57.3;
        texts.Inputs.Criteria.LayerHeight = 1.9;
        texts.Inputs.Sign = tenability::SignKind::Lit;
        for (const UnitSystem units : {UnitSystem::SI, UnitSystem::US}) {
            std::vector<std::pair<std::string, std::string>> base;
            AddTenabilityStudyBase(texts, units, base);
            tenability::OptionValues values;
            for (const auto& [option, value] : base) {
                // A word is written quoted, as TOML writes a text.
                values[option] = value.front() == '"' ? value.substr(1, value.size() - 2) : value;
            }
            QCOMPARE(values.at("fuel"), std::string("polystyrene"));
            QCOMPARE(values.at("sign"), std::string("lit"));
            const auto read = tenability::ReadTenabilityTexts(values, units);
            QVERIFY(std::holds_alternative<tenability::TenabilityTexts>(read));
            const auto& inputs = std::get<tenability::TenabilityTexts>(read).Inputs;
            QCOMPARE(inputs.HeadHeight, 1.5);
            QCOMPARE(*inputs.Criteria.LayerHeight, 1.9);
            QCOMPARE(inputs.Criteria.Temperature, 57.3);
            QCOMPARE(inputs.Yields.Soot, texts.Inputs.Yields.Soot);
        }
        std::vector<std::pair<std::string, std::string>> none;
        AddTenabilityStudyBase({}, UnitSystem::SI, none);
        QVERIFY(none.empty());
    }

    // The form's devices as one [base] `device` list: each text read back by
    // the --device reader in the study's units (feet and °F in U.S. units)
    // is the very device the window ran with, whatever its kind; the rule
    // follows only with a sprinkler to start it; a heat of combustion the
    // user did not give is not written (the fire file's stands).
    void TheDevicesAreWrittenSoTheyReadBackExactly() {
        using detection::Device;
        using detection::DeviceKind;
        // Name, kind, radius and depth below the ceiling (m), RTI, C, the
        // operating temperature (K), a smoke detector's rise or optical density.
        const auto device = [](const char* name, DeviceKind kind, double radius, double below,
                               double rti, double c, double kelvin) {
            Device made;
            made.Name = name;
            made.Kind = kind;
            made.Radius = radius;
            made.BelowCeiling = below;
            made.Rti = rti;
            made.Conduction = c;
            made.OperatingTemperature = kelvin;
            return made;
        };
        std::vector<Device> devices{
            device("S1", DeviceKind::Sprinkler, 2.3, 0.07, 50, 0.5, 68.3 + 273.15),
            device("H1", DeviceKind::HeatDetector, 1.1, 0.013, 28.7, 0, 57.2 + 273.15),
            device("D1", DeviceKind::SmokeDetector, 3.7, 0.021, 0, 0, 0),
            device("D2", DeviceKind::SmokeDetector, 0.9, 0.025, 0, 0, 0)};
        devices[2].TemperatureRise = 13.5;
        devices[3].Obscuration = 0.0468;
        detection::Suppression decaying;
        decaying.Rule = detection::SuppressionRule::Decaying;
        decaying.SprayDensity = 0.071;
        decaying.Constant = 3.2;
        decaying.Exponent = 1.8;
        for (const UnitSystem units : {UnitSystem::SI, UnitSystem::US}) {
            std::vector<std::pair<std::string, std::string>> base;
            AddDevicesStudyBase(devices, decaying, units, base);
            QCOMPARE(base.size(), std::size_t(5));
            QCOMPARE(base[0].first, std::string("device"));
            std::vector<std::string> texts;
            const std::string& list = base[0].second;
            for (std::size_t at = list.find('"'); at != std::string::npos;
                 at = list.find('"', list.find('"', at + 1) + 1)) {
                texts.push_back(list.substr(at + 1, list.find('"', at + 1) - at - 1));
            }
            QCOMPARE(texts.size(), devices.size());
            for (std::size_t k = 0; k < devices.size(); ++k) {
                const auto read = detection::ParseDeviceOption(texts[k], units, int(k) + 1);
                QVERIFY2(std::holds_alternative<Device>(read), texts[k].c_str());
                QVERIFY2(std::get<Device>(read) == devices[k], texts[k].c_str());
            }
            const std::vector<std::pair<std::string, std::string>> rule{
                {"suppression", "\"decaying\""},
                {"spray-density", "0.071"},
                {"suppression-constant", "3.2"},
                {"suppression-exponent", "1.8"}};
            QVERIFY(std::equal(rule.begin(), rule.end(), base.begin() + 1));
        }
        // Without a sprinkler the batch command refuses a rule: none written.
        std::vector<std::pair<std::string, std::string>> detectors;
        AddDevicesStudyBase({devices[1]}, decaying, UnitSystem::SI, detectors);
        QCOMPARE(detectors.size(), std::size_t(1));
        std::vector<std::pair<std::string, std::string>> none;
        AddDevicesStudyBase({}, decaying, UnitSystem::SI, none);
        QVERIFY(none.empty());

        tenability::TenabilityTexts texts;
        texts.Given = true;
        texts.Inputs.Yields.HeatOfCombustion = 12400;
        for (const bool given : {false, true}) {
            texts.HeatOfCombustionGiven = given;
            std::vector<std::pair<std::string, std::string>> lines;
            AddTenabilityStudyBase(texts, UnitSystem::SI, lines);
            const auto heat = std::find_if(lines.begin(), lines.end(), [](const auto& line) {
                return line.first == "heat-of-combustion";
            });
            QCOMPARE(heat != lines.end(), given);
            if (given) {
                QCOMPARE(heat->second, std::string("12400"));
            }
        }
    }

    void ACurveIsReadLinearlyBetweenRows() {
        const std::vector<double> minutes{0, 1, 3};
        const std::vector<double> values{0, 10, 30};
        QCOMPARE(CurveValueAt(minutes, values, 0.5).value(), 5.0);
        QCOMPARE(CurveValueAt(minutes, values, 2).value(), 20.0);
        QCOMPARE(CurveValueAt(minutes, values, 3).value(), 30.0);
        QVERIFY(!CurveValueAt(minutes, values, 3.01));
        QVERIFY(!CurveValueAt(minutes, values, -0.01));
        QVERIFY(!CurveValueAt({}, {}, 0));
    }

    // A value the form keeps in metres behind a box in feet is written so
    // that the reader's `feet * 0.3048` gives the very metres back wherever
    // some double does (searched here, wider, one by one), and within one
    // unit in the last place where none does.
    void AKeptValueIsWrittenSoItReadsBackExactly() {
        const double feet = 0.3048, squareFeet = 0.09290304;
        for (const double si : {3.0, 1.0, 2.4, 0.9, 1.99996, 10.0, 20.0, 123.456, 0.1, 7.3}) {
            for (const double factor : {feet, squareFeet}) {
                const double written = WrittenValueOfKept(si, factor);
                bool someExact = false;
                double x = si / factor;
                for (int i = 0; i < 16; ++i) {
                    x = std::nextafter(x, -HUGE_VAL);
                }
                for (int i = 0; i <= 32; ++i, x = std::nextafter(x, HUGE_VAL)) {
                    someExact |= x * factor == si;
                }
                if (someExact) {
                    QCOMPARE(written * factor, si);
                } else {
                    QVERIFY(std::abs(written * factor - si) <= std::nextafter(si, HUGE_VAL) - si);
                }
            }
        }
    }

    void ATomlTextKeepsQuotesAndBackslashes() {
        QCOMPARE(QString::fromStdString(TomlText("Shop \"A\" C:\\fires")),
                 QString("\"Shop \\\"A\\\" C:\\\\fires\""));
    }
};

QTEST_MAIN(ExploreBandTest)
#include "explore_band_test.moc"
