// The physics options, the loss fraction estimate, the validity limits and
// the model uncertainty of `vorla compartment` and `vorla smoke`, run in this
// process: each checked against a hand calculation, the run it must equal, or
// a property of the physics.
#include "cli/vorla_command.h"
#include "tests/support/batch_run.h"
#include "tests/support/test_files.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace vorla::cli {
namespace {

using Json = nlohmann::json;
using test_support::ReadFile;
using test_support::RunBatch;

const std::string kExamples = VORLA_EXAMPLES_DIR;

std::vector<std::string> Plus(std::vector<std::string> words,
                              const std::vector<std::string>& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

// The office of the golden reports with the sofa fire (1500 kW peak).
const std::vector<std::string> kOffice = test_support::OfficeCommand(
    kExamples + "/office-sofa-tsquared.fir", "600", {"--output-name", "OFFICE.VOF"});

// A 1000 m² hall, 12 m high, under the 1 MW t-squared fire.
const std::vector<std::string> kHall = {"smoke",
                                        "--output-name",
                                        "HALL.SOF",
                                        "--fire",
                                        kExamples + "/medium-tsquared-1mw.fir",
                                        "--floor-area",
                                        "1000",
                                        "--room-height",
                                        "12",
                                        "--run-time",
                                        "600"};

class ModelOptionsCommand : public ::testing::Test {
  protected:
    std::string In(const std::string& name) const { return folder_.PathOf(name); }

    // The report (standard output) and the summary JSON of one run.
    std::pair<std::string, Json> Run(const std::vector<std::string>& args) const {
        const auto run = RunBatch(Plus(args, {"--summary", In("summary.json")}));
        EXPECT_EQ(run.Status, kExitSuccess) << run.Err;
        return {run.Out, Json::parse(ReadFile(In("summary.json")))};
    }

    test_support::TemporaryFolder folder_;
};

// The defaults named change no byte of the report or the key results.
TEST_F(ModelOptionsCommand, TheDefaultsNamedChangeNothing) {
    for (const auto& base : {kOffice, kHall}) {
        const auto plain = Run(base);
        const auto named = Run(Plus(base, {"--fire-position", "centre", "--plume", "zukoski"}));
        EXPECT_EQ(named.first, plain.first) << base[0];
        EXPECT_EQ(named.second.dump(), plain.second.dump()) << base[0];
        EXPECT_FALSE(plain.second["inputs"].contains("fire_position"));
        EXPECT_FALSE(plain.second.contains("model_uncertainty"));
    }
}

// The estimate is what the estimator window types into the heat loss fraction
// box (0.5711 for this office, worked by hand in model_inputs_test): the
// report is the one of that box's text, and the header shows it to three
// decimals as it shows any typed fraction; the line after it says the
// estimator gave it, with its entries.
TEST_F(ModelOptionsCommand, TheEstimateIsTheRunOfTheEstimatorsText) {
    const auto estimated = Run(Plus(kOffice, {"--loss-fraction", "estimate"}));
    const auto typed = Run(Plus(kOffice, {"--loss-fraction", "0.5711"}));
    EXPECT_EQ(estimated.first,
              typed.first +
                  "Loss fraction: --loss-fraction estimate --aspect-ratio 1 --ceiling smooth\r\n");
    EXPECT_NE(estimated.first.find("HEAT LOSS FRACTION          :   0.571\r\n"), std::string::npos);
    const Json& inputs = estimated.second["inputs"];
    EXPECT_EQ(inputs["loss_fraction"], 0.5711);
    EXPECT_EQ(inputs["loss_fraction_rule"], "estimate");
    EXPECT_EQ(inputs["aspect_ratio"], 1);
    EXPECT_EQ(inputs["ceiling"], "smooth");
    EXPECT_FALSE(typed.second["inputs"].contains("loss_fraction_rule"));
}

// A fire against a wall or in a corner entrains less air: the same heat goes
// into less gas, so the layer is hotter, the more so in a corner.
TEST_F(ModelOptionsCommand, AWallOrACornerMakeTheLayerHotter) {
    for (const auto& base : {kOffice, kHall}) {
        const double centre = Run(base).second["peak_layer_temperature_c"];
        const auto wall = Run(Plus(base, {"--fire-position", "wall"})).second;
        const auto corner = Run(Plus(base, {"--fire-position", "corner"})).second;
        EXPECT_GT(double(wall["peak_layer_temperature_c"]), centre) << base[0];
        EXPECT_GT(double(corner["peak_layer_temperature_c"]),
                  double(wall["peak_layer_temperature_c"]))
            << base[0];
        EXPECT_EQ(corner["inputs"]["fire_position"], "corner");
        EXPECT_EQ(corner["inputs"]["plume"], "zukoski");
    }
    const auto heskestad = Run(Plus(kHall, {"--plume", "heskestad"})).second;
    EXPECT_EQ(heskestad["inputs"]["plume"], "heskestad");
    EXPECT_EQ(heskestad["inputs"]["fire_position"], "centre");
}

// The office's sofa fire under a 2.4 m ceiling: Heskestad's flame,
// 0.235·Q^(2/5), reaches the ceiling at Q = (2.4/0.235)^(5/2) = 333.3 kW, the
// first row of the CSV at or above it; the peak Q*_H is the peak rate over
// 1110.39·2.4^(5/2) = 9908.6 kW, beyond the 0.038 of the tests.
TEST_F(ModelOptionsCommand, TheValidityLimitsTheOfficeLeaves) {
    const auto run = Run(Plus(kOffice, {"--csv", In("rows.csv")}));
    double flamesAt = -1;
    std::istringstream rows(ReadFile(In("rows.csv")));
    std::string line;
    std::getline(rows, line);
    while (std::getline(rows, line) && flamesAt < 0) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');) {
            cells.push_back(cell);
        }
        if (std::stod(cells[3]) >= 333.3) {
            flamesAt = std::stod(cells[0]);
        }
    }
    const Json& summary = run.second;
    ASSERT_TRUE(summary.contains("validity_flames_reach_ceiling_s")) << summary.dump(2);
    EXPECT_EQ(double(summary["validity_flames_reach_ceiling_s"]), flamesAt);
    ASSERT_TRUE(summary.contains("validity_peak_q_star_h"));
    EXPECT_NEAR(double(summary["validity_peak_q_star_h"]),
                double(summary["peak_heat_release_rate_kw"]) / 9908.6, 1e-4);
    EXPECT_EQ(summary["validity_tested_q_star_h"], Json({0.004, 0.038}));
    // The vent lets in the air the fire needs: the plume is never at its cap.
    EXPECT_TRUE(summary["oxygen_limited_time_s"].is_null());
    EXPECT_FALSE(summary.contains("validity_entrainment_cap_active_s"));
    // Behind a vent of 0.2 m by 1 m the fire is starved of air, and the cap is
    // active from the first oxygen-limited row.
    auto narrow = kOffice;
    narrow[10] = "0.2";
    narrow[14] = "1";
    const Json starved = Run(narrow).second;
    ASSERT_FALSE(starved["oxygen_limited_time_s"].is_null());
    EXPECT_EQ(starved["validity_entrainment_cap_active_s"], starved["oxygen_limited_time_s"]);

