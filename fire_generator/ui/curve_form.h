// What the five curve forms share: OK and Cancel at the bottom, Enter for OK
// and Escape for Cancel, the frame's close button doing what Cancel does, the
// rows of caption, number box and unit label, and the way out, either to the
// graph window (a curve was built) or back to the main form.
//
// A form exists from its opening to its OK or Cancel; it deletes itself when it
// leaves, after its signal has shown the next window, so the program always has
// a window on screen.
#pragma once

#include "common/ui/typed_number_boxes.h"
#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/curves/rejected_entry.h"

#include <QDialog>
#include <optional>
#include <vector>

class QCloseEvent;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorla::ui {
class PlatformServices;
}

namespace vorla::generator {

class CurveForm : public QDialog {
    Q_OBJECT
  public:
    // Called once the form is on screen: the unit captions from the unit tables,
    // the starting texts and the focus.
    virtual void Form_Activate() = 0;

  signals:
    // The fire table holds the new curve: the graph window is to be shown.
    void CurveBuilt();
    // Cancelled: the main form is to be shown again.
    void Cancelled();

  public slots:
    void reject() override; // Escape

  protected:
    CurveForm(DesignFireState& module, vorla::ui::PlatformServices& services,
              const QString& objectName, const QString& caption);

    // One row of the form's grid: caption, number box and unit caption.
    struct BoxRow {
        QLabel* Caption;
        QLineEdit* Box;
        QLabel* Units;
    };
    // Adds `lbl<name>`, `txt<name>` and `lbl<name>Units` to row `row` of Fields().
    BoxRow AddBoxRow(int row, const QString& name, const QString& caption, const QString& toolTip,
                     const QString& units);

    virtual void cmdOK_Click() = 0;
    // The boxes OK reads numbers from, in the form's order, checked with the
    // suite's rule for typed numbers before cmdOK_Click: the rows' boxes.
    virtual std::vector<vorla::ui::NumberBoxOnForm> NumberBoxes() const;
    // False, with the message shown and the focus on the box, when one of
    // NumberBoxes() is not wholly a number.
    bool NumbersTyped();
    // Back to the main form; the fire table is not touched.
    virtual void cmdCancel_Click();

    // The grid the form's rows go in (caption, box, unit caption).
    QGridLayout* Fields() const { return fields_; }
    // Buttons added here stand before OK and Cancel.
    QHBoxLayout* ButtonRow() const { return buttonRow_; }

    // The end of an OK: the rejected input's message and focus, or the way to
    // the graph window.
    void FinishOk(const std::optional<RejectedInput>& error);
    // Shows the message of a rejected input and puts the focus on its box; the
    // form stays open.
    void ShowRejectedInput(const RejectedInput& rejected);
    void LeaveToInput();

    void closeEvent(QCloseEvent* event) override;

    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    DesignFireState& module_;
    vorla::ui::PlatformServices& services_;

  private:
    void Leave();

    QGridLayout* fields_;
    std::vector<QLineEdit*> rowBoxes_;
    QHBoxLayout* buttonRow_;
    bool leaving_ = false;
    bool inCloseEvent_ = false;
};

} // namespace vorla::generator
