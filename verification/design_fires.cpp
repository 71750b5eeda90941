#include "verification/design_fires.h"

#include "common/fire_files/fire_file_reader.h"
#include "common/text/format.h"
#include "fire_generator/curves/custom_fire.h"
#include "fire_generator/curves/fire_file_save.h"
#include "fire_generator/curves/tsquared_fire.h"

namespace vorla::verification {
namespace {

constexpr float kHeatOfCombustion = 20000; // kJ/kg; only the burning-rate column uses it
// A fixed date keeps the fire-file text, and so the document, the same every day.
constexpr std::string_view kDate = "01-01-2000";

generator::DesignFireState NewModule(std::string description) {
    generator::DesignFireState module;
    module.HeatOfCombustion = kHeatOfCombustion;
    module.DelayTime = 0;
    module.FireDescription = std::move(description);
    module.FireFileName = "VERIFY.FIR";
    return module;
}

DesignFire WriteAndReadBack(const generator::DesignFireState& module) {
    auto content = generator::FireFileContent(module, module.FireFileName, kDate);
    if (const auto* refusal = std::get_if<RejectedInput>(&content)) {
        return refusal->Message;
    }
    FireTable table;
    if (const auto error =
            ParseFireFile(std::get<std::string>(content), module.FireFileName, table)) {
        return DescribeFireFileError(*error);
    }
    return table;
}

std::string Number(double value) {
    return Format(value, "0.0#########");
}

} // namespace

DesignFire TSquaredDesignFire(double alpha, double tMax, int tEnd, int delay) {
    auto module = NewModule("t-squared fire");
    module.DelayTime = static_cast<std::int16_t>(delay);
    const std::string alphaText = Number(alpha);
    const std::string tMaxText = Number(tMax);
    const std::string tEndText = std::to_string(tEnd);
    if (const auto error = generator::BuildTSquaredFire(module, {alphaText, tMaxText, tEndText})) {
        return error->Message;
    }
    return WriteAndReadBack(module);
}

DesignFire CustomDesignFire(const std::vector<TypedPoint>& points) {
    auto module = NewModule("custom fire");
    generator::CustomFireEntry entry;
    entry.Activate(module);
    // The texts as typed into the form's boxes; the page holds views of them.
    std::vector<std::string> times;
    std::vector<std::string> rates;
    for (const auto& point : points) {
        times.push_back(std::to_string(point.Time));
        rates.push_back(Number(point.Rate));
    }
    if (points.size() > static_cast<std::size_t>(generator::kMostCustomPoints)) {
        return "the custom fire holds at most " + std::to_string(generator::kMostCustomPoints) +
               " points, not " + std::to_string(points.size());
    }
    // Page after page as the form takes them (Next Ten), the last with OK, so
    // that no point beyond the first page is lost.
    std::size_t first = 0;
    while (true) {
        generator::CustomPageEntries page{};
        const std::size_t count = std::min(page.size(), times.size() - first);
        for (std::size_t i = 0; i < count; ++i) {
            page[i] = {times[first + i], rates[first + i]};
        }
        if (times.size() - first > page.size()) {
            if (const auto error = entry.NextTen(module, page)) {
                return error->Message;
            }
            first += page.size();
            continue;
        }
        if (const auto error = entry.Ok(module, page)) {
            return error->Message;
        }
        return WriteAndReadBack(module);
    }
}

DesignFire SteadyDesignFire(double rate, int tEnd) {
    return CustomDesignFire({{0, rate}, {tEnd, rate}});
}

} // namespace vorla::verification

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vorla::verification {

FireTable RequireFire(const DesignFire& fire) {
    if (const auto* refusal = std::get_if<std::string>(&fire)) {
        std::fprintf(stderr, "verification: a design fire was refused: %s\n", refusal->c_str());
        std::exit(1);
    }
    return std::get<FireTable>(fire);
}

} // namespace vorla::verification
