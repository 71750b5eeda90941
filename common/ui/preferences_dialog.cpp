#include "common/ui/preferences_dialog.h"

#include "common/ui/form_builders.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorla::ui {
namespace {

// A drop-down list of `items`, each with the setting's value it stands for;
// `current` is selected.
QComboBox* MakeChoice(const QString& name, const QString& toolTip,
                      std::initializer_list<std::pair<const char*, int>> items, int current,
                      QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    for (const auto& [text, value] : items) {
        box->addItem(QString::fromUtf8(text), value);
    }
    box->setCurrentIndex(std::max(0, box->findData(current)));
    return box;
}

template <typename Enum> Enum Chosen(const QComboBox* box) {
    return static_cast<Enum>(box->currentData().toInt());
}

} // namespace

PreferencesSignals& PreferencesChanges() {
    static PreferencesSignals changes;
    return changes;
}

PreferencesDialog::PreferencesDialog(const std::string& programName, bool asksFlashover,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName("dlgPreferences");
    setWindowTitle(QString::fromStdString(programName + ": Preferences"));
    const ProgramSettings settings;

    auto* grid = new QGridLayout;
    int row = 0;
    if (asksFlashover) {
        cboFlashoverAnswer = MakeChoice(
            "cboFlashoverAnswer",
            "What Run does when the layer reaches flashover: ask whether to stop, or give the "
            "answer chosen here without asking",
            {{"Ask", int(FlashoverAnswer::Ask)},
             {"Always stop", int(FlashoverAnswer::Stop)},
             {"Always continue", int(FlashoverAnswer::Continue)}},
            int(settings.FlashoverAnswerPreference()), this);
        AddRow(grid, row++, MakeLabel("lblFlashoverAnswer", "At &flashover", this),
               cboFlashoverAnswer);
    }
    cboUnits = MakeChoice("cboUnits", "The unit option the input form starts with",
                          {{"S.I.", int(UnitSystem::SI)}, {"U.S.", int(UnitSystem::US)}},
                          int(settings.Units().value_or(UnitSystem::SI)), this);
    AddRow(grid, row++, MakeLabel("lblUnits", "&Units at start", this), cboUnits);
    cboGraphTheme = MakeChoice("cboGraphTheme",
                               "The look of the graphs on screen and in the files they are saved "
                               "to: dark, or light for print",
                               {{"Dark", int(GraphTheme::Dark)}, {"Light", int(GraphTheme::Light)}},
                               int(settings.GraphThemePreference()), this);
    AddRow(grid, row++, MakeLabel("lblGraphTheme", "&Graph theme", this), cboGraphTheme);
    cboTimeAxisUnit =
        MakeChoice("cboTimeAxisUnit", "The unit of the graphs' time axis",
                   {{"min", int(TimeAxisUnit::Minutes)}, {"s", int(TimeAxisUnit::Seconds)}},
                   int(settings.TimeAxisUnitPreference()), this);
    AddRow(grid, row++, MakeLabel("lblTimeAxisUnit", "&Time axis", this), cboTimeAxisUnit);

    cmdOK = MakeButton("cmdOK", "OK", this);
    cmdOK->setDefault(true);
    cmdCancel = MakeButton("cmdCancel", "Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    QWidget* first = cboFlashoverAnswer ? static_cast<QWidget*>(cboFlashoverAnswer) : cboUnits;
    if (cboFlashoverAnswer) {
        setTabOrder(cboFlashoverAnswer, cboUnits);
    }
    SetTabOrder({cboUnits, cboGraphTheme, cboTimeAxisUnit, cmdOK, cmdCancel});
    connect(cmdOK, &QPushButton::clicked, this, &PreferencesDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    first->setFocus();
}

void PreferencesDialog::cmdOK_Click() {
    ProgramSettings settings;
    if (cboFlashoverAnswer) {
        settings.SetFlashoverAnswerPreference(Chosen<FlashoverAnswer>(cboFlashoverAnswer));
    }
    settings.SetUnits(Chosen<UnitSystem>(cboUnits));
    settings.SetGraphThemePreference(Chosen<GraphTheme>(cboGraphTheme));
    settings.SetTimeAxisUnitPreference(Chosen<TimeAxisUnit>(cboTimeAxisUnit));
    accept();
    emit PreferencesChanges().Changed();
}

} // namespace vorla::ui
