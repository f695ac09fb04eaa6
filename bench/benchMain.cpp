// SPDX-License-Identifier: MIT
// The benchmark program. The window cases need a QApplication, so this is
// its own main rather than benchmark_main.
//
//   corvane-bench [Google Benchmark flags]
//       runs the cases and reports their times.
//   corvane-bench --list-cases
//       prints the name of every case, one a line.
//   valgrind --tool=callgrind --collect-atstart=no
//            --toggle-collect=corvane_measured_region corvane-bench
//            --count-instructions=NAME [--iterations=N]
//       runs case NAME N times (default 20) with callgrind collecting inside
//       the measured part only; run-benchmarks.sh --instructions does this
//       for every pair.
//   corvane-bench --write-census FILE
//       writes the census of the calculator window's controls (see
//       bareWindow.h) for the programs that measure the baseline's memory.
#include "bareWindow.h"
#include "cases.h"
#include "handlerBench.h"
#include "startUpBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// The measured part of every case, and nothing else: callgrind toggles its
// collection on entering and leaving this function.
extern "C" [[gnu::noinline]] void corvane_measured_region(Bench::Fixture *fixture)
{
    fixture->run();
    asm volatile("" ::: "memory");
}

namespace {

void runWindowCase(benchmark::State &state, const Bench::FixtureFactory &factory)
{
    const std::unique_ptr<Bench::Fixture> fixture = factory();
    for (auto _ : state) {
        fixture->before();
        const auto start = std::chrono::steady_clock::now();
        corvane_measured_region(fixture.get());
        const auto stop = std::chrono::steady_clock::now();
        fixture->after();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}

int countInstructions(const std::string &name, long iterations)
{
    for (const Bench::Case &entry : Bench::cases()) {
        if (entry.name != name)
            continue;
        const std::unique_ptr<Bench::Fixture> fixture = entry.factory();
        if (iterations <= 0)
            iterations = 20;
        // One untimed run first, as Google Benchmark's warm-up would.
        fixture->before();
        fixture->run();
        fixture->after();
        for (long i = 0; i < iterations; ++i) {
            fixture->before();
            corvane_measured_region(fixture.get());
            fixture->after();
        }
        std::printf("iterations %ld\n", iterations);
        return 0;
    }
    std::fprintf(stderr, "no case named %s\n", name.c_str());
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    Bench::registerStartUpCases();
    Bench::registerHandlerCases();

    std::string instructionsCase;
    long iterations = 0;
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strncmp(arg, "--count-instructions=", 21) == 0)
            instructionsCase = arg + 21;
        else if (std::strncmp(arg, "--iterations=", 13) == 0)
            iterations = std::atol(arg + 13);
        else if (std::strcmp(arg, "--write-census") == 0 && i + 1 < argc)
            return Bench::writeCensus(Bench::calculatorWindowCensus(), QString::fromLocal8Bit(argv[++i])) ? 0 : 1;
        else if (std::strcmp(arg, "--list-cases") == 0) {
            for (const Bench::Case &entry : Bench::cases())
                std::printf("%s\n", entry.name.c_str());
            return 0;
        } else
            rest.push_back(argv[i]);
    }
    if (!instructionsCase.empty())
        return countInstructions(instructionsCase, iterations);

    for (const Bench::Case &entry : Bench::cases()) {
        benchmark::RegisterBenchmark(entry.name.c_str(), runWindowCase, entry.factory)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }

    int restCount = int(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data()))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
