#include "common/ui/explore_window.h"

#include "common/axis_scaling.h"
#include "common/ui/explore_number_box.h"
#include "common/ui/graph_picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

namespace vorla::ui {
namespace {

// The slider's positions across an input's range: fine enough that a drag
// feels continuous, coarse enough that each position is a distinct value.
constexpr int kSliderPositions = 1000;
// Past this many decimals a form's value is taken as its nearest such number.
constexpr int kMostDecimals = 8;

const QColor kGhostColour{150, 150, 150};
const QColor kFlashoverColour{230, 60, 60};
const std::array<QColor, ExploreWindow::kMostPinnedRuns> kPinColours{
    QColor{80, 200, 255}, QColor{120, 230, 120}, QColor{255, 150, 60}, QColor{220, 120, 255}};

int SliderPosition(const ExploreInput& input, double value) {
    const double span = input.Maximum - input.Minimum;
    if (!(span > 0)) {
        return 0;
    }
    const double fraction = std::clamp((value - input.Minimum) / span, 0.0, 1.0);
    return static_cast<int>(std::lround(fraction * kSliderPositions));
}

double SliderValue(const ExploreInput& input, int position) {
    const double raw =
        input.Minimum + (input.Maximum - input.Minimum) * position / kSliderPositions;
    // Rounded to the box's digits, so the box and the run see the same number.
    const double scale = std::pow(10.0, input.Decimals);
    return std::round(raw * scale) / scale;
}

std::vector<QPointF> LogicalCurve(const GraphPicture::Scales& scales,
                                  const std::vector<double>& minutes,
                                  const std::vector<double>& values) {
    std::vector<QPointF> points;
    const std::size_t rows = std::min(minutes.size(), values.size());
    points.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        points.push_back(GraphPicture::ValueToLogical(scales, minutes[i], values[i]));
    }
    return points;
}

const std::vector<double>* QuantityOf(const GraphResults& graph, int k) {
    if (k < 0 || k >= static_cast<int>(graph.Quantities.size())) {
        return nullptr;
    }
    return &graph.Quantities[k].Values;
}

} // namespace

ExploreWindow::ExploreWindow(std::unique_ptr<ExploreModel> model, QString programTitle,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), model_(std::move(model)),
      programTitle_(std::move(programTitle)) {
    setObjectName("frmExplore");
    setWindowTitle(programTitle_ + ": Explore");
    setAttribute(Qt::WA_DeleteOnClose);
    // Two cores are the smallest machine the programs run on; more runs at
    // once than cores would only slow the newest one down.
    pool_.setMaxThreadCount(2);
    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMilliseconds);
    connect(pause_, &QTimer::timeout, this, [this] {
        if (startedGeneration_ != generation_) { // not started already by the longest wait
            StartRun();
        }
    });
    inputs_ = model_->Inputs();
    BuildControls(inputs_);
    StartRun();
}

ExploreWindow::~ExploreWindow() {
    pool_.waitForDone();
}

