#include "fire_generator/ui/custom_form.h"

#include "common/ui/form_builders.h"
#include "common/ui/platform_services.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorla::generator {

using vorla::ui::MessageButton;
using vorla::ui::MessageButtons;
using vorla::ui::MessageIcon;

frmCustom::frmCustom(DesignFireState& module, vorla::ui::PlatformServices& services)
    : CurveForm(module, services, "frmCustom", "QDOT-XW: Custom Fire Parameters") {
    lblTime = vorla::ui::MakeLabel("lblTime", "Time (s)", this);
    lblQDOT = vorla::ui::MakeLabel("lblQDOT", "QDOT (kW)", this);
    Fields()->addWidget(lblTime, 0, 1);
    Fields()->addWidget(lblQDOT, 0, 2);
    Fields()->setColumnStretch(1, 1);
    Fields()->setColumnStretch(2, 1);
    Fields()->setColumnStretch(3, 0);
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        lblDataPointNo[i] =
            vorla::ui::MakeLabel(vorla::ui::ArrayName("lblDataPointNo", i), {}, this);
        txtTime[i] = vorla::ui::MakeTextBox(vorla::ui::ArrayName("txtTime", i), {}, this);
        txtQDOT[i] = vorla::ui::MakeTextBox(vorla::ui::ArrayName("txtQDOT", i), {}, this);
        lblDataPointNo[i]->setBuddy(txtTime[i]);
        // Room for the widest caption, so turning the pages never moves the boxes.
        lblDataPointNo[i]->setMinimumWidth(
            lblDataPointNo[i]->fontMetrics().horizontalAdvance("Data Point # 1800_"));
        Fields()->addWidget(lblDataPointNo[i], i + 1, 0);
        Fields()->addWidget(txtTime[i], i + 1, 1);
        Fields()->addWidget(txtQDOT[i], i + 1, 2);
    }
    ShowCaptions();

    cmdPreviousTen = vorla::ui::MakeButton("cmdPreviousTen", "&Previous 10 Points", this);
    cmdPreviousTen->setEnabled(false);
    ButtonRow()->addWidget(cmdPreviousTen);
    connect(cmdPreviousTen, &QPushButton::clicked, this, [this] { cmdPreviousTen_Click(); });
    cmdNextTen = vorla::ui::MakeButton("cmdNextTen", "&Next 10 Points", this);
    ButtonRow()->addWidget(cmdNextTen);
    connect(cmdNextTen, &QPushButton::clicked, this, [this] { cmdNextTen_Click(); });

    // Row by row, time then rate, then the buttons.
    QWidget* previous = txtTime[0];
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        if (i > 0) {
            setTabOrder(previous, txtTime[i]);
        }
        setTabOrder(txtTime[i], txtQDOT[i]);
        previous = txtQDOT[i];
    }
    setTabOrder(previous, cmdPreviousTen);
    setTabOrder(cmdPreviousTen, cmdNextTen);
    setTabOrder(cmdNextTen, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
}

void frmCustom::ShowCaptions() {
    for (int b = 0; b < kCustomRowsPerPage; ++b) {
        lblDataPointNo[b]->setText(QString::fromStdString(entry_.DataPointCaption(b)));
    }
}

void frmCustom::Form_Activate() {
    const auto start = entry_.Activate(module_);
    lblQDOT->setText(QString::fromStdString(start.QdotCaption));
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        txtTime[i]->setText(QString::fromStdString(start.Time[i]));
        txtQDOT[i]->setText(QString::fromStdString(start.Qdot[i]));
    }
    ShowCaptions();
    cmdPreviousTen->setEnabled(entry_.PreviousTenEnabled());
    cmdNextTen->setEnabled(entry_.NextTenEnabled());
    const auto& column = start.FocusField == "txtTime" ? txtTime : txtQDOT;
    column[start.FocusIndex]->setFocus(Qt::OtherFocusReason);
}

CustomPageEntries frmCustom::ReadPage() {
    CustomPageEntries page{};
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        texts_[2 * i] = txtTime[i]->text().toStdString();
        texts_[2 * i + 1] = txtQDOT[i]->text().toStdString();
        page[i] = {texts_[2 * i], texts_[2 * i + 1]};
    }
    return page;
}

std::vector<vorla::ui::NumberBoxOnForm> frmCustom::NumberBoxes() const {
    std::vector<vorla::ui::NumberBoxOnForm> boxes;
    for (int i = 0; i < kCustomRowsPerPage; ++i) {
        const QString point = lblDataPointNo[i]->text();
        boxes.push_back({txtTime[i], lblTime->text() + " of " + point});
        boxes.push_back({txtQDOT[i], lblQDOT->text() + " of " + point});
    }
    return boxes;
}

void frmCustom::cmdNextTen_Click() {
    if (!NumbersTyped()) {
        return;
    }
    if (auto error = entry_.NextTen(module_, ReadPage())) {
        ShowRejectedInput(*error);
        return;
    }
    ShowPage();
}

void frmCustom::cmdPreviousTen_Click() {
    // Only numbers are kept: OK may read the page again without showing it.
    if (!NumbersTyped()) {
        return;
    }
    entry_.PreviousTen(ReadPage());
    ShowPage();
}

void frmCustom::ShowPage() {
    ShowCaptions();
    // The rows as the user left them, the points of an opened fire file that
    // fall on this page, or empty rows.
    const auto page = entry_.PageTexts(module_);
    for (int b = 0; b < kCustomRowsPerPage; ++b) {
        txtTime[b]->setText(QString::fromStdString(page.Time[b]));
        txtQDOT[b]->setText(QString::fromStdString(page.Qdot[b]));
    }
    // The focus moves on first: a disabled button cannot keep it.
    txtTime[0]->setFocus(Qt::OtherFocusReason);
    cmdPreviousTen->setEnabled(entry_.PreviousTenEnabled());
    cmdNextTen->setEnabled(entry_.NextTenEnabled());
}

void frmCustom::cmdOK_Click() {
    const int pageBefore = entry_.PageStart();
    const auto error = entry_.Ok(module_, ReadPage());
    if (error && entry_.PageStart() != pageBefore) {
        ShowPage(); // the failing row is on a page filled earlier
    }
    FinishOk(error);
}

void frmCustom::cmdCancel_Click() {
    const auto answer = services_.ShowMessage({std::string(kCustomCancelQuestion),
                                               std::string(kInputDataCheckTitle),
                                               MessageIcon::Exclamation, MessageButtons::YesNo});
    if (answer == MessageButton::Yes) {
        LeaveToInput();
        return;
    }
    cmdOK->setFocus(Qt::OtherFocusReason);
}

} // namespace vorla::generator
