#include "zone_models/ui/explore_window.h"

#include "common/files/atomic_file.h"
#include "common/plot/axis_scaling.h"
#include "common/plot/legend_place.h"
#include "zone_models/plume_option_names.h"
#include "common/text/round_trip_text.h"
#include "zone_models/ui/explore_band.h"
#include "zone_models/ui/explore_band_overlay.h"
#include "zone_models/ui/explore_number_box.h"
#include "zone_models/ui/explore_uncertainty_dialog.h"
#include "common/ui/graph_export.h"
#include "common/ui/graph_picture.h"
#include "common/ui/platform_services.h"
#include "common/ui/program_settings.h"
#include "study/sampling.h"
#include "study/statistics.h"

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
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vorla::ui {
namespace {

// The slider's positions across an input's range: fine enough that a drag
// feels continuous, coarse enough that each position is a distinct value.
constexpr int kSliderPositions = 1000;
// Past this many decimals a form's value is taken as its nearest such number.
constexpr int kMostDecimals = 8;

const QColor kGhostColour{150, 150, 150};
const QColor kMedianColour{120, 190, 255};
// Single runs go before the band's chunks waiting in the pool: the curves
// follow the hand first, the band fills in behind.
constexpr int kSingleRunPriority = 1;
constexpr int kBandPriority = 0;
// Each run's curves are kept until the band is redrawn: 2000 runs of 9000 s
// are about 115 MB, as far as a desktop window should go.
constexpr int kMostBandRuns = 2000;
// While the band comes in it is redrawn at most this often: the percentiles
// of every row are sorted afresh each time, which for the largest bands takes
// a good part of this.
constexpr int kBandRedrawMilliseconds = 250;
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

plot::Rgb RgbOf(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

const std::vector<double>* QuantityOf(const GraphResults& graph, int k) {
    if (k < 0 || k >= static_cast<int>(graph.Quantities.size())) {
        return nullptr;
    }
    return &graph.Quantities[k].Values;
}

} // namespace

// What one band needs while its chunks run: the study its samples come
// from (the sampler reads it) and the values of the inputs held certain.
struct BandRunIn {
    std::size_t Run = 0;
    ExploreRun Result;
    std::optional<double> Rset;
};

struct BandJob {
    explicit BandJob(study::Study s) : Study(std::move(s)), Sampler(Study) {}
    study::Study Study;
    study::StudySampler Sampler;
    std::vector<double> Values;
    std::vector<std::size_t> Uncertain;              // the inputs the samples replace, in order
    std::shared_ptr<const ExploreFollowed> Followed; // what every run of the band follows
};

ExploreWindow::ExploreWindow(std::unique_ptr<ExploreModel> model, QString programTitle,
                             QWidget* parent, PlatformServices* services, ExploreFollowed followed)
    : QWidget(parent, Qt::Window), model_(std::move(model)), programTitle_(std::move(programTitle)),
      services_(services), followed_(std::make_shared<const ExploreFollowed>(std::move(followed))),
      band_(std::make_unique<BandStatistics>()) {
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
    bandRedraw_ = new QTimer(this);
    bandRedraw_->setSingleShot(true);
    bandRedraw_->setInterval(kBandRedrawMilliseconds);
    connect(bandRedraw_, &QTimer::timeout, this, [this] { ShowGraph(); });
    inputs_ = model_->Inputs();
    uncertain_.resize(inputs_.size());
    BuildControls(inputs_);
    StartRun();
}

ExploreWindow::~ExploreWindow() {
    bandWanted_ = -1; // the band's chunks stop at their next run
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
        auto* uncertain = new QToolButton(this);
        uncertain->setObjectName("cmd" + name.mid(3) + "Uncertain");
        uncertain->setText("±");
        uncertain->setCheckable(true);
        uncertain->setFocusPolicy(Qt::StrongFocus);
        uncertain->setToolTip("Certain. Click to make " + input.Caption +
                              " uncertain for the band");
        uncertain->setAccessibleName(input.Caption + " uncertain");
        connect(uncertain, &QToolButton::clicked, this, [this, k] { cmdUncertain_Click(k); });
        cmdUncertain_.push_back(uncertain);
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
        grid->addWidget(uncertain, row, 2);
        grid->addWidget(slider, row, 3);
        grid->addWidget(message, row, 4);
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
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(4, 1);

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
    bandOverlay_ = new ExploreBandOverlay(picExplore);

    txtBandRuns = new QSpinBox(this);
    txtBandRuns->setObjectName("txtBandRuns");
    txtBandRuns->setRange(1, kMostBandRuns);
    txtBandRuns->setValue(200);
    txtBandRuns->setToolTip("How many runs the band's Latin hypercube has");
    auto* runsLabel = new QLabel("Ru&ns:", this);
    runsLabel->setBuddy(txtBandRuns);
    txtBandSeed = new QSpinBox(this);
    txtBandSeed->setObjectName("txtBandSeed");
    txtBandSeed->setRange(0, std::numeric_limits<int>::max());
    txtBandSeed->setValue(1);
    txtBandSeed->setToolTip("The seed of the band's samples: the same seed, the same runs");
    auto* seedLabel = new QLabel("S&eed:", this);
    seedLabel->setBuddy(txtBandSeed);
    cmdRset = new QPushButton("RSE&T…", this);
    cmdRset->setObjectName("cmdRset");
    cmdRset->setToolTip("The required safe egress time the band's ASETs are set against");
    cmdRset->setEnabled(!model_->StudyBase({}, {}).Model.empty());
    connect(cmdRset, &QPushButton::clicked, this, &ExploreWindow::cmdRset_Click);
    connect(txtBandRuns, &QSpinBox::valueChanged, this, [this] { InputChanged(); });
    connect(txtBandSeed, &QSpinBox::valueChanged, this, [this] { InputChanged(); });
    lblBand = new QLabel(this);
    lblBand->setObjectName("lblBand");
    lblBand->setWordWrap(true);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName("lblStatus");
    lblFollowed = new QLabel(QString::fromStdString(FollowedText(*followed_)), this);
    lblFollowed->setObjectName("lblFollowed");
    lblFollowed->setWordWrap(true);
    lblFollowed->setToolTip("What every run follows besides the inputs above: the input form's "
                            "Model Options, Detectors and Sprinklers, and Smoke and Tenability");
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
    cmdSaveStudy = new QPushButton("Save as &Study…", this);
    cmdSaveStudy->setObjectName("cmdSaveStudy");
    cmdSaveStudy->setToolTip("Write the study file that `vorla study` runs this band from");
    cmdSaveStudy->setEnabled(services_ != nullptr && !model_->StudyBase({}, {}).Model.empty());
    cmdRunAsReport = new QPushButton("Run as &Report", this);
    cmdRunAsReport->setObjectName("cmdRunAsReport");
    cmdRunAsReport->setToolTip("Put these values in the input form and run it");
    cmdRunAsReport->setEnabled(false);
    cmdExport = new QPushButton("E&xport…", this);
    cmdExport->setObjectName("cmdExport");
    cmdExport->setToolTip("Write the graph (PNG, SVG, PDF) or the curves and the band (CSV)");
    cmdExport->setEnabled(services_ != nullptr);
    connect(cmdSaveStudy, &QPushButton::clicked, this, &ExploreWindow::cmdSaveStudy_Click);
    connect(cmdRunAsReport, &QPushButton::clicked, this, &ExploreWindow::cmdRunAsReport_Click);
    connect(cmdExport, &QPushButton::clicked, this, &ExploreWindow::cmdExport_Click);
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
    buttons->addWidget(cmdSaveStudy);
    buttons->addWidget(cmdRunAsReport);
    buttons->addWidget(cmdExport);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* side = new QVBoxLayout;
    side->addLayout(quantityRow);
    side->addWidget(chkStacked);
    side->addWidget(lblFlashover);
    auto* bandRow = new QHBoxLayout;
    bandRow->addWidget(runsLabel);
    bandRow->addWidget(txtBandRuns);
    bandRow->addWidget(seedLabel);
    bandRow->addWidget(txtBandSeed);
    bandRow->addWidget(cmdRset);
    bandRow->addStretch(1);
    side->addLayout(bandRow);
    side->addWidget(lblBand);
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
    layout->addWidget(lblFollowed);
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

void ExploreWindow::SetFollowed(ExploreFollowed followed) {
    followed_ = std::make_shared<const ExploreFollowed>(std::move(followed));
    InputChanged();
    // lblFollowed names what the curves shown follow: the old settings until
    // the new run is in.
    lblStatus->setText("Running with the input form's new settings…");
}

void ExploreWindow::InputChanged() {
    ++generation_;
    bandWanted_ = generation_; // the older band's chunks stop at their next run
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
    StartBand(generation);
    pool_.start(
        [this, generation, values = Values(), followed = followed_] {
            ExploreRun run = model_->Run(values, *followed);
            // Queued to the window's thread; a window already gone drops it.
            QMetaObject::invokeMethod(
                this,
                [this, generation, values, followed, run = std::move(run)]() mutable {
                    RunArrived(generation, std::move(values), std::move(followed), std::move(run));
                },
                Qt::QueuedConnection);
        },
        kSingleRunPriority);
}

void ExploreWindow::RunArrived(int generation, std::vector<double> values,
                               std::shared_ptr<const ExploreFollowed> followed, ExploreRun run) {
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
    // A rerun of the same values (an input marked uncertain, the band's runs
    // or seed changed) keeps the ghost it had: a ghost equal to the run would
    // hide it. The same values with the form's new options are another run.
    if (haveRun_ && (values != shownValues_ || followed != shownFollowed_)) {
        ghost_ = std::move(shown_.Graph);
    }
    shown_ = std::move(run);
    shownValues_ = std::move(values);
    shownFollowed_ = std::move(followed);
    lblFollowed->setText(QString::fromStdString(FollowedText(*shownFollowed_)));
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
        stackOverlays_.push_back(new ExploreBandOverlay(picture));
    }
    lblYTitle->setVisible(!stacked);
    picExplore->setVisible(!stacked);
    cboQuantity->setEnabled(!stacked);
    stack_->setVisible(stacked);
    if (!stacked) {
        DrawQuantity(cboQuantity->currentIndex(), picExplore, lblYTitle, bandOverlay_);
        return;
    }
    for (int k = 0; k < static_cast<int>(stackPictures_.size()); ++k) {
        DrawQuantity(k, stackPictures_[k], stackTitles_[k], stackOverlays_[k]);
    }
}

void ExploreWindow::DrawQuantity(int k, GraphPicture* picture, QLabel* title,
                                 ExploreBandOverlay* overlay) {
    const auto* current = QuantityOf(shown_.Graph, k);
    const BandCurve band = bandGeneration_ == generation_ && k >= 0
                               ? band_->Curve(static_cast<std::size_t>(k))
                               : BandCurve{};
    if (current == nullptr) {
        overlay->SetBand({}, {});
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
    if (!band.Minutes.empty()) {
        lastMinute =
            std::max<double>(lastMinute, ArrayMaximum(band.Minutes, int(band.Minutes.size()) - 1));
        largest = std::max<double>(largest, ArrayMaximum(band.P95, int(band.P95.size()) - 1));
    }
    const GraphPicture::Scales scales{ScaleTimeAxis(lastMinute).XScale,
                                      ScaleValueAxis(largest).YScale};
    picture->SetSeries(LogicalCurve(scales, shown_.Graph.Minutes, *current));

    overlay->SetBand(LogicalCurve(scales, band.Minutes, band.P95),
                     LogicalCurve(scales, band.Minutes, band.P5));
    std::vector<GraphPicture::Curve> curves;
    if (!band.Minutes.empty()) {
        curves.push_back({QString("Median of %1 runs (band 5–95 %)").arg(band_->OkRuns()),
                          kMedianColour, LogicalCurve(scales, band.Minutes, band.P50)});
    }
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

void ExploreWindow::SetUncertain(std::size_t k, std::optional<UncertainInput> spread) {
    if (k >= uncertain_.size()) {
        return;
    }
    uncertain_[k] = std::move(spread);
    QToolButton* button = cmdUncertain_[k];
    button->setChecked(uncertain_[k].has_value());
    button->setToolTip(
        uncertain_[k]
            ? inputs_[k].Caption + " uncertain: " + QString::fromStdString(uncertain_[k]->Written)
            : "Certain. Click to make " + inputs_[k].Caption + " uncertain for the band");
    InputChanged();
}

bool ExploreWindow::IsUncertain(std::size_t k) const {
    return k < uncertain_.size() && uncertain_[k].has_value();
}

std::vector<UncertainInput> ExploreWindow::UncertainList() const {
    std::vector<UncertainInput> list;
    for (const auto& input : uncertain_) {
        if (input) {
            list.push_back(*input);
        }
    }
    return list;
}

std::size_t ExploreWindow::BandRuns() const {
    return bandGeneration_ == generation_ ? bandRuns_ : 0;
}

bool ExploreWindow::BandComplete() const {
    return bandGeneration_ == generation_ && bandRuns_ > 0 && band_->RunsIn() == bandRuns_;
}

void ExploreWindow::StartBand(int generation) {
    band_ = std::make_unique<BandStatistics>();
    bandGeneration_ = generation;
    bandRuns_ = 0;
    bandWanted_ = generation;
    const std::vector<UncertainInput> uncertain = UncertainList();
    if (uncertain.empty() && !modelUncertainty_ && !rset_) {
        ShowBandText();
        return;
    }
    const BandSettings settings = CurrentBandSettings();
    const std::string modelName = model_->StudyBase({}, {}).Model;
    if (modelName.empty()) {
        lblBand->setText("This model has no band.");
        return;
    }
    if (settings.Rset && settings.Rset->FromDetection && Followed().Devices.empty()) {
        // Every run would be undecided, and `vorla study` refuses such a file.
        lblBand->setText("The RSET is counted from the first detection, and the runs follow no "
                         "detector or sprinkler: give one in the input form's Detectors and "
                         "Sprinklers…, or count the RSET from ignition.");
        return;
    }
    auto study = BandStudy(modelName, settings, inputs_, uncertain);
    if (const auto* problem = std::get_if<std::string>(&study)) {
        lblBand->setText(QString::fromStdString(*problem));
        return;
    }
    auto job = std::make_shared<BandJob>(std::get<study::Study>(std::move(study)));
    job->Values = Values();
    job->Followed = followed_;
    for (const auto& input : uncertain) {
        job->Uncertain.push_back(input.Input);
    }
    bandRuns_ = settings.Runs;
    ShowBandText();
    for (std::size_t first = 0; first < settings.Runs; first += kBandChunk) {
        const std::size_t last = std::min(settings.Runs, first + kBandChunk);
        pool_.start(
            [this, generation, job, first, last] {
                std::vector<BandRunIn> runs;
                for (std::size_t run = first; run < last; ++run) {
                    if (bandWanted_ != generation) {
                        return; // a newer change has its own band coming
                    }
                    const study::SampledRun sampled = job->Sampler.Sample(run);
                    std::vector<double> values = job->Values;
                    for (std::size_t j = 0; j < job->Uncertain.size(); ++j) {
                        values[job->Uncertain[j]] = std::get<double>(sampled.Values[j]);
                    }
                    // The draws of `vorla study`: from the seed and the run's number.
                    ExploreRun result = model_->RunDrawn(
                        values, *job->Followed,
                        {study::DrawModelErrorNormals(job->Study, run), job->Uncertain});
                    std::optional<double> rset;
                    if (job->Study.Rset) {
                        const auto& keys = result.Keys;
                        rset = study::DrawRset(job->Study, run)
                                   .Rset(keys && keys->Detection ? keys->Detection->FirstDetectionS
                                                                 : std::nullopt);
                    }
                    runs.push_back({run, std::move(result), rset});
                }
                QMetaObject::invokeMethod(
                    this,
                    [this, generation, runs = std::move(runs)]() mutable {
                        BandChunkArrived(generation, std::move(runs));
                    },
                    Qt::QueuedConnection);
            },
            kBandPriority);
    }
}

void ExploreWindow::BandChunkArrived(int generation, std::vector<BandRunIn> runs) {
    if (generation != generation_ || generation != bandGeneration_) {
        ++bandChunksDiscarded_;
        return;
    }
    for (auto& in : runs) {
        band_->Add(in.Run, std::move(in.Result), in.Rset);
    }
    ShowBandText();
    if (band_->RunsIn() == bandRuns_) {
        bandRedraw_->stop();
        ShowGraph();
    } else if (!bandRedraw_->isActive()) {
        bandRedraw_->start();
    }
    emit BandShown(generation, static_cast<int>(band_->RunsIn()));
}

void ExploreWindow::ShowBandText() {
    if (bandRuns_ == 0) {
        lblBand->setText(UncertainList().empty() && !modelUncertainty_ && !rset_
                             ? "Band: mark inputs uncertain with ±"
                             : QString());
        return;
    }
    QStringList lines;
    const std::size_t in = band_->RunsIn();
    const std::size_t ok = band_->OkRuns();
    lines << QString("Band: %1 of %2 runs%3").arg(in).arg(bandRuns_).arg(in < bandRuns_ ? "…" : "");
    if (modelUncertainty_) {
        lines << "Each run draws the model's own error";
    }
    if (ok < in) {
        lines << QString("%1 runs refused: %2")
                     .arg(in - ok)
                     .arg(QString::fromStdString(band_->FirstRefusal()));
    }
    for (const auto& share : band_->Shares()) {
        const double percent =
            ok == 0 ? 0.0 : 100.0 * static_cast<double>(share.Reached) / static_cast<double>(ok);
        lines << QString("P(%1) = %2 % (%3 of %4)")
                     .arg(QString::fromStdString(share.Name))
                     .arg(percent, 0, 'f', 1)
                     .arg(share.Reached)
                     .arg(ok);
    }
    const std::size_t followed = band_->TenabilityRuns();
    for (const auto& share : band_->TenabilityShares()) {
        lines << QString("P(%1 fails) = %2 % (%3 of %4)")
                     .arg(QString::fromStdString(share.Words))
                     .arg(100.0 * static_cast<double>(share.Failed) / static_cast<double>(followed),
                          0, 'f', 1)
                     .arg(share.Failed)
                     .arg(followed);
    }
    if (followed > 0) {
        const auto aset = study::Summarise(band_->AsetSeconds());
        if (aset.Count > 0) {
            lines << QString("ASET 5 / 50 / 95 %: %1 / %2 / %3 s (%4 of %5 runs failed)")
                         .arg(*aset.P5, 0, 'f', 1)
                         .arg(*aset.P50, 0, 'f', 1)
                         .arg(*aset.P95, 0, 'f', 1)
                         .arg(aset.Count)
                         .arg(followed);
        } else {
            lines << QString("ASET: every criterion held in all %1 runs").arg(followed);
        }
    }
    if (const auto risk = band_->Risk()) {
        const auto percent = [](const std::optional<double>& p) {
            return p ? QString::number(100 * *p, 'f', 1) : QString("–");
        };
        QString line = QString("P(ASET < RSET) = %1 % (95 %: %2–%3 %; %4 of %5 runs)")
                           .arg(percent(risk->Probability.P))
                           .arg(percent(risk->Probability.Low))
                           .arg(percent(risk->Probability.High))
                           .arg(risk->Failures)
                           .arg(risk->Trials);
        if (risk->Undecided > 0) {
            line += QString(", %1 undecided").arg(risk->Undecided);
        }
        lines << line;
        if (followed == 0) {
            lines << "No run follows tenability: give it in the input form's Smoke and "
                     "Tenability…";
        }
    }
    lblBand->setText(lines.join('\n'));
}

void ExploreWindow::cmdUncertain_Click(std::size_t k) {
    // The click toggled the button; its state follows the dialog's answer.
    cmdUncertain_[k]->setChecked(uncertain_[k].has_value());
    OpenUncertaintyDialog(k);
}

void ExploreWindow::cmdRset_Click() {
    OpenUncertaintyDialog(std::nullopt);
}

void ExploreWindow::OpenUncertaintyDialog(std::optional<std::size_t> k) {
    const std::string modelName = model_->StudyBase({}, {}).Model;
    const bool draws = model_->DrawsModelError();
    auto* dialog = k ? new ExploreUncertaintyDialog(modelName, inputs_[*k], *k,
                                                    txtInput_[*k]->value(), uncertain_[*k],
                                                    modelUncertainty_, draws, this)
                     : new ExploreUncertaintyDialog(modelName, rset_, modelUncertainty_, draws,
                                                    !Followed().Devices.empty(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QWidget* back = k ? static_cast<QWidget*>(cmdUncertain_[*k]) : cmdRset;
    connect(dialog, &QDialog::accepted, this, [this, k, dialog, back] {
        // One change, one band: the band's settings first, then the change
        // that starts it.
        modelUncertainty_ = dialog->ModelUncertaintyChosen();
        if (k) {
            SetUncertain(*k, dialog->Chosen());
        } else {
            SetRset(dialog->ChosenRset());
        }
        back->setFocus(Qt::OtherFocusReason);
    });
    connect(dialog, &QDialog::rejected, this, [back] { back->setFocus(Qt::OtherFocusReason); });
    // Window-modal and not exec(): no nested event loop holds the window.
    dialog->open();
}

void ExploreWindow::SetModelUncertainty(bool drawn) {
    modelUncertainty_ = drawn && model_->DrawsModelError();
    InputChanged();
}

void ExploreWindow::SetRset(std::optional<BandRset> rset) {
    rset_ = std::move(rset);
    cmdRset->setText(rset_ ? QString("RSE&T: %1%2…")
                                 .arg(rset_->FromDetection ? "detection + " : "")
                                 .arg(QString::fromStdString(rset_->Written))
                           : QString("RSE&T…"));
    InputChanged();
}

BandSettings ExploreWindow::CurrentBandSettings() const {
    return {static_cast<std::size_t>(txtBandRuns->value()),
            static_cast<std::uint64_t>(txtBandSeed->value()), modelUncertainty_, rset_};
}

std::string ExploreWindow::StudyText() const {
    const std::vector<double> values = Values();
    std::vector<std::size_t> varied;
    for (const auto& input : UncertainList()) {
        varied.push_back(input.Input);
    }
    ExploreStudyBase base = model_->StudyBase(values, varied);
    // The fire's position and plume the runs follow (the defaults written as
    // nothing, as a study without them runs them), the devices with the
    // suppression rule, then the tenability.
    const ModelOptions& options = Followed().Options;
    if (options.Position != FirePosition::Centre) {
        base.Base.emplace_back("fire-position",
                               "\"" + std::string(FirePositionWord(options.Position)) + "\"");
    }
    if (options.Plume != PlumeCorrelation::Zukoski) {
        base.Base.emplace_back("plume", "\"" + std::string(PlumeWord(options.Plume)) + "\"");
    }
    AddDevicesStudyBase(Followed().Devices, Followed().Suppression, base.Units, base.Base);
    AddTenabilityStudyBase(Followed().Tenability, base.Units, base.Base);
    return StudyFileText(base.Model, CurrentBandSettings(), inputs_, UncertainList(), base.Base,
                         base.CriteriaHeights, base.CriteriaTemperatures);
}

void ExploreWindow::cmdSaveStudy_Click() {
    if (services_ == nullptr) {
        return;
    }
    const auto path = services_->ChooseFile(
        SaveAsDialog("Save as Study", "Study File (*.toml)|*.toml", {}, "explore-study.toml"));
    if (!path) {
        return;
    }
    if (const auto error = WriteFileAtomically(*path, StudyText())) {
        services_->ShowMessage({*error + " The study is not saved.", windowTitle().toStdString(),
                                MessageIcon::Exclamation, MessageButtons::Ok});
    }
}

void ExploreWindow::SetRunAsReport(RunAsReportHandler handler) {
    runAsReport_ = std::move(handler);
    cmdRunAsReport->setEnabled(static_cast<bool>(runAsReport_));
}

void ExploreWindow::cmdRunAsReport_Click() {
    if (!runAsReport_) {
        return;
    }
    // Only the boxes moved here: the others keep the form's text, and with it
    // any value the form keeps behind a unit change.
    std::vector<std::pair<std::string, std::string>> changed;
    const std::vector<double> values = Values();
    for (std::size_t k = 0; k < inputs_.size(); ++k) {
        if (values[k] != inputs_[k].Value) {
            changed.emplace_back(inputs_[k].Box, RoundTripText(values[k]));
        }
    }
    if (!runAsReport_(changed)) {
        lblStatus->setText("The input form has a report open: close it, then Run as Report");
    }
}

plot::Plot ExploreWindow::CurrentPlot() const {
    plot::Plot plot;
    const int k = cboQuantity->currentIndex();
    plot.Title = windowTitle().toStdString();
    const auto* current = QuantityOf(shown_.Graph, k);
    if (current == nullptr) {
        return plot;
    }
    plot.Y.Title = shown_.Graph.Quantities[k].AxisTitle.toStdString();
    const auto series = [](std::string name, plot::Rgb colour, const std::vector<double>& minutes,
                           const std::vector<double>& values) {
        plot::PlotSeries curve;
        curve.Name = std::move(name);
        curve.Colour = colour;
        for (std::size_t i = 0; i < minutes.size() && i < values.size(); ++i) {
            curve.Points.push_back({minutes[i], values[i]});
        }
        return curve;
    };
    plot.Series.push_back(series(stale_ ? "This run (stale)" : "This run", plot::kSeriesColours[0],
                                 shown_.Graph.Minutes, *current));
    std::size_t colour = 1;
    const auto next = [&colour] {
        return plot::kSeriesColours[colour++ % plot::kSeriesColours.size()];
    };
    if (bandGeneration_ == generation_) {
        const BandCurve band = band_->Curve(static_cast<std::size_t>(k));
        if (!band.Minutes.empty()) {
            // As the window: the 5–95 % area filled in the overlay's colour
            // (under the curves, which show through), the median over it.
            const QColor fill = ExploreBandOverlay::kBandColour;
            plot::PlotSeries area = series(
                QString("Band 5–95 % of %1 runs").arg(band_->OkRuns()).toStdString(),
                RgbOf(fill), band.Minutes, band.P95);
            for (std::size_t i = band.Minutes.size(); i-- > 0;) {
                area.Points.push_back({band.Minutes[i], band.P5[i]});
            }
            area.Style = plot::SeriesStyle::Area;
            plot.Series.insert(plot.Series.begin(), std::move(area));
            plot.Series.push_back(series("Median", RgbOf(kMedianColour), band.Minutes, band.P50));
        }
    }
    for (const auto& pin : pinned_) {
        if (const auto* values = QuantityOf(pin.Graph, k)) {
            plot.Series.push_back(
                series(pin.Name.toStdString(), next(), pin.Graph.Minutes, *values));
        }
    }
    plot.Legend = plot::LeastCoveredCorner(plot);
    // Exported as every graph is: in the Preferences' theme and time unit.
    const ProgramSettings settings;
    plot.Theme = settings.GraphThemePreference();
    return plot::WithTimeIn(std::move(plot), settings.TimeAxisUnitPreference());
}

std::string ExploreWindow::CurvesCsv() const {
    const auto field = [](const QString& text) {
        const std::string value = text.toStdString();
        if (value.find_first_of(",\"") == std::string::npos) {
            return value;
        }
        std::string quoted = "\"";
        for (const char c : value) {
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        return quoted + "\"";
    };
    const auto& graph = shown_.Graph;
    const bool withBand = bandGeneration_ == generation_ && band_->OkRuns() > 0;
    std::vector<BandCurve> bands;
    std::string csv = "Time (min)";
    for (std::size_t q = 0; q < graph.Quantities.size(); ++q) {
        const QString& title = graph.Quantities[q].AxisTitle;
        // Each cell appended on its own: GCC 12 at -O3 mistakes a chain of
        // "," + std::string temporaries for an oversized copy.
        const auto add = [&csv](const std::string& text) {
            csv += ',';
            csv += text;
        };
        add(field(title));
        if (withBand) {
            add(field(title + " p5"));
            add(field(title + " median"));
            add(field(title + " p95"));
            bands.push_back(band_->Curve(q));
        }
    }
    csv += "\n";
    const auto cell = [](std::optional<double> value) {
        return value ? RoundTripText(*value) : std::string();
    };
    for (std::size_t i = 0; i < graph.Minutes.size(); ++i) {
        const double minute = graph.Minutes[i];
        csv += RoundTripText(minute);
        for (std::size_t q = 0; q < graph.Quantities.size(); ++q) {
            const auto& values = graph.Quantities[q].Values;
            const auto add = [&csv](const std::string& text) {
                csv += ',';
                csv += text;
            };
            add(cell(i < values.size() ? std::optional<double>(values[i]) : std::nullopt));
            if (withBand) {
                const BandCurve& band = bands[q];
                add(cell(CurveValueAt(band.Minutes, band.P5, minute)));
                add(cell(CurveValueAt(band.Minutes, band.P50, minute)));
                add(cell(CurveValueAt(band.Minutes, band.P95, minute)));
            }
        }
        csv += "\n";
    }
    return csv;
}

void ExploreWindow::cmdExport_Click() {
    if (services_ == nullptr) {
        return;
    }
    const std::string filter = std::string(kGraphExportFilter) + "|CSV Table (*.csv)|*.csv";
    const auto path = services_->ChooseFile(SaveAsDialog("Export", filter, {}, "explore.png"));
    if (!path) {
        return;
    }
    std::optional<std::string> error;
    if (GraphFileTypeOf(*path)) {
        const QSize size = picExplore->size();
        error = ExportGraph(*path, CurrentPlot(), size, GraphPixelSize(size, devicePixelRatioF()));
    } else {
        error = WriteFileAtomically(*path, CurvesCsv());
    }
    if (error) {
        services_->ShowMessage({*error + " Nothing is exported.", windowTitle().toStdString(),
                                MessageIcon::Exclamation, MessageButtons::Ok});
    }
}

} // namespace vorla::ui
