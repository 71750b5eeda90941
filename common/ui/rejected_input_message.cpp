#include "common/ui/rejected_input_message.h"

#include "common/ui/file_name_box.h"
#include "common/ui/platform_services.h"

#include <QLineEdit>
#include <QWidget>

namespace vorla::ui {

void ShowRejectedInput(PlatformServices& services, const RejectedInput& rejected, QWidget& form,
                       RejectedText text) {
    services.ShowMessage({rejected.Message, std::string(rejected.Title), MessageIcon::Exclamation,
                          MessageButtons::Ok});
    auto* box = form.findChild<QWidget*>(QString::fromStdString(rejected.ObjectName()));
    // A box the form has switched off (a curve form's unused row) keeps its
    // place; the message has said what is wrong.
    if (box == nullptr || !box->isEnabled()) {
        return;
    }
    if (auto* fileBox = qobject_cast<FileNameBox*>(box)) {
        fileBox->MoveFocusHere();
        return;
    }
    box->setFocus(Qt::OtherFocusReason);
    if (auto* textBox = qobject_cast<QLineEdit*>(box); textBox && text == RejectedText::Selected) {
        textBox->selectAll();
    }
}

} // namespace vorla::ui
