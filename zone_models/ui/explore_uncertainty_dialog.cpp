#include "zone_models/ui/explore_uncertainty_dialog.h"

#include "common/text/round_trip_text.h"

#include <QCheckBox>
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

// The combo box's entries: Certain (or the RSET's None and Fixed) first, then
// the kinds in SpreadKind's order.
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
                                                   bool modelUncertainty, bool drawsError,
                                                   QWidget* parent)
    : QDialog(parent), modelName_(modelName), option_(input.StudyOption), inputIndex_(inputIndex) {
    setObjectName("dlgUncertainty");
    setWindowTitle("Uncertain Input: " + input.Caption);
    Build(input.Unit, modelUncertainty, drawsError);
    cboDistribution->setToolTip("Certain: the box's value; otherwise sampled for the band");
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

ExploreUncertaintyDialog::ExploreUncertaintyDialog(const std::string& modelName,
                                                   const std::optional<BandRset>& current,
                                                   bool modelUncertainty, bool drawsError,
                                                   bool hasDevices, QWidget* parent)
    : QDialog(parent), forRset_(true), modelName_(modelName) {
    setObjectName("dlgRset");
    setWindowTitle("Required Safe Egress Time");
    Build("s", modelUncertainty, drawsError);
    cboDistribution->setToolTip(
        "The RSET each run's ASET is set against: none, fixed, or drawn for every run");
    cboDistribution->setCurrentIndex(0);
    // Kept checked when the devices have gone since, so the user sees why
    // the band has no RSET and can uncheck it.
    chkFromDetection->setChecked(current && current->FromDetection);
    chkFromDetection->setEnabled(hasDevices || chkFromDetection->isChecked());
    chkFromDetection->setToolTip(
        hasDevices ? "Each run's RSET is its first detection time plus these seconds (pre-movement "
                     "and movement); a run that detects nothing has no RSET"
                   : "The runs follow no detector or sprinkler: give one in the input form's "
                     "Detectors and Sprinklers…");
    if (current) {
        // The RSET as the study file's reader reads it back.
        auto read = study::ParseStudy("model = " + TomlText(modelName) +
                                          "\nrset = " + current->Written + "\n[vary]\n",
                                      "explore.toml");
        const auto* parsed = std::get_if<study::Study>(&read);
        if (parsed != nullptr && parsed->Rset && parsed->Rset->Total) {
            const study::RsetPart& total = *parsed->Rset->Total;
            if (total.Drawn && total.Drawn->Sampled) {
                const SpreadTexts texts = TextsOfSpread(*total.Drawn->Sampled);
                cboDistribution->setCurrentIndex(static_cast<int>(texts.Kind) + 2);
                for (std::size_t p = 0; p < texts.Parameters.size() && p < txtParameter_.size();
                     ++p) {
                    txtParameter_[p]->setText(QString::fromStdString(texts.Parameters[p]));
                }
                txtMin->setText(QString::fromStdString(texts.Min));
                txtMax->setText(QString::fromStdString(texts.Max));
            } else {
                cboDistribution->setCurrentIndex(1);
                txtParameter_[0]->setText(QString::fromStdString(RoundTripText(total.Fixed)));
            }
        }
    }
    connect(cboDistribution, &QComboBox::currentIndexChanged, this,
            &ExploreUncertaintyDialog::cboDistribution_Changed);
    cboDistribution_Changed();
}

void ExploreUncertaintyDialog::Build(const QString& unitText, bool modelUncertainty,
                                     bool drawsError) {
    cboDistribution = new QComboBox(this);
    cboDistribution->setObjectName("cboDistribution");
    if (forRset_) {
        cboDistribution->addItems(
            {"None", "Fixed", "Uniform", "Triangular", "Normal", "Lognormal"});
    } else {
        cboDistribution->addItems({"Certain", "Uniform", "Triangular", "Normal", "Lognormal"});
    }
    auto* form = new QFormLayout;
    auto* kindLabel = new QLabel("Dis&tribution:", this);
    kindLabel->setBuddy(cboDistribution);
    form->addRow(kindLabel, cboDistribution);
    const QString unit = unitText.isEmpty() ? QString() : " (" + unitText + ")";
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
    chkModelUncertainty = new QCheckBox("Draw the &model's own error in every run", this);
    chkModelUncertainty->setObjectName("chkModelUncertainty");
    chkModelUncertainty->setChecked(modelUncertainty && drawsError);
    chkModelUncertainty->setEnabled(drawsError);
    chkModelUncertainty->setToolTip(
        drawsError ? "For the whole band: each run's layer temperature rise and depth carry a "
                     "draw of the error the validation measured, as a study's "
                     "[model-uncertainty]"
                   : "This model has no model uncertainty");
    if (forRset_) {
        chkFromDetection = new QCheckBox("Counted &from the first detection", this);
        chkFromDetection->setObjectName("chkFromDetection");
    }
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
    if (chkFromDetection != nullptr) {
        layout->addWidget(chkFromDetection);
    }
    layout->addWidget(chkModelUncertainty);
    layout->addWidget(lblMessage);
    layout->addWidget(buttons);
}

std::optional<SpreadKind> ExploreUncertaintyDialog::KindAt(int index) const {
    const int first = forRset_ ? 2 : 1; // Certain / None, and the RSET's Fixed
    if (index < first) {
        return std::nullopt;
    }
    return static_cast<SpreadKind>(index - first);
}

bool ExploreUncertaintyDialog::ModelUncertaintyChosen() const {
    return chkModelUncertainty->isEnabled() && chkModelUncertainty->isChecked();
}

void ExploreUncertaintyDialog::cboDistribution_Changed() {
    const int index = cboDistribution->currentIndex();
    const auto kind = KindAt(index);
    const bool fixed = forRset_ && index == 1;
    const bool none = !kind && !fixed;
    static const char* const kFixed[3] = {"&Seconds:", nullptr, nullptr};
    const char* const* parameters =
        fixed ? kFixed : kCaptions[kind ? static_cast<int>(*kind) : 0].Parameters;
    const bool bounded = kind && kCaptions[static_cast<int>(*kind)].Bounded;
    for (std::size_t p = 0; p < txtParameter_.size(); ++p) {
        const bool shown = !none && parameters[p] != nullptr;
        lblParameter_[p]->setText(shown ? parameters[p] : "");
        lblParameter_[p]->setVisible(shown);
        txtParameter_[p]->setVisible(shown);
    }
    for (auto* widget : {static_cast<QWidget*>(lblMin), static_cast<QWidget*>(txtMin),
                         static_cast<QWidget*>(lblMax), static_cast<QWidget*>(txtMax)}) {
        widget->setVisible(bounded);
    }
    lblMessage->clear();
}

void ExploreUncertaintyDialog::cmdOK_Click() {
    const int index = cboDistribution->currentIndex();
    const auto kind = KindAt(index);
    const bool fixed = forRset_ && index == 1;
    if (!kind && !fixed) {
        chosen_.reset();
        chosenRset_.reset();
        accept();
        return;
    }
    std::optional<SpreadTexts> texts;
    if (kind) {
        texts.emplace();
        texts->Kind = *kind;
        const std::size_t count = *kind == SpreadKind::Triangular ? 3 : 2;
        for (std::size_t p = 0; p < count; ++p) {
            texts->Parameters.push_back(txtParameter_[p]->text().toStdString());
        }
        if (kCaptions[static_cast<int>(*kind)].Bounded) {
            texts->Min = txtMin->text().toStdString();
            texts->Max = txtMax->text().toStdString();
        }
    }
    const auto refuse = [this](const std::string& problem) {
        lblMessage->setText(QString::fromStdString(problem));
        txtParameter_[0]->setFocus(Qt::OtherFocusReason);
        txtParameter_[0]->selectAll();
    };
    if (forRset_) {
        auto read = ReadRset(modelName_, texts, txtParameter_[0]->text().toStdString(),
                             chkFromDetection->isChecked());
        if (const auto* problem = std::get_if<std::string>(&read)) {
            refuse(*problem);
            return;
        }
        chosenRset_ = std::get<BandRset>(std::move(read));
        accept();
        return;
    }
    auto read = ReadSpread(modelName_, option_, inputIndex_, *texts);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        refuse(*problem);
        return;
    }
    chosen_ = std::get<UncertainInput>(std::move(read));
    accept();
}

} // namespace vorla::ui
