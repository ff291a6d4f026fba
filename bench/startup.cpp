// The start-up inside the process: building the window, its Load event, and showing it until
// its first paint. The first window of the process is timed once on its own; later ones find
// the fonts resolved and the style's caches filled.
#include "bench/benchmarks.h"
#include "tests/support.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Built, and later destroyed, untimed.
std::unique_ptr<Form1> untimedForm(benchmark::State& state, bool loaded) {
    state.PauseTiming();
    auto form = std::make_unique<Form1>();
    if (loaded) form->Load();
    state.ResumeTiming();
    return form;
}

void destroyUntimed(benchmark::State& state, std::unique_ptr<Form1>& form) {
    state.PauseTiming();
    form.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

void construct(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<Form1>();
        destroyUntimed(state, form);
    }
}

void load(benchmark::State& state) {
    for (auto _ : state) {
        auto form = untimedForm(state, false);
        form->Load();
        destroyUntimed(state, form);
    }
}

struct FirstPaint : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

// The children paint within the same pass, right after the window's own paint event.
void showToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        auto form = untimedForm(state, true);
        FirstPaint watch;
        form->installEventFilter(&watch);
        form->show();
        while (!watch.painted) QCoreApplication::processEvents();
        destroyUntimed(state, form);
    }
}

}  // namespace

void RegisterFirstWindowBenchmark() {
    benchmark::RegisterBenchmark("StartUp/FirstForm1", construct)->Iterations(1)->Repetitions(1);
}

void RegisterStartUpBenchmarks() {
    benchmark::RegisterBenchmark("StartUp/Form1", construct);
    benchmark::RegisterBenchmark("StartUp/Load", load);
    benchmark::RegisterBenchmark("StartUp/ShowToFirstPaint", showToFirstPaint);
}
