// Speed of the Explore window's answer to a changed input, in its parts: the
// model's run of the new values on the worker (the boxes read, checked, run,
// the key results and the curves in the form's units), the drawing of the
// curves (the current run and the ghost behind it, painted into an image the
// window's size), and the two together through the window itself, from a
// value set in a box to the run on screen (which includes the window's
// deliberate pause before it starts a run). The band: its model part (200
// Latin hypercube runs of three uncertain inputs on two threads, and the
// band's percentiles of every curve), and the whole band through the window;
// each also with every run following tenability and an RSET drawn for it
// (second argument 1), the band's tenability and P(ASET < RSET) computed.
#include "common/fire_files/fire_file_reader.h"
#include "common/key_results/key_criteria.h"
#include "zone_models/ui/explore_band.h"
#include "zone_models/ui/explore_number_box.h"
#include "zone_models/ui/explore_window.h"
#include "common/ui/graph_picture.h"
#include "compartment/ui/explore_model.h"
#include "study/sampling.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <atomic>
#include <benchmark/benchmark.h>
#include <memory>
#include <thread>

namespace vorla::compartment {
namespace {

// 500 kW from the start for as long as any run lasts: the run goes to its end.
constexpr const char* kSteadyFire = "    0        500.0        0.000\r\n"
                                    " 9000        500.0        0.000\r\n"
                                    "   -9           -9           -9\r\n";

struct Office {
    QTemporaryDir folder;
    InputBoxes boxes;
    FireTable fire;

