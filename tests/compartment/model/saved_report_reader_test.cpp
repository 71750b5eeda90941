#include "compartment/model/calculations.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/report_text.h"
#include "compartment/model/saved_report_reader.h"
#include "test_room.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vorla::compartment {
namespace {

using testing::Office;
using testing::ReadWholeFile;

const std::string kGolden = std::string(VORLA_GOLDEN_DIR) + "/office-flashover-stop.vof";

TEST(ReadSavedReport, ReadsTheInputBlockOfASavedReport) {
    Calculations calc;
    InputBoxes boxes;
    calc.Units = UnitTablesFor(UnitSystem::US);
    ASSERT_EQ(ReadSavedReport(kGolden, boxes, calc.Units, calc.Inputs), std::nullopt);

    EXPECT_EQ(calc.Units.System, UnitSystem::SI);
    EXPECT_EQ(calc.Inputs.OutputFile, kGolden);
    EXPECT_EQ(boxes.txtRunTitle, "Office, sofa fire");
    EXPECT_EQ(boxes.txtOutputFile, "OFFICE.VOF");
    EXPECT_EQ(boxes.txtFloorArea, "20");
    EXPECT_EQ(boxes.txtRoomHeight, "2.4");
    EXPECT_EQ(boxes.txtVentWidth, "0.9");
    EXPECT_EQ(boxes.txtSillHeight, "0");
    EXPECT_EQ(boxes.txtSoffitHeight, "2");
    EXPECT_EQ(boxes.txtFireHeight, "0");
    EXPECT_EQ(boxes.txtRadiativeLossFraction, "0.35");
    EXPECT_EQ(boxes.txtTotalLossFraction, "0.6");
    EXPECT_EQ(boxes.txtRunTime, "600");
    EXPECT_EQ(boxes.txtFireFile, "SOFA.FIR");
    EXPECT_EQ(calc.Inputs.FloorArea, 20);
    EXPECT_EQ(calc.Inputs.RoomHeight, 2.4);
    EXPECT_EQ(calc.Inputs.VentWidth, 0.9);
    EXPECT_EQ(calc.Inputs.SoffitHeight, 2.0f);
    // The fractions and the run time are Run's to read.
    EXPECT_EQ(calc.Inputs.RadiativeLossFraction, 0);
    EXPECT_EQ(calc.Inputs.RunTime, 0);
}

TEST(ReadSavedReport, GivesBackWhatTheReportSavedToTwoDecimals) {
    auto office = Office();
    office->Inputs.FloorArea = 0.5;
    office->Inputs.RoomHeight = 2.395;
    office->Inputs.SoffitHeight = 2.1f;
    office->Inputs.RunTitle = "  a title with blanks  ";
    office->Inputs.FireFile = "C:\\VORLA\\DATA\\SOFA FIRE.FIR";
    const std::string saved = SavedReportText(ReportHeader(office->Inputs), "", "RUN COMPLETE");

    Calculations calc;
    InputBoxes boxes;
    ASSERT_EQ(ReadSavedReportText(saved, "x.vof", boxes, calc.Units, calc.Inputs), std::nullopt);
    EXPECT_EQ(boxes.txtRunTitle, "  a title with blanks  ");
    EXPECT_EQ(boxes.txtFloorArea, "0.5");  // saved as "    .50"
    EXPECT_EQ(boxes.txtRoomHeight, "2.4"); // saved as " 2.40"
    EXPECT_EQ(boxes.txtSoffitHeight, "2.1");
    EXPECT_EQ(boxes.txtFireFile, "C:\\VORLA\\DATA\\SOFA FIRE.FIR");
    EXPECT_EQ(calc.Inputs.SoffitHeight, 2.1f);
    EXPECT_EQ(calc.Inputs.RoomHeight, 2.4);
}

TEST(ReadSavedReport, ShortLinesReadAsZeroAndLfLineEndsAreAccepted) {
    std::string text = std::string(kVersionLine) + "\nTitle\nSIMULATION\n";
    for (int line = 4; line <= 13; ++line) {
        text += "short\n";
    }
    Calculations calc;
    InputBoxes boxes;
    ASSERT_EQ(ReadSavedReportText(text, "x.vof", boxes, calc.Units, calc.Inputs), std::nullopt);
    EXPECT_EQ(boxes.txtRunTitle, "Title");
    EXPECT_EQ(boxes.txtOutputFile, "");
    EXPECT_EQ(boxes.txtFloorArea, "0");
    EXPECT_EQ(boxes.txtRunTime, "0");
    EXPECT_EQ(boxes.txtFireFile, "");
}

TEST(ReadSavedReport, FewerThanThirteenLinesIsTheWrongFormat) {
    Calculations calc;
    InputBoxes boxes;
    boxes.txtFloorArea = "20";
    calc.Inputs.FloorArea = 20;
    const auto error = ReadSavedReportText("1\r\n2\r\n3\r\n4\r\n5\r\n", "five.vof", boxes,
                                           calc.Units, calc.Inputs);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileProblem::Kind::WrongFormat);
    EXPECT_EQ(DescribeFileProblem(*error), "Wrong file format.");
    EXPECT_EQ(boxes.txtFloorArea, "20.00") << "only the switch to S.I. units touched the boxes";

