// The builders every form of the suite makes its controls with: each control
// carries its control name as its object name (tests and accessibility tools
// find it by that name), a caption is the buddy of the box it names, and a
// row of a grid is caption, box and unit label.
//
//   auto* txtFloorArea = MakeNumberBox("txtFloorArea", "Must not exceed 1000 m²", form,
//                                      {.AtLeast = "00000000.000", .Padding = 16});
//   AddRow(grid, row, MakeLabel("lblFloorArea", "Floor Area", form), txtFloorArea,
//          MakeUnitLabel("lblFloorAreaUnits", "m²", form));
//
// A form names the width of its number boxes in sample texts of digits, so the
// boxes fit their numbers whatever the font.
#pragma once

#include <QString>
#include <initializer_list>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vorla::ui {

class FileNameBox;

// "txtTime(3)": the object name of element `index` of a control array.
QString ArrayName(const QString& name, int index);

QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent,
                  const QString& toolTip = {});

// A unit label ("m²") as wide as the widest caption it can show, so the form
// does not move when the units change.
QLabel* MakeUnitLabel(const QString& name, const QString& caption, QWidget* parent,
                      const QString& widestCaption = {});

// A box for text (a title, a description).
QLineEdit* MakeTextBox(const QString& name, const QString& toolTip, QWidget* parent,
                       const QString& text = {});

// A box that holds a file name chosen in a dialog.
FileNameBox* MakeFileBox(const QString& name, const QString& toolTip, QWidget* parent);

// How wide a number box is: at least as wide as `AtLeast` and at most as wide
// as `AtMost` (sample texts in the box's font, plus `Padding` pixels; an empty
// sample sets no bound), or, when `AtMostTwiceAtLeast`, up to twice its least
// width. `AtLeastDigits` instead counts whole digit cells, each as wide as a
// "0" rounded to the pixel, so that many digits fit whatever the font's
// fractional advances. A box that `KeepsItsWidth` does not stretch with its
// column, and one `RightAligned` lines its digits up on the right.
struct NumberBoxWidth {
    QString AtLeast{};
    int AtLeastDigits = 0;
    QString AtMost{};
    int Padding = 0;
    bool AtMostTwiceAtLeast = false;
    bool KeepsItsWidth = false;
    bool RightAligned = false;
};

QLineEdit* MakeNumberBox(const QString& name, const QString& toolTip, QWidget* parent,
                         const NumberBoxWidth& width, const QString& text = {});

// A push button; with `enterPresses`, Enter presses it while it has the focus.
QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent,
                        bool enterPresses = false);

QRadioButton* MakeOption(const QString& name, const QString& caption, QWidget* parent,
                         const QString& toolTip = {});

// A frame around a group of controls.
QGroupBox* MakeFrame(const QString& name, const QString& caption, QWidget* parent);

// Row `row` of `grid`: the caption in column 0, the box in column 1 (across
// `boxColumns` columns) and the unit label, if any, after it. The caption
// becomes the box's buddy, so its access key and screen readers reach the box.
void AddRow(QGridLayout* grid, int row, QLabel* caption, QWidget* box, QLabel* units = nullptr,
            int boxColumns = 1);

// Tab visits the controls in this order.
void SetTabOrder(std::initializer_list<QWidget*> order);

} // namespace vorla::ui
