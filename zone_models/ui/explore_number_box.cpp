#include "zone_models/ui/explore_number_box.h"

#include <QKeyEvent>

namespace vorla::ui {

ExploreNumberBox::ExploreNumberBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setRange(-1e9, 1e9);
    setKeyboardTracking(false); // typed digits count once Enter or the focus leaves
    setAccelerated(true);
}

void ExploreNumberBox::keyPressEvent(QKeyEvent* event) {
    const bool up = event->key() == Qt::Key_Up;
    const bool down = event->key() == Qt::Key_Down;
    if ((up || down) && (event->modifiers() & Qt::ShiftModifier)) {
        const double fine = singleStep() / 10;
        setValue(value() + (up ? fine : -fine));
        event->accept();
        return;
    }
    QDoubleSpinBox::keyPressEvent(event);
}

} // namespace vorla::ui
