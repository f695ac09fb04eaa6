// SPDX-License-Identifier: MIT
// Fuzzes the Calculator functions with any doubles.
//
// The input chooses a function and its arguments: raw bit patterns (NaN,
// infinities and subnormals included), values of interest (zero, the largest
// double, minus 460 degrees F that makes the absolute temperature 0, minus
// 14.7 psi that makes the absolute pressure 0, ...), moderate values and any
// finite double. Every call either returns with every result finite or
// throws Calculator::ArithmeticError; nothing else may escape. After an error
// each output holds either its old value or a finite one: no NaN or infinity
// is ever written. A known unit key never shows a message; an unknown one
// shows exactly the unknown-unit prompt and gives 0. The valve sizing shows
// at most the one warning.
#include "fuzzCheck.h"

#include <calculator/calculator.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Calculator::ArithmeticError;

struct SeenMessage {
    std::string prompt;
    std::string title;
    Calculator::MessageIcon icon;
};
std::vector<SeenMessage> messages;

constexpr std::array<std::string_view, 16> knownKeys{"inch",   "mm",   "psi",  "bar", "newtons", "pounds",
                                                     "sqinch", "sqmm", "f",    "c",   "scfm",    "cmps",
                                                     "cinch",  "cmm",  "cv",   "kv"};

constexpr double interesting[] = {
    0.0,       -0.0,     1.0,     -1.0,     0.5,      2.0,     14.7,     -14.7,   460.0,   -460.0,
    528.0,     0.53,     1e-300,  1e300,    1e308,    -1e308,  DBL_MAX,  -DBL_MAX, DBL_MIN, -DBL_MIN,
    std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
    80.0,      100.0,    6.0,     0.625,    25.4,     68.0,    20.0,     5.0,     1.34e154, 32767.0,
};

double nextDouble(FuzzedDataProvider &input)
{
    switch (input.ConsumeIntegralInRange(0, 4)) {
    case 0:
        return std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
    case 1:
        return input.PickValueInArray(interesting);
    case 2:
        return input.ConsumeFloatingPointInRange(-1e6, 1e6);
    case 3: {
        // Every binade equally likely, so that the narrow bands where one
        // step of a formula overflows and the others do not are reached.
        const double mantissa = 1.0 + input.ConsumeProbability<double>();
        const int exponent = input.ConsumeIntegralInRange(-1074, 1023);
        const double magnitude = std::ldexp(mantissa, exponent);
        return input.ConsumeBool() ? -magnitude : magnitude;
    }
    default:
        return input.ConsumeFloatingPoint<double>();
    }
}

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// An output a function writes by reference, with the value it held before.
struct Output {
    const char *name;
    double &value;
    double before;
};

