#include "app/application.h"
#include "bench/benchmarks.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    // Headless unless told otherwise, so the figures do not depend on a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::SetDefaultTimeUnit(benchmark::kMicrosecond);
    RegisterFirstWindowBenchmark();
    RegisterEditingBenchmarks();
    RegisterStartUpBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
