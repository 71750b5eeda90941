// `frmTSquared`: the t-squared fire's growth factor, time to the maximum and
// time to the end of the curve.
#pragma once

#include "fire_generator/ui/curve_form.h"

class QLabel;
class QLineEdit;

namespace vorla::generator {

class frmTSquared final : public CurveForm {
    Q_OBJECT
  public:
    frmTSquared(StandardModule& module, vorla::ui::PlatformServices& services);

    void Form_Activate() override;

  private:
    void cmdOK_Click() override;

    QLineEdit* txtAlpha;
    QLabel* lblAlphaUnits;
    QLineEdit* txtTMax;
    QLineEdit* txtTEnd;
};

} // namespace vorla::generator