// A value no function writes: the quiet NaN with a payload of its own.
const double unwritten = std::bit_cast<double>(std::uint64_t{0x7ff8'dead'beef'0001});

// Runs a function that writes through references; checks every output.
template<class Call>
void checkOutputs(const char *function, std::initializer_list<Output> outputs, Call call)
{
    bool failed = false;
    try {
        call();
    } catch (const ArithmeticError &error) {
        failed = true;
        FUZZ_CHECK(error.what() && *error.what(), "%s threw an ArithmeticError without a text", function);
    }
    for (const Output &output : outputs) {
        if (failed)
            FUZZ_CHECK(std::isfinite(output.value) || sameBits(output.value, output.before),
                       "%s failed and left %s = %s (it was %s)", function, output.name,
                       FuzzCheck::exact(output.value).c_str(), FuzzCheck::exact(output.before).c_str());
        else
            FUZZ_CHECK(std::isfinite(output.value), "%s returned with %s = %s", function, output.name,
                       FuzzCheck::exact(output.value).c_str());
    }
}

// Runs a function that returns its result; checks it.
template<class Call>
void checkResult(const char *function, Call call)
{
    try {
        const double result = call();
        FUZZ_CHECK(std::isfinite(result), "%s returned %s", function, FuzzCheck::exact(result).c_str());
    } catch (const ArithmeticError &error) {
        FUZZ_CHECK(error.what() && *error.what(), "%s threw an ArithmeticError without a text", function);
    }
}

void convertUnits(FuzzedDataProvider &input)
{
    const double value = nextDouble(input);
    std::string key;
    if (input.ConsumeBool())
        key = std::string(input.PickValueInArray(knownKeys));
    else
        key = input.ConsumeRandomLengthString(10);
    bool known = false;
    for (std::string_view candidate : knownKeys)
        known = known || candidate == key;

    double result = unwritten;
    checkOutputs("ConvertUnits", {{"the result", result, unwritten}},
                 [&] { result = Calculator::ConvertUnits(value, key); });
    if (known) {
        FUZZ_CHECK(messages.empty(), "ConvertUnits(%s, \"%s\") showed \"%s\"", FuzzCheck::exact(value).c_str(),
                   key.c_str(), messages.front().prompt.c_str());
    } else {
        FUZZ_CHECK(messages.size() == 1 && messages[0].prompt == "unknown unit type: " + key
                       && messages[0].title.empty() && messages[0].icon == Calculator::MessageIcon::None,
                   "ConvertUnits with the unknown key \"%s\" showed %zu messages", key.c_str(), messages.size());
        FUZZ_CHECK(sameBits(result, 0.0), "ConvertUnits with the unknown key \"%s\" gave %s", key.c_str(),
                   FuzzCheck::exact(result).c_str());
    }
}

void valveFlow(FuzzedDataProvider &input, bool metric)
{
    double airPressure = nextDouble(input);
    double strokeLength = nextDouble(input);
    double strokeTime = nextDouble(input);
    double bore = nextDouble(input);
    double roomTemperature = nextDouble(input);
    std::int16_t cylinders = input.ConsumeIntegral<std::int16_t>();
    double pressureDrop = nextDouble(input);
    double volume = unwritten;
    double flow = unwritten;
    double coefficient = unwritten;
    const char *function = metric ? "ValveFlowMetric" : "ValveFlowImperial";

    // Only the results must be written on return; the inputs it writes back
    // must be finite then or hold their old values.
    const double before[] = {airPressure, strokeLength, strokeTime, bore, roomTemperature, pressureDrop};
    bool returned = false;
    checkOutputs(function, {{"the volume", volume, unwritten}, {"the flow", flow, unwritten},
                            {"the coefficient", coefficient, unwritten}},
                 [&] {
                     if (metric) {
                         Calculator::ValveFlowMetric(airPressure, strokeLength, strokeTime, bore, roomTemperature,
                                                     cylinders, pressureDrop, volume, flow, coefficient);
                     } else {
                         const bool status = Calculator::ValveFlowImperial(airPressure, strokeLength, strokeTime,
                                                                           bore, roomTemperature, cylinders,
                                                                           pressureDrop, volume, flow,
                                                                           coefficient);
                         FUZZ_CHECK(status, "ValveFlowImperial returned false");
                     }
                     returned = true;
                 });
    const double after[] = {airPressure, strokeLength, strokeTime, bore, roomTemperature, pressureDrop};
    const char *names[] = {"air pressure", "stroke length", "stroke time", "bore", "room temperature",
                           "pressure drop"};
    for (std::size_t i = 0; i < std::size(after); ++i)
        FUZZ_CHECK(std::isfinite(after[i]) || sameBits(after[i], before[i]),
                   "%s %s and left the %s = %s (it was %s)", function, returned ? "returned" : "failed", names[i],
                   FuzzCheck::exact(after[i]).c_str(), FuzzCheck::exact(before[i]).c_str());
    FUZZ_CHECK(messages.size() <= 1, "%s showed %zu messages", function, messages.size());
    for (const SeenMessage &message : messages)
        FUZZ_CHECK(message.title == "Warning" && message.icon == Calculator::MessageIcon::Exclamation,
                   "%s showed \"%s\" titled \"%s\"", function, message.prompt.c_str(), message.title.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool installed = [] {
        Calculator::SetMessageHandler([](const Calculator::Message &message) {
            messages.push_back({std::string(message.prompt), std::string(message.title), message.icon});
        });
        return true;
    }();
    (void)installed;
    messages.clear();

    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange(0, 14)) {
    case 0:
        convertUnits(input);
        break;
    case 1: {
        const double diameter = nextDouble(input);
        checkResult("CircleArea", [&] { return Calculator::CircleArea(diameter); });
        break;
    }
    case 2: {
        const double area = nextDouble(input);
        checkResult("DiameterFromArea", [&] { return Calculator::DiameterFromArea(area); });
        break;
    }
    case 3: {
        const double numerator = nextDouble(input);
        const double divisor = nextDouble(input);
        checkResult("SafeDivide", [&] { return Calculator::SafeDivide(numerator, divisor); });
        break;
    }
    case 4:
    case 5: {
        const double bore = nextDouble(input);
        const double rod = nextDouble(input);
        const double pressure = nextDouble(input);
        double push = unwritten;
        double pull = unwritten;
        const bool imperial = input.ConsumeBool();
        checkOutputs(imperial ? "CylinderForceImperial" : "CylinderForceMetric",
                     {{"the push force", push, unwritten}, {"the pull force", pull, unwritten}}, [&] {
                         const bool status = imperial
                                                 ? Calculator::CylinderForceImperial(bore, rod, pressure, push, pull)
                                                 : Calculator::CylinderForceMetric(bore, rod, pressure, push, pull);
                         FUZZ_CHECK(status, "a cylinder force function returned false");
                     });
        break;
    }
    case 6:
    case 7: {
        const double force = nextDouble(input);
        const double pressure = nextDouble(input);
        const double safetyFactor = nextDouble(input);
        double area = unwritten;
        const bool imperial = input.ConsumeBool();
        checkOutputs(imperial ? "AreaRequiredImperial" : "AreaRequiredMetric", {{"the area", area, unwritten}},
                     [&] {
                         const bool status =
                             imperial ? Calculator::AreaRequiredImperial(force, pressure, safetyFactor, area)
                                      : Calculator::AreaRequiredMetric(force, pressure, safetyFactor, area);
                         FUZZ_CHECK(status, "an area function returned false");
                     });
        break;
    }
    case 8: {
        const double area = nextDouble(input);
        double bore = unwritten;
        checkOutputs("MinimumBore", {{"the bore", bore, unwritten}}, [&] {
            FUZZ_CHECK(Calculator::MinimumBore(area, bore), "MinimumBore returned false");
        });
        break;
    }
    case 9: {
        const double temperature = nextDouble(input);
        const double value = nextDouble(input);
        checkResult("TemperatureCorrect", [&] { return Calculator::TemperatureCorrect(temperature, value); });
        break;
    }
    case 10: {
        const double length = nextDouble(input);
        const double diameter = nextDouble(input);
        const double factor = nextDouble(input);
        const bool cylindrical = input.ConsumeBool();
        checkResult("CylinderVolume",
                    [&] { return Calculator::CylinderVolume(length, diameter, factor, cylindrical); });
        break;
    }
    case 11: {
        const double drop = nextDouble(input);
        const double downstream = nextDouble(input);
        const double flow = nextDouble(input);
        checkResult("FlowCoefficient", [&] { return Calculator::FlowCoefficient(drop, downstream, flow); });
        break;
    }
    case 12: {
        const double bore = nextDouble(input);
        const double length = nextDouble(input);
        const double pressure = nextDouble(input);
        const double time = nextDouble(input);
        checkResult("CylinderFlowScfm", [&] { return Calculator::CylinderFlowScfm(bore, length, pressure, time); });
        break;
    }
    case 13:
        valveFlow(input, false);
        break;
    default:
        valveFlow(input, true);
        break;
    }
    return 0;
}
