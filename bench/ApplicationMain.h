#pragma once

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// The main() of a benchmark whose code needs an application object: modules are looked for
// beside the program, and signals cross threads through its event loop.
#define KIVVO_BENCHMARK_MAIN_WITH_APPLICATION()                                                   \
    int main(int argc, char** argv)                                                               \
    {                                                                                             \
        QCoreApplication application(argc, argv);                                                 \
        benchmark::Initialize(&argc, argv);                                                       \
        benchmark::RunSpecifiedBenchmarks();                                                      \
        benchmark::Shutdown();                                                                    \
        return 0;                                                                                 \
    }
