#include "common/ui/axes_dialog.h"

#include "common/plot/axis_ticks.h"
#include "common/text/number_text.h"
#include "common/ui/form_builders.h"
#include "common/ui/platform_services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace vorla::ui {
namespace {

QString Text(std::optional<double> value) {
    return value ? QString::fromStdString(TextOfNumber(*value)) : QString();
}

QString Number(double value) {
    return QString::fromStdString(TextOfNumber(value));
}

} // namespace

AxesDialog::AxesDialog(PlatformServices& services, const QString& windowTitle,
                       const QString& xTitle, const QString& yTitle, AxisChoice x, AxisChoice y,
                       std::pair<double, double> xAutomatic, std::pair<double, double> yAutomatic,
                       QWidget* parent)
    : QDialog(parent), services_(services), title_(windowTitle + ": Axes"), xTitle_(xTitle),
      yTitle_(yTitle), xAutomatic_(xAutomatic), yAutomatic_(yAutomatic), x_(x), y_(y) {
    setObjectName("dlgAxes");
    setWindowTitle(title_);

    const NumberBoxWidth width{.AtLeast = "000000.00"};
    const std::array<const char*, 3> fields = {"From", "To", "Tick step"};
    const std::array<const char*, 6> keys = {"&From", "&To", "Tick &step",
                                             "Fro&m", "T&o", "Tick st&ep"};
    auto* grid = new QGridLayout;
    for (int axis = 0; axis < 2; ++axis) {
        const QString title = axis == 0 ? xTitle : yTitle;
        const AxisChoice& choice = axis == 0 ? x_ : y_;
        auto* name = new QLabel(title, this);
        name->setObjectName(axis == 0 ? "lblXAxis" : "lblYAxis");
        grid->addWidget(name, axis, 0);
        const std::array<std::optional<double>, 3> values = {choice.Min, choice.Max, choice.Step};
        for (int f = 0; f < 3; ++f) {
            const int index = 3 * axis + f;
            txtAxis[index] =
                MakeNumberBox(QString("txtAxis(%1)").arg(index),
                              QString("%1 of the axis %2; blank: automatic").arg(fields[f], title),
                              this, width, Text(values[f]));
            txtAxis[index]->setPlaceholderText("automatic");
            auto* caption = MakeLabel(QString("lblAxis(%1)").arg(index), keys[index], this);
            caption->setBuddy(txtAxis[index]);
            grid->addWidget(caption, axis, 1 + 2 * f);
            grid->addWidget(txtAxis[index], axis, 2 + 2 * f);
        }
    }
    auto* note = new QLabel("A blank box is automatic: the graph's own scale.", this);
    note->setObjectName("lblAutomatic");

    cmdOK = MakeButton("cmdOK", "OK", this);
    cmdOK->setDefault(true);
    cmdCancel = MakeButton("cmdCancel", "Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addLayout(buttons);

    for (int i = 0; i + 1 < 6; ++i) {
        setTabOrder(txtAxis[i], txtAxis[i + 1]);
    }
    setTabOrder(txtAxis[5], cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &AxesDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    txtAxis[0]->setFocus();
}

bool AxesDialog::Refuse(int box, const QString& message) {
    services_.ShowMessage({message.toStdString(), title_.toStdString(), MessageIcon::Exclamation,
                           MessageButtons::Ok});
    txtAxis[box]->setFocus();
    txtAxis[box]->selectAll();
    return false;
}

bool AxesDialog::ReadAxis(int first, const QString& axisTitle, std::pair<double, double> automatic,
                          bool time, AxisChoice& choice) {
    // "Time (min): From", as the dialog's row and box read.
    const std::array<QString, 3> names = {axisTitle + ": From", axisTitle + ": To",
                                          axisTitle + ": Tick step"};
    std::array<std::optional<double>, 3> values;
    for (int f = 0; f < 3; ++f) {
        const std::string text = txtAxis[first + f]->text().trimmed().toStdString();
        if (text.empty()) {
            continue;
        }
        if (IsNumberOutOfRange(text)) {
            return Refuse(first + f, names[f] + " is too large a number.");
        }
        values[f] = ParseWholeNumber(text);
        if (!values[f]) {
            return Refuse(first + f, names[f] + " must be a number, or blank for automatic.");
        }
    }
    const double min = values[0].value_or(automatic.first);
    const double max = values[1].value_or(automatic.second);
    if (!(min < max)) {
        // The box the user typed is the one to change; both typed: To.
        const int box = values[1] ? first + 1 : first;
        return Refuse(box, QString("%1 (%2) must be less than %3 (%4).")
                               .arg(names[0], Number(min), names[1], Number(max)));
    }
    if (values[2] && !(*values[2] > 0)) {
        return Refuse(first + 2, names[2] + " must be above 0, or blank for automatic.");
    }
    if (values[2] &&
        !TicksOver(time ? AxisTickKind::Minutes : AxisTickKind::Value, min, max, values[2])) {
        return Refuse(first + 2, QString("%1 %2 gives more than %3 ticks from %4 to %5.")
                                     .arg(names[2], Number(*values[2]))
                                     .arg(kMostAxisTicks)
                                     .arg(Number(min), Number(max)));
    }
    choice = {values[0], values[1], values[2]};
    return true;
}

void AxesDialog::cmdOK_Click() {
    AxisChoice x;
    AxisChoice y;
    if (ReadAxis(0, xTitle_, xAutomatic_, true, x) && ReadAxis(3, yTitle_, yAutomatic_, false, y)) {
        x_ = x;
        y_ = y;
        accept();
    }
}

} // namespace vorla::ui
