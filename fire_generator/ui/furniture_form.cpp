#include "fire_generator/ui/furniture_form.h"

#include "common/ui/form_builders.h"
#include "fire_generator/curves/furniture_fire.h"
#include "fire_generator/ui/qt_text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vorla::generator {

frmFurniture::frmFurniture(DesignFireState& module, vorla::ui::PlatformServices& services)
    : CurveForm(module, services, "frmFurniture", "QDOT-XW: Furniture Fire Parameters") {
    const auto mass = AddBoxRow(0, "CombustibleMass", "Combustible Mass", {}, {});
    txtCombustibleMass = mass.Box;
    lblCombustibleMassUnits = mass.Units;

    // Two frames a row, read (and tabbed through) left to right, top to bottom.
    auto* frames = new QGridLayout;
    frames->setHorizontalSpacing(12);
    for (int f = 0; f < kFurnitureFactorCount; ++f) {
        const auto& frame = FurnitureFactorFrames()[f];
        auto* box = vorla::ui::MakeFrame(Text(frame.FrameName), Text(frame.Caption), this);
        auto* column = new QVBoxLayout(box);
        for (int i = 0; i < static_cast<int>(frame.Options.size()); ++i) {
            const auto& option = frame.Options[i];
            auto* button = vorla::ui::MakeOption(vorla::ui::ArrayName(Text(frame.OptionArray), i),
                                                 Text(option.Caption), box, Text(option.ToolTip));
            button->setChecked(i == 0);
            column->addWidget(button);
            Options[f].push_back(button);
        }
        column->addStretch(1);
        Frames[f] = box;
        frames->addWidget(box, f / 2, f % 2);
    }
    Fields()->setRowMinimumHeight(1, 6);
    Fields()->addLayout(frames, 2, 0, 1, 4);
}

void frmFurniture::Form_Activate() {
    lblCombustibleMassUnits->setText(QString::fromStdString(std::string(module_.Units.Mass.Label)));
    txtCombustibleMass->setFocus(Qt::OtherFocusReason);
}

int frmFurniture::SelectedOption(FurnitureFactor factor) const {
    const auto& options = Options[static_cast<int>(factor)];
    for (int i = static_cast<int>(options.size()) - 1; i > 0; --i) {
        if (options[i]->isChecked()) {
            return i;
        }
    }
    return 0;
}

void frmFurniture::cmdOK_Click() {
    const auto mass = txtCombustibleMass->text().toStdString();
    FurnitureEntries entries{mass, {}};
    for (int f = 0; f < kFurnitureFactorCount; ++f) {
        entries.Selected[f] = SelectedOption(static_cast<FurnitureFactor>(f));
    }
    FinishOk(BuildFurnitureFire(module_, entries));
}

} // namespace vorla::generator
