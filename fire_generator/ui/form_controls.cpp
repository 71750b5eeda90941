#include "fire_generator/ui/form_controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorla::generator {

QLabel* NamedLabel(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

QPushButton* NamedButton(const QString& objectName, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    return button;
}

QString ArrayName(const QString& name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

BoxRow AddBoxRow(QGridLayout* grid, int row, const QString& name, const QString& caption,
                 const QString& toolTip, const QString& units, QWidget* parent) {
    BoxRow controls{NamedLabel("lbl" + name, caption, parent), new QLineEdit(parent),
                    NamedLabel("lbl" + name + "Units", units, parent)};
    controls.Box->setObjectName("txt" + name);
    controls.Box->setToolTip(toolTip);
    controls.Caption->setBuddy(controls.Box);
    // Wide enough for "Btu/s/s²" whatever the font, so the boxes of a form
    // line up when the unit captions change.
    controls.Units->setMinimumWidth(controls.Units->fontMetrics().horizontalAdvance("Btu/s/s²_"));
    // A number needs no more room than this, whatever the window's width.
    controls.Box->setMaximumWidth(controls.Box->fontMetrics().horizontalAdvance(QString(18, u'0')));
    grid->addWidget(controls.Caption, row, 0);
    grid->addWidget(controls.Box, row, 1);
    grid->addWidget(controls.Units, row, 2);
    return controls;
}

} // namespace vorla::generator
