#include "fire_generator/curves/custom_fire.h"

#include "common/text/format.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"

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

CustomFormStart CustomFireEntry::Activate(const DesignFireState& module) {
    pageStart_ = 0;
    openedLast_ = -1;
    typed_.clear();
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

CustomPageTexts CustomFireEntry::PageTexts(const DesignFireState& module) const {
    if (const auto kept = typed_.find(pageStart_); kept != typed_.end()) {
        return kept->second;
    }
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
    return "Data Point # " + Format(pageStart_ + b + 1, "####");
}

std::optional<RejectedInput> CustomFireEntry::StoreTime(int k, int i, std::string_view text) {
    const auto time = RoundHalfEvenToInt16(NumberOfText(text));
    if (!time) {
        return TimeError("Time values must lie between -32768 s and 32767 s.", i);
    }
    entered_.Time[k] = *time;
    return std::nullopt;
}

std::optional<RejectedInput> CustomFireEntry::StoreRate(const DesignFireState& module, int k, int i,
                                                        std::string_view text) {
    const float rate = RoundToSingle(NumberOfText(text) * module.Units.HeatReleaseRate.ToSI);
    entered_.Rate[k] = rate;
    if (rate < 0) {
        return RateError("Heat release rate values can not be negative.", i);
    }
    if (!std::isfinite(rate)) {
        return RateError("Heat release rate values are too large.", i);
    }
    return std::nullopt;
}

std::optional<RejectedInput> CustomFireEntry::NextTen(const DesignFireState& module,
                                                      const CustomPageEntries& page) {
    if (!NextTenEnabled()) {
        return RejectedEntry("No more data points can be entered.", "cmdOK");
    }
    KeepPage(page);
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        const int k = pageStart_ + i;
        if (auto error = StoreTime(k, i, page[i].Time)) {
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
        if (auto error = StoreRate(module, k, i, page[i].Qdot)) {
            return error;
        }
    }
    pageStart_ = static_cast<std::int16_t>(pageStart_ + kCustomRowsPerPage);
    return std::nullopt;
}

void CustomFireEntry::PreviousTen(const CustomPageEntries& page) {
    if (!PreviousTenEnabled()) {
        return;
    }
    KeepPage(page);
    pageStart_ = static_cast<std::int16_t>(pageStart_ - kCustomRowsPerPage);
}

void CustomFireEntry::KeepPage(const CustomPageEntries& page) {
    CustomPageTexts& texts = typed_[pageStart_];
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        texts.Time[i] = std::string(page[i].Time);
        texts.Qdot[i] = std::string(page[i].Qdot);
    }
}

std::variant<int, RejectedInput> CustomFireEntry::StorePageUpToEnd(const DesignFireState& module,
                                                                   int start,
                                                                   const CustomPageTexts& texts) {
    for (int n = 0; n < kCustomRowsPerPage; ++n) {
        const int k = start + n;
        if (auto error = StoreTime(k, n, texts.Time[n])) {
            return *error;
        }
        if (k > 0) {
            if (entered_.Time[k] == 0) {
                return k - 1; // the entry ends before this row
            }
            if (entered_.Time[k - 1] >= entered_.Time[k]) {
                return TimeError("Data points are not entered in ascending order.", n);
            }
        }
        if (auto error = StoreRate(module, k, n, texts.Qdot[n])) {
            return *error;
        }
    }
    return start + kCustomRowsPerPage - 1;
}

std::optional<RejectedInput> CustomFireEntry::Ok(DesignFireState& module,
                                                 const CustomPageEntries& page) {
    KeepPage(page);
    int lastPoint = 0;
    for (int start = pageStart_;; start += kCustomRowsPerPage) {
        auto stored = StorePageUpToEnd(module, start, typed_[start]);
        if (auto* error = std::get_if<RejectedInput>(&stored)) {
            pageStart_ = static_cast<std::int16_t>(start); // the page to show it on
            return std::move(*error);
        }
        lastPoint = std::get<int>(stored);
        const int next = start + kCustomRowsPerPage;
        if (lastPoint < next - 1 || !typed_.contains(next)) {
            // The table ends on this page, or the pages after it were never
            // filled: they hold an opened fire's points or nothing.
            pageStart_ = static_cast<std::int16_t>(start);
            break;
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
    // The points just typed are where the next custom form starts, saved or not.
    module.CustomStartsFromCurve = true;
    module.CurveKind = "Points typed in the custom form";
    return std::nullopt;
}

} // namespace vorla::generator
