#include "fire_generator/ui/tsquared_form.h"

#include "common/ui/form_builders.h"
#include "common/ui/platform_services.h"
#include "fire_generator/curves/growth_classes.h"
#include "fire_generator/curves/tsquared_fire.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace vorla::generator {

frmTSquared::frmTSquared(DesignFireState& module, vorla::ui::PlatformServices& services)
    : CurveForm(module, services, "frmTSquared", "QDOT-XW: T-Squared Fire Parameters") {
    const auto alpha =
        AddBoxRow(0, "Alpha", "Growth Factor Alpha", "Must not exceed 2 kW/s² or 2 Btu/s/s²", {});
    txtAlpha = alpha.Box;
    lblAlphaUnits = alpha.Units;
    txtTMax =
        AddBoxRow(1, "TMax", "Time from Ignition to Maximum QDOT", "Must be greater than zero", "s")
            .Box;
    txtTEnd =
        AddBoxRow(2, "TEnd", "Time from Ignition to End of Curve", "Must not exceed 9000 s", "s")
            .Box;

    cboGrowthClass = new QComboBox(this);
    cboGrowthClass->setObjectName("cboGrowthClass");
    cboGrowthClass->setToolTip("Fills the growth factor with a standard growth class: the time "
                               "the fire takes to reach 1055 kW");
    cboGrowthClass->addItem("Custom");
    for (const auto& growth : kGrowthClasses) {
        cboGrowthClass->addItem(
            QString::fromUtf8(growth.Name.data(), static_cast<qsizetype>(growth.Name.size())));
    }
    auto* lblGrowthClass = vorla::ui::MakeLabel("lblGrowthClass", "&Growth Class", this);
    lblGrowthClass->setBuddy(cboGrowthClass);
    Fields()->addWidget(lblGrowthClass, 3, 0);
    Fields()->addWidget(cboGrowthClass, 3, 1);
    connect(cboGrowthClass, &QComboBox::activated, this,
            [this](int index) { cboGrowthClass_Activated(index); });
    connect(txtAlpha, &QLineEdit::textEdited, this, [this] { cboGrowthClass->setCurrentIndex(0); });
}

void frmTSquared::cboGrowthClass_Activated(int index) {
    if (index < 1 || index > static_cast<int>(kGrowthClasses.size())) {
        return; // "Custom": alpha stays as typed
    }
    const auto& growth = kGrowthClasses[static_cast<std::size_t>(index - 1)];
    txtAlpha->setText(QString::fromStdString(GrowthClassAlphaText(growth, module_.Units)));
}

void frmTSquared::Form_Activate() {
    lblAlphaUnits->setText(QString::fromStdString(AlphaUnitsCaption(module_)));
    txtAlpha->setFocus(Qt::OtherFocusReason);
}

void frmTSquared::cmdOK_Click() {
    const auto alpha = txtAlpha->text().toStdString();
    const auto tMax = txtTMax->text().toStdString();
    const auto tEnd = txtTEnd->text().toStdString();
    const TSquaredEntries entries{alpha, tMax, tEnd};
    if (const auto question = PeakNotReachedQuestion(module_, entries)) {
        const auto answer = services_.ShowMessage(
            {*question, std::string(kInputDataCheckTitle), vorla::ui::MessageIcon::Exclamation,
             vorla::ui::MessageButtons::YesNo, vorla::ui::MessageButton::No});
        if (answer != vorla::ui::MessageButton::Yes) {
            txtTEnd->setFocus(Qt::OtherFocusReason);
            txtTEnd->selectAll();
            return; // the user corrects a time; nothing is built
        }
    }
    FinishOk(BuildTSquaredFire(module_, entries));
}

} // namespace vorla::generator
