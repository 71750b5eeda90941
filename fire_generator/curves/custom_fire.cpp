#include "fire_generator/curves/custom_fire.h"

#include "common/format.h"
#include "common/number_text.h"
#include "common/precision.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace vorla::generator {
namespace {

// The shortest text that reads back as the same single-precision value.
std::string ShortestText(float value) {
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), value);
    return std::string(text, written.ptr);
}

RejectedInput TimeError(std::string_view message, int i) {
    return RejectedEntry(std::string(message), "txtTime", i);
}

RejectedInput RateError(std::string_view message, int i) {
    return RejectedEntry(std::string(message), "txtQDOT", i);
}

} // namespace

CustomFormStart CustomFireEntry::Activate(const StandardModule& module) {
    pageStart_ = 0;
    openedLast_ = -1;
    CustomFormStart start;
    start.QdotCaption = "QDOT (" + std::string(module.Units.HeatReleaseRate.Label) + ")";
    if (module.CustomStartsFromCurve) {
        // Every point, the last of a full table too: it has no row of its own
        // (the pages end at point 1799) but OK keeps it, as it keeps the
        // points of pages not turned to.
        openedLast_ = module.LastPoint;
        std::copy_n(module.FireTime.begin(), openedLast_ + 1, entered_.Time.begin());
        std::copy_n(module.FireRate.begin(), openedLast_ + 1, entered_.Rate.begin());
        auto page = PageTexts(module);
        start.Time = std::move(page.Time);
        start.Qdot = std::move(page.Qdot);
        start.FocusField = "txtTime";
        start.FocusIndex = 0;
        return start;
    }
    start.Time[0] = "0";
    if (module.DelayTime < 1) {
        start.FocusField = "txtQDOT";
        start.FocusIndex = 0;
        return start;
    }
    start.Qdot[0] = "0.0";
    start.Time[1] = std::to_string(module.DelayTime);
    start.Qdot[1] = "0.0";
    start.FocusField = "txtTime";
    start.FocusIndex = 2;
    return start;
}

CustomPageTexts CustomFireEntry::PageTexts(const StandardModule& module) const {
    CustomPageTexts texts;
    for (int b = 0; b < kCustomRowsPerPage && pageStart_ + b <= openedLast_; ++b) {
        const int k = pageStart_ + b;
        texts.Time[b] = std::to_string(entered_.Time[k]);
        texts.Qdot[b] =
            ShortestText(static_cast<float>(entered_.Rate[k] / module.Units.HeatReleaseRate.ToSI));
    }
    return texts;
}

std::string CustomFireEntry::DataPointCaption(int b) const {
    if (pageStart_ == 0) {
        return "Data point # " + std::to_string(b + 1);
    }
    return "Data Point # " + Format(pageStart_ + b, "####");
}

std::optional<RejectedInput> CustomFireEntry::StoreTime(int i, std::string_view text) {
    const auto time = RoundHalfEvenToInt16(NumberOfText(text));
    if (!time) {
        return TimeError("Time values must lie between -32768 s and 32767 s.", i);
    }
    entered_.Time[pageStart_ + i] = *time;
    return std::nullopt;
}

std::optional<RejectedInput> CustomFireEntry::StoreRate(const StandardModule& module, int i,
                                                        std::string_view text) {
    const float rate = RoundToSingle(NumberOfText(text) * module.Units.HeatReleaseRate.ToSI);
    entered_.Rate[pageStart_ + i] = rate;
    if (rate < 0) {
        return RateError("Heat release rate values can not be negative.", i);
    }
    if (!std::isfinite(rate)) {
        return RateError("Heat release rate values are too large.", i);
    }
    return std::nullopt;
}

std::optional<RejectedInput> CustomFireEntry::NextTen(const StandardModule& module,
                                                      const CustomPageEntries& page) {
    if (!NextTenEnabled()) {
        return RejectedEntry("No more data points can be entered.", "cmdOK");
    }
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        const int k = pageStart_ + i;
        if (auto error = StoreTime(i, page[i].Time)) {
            return error;
        }
        if (k >= 1) {
            if (entered_.Time[k] == 0) {
                return TimeError("There are empty time fields on the present screen.", i);
            }
            if (entered_.Time[k - 1] >= entered_.Time[k]) {
                return TimeError("Data points are not entered in ascending order.", i);
            }
        }
        if (auto error = StoreRate(module, i, page[i].Qdot)) {
            return error;
        }
    }
    pageStart_ = static_cast<std::int16_t>(pageStart_ + kCustomRowsPerPage);
    return std::nullopt;
}

std::optional<RejectedInput> CustomFireEntry::Ok(StandardModule& module,
                                                 const CustomPageEntries& page) {
    int lastPoint = pageStart_ + kCustomRowsPerPage - 1;
    for (int n = 0; n < kCustomRowsPerPage; ++n) {
        const int k = pageStart_ + n;
        if (auto error = StoreTime(n, page[n].Time)) {
            return error;
        }
        if (k > 0) {
            if (entered_.Time[k] == 0) {
                lastPoint = k - 1; // the entry ends before this row
                break;
            }
            if (entered_.Time[k - 1] >= entered_.Time[k]) {
                return TimeError("Data points are not entered in ascending order.", n);
            }
        }
        if (auto error = StoreRate(module, n, page[n].Qdot)) {
            return error;
        }
    }
    if (lastPoint < 1) {
        return TimeError("At least two data points must be entered.", 1);
    }
    if (lastPoint == pageStart_ + kCustomRowsPerPage - 1 && openedLast_ > lastPoint) {
        // The opened file's points on the pages not turned to yet: as read,
        // steps allowed, only the joint with the last row on screen checked.
        if (entered_.Time[lastPoint] > entered_.Time[lastPoint + 1]) {
            return TimeError("Data points are not entered in ascending order.",
                             kCustomRowsPerPage - 1);
        }
        lastPoint = openedLast_;
    }
    entered_.LastPoint = lastPoint;
    CommitCurve(entered_, module);
    return std::nullopt;
}

} // namespace vorla::generator
