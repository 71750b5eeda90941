#include "compartment/ui/estimator_form.h"

#include "common/text/number_text.h"
#include "common/ui/form_builders.h"
#include "common/ui/platform_services.h"
#include "common/ui/typed_number_boxes.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/loss_fraction_estimator.h"
#include "compartment/model/saved_loss_fraction.h"
#include "common/files/text_file.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

namespace vorla::compartment {

void ForgetEstimateWhenRetyped(Calculations& calc, QLineEdit& box) {
    // The connection outlives the estimator window, which closes at once, and
    // ends with the estimate it watches.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(
        &box, &QLineEdit::textChanged, &box, [&calc, connection](const QString& text) {
            if (calc.LastEstimate && text.toStdString() == calc.LastEstimate->Text) {
                return;
            }
            calc.LastEstimate.reset();
            QObject::disconnect(*connection);
        });
}

std::optional<LossFractionEstimate> LossFractionEstimateOfReport(ui::PlatformServices& services,
                                                                 const std::string& programName,
                                                                 const std::string& path) {
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return std::nullopt; // the report itself was read: nothing more to say
    }
    auto read = SavedLossFractionEstimate(file.text);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        services.ShowMessage({path + ": " + *problem +
                                  " The report opens with its heat loss fraction as a typed "
                                  "number.",
                              programName, ui::MessageIcon::Exclamation, ui::MessageButtons::Ok});
        return std::nullopt;
    }
    return std::get<std::optional<LossFractionEstimate>>(read);
}

frmEstimateLc::frmEstimateLc(Calculations& calc, ui::PlatformServices& services,
                             QLineEdit& lossFractionBox, QWidget* parent)
    : QDialog(parent), calc_(calc), services_(services), lossFractionBox_(lossFractionBox) {
    setObjectName("frmEstimateLc");
    setWindowTitle("Estimate Total Heat Loss Fraction");
    setAttribute(Qt::WA_DeleteOnClose);

    lblAspectRatio = ui::MakeLabel("lblAspectRatio", "Ratio of Room Length To Width", this);
    txtAspectRatio = ui::MakeNumberBox("txtAspectRatio", "Aspect ratio must be 1  or greater", this,
                                       {.AtMost = QStringLiteral("000000.000"), .Padding = 16});
    lblAspectRatio->setBuddy(txtAspectRatio);

    fraCeilingRoughness = ui::MakeFrame("fraCeilingRoughness", "Ceiling Roughness", this);
    const char* captions[] = {"Smooth Ceiling Surface", "Moderately Rough Ceiling Surface",
                              "Irregular Ceiling Surface"};
    auto* options = new QVBoxLayout(fraCeilingRoughness);
    for (int index = 0; index < 3; ++index) {
        OptCeilingRoughness[index] =
            ui::MakeOption(ui::ArrayName("OptCeilingRoughness", index), captions[index], this);
        options->addWidget(OptCeilingRoughness[index]);
    }
    OptCeilingRoughness[0]->setChecked(true);

    cmdEstimate = ui::MakeButton("cmdEstimate", "Estimate", this);
    cmdEstimate->setDefault(true);
    cmdCancel = ui::MakeButton("cmdCancel", "Cancel", this);

    auto* ratio = new QHBoxLayout;
    ratio->addWidget(lblAspectRatio);
    ratio->addWidget(txtAspectRatio);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdEstimate);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ratio);
    layout->addWidget(fraCeilingRoughness);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    ui::SetTabOrder({txtAspectRatio, OptCeilingRoughness[0], OptCeilingRoughness[1],
                     OptCeilingRoughness[2], cmdEstimate, cmdCancel});

    connect(cmdEstimate, &QPushButton::clicked, this, &frmEstimateLc::cmdEstimate_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEstimateLc::cmdCancel_Click);
}

void frmEstimateLc::ShowModal() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    txtAspectRatio->setFocus();
}

void frmEstimateLc::cmdEstimate_Click() {
    if (!ui::AcceptTypedNumbers(services_, *this, {{txtAspectRatio}}, kInputErrorTitle)) {
        return;
    }
    int option = 0;
    for (int index = 0; index < 3; ++index) {
        if (OptCeilingRoughness[index]->isChecked()) {
            option = index;
            break;
        }
    }
    const auto estimate =
        EstimateFromEntries(txtAspectRatio->text().toStdString(), option, calc_.Inputs);
    if (!estimate) {
        // OK or Cancel alike: the window stays open for a ratio of 1 or more.
        services_.ShowMessage({std::string(kAspectRatioMessage), std::string(kInputErrorTitle),
                               ui::MessageIcon::Exclamation, ui::MessageButtons::OkCancel});
        txtAspectRatio->setFocus();
        txtAspectRatio->selectAll();
        return;
    }
    lossFractionBox_.setText(QString::fromStdString(*estimate));
    // The window's one text box holds the room's length-to-width ratio.
    const auto* ratio = findChild<QLineEdit*>();
    calc_.LastEstimate = LossFractionEstimate{
        *estimate, ratio != nullptr ? NumberOfText(ratio->text().toStdString()) : 1, option};
    ForgetEstimateWhenRetyped(calc_, lossFractionBox_);
    Finish();
}

void frmEstimateLc::cmdCancel_Click() {
    Finish();
}

void frmEstimateLc::accept() {
    cmdEstimate_Click();
}

void frmEstimateLc::reject() {
    cmdCancel_Click();
}

void frmEstimateLc::Finish() {
    // QDialog::done, not accept() or reject(): those are Estimate and Cancel here.
    done(QDialog::Accepted);
    // The input form takes the keyboard back whatever the window manager does.
    lossFractionBox_.window()->activateWindow();
    lossFractionBox_.setFocus();
}

} // namespace vorla::compartment
