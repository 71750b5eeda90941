// frmExplore, "Explore": a model's results that follow the user's hand. Each
// numeric input of the input form is a box and a slider in the form's units;
// every change reruns the model on a worker thread (after a short pause, so a
// held arrow key costs a run every so often, not one a key repeat), and the graph
// and the Key Results show the newest value's run. A change made while a run
// is going on starts a run of its own at once; the older run's result is
// thrown away when it arrives (each run carries the generation it was started
// for), so nothing ever queues behind a long run and the window never waits.
//
// A value the model refuses puts the model's message beside its box, keeps
// the curves of the last accepted inputs on the graph and marks them stale.
// The graph shows the quantity chosen, or all of them stacked one above the
// other on axes of their own. The run shown before the newest one is drawn grey behind it
// ("Previous"); Pin keeps the shown run on the graph (up to four), named by the values that differ
// from those the window opened with; Clear Pins takes them off.
//
// Inputs marked uncertain (the "±" button beside each box) make the band: a
// Latin hypercube of N runs from the study engine's own sampler, run in
// chunks on the same pool (behind any single run), drawn as the light 5–95 %
// band and the median of each curve and redrawn as each chunk comes in, with
// the share of runs reaching flashover and each criterion. A change starts a
// new band of the new generation; the chunks of an older one stop at their
// next run and what they bring is dropped. Save as Study… writes the study
// file `vorla study` runs the same band from; Run as Report hands the values
// to the input form's Run; Export… writes the graph (PNG, SVG, PDF) or the
// curves and the band (CSV).
//
// The model's part is an ExploreModel (one small adapter in each model's ui
// folder): the inputs it offers, and a run of a set of values that is safe to
// call from any thread at once. What the runs follow besides the inputs (the
// form's model options, devices and tenability: ExploreFollowed) the window
// holds, names in lblFollowed and hands to each run; when the form gives it
// anew (SetFollowed), the values shown are run again with it.
#pragma once

#include "common/key_results/key_results.h"
#include "common/plot/plot.h"
#include "zone_models/ui/explore_followed.h"
#include "zone_models/ui/results_graph_window.h"
#include "common/text/unit_system.h"

#include <QElapsedTimer>
#include <QString>
#include <QThreadPool>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;
class QToolButton;

namespace vorla::ui {

class BandStatistics;
struct BandRunIn;
struct BandSettings;
class ExploreBandOverlay;
class ExploreNumberBox;
class GraphPicture;
class PlatformServices;
struct UncertainInput;

// One numeric input of the form, in the form's units.
struct ExploreInput {
    std::string Box;  // the input form's box, "txtFloorArea"
    QString Caption;  // "Floor Area"
    QString Unit;     // "m²", or empty
    double Value = 0; // the form's value when the window opened
    double Minimum = 0;
    double Maximum = 1; // the slider's range; the box takes any number
    double Step = 0.1;
    int Decimals = 2;
    std::string StudyOption; // its option in a study file, "floor-area"
};

// What one run of a set of values comes to.
struct ExploreRun {
    // Set when a check refused a value: its message and the box it names.
    std::optional<std::string> RejectedBox;
    std::string Message; // the refusal, or a fire file that cannot be used
    GraphResults Graph;  // in the form's units
    std::vector<std::string> KeyLines;
    std::optional<double> FlashoverSeconds;
    std::optional<KeyResults> Keys; // of a run that ran
};

// What a study file needs of the model besides the inputs: its name, the
// [base] lines of a set of values and the criteria as the file writes them.
struct ExploreStudyBase {
    std::string Model; // "compartment", "smoke"
    // Option and its value as TOML writes it: `units = "si"`, `floor-area = 20`.
    std::vector<std::pair<std::string, std::string>> Base;
    std::vector<double> CriteriaHeights;      // in the form's units
    std::vector<double> CriteriaTemperatures; // in the form's units
    UnitSystem Units = UnitSystem::SI;        // the units the [base] numbers are in
};

// The required safe egress time the band's ASETs are set against: its value
// in a study file ("300", "{ uniform = [240, 360] }"), drawn for every run as
// `vorla study` draws [rset]. With FromDetection the value is the time after
// the run's first detection (a study file's pre-movement with
// `from = "detection"`), and a run that detects nothing has no RSET.
struct BandRset {
    std::string Written;
    bool FromDetection = false;
};

// What a band's run draws besides its inputs: the two standard normals of
// the model's own error ([model-uncertainty], common/key_results/model_uncertainty.h),
// nothing when the band does not draw it.
struct ExploreDraw {
    std::optional<std::pair<double, double>> ModelErrorNormals;
    // The inputs the band varies (their places in Inputs()): a run's value
    // of one of them is the study's draw, not the form's value.
    std::vector<std::size_t> Varied;
};

class ExploreModel {
  public:
    virtual ~ExploreModel() = default;
    virtual std::vector<ExploreInput> Inputs() const = 0;
    // The run of `values` (one an input, in the order of Inputs()) followed by
    // `followed`. Called on worker threads, several at once.
    virtual ExploreRun Run(const std::vector<double>& values,
                           const ExploreFollowed& followed) const = 0;
    // Whether RunDrawn can draw the model's error into a run.
    virtual bool DrawsModelError() const { return false; }
    // The run of `values` with `draw`'s model error in its key results and
    // its layer curves, as a study's run with [model-uncertainty] has it (a
    // run the validation has no statistics for is refused, with the study's
    // sentence). Without a draw, or from a model that cannot draw one, Run.
    virtual ExploreRun RunDrawn(const std::vector<double>& values, const ExploreFollowed& followed,
                                const ExploreDraw& draw) const {
        if (draw.ModelErrorNormals && !DrawsModelError()) {
            ExploreRun refused;
            refused.Message = "This model has no model uncertainty.";
            return refused;
        }
        return Run(values, followed);
    }
    // The study of `values` (the band's uncertain inputs aside), the inputs
    // at `varied` (places in Inputs()) drawn by the band. A model without one
    // (no Model name) has no band and no study file.
    virtual ExploreStudyBase StudyBase(const std::vector<double>& /*values*/,
                                       const std::vector<std::size_t>& /*varied*/) const {
        return {};
    }
};

class ExploreWindow final : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMostPinnedRuns = 4;
    // How long the inputs must rest before a run starts.
    static constexpr int kPauseMilliseconds = 30;
    // While the inputs keep changing (a held arrow key, a slider dragged), a
    // run starts at least this often anyway, so the curves follow the hand
    // instead of waiting for it to stop.
    static constexpr int kLongestWaitMilliseconds = 120;

