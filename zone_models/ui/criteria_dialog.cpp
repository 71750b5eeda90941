#include "zone_models/ui/criteria_dialog.h"

#include "zone_models/criteria_boxes.h"
#include "common/ui/form_builders.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorla::ui {
namespace {

QString Label(CriteriaBox box, UnitSystem units) {
    QString label = QString::fromStdString(CriteriaBoxLabel(box, units));
    return label.replace(0, 1, QLatin1Char('&') + label.at(0));
}

} // namespace

CriteriaDialog::CriteriaDialog(PlatformServices& services, const std::string& programName,
                               const KeyCriteria& current, UnitSystem units,
                               std::optional<double> ceilingHeightM, QWidget* parent)
    : QDialog(parent), services_(services), programName_(programName), criteria_(current),
      units_(units), ceilingHeightM_(ceilingHeightM) {
    setObjectName("dlgCriteria");
    setWindowTitle(QString::fromStdString(programName + ": Criteria"));

    const bool us = units == UnitSystem::US;
    txtInterfaceHeights = MakeTextBox(
        "txtInterfaceHeights",
        QString("The heights the Key Results give the time the layer comes down to, in %1, "
                "separated by commas (%2). Leave the box empty for none.")
            .arg(us ? "ft" : "m", us ? "6, 5" : "1.8, 1.5"),
        this,
        QString::fromStdString(CriteriaBoxText(CriteriaBox::InterfaceHeights, current, units)));
    txtLayerTemperatures = MakeTextBox(
        "txtLayerTemperatures",
        QString("The layer temperatures the Key Results give the time the layer reaches, in %1, "
                "separated by commas (%2). Leave the box empty for none.")
            .arg(us ? "\u00b0F" : "\u00b0C", us ? "140, 392, 1112" : "60, 200, 600"),
        this,
        QString::fromStdString(CriteriaBoxText(CriteriaBox::LayerTemperatures, current, units)));
    // Wide enough for a few criteria without scrolling.
    const int boxWidth = txtInterfaceHeights->fontMetrics().horizontalAdvance(
        QStringLiteral("1112.5, 1112.5, 1112.5, 1112.5"));
    txtInterfaceHeights->setMinimumWidth(boxWidth);
    txtLayerTemperatures->setMinimumWidth(boxWidth);

    auto* grid = new QGridLayout;
    AddRow(grid, 0,
           MakeLabel("lblInterfaceHeights", Label(CriteriaBox::InterfaceHeights, units), this),
           txtInterfaceHeights);
    AddRow(grid, 1,
           MakeLabel("lblLayerTemperatures", Label(CriteriaBox::LayerTemperatures, units), this),
           txtLayerTemperatures);

    cmdOK = MakeButton("cmdOK", "OK", this);
    cmdOK->setDefault(true);
    cmdCancel = MakeButton("cmdCancel", "Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(txtInterfaceHeights, txtLayerTemperatures);
    setTabOrder(txtLayerTemperatures, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    connect(cmdOK, &QPushButton::clicked, this, &CriteriaDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    txtInterfaceHeights->setFocus();
}

void CriteriaDialog::cmdOK_Click() {
    auto read = ReadCriteriaBoxes(txtInterfaceHeights->text().toStdString(),
                                  txtLayerTemperatures->text().toStdString(), units_, criteria_,
                                  ceilingHeightM_);
    if (const auto* rejected = std::get_if<RejectedCriteria>(&read)) {
        services_.ShowMessage({rejected->Message, programName_ + ": Criteria",
                               MessageIcon::Exclamation, MessageButtons::Ok});
        QLineEdit* box = rejected->Box == CriteriaBox::InterfaceHeights ? txtInterfaceHeights
                                                                        : txtLayerTemperatures;
        box->setFocus();
        box->selectAll();
        return;
    }
    criteria_ = std::get<KeyCriteria>(std::move(read));
    accept();
}

} // namespace vorla::ui
