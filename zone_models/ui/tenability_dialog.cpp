#include "zone_models/ui/tenability_dialog.h"

#include "common/files/text_file.h"
#include "common/ui/form_builders.h"
#include "common/text/units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace vorla::ui {
namespace {

using tenability::NumberOption;
using tenability::TenabilityTexts;
using tenability::Typed;

// The boxes, in the order of tenability::NumberOptions().
struct BoxText {
    const char* Name;
    const char* Caption;
    const char* Unit; // in S.I. units; the U.S. one follows from the option's kind
    const char* ToolTip;
};
constexpr std::array<BoxText, 12> kBoxes{{
    {"txtHeatOfCombustion", "&Heat of combustion", "kJ/kg",
     "The heat released per kg of fuel burned (the chemical heat of combustion); empty: the "
     "fire file's, from its burning rates, else the fuel's"},
    {"txtSootYield", "&Soot yield", "kg/kg", "kg of soot per kg of fuel burned"},
    {"txtCoYield", "&CO yield", "kg/kg", "kg of carbon monoxide per kg of fuel burned"},
    {"txtHcnYield", "HC&N yield", "kg/kg",
     "kg of hydrogen cyanide per kg of fuel burned (0 for a fuel without nitrogen)"},
    {"txtCo2Yield", "CO&2 yield", "kg/kg", "kg of carbon dioxide per kg of fuel burned"},
    {"txtHeadHeight", "H&ead height", "m", "The height of a person's head above the floor"},
    {"txtVisibilityLimit", "&Visibility", "m",
     "The distance an exit sign must stay visible; empty: 10 m, 5 m in a room of at most 100 "
     "m\u00b2"},
    {"txtFedToxicLimit", "FED &toxic", "",
     "The toxic dose (fractional effective dose) at which the room is untenable"},
    {"txtFedHeatLimit", "FE&D heat", "",
     "The heat dose (fractional effective dose) at which the room is untenable"},
    {"txtRadiantFluxLimit", "&Radiant flux", "kW/m\u00b2",
     "The radiant heat flux at head height at which the room is untenable"},
    {"txtLayerHeightLimit", "&Layer height", "m",
     "The lowest tolerable height of the interface; empty: the head height"},
    {"txtTemperatureLimit", "Te&mperature", "\u00b0C", "The hottest tolerable gas at the head"},
}};

bool Us(UnitSystem units) {
    return units == UnitSystem::US;
}

QString UnitText(std::size_t k, UnitSystem units) {
    const NumberOption& option = tenability::NumberOptions()[k];
    if (Us(units) && option.Kind == Typed::Length) {
        return "ft";
    }
    if (Us(units) && option.Kind == Typed::Temperature) {
        return "\u00b0F";
    }
    return QString::fromUtf8(kBoxes[k].Unit);
}

double Shown(double si, Typed kind, UnitSystem units) {
    if (!Us(units)) {
        return si;
    }
    switch (kind) {
    case Typed::Length:
        return si / kMetresPerFoot;
    case Typed::Temperature:
        return si * 1.8 + 32;
    case Typed::Plain:
        break;
    }
    return si;
}

// The value box `k` holds in S.I. units; nothing for a criterion left to its
// default, or a heat of combustion left to the fire file.
std::optional<double> ValueOf(std::size_t k, const TenabilityTexts& texts) {
    const tenability::TenabilityInputs& inputs = texts.Inputs;
    const NumberOption& option = tenability::NumberOptions()[k];
    if (option.Option == "heat-of-combustion" && !texts.HeatOfCombustionGiven) {
        return std::nullopt;
    }
    if (option.Option == "visibility-limit") {
        return inputs.Criteria.Visibility;
    }
    if (option.Option == "tenability-layer-height") {
        return inputs.Criteria.LayerHeight;
    }
    return option.Used(inputs, tenability::LimitsFor(inputs, 0));
}

std::string Title(const std::string& programName) {
    return programName + ": Smoke and Tenability";
}

} // namespace