void ExploreWindow::BuildControls(const std::vector<ExploreInput>& inputs) {
    auto* grid = new QGridLayout;
    for (std::size_t k = 0; k < inputs.size(); ++k) {
        const ExploreInput& input = inputs[k];
        const QString name = QString::fromStdString(input.Box);
        auto* caption = new QLabel(input.Caption, this);
        auto* box = new ExploreNumberBox(this);
        box->setObjectName(name);
        // Room for Shift's fine step, and for every digit the form's value has:
        // the window opens on the form's inputs, not on a rounding of them.
        int decimals = input.Decimals + 1;
        while (decimals < kMostDecimals &&
               std::round(input.Value * std::pow(10.0, decimals)) / std::pow(10.0, decimals) !=
                   input.Value) {
            ++decimals;
        }
        box->setDecimals(decimals);
        box->setSingleStep(input.Step);
        box->setValue(input.Value);
        box->setSuffix(input.Unit.isEmpty() ? QString() : " " + input.Unit);
        box->setAccessibleName(input.Caption);
        caption->setBuddy(box);
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName("sld" + name.mid(3));
        slider->setRange(0, kSliderPositions);
        slider->setValue(SliderPosition(input, input.Value));
        slider->setAccessibleName(input.Caption);
        auto* message = new QLabel(this);
        message->setObjectName("lbl" + name.mid(3) + "Message");
        message->setStyleSheet("color: #c00000");
        message->setWordWrap(true);
        const int row = static_cast<int>(k);
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(slider, row, 2);
        grid->addWidget(message, row, 3);
        txtInput_.push_back(box);
        sldInput_.push_back(slider);
        lblMessage_.push_back(message);
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, k](double value) {
            const QSignalBlocker quiet(sldInput_[k]);
            sldInput_[k]->setValue(SliderPosition(inputs_[k], value));
            InputChanged();
        });
        connect(slider, &QSlider::valueChanged, this, [this, k](int position) {
            const QSignalBlocker quiet(txtInput_[k]);
            txtInput_[k]->setValue(SliderValue(inputs_[k], position));
            InputChanged();
        });
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);

    cboQuantity = new QComboBox(this);
    cboQuantity->setObjectName("cboQuantity");
    cboQuantity->setAccessibleName("Quantity");
    auto* quantityLabel = new QLabel("&Quantity:", this);
    quantityLabel->setBuddy(cboQuantity);
    connect(cboQuantity, &QComboBox::currentIndexChanged, this, [this] { ShowGraph(); });

    chkStacked = new QCheckBox("&All quantities, stacked", this);
    chkStacked->setObjectName("chkStacked");
    connect(chkStacked, &QCheckBox::toggled, this, [this] { ShowGraph(); });
    // The stacked graphs, one a quantity, made when first shown.
    stack_ = new QWidget(this);
    stack_->setObjectName("fraStacked");
    auto* stackLayout = new QVBoxLayout(stack_);
    stackLayout->setContentsMargins(0, 0, 0, 0);
    stack_->hide();
    lblYTitle = new QLabel(this);
    lblYTitle->setObjectName("lblYTitle");
    picExplore = new GraphPicture(this);
    picExplore->setObjectName("picExplore");
    lblStatus = new QLabel(this);
    lblStatus->setObjectName("lblStatus");
    lblFlashover = new QLabel(this);
    lblFlashover->setObjectName("lblFlashover");
    txtKeyResults = new QPlainTextEdit(this);
    txtKeyResults->setObjectName("txtKeyResults");
    txtKeyResults->setReadOnly(true);
    txtKeyResults->setAccessibleName("Key Results");

    cmdPin = new QPushButton("&Pin", this);
    cmdPin->setObjectName("cmdPin");
    cmdPin->setToolTip("Keep this run on the graph (up to four)");
    cmdClearPins = new QPushButton("C&lear Pins", this);
    cmdClearPins->setObjectName("cmdClearPins");
    cmdClearPins->setEnabled(false);
    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdPin, &QPushButton::clicked, this, &ExploreWindow::cmdPin_Click);
    connect(cmdClearPins, &QPushButton::clicked, this, &ExploreWindow::cmdClearPins_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* quantityRow = new QHBoxLayout;
    quantityRow->addWidget(quantityLabel);
    quantityRow->addWidget(cboQuantity, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPin);
    buttons->addWidget(cmdClearPins);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* side = new QVBoxLayout;
    side->addLayout(quantityRow);
    side->addWidget(chkStacked);
    side->addWidget(lblFlashover);
    side->addWidget(txtKeyResults, 1);
    auto* graphColumn = new QVBoxLayout;
    graphColumn->addWidget(lblYTitle);
    graphColumn->addWidget(picExplore, 1);
    graphColumn->addWidget(stack_, 1);
    graphColumn->addWidget(lblStatus);
    auto* middle = new QHBoxLayout;
    middle->addLayout(graphColumn, 3);
    middle->addLayout(side, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
}

std::vector<double> ExploreWindow::Values() const {
    std::vector<double> values;
    values.reserve(txtInput_.size());
    for (const auto* box : txtInput_) {
        values.push_back(box->value());
    }
    return values;
}

void ExploreWindow::InputChanged() {
    ++generation_;
    lblStatus->setText("Running…");
    pause_->start(); // restarted by each change: the last change always gets its run
    if (sinceLastStart_.elapsed() >= kLongestWaitMilliseconds) {
        StartRun();
    }
}

void ExploreWindow::StartRun() {
    const int generation = generation_;
    ++runsStarted_;
    startedGeneration_ = generation;
    sinceLastStart_.start();
    pool_.start([this, generation, values = Values()] {
        ExploreRun run = model_->Run(values);
        // Queued to the window's thread; a window already gone drops it.
        QMetaObject::invokeMethod(
            this,
            [this, generation, values, run = std::move(run)]() mutable {
                RunArrived(generation, std::move(values), std::move(run));
            },
            Qt::QueuedConnection);
    });
}

void ExploreWindow::RunArrived(int generation, std::vector<double> values, ExploreRun run) {
    if (generation != generation_) {
        ++runsDiscarded_; // a newer change has its own run coming
        return;
    }
    for (std::size_t k = 0; k < inputs_.size(); ++k) {
        const bool named = run.RejectedBox && *run.RejectedBox == inputs_[k].Box;
        lblMessage_[k]->setText(named ? QString::fromStdString(run.Message) : QString());
    }
    shownGeneration_ = generation;
    if (!run.Message.empty()) {
        // The last accepted run stays on the graph, marked as not the inputs'.
        stale_ = true;
        lblStatus->setText(haveRun_ ? "Stale: the curves are of the last accepted inputs"
                                    : QString::fromStdString(run.Message));
        if (!run.RejectedBox) {
            lblStatus->setText(QString::fromStdString(run.Message));
        }
        ShowGraph();
        emit RunShown(generation);
        return;
    }
    stale_ = false;
    lblStatus->setText(QString());
    if (haveRun_) {
        ghost_ = std::move(shown_.Graph);
    }
    shown_ = std::move(run);
    shownValues_ = std::move(values);
    haveRun_ = true;
    if (cboQuantity->count() != static_cast<int>(shown_.Graph.Quantities.size())) {
        const QSignalBlocker quiet(cboQuantity);
        cboQuantity->clear();
        for (const auto& quantity : shown_.Graph.Quantities) {
            cboQuantity->addItem(quantity.AxisTitle);
        }
        cboQuantity->setCurrentIndex(0);
    }
    ShowKeyResults();
    ShowGraph();
    emit RunShown(generation);
}

void ExploreWindow::ShowKeyResults() {
    QStringList lines;
    for (const auto& line : shown_.KeyLines) {
        lines << QString::fromStdString(line);
    }
    txtKeyResults->setPlainText(lines.join('\n'));
    lblFlashover->setText(shown_.FlashoverSeconds
                              ? QString("Flashover at %1 s").arg(*shown_.FlashoverSeconds)
                              : QString("No flashover"));
}

void ExploreWindow::ShowGraph() {
    const bool stacked = chkStacked->isChecked();
    const int count = static_cast<int>(shown_.Graph.Quantities.size());
    while (stacked && static_cast<int>(stackPictures_.size()) < count) {
        const int k = static_cast<int>(stackPictures_.size());
        auto* title = new QLabel(stack_);
        title->setObjectName(QString("lblYTitle(%1)").arg(k));
        auto* picture = new GraphPicture(stack_);
        picture->setObjectName(QString("picExplore(%1)").arg(k));
        picture->setMinimumSize(240, 100);
        stack_->layout()->addWidget(title);
        stack_->layout()->addWidget(picture);
        stackTitles_.push_back(title);
        stackPictures_.push_back(picture);
    }
    lblYTitle->setVisible(!stacked);
    picExplore->setVisible(!stacked);
    cboQuantity->setEnabled(!stacked);
    stack_->setVisible(stacked);
    if (!stacked) {
        DrawQuantity(cboQuantity->currentIndex(), picExplore, lblYTitle);
        return;
    }
    for (int k = 0; k < static_cast<int>(stackPictures_.size()); ++k) {
        DrawQuantity(k, stackPictures_[k], stackTitles_[k]);
    }
}

void ExploreWindow::DrawQuantity(int k, GraphPicture* picture, QLabel* title) {
    const auto* current = QuantityOf(shown_.Graph, k);
    if (current == nullptr) {
        picture->SetSeries({});
        picture->SetComparisons({}, {}, plot::LegendPlace::None);
        return;
    }
    title->setText(shown_.Graph.Quantities[k].AxisTitle + (stale_ ? " (stale)" : ""));
    // One scale for every curve drawn, so that they can be compared by eye.
    double lastMinute = 0;
    double largest = 0;
    const auto widen = [&](const GraphResults& graph) {
        if (const auto* values = QuantityOf(graph, k)) {
            lastMinute = std::max<double>(
                lastMinute, ArrayMaximum(graph.Minutes, int(graph.Minutes.size()) - 1));
            largest = std::max<double>(largest, ArrayMaximum(*values, int(values->size()) - 1));
        }
    };
    widen(shown_.Graph);
    if (ghost_) {
        widen(*ghost_);
    }
    for (const auto& pin : pinned_) {
        widen(pin.Graph);
    }
    const GraphPicture::Scales scales{ScaleTimeAxis(lastMinute).XScale,
                                      ScaleValueAxis(largest).YScale};
    picture->SetSeries(LogicalCurve(scales, shown_.Graph.Minutes, *current));

    std::vector<GraphPicture::Curve> curves;
    if (ghost_) {
        if (const auto* values = QuantityOf(*ghost_, k)) {
            curves.push_back(
                {"Previous", kGhostColour, LogicalCurve(scales, ghost_->Minutes, *values)});
        }
    }
    for (std::size_t p = 0; p < pinned_.size(); ++p) {
        if (const auto* values = QuantityOf(pinned_[p].Graph, k)) {
            curves.push_back({pinned_[p].Name, kPinColours[p],
                              LogicalCurve(scales, pinned_[p].Graph.Minutes, *values)});
        }
    }
    if (shown_.FlashoverSeconds) {
        const double minute = *shown_.FlashoverSeconds / 60;
        curves.push_back({QString("Flashover at %1 s").arg(*shown_.FlashoverSeconds),
                          kFlashoverColour,
                          {GraphPicture::ValueToLogical(scales, minute, 0),
                           GraphPicture::ValueToLogical(scales, minute, scales.Y)}});
    }
    const QString name = stale_ ? "This run (stale)" : "This run";
    picture->SetComparisons(name, std::move(curves), plot::LegendPlace::TopLeft);
}

QStringList ExploreWindow::LegendTexts() const {
    return picExplore->LegendTexts();
}

QString ExploreWindow::PinName() const {
    QStringList changes;
    for (std::size_t k = 0; k < inputs_.size() && k < shownValues_.size(); ++k) {
        if (shownValues_[k] != inputs_[k].Value) {
            const ExploreInput& input = inputs_[k];
            changes << QString("%1 %2%3")
                           .arg(input.Caption)
                           .arg(shownValues_[k], 0, 'g', 10)
                           .arg(input.Unit.isEmpty() ? QString() : " " + input.Unit);
        }
    }
    // Two changes are as many as a legend line can carry and still be read.
    constexpr qsizetype kChangesNamed = 2;
    QString name = QString("Pin %1: ").arg(pinned_.size() + 1);
    if (changes.isEmpty()) {
        return name + "as opened";
    }
    name += QStringList(changes.mid(0, kChangesNamed)).join(", ");
    return changes.size() > kChangesNamed ? name + ", …" : name;
}

void ExploreWindow::cmdPin_Click() {
    if (!haveRun_ || static_cast<int>(pinned_.size()) >= kMostPinnedRuns) {
        return;
    }
    pinned_.push_back({PinName(), shown_.Graph});
    ghost_.reset(); // the pinned run is the one the next change is seen against
    cmdPin->setEnabled(static_cast<int>(pinned_.size()) < kMostPinnedRuns);
    cmdClearPins->setEnabled(true);
    ShowGraph();
}

void ExploreWindow::cmdClearPins_Click() {
    pinned_.clear();
    cmdPin->setEnabled(true);
    cmdPin->setFocus(Qt::OtherFocusReason);
    cmdClearPins->setEnabled(false);
    ShowGraph();
}

} // namespace vorla::ui
