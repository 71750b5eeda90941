// One live input of the Explore window: a number box whose arrow keys step by
// the input's step, Page Up/Down by ten steps (as any spin box does) and, with
// Shift held, by a tenth of a step, for the last digit of a value near a
// threshold. Its range is wide on purpose: a value the model refuses must be
// typeable, so that its message can be shown beside the box.
#pragma once

#include <QDoubleSpinBox>

namespace vorla::ui {

class ExploreNumberBox final : public QDoubleSpinBox {
    Q_OBJECT
  public:
    explicit ExploreNumberBox(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vorla::ui
