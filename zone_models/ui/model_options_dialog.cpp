#include "zone_models/ui/model_options_dialog.h"

#include "common/files/text_file.h"
#include "common/ui/form_builders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

namespace vorla::ui {
namespace {

// The lists' items are in the order of the enumerations.
constexpr const char* kPositionItems[] = {"In the open (centre)", "Against a wall", "In a corner"};
constexpr const char* kPlumeItems[] = {"The model's own (Zukoski)", "Heskestad"};

} // namespace

ModelOptionsDialog::ModelOptionsDialog(const std::string& programName, const ModelOptions& current,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName("dlgModelOptions");
    setWindowTitle(QString::fromStdString(programName + ": Model Options"));

    cboFirePosition = new QComboBox(this);
    cboFirePosition->setObjectName("cboFirePosition");
    cboFirePosition->setToolTip("Where the fire stands: a wall or a corner keeps the plume from "
                                "entraining air on one or two sides, and the devices see the "
                                "ceiling jet of a fire 2 or 4 times as large (the mirror method)");
    for (const char* item : kPositionItems) {
        cboFirePosition->addItem(item);
    }
    cboPlume = new QComboBox(this);
    cboPlume->setObjectName("cboPlume");
    cboPlume->setToolTip("The correlation that gives the plume's mass flow above the fire");
    for (const char* item : kPlumeItems) {
        cboPlume->addItem(item);
    }
    chkModelUncertainty = new QCheckBox("Show the model &uncertainty in the key results", this);
    chkModelUncertainty->setObjectName("chkModelUncertainty");
    chkModelUncertainty->setToolTip(
        "Give the peak layer temperature rise and the greatest layer depth corrected for the "
        "bias the validation measured, with their 95 % range");

    auto* grid = new QGridLayout;
    AddRow(grid, 0, MakeLabel("lblFirePosition", "Fire &position", this), cboFirePosition);
    AddRow(grid, 1, MakeLabel("lblPlume", "Plume co&rrelation", this), cboPlume);

    cmdOK = MakeButton("cmdOK", "OK", this);
    cmdOK->setDefault(true);
    cmdCancel = MakeButton("cmdCancel", "Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(chkModelUncertainty);
    layout->addLayout(buttons);
    SetTabOrder({cboFirePosition, cboPlume, chkModelUncertainty, cmdOK, cmdCancel});

    cboFirePosition->setCurrentIndex(static_cast<int>(current.Position));
    cboPlume->setCurrentIndex(static_cast<int>(current.Plume));
    chkModelUncertainty->setChecked(current.ShowUncertainty);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    cboFirePosition->setFocus();
}

ModelOptions ModelOptionsDialog::Options() const {
    ModelOptions options;
    options.Position = static_cast<FirePosition>(cboFirePosition->currentIndex());
    options.Plume = static_cast<PlumeCorrelation>(cboPlume->currentIndex());
    options.ShowUncertainty = chkModelUncertainty->isChecked();
    return options;
}

ModelOptions ModelOptionsDialog::ModelOptionsOfReport(PlatformServices& services,
                                                      const std::string& programName,
                                                      const std::string& path) {
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return {}; // the report itself was read: nothing more to say
    }
    auto read = ReadSavedModelOptions(file.text);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        services.ShowMessage({path + ": " + *problem +
                                  " The report opens with the model's "
                                  "default options.",
                              programName, MessageIcon::Exclamation, MessageButtons::Ok});
        return {};
    }
    return std::get<ModelOptions>(read);
}

bool ModelOptionsDialog::UncertaintyKnown(PlatformServices& services,
                                          const std::string& programName,
                                          const ModelOptions& options,
                                          const UncertaintyRule& rule) {
    if (!options.ShowUncertainty) {
        return true;
    }
    const auto found = FindUncertaintyStatistics(rule);
    if (const auto* problem = std::get_if<std::string>(&found)) {
        services.ShowMessage({"The model uncertainty cannot be shown: " + *problem +
                                  " Clear \"Show the model uncertainty in the key results\" "
                                  "in File > Model Options… to run without it.",
                              programName, MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    return true;
}

} // namespace vorla::ui
