#include "cli/fire_custom_entry.h"

#include "fire_generator/curves/custom_fire.h"

#include <memory>
#include <string>

namespace vorla::cli {
namespace {

using generator::CustomFireEntry;
using generator::CustomPageEntries;
using generator::kCustomRowsPerPage;
using generator::RejectedEntry;

struct Row {
    std::string Time;
    std::string Rate;
    int Line = 0;
};

CustomPageEntries PageAt(const std::vector<Row>& rows, int pageStart) {
    CustomPageEntries page{};
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        const std::size_t k = static_cast<std::size_t>(pageStart + i);
        if (k < rows.size()) {
            page[i] = {rows[k].Time, rows[k].Rate};
        }
    }
    return page;
}

CustomEntryFailure FailureAt(RejectedInput error, const std::vector<Row>& rows, int pageStart) {
    const std::size_t k = static_cast<std::size_t>(pageStart + (error.Index < 0 ? 0 : error.Index));
    const int line = k < rows.size() ? rows[k].Line : 0;
    return {std::move(error), line};
}

} // namespace

std::optional<CustomEntryFailure> EnterCustomPoints(generator::DesignFireState& module,
                                                    const std::vector<FirePointText>& points) {
    CustomFireEntry entry;
    const auto start = entry.Activate(module);
    std::vector<Row> rows;
    if (start.FocusField == "txtTime") {
        // The rows before the focus row are filled in for the delay.
        for (int i = 0; i < start.FocusIndex; ++i) {
            rows.push_back({start.Time[i], start.Qdot[i], 0});
        }
    }
    for (const auto& point : points) {
        rows.push_back({point.Time, point.Rate, point.Line});
    }
    const int count = static_cast<int>(rows.size());
    if (count > generator::kMostCustomPoints) {
        return CustomEntryFailure{RejectedEntry("A custom fire can not have more than " +
                                                    std::to_string(generator::kMostCustomPoints) +
                                                    " data points.",
                                                "txtTime", kCustomRowsPerPage - 1),
                                  rows[generator::kMostCustomPoints].Line};
    }

    while (count - entry.PageStart() > kCustomRowsPerPage) {
        const int pageStart = entry.PageStart();
        if (auto error = entry.NextTen(module, PageAt(rows, pageStart))) {
            return FailureAt(std::move(*error), rows, pageStart);
        }
    }
    // OK is pressed on a copy: the table it builds is only kept when it holds
    // every point of the file.
    auto built = std::make_unique<generator::DesignFireState>(module);
    const int pageStart = entry.PageStart();
    if (auto error = entry.Ok(*built, PageAt(rows, pageStart))) {
        return FailureAt(std::move(*error), rows, pageStart);
    }
    if (built->LastPoint + 1 < count) {
        const int row = built->LastPoint + 1 - pageStart;
        return FailureAt(
            RejectedEntry("There are empty time fields on the present screen.", "txtTime", row),
            rows, pageStart);
    }
    module = *built;
    return std::nullopt;
}

} // namespace vorla::cli
