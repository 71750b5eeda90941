#include "common/fire_files/fire_file_reader.h"
#include "fire_generator/curves/fire_file_writer.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace vorla {
namespace {

using Kind = FireFileError::Kind;

std::string Records(int count, bool withMarker) {
    std::string text;
    for (int k = 0; k < count; ++k) {
        text += std::to_string(5 * k) + " " + std::to_string(k) + " 0\r\n";
    }
    if (withMarker) {
        text += "-9 -9 -9\r\n";
    }
    return text;
}

TEST(FireFileWriter, WritesThePointGridTheModelsRead) {
    const std::array<std::int16_t, 3> times = {0, 1, 600};
    // The heptane pool of 1 m: 673.85 kW, 15.42 g/s at 43700 kJ/kg.
    const float q = 673.8472f;
    const std::array<float, 3> rates = {0.0f, q, q};
    const std::string text = FireFileText(times, rates, 2, 43700.0f, "/data/POOL1.FIR",
                                          "12/06/1999", "Heptane pool, 1 m");
    EXPECT_EQ(text, "    0          0.0        0.000\r\n"
                    "    1        673.8       15.420\r\n"
                    "  600        673.8       15.420\r\n"
                    "   -9           -9           -9\r\n"
                    "POOL1.FIR     12/06/1999\r\n"
                    "Heptane pool, 1 m\r\n");
}

TEST(FireFileWriter, NameLinePutsTheDateInTheNextPrintZone) {
    EXPECT_EQ(FireNameLine("A.FIR", "D"), "A.FIR         D");
    EXPECT_EQ(FireNameLine("ABCDEFGHIJKLM", "D"), "ABCDEFGHIJKLM D");
    EXPECT_EQ(FireNameLine("ABCDEFGHIJKLMN", "D"), "ABCDEFGHIJKLMN              D");
    EXPECT_EQ(FireNameLine("", "D"), "              D");
}

TEST(FireFileWriter, WideValuesAreKeptWhole) {
    EXPECT_EQ(FirePointLine(5, 1234567.0f, 12000.0f), "    5     1234567.0     102880.586");
}

// "#####0.0" holds 999999.9 kW and "###0.000" 9999.999 g/s; the burning rate
// is the rate * 1000 / the heat of combustion.
TEST(FireFileWriter, SaysWhichColumnAPointDoesNotFit) {
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float rate, heatOfCombustion;
        std::optional<FireFileColumn> column;
    } cases[] = {
        {0.0f, 12000.0f, std::nullopt},
        {999999.9f, 120000.0f, std::nullopt},          // 8333.332 g/s
        {1000000.0f, 120000.0f, FireFileColumn::Rate}, // "1000000.0"
        {1e30f, 120000.0f, FireFileColumn::Rate},
        {inf, 12000.0f, FireFileColumn::Rate},
        {119999.99f, 12000.0f, std::nullopt},               // 9999.999 g/s
        {120000.0f, 12000.0f, FireFileColumn::BurningRate}, // 10000.000 g/s
        {1.0f, 1e-40f, FireFileColumn::BurningRate},        // beyond single precision
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColumnTooNarrowFor(c.rate, c.heatOfCombustion), c.column)
            << c.rate << " kW at " << c.heatOfCombustion << " kJ/kg";
        if (!c.column) {
            EXPECT_EQ(FirePointLine(1, c.rate, c.heatOfCombustion).size(), 31u);
        }
    }
}

TEST(FireFileReader, TabsSeparateFieldsAsBlanksDo) {
    FireTable table;
    ASSERT_EQ(ParseFireFile("\t0\t0\t0\t\r\n10\t \t5\t,\t1\r\n\t-9\t-9\t-9\r\n", "TAB.FIR", table),
              std::nullopt);
    EXPECT_EQ(table.LastIndex, 1);
    EXPECT_EQ(table.Points[1].Time, 10);
    EXPECT_EQ(table.Points[1].Rate, 5);
}

