#include "fire_generator/ui/tsquared_form.h"

#include "fire_generator/curves/tsquared_fire.h"

#include <QLabel>
#include <QLineEdit>

namespace vorla::generator {

frmTSquared::frmTSquared(StandardModule& module, vorla::ui::PlatformServices& services)
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
}

void frmTSquared::Form_Activate() {
    lblAlphaUnits->setText(QString::fromStdString(AlphaUnitsCaption(module_)));
    txtAlpha->setFocus(Qt::OtherFocusReason);
}

void frmTSquared::cmdOK_Click() {
    const auto alpha = txtAlpha->text().toStdString();
    const auto tMax = txtTMax->text().toStdString();
    const auto tEnd = txtTEnd->text().toStdString();
    FinishOk(BuildTSquaredFire(module_, {alpha, tMax, tEnd}));
}

} // namespace vorla::generator
