#include "common/ui/one_line_validator.h"

namespace vorla::ui {

QValidator::State OneLineValidator::validate(QString& input, int& /*position*/) const {
    input.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    input.replace(u'\r', u' ');
    input.replace(u'\n', u' ');
    return Acceptable;
}

} // namespace vorla::ui
