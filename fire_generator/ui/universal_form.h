// `frmUniversal`: the semi-universal fire, whose only input is the time from
// ignition to the end of the curve.
#pragma once

#include "fire_generator/ui/curve_form.h"

class QLineEdit;

namespace vorla::generator {

class frmUniversal final : public CurveForm {
    Q_OBJECT
  public:
    frmUniversal(StandardModule& module, vorla::ui::PlatformServices& services);

    QLineEdit* txtTEnd;

    void Form_Activate() override;
    void cmdOK_Click() override;
};

} // namespace vorla::generator
