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
// The model's part is an ExploreModel (one small adapter in each model's ui
// folder): the inputs it offers, and a run of a set of values that is safe to
// call from any thread at once.
#pragma once

#include "common/ui/results_graph_window.h"
#include "common/unit_system.h"

#include <QElapsedTimer>
#include <QString>
#include <QThreadPool>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTimer;

namespace vorla::ui {

class ExploreNumberBox;
class GraphPicture;

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
};

// What one run of a set of values comes to.
struct ExploreRun {
    // Set when a check refused a value: its message and the box it names.
    std::optional<std::string> RejectedBox;
    std::string Message; // the refusal, or a fire file that cannot be used
    GraphResults Graph;  // in the form's units
    std::vector<std::string> KeyLines;
    std::optional<double> FlashoverSeconds;
};

class ExploreModel {
  public:
    virtual ~ExploreModel() = default;
    virtual std::vector<ExploreInput> Inputs() const = 0;
    // The run of `values` (one an input, in the order of Inputs()). Called on
    // worker threads, several at once.
    virtual ExploreRun Run(const std::vector<double>& values) const = 0;
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

    ExploreWindow(std::unique_ptr<ExploreModel> model, QString programTitle,
                  QWidget* parent = nullptr);
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

  signals:
    // A run's result reached the screen (outdated results never do).
    void RunShown(int generation);

  private:
    struct Pinned {
        QString Name;
        GraphResults Graph;
    };

    void BuildControls(const std::vector<ExploreInput>& inputs);
    void InputChanged();
    void StartRun();
    void RunArrived(int generation, std::vector<double> values, ExploreRun run);
    // "Pin 2: Floor Area 40 m²": the number and what differs from the opening values.
    QString PinName() const;
    void ShowGraph();
    // Quantity k of the shown run, its ghost, its pins and the flashover line.
    void DrawQuantity(int k, GraphPicture* picture, QLabel* title);
    void ShowKeyResults();
    void cmdPin_Click();
    void cmdClearPins_Click();
    std::vector<double> Values() const;

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
    QLabel* lblFlashover = nullptr;
    QPlainTextEdit* txtKeyResults = nullptr;
    QPushButton* cmdPin = nullptr;
    QPushButton* cmdClearPins = nullptr;
    QPushButton* cmdClose = nullptr;
    QTimer* pause_ = nullptr;
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
    std::optional<GraphResults> ghost_;
    std::vector<Pinned> pinned_;
    // Declared last so that it is destroyed first: its runs finish while the
    // rest of the window still stands.
    QThreadPool pool_;
};

} // namespace vorla::ui
