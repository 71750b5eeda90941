#include "common/fire_files/fire_file_reader.h"
#include "study/study_file.h"
#include "study_test_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vorla::study {
namespace {

constexpr const char* kOfficeStudy = R"(model = "compartment"          # or "smoke"
runs = 1000
seed = 2026
sampling = "latin-hypercube"

[base]
units = "us"
run-time = 900
flashover = "continue"
fire = "medium.fir"
title = "Office"

[vary]
loss-fraction = { uniform = [0.5, 0.9] }
radiative-fraction = { triangular = [0.25, 0.35, 0.45] }
floor-area = { normal = [200, 20], min = 150, max = 250 }
vent-width = { lognormal = [1.1, 0.2] }
soffit-height = { values = [6, 6.5, 7] }
fire = { choice = ["slow.fir", "medium.fir", "fast.fir"], weights = [0.2, 0.5, 0.3] }

[criteria]
interface-height = [6, 5]
layer-temperature = [140, 392, 1112]
)";

TEST(ReadStudyFile, ReadsEverySettingInFileOrder) {
    TestFolder folder;
    const auto read = ReadStudyFile(folder.Write("office.toml", kOfficeStudy));
    ASSERT_TRUE(std::holds_alternative<Study>(read)) << std::get<std::string>(read);
    const Study& study = std::get<Study>(read);
    EXPECT_EQ(study.Model.Model, ModelKind::Compartment);
    EXPECT_EQ(study.SamplesPerGridPoint, 1000u);
    EXPECT_EQ(study.Seed, 2026u);
    EXPECT_EQ(study.Sampling, SamplingMethod::LatinHypercube);
    EXPECT_EQ(study.Units, UnitSystem::US);
    ASSERT_EQ(study.Base.size(), 4u);
    EXPECT_EQ(study.Base[0].Name, "run-time");
    EXPECT_EQ(std::get<double>(study.Base[0].Value), 900);
    EXPECT_EQ(std::get<std::string>(study.Base[3].Value), "Office");

    const char* names[] = {"loss-fraction", "radiative-fraction", "floor-area",
                           "vent-width",    "soffit-height",      "fire"};
    ASSERT_EQ(study.Vary.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(study.Vary[i].Name, names[i]);
    }
    const auto& floor = std::get<Normal>(*study.Vary[2].Sampled);
    EXPECT_FALSE(floor.Lognormal);
    EXPECT_EQ(*floor.Min, 150);
    EXPECT_EQ(*floor.Max, 250);
    EXPECT_TRUE(std::get<Normal>(*study.Vary[3].Sampled).Lognormal);
    EXPECT_TRUE(study.Vary[4].IsGrid());
    EXPECT_TRUE(study.Vary[5].IsText);
    EXPECT_EQ(std::get<Choice>(*study.Vary[5].Sampled).Weights,
              (std::vector<double>{0.2, 0.5, 0.3}));
    EXPECT_EQ(study.GridPoints(), 3u);
    EXPECT_EQ(study.TotalRuns(), 3000u);

    // Criteria in the file's units (ft, °F) become metres and degrees Celsius.
    EXPECT_EQ(study.Criteria.InterfaceHeightsM, (std::vector<double>{1.8288, 1.524}));
    EXPECT_EQ(study.Criteria.LayerTemperaturesC, (std::vector<double>{60, 200, 600}));
    EXPECT_EQ(study.CriteriaHeightsAsWritten, (std::vector<double>{6, 5}));

    // Every fire is read once, medium.fir although named twice.
    ASSERT_EQ(study.Fires.size(), 3u);
    const auto& medium = *study.Fires.at(folder.Path("medium.fir"));
    EXPECT_EQ(medium.LastIndex, 2);
    EXPECT_EQ(medium.Points[1].Rate, 1000);
}

