#include "fire_generator/ui/pool_form.h"

#include "fire_generator/curves/pool_fire.h"

#include <QLabel>
#include <QLineEdit>

namespace vorla::generator {

frmPool::frmPool(DesignFireState& module, vorla::ui::PlatformServices& services)
    : CurveForm(module, services, "frmPool", "QDOT-XW: Pool Fire Parameters") {
    const auto rate = AddBoxRow(0, "MLRInf", "Infinite Size Pool Mass Loss Rate",
                                "Must not exceed 1 kg/m²-s or 0.2 lb/ft²-s", {});
    txtMLRInf = rate.Box;
    lblMLRInfUnits = rate.Units;
    const auto kBeta = AddBoxRow(1, "KBeta", "K x  Beta", "Must not exceed 10 1/m or 3 1/ft", {});
    txtKBeta = kBeta.Box;
    lblKBetaUnits = kBeta.Units;
    const auto diameter =
        AddBoxRow(2, "Diameter", "Pool Diameter", "Must be at least 0.2 m or 8 in.", {});
    txtDiameter = diameter.Box;
    lblDiameterUnits = diameter.Units;
    txtTEnd =
        AddBoxRow(3, "TEnd", "Time from Ignition to End of Burning", "Must not exceed 9000 s", "s")
            .Box;
}

void frmPool::Form_Activate() {
    const auto captions = PoolUnitCaptionsOf(module_);
    lblMLRInfUnits->setText(QString::fromStdString(captions.MassLossRate));
    lblKBetaUnits->setText(QString::fromStdString(captions.KBeta));
    lblDiameterUnits->setText(QString::fromStdString(captions.Diameter));
    txtMLRInf->setFocus(Qt::OtherFocusReason);
}

void frmPool::cmdOK_Click() {
    const auto rate = txtMLRInf->text().toStdString();
    const auto kBeta = txtKBeta->text().toStdString();
    const auto diameter = txtDiameter->text().toStdString();
    const auto tEnd = txtTEnd->text().toStdString();
    FinishOk(BuildPoolFire(module_, {rate, kBeta, diameter, tEnd}));
}

} // namespace vorla::generator
