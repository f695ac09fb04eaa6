// SPDX-License-Identifier: MIT
#pragma once

// How a case is measured. Every case is measured twice over: by Google
// Benchmark for the times, and, on request, under callgrind for the
// instruction count of the measured part alone (see benchMain.cpp), which a
// busy machine does not disturb.
//
// Names: a case "X/bound" is the lower bound of the case "X"; the script
// prints the ratio of each pair. The first part of the name picks the target:
// StartUp, Handler.

#include <functional>
#include <memory>
#include <type_traits>

namespace Bench {

// Makes the compiler forget what it knows of a value and keep it computed: a
// result passed through it cannot be dropped. Single-alternative constraints,
// because GCC 12 miscompiles benchmark::DoNotOptimize's "+m,r" for a local
// double (it reads the stack slot without ever writing it, so the function
// measured is fed garbage, often a subnormal number that costs a microcode
// assist).
template<class T> inline __attribute__((always_inline)) void keep(T &value)
{
    if constexpr (std::is_floating_point_v<T>)
        asm volatile("" : "+x"(value));
    else if constexpr (std::is_integral_v<T> || std::is_pointer_v<T>)
        asm volatile("" : "+r"(value));
    else
        asm volatile("" : "+m"(value) : : "memory");
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

} // namespace Bench
