// SPDX-License-Identifier: MIT
#pragma once

// How the benchmarks are declared. Every case is measured twice over: by
// Google Benchmark for the times, and, on request, under callgrind for the
// instruction count of the measured part alone (see benchMain.cpp), which a
// busy machine does not disturb.
//
// Names: a case "X/bound" is the lower bound of the case "X"; the script
// prints the ratio of each pair. The first part of the name picks the target:
// StartUp, Handler.

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

namespace Bench {

// Makes the compiler forget what it knows of a value and keep it computed:
// an input passed through it cannot be folded into the call, a result passed
// through it cannot be dropped. Single-alternative constraints, because GCC 12
// miscompiles benchmark::DoNotOptimize's "+m,r" for a local double (it reads
// the stack slot without ever writing it, so the function measured is fed
// garbage, often a subnormal number that costs a microcode assist).
template<class T> inline __attribute__((always_inline)) void keep(T &value)
{
    if constexpr (std::is_floating_point_v<T>)
        asm volatile("" : "+x"(value));
    else if constexpr (std::is_integral_v<T> || std::is_pointer_v<T>)
        asm volatile("" : "+r"(value));
    else
        asm volatile("" : "+m"(value) : : "memory");
}

template<class T> inline __attribute__((always_inline)) T opaque(T value)
{
    keep(value);
    return value;
}

// A case that drives windows: before() and after() run around every
// measured run() and are not timed (they refill fields, drain events).
class Fixture
{
public:
    virtual ~Fixture() = default;
    virtual void before() {}
    virtual void run() = 0;
    virtual void after() {}
};

using FixtureFactory = std::function<std::unique_ptr<Fixture>()>;

// Registers a window case, timed by hand around run() in each iteration.
void addWindowCase(const std::string &name, FixtureFactory factory);

// Registers an arithmetic case: body is one call of the function measured,
// its inputs and result passed through benchmark::DoNotOptimize.
void addArithmeticCase(const std::string &name, std::function<void(benchmark::State &)> timed,
                       std::function<void(long)> counted);

template<class Body>
void addArithmetic(const std::string &name, Body body)
{
    addArithmeticCase(
        name,
        [body](benchmark::State &state) mutable {
            for (auto _ : state)
                body();
        },
        [body](long iterations) mutable {
            for (long i = 0; i < iterations; ++i)
                body();
        });
}

// Each file's cases; benchMain.cpp calls them once QApplication exists.
void registerStartUpCases();
void registerHandlerCases();

} // namespace Bench
