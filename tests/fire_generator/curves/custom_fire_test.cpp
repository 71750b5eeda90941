#include "curve_test_support.h"
#include "fire_generator/curves/custom_fire.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorla::generator {
namespace {

// A page from "time rate" pairs; rows not given stay empty.
struct Page {
    std::vector<std::pair<std::string, std::string>> rows;

    CustomPageEntries Entries() const {
        CustomPageEntries entries{};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            entries[i] = {rows[i].first, rows[i].second};
        }
        return entries;
    }
};

// A full page of ten rows whose times run on from `firstTime` by 10 s.
Page FullPage(int firstTime) {
    Page page;
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        page.rows.emplace_back(std::to_string(firstTime + 10 * i), std::to_string(i));
    }
    return page;
}

TEST(CustomFire, StartsOnTheFirstPageWithTheTimeBeforeIgnitionFilledIn) {
    DesignFireState module = ModuleFor(0);
    CustomFireEntry entry;
    auto start = entry.Activate(module);
    EXPECT_EQ(start.QdotCaption, "QDOT (kW)");
    EXPECT_EQ(start.Time[0], "0");
    EXPECT_EQ(start.Qdot[0], "");
    EXPECT_EQ(start.Time[1], "");
    EXPECT_EQ(start.FocusField, "txtQDOT");
    EXPECT_EQ(start.FocusIndex, 0);

    module = ModuleFor(30, UnitSystem::US);
    start = entry.Activate(module);
    EXPECT_EQ(start.QdotCaption, "QDOT (Btu/s)");
    EXPECT_EQ(start.Time[0], "0");
    EXPECT_EQ(start.Qdot[0], "0.0");
    EXPECT_EQ(start.Time[1], "30");
    EXPECT_EQ(start.Qdot[1], "0.0");
    EXPECT_EQ(start.Time[2], "");
    EXPECT_EQ(start.FocusField, "txtTime");
    EXPECT_EQ(start.FocusIndex, 2);
    EXPECT_EQ(entry.PageStart(), 0);
}

TEST(CustomFire, OkEndsTheTableAtTheFirstEmptyTime) {
    DesignFireState module = ModuleFor(0);
    CustomFireEntry entry;
    entry.Activate(module);
    Page page{{{"0", "0"},
               {"10", "100"},
               {"20", "250.5"},
               {"30", "250"},
               {"40", "0"},
               {"", "99"},
               {"60", "-5"}}}; // not checked: the table has ended
    ASSERT_FALSE(entry.Ok(module, page.Entries()));
    EXPECT_EQ(PointsOf(module),
              (std::vector<std::pair<int, float>>{
                  {0, 0.0f}, {10, 100.0f}, {20, 250.5f}, {30, 250.0f}, {40, 0.0f}}));

    // A time of 0 after point 0 ends it the same way.
    page.rows[5].first = "0";
    ASSERT_FALSE(entry.Ok(module, page.Entries()));
    EXPECT_EQ(module.LastPoint, 4);

    ASSERT_FALSE(entry.Ok(module, FullPage(0).Entries()));
    EXPECT_EQ(module.LastPoint, 9);
}

TEST(CustomFire, RoundsTimesHalvesToEvenAndConvertsRatesFromBtuPerSecond) {
    DesignFireState module = ModuleFor(0, UnitSystem::US);
    CustomFireEntry entry;
    entry.Activate(module);
    const Page page{{{"0", "0"}, {"2.5", "100"}, {"3.5", "-0"}}};
    ASSERT_FALSE(entry.Ok(module, page.Entries()));
    EXPECT_EQ(module.FireTime[1], 2);
    EXPECT_EQ(module.FireRate[1], 105.5f);
    EXPECT_EQ(module.FireTime[2], 4);
}

