#include "common/ui/fixed_pitch_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

namespace vorla::ui {

bool IsMonospaced(const QFont& font) {
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(QLatin1Char('W'));
    return width > 0 && metrics.horizontalAdvance(QLatin1Char('i')) == width &&
           metrics.horizontalAdvance(QLatin1Char(' ')) == width &&
           metrics.horizontalAdvance(QLatin1Char('0')) == width;
}

namespace {

QFont Sized(QFont font, double pointSize) {
    font.setPointSizeF(pointSize);
    return font;
}

// Monospaced by measure and declared so by the font itself. A font that only
// measures monospaced (some are not declared so) is the last resort.
bool IsFixedPitch(const QFont& font) {
    return IsMonospaced(font) && QFontInfo(font).fixedPitch();
}

} // namespace

QFont FixedPitchFont(const QString& name, double pointSize) {
    QFont named(name);
    named.setStyleHint(QFont::TypeWriter);
    named = Sized(named, pointSize);
    const QFont system = Sized(QFontDatabase::systemFont(QFontDatabase::FixedFont), pointSize);
    for (const QFont& font : {named, system}) {
        if (IsFixedPitch(font)) {
            return font;
        }
    }
    // A system whose fixed-pitch font is not declared so: any installed one that is.
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family)) {
            if (const QFont installed = Sized(QFont(family), pointSize); IsFixedPitch(installed)) {
                return installed;
            }
        }
    }
    // Nothing declared fixed-pitch at all: what measures so will do.
    return IsMonospaced(named) ? named : system;
}

QFont ReportFont() {
    const double textSize = QApplication::font().pointSizeF();
    return FixedPitchFont(QStringLiteral("Courier New"), textSize > 0 ? textSize : 10);
}

} // namespace vorla::ui
