// `frmFurniture`: the combustible mass of a piece of upholstered furniture and
// its five construction factors, each chosen in a frame of option buttons whose
// tool tips show the factors.
#pragma once

#include "fire_generator/curves/furniture_factors.h"
#include "fire_generator/ui/curve_form.h"

#include <array>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vorla::generator {

class frmFurniture final : public CurveForm {
    Q_OBJECT
  public:
    frmFurniture(DesignFireState& module, vorla::ui::PlatformServices& services);

    void Form_Activate() override;

  private:
    void cmdOK_Click() override;

    // The index of the selected option of a frame: the first selected from the
    // highest index down, option 0 when none is.
    int SelectedOption(FurnitureFactor factor) const;

    QLineEdit* txtCombustibleMass;
    QLabel* lblCombustibleMassUnits;
    // The frames and their option arrays, in the order of FurnitureFactor; the
    // options by index ("optFabricFactor(2)").
    std::array<QGroupBox*, kFurnitureFactorCount> Frames{};
    std::array<std::vector<QRadioButton*>, kFurnitureFactorCount> Options;
};

} // namespace vorla::generator
