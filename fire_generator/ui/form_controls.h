// Small builders for the controls every QDOT-XW form has: a labelled text box
// with its unit caption on one row of a grid, and buttons, each named after its
// control so tests and accessibility tools find it.
#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vorla::generator {

// One row of an input grid: caption, box and unit caption.
struct BoxRow {
    QLabel* Caption;
    QLineEdit* Box;
    QLabel* Units;
};

// Adds `lbl<name>`, `txt<name>` and `lbl<name>Units` to row `row` of `grid`;
// the caption is the box's buddy, so assistive tools read them together.
BoxRow AddBoxRow(QGridLayout* grid, int row, const QString& name, const QString& caption,
                 const QString& toolTip, const QString& units, QWidget* parent);

QLabel* NamedLabel(const QString& objectName, const QString& text, QWidget* parent);
QPushButton* NamedButton(const QString& objectName, const QString& text, QWidget* parent);

// "txtTime(3)": the object name of element `index` of a control array.
QString ArrayName(const QString& name, int index);

} // namespace vorla::generator
