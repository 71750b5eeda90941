#include "study/sampling.h"
#include "study_test_files.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vorla::study {
namespace {

Study StudyOf(const TestFolder& folder, const std::string& text) {
    auto read = ReadStudyFile(folder.Write("study.toml", text));
    if (auto* problem = std::get_if<std::string>(&read)) {
        ADD_FAILURE() << *problem;
        return {};
    }
    return std::move(std::get<Study>(read));
}

TEST(StudySampler, GridPointsCountLikeAnOdometerFirstInputSlowest) {
    TestFolder folder;
    const Study study = StudyOf(folder, "model = \"smoke\"\nruns = 2\n[vary]\n"
                                        "room-height = { values = [3, 4] }\n"
                                        "loss-fraction = { uniform = [0.5, 0.9] }\n"
                                        "fire = { values = [\"slow.fir\", \"medium.fir\", "
                                        "\"fast.fir\"] }\n");
    ASSERT_EQ(study.TotalRuns(), 12u);
    const StudySampler sampler(study);
    const struct {
        std::size_t run;
        std::size_t point;
        double height;
        const char* fire;
    } expected[] = {
        {0, 0, 3, "slow.fir"}, {1, 0, 3, "slow.fir"}, {2, 1, 3, "medium.fir"},
        {5, 2, 3, "fast.fir"}, {6, 3, 4, "slow.fir"}, {11, 5, 4, "fast.fir"},
    };
    for (const auto& e : expected) {
        const SampledRun run = sampler.Sample(e.run);
        EXPECT_EQ(run.GridPoint, e.point) << e.run;
        EXPECT_EQ(std::get<double>(run.Values[0]), e.height) << e.run;
        EXPECT_EQ(std::get<std::string>(run.Values[2]), e.fire) << e.run;
        const double loss = std::get<double>(run.Values[1]);
        EXPECT_TRUE(loss > 0.5 && loss < 0.9) << loss;
    }
}

TEST(StudySampler, ARunsInputsDependOnlyOnTheSeedAndItsNumber) {
    TestFolder folder;
    const std::string text = "model = \"smoke\"\nruns = 100\nseed = 5\n[vary]\n"
                             "loss-fraction = { normal = [0.7, 0.1], min = 0.4, max = 0.95 }\n";
    const Study study = StudyOf(folder, text);
    const StudySampler forwards(study);
    const StudySampler backwards(study);
    std::vector<double> first(100);
    for (std::size_t i = 0; i < 100; ++i) {
        first[i] = std::get<double>(forwards.Sample(i).Values[0]);
    }
    for (std::size_t i = 100; i-- > 0;) {
        EXPECT_EQ(std::get<double>(backwards.Sample(i).Values[0]), first[i]) << i;
    }
    const Study reseeded = StudyOf(folder, text + "\n");
    EXPECT_EQ(std::get<double>(StudySampler(reseeded).Sample(7).Values[0]), first[7]);

    std::string otherSeed = text;
    otherSeed.replace(otherSeed.find("seed = 5"), 8, "seed = 6");
    const Study other = StudyOf(folder, otherSeed);
    EXPECT_NE(std::get<double>(StudySampler(other).Sample(7).Values[0]), first[7]);
}

TEST(StudySampler, LatinHypercubeGivesEveryStratumToOneRunPerGridPoint) {
    TestFolder folder;
    const Study study =
        StudyOf(folder, "model = \"smoke\"\nruns = 50\nsampling = \"latin-hypercube\"\n[vary]\n"
                        "room-height = { values = [3, 4] }\n"
                        "loss-fraction = { uniform = [0, 1] }\n"
                        "floor-area = { uniform = [10, 60] }\n"
                        "fire = { choice = [\"slow.fir\", \"fast.fir\"], weights = [2, 8] }\n");
    const StudySampler sampler(study);
    for (std::size_t point = 0; point < 2; ++point) {
        std::vector<int> lossStrata;
        std::vector<int> areaStrata;
        int slow = 0;
        for (std::size_t sample = 0; sample < 50; ++sample) {
            const SampledRun run = sampler.Sample(point * 50 + sample);
            lossStrata.push_back(static_cast<int>(std::get<double>(run.Values[1]) * 50));
            areaStrata.push_back(static_cast<int>(std::get<double>(run.Values[2]) - 10));
            slow += std::get<std::string>(run.Values[3]) == "slow.fir";
        }
        std::sort(lossStrata.begin(), lossStrata.end());
        std::sort(areaStrata.begin(), areaStrata.end());
        for (int k = 0; k < 50; ++k) {
            EXPECT_EQ(lossStrata[k], k);
            EXPECT_EQ(areaStrata[k], k);
        }
        // The first fifth of the probability belongs to slow.fir: 10 strata of 50.
        EXPECT_EQ(slow, 10);
    }
}

TEST(StudySampler, RandomSamplingIsNotStratified) {
    TestFolder folder;
    const Study study = StudyOf(
        folder, "model = \"smoke\"\nruns = 50\n[vary]\nloss-fraction = { uniform = [0, 1] }\n");
    const StudySampler sampler(study);
    std::vector<int> strata;
    for (std::size_t i = 0; i < 50; ++i) {
        strata.push_back(static_cast<int>(std::get<double>(sampler.Sample(i).Values[0]) * 50));
    }
    std::sort(strata.begin(), strata.end());
    EXPECT_NE(std::unique(strata.begin(), strata.end()), strata.end());
}

} // namespace
} // namespace vorla::study