TEST(ReadStudyFile, DefaultsOfAPlainGrid) {
    TestFolder folder;
    const auto read = ReadStudyFile(folder.Write(
        "grid.toml", "model = \"smoke\"\n[vary]\nfloor-area = { values = [10, 20] }\n"));
    ASSERT_TRUE(std::holds_alternative<Study>(read)) << std::get<std::string>(read);
    const Study& study = std::get<Study>(read);
    EXPECT_EQ(study.SamplesPerGridPoint, 1u);
    EXPECT_EQ(study.Seed, 1u);
    EXPECT_EQ(study.Sampling, SamplingMethod::Random);
    EXPECT_EQ(study.Units, UnitSystem::SI);
    EXPECT_EQ(study.Criteria.InterfaceHeightsM, (std::vector<double>{1.8, 1.5}));
    EXPECT_EQ(study.Criteria.LayerTemperaturesC, (std::vector<double>{60, 200, 600}));
    EXPECT_EQ(study.TotalRuns(), 2u);
}

// "1, 2, ..., n" (plus `offset`), a list for a study file.
std::string Numbers(int n, int offset = 0) {
    std::string text;
    for (int i = 1; i <= n; ++i) {
        text += (i == 1 ? "" : ", ") + std::to_string(i + offset);
    }
    return text;
}

