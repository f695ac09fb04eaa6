// SPDX-License-Identifier: MIT
// The formulas with their overflow checks against the same arithmetic without
// them (uncheckedFormulas.cpp): ConvertUnits for each key, the cylinder
// functions and the valve flow. Both are called across a translation unit
// boundary, with inputs and results passed through keep(), so each
// iteration is one real call of each. Inputs lie inside every formula's range
// (no check fires, no warning is shown).
#include "fixture.h"
#include "uncheckedFormulas.h"

#include <calculator/calculator.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace Bench {
namespace {


// Registers "Formula/<name>" with the checked function and
// "Formula/<name>/bound" with the unchecked one; call(ns) gets the namespace
// tag and makes one call.
struct CheckedTag {};
struct UncheckedTag {};

template<class Call>
void addPair(const std::string &name, Call call)
{
    addArithmetic("Formula/" + name, [call] { call(CheckedTag{}); });
    addArithmetic("Formula/" + name + "/bound", [call] { call(UncheckedTag{}); });
}

// Calls Calculator::F or Unchecked::F by the tag.
#define CORVANE_CALL(tag, function, ...)                                                           \
    [&] {                                                                                          \
        if constexpr (std::is_same_v<decltype(tag), CheckedTag>)                                   \
            return Calculator::function(__VA_ARGS__);                                              \
        else                                                                                       \
            return Unchecked::function(__VA_ARGS__);                                               \
    }()

} // namespace

void registerFormulaCases()
{
    // A value in the unit each key converts from.
    const std::pair<const char *, double> keys[] = {
        {"inch", 2.5},  {"mm", 63.5},      {"psi", 90.0},   {"bar", 6.2},
        {"newtons", 4450.0}, {"pounds", 1000.0}, {"sqinch", 4.9}, {"sqmm", 3167.0},
        {"f", 70.0},    {"c", 21.1},       {"scfm", 12.3},  {"cmps", 348.0},
        {"cinch", 18.85}, {"cmm", 308900.0}, {"cv", 0.42},  {"kv", 0.36},
    };
    for (const auto &[key, value] : keys) {
        const std::string_view unitKey = key;
        const double input = value;
        addPair("ConvertUnits/" + std::string(key), [unitKey, input](auto tag) {
            double result = CORVANE_CALL(tag, ConvertUnits, opaque(input), opaque(unitKey));
            keep(result);
        });
    }

    addPair("CircleArea", [](auto tag) {
        double result = CORVANE_CALL(tag, CircleArea, opaque(2.5));
        keep(result);
    });
    addPair("DiameterFromArea", [](auto tag) {
        double result = CORVANE_CALL(tag, DiameterFromArea, opaque(4.9));
        keep(result);
    });
    addPair("CylinderForceImperial", [](auto tag) {
        double push = 0.0, pull = 0.0;
        CORVANE_CALL(tag, CylinderForceImperial, opaque(2.5), opaque(0.625), opaque(80.0), push, pull);
        keep(push);
        keep(pull);
    });
    addPair("CylinderForceMetric", [](auto tag) {
        double push = 0.0, pull = 0.0;
        CORVANE_CALL(tag, CylinderForceMetric, opaque(63.5), opaque(16.0), opaque(5.5), push, pull);
        keep(push);
        keep(pull);
    });
    addPair("AreaRequiredImperial", [](auto tag) {
        double area = 0.0;
        CORVANE_CALL(tag, AreaRequiredImperial, opaque(1000.0), opaque(80.0), opaque(1.5), area);
        keep(area);
    });
    addPair("AreaRequiredMetric", [](auto tag) {
        double area = 0.0;
        CORVANE_CALL(tag, AreaRequiredMetric, opaque(4450.0), opaque(5.5), opaque(1.5), area);
        keep(area);
    });
    addPair("MinimumBore", [](auto tag) {
        double bore = 0.0;
        CORVANE_CALL(tag, MinimumBore, opaque(18.75), bore);
        keep(bore);
    });
    addPair("TemperatureCorrect", [](auto tag) {
        double result = CORVANE_CALL(tag, TemperatureCorrect, opaque(70.0), opaque(90.0));
        keep(result);
    });
    addPair("CylinderVolume", [](auto tag) {
        double result = CORVANE_CALL(tag, CylinderVolume, opaque(6.0), opaque(2.0), opaque(0.0), opaque(true));
        keep(result);
    });
    addPair("FlowCoefficient", [](auto tag) {
        double result = CORVANE_CALL(tag, FlowCoefficient, opaque(10.0), opaque(80.0), opaque(12.3));
        keep(result);
    });
    addPair("CylinderFlowScfm", [](auto tag) {
        double result = CORVANE_CALL(tag, CylinderFlowScfm, opaque(2.0), opaque(6.0), opaque(80.0), opaque(0.5));
        keep(result);
    });

    // The valve flow writes back into its inputs: fresh copies every call.
    addPair("ValveFlowImperial", [](auto tag) {
        double airPressure = opaque(90.0), strokeLength = opaque(6.0), strokeTime = opaque(0.5);
        double bore = opaque(2.0), roomTemperature = opaque(70.0), pressureDrop = opaque(10.0);
        std::int16_t cylinders = opaque(std::int16_t(2));
        double volume = 0.0, flow = 0.0, coefficient = 0.0;
        CORVANE_CALL(tag, ValveFlowImperial, airPressure, strokeLength, strokeTime, bore, roomTemperature,
                     cylinders, pressureDrop, volume, flow, coefficient);
        keep(volume);
        keep(flow);
        keep(coefficient);
    });
    addPair("ValveFlowMetric", [](auto tag) {
        double airPressure = opaque(6.0), strokeLength = opaque(150.0), strokeTime = opaque(0.5);
        double bore = opaque(50.0), roomTemperature = opaque(20.0), pressureDrop = opaque(0.7);
        std::int16_t cylinders = opaque(std::int16_t(2));
        double volume = 0.0, flow = 0.0, coefficient = 0.0;
        CORVANE_CALL(tag, ValveFlowMetric, airPressure, strokeLength, strokeTime, bore, roomTemperature,
                     cylinders, pressureDrop, volume, flow, coefficient);
        keep(volume);
        keep(flow);
        keep(coefficient);
    });
}

} // namespace Bench
