// `frmCustom`: the fire table typed point by point, ten rows a page. Next 10
// Points checks the page and turns to the next one; Previous 10 Points turns
// back, keeping what the page holds; OK ends the table at the first empty
// time; Cancel asks first, since the points typed would be lost.
#pragma once

#include "fire_generator/curves/custom_fire.h"
#include "fire_generator/ui/curve_form.h"

#include <array>

class QLabel;
class QLineEdit;

namespace vorla::generator {

class frmCustom final : public CurveForm {
    Q_OBJECT
  public:
    frmCustom(DesignFireState& module, vorla::ui::PlatformServices& services);

    void Form_Activate() override;

  private:
    void cmdNextTen_Click();
    void cmdPreviousTen_Click();
    void cmdOK_Click() override;
    std::vector<vorla::ui::NumberBoxOnForm> NumberBoxes() const override;
    void cmdCancel_Click() override;

    QLabel* lblTime;
    QLabel* lblQDOT;
    std::array<QLabel*, kCustomRowsPerPage> lblDataPointNo{};
    std::array<QLineEdit*, kCustomRowsPerPage> txtTime{};
    std::array<QLineEdit*, kCustomRowsPerPage> txtQDOT{};
    QPushButton* cmdPreviousTen;
    QPushButton* cmdNextTen;

    // The texts of the page; `texts_` keeps them alive while the entry reads them.
    CustomPageEntries ReadPage();
    void ShowCaptions();
    // The page the entry is on: its captions, its rows' texts, the buttons
    // that can turn it; the focus on its first time.
    void ShowPage();

    CustomFireEntry entry_;
    std::array<std::string, 2 * kCustomRowsPerPage> texts_;
};

} // namespace vorla::generator
