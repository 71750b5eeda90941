#include "common/ui/qt_message_box.h"

#include <QCheckBox>
#include <QPushButton>

namespace vorla::ui {
namespace {

QMessageBox::Icon QtIconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

} // namespace

QMessageBox::StandardButton StandardButtonOf(MessageButton button) {
    switch (button) {
    case MessageButton::Ok:
        return QMessageBox::Ok;
    case MessageButton::Cancel:
        return QMessageBox::Cancel;
    case MessageButton::Yes:
        return QMessageBox::Yes;
    case MessageButton::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

std::unique_ptr<QMessageBox> MakeMessageBox(const MessageRequest& request, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setTextFormat(Qt::PlainText); // file names with "<" or "&" show as typed
    box->setText(QString::fromStdString(request.Text));
    box->setWindowTitle(QString::fromStdString(request.Title));
    box->setIcon(QtIconOf(request.Icon));
    box->setStandardButtons(QtButtonsOf(request.Buttons));
    box->setDefaultButton(StandardButtonOf(DefaultButtonOf(request)));
    if (request.EscapeLeaves) {
        // Escape needs a button to press that answers neither Yes nor No; the box
        // keeps the look of its two buttons.
        QPushButton* leave = box->addButton(QMessageBox::Cancel);
        leave->hide();
        box->setEscapeButton(leave);
    } else {
        box->setEscapeButton(box->button(StandardButtonOf(EscapeButtonOf(request.Buttons))));
    }
    if (!request.CheckBoxText.empty()) {
        box->setCheckBox(new QCheckBox(QString::fromStdString(request.CheckBoxText), box.get()));
    }
    return box;
}

MessageButton AnswerOf(int standardButton, MessageButtons buttons) {
    switch (standardButton) {
    case QMessageBox::Ok:
        return MessageButton::Ok;
    case QMessageBox::Cancel:
        return MessageButton::Cancel;
    case QMessageBox::Yes:
        return MessageButton::Yes;
    case QMessageBox::No:
        return MessageButton::No;
    default:
        return EscapeButtonOf(buttons);
    }
}

} // namespace vorla::ui
