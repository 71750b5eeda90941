// The QMessageBox behind PlatformServices::ShowMessage, built apart from showing
// it so its icon, buttons, default and escape buttons can be checked without
// opening a modal window.
#pragma once

#include "common/ui/platform_services.h"

#include <QMessageBox>
#include <memory>

namespace vorla::ui {

// A box with the request's plain text, title, icon (Exclamation is Qt's warning
// icon) and buttons; Enter presses the default button, Escape and the frame's
// close button the cancelling one (Cancel, No, or OK).
std::unique_ptr<QMessageBox> MakeMessageBox(const MessageRequest& request, QWidget* parent);

// The answer for the standard button a box returned from exec().
MessageButton AnswerOf(int standardButton, MessageButtons buttons);

QMessageBox::StandardButton StandardButtonOf(MessageButton button);

} // namespace vorla::ui