    // The band's runs go to the pool in chunks of this many.
    static constexpr std::size_t kBandChunk = 10;

    // `services`: the dialogs and messages of Save as Study… and Export…
    // (both stay disabled without them). `followed`: what the runs follow
    // besides the inputs, as the form holds it.
    ExploreWindow(std::unique_ptr<ExploreModel> model, QString programTitle,
                  QWidget* parent = nullptr, PlatformServices* services = nullptr,
                  ExploreFollowed followed = {});
    ~ExploreWindow() override;

    // The generation of the newest change, and of the run the window shows.
    int Generation() const { return generation_; }
    int ShownGeneration() const { return shownGeneration_; }
    // True when every change so far has its run on screen.
    bool UpToDate() const { return shownGeneration_ == generation_; }
    // The runs started so far and the results thrown away as outdated.
    int RunsStarted() const { return runsStarted_; }
    int RunsDiscarded() const { return runsDiscarded_; }
    bool Stale() const { return stale_; }
    // The run on screen (an empty graph before the first).
    const ExploreRun& Shown() const { return shown_; }
    int PinnedCount() const { return static_cast<int>(pinned_.size()); }
    bool HasGhost() const { return ghost_.has_value(); }
    // The legend of the graph, the current run first.
    QStringList LegendTexts() const;

    // What every run follows besides the inputs: the form's model options,
    // devices and suppression, and tenability. SetFollowed takes the form's
    // anew: the label says so and the values shown (and their band) are run
    // again with it, the run before it drawn as "Previous".
    const ExploreFollowed& Followed() const { return *followed_; }
    void SetFollowed(ExploreFollowed followed);

    // Input k's distribution (nothing: certain), as the "±" dialog sets it.
    void SetUncertain(std::size_t k, std::optional<UncertainInput> spread);
    bool IsUncertain(std::size_t k) const;
    // Whether every run of the band draws the model's own error (the "±"
    // dialogs' check box), and the RSET its ASETs are set against (RSET…).
    void SetModelUncertainty(bool drawn);
    bool ModelUncertainty() const { return modelUncertainty_; }
    void SetRset(std::optional<BandRset> rset);
    const std::optional<BandRset>& Rset() const { return rset_; }
    // The band of the shown generation: the runs in so far and their
    // statistics; the band's size; the chunks thrown away as outdated.
    const BandStatistics& Band() const { return *band_; }
    std::size_t BandRuns() const;
    bool BandComplete() const;
    int BandChunksDiscarded() const { return bandChunksDiscarded_; }
    // The study file Save as Study… writes for the values shown now.
    std::string StudyText() const;
    // What Run as Report does: given each changed box's name and text, the
    // input form fills its boxes and runs as its own Run does; false when
    // the form cannot run now (its report is open).
    using RunAsReportHandler =
        std::function<bool(const std::vector<std::pair<std::string, std::string>>&)>;
    void SetRunAsReport(RunAsReportHandler handler);
    // The CSV Export… writes: time, then per quantity this run, p5, median, p95.
    std::string CurvesCsv() const;
    // The graph Export… writes as a picture: the quantity shown, with the
    // band filled from 5 to 95 % and its median, as the window draws them.
    plot::Plot CurrentPlot() const;

