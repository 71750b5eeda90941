#include "zone_models/ui/key_results_panel.h"

#include "common/key_results/key_results_text.h"
#include "zone_models/ui/criteria_dialog.h"
#include "zone_models/ui/criteria_settings.h"
#include "common/ui/form_builders.h"
#include "life_safety/tenability/input_problem.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>

namespace vorla::ui {

void NameHeatOfCombustion(const tenability::HeatOfCombustionChoice& choice,
                          const std::string& fireFile, TenabilityKeys& keys) {
    keys.HeatOfCombustionSource = std::string(tenability::HeatSourceWord(choice.Source));
    keys.HeatOfCombustionKjKg = choice.HeatOfCombustion;
    keys.HeatOfCombustionNote =
        choice.Source == tenability::HeatSource::Default && !choice.Why.empty()
            ? tenability::FallbackNote(choice, fireFile)
            : std::string();
}

std::vector<std::string> PanelKeyResultLines(const KeyResults& keys, UnitSystem shown) {
    std::vector<std::string> lines = KeyResultLines(keys, shown);
    if (!keys.Tenability || keys.Tenability->HeatOfCombustionSource.empty() || lines.empty()) {
        return lines;
    }
    const TenabilityKeys& tenability = *keys.Tenability;
    const std::string& source = tenability.HeatOfCombustionSource;
    const std::string from = source == tenability::HeatSourceWord(tenability::HeatSource::FireFile)
                                 ? "from the fire file"
                             : source == tenability::HeatSourceWord(tenability::HeatSource::Input)
                                 ? "as given"
                                 : "the fuel's default";
    // Before "Run ended at ...", the last line: after the Tenability block and
    // its "Detection to ASET" line.
    auto at =
        lines.insert(lines.end() - 1, "Heat of combustion: " +
                                          tenability::ValueText(tenability.HeatOfCombustionKjKg) +
                                          " kJ/kg, " + from);
    if (!tenability.HeatOfCombustionNote.empty()) {
        lines.insert(at + 1, tenability.HeatOfCombustionNote);
    }
    return lines;
}

KeyResultsPanel::KeyResultsPanel(PlatformServices& services, std::string programName,
                                 QWidget* parent)
    : QGroupBox("Key Results", parent), services_(services), programName_(std::move(programName)) {
    setObjectName("fraKeyResults");

    txtKeyResults = new QPlainTextEdit(this);
    txtKeyResults->setObjectName("txtKeyResults");
    txtKeyResults->setReadOnly(true);
    // Lines wrap only where the screen leaves the panel narrower than its text.
    txtKeyResults->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtKeyResults->setTabChangesFocus(true);
    txtKeyResults->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    txtKeyResults->setToolTip("The key results of this run, worked out from all its rows");

    cmdCriteria = MakeButton("cmdCriteria", "C&riteria\u2026", this, true);
    cmdCriteria->setToolTip("Change the interface heights and layer temperatures reported "
                            "here (Alt+R)");
    cmdCopyKeyResults = MakeButton("cmdCopyKeyResults", "C&opy", this, true);
    cmdCopyKeyResults->setToolTip("Copy the key results to the clipboard as text (Alt+O)");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCriteria);
    buttons->addWidget(cmdCopyKeyResults);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtKeyResults, 1);
    layout->addLayout(buttons);

    setTabOrder(txtKeyResults, cmdCriteria);
    setTabOrder(cmdCriteria, cmdCopyKeyResults);

    connect(cmdCriteria, &QPushButton::clicked, this, &KeyResultsPanel::cmdCriteria_Click);
    connect(cmdCopyKeyResults, &QPushButton::clicked, this,
            &KeyResultsPanel::cmdCopyKeyResults_Click);
}

QList<QWidget*> KeyResultsPanel::Controls() const {
    return {txtKeyResults, cmdCriteria, cmdCopyKeyResults};
}

void KeyResultsPanel::ShowRun(KeyResultsOfRun keysOfRun, UnitSystem shown,
                              std::optional<double> ceilingHeightM) {
    keysOfRun_ = std::move(keysOfRun);
    shown_ = shown;
    ceilingHeightM_ = ceilingHeightM;
    criteria_ = LoadCriteria(QSettings());
    Recompute();
}

void KeyResultsPanel::Recompute() {
    if (!keysOfRun_) {
        txtKeyResults->clear();
        return;
    }
    QStringList lines;
    for (const std::string& line : PanelKeyResultLines(keysOfRun_(criteria_), shown_)) {
        lines << QString::fromStdString(line);
    }
    const QString text = lines.join(u'\n');
    txtKeyResults->setPlainText(text);
    int widest = 0;
    for (const QString& line : text.split(u'\n')) {
        widest = std::max(widest, txtKeyResults->fontMetrics().horizontalAdvance(line));
    }
    textWidth_ = widest +
                 2 * (txtKeyResults->frameWidth() +
                      static_cast<int>(txtKeyResults->document()->documentMargin())) +
                 4;
    updateGeometry();
}

QSize KeyResultsPanel::sizeHint() const {
    QSize hint = QGroupBox::sizeHint();
    const QMargins around = contentsMargins() + layout()->contentsMargins();
    hint.setWidth(std::max(hint.width(), textWidth_ + around.left() + around.right()));
    return hint;
}

void KeyResultsPanel::cmdCriteria_Click() {
    if (dialog_) {
        dialog_->raise();
        dialog_->activateWindow();
        return;
    }
    dialog_ = new CriteriaDialog(services_, programName_, criteria_, shown_, ceilingHeightM_, this);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog_, &QDialog::accepted, this, [this] {
        criteria_ = dialog_->Criteria();
        QSettings settings;
        SaveCriteria(settings, criteria_);
        Recompute();
        cmdCriteria->setFocus();
    });
    connect(dialog_, &QDialog::rejected, this, [this] { cmdCriteria->setFocus(); });
    // Window-modal and not exec(): the report stays painted behind it and no
    // nested event loop holds the program.
    dialog_->open();
}

void KeyResultsPanel::cmdCopyKeyResults_Click() {
    QGuiApplication::clipboard()->setText(txtKeyResults->toPlainText());
}

} // namespace vorla::ui
