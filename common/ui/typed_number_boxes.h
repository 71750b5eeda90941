// The number boxes of a form checked with the suite's one rule for typed
// numbers (common/inputs/typed_number.h) before the form reads them: the first box
// whose text is not wholly a number gets a message naming it by its caption,
// and the focus, with its text selected so typing replaces it.
#pragma once

#include <QString>
#include <string_view>
#include <utility>
#include <vector>

class QLineEdit;
class QWidget;

namespace vorla::ui {

class PlatformServices;

struct NumberBoxOnForm {
    // A box called by its buddy label's caption, or by `caption` when one is given.
    NumberBoxOnForm(QLineEdit* box, QString caption = {}) : Box(box), Caption(std::move(caption)) {}

    QLineEdit* Box;
    QString Caption; // empty: the buddy label's caption
};

// The caption of the label whose buddy `box` is, without its access key ("&").
QString BuddyCaptionOf(const QLineEdit& box);

// True when every box can be read; otherwise shows the message under `title`
// and puts the focus on the box.
bool AcceptTypedNumbers(PlatformServices& services, QWidget& form,
                        const std::vector<NumberBoxOnForm>& boxes, std::string_view title);

} // namespace vorla::ui
