#include "common/ui/typed_number_boxes.h"

#include "common/inputs/typed_number.h"
#include "common/ui/rejected_input_message.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace vorla::ui {

QString BuddyCaptionOf(const QLineEdit& box) {
    const QWidget* form = box.window();
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (label->buddy() == &box) {
            QString caption = label->text();
            // "&&" is a literal ampersand; a single "&" marks the access key.
            caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
            caption.remove(u'&');
            caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
            return caption.simplified();
        }
    }
    return box.objectName();
}

bool AcceptTypedNumbers(PlatformServices& services, QWidget& form,
                        const std::vector<NumberBoxOnForm>& boxes, std::string_view title) {
    std::vector<TypedNumberBox> typed;
    typed.reserve(boxes.size());
    for (const NumberBoxOnForm& entry : boxes) {
        const QString caption =
            entry.Caption.isEmpty() ? BuddyCaptionOf(*entry.Box) : entry.Caption;
        typed.push_back({caption.toStdString(), entry.Box->text().toStdString(),
                         entry.Box->objectName().toStdString()});
    }
    const auto rejected = CheckTypedNumbers(typed, title);
    if (rejected) {
        ShowRejectedInput(services, *rejected, form, RejectedText::Selected);
    }
    return !rejected;
}

} // namespace vorla::ui