    // The CSV names the same limits after its other columns.
    const auto csv = RunBatch(Plus(kOffice, {"-o", In("office.vof"), "--summary-csv", "-"}));
    ASSERT_EQ(csv.Status, kExitSuccess) << csv.Err;
    EXPECT_NE(csv.Out.find(",validity_flames_reach_ceiling_s,"), std::string::npos);
}

// The model uncertainty with the default fraction 0.6: VORLA-XW's statistics
// (δ 0.803, σ̃_M 0.299 for the rise; 0.904, 0.131 for the depth) applied to the
// run's own peak rise over 21.11 °C and its deepest layer.
TEST_F(ModelOptionsCommand, TheModelUncertaintyOfTheRunsRule) {
    const Json summary = Run(Plus(kOffice, {"--model-uncertainty"})).second;
    EXPECT_EQ(summary["model_uncertainty_statistics"], "VORLA-XW");
    EXPECT_EQ(summary["model_uncertainty_chi_rule"], "0.6");
    const double predicted = double(summary["peak_layer_temperature_c"]) - 21.11;
    const std::string rise = "peak_layer_temperature_rise_k";
    EXPECT_NEAR(double(summary[rise]), predicted, 1e-9);
    EXPECT_NEAR(double(summary[rise + "_corrected"]), predicted / 0.803, 1e-6);
    EXPECT_NEAR(double(summary[rise + "_low95"]), predicted / 0.803 * std::exp(-0.598), 1e-6);
    EXPECT_NEAR(double(summary[rise + "_high95"]), predicted / 0.803 * std::exp(0.598), 1e-6);
    const std::string depth = "greatest_layer_depth_m";
    const double deepest = 2.4 - double(summary["lowest_interface_height_m"]);
    EXPECT_NEAR(double(summary[depth]), deepest, 1e-9);
    EXPECT_NEAR(double(summary[depth + "_corrected"]), std::min(2.4, deepest / 0.904), 1e-9);
    EXPECT_LE(double(summary[depth + "_high95"]), 2.4);

    const Json estimated =
        Run(Plus(kOffice, {"--model-uncertainty", "--loss-fraction", "estimate"})).second;
    EXPECT_EQ(estimated["model_uncertainty_chi_rule"], "estimate");
    EXPECT_EQ(estimated[rise + "_bias"], 1.005);
    const Json hall = Run(Plus(kHall, {"--model-uncertainty", "--plume", "heskestad"})).second;
    EXPECT_EQ(hall["model_uncertainty_statistics"], "SKEVA-XW Heskestad plume");
}

