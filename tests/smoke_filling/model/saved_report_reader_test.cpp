#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/saved_report_reader.h"
#include "test_room.h"
#include "tests/support/test_files.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace vorla::smoke {
namespace {

// Values with more decimals than the file keeps, and names with folders.
RunInputs SavedInputs() {
    RunInputs inputs = testing::Room(123.456, 2.3456, 0.5f);
    inputs.RunTitle = "Storage room, sofa";
    inputs.OutputFile = "C:\\VORLA\\DATA\\STORE.SOF";
    inputs.LossFraction = 0.65;
    inputs.FireFile = "C:\\VORLA\\DATA\\SOFA.FIR";
    return inputs;
}

std::string SavedText(const RunInputs& inputs) {
    return SavedReportText(ReportHeader(inputs), "", "RUN COMPLETE");
}

TEST(ReadSavedReportText, RestoresTheHeaderValuesAsTheyWereShown) {
    InputBoxes texts;
    UnitTables units;
    RunInputs inputs;
    ASSERT_FALSE(
        ReadSavedReportText(SavedText(SavedInputs()), "/data/STORE.SOF", texts, units, inputs));
    EXPECT_EQ(texts.txtRunTitle, "Storage room, sofa");
    EXPECT_EQ(texts.txtOutputFile, "C:\\VORLA\\DATA\\STORE.SOF");
    EXPECT_EQ(texts.txtFloorArea, "123.46");
    EXPECT_EQ(texts.txtRoomHeight, "2.35");
    EXPECT_EQ(texts.txtFireHeight, "0.5");
    EXPECT_EQ(texts.txtLossFraction, "0.65");
    EXPECT_EQ(texts.txtRunTime, "600");
    EXPECT_EQ(texts.txtFireFile, "C:\\VORLA\\DATA\\SOFA.FIR");
    EXPECT_EQ(inputs.FloorArea, 123.46);
    EXPECT_EQ(inputs.RoomHeight, 2.35);
    EXPECT_EQ(inputs.FireHeight, 0.5f);
    EXPECT_EQ(inputs.OutputFile, "/data/STORE.SOF");
}

TEST(ReadSavedReportText, ReadsATitleOfSixtyCharactersWhole) {
    RunInputs saved = SavedInputs();
    saved.RunTitle = std::string(60, 'T');
    InputBoxes texts;
    UnitTables units;
    RunInputs inputs;
    ASSERT_FALSE(ReadSavedReportText(SavedText(saved), "x.sof", texts, units, inputs));
    EXPECT_EQ(texts.txtRunTitle, saved.RunTitle);
}

TEST(ReadSavedReportText, AlwaysSwitchesToSIUnits) {
    InputBoxes texts;
    UnitTables units;
    units = UnitTablesFor(UnitSystem::US);
    RunInputs inputs;
    ASSERT_FALSE(ReadSavedReportText(SavedText(SavedInputs()), "x.sof", texts, units, inputs));
    EXPECT_EQ(units.System, UnitSystem::SI);
    EXPECT_EQ(units.Area.ToSI, 1.0f);
    EXPECT_EQ(units.Length.Label, "m");
}

TEST(ReadSavedReportText, AShortLineGivesAnEmptyBoxAndANumberOfZero) {
    const std::string text =
        std::string(kVersionLine) + "\r\nTitle\r\nSHORT\r\nFLOOR\r\n\r\n\r\n\r\n\r\nX\r\n";
    InputBoxes texts;
    UnitTables units;
    RunInputs inputs;
    inputs.FloorArea = 5;
    ASSERT_FALSE(ReadSavedReportText(text, "x.sof", texts, units, inputs));
    EXPECT_EQ(texts.txtOutputFile, "");
    EXPECT_EQ(texts.txtFloorArea, "0");
    EXPECT_EQ(inputs.FloorArea, 0);
    EXPECT_EQ(texts.txtRunTime, "0");
    EXPECT_EQ(texts.txtFireFile, "");
}

TEST(ReadSavedReportText,
     AFileEndingBeforeLineNineOrOfAnotherKindIsTheWrongFormatAndKeepsTheBoxes) {
    const std::string full = SavedText(SavedInputs());
    const std::string rest = full.substr(full.find("\r\n"));
    const std::string cuts[] = {
        "",
        full.substr(0, full.find("HEAT RELEASE RATE DATA FILE")), // 8 lines
        "SKEVA-XW VERSION 1.00 - JULY 1999\r\nTitle\r\n",
        // Long enough, but not SKEVA-XW's: VORLA-XW's report, other versions, any text.
        "VORLA-XW VERSION 1.00 - JULY 1999" + rest,
        "SKEVA-XW VERSION 2.00 - JULY 1999" + rest,
        "skeva-xw version 1.00 - july 1999" + rest,
        " SKEVA-XW VERSION 1.00 - JULY 1999" + rest,
        "Title" + rest,
        rest.substr(2),
    };
    for (const auto& text : cuts) {
        InputBoxes texts;
        texts.txtRunTitle = "kept?";
        texts.txtLossFraction = "0.3";
        UnitTables units;
        units = UnitTablesFor(UnitSystem::US);
        RunInputs inputs;
        inputs.RoomHeight = 3;
        const auto error = ReadSavedReportText(text, "short.sof", texts, units, inputs);
        ASSERT_TRUE(error) << text;
        EXPECT_EQ(error->kind, FileProblem::Kind::WrongFormat);
        EXPECT_EQ(DescribeFileProblem(*error), "Wrong file format.");
        // The form clears itself as File New does once it has said so.
        EXPECT_EQ(texts.txtRunTitle, "kept?");
        EXPECT_EQ(texts.txtLossFraction, "0.3");
        EXPECT_EQ(units.System, UnitSystem::SI);
        EXPECT_EQ(inputs.RoomHeight, 3);
        EXPECT_EQ(inputs.OutputFile, "short.sof");
    }
}

TEST(ReadSavedReportText, NineLinesAreEnoughEvenWithoutAFinalLineEnd) {
    std::string text = SavedText(SavedInputs());
    text = text.substr(0, text.find("\r\n\r\n")); // lines 1 to 9, no line end after 9
    InputBoxes texts;
    UnitTables units;
    RunInputs inputs;
    EXPECT_FALSE(ReadSavedReportText(text, "x.sof", texts, units, inputs));
    EXPECT_EQ(texts.txtFireFile, "C:\\VORLA\\DATA\\SOFA.FIR");
}

TEST(ReadSavedReport, AFileThatCannotBeOpenedIsNamedInTheMessage) {
    const auto missing =
        (std::filesystem::temp_directory_path() / "no_such_folder_smoke" / "GONE.SOF").string();
    InputBoxes texts;
    texts.txtOutputFile = "OLD.SOF";
    texts.txtFloorArea = "10";
    UnitTables units;
    units = UnitTablesFor(UnitSystem::US);
    RunInputs inputs;
    inputs.FloorArea = 10;
    const auto error = ReadSavedReport(missing, texts, units, inputs);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, FileProblem::Kind::CannotOpen);
    EXPECT_EQ(DescribeFileProblem(*error),
              "The results file " + missing + " cannot be opened (No such file or directory).");
    EXPECT_EQ(texts.txtOutputFile, "OLD.SOF");
    EXPECT_EQ(units.System, UnitSystem::SI);
    EXPECT_EQ(texts.txtFloorArea, "10.00");

    // Already in S.I. units: the boxes are left as typed.
    texts.txtFloorArea = "10";
    EXPECT_TRUE(ReadSavedReport(missing, texts, units, inputs));
    EXPECT_EQ(texts.txtFloorArea, "10");
}

TEST(ReadSavedReport, ReadsASavedFileFromDisk) {
    const test_support::TemporaryFolder folder;
    const auto path = folder.Write("STORE.SOF", SavedText(SavedInputs()));
    InputBoxes texts;
    UnitTables units;
    RunInputs inputs;
    EXPECT_FALSE(ReadSavedReport(path, texts, units, inputs));
    EXPECT_EQ(texts.txtRoomHeight, "2.35");
    EXPECT_EQ(inputs.OutputFile, path);
}

} // namespace
} // namespace vorla::smoke