TenabilityDialog::TenabilityDialog(PlatformServices& services, const std::string& programName,
                                   const TenabilityTexts& current, UnitSystem units,
                                   std::optional<double> ceilingHeight, QWidget* parent)
    : QDialog(parent), services_(services), programName_(programName), units_(units),
      ceilingHeight_(ceilingHeight), accepted_(current), shown_(current) {
    setObjectName("dlgTenability");
    setWindowTitle(QString::fromStdString(Title(programName)));

    chkFollow = new QCheckBox("&Follow tenability", this);
    chkFollow->setObjectName("chkFollow");
    chkFollow->setToolTip("Follow the smoke, the gases and the heat a person at head height "
                          "meets, and give the time each criterion fails (ASET)");
    cboFuel = new QComboBox(this);
    cboFuel->setObjectName("cboFuel");
    cboFuel->setToolTip("A fuel burning well ventilated: choosing one fills in its yields");
    for (const auto& fuel : tenability::FuelTable()) {
        cboFuel->addItem(QString::fromUtf8(fuel.Name.data(), static_cast<int>(fuel.Name.size())));
    }
    cboSign = new QComboBox(this);
    cboSign->setObjectName("cboSign");
    cboSign->setToolTip("The exit signs the visibility is judged by (reflecting: K = 3; lit: "
                        "K = 8)");
    cboSign->addItems({"reflecting", "lit"});

    auto* grid = new QGridLayout;
    int row = 0;
    AddRow(grid, row++, MakeLabel("lblFuel", "F&uel", this), cboFuel);
    for (std::size_t k = 0; k < kNumbers; ++k) {
        txtValues[k] = MakeNumberBox(kBoxes[k].Name, QString::fromUtf8(kBoxes[k].ToolTip), this,
                                     {.AtLeast = "0.00000000000", .KeepsItsWidth = true});
        lblUnits[k] = MakeUnitLabel(QString(kBoxes[k].Name).replace(0, 3, "lbl") + "Units", "",
                                    this, "kW/m\u00b2");
        QLabel* caption = MakeLabel(QString(kBoxes[k].Name).replace(0, 3, "lbl"),
                                    QString::fromUtf8(kBoxes[k].Caption), this);
        AddRow(grid, row++, caption, txtValues[k], lblUnits[k]);
        if (tenability::NumberOptions()[k].Option == "head-height") {
            AddRow(grid, row++, MakeLabel("lblSign", "Si&gn", this), cboSign);
        }
    }
    txtValues[0]->setPlaceholderText("fire file");
    txtValues[6]->setPlaceholderText("10 or 5");
    txtValues[10]->setPlaceholderText("head height");

    lblProblem = new QLabel(this);
    lblProblem->setObjectName("lblProblem");
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet("color: #b00000");

    cmdOK = MakeButton("cmdOK", "OK", this);
    cmdOK->setDefault(true);
    cmdCancel = MakeButton("cmdCancel", "Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkFollow);
    layout->addLayout(grid);
    layout->addWidget(lblProblem);
    layout->addLayout(buttons);

    QWidget* previous = chkFollow;
    const auto next = [&previous](QWidget* widget) {
        setTabOrder(previous, widget);
        previous = widget;
    };
    next(cboFuel);
    for (std::size_t k = 0; k < kNumbers; ++k) {
        next(txtValues[k]);
        if (k == 5) {
            next(cboSign);
        }
    }
    next(cmdOK);
    next(cmdCancel);

    ShowValues(current);
    chkFollow->setChecked(current.Given);
    chkFollow_Toggled(current.Given);

    connect(chkFollow, &QCheckBox::toggled, this, &TenabilityDialog::chkFollow_Toggled);
    connect(cboFuel, &QComboBox::activated, this, &TenabilityDialog::cboFuel_Activated);
    connect(cmdOK, &QPushButton::clicked, this, &TenabilityDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    chkFollow->setFocus();
}

void TenabilityDialog::ShowUnitLabels() {
    for (std::size_t k = 0; k < kNumbers; ++k) {
        lblUnits[k]->setText(UnitText(k, units_));
    }
}

void TenabilityDialog::ShowValues(const TenabilityTexts& texts) {
    shown_ = texts;
    cboFuel->setCurrentIndex(static_cast<int>(texts.FuelKind));
    cboSign->setCurrentIndex(texts.Inputs.Sign == tenability::SignKind::Lit ? 1 : 0);
    for (std::size_t k = 0; k < kNumbers; ++k) {
        const auto value = ValueOf(k, texts);
        const QString text = value ? QString::fromStdString(tenability::ValueText(Shown(
                                         *value, tenability::NumberOptions()[k].Kind, units_)))
                                   : QString();
        txtValues[k]->setText(text);
        shownTexts_[k] = text;
    }
    ShowUnitLabels();
}

std::variant<TenabilityTexts, TenabilityDialog::Refusal> TenabilityDialog::ReadBoxes() const {
    tenability::OptionValues values;
    values["fuel"] =
        std::string(tenability::FuelTable()[static_cast<std::size_t>(cboFuel->currentIndex())].Key);
    values["sign"] = cboSign->currentIndex() == 1 ? "lit" : "reflecting";
    for (std::size_t k = 0; k < kNumbers; ++k) {
        const std::string text = txtValues[k]->text().trimmed().toStdString();
        const std::string_view option = tenability::NumberOptions()[k].Option;
        // An empty criterion of the two with a default is that default; an
        // empty heat of combustion is the fire file's.
        if (text.empty() && (option == "visibility-limit" || option == "tenability-layer-height" ||
                             option == "heat-of-combustion")) {
            continue;
        }
        values[std::string(option)] = text;
    }
    auto read = tenability::ReadTenabilityTexts(values, units_);
    if (auto* problem = std::get_if<std::string>(&read)) {
        // "The value of --soot-yield ...", "--fuel must be ...": the option is
        // the first word that begins with two dashes.
        const std::size_t dashes = problem->find("--");
        const std::size_t end = problem->find_first_of(" :", dashes);
        return Refusal{*problem, dashes == std::string::npos
                                     ? ""
                                     : problem->substr(dashes + 2, end - dashes - 2)};
    }
    TenabilityTexts texts = std::get<TenabilityTexts>(std::move(read));
    // A box still showing what it was shown gives the value it was shown from.
    for (std::size_t k = 0; k < kNumbers; ++k) {
        const auto value = ValueOf(k, shown_);
        if (value && txtValues[k]->text() == shownTexts_[k]) {
            tenability::NumberOptions()[k].Set(texts.Inputs, *value);
        }
    }
    const double ceiling = ceilingHeight_.value_or(std::numeric_limits<double>::infinity());
    if (auto problem = tenability::TenabilityProblem(texts.Inputs, ceiling)) {
        const std::size_t end = problem->find(':');
        return Refusal{*problem, problem->substr(2, end - 2)};
    }
    texts.Given = chkFollow->isChecked();
    return texts;
}

void TenabilityDialog::SetUnits(UnitSystem units) {
    auto read = ReadBoxes();
    if (auto* texts = std::get_if<TenabilityTexts>(&read)) {
        units_ = units;
        ShowValues(*texts);
        return;
    }
    units_ = units;
    ShowUnitLabels();
}

void TenabilityDialog::chkFollow_Toggled(bool followed) {
    cboFuel->setEnabled(followed);
    cboSign->setEnabled(followed);
    for (QLineEdit* box : txtValues) {
        box->setEnabled(followed);
    }
    if (!followed) {
        lblProblem->clear();
    }
}

void TenabilityDialog::cboFuel_Activated(int index) {
    const auto& fuel = tenability::FuelTable()[static_cast<std::size_t>(index)];
    // The fuel's yields replace the four yield boxes, and its heat of
    // combustion a heat of combustion typed (an empty box stays the fire
    // file's, as --fuel leaves it); the other boxes stay as typed.
    const bool heatTyped = !txtValues[0]->text().trimmed().isEmpty();
    TenabilityTexts texts = shown_;
    texts.FuelKind = fuel.Kind;
    texts.Inputs.Yields = fuel.Yields;
    texts.HeatOfCombustionGiven = heatTyped;
    shown_.FuelKind = fuel.Kind;
    shown_.Inputs.Yields = fuel.Yields;
    shown_.HeatOfCombustionGiven = heatTyped;
    for (std::size_t k = heatTyped ? 0 : 1; k < 5; ++k) {
        const QString text =
            QString::fromStdString(tenability::ValueText(*ValueOf(k, texts)));
        txtValues[k]->setText(text);
        shownTexts_[k] = text;
    }
}

void TenabilityDialog::cmdOK_Click() {
    auto read = ReadBoxes();
    if (auto* refusal = std::get_if<Refusal>(&read)) {
        if (!chkFollow->isChecked()) {
            // Not followed: the values refused are not kept, the previous ones are.
            accepted_.Given = false;
            accept();
            return;
        }
        lblProblem->setText(QString::fromStdString(refusal->Sentence));
        for (std::size_t k = 0; k < kNumbers; ++k) {
            if (tenability::NumberOptions()[k].Option == refusal->Option) {
                txtValues[k]->setFocus();
                txtValues[k]->selectAll();
            }
        }
        return;
    }
    accepted_ = std::get<TenabilityTexts>(std::move(read));
    accept();
}

bool TenabilityDialog::TenabilityFitsRoom(PlatformServices& services,
                                          const std::string& programName,
                                          const TenabilityTexts& tenability, double ceilingHeight) {
    if (!tenability.Given) {
        return true;
    }
    if (const auto problem = tenability::TenabilityProblem(tenability.Inputs, ceilingHeight)) {
        services.ShowMessage(
            {*problem, Title(programName), MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    return true;
}

TenabilityTexts TenabilityDialog::TenabilityOfReport(PlatformServices& services,
                                                     const std::string& programName,
                                                     const std::string& path,
                                                     double ceilingHeight) {
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return {}; // the report itself was read: nothing more to say
    }
    auto read = tenability::ReadSavedTenability(file.text);
    std::string problem;
    if (auto* sentence = std::get_if<std::string>(&read)) {
        problem = *sentence;
    } else if (const auto& saved = std::get<std::optional<tenability::SavedTenability>>(read)) {
        if (auto unusable = tenability::TenabilityProblem(saved->Texts.Inputs, ceilingHeight)) {
            problem = "Line " + std::to_string(saved->Line) + ": " + *unusable;
        } else {
            return saved->Texts;
        }
    } else {
        return {};
    }
    services.ShowMessage({path + ": " + problem + " The report opens without its tenability.",
                          programName, MessageIcon::Exclamation, MessageButtons::Ok});
    return {};
}

} // namespace vorla::ui
