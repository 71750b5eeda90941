// The custom fire (`frmCustom`): the fire table typed point by point, ten
// points to a page. The points typed are kept here until OK, so cancelling
// the form or a rejected page never changes the fire table already built.
#pragma once

#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/curves/fire_curve.h"
#include "fire_generator/curves/rejected_entry.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vorla::generator {

inline constexpr int kCustomRowsPerPage = 10;
// The page that starts here is the last one: the form holds points 0 to 1799.
inline constexpr int kLastCustomPageStart = 1790;
inline constexpr int kMostCustomPoints = kLastCustomPageStart + kCustomRowsPerPage;

inline constexpr std::string_view kCustomCancelQuestion = "Do you really want to cancel?";

// The texts of one row of the page: `txtTime(i)` in s, `txtQDOT(i)` in the
// shown heat release rate unit.
struct CustomRowEntries {
    std::string_view Time;
    std::string_view Qdot;
};
using CustomPageEntries = std::array<CustomRowEntries, kCustomRowsPerPage>;

// The texts of the ten rows of a page.
struct CustomPageTexts {
    std::array<std::string, kCustomRowsPerPage> Time;
    std::array<std::string, kCustomRowsPerPage> Qdot;
};

// What the form shows when it is activated.
struct CustomFormStart {
    std::string QdotCaption; // lblQDOT: "QDOT (kW)" or "QDOT (Btu/s)"
    std::array<std::string, kCustomRowsPerPage> Time;
    std::array<std::string, kCustomRowsPerPage> Qdot;
    std::string FocusField; // "txtQDOT" or "txtTime"
    int FocusIndex = 0;
};

class CustomFireEntry {
  public:
    // `Form_Activate`: back to the first page. Row 0 starts at time 0; with a
    // delay of 1 s or more rows 0 and 1 hold the time before ignition at 0 kW.
    // After a fire file was opened (module.CustomStartsFromCurve) the rows hold
    // its points instead, to be edited; point 1800 of a full table, beyond the
    // last page, is kept as it is.
    CustomFormStart Activate(const DesignFireState& module);

    // The rows of the page on screen as they start: the texts the user left on
    // it when the page was turned, else the opened fire's points that fall on
    // it, empty rows otherwise.
    CustomPageTexts PageTexts(const DesignFireState& module) const;

    // `cmdNextTen_Click`: keeps the ten rows' texts, stores and checks them,
    // then turns the page. On a failure the page stays and the rows before the
    // failing one stay stored.
    std::optional<RejectedInput> NextTen(const DesignFireState& module,
                                         const CustomPageEntries& page);

    // `cmdPreviousTen_Click`: keeps the ten rows' texts as typed, unchecked,
    // and turns back a page; nothing happens on the first page.
    void PreviousTen(const CustomPageEntries& page);

    // `cmdOK_Click`: stores and checks the rows up to the first empty time (or
    // a time of 0 after point 0), then puts the points typed into the state as
    // the fire table. A table of a single point is refused: the models need two.
    // A full page goes on into the pages after it the user has already filled
    // (turned back to with Previous), checked the same way: a failure there
    // turns to its page (PageStart). A full page followed by an opened fire's
    // points on later pages keeps those points, so OK on the first page never
    // drops the rest of a file.
    std::optional<RejectedInput> Ok(DesignFireState& module, const CustomPageEntries& page);

    // The table index of row 0 of the page on screen.
    int PageStart() const { return pageStart_; }
    bool NextTenEnabled() const { return pageStart_ < kLastCustomPageStart; }
    bool PreviousTenEnabled() const { return pageStart_ > 0; }

    // `lblDataPointNo(b)`: the number of the point in row b, counting from 1
    // on every page ("Data point # 1" to "# 10", then "Data Point # 11" on).
    std::string DataPointCaption(int b) const;

  private:
    // Stores point k's time, shown in row i; an error when it does not fit
    // the 16-bit table.
    std::optional<RejectedInput> StoreTime(int k, int i, std::string_view text);
    // Stores point k's rate in kW; an error when it is negative or too large.
    std::optional<RejectedInput> StoreRate(const DesignFireState& module, int k, int i,
                                           std::string_view text);
    // Keeps the texts of the page on screen, for when it is turned to again.
    void KeepPage(const CustomPageEntries& page);
    // Checks and stores the rows of the page starting at `start` up to its
    // first empty time; the last point stored, or the failure.
    std::variant<int, RejectedInput> StorePageUpToEnd(const DesignFireState& module, int start,
                                                      const CustomPageTexts& texts);

    FireCurve entered_;
    // The texts of each page the user has left, by the index of its row 0.
    std::map<int, CustomPageTexts> typed_;
    std::int16_t pageStart_ = 0;
    int openedLast_ = -1; // the last point an opened fire file brought in
};

} // namespace vorla::generator
