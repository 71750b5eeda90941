// What the generator's main form does with its boxes, without the widgets:
// the unit switch, storing the heat of combustion when its box is left, and
// the reading and checks of a curve command (`OpenCurveForm`).
#pragma once

#include "common/text/unit_system.h"
#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/curves/rejected_entry.h"

#include <string>
#include <string_view>
#include <variant>

namespace vorla::generator {

// The five curve commands, in the order of their buttons.
enum class CurveKind {
    TSquared = 0,      // frmTSquared
    SemiUniversal = 1, // frmUniversal
    Pool = 2,          // frmPool
    Furniture = 3,     // frmFurniture
    Custom = 4,        // frmCustom
};

// The heat of combustion as `txtHoC` shows it in the current units: a whole
// number without separators.
std::string HeatOfCombustionText(const DesignFireState& module);

// `optUnits_Click`: the new factors and labels, and the texts of `txtHoC` and
// `lblHoCUnits`. No other box is converted.
struct UnitSwitchTexts {
    std::string HeatOfCombustion;
    std::string HeatOfCombustionUnits;
};
UnitSwitchTexts ChooseUnits(DesignFireState& module, UnitSystem units);

// `txtHoC_LostFocus`: stores the box's value in kJ/kg. An empty box, or one
// whose value does not fit a single-precision number, leaves the stored value.
void StoreHeatOfCombustion(DesignFireState& module, std::string_view text);

// The texts of the main form's boxes that a curve command reads.
struct MainFormEntries {
    std::string_view Description;
    std::string_view FireFile;
    std::string_view HeatOfCombustion;
    std::string_view DelayTime;
};

// The questions a curve command may ask, and the answers already given to them
// for this press of the button. The batch command answers both before asking.
struct MainFormAnswers {
    bool KeepEmptyDescription = false; // "No" to the description question
    bool DelayTimeIsZero = false;      // "Yes" to the zero delay question
};

// A Yes/No question to ask before going on. The answer `ContinueAnswer` means
// go on (ask again with the matching MainFormAnswers flag set); the other one
// stops with the focus on `FocusWhenStopped`.
struct MainFormQuestion {
    enum class Subject { Description, DelayTime };
    Subject About;
    std::string_view Text;
    std::string_view Title;
    bool ContinueOnYes;
    std::string_view FocusWhenStopped;
};

// Every check passed: hide the main form and open the curve form.
struct OpenTheCurveForm {};

using CurveCommandOutcome = std::variant<OpenTheCurveForm, MainFormQuestion, RejectedInput>;

// `OpenCurveForm`'s reading and checks, in their order. The description, file
// name, heat of combustion and delay are stored first, even when a later check
// stops the command. A delay that is negative or beyond 32767 s is refused: it
// would give times that go backwards or do not fit the table.
CurveCommandOutcome CheckCurveCommand(DesignFireState& module, const MainFormEntries& entries,
                                      const MainFormAnswers& answers);

} // namespace vorla::generator
