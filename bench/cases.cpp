// SPDX-License-Identifier: MIT
#include "cases.h"

namespace Bench {
namespace {

std::vector<Case> &allCases()
{
    static std::vector<Case> all;
    return all;
}

} // namespace

void addWindowCase(const std::string &name, FixtureFactory factory)
{
    allCases().push_back({name, std::move(factory)});
}

const std::vector<Case> &cases()
{
    return allCases();
}

} // namespace Bench
