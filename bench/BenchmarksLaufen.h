#pragma once

#include <benchmark/benchmark.h>

/// Runs the registered benchmarks as BENCHMARK_MAIN() does, for a program that makes its Qt
/// application object first.
inline int benchmarksLaufen(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
