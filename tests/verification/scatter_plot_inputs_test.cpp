#include "verification/scatter_plot_inputs.h"

#include <gtest/gtest.h>

namespace vorla::verification {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvFields, QuotesHoldCommasAndQuotes) {
    struct Row {
        const char* Line;
        Fields Expected;
    };
    const Row rows[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"\"HGL Temperature, Forced Ventilation\",x,7",
         {"HGL Temperature, Forced Ventilation", "x", "7"}},
        {"\"say \"\"hi\"\"\",2", {"say \"hi\"", "2"}},
        {"a,,", {"a", "", ""}},
        {"", {""}},
        {"a,b\r", {"a", "b"}},
    };
    for (const Row& row : rows) {
        const auto read = CsvFields(row.Line);
        ASSERT_TRUE(std::holds_alternative<Fields>(read)) << row.Line;
        EXPECT_EQ(std::get<Fields>(read), row.Expected) << row.Line;
    }
    EXPECT_TRUE(std::holds_alternative<std::string>(CsvFields("\"open,b")));
}

// A file shaped as the peers' scatter plot inputs: the title of one row is a
// prefix of another's, and one title holds a comma.
constexpr const char* kInputs = "Scatter_Plot_Title,Ind_Title,Sigma_E,Plot_Type\n"
                                "\"HGL Temperature, Forced Ventilation\",Measured,3,loglog\n"
                                "HGL Temperature,Measured,7,loglog\n"
                                "HGL Depth,Measured,5,loglog\n"
                                "Broken,Measured,five,loglog\n"
                                "Negative,Measured,-1,loglog\n";

TEST(SigmaE, TheNamedRowsPerCent) {
    struct Row {
        const char* Title;
        double Expected;
    };
    const Row rows[] = {
        {"HGL Temperature", 0.07},
        {"HGL Depth", 0.05},
        {"HGL Temperature, Forced Ventilation", 0.03},
    };
    for (const Row& row : rows) {
        const auto read = SigmaEOf(kInputs, "inputs.csv", row.Title);
        ASSERT_TRUE(std::holds_alternative<double>(read)) << row.Title;
        EXPECT_DOUBLE_EQ(std::get<double>(read), row.Expected) << row.Title;
    }
}

TEST(SigmaE, ProblemsNameTheFileAndTheRow) {
    struct Row {
        const char* Text;
        const char* Title;
        const char* Message;
    };
    const Row rows[] = {
        {kInputs, "Velocity", "inputs.csv has no row \"Velocity\"."},
        {kInputs, "Broken",
         "inputs.csv: line 5: the Sigma_E of \"Broken\" is \"five\", not a positive number of per "
         "cent."},
        {kInputs, "Negative",
         "inputs.csv: line 6: the Sigma_E of \"Negative\" is \"-1\", not a positive number of per "
         "cent."},
        {"Title,Sigma\nHGL Depth,5\n", "HGL Depth",
         "inputs.csv: the heading has no Scatter_Plot_Title or no Sigma_E column."},
        {"", "HGL Depth", "inputs.csv is empty."},
        {"Scatter_Plot_Title,Sigma_E\n\"HGL Depth,5\n", "HGL Depth",
         "inputs.csv: line 2: a quoted field is not closed."},
    };
    for (const Row& row : rows) {
        const auto read = SigmaEOf(row.Text, "inputs.csv", row.Title);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.Title;
        EXPECT_EQ(std::get<std::string>(read), row.Message);
    }
    EXPECT_EQ(std::get<std::string>(ReadSigmaE("no-such-file.csv", "HGL Depth")),
              "Cannot read no-such-file.csv.");
}

// The copies in the project hold the values the validation document states
// it takes from them (the peers' validation guides' summary tables: 7 % and
// 5 % for CFAST's layer temperature and depth, 8 % for FDS's mass flow).
TEST(SigmaE, TheProjectsCopiesOfThePeersFiles) {
    const std::string dir = VORLA_EXPERIMENTS_DIR;
    struct Row {
        const char* File;
        const char* Title;
        double Expected;
    };
    const Row rows[] = {
        {"/CFAST_validation_scatterplot_inputs.csv", "HGL Temperature", 0.07},
        {"/CFAST_validation_scatterplot_inputs.csv", "HGL Depth", 0.05},
        {"/FDS_validation_scatterplot_inputs.csv", "Mass Flow Rate", 0.08},
        {"/FDS_validation_scatterplot_inputs.csv", "Sprinkler Activation Time", 0.06},
    };
    for (const Row& row : rows) {
        const auto read = ReadSigmaE(dir + row.File, row.Title);
        ASSERT_TRUE(std::holds_alternative<double>(read)) << std::get<std::string>(read);
        EXPECT_DOUBLE_EQ(std::get<double>(read), row.Expected) << row.Title;
    }
}

} // namespace
} // namespace vorla::verification
