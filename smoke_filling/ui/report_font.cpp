#include "smoke_filling/ui/report_font.h"

#include <QApplication>
#include <QFontDatabase>

namespace vorla::smoke {

QFont ReportFont() {
    const QString courierNew = QStringLiteral("Courier New");
    QFont font = QFontDatabase::families().contains(courierNew)
                     ? QFont(courierNew)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (const double points = QApplication::font().pointSizeF(); points > 0) {
        font.setPointSizeF(points);
    }
    return font;
}

} // namespace vorla::smoke
