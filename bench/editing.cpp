// The handlers a user waits on: a press on the grid through the new listing, the listing alone in
// each of its four modes, and the buttons that repaint the whole grid.
#include "bench/benchmarks.h"
#include "tests/support.h"

#include <benchmark/benchmark.h>

namespace {

// Paints and whatever else the handler left queued run between samples, untimed, as the event
// loop would run them between two clicks.
void settle(benchmark::State& state) {
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

void pressToListing(benchmark::State& state) {
    LoadedForm form(true);
    const QPointF press = form->Picled->userPoint(100, 100);
    for (auto _ : state) {
        TestAccess::Picled_MouseDown(*form.form, 1, 0, float(press.x()), float(press.y()));
        settle(state);
    }
}

void refreshListing(benchmark::State& state, bool c, bool acrossRows) {
    LoadedForm form(true);
    (c ? form->OptC : form->OptR)->setChecked(true);
    (acrossRows ? form->OpX : form->OpY)->setChecked(true);
    for (auto _ : state) {
        TestAccess::RefreshListing(*form.form);
        settle(state);
    }
}

void clickButton(benchmark::State& state, QPushButton* const Form1::*button) {
    LoadedForm form(true);
    for (auto _ : state) {
        (form.form.get()->*button)->click();
        settle(state);
    }
}

}  // namespace

void RegisterEditingBenchmarks() {
    benchmark::RegisterBenchmark("PressToListing", pressToListing);
    for (bool c : {true, false}) {
        for (bool acrossRows : {true, false}) {
            const std::string name = std::string("RefreshListing/") + (c ? "C" : "Assembly") +
                                     (acrossRows ? "/AcrossRows" : "/DownColumns");
            benchmark::RegisterBenchmark(name.c_str(), refreshListing, c, acrossRows);
        }
    }
    benchmark::RegisterBenchmark("Invert", clickButton, &Form1::Cocontrary);
    benchmark::RegisterBenchmark("Blank", clickButton, &Form1::Commargin);
    benchmark::RegisterBenchmark("Capture", clickButton, &Form1::Comchange);
}
