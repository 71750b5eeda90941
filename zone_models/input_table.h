// The shape of a model's input table: one row for each box of its input form,
// saying once everything the suite knows of that input (the control, the batch
// option and study key, the key of the summary's inputs, its unit, how a unit
// change shows it, its limits, its default and its caption). Each model lists
// its rows in its own input_table.h; the lookups here serve both.
#pragma once

#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace vorla::zone {

// What an input's number measures, and so how a unit change converts it.
enum class InputUnit {
    Text,     // a title or a name the report shows: no number
    File,     // the name of a file the run reads (a study resolves it from its folder)
    Length,   // m or ft
    Area,     // m² or ft²
    Fraction, // no unit, the same in both systems
    Seconds,  // s in both systems
};

// The range Run's checks accept, in S.I. units. A bound another input sets
// (below the ceiling, above the sill) is not here: Highest is then infinite,
// and the checks name the other input in their message.
struct InputLimits {
    double Lowest = -std::numeric_limits<double>::infinity();
    bool LowestAccepted = true;
    double Highest = std::numeric_limits<double>::infinity();
    bool HighestAccepted = true;

    constexpr bool Accepts(double value) const {
        const bool aboveLowest = LowestAccepted ? value >= Lowest : value > Lowest;
        const bool belowHighest = HighestAccepted ? value <= Highest : value < Highest;
        return aboveLowest && belowHighest;
    }
};

// One input of a model's form. `InputBox` and `InputBoxes` are the model's
// box names and box texts.
template <class InputBox, class InputBoxes> struct InputRow {
    InputBox Box;
    std::string_view Quantity;     // the RunInputs field it is read into: "FloorArea"
    std::string InputBoxes::*Text; // its box's text
    std::string_view Control;      // the control's object name: "txtFloorArea"
    std::string_view Option;       // the batch option, with its dashes: "--floor-area"
    std::string_view SummaryKey;   // the summary's inputs: "floor_area_m2"
    InputUnit Unit;
    std::string_view Pattern; // how a unit change shows it ("##0.00#"); empty if never
    InputLimits Limits;
    std::string_view Default; // the box's text after File New
    std::string_view Caption; // the form's label before the box
    // The option's line of `vorla ... --help`: the name of its value ("A") and
    // what follows it, its lines parted by line ends (each then indented to
    // the help's column). Empty for a row without an option.
    std::string_view HelpValue = {};
    std::string_view Help = {};
};

// A value the batch command or a study gives one input: the number in S.I.
// units (a length already converted from the unit of its option), or the text
// of a title or a file name. The model's WithInputValues stores it as Run's
// reading stores what its box holds.
template <class InputBox> struct InputValue {
    InputBox Box;
    std::variant<double, std::string> Value;
};

// The help lines of the table's options from `first` to `last` (their
// dashes included), in the table's order: "  --floor-area A", its help from
// `column` on (at least one blank after the option), every further line of
// the help indented to `column`.
template <class Row>
std::string OptionHelpLines(std::span<const Row> table, std::string_view first,
                            std::string_view last, std::size_t column) {
    std::string lines;
    bool inside = false;
    for (const Row& row : table) {
        inside = inside || row.Option == first;
        if (!inside || row.Option.empty()) {
            continue;
        }
        std::string head = "  ";
        head.append(row.Option);
        if (!row.HelpValue.empty()) {
            head.append(" ").append(row.HelpValue);
        }
        head.append(head.size() < column ? column - head.size() : 1, ' ');
        lines.append(head);
        std::string_view help = row.Help;
        for (auto end = help.find('\n'); end != std::string_view::npos; end = help.find('\n')) {
            lines.append(help.substr(0, end)).append("\n").append(column, ' ');
            help.remove_prefix(end + 1);
        }
        lines.append(help).append("\n");
        if (row.Option == last) {
            break;
        }
    }
    return lines;
}

// The option's name without its dashes: how the options are read by name
// ("floor-area") and the key a study's [base] and [vary] give it.
constexpr std::string_view OptionKey(std::string_view option) {
    const auto name = option.find_first_not_of('-');
    return name == std::string_view::npos ? std::string_view() : option.substr(name);
}

// Whether the option takes a number (the lengths, the area, the fractions and
// the run time); the others are texts.
template <class Row> constexpr bool IsNumberRow(const Row& row) {
    return row.Unit != InputUnit::Text && row.Unit != InputUnit::File;
}

// Whether a unit change converts the input's number.
template <class Row> constexpr bool IsDimensionRow(const Row& row) {
    return row.Unit == InputUnit::Length || row.Unit == InputUnit::Area;
}

// The row of a box. Every box has its row: the tables list the boxes in the
// enumeration's order, which the tests check.
template <class Row, class InputBox>
constexpr const Row& RowOfBox(std::span<const Row> table, InputBox box) {
    return table[static_cast<std::size_t>(box)];
}

// The row of a control's object name, nothing for a name that is not a box.
template <class Row>
constexpr const Row* RowOfControl(std::span<const Row> table, std::string_view control) {
    for (const Row& row : table) {
        if (row.Control == control) {
            return &row;
        }
    }
    return nullptr;
}

// The row of an option, with or without its dashes; nothing for an option no
// box takes.
template <class Row>
constexpr const Row* RowOfOption(std::span<const Row> table, std::string_view option) {
    for (const Row& row : table) {
        if (!row.Option.empty() && OptionKey(row.Option) == OptionKey(option)) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace vorla::zone
