#include "fire_generator/ui/universal_form.h"

#include "fire_generator/curves/semi_universal_fire.h"

#include <QLineEdit>

namespace vorla::generator {

frmUniversal::frmUniversal(DesignFireState& module, vorla::ui::PlatformServices& services)
    : CurveForm(module, services, "frmUniversal", "QDOT-XW: Semi-Universal Fire Parameters") {
    txtTEnd =
        AddBoxRow(0, "TEnd", "Time from Ignition to End of Curve", "Must not exceed 600 s", "s")
            .Box;
}

void frmUniversal::Form_Activate() {
    txtTEnd->setFocus(Qt::OtherFocusReason);
}

void frmUniversal::cmdOK_Click() {
    const auto tEnd = txtTEnd->text().toStdString();
    FinishOk(BuildSemiUniversalFire(module_, {tEnd}));
}

} // namespace vorla::generator
