// `frmTSquared`: the t-squared fire's growth factor, time to the maximum and
// time to the end of the curve, with the standard growth classes offered to
// fill the growth factor.
#pragma once

#include "fire_generator/ui/curve_form.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace vorla::generator {

class frmTSquared final : public CurveForm {
    Q_OBJECT
  public:
    frmTSquared(DesignFireState& module, vorla::ui::PlatformServices& services);

    void Form_Activate() override;

  private:
    void cmdOK_Click() override;
    // A growth class chosen fills alpha; typing in alpha goes back to "Custom".
    void cboGrowthClass_Activated(int index);

    QLineEdit* txtAlpha;
    QLabel* lblAlphaUnits;
    QLineEdit* txtTMax;
    QLineEdit* txtTEnd;
    QComboBox* cboGrowthClass;
};

} // namespace vorla::generator
