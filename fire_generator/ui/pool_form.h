// `frmPool`: the pool fire's infinite size mass loss rate, K x Beta, diameter
// and time to the end of burning.
#pragma once

#include "fire_generator/ui/curve_form.h"

class QLabel;
class QLineEdit;

namespace vorla::generator {

class frmPool final : public CurveForm {
    Q_OBJECT
  public:
    frmPool(DesignFireState& module, vorla::ui::PlatformServices& services);

    void Form_Activate() override;

  private:
    void cmdOK_Click() override;

    QLineEdit* txtMLRInf;
    QLabel* lblMLRInfUnits;
    QLineEdit* txtKBeta;
    QLabel* lblKBetaUnits;
    QLineEdit* txtDiameter;
    QLabel* lblDiameterUnits;
    QLineEdit* txtTEnd;
};

} // namespace vorla::generator
