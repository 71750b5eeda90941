// Open Results…' reading, the same over both zone models: an example report
// and its fire file give the run the report records (its last row and end
// message, read off the file by hand); every way it can fail gives its message
// and leaves the program's state as it was. The report window's report of the
// opened run holds its own copy of the run.
#include "compartment/model/calculations.h"
#include "compartment/model/input_boxes.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/run_report.h"
#include "compartment/model/saved_report_reader.h"
#include "compartment/model/saved_run.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/input_boxes.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/run_report.h"
#include "smoke_filling/model/saved_report_reader.h"
#include "smoke_filling/model/saved_run.h"
#include "tests/support/test_files.h"
#include "zone_models/saved_run_opening.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>

namespace vorla {
namespace {

using test_support::TemporaryFolder;

const std::string kReportExamples = std::string(VORLA_EXAMPLES_DIR) + "/";

// Each model's example report as the file shows it: the fire file it names,
// its last row's time and the line it ends with.
struct CompartmentReport {
    using Calculations = compartment::Calculations;
    using InputBoxes = compartment::InputBoxes;
    static constexpr const char* Report = "office-sofa-fire.vof";
    static constexpr const char* FireNamed = "examples/office-sofa-tsquared.fir";
    static constexpr const char* FireFile = "office-sofa-tsquared.fir";
    static constexpr int LastTime = 326;
    static constexpr const char* EndLine = "FLASHOVER OCCURRED - RUN TERMINATED BY USER";
    static constexpr const char* OtherProgramsReport = "shop-sofa-fire.sof";
};

struct SmokeReport {
    using Calculations = smoke::Calculations;
    using InputBoxes = smoke::InputBoxes;
    static constexpr const char* Report = "shop-sofa-fire.sof";
    static constexpr const char* FireNamed = "medium-tsquared-1mw.fir";
    static constexpr const char* FireFile = "medium-tsquared-1mw.fir";
    static constexpr int LastTime = 384;
    static constexpr const char* EndLine =
        "LAYER INTERFACE DROPPED BELOW FUEL SURFACE - RUN TERMINATED";
    static constexpr const char* OtherProgramsReport = "office-sofa-fire.vof";
};

template <class Model> class OpenSavedRunTest : public ::testing::Test {
  protected:
    // The example report in a folder of its own, naming its fire file without
    // a folder, so the fire file is looked for beside it; `withFire` puts the
    // fire file there too.
    std::string ReportInFolder(bool withFire, std::size_t keepChars = std::string::npos) {
        std::string text = test_support::ReadFile(kReportExamples + Model::Report);
        const auto at = text.find(Model::FireNamed);
        EXPECT_NE(at, std::string::npos);
        text.replace(at, std::string(Model::FireNamed).size(), Model::FireFile);
        if (withFire) {
            folder_.Write(Model::FireFile, test_support::ReadFile(kReportExamples + Model::FireFile));
        }
        return folder_.Write(Model::Report, text.substr(0, keepChars));
    }

    // A state that a failed opening must leave as it is.
    void MarkState() {
        calc_->Inputs.RunTime = 1234;
        calc_->Results.LastRow = 7;
        calc_->Results.Time[7] = 35;
        calc_->FireFileRead = "read before";
    }
    void ExpectStateKept() const {
        EXPECT_EQ(calc_->Inputs.RunTime, 1234);
        EXPECT_EQ(calc_->Results.LastRow, 7);
        EXPECT_EQ(calc_->Results.Time[7], 35);
        EXPECT_EQ(calc_->FireFileRead, "read before");
    }

    zone_models::OpenedSavedRun Open(const std::string& path) {
        return zone_models::OpenSavedRun<typename Model::InputBoxes>(path, *calc_);
    }

    TemporaryFolder folder_;
    // Fixed-capacity result columns: too large for the stack.
    std::unique_ptr<typename Model::Calculations> calc_ =
        std::make_unique<typename Model::Calculations>();
};

using SavedReportModels = ::testing::Types<CompartmentReport, SmokeReport>;
TYPED_TEST_SUITE(OpenSavedRunTest, SavedReportModels);

TYPED_TEST(OpenSavedRunTest, AWholeReportGivesTheRunItRecords) {
    const std::string path = this->ReportInFolder(true);
    const auto opened = this->Open(path);
    ASSERT_TRUE(opened.Run) << opened.Problem;
    EXPECT_EQ(opened.Problem, "");
    EXPECT_EQ(opened.Run->EndMessage, TypeParam::EndLine);
    EXPECT_EQ(opened.Run->LastRow, this->calc_->Results.LastRow);
    EXPECT_EQ(this->calc_->Results.Time[this->calc_->Results.LastRow], TypeParam::LastTime);
    EXPECT_EQ(this->calc_->Results.Time[0], 0);
    // The fire file found beside the report is the one read.
    EXPECT_EQ(this->calc_->FireFileRead, this->folder_.PathOf(TypeParam::FireFile));
    EXPECT_GE(this->calc_->Fire.LastIndex, 1);
}

// Each failure, one row: what is opened, and a part of the message it gives.
TYPED_TEST(OpenSavedRunTest, EveryFailureNamesItselfAndKeepsTheState) {
    struct Case {
        const char* what;
        std::string path;
        std::string message; // a part of it
    };
    const std::string whole = this->ReportInFolder(false);
    const std::string wholeText = test_support::ReadFile(whole);
    // Cut in the middle of the rows: the inputs read, the rows not whole.
    const std::string cut = this->folder_.Write(std::string("cut-") + TypeParam::Report,
                                                wholeText.substr(0, wholeText.size() / 2));
    const Case cases[] = {
        {"no such report", this->folder_.PathOf("gone.txt"), "gone.txt"},
        {"another program's report", kReportExamples + TypeParam::OtherProgramsReport,
         std::string(kWrongFileFormat)},
        {"rows cut short", cut, std::string(kWrongFileFormat)},
        {"its fire file missing", whole, TypeParam::FireFile},
    };
    for (const auto& c : cases) {
        this->MarkState();
        const auto opened = this->Open(c.path);
        EXPECT_FALSE(opened.Run) << c.what;
        EXPECT_NE(opened.Problem.find(c.message), std::string::npos)
            << c.what << ": " << opened.Problem;
        this->ExpectStateKept();
    }
}

// The form runs again (or opens another report) while a report window stays
// open: the window's report still prints, saves, exports and summarizes its
// own run.
TYPED_TEST(OpenSavedRunTest, TheReportKeepsItsRunWhenTheFormRunsAgain) {
    const auto opened = this->Open(this->ReportInFolder(true));
    ASSERT_TRUE(opened.Run) << opened.Problem;
    const RunReport report = BuildWindowReport(*this->calc_, *opened.Run);
    const auto read = [&] {
        const auto pages = report.PrintedPages(60, "SHOWN.OUT");
        return std::tuple(report.SavedReportTextAs(this->folder_.PathOf("saved.out")),
                          report.ResultsCsv(), report.ScreenTableCells(),
                          pages ? pages->size() : 0U,
                          report.KeyResultsFor(KeyCriteria{}).PeakLayerTemperatureC,
                          report.DesignReportFor(KeyResults{}, "").Inputs.size());
    };
    const auto before = read();
    EXPECT_GT(std::get<1>(before).size(), 100U);
    const auto fresh = std::make_unique<typename TypeParam::Calculations>();
    *this->calc_ = *fresh;
    EXPECT_EQ(read(), before);
}

} // namespace
} // namespace vorla
