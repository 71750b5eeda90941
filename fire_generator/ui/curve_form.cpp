#include "fire_generator/ui/curve_form.h"

#include "common/ui/form_builders.h"
#include "common/ui/platform_services.h"
#include "common/ui/rejected_input_message.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorla::generator {

CurveForm::CurveForm(DesignFireState& module, vorla::ui::PlatformServices& services,
                     const QString& objectName, const QString& caption)
    : module_(module), services_(services) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    fields_ = new QGridLayout;
    // Caption, box and unit caption keep together; the room left over goes to
    // the right.
    fields_->setColumnStretch(3, 1);
    fields_->setHorizontalSpacing(10);

    cmdOK = vorla::ui::MakeButton("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    cmdCancel = vorla::ui::MakeButton("cmdCancel", "&Cancel", this);

    buttonRow_ = new QHBoxLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addLayout(buttonRow_);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields_);
    layout->addStretch(1);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, [this] {
        if (NumbersTyped()) {
            cmdOK_Click();
        }
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

CurveForm::BoxRow CurveForm::AddBoxRow(int row, const QString& name, const QString& caption,
                                       const QString& toolTip, const QString& units) {
    // A number needs no more room than this, whatever the window's width; the
    // unit caption is wide enough for "Btu/s/s²" whatever the font, so the boxes
    // of a form line up when the unit captions change.
    BoxRow controls{
        vorla::ui::MakeLabel("lbl" + name, caption, this),
        vorla::ui::MakeNumberBox("txt" + name, toolTip, this, {.AtMost = QString(18, u'0')}),
        vorla::ui::MakeUnitLabel("lbl" + name + "Units", units, this, "Btu/s/s²_")};
    vorla::ui::AddRow(fields_, row, controls.Caption, controls.Box, controls.Units);
    rowBoxes_.push_back(controls.Box);
    return controls;
}

std::vector<vorla::ui::NumberBoxOnForm> CurveForm::NumberBoxes() const {
    std::vector<vorla::ui::NumberBoxOnForm> boxes;
    for (QLineEdit* box : rowBoxes_) {
        boxes.push_back({box, {}});
    }
    return boxes;
}

bool CurveForm::NumbersTyped() {
    return vorla::ui::AcceptTypedNumbers(services_, *this, NumberBoxes(), kInputDataErrorTitle);
}

void CurveForm::cmdCancel_Click() {
    LeaveToInput();
}

void CurveForm::reject() {
    cmdCancel_Click();
}

void CurveForm::FinishOk(const std::optional<RejectedInput>& rejected) {
    if (rejected) {
        ShowRejectedInput(*rejected);
        return;
    }
    emit CurveBuilt();
    Leave();
}

void CurveForm::ShowRejectedInput(const RejectedInput& rejected) {
    vorla::ui::ShowRejectedInput(services_, rejected, *this);
}

void CurveForm::LeaveToInput() {
    emit Cancelled();
    Leave();
}

void CurveForm::Leave() {
    leaving_ = true;
    if (!inCloseEvent_) {
        close();
    }
}

void CurveForm::closeEvent(QCloseEvent* event) {
    if (leaving_) {
        event->accept();
        return;
    }
    // The frame's close button: what Cancel does, which may keep the form open.
    inCloseEvent_ = true;
    cmdCancel_Click();
    inCloseEvent_ = false;
    if (leaving_) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace vorla::generator