TEST(CustomFire, ChecksEachRowInOrder) {
    const struct {
        Page page;
        bool next; // Next 10 Points, else OK
        const char* message;
        const char* field;
    } cases[] = {
        {{{{"0", "1"}, {"10", "2"}, {"", "3"}}},
         true,
         "There are empty time fields on the present screen.",
         "txtTime(2)"},
        {{{{"0", "1"}, {"0.4", "2"}}},
         true,
         "There are empty time fields on the present screen.",
         "txtTime(1)"},
        {{{{"0", "1"}, {"10", "2"}, {"10", "3"}}},
         true,
         "Data points are not entered in ascending order.",
         "txtTime(2)"},
        {{{{"0", "1"}, {"10", "2"}, {"10", "3"}}},
         false,
         "Data points are not entered in ascending order.",
         "txtTime(2)"},
        {{{{"0", "1"}, {"10", "2"}, {"5", "-1"}}},
         false,
         "Data points are not entered in ascending order.",
         "txtTime(2)"},
        {{{{"0", "1"}, {"10", "-1"}}},
         true,
         "Heat release rate values can not be negative.",
         "txtQDOT(1)"},
        {{{{"0", "-0.001"}, {"10", "1"}}},
         false,
         "Heat release rate values can not be negative.",
         "txtQDOT(0)"},
        {{{{"0", "1"}, {"10", "1e39"}}},
         false,
         "Heat release rate values are too large.",
         "txtQDOT(1)"},
        {{{{"0", "1"}, {"40000", "1"}}},
         false,
         "Time values must lie between -32768 s and 32767 s.",
         "txtTime(1)"},
        {{{{"0", "1"}}}, false, "At least two data points must be entered.", "txtTime(1)"},
        {{{{"0", "1"}, {"", "5"}, {"20", "5"}}},
         false,
         "At least two data points must be entered.",
         "txtTime(1)"},
    };
    for (const auto& c : cases) {
        DesignFireState module = ModuleWithEarlierCurve(0);
        CustomFireEntry entry;
        entry.Activate(module);
        const auto error =
            c.next ? entry.NextTen(module, c.page.Entries()) : entry.Ok(module, c.page.Entries());
        ASSERT_TRUE(error) << c.message;
        EXPECT_EQ(error->Message, c.message);
        EXPECT_EQ(error->ObjectName(), c.field) << c.message;
        EXPECT_EQ(error->Title, "QDOT-XW: Input Data Error");
        EXPECT_EQ(entry.PageStart(), 0);
        EXPECT_TRUE(HoldsEarlierCurve(module)) << c.message;
    }
}

TEST(CustomFire, TurnsPagesAndNumbersTheirRowsFromOne) {
    DesignFireState module = ModuleFor(0);
    CustomFireEntry entry;
    entry.Activate(module);
    EXPECT_EQ(entry.DataPointCaption(0), "Data point # 1");
    EXPECT_EQ(entry.DataPointCaption(9), "Data point # 10");

    ASSERT_FALSE(entry.NextTen(module, FullPage(0).Entries()));
    EXPECT_EQ(entry.PageStart(), 10);
    // Points 11 to 20 follow points 1 to 10.
    EXPECT_EQ(entry.DataPointCaption(0), "Data Point # 11");
    EXPECT_EQ(entry.DataPointCaption(9), "Data Point # 20");
    EXPECT_TRUE(entry.NextTenEnabled());

    // The first row of a page must come after the last row of the page before.
    auto error = entry.NextTen(module, FullPage(90).Entries());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message, "Data points are not entered in ascending order.");
    EXPECT_EQ(error->ObjectName(), "txtTime(0)");
    EXPECT_EQ(entry.PageStart(), 10);

    // Corrected, the page is stored anew and turns.
    ASSERT_FALSE(entry.NextTen(module, FullPage(100).Entries()));
    EXPECT_EQ(entry.PageStart(), 20);

    // An empty first row on a later page ends the table with the page before.
    ASSERT_FALSE(entry.Ok(module, Page{}.Entries()));
    EXPECT_EQ(module.LastPoint, 19);
    EXPECT_EQ(module.FireTime[19], 190);
    EXPECT_EQ(module.FireRate[19], 9.0f);
}

TEST(CustomFire, TheLastPageStartsAt1790) {
    DesignFireState module = ModuleFor(0);
    CustomFireEntry entry;
    entry.Activate(module);
    for (int page = 0; page < 179; ++page) {
        ASSERT_TRUE(entry.NextTenEnabled());
        ASSERT_FALSE(entry.NextTen(module, FullPage(100 * page).Entries())) << page;
    }
    EXPECT_EQ(entry.PageStart(), 1790);
    EXPECT_FALSE(entry.NextTenEnabled());
    EXPECT_EQ(entry.DataPointCaption(0), "Data Point # 1791");
    EXPECT_EQ(entry.DataPointCaption(9), "Data Point # 1800");
    EXPECT_TRUE(entry.NextTen(module, FullPage(17900).Entries()));
    EXPECT_EQ(entry.PageStart(), 1790);

    ASSERT_FALSE(entry.Ok(module, FullPage(17900).Entries()));
    EXPECT_EQ(module.LastPoint, 1799);
    EXPECT_EQ(module.FireTime[1799], 17990);
}