    explicit Office(int runTime) {
        const QString path = folder.filePath("steady.fir");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(kSteadyFire) < 0) {
            std::abort();
        }
        file.close();
        boxes.txtRunTitle = "Office";
        boxes.txtOutputFile = "OFFICE.VOF";
        boxes.txtFireFile = path.toStdString();
        boxes.txtFloorArea = "20";
        boxes.txtRoomHeight = "2.4";
        boxes.txtVentWidth = "0.9";
        boxes.txtSillHeight = "0";
        boxes.txtSoffitHeight = "2";
        boxes.txtFireHeight = "0";
        boxes.txtRunTime = std::to_string(runTime);
        if (ReadFireFile(boxes.txtFireFile, fire)) {
            std::abort();
        }
    }
    std::unique_ptr<CompartmentExplore> Model() const {
        return std::make_unique<CompartmentExplore>(boxes, UnitTablesFor(UnitSystem::SI), fire,
                                                    std::string(), KeyCriteria{});
    }
};

// `tenability`: each run follows the default tenability (red oak, head at
// 1.8 m), as a form with Smoke and Tenability followed has it.
ui::ExploreFollowed FollowedOf(bool tenability) {
    ui::ExploreFollowed followed;
    followed.Tenability.Given = tenability;
    return followed;
}

std::vector<double> ValuesOf(const CompartmentExplore& model) {
    std::vector<double> values;
    for (const auto& input : model.Inputs()) {
        values.push_back(input.Value);
    }
    return values;
}

void BM_ExploreModelRun(benchmark::State& state) {
    const Office office(static_cast<int>(state.range(0)));
    const auto model = office.Model();
    std::vector<double> values = ValuesOf(*model);
    const ui::ExploreRun first = model->Run(values, {});
    if (!first.Message.empty() || first.Graph.Minutes.empty()) {
        state.SkipWithError(first.Message.c_str());
        return;
    }
    state.counters["rows"] = static_cast<double>(first.Graph.Minutes.size());
    for (auto _ : state) {
        values[0] = values[0] == 20 ? 21 : 20; // a changed floor area, as each key press
        benchmark::DoNotOptimize(model->Run(values, {}));
    }
}
BENCHMARK(BM_ExploreModelRun)->Arg(600)->Arg(9000)->Unit(benchmark::kMillisecond);

std::vector<QPointF> Logical(const ui::GraphResults& graph, const ui::GraphPicture::Scales& s) {
    std::vector<QPointF> points;
    for (std::size_t i = 0; i < graph.Minutes.size(); ++i) {
        points.push_back(
            ui::GraphPicture::ValueToLogical(s, graph.Minutes[i], graph.Quantities[0].Values[i]));
    }
    return points;
}

void BM_ExploreDrawing(benchmark::State& state) {
    const Office office(static_cast<int>(state.range(0)));
    const auto model = office.Model();
    std::vector<double> values = ValuesOf(*model);
    const ui::ExploreRun current = model->Run(values, {});
    values[0] = 30;
    const ui::ExploreRun previous = model->Run(values, {});
    if (current.Graph.Minutes.empty() || previous.Graph.Minutes.empty()) {
        state.SkipWithError("the office did not run");
        return;
    }
    ui::GraphPicture picture;
    picture.resize(540, 420); // the graph's share of the window's opening size
    QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
    const ui::GraphPicture::Scales scales{150, 500};
    for (auto _ : state) {
        picture.SetSeries(Logical(current.Graph, scales));
        picture.SetComparisons("This run",
                               {{"Previous", Qt::gray, Logical(previous.Graph, scales)}},
                               plot::LegendPlace::TopLeft);
        QPainter painter(&image);
        picture.render(&painter);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_ExploreDrawing)->Arg(600)->Arg(9000)->Unit(benchmark::kMillisecond);

// Through the window: the box changed, then the events handled until the new
// value's run is on screen. The window's pause (ExploreWindow::kPauseMilliseconds)
// is part of the figure.
void BM_ExploreWindowUpdate(benchmark::State& state) {
    const Office office(static_cast<int>(state.range(0)));
    ui::ExploreWindow window(office.Model(), "VORLA-XW");
    window.resize(900, 640);
    window.show();
    auto* area = window.findChild<ui::ExploreNumberBox*>("txtFloorArea");
    while (!window.UpToDate()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    if (window.Stale() || window.Shown().Graph.Minutes.empty()) {
        state.SkipWithError("the office did not run");
        return;
    }
    double value = 20;
    for (auto _ : state) {
        value = value == 20 ? 21 : 20;
        area->setValue(value);
        while (!window.UpToDate()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        window.repaint();
    }
}
BENCHMARK(BM_ExploreWindowUpdate)->Arg(600)->Arg(9000)->Unit(benchmark::kMillisecond);

std::vector<ui::UncertainInput> ThreeUncertain() {
    const auto spread = [](const char* option, std::size_t input, ui::SpreadKind kind,
                           std::vector<std::string> parameters) {
        return std::get<ui::UncertainInput>(
            ui::ReadSpread("compartment", option, input, {kind, std::move(parameters), {}, {}}));
    };
    return {spread("floor-area", 0, ui::SpreadKind::Uniform, {"15", "30"}),
            spread("loss-fraction", 2, ui::SpreadKind::Triangular, {"0.5", "0.6", "0.9"}),
            spread("vent-width", 3, ui::SpreadKind::Normal, {"0.9", "0.1"})};
}

// The model part of a band: the samples, the runs on two threads as the
// window's pool has them, and every curve's 5, 50 and 95 % points; with the
// second argument 1 each run follows tenability and the band's statistics
// include its criteria, the ASETs and P(ASET < RSET) against a drawn RSET.
void BM_ExploreBandModel(benchmark::State& state) {
    const Office office(static_cast<int>(state.range(0)));
    const bool tenability = state.range(1) != 0;
    const auto model = office.Model();
    const ui::ExploreFollowed followed = FollowedOf(tenability);
    const std::vector<double> values = ValuesOf(*model);
    const auto uncertain = ThreeUncertain();
    const std::size_t runs = 200;
    ui::BandSettings settings{runs, 1};
    if (tenability) {
        settings.Rset = ui::BandRset{"{ uniform = [60, 300] }"};
    }
    const auto design =
        std::get<study::Study>(ui::BandStudy("compartment", settings, model->Inputs(), uncertain));
    const study::StudySampler sampler(design);
    for (auto _ : state) {
        std::vector<ui::ExploreRun> results(runs);
        std::atomic<std::size_t> next{0};
        const auto work = [&] {
            for (std::size_t r = next++; r < runs; r = next++) {
                std::vector<double> sampled = values;
                const auto sample = sampler.Sample(r);
                for (std::size_t j = 0; j < uncertain.size(); ++j) {
                    sampled[uncertain[j].Input] = std::get<double>(sample.Values[j]);
                }
                results[r] = model->Run(sampled, followed);
            }
        };
        std::thread second(work);
        work();
        second.join();
        ui::BandStatistics band;
        for (std::size_t r = 0; r < runs; ++r) {
            band.Add(r, std::move(results[r]),
                     design.Rset ? study::DrawRset(design, r).Rset({}) : std::nullopt);
        }
        for (std::size_t k = 0; k < band.QuantityCount(); ++k) {
            benchmark::DoNotOptimize(band.Curve(k));
        }
        if (tenability && (band.TenabilityRuns() != runs || !band.Risk())) {
            state.SkipWithError("the band's runs did not follow tenability");
            return;
        }
        benchmark::DoNotOptimize(band.TenabilityShares());
        benchmark::DoNotOptimize(band.Risk());
    }
}
// CPU time: the whole process's, both threads' work.
BENCHMARK(BM_ExploreBandModel)
    ->Args({600, 0})
    ->Args({600, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The whole band through the window: inputs marked uncertain, then the
// events handled until all 200 runs are in and drawn.
void BM_ExploreBandWindow(benchmark::State& state) {
    const Office office(static_cast<int>(state.range(0)));
    ui::ExploreWindow window(office.Model(), "VORLA-XW", nullptr, nullptr,
                             FollowedOf(state.range(1) != 0));
    if (state.range(1) != 0) {
        window.SetRset(ui::BandRset{"{ uniform = [60, 300] }"});
    }
    window.resize(900, 640);
    window.show();
    while (!window.UpToDate()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    const auto uncertain = ThreeUncertain();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        auto first = uncertain.front();
        first = std::get<ui::UncertainInput>(
            ui::ReadSpread("compartment", "floor-area", 0,
                           {ui::SpreadKind::Uniform, {"15", wide ? "35" : "30"}, {}, {}}));
        window.SetUncertain(0, first);
        window.SetUncertain(2, uncertain[1]);
        window.SetUncertain(3, uncertain[2]);
        while (!(window.UpToDate() && window.BandComplete())) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        window.repaint();
    }
}
BENCHMARK(BM_ExploreBandWindow)
    ->Args({600, 0})
    ->Args({600, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

} // namespace
} // namespace vorla::compartment

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
