// A run title is one line of the saved report: a line break pasted into it
// would shift every header line after it, and File Open would read them
// wrongly. The title box turns each line break (CR LF, CR or LF) into a blank
// as it is typed or pasted.
#pragma once

#include <QValidator>

namespace vorla::ui {

class OneLineValidator final : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace vorla::ui