    std::string twelve;
    for (int line = 0; line < 12; ++line) {
        twelve += "x\r\n";
    }
    EXPECT_TRUE(ReadSavedReportText(twelve, "twelve.vof", boxes, calc.Units, calc.Inputs));
    EXPECT_TRUE(ReadSavedReportText("", "empty.vof", boxes, calc.Units, calc.Inputs));
}

TEST(ReadSavedReport, ATextThatIsNotAVorlaReportIsTheWrongFormat) {
    const std::string saved = ReadWholeFile(kGolden);
    const std::string rest = saved.substr(saved.find("\r\n"));
    const std::string texts[] = {
        "SKEVA-XW VERSION 1.00 - JULY 1999" + rest, // the other model's report
        "VORLA-XW VERSION 1.01 - JULY 1999" + rest,
        "VORLA-XW" + rest,
        "vorla-xw version 1.00 - july 1999" + rest,
        "Office, sofa fire" + rest,
        rest.substr(2),
    };
    for (const auto& text : texts) {
        Calculations calc;
        InputBoxes boxes;
        boxes.txtRoomHeight = "3";
        boxes.txtRunTitle = "kept";
        calc.Inputs.RoomHeight = 3;
        const auto error = ReadSavedReportText(text, "other.vof", boxes, calc.Units, calc.Inputs);
        ASSERT_TRUE(error) << text.substr(0, 40);
        EXPECT_EQ(DescribeFileProblem(*error), "Wrong file format.");
        EXPECT_EQ(boxes.txtRoomHeight, "3.00") << "only the switch to S.I. units touched it";
        EXPECT_EQ(boxes.txtRunTitle, "kept") << "the boxes are not filled from it";
    }
}

TEST(ReadSavedReport, AFileThatCannotBeOpenedIsNamed) {
    Calculations calc;
    InputBoxes boxes;
    const std::string path = "/nonexistent-folder/missing.vof";
    const auto error = ReadSavedReport(path, boxes, calc.Units, calc.Inputs);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileProblem::Kind::CannotOpen);
    EXPECT_EQ(DescribeFileProblem(*error),
              "The report file " + path + " cannot be opened (No such file or directory).");

    const auto folder = ReadSavedReport(std::filesystem::temp_directory_path().string(), boxes,
                                        calc.Units, calc.Inputs);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->kind, FileProblem::Kind::CannotOpen);
    EXPECT_EQ(folder->detail, "it is a folder");
}

} // namespace
} // namespace vorla::compartment
