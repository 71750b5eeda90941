#include "common/ui/explore_uncertainty_dialog.h"

#include "common/round_trip_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace vorla::ui {
namespace {

// The combo box's entries: Certain first, then the kinds in SpreadKind's order.
constexpr int kCertain = 0;

struct KindCaptions {
    const char* Parameters[3];
    bool Bounded;
};

const KindCaptions kCaptions[] = {
    {{"&Low:", "&High:", nullptr}, false},
    {{"M&inimum:", "M&ode:", "Ma&ximum:"}, false},
    {{"M&ean:", "Standard &deviation:", nullptr}, true},
    {{"M&u of ln(value):", "Si&gma of ln(value):", nullptr}, true},
};

// A round number near `value` for the new range's ends (four digits).
std::string NearText(double value) {
    if (value == 0 || !std::isfinite(value)) {
        return RoundTripText(value);
    }
    const double scale = std::pow(10.0, 3 - std::floor(std::log10(std::abs(value))));
    return RoundTripText(std::round(value * scale) / scale);
}

} // namespace

ExploreUncertaintyDialog::ExploreUncertaintyDialog(const std::string& modelName,
                                                   const ExploreInput& input,
                                                   std::size_t inputIndex, double value,
                                                   const std::optional<UncertainInput>& current,
                                                   QWidget* parent)
    : QDialog(parent), modelName_(modelName), option_(input.StudyOption), inputIndex_(inputIndex) {
    setObjectName("dlgUncertainty");
    setWindowTitle("Uncertain Input: " + input.Caption);
    cboDistribution = new QComboBox(this);
    cboDistribution->setObjectName("cboDistribution");
    cboDistribution->addItems({"Certain", "Uniform", "Triangular", "Normal", "Lognormal"});
    cboDistribution->setToolTip("Certain: the box's value; otherwise sampled for the band");
    auto* form = new QFormLayout;
    auto* kindLabel = new QLabel("Dis&tribution:", this);
    kindLabel->setBuddy(cboDistribution);
    form->addRow(kindLabel, cboDistribution);
    const QString unit = input.Unit.isEmpty() ? QString() : " (" + input.Unit + ")";
    for (std::size_t p = 0; p < txtParameter_.size(); ++p) {
        lblParameter_[p] = new QLabel(this);
        txtParameter_[p] = new QLineEdit(this);
        txtParameter_[p]->setObjectName(QString("txtParameter(%1)").arg(p));
        txtParameter_[p]->setToolTip("A number" + unit);
        lblParameter_[p]->setBuddy(txtParameter_[p]);
        form->addRow(lblParameter_[p], txtParameter_[p]);
    }
    txtMin = new QLineEdit(this);
    txtMin->setObjectName("txtMin");
    txtMin->setToolTip("Empty: no lower bound" + unit);
    lblMin = new QLabel("Lower &bound:", this);
    lblMin->setBuddy(txtMin);
    form->addRow(lblMin, txtMin);
    txtMax = new QLineEdit(this);
    txtMax->setObjectName("txtMax");
    txtMax->setToolTip("Empty: no upper bound" + unit);
    lblMax = new QLabel("U&pper bound:", this);
    lblMax->setBuddy(txtMax);
    form->addRow(lblMax, txtMax);
    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setStyleSheet("color: #c00000");
    lblMessage->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &ExploreUncertaintyDialog::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblMessage);
    layout->addWidget(buttons);

    if (current) {
        const SpreadTexts texts = TextsOfSpread(current->Spread);
        cboDistribution->setCurrentIndex(static_cast<int>(texts.Kind) + 1);
        for (std::size_t p = 0; p < texts.Parameters.size() && p < txtParameter_.size(); ++p) {
            txtParameter_[p]->setText(QString::fromStdString(texts.Parameters[p]));
        }
        txtMin->setText(QString::fromStdString(texts.Min));
        txtMax->setText(QString::fromStdString(texts.Max));
    } else {
        // Ten per cent either side of the value: a start the user edits.
        cboDistribution->setCurrentIndex(1);
        txtParameter_[0]->setText(QString::fromStdString(NearText(value * 0.9)));
        txtParameter_[1]->setText(QString::fromStdString(NearText(value * 1.1)));
    }
    connect(cboDistribution, &QComboBox::currentIndexChanged, this,
            &ExploreUncertaintyDialog::cboDistribution_Changed);
    cboDistribution_Changed();
}

void ExploreUncertaintyDialog::cboDistribution_Changed() {
    const int index = cboDistribution->currentIndex();
    const bool certain = index == kCertain;
    const KindCaptions& captions = kCaptions[certain ? 0 : index - 1];
    for (std::size_t p = 0; p < txtParameter_.size(); ++p) {
        const bool shown = !certain && captions.Parameters[p] != nullptr;
        lblParameter_[p]->setText(shown ? captions.Parameters[p] : "");
        lblParameter_[p]->setVisible(shown);
        txtParameter_[p]->setVisible(shown);
    }
    for (auto* widget : {static_cast<QWidget*>(lblMin), static_cast<QWidget*>(txtMin),
                         static_cast<QWidget*>(lblMax), static_cast<QWidget*>(txtMax)}) {
        widget->setVisible(!certain && captions.Bounded);
    }
    lblMessage->clear();
}

void ExploreUncertaintyDialog::cmdOK_Click() {
    const int index = cboDistribution->currentIndex();
    if (index == kCertain) {
        chosen_.reset();
        accept();
        return;
    }
    SpreadTexts texts;
    texts.Kind = static_cast<SpreadKind>(index - 1);
    const std::size_t count = texts.Kind == SpreadKind::Triangular ? 3 : 2;
    for (std::size_t p = 0; p < count; ++p) {
        texts.Parameters.push_back(txtParameter_[p]->text().toStdString());
    }
    if (kCaptions[index - 1].Bounded) {
        texts.Min = txtMin->text().toStdString();
        texts.Max = txtMax->text().toStdString();
    }
    auto read = ReadSpread(modelName_, option_, inputIndex_, texts);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        lblMessage->setText(QString::fromStdString(*problem));
        txtParameter_[0]->setFocus(Qt::OtherFocusReason);
        txtParameter_[0]->selectAll();
        return;
    }
    chosen_ = std::get<UncertainInput>(std::move(read));
    accept();
}

} // namespace vorla::ui
