// SPDX-License-Identifier: MIT
#pragma once

#include "fixture.h"

#include <string>
#include <vector>

// Every case of the benchmark program by name. Each file of cases adds its
// own (startUpBench.h, handlerBench.h); benchMain.cpp runs them.
namespace Bench {

struct Case {
    std::string name;
    FixtureFactory factory;
};

// Registers a case, timed by hand around Fixture::run() in each iteration.
void addWindowCase(const std::string &name, FixtureFactory factory);

const std::vector<Case> &cases();

} // namespace Bench
