#pragma once

// Registered in this order. The first window of the process pays for the font database, so it is
// timed once, on its own, before any other; the editing benchmarks come before the start-up ones,
// which make and destroy thousands of windows.
void RegisterFirstWindowBenchmark();
void RegisterEditingBenchmarks();
void RegisterStartUpBenchmarks();