TEST_F(ModelOptionsCommand, NoStatisticsNoModelUncertainty) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {Plus(kOffice, {"--loss-fraction", "0.7"}),
         "vorla compartment: --model-uncertainty: the validation measured the model with the "
         "heat loss fraction 0.6 or the estimator's (--loss-fraction estimate), not with 0.7.\n"},
        {Plus(kHall, {"--fire-position", "wall"}),
         "vorla smoke: --model-uncertainty: the validation has no statistics for this fire "
         "position with this plume; the model uncertainty is known for a fire in the open with "
         "either plume.\n"},
    };
    for (const auto& c : cases) {
        const auto run =
            RunBatch(Plus(c.args, {"--model-uncertainty", "--summary", In("refused.json")}));
        EXPECT_EQ(run.Status, kExitInputRejected);
        EXPECT_EQ(run.Err, c.message);
        EXPECT_EQ(run.Out, "");
    }
    // Without a key results file the option changes nothing, and says so.
    const auto unused = RunBatch(Plus(kOffice, {"--model-uncertainty"}));
    EXPECT_EQ(unused.Status, kExitSuccess);
    EXPECT_NE(unused.Err.find("--model-uncertainty only changes the key results"),
              std::string::npos);
}

TEST_F(ModelOptionsCommand, TheHelpNamesTheNewOptions) {
    for (const char* model : {"compartment", "smoke"}) {
        const auto help = RunBatch({model, "--help"});
        for (const char* option : {"--fire-position centre|wall|corner",
                                   "--plume zukoski|heskestad", "--model-uncertainty"}) {
            EXPECT_NE(help.Out.find(option), std::string::npos) << model << " " << option;
        }
    }
    const auto help = RunBatch({"compartment", "--help"});
    EXPECT_NE(help.Out.find("--loss-fraction estimate"), std::string::npos);
    EXPECT_NE(help.Out.find("--aspect-ratio R"), std::string::npos);
}

} // namespace
} // namespace vorla::cli

namespace vorla::cli {
namespace {

// The options' line of -o: written only for options that are not the
// defaults, followed by --from, overridden by an option given beside it, and
// a damaged one named.
TEST_F(ModelOptionsCommand, TheSavedLineTravelsWithFrom) {
    const struct {
        std::vector<std::string> Base;
        std::vector<std::string> Options;
        const char* Line;
        std::vector<std::string> Override;   // back to one default
        std::vector<std::string> Overridden; // the run the override must equal
    } kCases[] = {
        {kOffice,
         {"--fire-position", "corner", "--plume", "heskestad"},
         "Model options: --fire-position corner --plume heskestad\r\n",
         {"--plume", "zukoski"},
         {"--fire-position", "corner"}},
        {kHall,
         {"--plume", "heskestad"},
         "Model options: --plume heskestad\r\n",
         {"--plume", "zukoski"},
         {}},
    };
    for (const auto& c : kCases) {
        // The run of a saved report: the office's flashover answer is no input.
        const auto fromRun = [&c](std::vector<std::string> args) {
            if (c.Base[0] == "compartment") {
                args.insert(args.begin() + 1, {"--flashover", "continue"});
            }
            return args;
        };
        const std::string saved = In("saved-" + c.Base[0] + ".txt");
        const auto optioned = Run(Plus(Plus(c.Base, c.Options), {"-o", saved}));
        const std::string text = ReadFile(saved);
        ASSERT_GE(text.size(), std::string(c.Line).size());
        EXPECT_EQ(text.substr(text.size() - std::string(c.Line).size()), c.Line) << c.Base[0];

        const auto from = Run(fromRun({c.Base[0], "--from", saved, "-o", In("from.txt")}));
        EXPECT_EQ(from.second["peak_layer_temperature_c"],
                  optioned.second["peak_layer_temperature_c"]);
        EXPECT_EQ(from.second["lowest_interface_height_m"],
                  optioned.second["lowest_interface_height_m"]);
        EXPECT_EQ(from.second["inputs"]["plume"], "heskestad");
        // The report --from writes carries the line on.
        const std::string again = ReadFile(In("from.txt"));
        EXPECT_EQ(again.substr(again.size() - std::string(c.Line).size()), c.Line);

        const auto overridden =
            Run(fromRun(Plus({c.Base[0], "--from", saved, "-o", In("o.txt")}, c.Override)));
        const auto expected = Run(Plus(Plus(c.Base, c.Overridden), {"-o", In("e.txt")}));
        EXPECT_EQ(overridden.second["peak_layer_temperature_c"],
                  expected.second["peak_layer_temperature_c"]);
        EXPECT_EQ(overridden.second["lowest_interface_height_m"],
                  expected.second["lowest_interface_height_m"]);

        // A report of the defaults has no line, and --from of it runs the defaults.
        const std::string plainPath = In("plain-" + c.Base[0] + ".txt");
        const auto plain = Run(Plus(c.Base, {"-o", plainPath}));
        EXPECT_EQ(ReadFile(plainPath).find("Model options"), std::string::npos);
        const auto fromPlain = Run(fromRun({c.Base[0], "--from", plainPath, "-o", In("p.txt")}));
        EXPECT_EQ(fromPlain.second["peak_layer_temperature_c"],
                  plain.second["peak_layer_temperature_c"]);
        EXPECT_FALSE(fromPlain.second["inputs"].contains("plume"));

        // A damaged line stops the command, naming the file and the line.
        std::string damaged = text;
        damaged.replace(damaged.rfind("heskestad"), 9, "mccaffrey");
        const std::string damagedPath = In("damaged.txt");
        std::ofstream(damagedPath, std::ios::binary) << damaged;
        const auto refused = RunBatch({c.Base[0], "--from", damagedPath, "-o", In("d.txt")});
        EXPECT_EQ(refused.Status, kExitFileProblem);
        EXPECT_NE(refused.Err.find(damagedPath + ": Line "), std::string::npos) << refused.Err;
        EXPECT_NE(refused.Err.find("--plume must be zukoski or heskestad, not \"mccaffrey\"."),
                  std::string::npos)
            << refused.Err;
    }
}

} // namespace
} // namespace vorla::cli