  signals:
    // A run's result reached the screen (outdated results never do).
    void RunShown(int generation);
    // A chunk of the band reached the screen.
    void BandShown(int generation, int runsIn);

  private:
    struct Pinned {
        QString Name;
        GraphResults Graph;
    };

    void BuildControls(const std::vector<ExploreInput>& inputs);
    void InputChanged();
    void StartRun();
    void RunArrived(int generation, std::vector<double> values,
                    std::shared_ptr<const ExploreFollowed> followed, ExploreRun run);
    // "Pin 2: Floor Area 40 m²": the number and what differs from the opening values.
    QString PinName() const;
    void ShowGraph();
    // Quantity k of the shown run, its band, ghost, pins and the flashover line.
    void DrawQuantity(int k, GraphPicture* picture, QLabel* title, ExploreBandOverlay* overlay);
    void ShowKeyResults();
    void cmdPin_Click();
    void cmdClearPins_Click();
    std::vector<double> Values() const;
    std::vector<UncertainInput> UncertainList() const;
    void StartBand(int generation);
    void BandChunkArrived(int generation, std::vector<BandRunIn> runs);
    void ShowBandText();
    void cmdUncertain_Click(std::size_t k);
    void cmdSaveStudy_Click();
    void cmdRunAsReport_Click();
    void cmdExport_Click();
    void cmdRset_Click();
    BandSettings CurrentBandSettings() const;
    // The "±" dialog of input k, or RSET… when k is nothing.
    void OpenUncertaintyDialog(std::optional<std::size_t> k);

    std::unique_ptr<ExploreModel> model_;
    QString programTitle_;
    std::vector<ExploreNumberBox*> txtInput_;
    std::vector<QSlider*> sldInput_;
    std::vector<QLabel*> lblMessage_;
    std::vector<ExploreInput> inputs_;
    QComboBox* cboQuantity = nullptr;
    QCheckBox* chkStacked = nullptr;
    QWidget* stack_ = nullptr;
    std::vector<GraphPicture*> stackPictures_;
    std::vector<QLabel*> stackTitles_;
    GraphPicture* picExplore = nullptr;
    QLabel* lblYTitle = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblFollowed = nullptr; // what the runs follow besides the inputs
    QLabel* lblFlashover = nullptr;
    QPlainTextEdit* txtKeyResults = nullptr;
    QPushButton* cmdPin = nullptr;
    QPushButton* cmdClearPins = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdSaveStudy = nullptr;
    QPushButton* cmdRunAsReport = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdRset = nullptr;
    std::vector<QToolButton*> cmdUncertain_;
    QSpinBox* txtBandRuns = nullptr;
    QSpinBox* txtBandSeed = nullptr;
    QLabel* lblBand = nullptr;
    ExploreBandOverlay* bandOverlay_ = nullptr;
    std::vector<ExploreBandOverlay*> stackOverlays_;
    PlatformServices* services_ = nullptr;
    RunAsReportHandler runAsReport_;
    QTimer* pause_ = nullptr;
    QTimer* bandRedraw_ = nullptr; // the band drawn at most this often while it comes in
    QElapsedTimer sinceLastStart_;

    int generation_ = 0;
    int startedGeneration_ = -1; // of the newest run started
    int shownGeneration_ = -1;
    int runsStarted_ = 0;
    int runsDiscarded_ = 0;
    bool stale_ = false;
    bool haveRun_ = false;
    ExploreRun shown_;
    std::vector<double> shownValues_; // the values shown_ was run with
    // What the runs follow; a run holds the one it was started with.
    std::shared_ptr<const ExploreFollowed> followed_;
    std::shared_ptr<const ExploreFollowed> shownFollowed_; // what shown_ followed
    std::optional<GraphResults> ghost_;
    std::vector<Pinned> pinned_;
    std::vector<std::optional<UncertainInput>> uncertain_;
    bool modelUncertainty_ = false;
    std::optional<BandRset> rset_;
    std::unique_ptr<BandStatistics> band_;
    std::size_t bandRuns_ = 0; // of the band under way; 0: none
    int bandGeneration_ = -1;
    int bandChunksDiscarded_ = 0;
    // The generation whose band the chunks in flight should go on with.
    std::atomic<int> bandWanted_{-1};
    // Declared last so that it is destroyed first: its runs finish while the
    // rest of the window still stands.
    QThreadPool pool_;
};

} // namespace vorla::ui
