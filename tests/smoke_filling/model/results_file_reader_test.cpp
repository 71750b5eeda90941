#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/results_file_reader.h"
#include "test_room.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace vorla::smoke {
namespace {

// Values with more decimals than the file keeps, and names with folders.
SmokeFillInputs SavedInputs() {
    SmokeFillInputs inputs = testing::Room(123.456, 2.3456, 0.5f);
    inputs.RunTitle = "Storage room, sofa";
    inputs.OutputFile = "C:\\VORLA\\DATA\\STORE.SOF";
    inputs.LossFraction = 0.65;
    inputs.FireFile = "C:\\VORLA\\DATA\\SOFA.FIR";
    return inputs;
}

std::string SavedText(const SmokeFillInputs& inputs) {
    return SavedResultsText(ReportHeader(inputs), "", "RUN COMPLETE");
}

TEST(OpenResultsText, RestoresTheHeaderValuesAsTheyWereShown) {
    SmokeFillFormTexts texts;
    SmokeFillUnits units;
    SmokeFillInputs inputs;
    ASSERT_FALSE(
        OpenResultsText(SavedText(SavedInputs()), "/data/STORE.SOF", texts, units, inputs));
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

TEST(OpenResultsText, ReadsATitleOfSixtyCharactersWhole) {
    SmokeFillInputs saved = SavedInputs();
    saved.RunTitle = std::string(60, 'T');
    SmokeFillFormTexts texts;
    SmokeFillUnits units;
    SmokeFillInputs inputs;
    ASSERT_FALSE(OpenResultsText(SavedText(saved), "x.sof", texts, units, inputs));
    EXPECT_EQ(texts.txtRunTitle, saved.RunTitle);
}

TEST(OpenResultsText, AlwaysSwitchesToSIUnits) {
    SmokeFillFormTexts texts;
    SmokeFillUnits units;
    SetUSUnits(units);
    SmokeFillInputs inputs;
    ASSERT_FALSE(OpenResultsText(SavedText(SavedInputs()), "x.sof", texts, units, inputs));
    EXPECT_EQ(units.System, UnitSystem::SI);
    EXPECT_EQ(units.UnitFactor[kArea], 1.0f);
    EXPECT_EQ(units.UnitLabel[kLength], "m");
}

TEST(OpenResultsText, AShortLineGivesAnEmptyBoxAndANumberOfZero) {
    const std::string text =
        std::string(kVersionLine) + "\r\nTitle\r\nSHORT\r\nFLOOR\r\n\r\n\r\n\r\n\r\nX\r\n";
    SmokeFillFormTexts texts;
    SmokeFillUnits units;
    SmokeFillInputs inputs;
    inputs.FloorArea = 5;
    ASSERT_FALSE(OpenResultsText(text, "x.sof", texts, units, inputs));
    EXPECT_EQ(texts.txtOutputFile, "");
    EXPECT_EQ(texts.txtFloorArea, "0");
    EXPECT_EQ(inputs.FloorArea, 0);
    EXPECT_EQ(texts.txtRunTime, "0");
    EXPECT_EQ(texts.txtFireFile, "");
}

TEST(OpenResultsText, AFileEndingBeforeLineNineOrOfAnotherKindIsTheWrongFormatAndClearsTheForm) {
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
        SmokeFillFormTexts texts;
        texts.txtRunTitle = "kept?";
        texts.txtLossFraction = "0.3";
        SmokeFillUnits units;
        SetUSUnits(units);
        SmokeFillInputs inputs;
        inputs.RoomHeight = 3;
        const auto error = OpenResultsText(text, "short.sof", texts, units, inputs);
        ASSERT_TRUE(error) << text;
        EXPECT_EQ(error->kind, ResultsFileError::Kind::WrongFormat);
        EXPECT_EQ(DescribeResultsFileError(*error), "Wrong file format.");
        EXPECT_EQ(texts.txtRunTitle, "");
        EXPECT_EQ(texts.txtLossFraction, "0.6");
        EXPECT_EQ(units.System, UnitSystem::SI);
        EXPECT_EQ(inputs.RoomHeight, 0);
    }
}

TEST(OpenResultsText, NineLinesAreEnoughEvenWithoutAFinalLineEnd) {
    std::string text = SavedText(SavedInputs());
    text = text.substr(0, text.find("\r\n\r\n")); // lines 1 to 9, no line end after 9
    SmokeFillFormTexts texts;
    SmokeFillUnits units;
    SmokeFillInputs inputs;
    EXPECT_FALSE(OpenResultsText(text, "x.sof", texts, units, inputs));
    EXPECT_EQ(texts.txtFireFile, "C:\\VORLA\\DATA\\SOFA.FIR");
}

TEST(OpenResultsFile, AFileThatCannotBeOpenedIsNamedAndEmptiesTheOutputBox) {
    const auto missing =
        (std::filesystem::temp_directory_path() / "no_such_folder_smoke" / "GONE.SOF").string();
    SmokeFillFormTexts texts;
    texts.txtOutputFile = "OLD.SOF";
    texts.txtFloorArea = "10";
    SmokeFillUnits units;
    SetUSUnits(units);
    SmokeFillInputs inputs;
    inputs.FloorArea = 10;
    const auto error = OpenResultsFile(missing, texts, units, inputs);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, ResultsFileError::Kind::CannotOpen);
    EXPECT_NE(DescribeResultsFileError(*error).find(missing), std::string::npos);
    EXPECT_EQ(texts.txtOutputFile, "");
    EXPECT_EQ(units.System, UnitSystem::SI);
    EXPECT_EQ(texts.txtFloorArea, "10.00");

    // Already in S.I. units: the boxes are left as typed.
    texts.txtFloorArea = "10";
    EXPECT_TRUE(OpenResultsFile(missing, texts, units, inputs));
    EXPECT_EQ(texts.txtFloorArea, "10");
}

TEST(OpenResultsFile, ReadsASavedFileFromDisk) {
    const auto folder = std::filesystem::temp_directory_path() / "results_file_reader_test";
    std::filesystem::create_directories(folder);
    const auto path = (folder / "STORE.SOF").string();
    std::ofstream(path, std::ios::binary) << SavedText(SavedInputs());
    SmokeFillFormTexts texts;
    SmokeFillUnits units;
    SmokeFillInputs inputs;
    EXPECT_FALSE(OpenResultsFile(path, texts, units, inputs));
    EXPECT_EQ(texts.txtRoomHeight, "2.35");
    EXPECT_EQ(inputs.OutputFile, path);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace vorla::smoke