TEST(FireFileReader, ReadsWhatTheWriterWrote) {
    const std::array<std::int16_t, 3> times = {0, 10, 20};
    const std::array<float, 3> rates = {0.0f, 100.0f, 300.0f};
    const std::string text = FireFileText(times, rates, 2, 12000.0f, "T.FIR", "d", "x");
    FireTable table;
    ASSERT_FALSE(ParseFireFile(text, "T.FIR", table));
    EXPECT_EQ(table.LastIndex, 2);
    EXPECT_EQ(table.Points[3].Time, -9);
    EXPECT_EQ(table.Points[3].Rate, -9);
    EXPECT_EQ(table.Points[2].Rate, 300);
    EXPECT_DOUBLE_EQ(FireRateAt(table, 15), 200);
    EXPECT_DOUBLE_EQ(FireRateAt(table, 25), 400);
}

TEST(FireFileReader, AcceptsCommasAndAnyLineStructure) {
    FireTable table;
    ASSERT_FALSE(ParseFireFile("0,0,0\n10, 50, 1\n20 ,80,2\n30,-1,0\n", "C.FIR", table));
    EXPECT_EQ(table.LastIndex, 2);
    EXPECT_EQ(table.Points[2].Time, 20);
    EXPECT_EQ(table.Points[2].Rate, 80);

    ASSERT_FALSE(ParseFireFile("0 0 0 10 50 1\n20\n80\n2 -9 -9 -9", "D.FIR", table));
    EXPECT_EQ(table.LastIndex, 2);
}

TEST(FireFileReader, AFullTableIsReadWholeOnlyWhenItsMarkerFollows) {
    FireTable table;
    ASSERT_FALSE(ParseFireFile(Records(1801, false), "F.FIR", table));
    EXPECT_EQ(table.LastIndex, 1799);

    ASSERT_FALSE(ParseFireFile(Records(1801, true), "F.FIR", table));
    EXPECT_EQ(table.LastIndex, 1800);
    EXPECT_EQ(table.LastTime(), 9000);

    ASSERT_FALSE(ParseFireFile(Records(1802, true), "F.FIR", table));
    EXPECT_EQ(table.LastIndex, 1799);

    ASSERT_FALSE(ParseFireFile(Records(1800, true), "F.FIR", table));
    EXPECT_EQ(table.LastIndex, 1799);
}

TEST(FireFileReader, EqualTimesAreAStep) {
    FireTable table;
    ASSERT_FALSE(ParseFireFile("0 0 0\n1 673.8 15.42\n1 673.8 15.42\n-9 -9 -9\n", "P.FIR", table));
    EXPECT_EQ(table.LastIndex, 2);
}

TEST(FireFileReader, RejectsFilesTheModelsCannotUse) {
    const struct {
        const char* content;
        Kind kind;
        int line;
    } cases[] = {
        {"0 0 0\n10 abc 1\n-9 -9 -9\n", Kind::NotThreeNumbers, 2},
        {"0 0 0\n10 5\n", Kind::NotThreeNumbers, 2},
        {"0 0 0\n10,,1\n-9 -9 -9\n", Kind::NotThreeNumbers, 2},
        {"0 0 0\n10 5 1\n20 6 1\n", Kind::NoEndMarker, 4},
        {"", Kind::NoEndMarker, 1},
        {"0 0 0\n-9 -9 -9\n", Kind::TooFewPoints, 0},
        {"-9 -9 -9\n", Kind::TooFewPoints, 0},
        {"0 0 0\n10 5 1\n5 6 1\n-9 -9 -9\n", Kind::TimesGoBackwards, 3},
        {"0 0 0\n32768 5 1\n-9 -9 -9\n", Kind::TimeOutOfRange, 2},
        {"-32769 0 0\n10 5 1\n-9 -9 -9\n", Kind::TimeOutOfRange, 1},
        {"-1.7e308 0 0\n1.7e308 5 1\n-9 -9 -9\n", Kind::TimeOutOfRange, 1},
        {"0 0 0\n10\n1e39\n1\n-9 -9 -9\n", Kind::RateTooLarge, 2},
        {"0 3.5e38 0\n10 5 1\n-9 -9 -9\n", Kind::RateTooLarge, 1},
        {"0 0 0\n1e300 5 1\n-9 -9 -9\n", Kind::TimeOutOfRange, 2},
    };
    for (const auto& c : cases) {
        FireTable table;
        const auto error = ParseFireFile(c.content, "BAD.FIR", table);
        ASSERT_TRUE(error) << c.content;
        EXPECT_EQ(error->kind, c.kind) << c.content;
        EXPECT_EQ(error->line, c.line) << c.content;
        EXPECT_NE(DescribeFireFileError(*error).find("BAD.FIR"), std::string::npos);
    }
}