TEST(CustomFire, PagesNotFinishedWithOkLeaveTheFireTableAlone) {
    DesignFireState module = ModuleWithEarlierCurve(0);
    CustomFireEntry entry;
    entry.Activate(module);
    ASSERT_FALSE(entry.NextTen(module, FullPage(0).Entries()));
    ASSERT_FALSE(entry.NextTen(module, FullPage(100).Entries()));
    // Cancelled here: nothing typed reaches the fire table.
    EXPECT_TRUE(HoldsEarlierCurve(module));
}

// Previous 10 Points keeps each page as it was typed, checked or not; OK on an
// earlier page goes on through the pages filled after it.
TEST(CustomFire, PreviousKeepsThePagesAndOkReadsThemAll) {
    DesignFireState module = ModuleWithEarlierCurve(0);
    CustomFireEntry entry;
    entry.Activate(module);
    EXPECT_FALSE(entry.PreviousTenEnabled());
    ASSERT_FALSE(entry.NextTen(module, FullPage(0).Entries()));
    EXPECT_TRUE(entry.PreviousTenEnabled());
    const Page second{{{"100", "5"}, {"110", "6"}}};
    entry.PreviousTen(second.Entries());
    EXPECT_EQ(entry.PageStart(), 0);
    EXPECT_FALSE(entry.PreviousTenEnabled());
    const auto first = entry.PageTexts(module);
    EXPECT_EQ(first.Time[9], "90");
    EXPECT_EQ(first.Qdot[9], "9");
    EXPECT_TRUE(HoldsEarlierCurve(module));

    // Back on the second page, what was typed there is shown again.
    ASSERT_FALSE(entry.NextTen(module, FullPage(0).Entries()));
    const auto again = entry.PageTexts(module);
    EXPECT_EQ(again.Time[1], "110");
    EXPECT_EQ(again.Qdot[1], "6");
    EXPECT_EQ(again.Time[2], "");
    entry.PreviousTen(second.Entries());

    // Point 10 edited on the first page, OK there: 12 points.
    Page edited = FullPage(0);
    edited.rows[9].second = "50";
    ASSERT_FALSE(entry.Ok(module, edited.Entries()));
    EXPECT_EQ(PointsOf(module).size(), 12u);
    EXPECT_EQ(module.FireRate[9], 50.0f);
    EXPECT_EQ(module.FireTime[11], 110);
    EXPECT_EQ(module.FireRate[11], 6.0f);
}

// A row refused on a page filled earlier: the entry turns to that page and
// the fire table stays as it was.
TEST(CustomFire, ARowRefusedOnALaterPageTurnsToIt) {
    DesignFireState module = ModuleWithEarlierCurve(0);
    CustomFireEntry entry;
    entry.Activate(module);
    ASSERT_FALSE(entry.NextTen(module, FullPage(0).Entries()));
    entry.PreviousTen(Page{{{"100", "5"}, {"95", "6"}}}.Entries());
    const auto error = entry.Ok(module, FullPage(0).Entries());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message, "Data points are not entered in ascending order.");
    EXPECT_EQ(error->ObjectName(), "txtTime(1)");
    EXPECT_EQ(entry.PageStart(), 10);
    EXPECT_EQ(entry.DataPointCaption(1), "Data Point # 12");
    EXPECT_TRUE(HoldsEarlierCurve(module));
}

// The points the form built are where it starts next time, until a curve of
// another kind is built.
TEST(CustomFire, ItsOwnPointsAreWhereItStartsNext) {
    DesignFireState module = ModuleFor(30);
    CustomFireEntry entry;
    entry.Activate(module);
    ASSERT_FALSE(entry.Ok(module, Page{{{"0", "0"}, {"30", "0"}, {"90", "500"}}}.Entries()));
    EXPECT_TRUE(module.CustomStartsFromCurve);
    CustomFireEntry next;
    const auto start = next.Activate(module);
    EXPECT_EQ(std::vector<std::string>(start.Time.begin(), start.Time.begin() + 4),
              (std::vector<std::string>{"0", "30", "90", ""}));
    EXPECT_EQ(std::vector<std::string>(start.Qdot.begin(), start.Qdot.begin() + 3),
              (std::vector<std::string>{"0", "0", "500"}));

    FireCurve other;
    other.LastPoint = 1;
    other.Time[1] = 10;
    CommitCurve(other, module);
    EXPECT_FALSE(module.CustomStartsFromCurve);
    EXPECT_EQ(next.Activate(module).Time[1], "30"); // the delay rows again
}

} // namespace
} // namespace vorla::generator
