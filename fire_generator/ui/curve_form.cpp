#include "fire_generator/ui/curve_form.h"

#include "common/ui/platform_services.h"
#include "fire_generator/ui/form_controls.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorla::generator {

using vorla::ui::MessageButtons;
using vorla::ui::MessageIcon;

CurveForm::CurveForm(StandardModule& module, vorla::ui::PlatformServices& services,
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

    cmdOK = NamedButton("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    cmdCancel = NamedButton("cmdCancel", "&Cancel", this);

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

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void CurveForm::cmdCancel_Click() {
    LeaveToInput();
}

void CurveForm::reject() {
    cmdCancel_Click();
}

void CurveForm::FinishOk(const std::optional<RejectedInput>& error) {
    if (error) {
        ShowInputError(*error);
        return;
    }
    emit CurveBuilt();
    Leave();
}

void CurveForm::ShowInputError(const RejectedInput& error) {
    services_.ShowMessage(
        {error.Message, std::string(error.Title), MessageIcon::Exclamation, MessageButtons::Ok});
    auto* box = findChild<QWidget*>(QString::fromStdString(error.ObjectName()));
    if (box == nullptr || !box->isEnabled()) {
        return;
    }
    box->setFocus(Qt::OtherFocusReason);
    // The wrong value is selected, so typing replaces it.
    if (auto* text = qobject_cast<QLineEdit*>(box)) {
        text->selectAll();
    }
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