// The limits are those of the columns a fire file is written with: 16-bit
// seconds and single-precision rates. The end marker's values are never used.
TEST(FireFileReader, AcceptsEveryTimeAndRateAFireFileCanHold) {
    const struct {
        const char* content;
        double firstTime, lastTime, lastRate;
    } cases[] = {
        {"-32768 0 0\n32767 3.4e38 0\n-9 -9 -9\n", -32768, 32767, 3.4e38},
        {"0 0 0\n10 340282346638528859811704183484516925440 0\n-9 -9 -9\n", 0, 10,
         3.4028234663852886e38},
        {"0 0 0\n10 5 1\n-1e300 -1e300 -1e300\n", 0, 10, 5},
    };
    for (const auto& c : cases) {
        FireTable table;
        ASSERT_EQ(ParseFireFile(c.content, "EDGE.FIR", table), std::nullopt) << c.content;
        EXPECT_EQ(table.Points[0].Time, c.firstTime);
        EXPECT_EQ(table.Points[table.LastIndex].Time, c.lastTime);
        EXPECT_EQ(table.Points[table.LastIndex].Rate, c.lastRate);
    }
}

TEST(FireFileReader, SaysWhichLineHoldsAValueOutOfRange) {
    FireTable table;
    const auto time = ParseFireFile("0 0 0\n\n40000 5 1\n-9 -9 -9\n", "BIG.FIR", table);
    ASSERT_TRUE(time);
    EXPECT_EQ(DescribeFireFileError(*time),
              "The fire file BIG.FIR is not valid: the time on line 3 is outside -32768 to "
              "32767 s.");
    const auto rate = ParseFireFile("0 0 0\n10 1e39 1\n-9 -9 -9\n", "BIG.FIR", table);
    ASSERT_TRUE(rate);
    EXPECT_EQ(DescribeFireFileError(*rate),
              "The fire file BIG.FIR is not valid: the heat release rate on line 2 is too large.");
}

TEST(FireFileReader, NamesAFileThatCannotBeOpened) {
    FireTable table;
    const std::string missing =
        (std::filesystem::temp_directory_path() / "vorla-no-such-file.fir").string();
    const auto error = ReadFireFile(missing, table);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, Kind::CannotOpen);
    EXPECT_EQ(DescribeFireFileError(*error),
              "The fire file " + missing + " cannot be opened (No such file or directory).");

    const auto folder = ReadFireFile(std::filesystem::temp_directory_path().string(), table);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->kind, Kind::CannotOpen);
}

TEST(FireFileReader, ReadsAFileFromDisk) {
    const auto path = std::filesystem::temp_directory_path() / "vorla-fire-file-test.fir";
    {
        std::ofstream out(path, std::ios::binary);
        out << "    0          0.0        0.000\r\n"
               "  100       1000.0       83.333\r\n"
               "   -9           -9           -9\r\n"
               "X.FIR         01/01/2000\r\n\r\n";
    }
    FireTable table;
    ASSERT_FALSE(ReadFireFile(path.string(), table));
    EXPECT_EQ(table.LastIndex, 1);
    EXPECT_DOUBLE_EQ(FireRateAt(table, 50), 500);
    std::filesystem::remove(path);
}

} // namespace
} // namespace vorla
