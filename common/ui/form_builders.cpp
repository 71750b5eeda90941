#include "common/ui/form_builders.h"

#include "common/ui/file_name_box.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace vorla::ui {

QString ArrayName(const QString& name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent,
                  const QString& toolTip) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    if (!toolTip.isEmpty()) {
        label->setToolTip(toolTip);
    }
    return label;
}

QLabel* MakeUnitLabel(const QString& name, const QString& caption, QWidget* parent,
                      const QString& widestCaption) {
    auto* label = MakeLabel(name, caption, parent);
    if (!widestCaption.isEmpty()) {
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widestCaption));
    }
    return label;
}

QLineEdit* MakeTextBox(const QString& name, const QString& toolTip, QWidget* parent,
                       const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    if (!toolTip.isEmpty()) {
        box->setToolTip(toolTip);
    }
    return box;
}

FileNameBox* MakeFileBox(const QString& name, const QString& toolTip, QWidget* parent) {
    auto* box = new FileNameBox(parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    return box;
}

QLineEdit* MakeNumberBox(const QString& name, const QString& toolTip, QWidget* parent,
                         const NumberBoxWidth& width, const QString& text) {
    auto* box = MakeTextBox(name, toolTip, parent, text);
    const auto widthOf = [box, &width](const QString& sample) {
        return box->fontMetrics().horizontalAdvance(sample) + width.Padding;
    };
    if (width.RightAligned) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    const int leastWidth =
        width.AtLeastDigits > 0
            ? box->fontMetrics().horizontalAdvance(QStringLiteral("0")) * width.AtLeastDigits +
                  width.Padding
            : (width.AtLeast.isEmpty() ? 0 : widthOf(width.AtLeast));
    if (leastWidth > 0) {
        box->setMinimumWidth(leastWidth);
        if (width.AtMostTwiceAtLeast) {
            box->setMaximumWidth(2 * leastWidth);
        }
    }
    if (!width.AtMost.isEmpty()) {
        box->setMaximumWidth(widthOf(width.AtMost));
    }
    if (width.KeepsItsWidth) {
        box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    return box;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent,
                        bool enterPresses) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (enterPresses) {
        button->setAutoDefault(true);
    }
    return button;
}

QRadioButton* MakeOption(const QString& name, const QString& caption, QWidget* parent,
                         const QString& toolTip) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    if (!toolTip.isEmpty()) {
        option->setToolTip(toolTip);
    }
    return option;
}

QGroupBox* MakeFrame(const QString& name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

void AddRow(QGridLayout* grid, int row, QLabel* caption, QWidget* box, QLabel* units,
            int boxColumns) {
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1, 1, boxColumns);
    if (units != nullptr) {
        grid->addWidget(units, row, 1 + boxColumns);
    }
}

void SetTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* next : order) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

} // namespace vorla::ui
