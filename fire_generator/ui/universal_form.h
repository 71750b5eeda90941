// `frmUniversal`: the semi-universal fire, whose only input is the time from
// ignition to the end of the curve.
#pragma once

#include "fire_generator/ui/curve_form.h"

class QLineEdit;

namespace vorla::generator {

class frmUniversal final : public CurveForm {
    Q_OBJECT
  public:
    frmUniversal(DesignFireState& module, vorla::ui::PlatformServices& services);

    void Form_Activate() override;

  private:
    void cmdOK_Click() override;

    QLineEdit* txtTEnd;
};

} // namespace vorla::generator