TEST(ReadStudyFile, TheEstimateThePlumeOptionsAndTheModelUncertainty) {
    TestFolder folder;
    const auto read = ReadStudyFile(folder.Write("plumes.toml", R"(model = "compartment"
[base]
loss-fraction = "estimate"
aspect-ratio = 1.5
fire-position = "wall"
[vary]
plume = { choice = ["zukoski", "heskestad"] }
fire-position = { values = ["centre", "corner"] }
[model-uncertainty]
)"));
    ASSERT_TRUE(std::holds_alternative<Study>(read)) << std::get<std::string>(read);
    const Study& study = std::get<Study>(read);
    ASSERT_EQ(study.Base.size(), 3u);
    EXPECT_EQ(std::get<std::string>(study.Base[0].Value), "estimate");
    EXPECT_EQ(std::get<double>(study.Base[1].Value), 1.5);
    EXPECT_EQ(std::get<std::string>(study.Base[2].Value), "wall");
    ASSERT_EQ(study.Vary.size(), 2u);
    EXPECT_TRUE(study.Vary[0].IsText);
    EXPECT_FALSE(study.Vary[0].IsGrid());
    EXPECT_EQ(study.Vary[0].Values,
              (std::vector<StudyValue>{std::string("zukoski"), std::string("heskestad")}));
    EXPECT_TRUE(study.Vary[1].IsGrid());
    EXPECT_EQ(study.GridPoints(), 2u);
    EXPECT_TRUE(study.ModelUncertainty);
}

TEST(ReadStudyFile, RefusesMistakesNamingFileLineAndKey) {
    struct Case {
        std::string text;
        std::string message; // after "<path>"; empty for a file that is read
    };
    const std::string smoke = "model = \"smoke\"\n";
    const std::string kOverflow =
        "some samples would overflow (go beyond the largest number, about 1.8e308); narrow the "
        "distribution.";
    const std::string room = "model = \"compartment\"\n";
    const std::string kOneLine =
        "must be one line without control characters (a line break, a tab, NUL or ESC).";
    const Case cases[] = {
        {"model = \"zone\"\n", ":1: model: must be \"compartment\" or \"smoke\"."},
        {"runs = 10\n", ": model: missing; write model = \"compartment\" or model = \"smoke\"."},
        {smoke + "runz = 5\n", ":2: runz: unknown key; a study file has model, runs, seed, "
                               "sampling, [base], [vary], [criteria] and [model-uncertainty]."},
        {smoke + "[model-uncertainty]\n", ""},
        {smoke + "[model-uncertainty]\nbias = 1\n",
         ":2: model-uncertainty: must be an empty table: [model-uncertainty] on a line of its own "
         "draws the model's error for every run."},
        {room + "[base]\nloss-fraction = \"estimate\"\n", ""},
        {room + "[base]\nloss-fraction = \"guess\"\n",
         ":3: base.loss-fraction: must be \"estimate\", not \"guess\"."},
        {smoke + "[base]\nloss-fraction = \"estimate\"\n",
         ":3: base.loss-fraction: must be a number."},
        {room +
             "[base]\nfire-position = \"corner\"\nplume = \"heskestad\"\nceiling = \"irregular\"\n",
         ""},
        {smoke + "[base]\nplume = \"mccaffrey\"\n",
         ":3: base.plume: must be \"zukoski\" or \"heskestad\", not \"mccaffrey\"."},
        {smoke + "[vary]\nplume = { choice = [\"zukoski\", \"heskestad\"], weights = [1, 3] }\n",
         ""},
        {smoke + "[vary]\nfire-position = { values = [\"centre\", \"wall\"] }\n", ""},
        {room + "[vary]\nfire-position = { values = [\"centre\", \"side\"] }\n",
         ":3: vary.fire-position.values: needs a list of texts, each \"centre\" or \"wall\" or "
         "\"corner\"."},
        {room + "[vary]\nplume = { uniform = [0, 1] }\n",
         ":3: vary.plume.uniform: varied by values or choice, a list of \"zukoski\" or "
         "\"heskestad\"."},
        {room + "[vary]\naspect-ratio = { uniform = [1, 3] }\n", ""},
        {smoke + "runs = 0\n", ":2: runs: must be a whole number from 1 to 1000000."},
        {smoke + "runs = 2.5\n", ":2: runs: must be a whole number from 1 to 1000000."},
        {smoke + "seed = -1\n", ":2: seed: must be a whole number, 0 or more."},
        {smoke + "sampling = \"sobol\"\n",
         ":2: sampling: must be \"random\" or \"latin-hypercube\"."},
        {smoke + "[base]\nvent-width = 1\n", ":3: base.vent-width: unknown option of vorla smoke."},
        {room + "[base]\nflashover = \"maybe\"\n",
         ":3: base.flashover: must be \"stop\" or \"continue\", not \"maybe\"."},
        {smoke + "[base]\nfloor-area = \"20\"\n", ":3: base.floor-area: must be a number."},
        {smoke + "[base]\nfloor-area = nan\n", ":3: base.floor-area: must be a number."},
        {smoke + "[base]\ntitle = 3\n", ":3: base.title: must be a text in quotes."},
        {smoke + "[base]\nunits = \"imperial\"\n", ":3: base.units: must be \"si\" or \"us\"."},
        {smoke + "[base]\ntitle = \"Office\\nfloor 2\"\n", ":3: base.title: " + kOneLine},
        {smoke + "[base]\ntitle = \"Office\\u0000\"\n", ":3: base.title: " + kOneLine},
        {smoke + "[base]\ntitle = \"\\u001b[31mOffice\"\n", ":3: base.title: " + kOneLine},
        {smoke + "[base]\noutput-name = \"a\\rb.sof\"\n", ":3: base.output-name: " + kOneLine},
        {smoke + "[base]\ntitle = \"Office \u00e9t\u00e9 \u2013 2\"\n", ""},
        {smoke + "[vary]\nfire = { values = [\"slow\\n.fir\"] }\n",
         ":3: vary.fire.values: a fire file name must be one line without control characters."},
        {smoke + "[vary]\ntitle = { values = [\"a\"] }\n",
         ":3: vary.title: not an input a study can vary; vorla smoke varies floor-area, "
         "room-height, fire-height, loss-fraction, run-time and fire, and by values or choice "
         "fire-position, plume."},
        {smoke + "[vary]\nloss-fraction = 0.6\n",
         ":3: vary.loss-fraction: must be a table such as { uniform = [0.5, 0.9] }."},
        {smoke + "[vary]\nloss-fraction = { uniform = [0, 1], values = [1] }\n",
         ":3: vary.loss-fraction: has both uniform and values; give one."},
        {smoke + "[vary]\nloss-fraction = { min = 1 }\n",
         ":3: vary.loss-fraction: needs one of uniform, triangular, normal, lognormal, "
         "truncated-normal, beta, empirical, values or choice."},
        {smoke + "[vary]\nloss-fraction = { uniform = [0, 1], step = 2 }\n",
         ":3: vary.loss-fraction.step: unknown key; an input varies by uniform, triangular, "
         "normal, lognormal, truncated-normal, beta, empirical, values or choice (with min, max "
         "or weights)."},
        {smoke + "[vary]\nloss-fraction = { uniform = [0.9, 0.5] }\n",
         ":3: vary.loss-fraction.uniform: needs two numbers [low, high], low below high."},
        {smoke + "[vary]\nloss-fraction = { uniform = [0.5, \"0.9\"] }\n",
         ":3: vary.loss-fraction.uniform: needs two numbers [low, high], low below high."},
        {smoke + "[vary]\nloss-fraction = { triangular = [0.25, 0.5, 0.45] }\n",
         ":3: vary.loss-fraction.triangular: needs three numbers [min, mode, max], min <= mode "
         "<= max, min below max."},
        {smoke + "[vary]\nfloor-area = { normal = [20, 0] }\n",
         ":3: vary.floor-area.normal: needs two numbers [mean, sd], sd above 0."},
        {smoke + "[vary]\nfloor-area = { lognormal = [3, -1] }\n",
         ":3: vary.floor-area.lognormal: needs two numbers [mu, sigma] of ln(value), sigma above "
         "0."},
        {smoke + "[vary]\nfloor-area = { normal = [20, 2], min = 25, max = 15 }\n",
         ":3: vary.floor-area: min must be below max."},
        {smoke + "[vary]\nloss-fraction = { uniform = [0, 1], min = 0.2 }\n",
         ":3: vary.loss-fraction.min: only a normal or lognormal distribution is truncated."},
        {smoke + "[vary]\nfloor-area = { lognormal = [3, 0.2], min = -1 }\n",
         ":3: vary.floor-area.min: a lognormal value is above 0, so its bounds are not "
         "negative."},
        {smoke + "[vary]\nfire = { choice = [\"slow.fir\", \"fast.fir\"], weights = [1] }\n",
         ":3: vary.fire.weights: needs one weight per choice, each 0 or more, not all 0."},
        {smoke + "[vary]\nfire = { choice = [\"slow.fir\"], weights = [0] }\n",
         ":3: vary.fire.weights: needs one weight per choice, each 0 or more, not all 0."},
        {smoke +
             "[vary]\nfire = { choice = [\"slow.fir\", \"fast.fir\"], weights = [1e308, 1e308] }\n",
         ":3: vary.fire.weights: the weights add up to more than the largest number (about "
         "1.8e308); scale them down."},
        {smoke + "[vary]\nfloor-area = { uniform = [-1e308, 1e308] }\n",
         ":3: vary.floor-area.uniform: " + kOverflow},
        {smoke + "[vary]\nfloor-area = { lognormal = [1000, 1] }\n",
         ":3: vary.floor-area.lognormal: " + kOverflow},
        {smoke + "[vary]\nfloor-area = { lognormal = [690, 1] }\n", ""},
        {smoke + "[vary]\nfloor-area = { normal = [0, 1e308] }\n",
         ":3: vary.floor-area.normal: " + kOverflow},
        {smoke + "[vary]\nfloor-area = { triangular = [-1e268, 1, 15] }\n",
         ":3: vary.floor-area.triangular: " + kOverflow},
        {smoke + "[vary]\nfloor-area = { triangular = [0, 1.5e154, 1.6e154] }\n",
         ":3: vary.floor-area.triangular: " + kOverflow},
        {smoke + "[vary]\nfloor-area = { triangular = [0, 1e153, 1e154] }\n", ""},
        {smoke + "[vary]\nfire = { values = [\"slow.fir\"], weights = [1] }\n",
         ":3: vary.fire.weights: only a choice has weights."},
        {smoke + "[vary]\nfire = { uniform = [1, 2] }\n",
         ":3: vary.fire.uniform: a fire is varied by values or choice, a list of fire files."},
        {smoke + "[vary]\nfire = { values = [1, 2] }\n",
         ":3: vary.fire.values: needs a list of fire file names."},
        {smoke + "[vary]\nroom-height = { values = [] }\n",
         ":3: vary.room-height.values: needs a list of numbers."},
        {smoke + "[criteria]\nheight = [1.8]\n",
         ":3: criteria.height: unknown key; the criteria are interface-height and "
         "layer-temperature."},
        {smoke + "[criteria]\ninterface-height = [1.8, 0]\n",
         ":3: criteria.interface-height: The value of interface-height must be heights above 0, "
         "not 0."},
        {smoke + "[criteria]\nlayer-temperature = 600\n",
         ":3: criteria.layer-temperature: needs a list of numbers."},
        {smoke + "[vary]\nroom-height = { values = [" + Numbers(11) +
             "] }\nfloor-area = { values = [" + Numbers(10) + "] }\nloss-fraction = { values = [" +
             Numbers(10) + "] }\n",
         ": vary: the study has more than 1000 grid points (the numbers of values of its grids "
         "multiplied); split it into several studies."},
        {smoke + "[vary]\nroom-height = { values = [" + Numbers(10) +
             "] }\nfloor-area = { values = [" + Numbers(10) + "] }\nloss-fraction = { values = [" +
             Numbers(10) + "] }\n",
         ""},
        {smoke + "[criteria]\ninterface-height = [" + Numbers(11) + "]\n",
         ":3: criteria.interface-height: at most 10 values; each adds a column, statistics and a "
         "plot."},
        {smoke + "[criteria]\nlayer-temperature = [" + Numbers(11, 100) + "]\n",
         ":3: criteria.layer-temperature: at most 10 values; each adds a column, statistics and a "
         "plot."},
        {smoke + "[criteria]\nlayer-temperature = [" + Numbers(10, 100) + "]\n", ""},
        {smoke + "runs = 600000\n[vary]\nroom-height = { values = [3, 4] }\n",
         ": runs: the study has more than 1000000 runs (grid points times runs); split it into "
         "several studies."},
    };
    TestFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder.Write("bad.toml", c.text);
        const auto read = ReadStudyFile(path);
        if (c.message.empty()) {
            // A neighbour of a refused case, just inside the limit.
            EXPECT_TRUE(std::holds_alternative<Study>(read)) << c.text;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.text;
        EXPECT_EQ(std::get<std::string>(read), path + c.message) << c.text;
    }
}

TEST(ReadStudyFile, TheTruncatedNormalBetaAndEmpiricalAndTheirMistakes) {
    struct Case {
        std::string vary;    // the line after [vary]
        std::string message; // after "<path>:3: "; empty for a line that is read
    };
    const std::string cdf = "vary.floor-area.empirical.cdf: ";
    const Case cases[] = {
        {"floor-area = { truncated-normal = [20, 2, 15, 25] }", ""},
        {"floor-area = { truncated-normal = [20, 2, 15] }",
         "vary.floor-area.truncated-normal: needs four numbers [mean, sd, low, high], sd above 0 "
         "and low below high."},
        {"floor-area = { truncated-normal = [20, 0, 15, 25] }",
         "vary.floor-area.truncated-normal: the sd (second number) must be above 0, not 0."},
        {"floor-area = { truncated-normal = [20, -2, 15, 25] }",
         "vary.floor-area.truncated-normal: the sd (second number) must be above 0, not -2."},
        {"floor-area = { truncated-normal = [20, 2, 25, 25] }",
         "vary.floor-area.truncated-normal: low (third number) must be below high (fourth "
         "number)."},
        {"floor-area = { truncated-normal = [20, 1, 60, 70] }",
         "vary.floor-area.truncated-normal: low and high keep almost none of the distribution "
         "(probability 0); move them or the distribution."},
        {"floor-area = { truncated-normal = [20, 2, 15, 25], min = 16 }",
         "vary.floor-area.min: a truncated-normal gives its bounds in its list [mean, sd, low, "
         "high]."},
        {"loss-fraction = { beta = [2, 5, 0.4, 0.9] }", ""},
        {"loss-fraction = { beta = [2, 5] }",
         "vary.loss-fraction.beta: needs four numbers [alpha, beta, low, high]."},
        {"loss-fraction = { beta = [0, 5, 0.4, 0.9] }",
         "vary.loss-fraction.beta: alpha (first number) must be above 0, not 0."},
        {"loss-fraction = { beta = [2, -1, 0.4, 0.9] }",
         "vary.loss-fraction.beta: beta (second number) must be above 0, not -1."},
        {"loss-fraction = { beta = [2, 5, 0.9, 0.4] }",
         "vary.loss-fraction.beta: low (third number) must be below high (fourth number)."},
        {"floor-area = { beta = [2, 2, -1e308, 1e308] }", ""},
        {"floor-area = { empirical = { values = [12, 20, 15] } }", ""},
        {"floor-area = { empirical = { values = [12] } }",
         "vary.floor-area.empirical.values: needs at least 2 numbers (one value is a constant: "
         "give it in [base])."},
        {"floor-area = { empirical = { values = [12, \"20\"] } }",
         "vary.floor-area.empirical.values: needs a list of at least 2 numbers."},
        {"floor-area = { empirical = [12, 20] }",
         "vary.floor-area.empirical: needs a table { values = [v1, v2, ...] } or { cdf = [[x1, "
         "0], ..., [xn, 1]] }."},
        {"floor-area = { empirical = { values = [12, 20], cdf = [[12, 0], [20, 1]] } }",
         "vary.floor-area.empirical: needs a table { values = [v1, v2, ...] } or { cdf = [[x1, "
         "0], ..., [xn, 1]] }."},
        {"floor-area = { empirical = { cdf = [[12, 0], [15, 0.7], [20, 1]] } }", ""},
        {"floor-area = { empirical = { cdf = [[12, 0], [15, 0.7], [16, 0.7], [20, 1]] } }", ""},
        {"floor-area = { empirical = { cdf = [[12, 0]] } }",
         cdf + "needs at least 2 points, the first with F = 0 and the last with F = 1."},
        {"floor-area = { empirical = { cdf = [[12, 0], [15, 0.7], [20, 0.9]] } }",
         cdf + "F must end at 1 (the last point is the highest value), not 0.9."},
        {"floor-area = { empirical = { cdf = [[12, 0.1], [20, 1]] } }",
         cdf + "F must start at 0 (the first point is the lowest value), not 0.1."},
        {"floor-area = { empirical = { cdf = [[12, 0], [15, 0.7], [18, 0.6], [20, 1]] } }",
         cdf + "the point [18, 0.6]: F must never fall (it is the probability of a value up to "
               "x)."},
        {"floor-area = { empirical = { cdf = [[12, 0], [15, 0.5], [15, 0.7], [20, 1]] } }",
         cdf + "the point [15, 0.7]: x must rise from point to point."},
        {"floor-area = { empirical = { cdf = [[12, 0], [20, 1.5]] } }",
         cdf + "the point [20, 1.5]: F is a probability, from 0 to 1."},
        {"floor-area = { empirical = { cdf = [[12, 0], [20]] } }",
         cdf + "needs a list of points [x, F], such as [[0.5, 0], [0.7, 0.4], [0.9, 1]]."},
        {"fire-position = { beta = [2, 2, 0, 1] }",
         "vary.fire-position.beta: varied by values or choice, a list of \"centre\" or \"wall\" "
         "or \"corner\"."},
    };
    TestFolder folder;
    for (const auto& c : cases) {
        const std::string path =
            folder.Write("new.toml", "model = \"smoke\"\n[vary]\n" + c.vary + "\n");
        const auto read = ReadStudyFile(path);
        if (c.message.empty()) {
            EXPECT_TRUE(std::holds_alternative<Study>(read))
                << c.vary << ": " << std::get<std::string>(read);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.vary;
        EXPECT_EQ(std::get<std::string>(read), path + ":3: " + c.message) << c.vary;
    }
}

TEST(ReadStudyFile, RefusesFilesThatCannotBeUsedBeforeAnyRun) {
    TestFolder folder;
    // Opening a FIFO for reading blocks until a writer comes: it must not be opened.
    ASSERT_EQ(::mkfifo(folder.Path("fifo").c_str(), 0600), 0);
    FireTable unused;
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"model = \"smoke\"\n[base]\nfire = \"backwards.fir\"\n",
         ":3: base.fire: " +
             DescribeFireFileError(*ReadFireFile(folder.Path("backwards.fir"), unused))},
        {"model = \"smoke\"\n[vary]\nfire = { values = [\"slow.fir\",\n  \"missing.fir\"] }\n",
         ":4: vary.fire.values: " +
             DescribeFireFileError(*ReadFireFile(folder.Path("missing.fir"), unused))},
        {"model = \"smoke\"\n[base]\nfrom = \"office.sof\"\n",
         ":3: base.from: the file " + folder.Path("office.sof") +
             " cannot be opened (No such file or directory)."},
        {"model = \"smoke\"\n[base]\nfrom = \"/tmp\"\n",
         ":3: base.from: the file /tmp cannot be opened (it is a folder)."},
        {"model = \"smoke\"\n[base]\nfrom = \"/dev/zero\"\n",
         ":3: base.from: the file /dev/zero cannot be opened (it is not a regular file)."},
        {"model = \"smoke\"\n[base]\nfrom = \"fifo\"\n",
         ":3: base.from: the file " + folder.Path("fifo") +
             " cannot be opened (it is not a regular file)."},
        {"model = \"smoke\"\n[vary]\nfire = { values = [\"fifo\"] }\n",
         ":3: vary.fire.values: The fire file " + folder.Path("fifo") + " cannot be opened"},
        {"model = \"smoke\n", ":1: "},
        {"model = \"smoke\"\n[vary]\nfloor-area = { normal = [20, 1], min = 40 }\n",
         ":3: vary.floor-area: min and max keep almost none of the distribution (probability "
         "2.7"},
    };
    for (const auto& c : cases) {
        const std::string path = folder.Write("bad.toml", c.text);
        const auto read = ReadStudyFile(path);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.text;
        EXPECT_EQ(std::get<std::string>(read).substr(0, path.size() + c.message.size()),
                  path + c.message);
    }
    // The file's name heads summary.md: a line break in it would split the heading.
    const std::string broken = folder.Write("office\nplan.toml", "model = \"smoke\"\n");
    EXPECT_EQ(std::get<std::string>(ReadStudyFile(broken)),
              broken + ": the study file's name holds a line break or another control character, "
                       "which would split the summary's heading; rename the file.");
    const auto missing = ReadStudyFile(folder.Path("nowhere.toml"));
    EXPECT_EQ(std::get<std::string>(missing),
              folder.Path("nowhere.toml") +
                  ": the study file cannot be opened (No such file or directory).");
}