namespace vorla::cli {
namespace {

// The model uncertainty chosen in a saved report travels with --from as the
// fire position does: the run of the report gives the key results of the run
// that saved it, and writes the line again; --no-model-uncertainty gives the
// plain key results and report; a rule the validation has no statistics for
// is refused naming where the choice came from.
TEST_F(ModelOptionsCommand, TheSavedModelUncertaintyTravelsWithFrom) {
    const std::string saved = In("uncertain.vof");
    const auto original = Run(Plus(kOffice, {"--model-uncertainty", "-o", saved}));
    const std::string rise = "peak_layer_temperature_rise_k";
    ASSERT_TRUE(original.second.contains(rise + "_corrected"));
    const auto fromRun = [](std::vector<std::string> more) {
        return Plus({"compartment", "--flashover", "continue"}, more);
    };

    const auto from = Run(fromRun({"--from", saved, "-o", In("again.vof")}));
    for (const std::string& key : {rise + "_corrected", rise + "_low95", rise + "_high95",
                                   std::string("greatest_layer_depth_m_corrected"),
                                   std::string("model_uncertainty_statistics")}) {
        EXPECT_EQ(from.second[key], original.second[key]) << key;
    }
    const std::string again = ReadFile(In("again.vof"));
    const std::string line = "Model options: --model-uncertainty\r\n";
    ASSERT_GE(again.size(), line.size());
    EXPECT_EQ(again.substr(again.size() - line.size()), line);
    // Not typed, so not the note about an option without a key results file.
    const auto quiet = RunBatch(fromRun({"--from", saved, "-o", In("quiet.vof")}));
    EXPECT_EQ(quiet.Status, kExitSuccess);
    EXPECT_EQ(quiet.Err.find("only changes the key results"), std::string::npos) << quiet.Err;

    const auto off = Run(fromRun({"--from", saved, "--no-model-uncertainty", "--output-name",
                                  "OFFICE.VOF", "-o", In("off.vof")}));
    const auto plain = Run(Plus(kOffice, {"-o", In("plain.vof")}));
    EXPECT_EQ(off.second.dump(), plain.second.dump());
    EXPECT_EQ(ReadFile(In("off.vof")), ReadFile(In("plain.vof")));

    const struct {
        std::vector<std::string> Args;
        std::string Message;
    } kRefused[] = {
        {fromRun({"--from", saved, "--loss-fraction", "0.7"}),
         "vorla compartment: --model-uncertainty (the model options of " + saved +
             "): the validation measured the model with the heat loss fraction 0.6 or the "
             "estimator's (--loss-fraction estimate), not with 0.7. Give "
             "--no-model-uncertainty to run without it.\n"},
        {Plus(kOffice, {"--model-uncertainty", "--no-model-uncertainty"}),
         "vorla compartment: --model-uncertainty and --no-model-uncertainty cannot both be "
         "given.\n"},
    };
    for (const auto& c : kRefused) {
        const auto run = RunBatch(Plus(c.Args, {"-o", In("refused.vof"), "--summary", "-"}));
        EXPECT_EQ(run.Status, kExitInputRejected);
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "");
    }
}

} // namespace
} // namespace vorla::cli
