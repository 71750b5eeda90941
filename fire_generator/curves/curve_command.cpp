#include "fire_generator/curves/curve_command.h"

#include "common/text/format.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "common/text/utf8_text.h"

#include <cmath>

namespace vorla::generator {
namespace {

constexpr std::size_t kLongestDescription = 60;
constexpr float kHighestHeatOfCombustion = 120000; // kJ/kg

RejectedInput ErrorAt(std::string_view message, std::string_view field) {
    return RejectedEntry(std::string(message), std::string(field));
}

} // namespace

std::string HeatOfCombustionText(const DesignFireState& module) {
    return Format(module.HeatOfCombustion / module.Units.HeatOfCombustion.ToSI, "######");
}

UnitSwitchTexts ChooseUnits(DesignFireState& module, UnitSystem units) {
    module.Units = UnitTablesFor(units);
    return {HeatOfCombustionText(module), std::string(module.Units.HeatOfCombustion.Label)};
}

void StoreHeatOfCombustion(DesignFireState& module, std::string_view text) {
    if (text.empty()) {
        return;
    }
    const float value = RoundToSingle(NumberOfText(text) * module.Units.HeatOfCombustion.ToSI);
    // An infinity would only ever be shown as such by the next unit switch; the
    // curve command reads the box again and rejects it there.
    if (std::isfinite(value)) {
        module.HeatOfCombustion = value;
    }
}

CurveCommandOutcome CheckCurveCommand(DesignFireState& module, const MainFormEntries& entries,
                                      const MainFormAnswers& answers) {
    module.FireDescription = Utf8Left(entries.Description, kLongestDescription);
    module.FireFileName = std::string(entries.FireFile);
    module.HeatOfCombustion =
        RoundToSingle(NumberOfText(entries.HeatOfCombustion) * module.Units.HeatOfCombustion.ToSI);
    const double delay = RoundHalfEven(NumberOfText(entries.DelayTime));
    const auto delay16 = RoundHalfEvenToInt16(delay);
    if (delay16) {
        module.DelayTime = *delay16;
    }

    if (module.FireDescription.empty() && !answers.KeepEmptyDescription) {
        return MainFormQuestion{MainFormQuestion::Subject::Description,
                                "Do you want to provide a description?", kInputDataCheckTitle,
                                false, "txtDescription"};
    }
    if (module.FireFileName.empty()) {
        return ErrorAt("A valid fire file name must be specified.", "txtFireFile");
    }
    if (!(module.HeatOfCombustion > 0)) {
        return ErrorAt("The heat of combustion must be greater than zero.", "txtHoC");
    }
    if (module.HeatOfCombustion > kHighestHeatOfCombustion) {
        return ErrorAt("The heat of combustion is too high.", "txtHoC");
    }
    if (delay < 0) {
        return ErrorAt("The delay time must not be negative.", "txtDelayTime");
    }
    if (!delay16) {
        return ErrorAt("The delay time must not exceed 32767 s.", "txtDelayTime");
    }
    if (module.DelayTime == 0 && !answers.DelayTimeIsZero) {
        return MainFormQuestion{MainFormQuestion::Subject::DelayTime,
                                "The specified delay time is zero. Is that correct?",
                                kInputDataCheckTitle, true, "txtDelayTime"};
    }
    return OpenTheCurveForm{};
}

} // namespace vorla::generator