TEST(ReadStudyFile, CriteriaMustBeMeetableInTheStudysRooms) {
    // Judged as written, in the file's units, against the lowest room the
    // study runs; "1,8" for 1.8 and "60,5" for 60.5 are caught so.
    struct Case {
        std::string text;
        std::string message; // after "<path>", empty when read
    };
    const std::string smoke = "model = \"smoke\"\n";
    const Case cases[] = {
        {smoke + "[base]\nroom-height = 3\n[criteria]\ninterface-height = [1, 8]\n",
         ":5: criteria.interface-height: The value of interface-height must be heights inside "
         "the room, up to its ceiling height of 3 m, not 8."},
        {smoke + "[base]\nroom-height = 3\n[criteria]\ninterface-height = [3]\n", ""},
        {smoke + "[vary]\nroom-height = { values = [4, 2.5] }\n[criteria]\n"
                 "interface-height = [1.8, 3]\n",
         ":5: criteria.interface-height: The value of interface-height must be heights inside "
         "the room, up to its ceiling height of 2.5 m, not 3."},
        {smoke + "[base]\nunits = \"us\"\nroom-height = 8\n[criteria]\n"
                 "interface-height = [6, 9]\n",
         ":6: criteria.interface-height: The value of interface-height must be heights inside "
         "the room, up to its ceiling height of 8 ft, not 9."},
        // Sampled room heights are not known before the runs.
        {smoke + "[vary]\nroom-height = { uniform = [2, 4] }\n[criteria]\n"
                 "interface-height = [3]\n",
         ""},
        {smoke + "[criteria]\nlayer-temperature = [60, 5]\n",
         ":3: criteria.layer-temperature: The value of layer-temperature must be temperatures "
         "above ambient (21.11 °C), not 5."},
        {smoke + "[base]\nunits = \"us\"\n[criteria]\nlayer-temperature = [70]\n",
         ":5: criteria.layer-temperature: The value of layer-temperature must be temperatures "
         "above ambient (70 °F), not 70."},
    };
    TestFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder.Write("criteria.toml", c.text);
        const auto read = ReadStudyFile(path);
        if (c.message.empty()) {
            EXPECT_TRUE(std::holds_alternative<Study>(read)) << std::get<std::string>(read);
        } else {
            ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.text;
            EXPECT_EQ(std::get<std::string>(read), path + c.message) << c.text;
        }
    }
}

} // namespace
} // namespace vorla::study
