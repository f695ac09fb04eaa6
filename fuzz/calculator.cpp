// SPDX-License-Identifier: MIT
// Fuzzes the Calculator functions with any doubles.
//
// The input chooses a function and its arguments: raw bit patterns (NaN,
// infinities and subnormals included), values of interest (zero, the largest
// double, minus 460 degrees F that makes the absolute temperature 0, minus
// 14.7 psi that makes the absolute pressure 0, ...), moderate values, values
// spread evenly over every binade and any finite double. Every call either
// returns with every result finite or throws Calculator::ArithmeticError;
// nothing else may escape. After an error each output holds either its old
// value or a finite one: no NaN or infinity is ever written. A known unit key
// never shows a message; an unknown one shows exactly the unknown-unit prompt
// and gives 0. The valve sizing shows at most the one warning.
//
// Each call is also made to the reference formulas (referenceFormulas.cpp),
// which take one checked step at a time: the library must give the same
// results to the last bit, throw the same kind of error, have written the
// same outputs by then and show the same messages.
#include "fuzzCheck.h"
#include "referenceFormulas.h"

#include <calculator/calculator.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <functional>
#include <optional>
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

// The functions under test, from the library or from the reference.
struct Functions {
    const char *source;
    double (*convertUnits)(double, std::string_view);
    double (*circleArea)(double);
    double (*diameterFromArea)(double);
    double (*safeDivide)(double, double);
    bool (*cylinderForceImperial)(double, double, double, double &, double &);
    bool (*cylinderForceMetric)(double, double, double, double &, double &);
    bool (*areaRequiredImperial)(double, double, double, double &);
    bool (*areaRequiredMetric)(double, double, double, double &);
    bool (*minimumBore)(double, double &);
    double (*temperatureCorrect)(double, double);
    double (*cylinderVolume)(double, double, double, bool);
    double (*flowCoefficient)(double, double, double);
    double (*cylinderFlowScfm)(double, double, double, double);
    bool (*valveFlowImperial)(double &, double &, double &, double &, double &, std::int16_t &, double &, double &,
                              double &, double &);
    void (*valveFlowMetric)(double &, double &, double &, double &, double &, std::int16_t &, double &, double &,
                            double &, double &);
};

#define CORVANE_FUNCTIONS(ns)                                                                                     \
    Functions                                                                                                    \
    {                                                                                                            \
        #ns, &ns::ConvertUnits, &ns::CircleArea, &ns::DiameterFromArea, &ns::SafeDivide,                         \
            &ns::CylinderForceImperial, &ns::CylinderForceMetric, &ns::AreaRequiredImperial,                    \
            &ns::AreaRequiredMetric, &ns::MinimumBore, &ns::TemperatureCorrect, &ns::CylinderVolume,            \
            &ns::FlowCoefficient, &ns::CylinderFlowScfm, &ns::ValveFlowImperial, &ns::ValveFlowMetric          \
    }
const Functions library = CORVANE_FUNCTIONS(Calculator);
const Functions reference = CORVANE_FUNCTIONS(CalculatorReference);

// What one call left behind.
struct Outcome {
    std::vector<double> values; // every result and output argument, in a fixed order
    std::optional<ArithmeticError::Kind> error;
    bool status = true;
    std::vector<SeenMessage> messages;
};

// A value no function writes: the quiet NaN with a payload of its own.
const double unwritten = std::bit_cast<double>(std::uint64_t{0x7ff8'dead'beef'0001});

// One call of one function with fixed arguments. It is given the functions to
// call and fills in the values it left; the names say what each value is.
struct Call {
    const char *function;
    std::vector<const char *> names;
    std::vector<double> before; // what each value held before the call
    std::function<void(const Functions &, Outcome &)> run;
};

Outcome perform(const Call &call, const Functions &functions)
{
    Outcome outcome;
    messages.clear();
    try {
        call.run(functions, outcome);
    } catch (const ArithmeticError &error) {
        FUZZ_CHECK(error.what() && *error.what(), "%s threw an ArithmeticError without a text", call.function);
        outcome.error = error.kind();
    }
    outcome.messages = messages;
    FUZZ_CHECK(outcome.values.size() == call.names.size(), "%s left %zu values", call.function,
               outcome.values.size());
    return outcome;
}

std::string describe(const Outcome &outcome, const Call &call)
{
    std::string text = outcome.error ? "error " + std::to_string(int(*outcome.error)) : std::string("returned");
    for (std::size_t i = 0; i < outcome.values.size(); ++i)
        text += std::string(", ") + call.names[i] + " = " + FuzzCheck::exact(outcome.values[i]);
    text += ", " + std::to_string(outcome.messages.size()) + " messages";
    return text;
}

Outcome check(const Call &call)
{
    const Outcome got = perform(call, library);
    FUZZ_CHECK(got.status, "%s returned false", call.function);
    for (std::size_t i = 0; i < got.values.size(); ++i) {
        if (got.error)
            FUZZ_CHECK(std::isfinite(got.values[i]) || sameBits(got.values[i], call.before[i]),
                       "%s failed and left %s = %s (it was %s)", call.function, call.names[i],
                       FuzzCheck::exact(got.values[i]).c_str(), FuzzCheck::exact(call.before[i]).c_str());
        else
            FUZZ_CHECK(std::isfinite(got.values[i]) || (sameBits(got.values[i], call.before[i])
                                                        && call.before[i] != unwritten),
                       "%s returned with %s = %s", call.function, call.names[i],
                       FuzzCheck::exact(got.values[i]).c_str());
    }

    const Outcome expected = perform(call, reference);
    bool same = got.error == expected.error && got.messages.size() == expected.messages.size();
    for (std::size_t i = 0; same && i < got.values.size(); ++i)
        same = sameBits(got.values[i], expected.values[i]);
    for (std::size_t i = 0; same && i < got.messages.size(); ++i)
        same = got.messages[i].prompt == expected.messages[i].prompt && got.messages[i].title == expected.messages[i].title
               && got.messages[i].icon == expected.messages[i].icon;
    FUZZ_CHECK(same, "%s differs from the step-by-step reference:\n  library:   %s\n  reference: %s", call.function,
               describe(got, call).c_str(), describe(expected, call).c_str());
    return got;
}

// A function of doubles that returns its result.
template<class... Args>
Call returning(const char *function, double (*Functions::*member)(Args...), Args... args)
{
    return {function, {"the result"}, {unwritten}, [=](const Functions &f, Outcome &outcome) {
                outcome.values.push_back(unwritten);
                outcome.values.back() = (f.*member)(args...);
            }};
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

    const Outcome got = check({"ConvertUnits", {"the result"}, {unwritten}, [=](const Functions &f, Outcome &outcome) {
        outcome.values.push_back(unwritten);
        outcome.values.back() = f.convertUnits(value, key);
    }});
    if (known) {
        FUZZ_CHECK(got.messages.empty(), "ConvertUnits(%s, \"%s\") showed \"%s\"", FuzzCheck::exact(value).c_str(),
                   key.c_str(), got.messages.front().prompt.c_str());
    } else {
        FUZZ_CHECK(got.messages.size() == 1 && got.messages[0].prompt == "unknown unit type: " + key
                       && got.messages[0].title.empty() && got.messages[0].icon == Calculator::MessageIcon::None,
                   "ConvertUnits with the unknown key \"%s\" showed %zu messages", key.c_str(), got.messages.size());
        FUZZ_CHECK(!got.error && sameBits(got.values[0], 0.0), "ConvertUnits with the unknown key \"%s\" gave %s",
                   key.c_str(), FuzzCheck::exact(got.values[0]).c_str());
    }
}

void valveFlow(FuzzedDataProvider &input, bool metric)
{
    const double airPressure = nextDouble(input);
    const double strokeLength = nextDouble(input);
    const double strokeTime = nextDouble(input);
    const double bore = nextDouble(input);
    const double roomTemperature = nextDouble(input);
    const std::int16_t cylinders = input.ConsumeIntegral<std::int16_t>();
    const double pressureDrop = nextDouble(input);
    const char *function = metric ? "ValveFlowMetric" : "ValveFlowImperial";

    // The results must be written on return; the inputs, which it writes back
    // converted, must be finite then or hold their old values.
    const Call call{
        function,
        {"the air pressure", "the stroke length", "the stroke time", "the bore", "the room temperature",
         "the pressure drop", "the volume", "the flow", "the coefficient", "the number of cylinders"},
        {airPressure, strokeLength, strokeTime, bore, roomTemperature, pressureDrop, unwritten, unwritten, unwritten,
         double(cylinders)},
        [=](const Functions &f, Outcome &outcome) {
            double a = airPressure, l = strokeLength, t = strokeTime, b = bore, r = roomTemperature, d = pressureDrop;
            std::int16_t n = cylinders;
            double volume = unwritten, flow = unwritten, coefficient = unwritten;
            const auto record = [&] { outcome.values = {a, l, t, b, r, d, volume, flow, coefficient, double(n)}; };
            try {
                if (metric)
                    f.valveFlowMetric(a, l, t, b, r, n, d, volume, flow, coefficient);
                else
                    outcome.status = f.valveFlowImperial(a, l, t, b, r, n, d, volume, flow, coefficient);
            } catch (...) {
                record();
                throw;
            }
            record();
        }};
    const Outcome got = check(call);
    FUZZ_CHECK(got.messages.size() <= 1, "%s showed %zu messages", function, got.messages.size());
    for (const SeenMessage &message : got.messages)
        FUZZ_CHECK(message.title == "Warning" && message.icon == Calculator::MessageIcon::Exclamation,
                   "%s showed \"%s\" titled \"%s\"", function, message.prompt.c_str(), message.title.c_str());
}

// A function that writes its results through references.
Call writing2(const char *function, bool (*Functions::*member)(double, double, double, double &, double &), double x,
              double y, double z, const char *first, const char *second)
{
    return {function, {first, second}, {unwritten, unwritten}, [=](const Functions &f, Outcome &outcome) {
                double a = unwritten, b = unwritten;
                try {
                    outcome.status = (f.*member)(x, y, z, a, b);
                } catch (...) {
                    outcome.values = {a, b};
                    throw;
                }
                outcome.values = {a, b};
            }};
}

Call writing1(const char *function, bool (*Functions::*member)(double, double, double, double &), double x, double y,
              double z)
{
    return {function, {"the area"}, {unwritten}, [=](const Functions &f, Outcome &outcome) {
                double a = unwritten;
                try {
                    outcome.status = (f.*member)(x, y, z, a);
                } catch (...) {
                    outcome.values = {a};
                    throw;
                }
                outcome.values = {a};
            }};
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
    case 1:
        check(returning("CircleArea", &Functions::circleArea, nextDouble(input)));
        break;
    case 2:
        check(returning("DiameterFromArea", &Functions::diameterFromArea, nextDouble(input)));
        break;
    case 3: {
        const double numerator = nextDouble(input);
        check(returning("SafeDivide", &Functions::safeDivide, numerator, nextDouble(input)));
        break;
    }
    case 4:
    case 5: {
        const double bore = nextDouble(input);
        const double rod = nextDouble(input);
        const double pressure = nextDouble(input);
        if (input.ConsumeBool())
            check(writing2("CylinderForceImperial", &Functions::cylinderForceImperial, bore, rod, pressure,
                           "the push force", "the pull force"));
        else
            check(writing2("CylinderForceMetric", &Functions::cylinderForceMetric, bore, rod, pressure,
                           "the push force", "the pull force"));
        break;
    }
    case 6:
    case 7: {
        const double force = nextDouble(input);
        const double pressure = nextDouble(input);
        const double safetyFactor = nextDouble(input);
        if (input.ConsumeBool())
            check(writing1("AreaRequiredImperial", &Functions::areaRequiredImperial, force, pressure, safetyFactor));
        else
            check(writing1("AreaRequiredMetric", &Functions::areaRequiredMetric, force, pressure, safetyFactor));
        break;
    }
    case 8: {
        const double area = nextDouble(input);
        check({"MinimumBore", {"the bore"}, {unwritten}, [=](const Functions &f, Outcome &outcome) {
                   double bore = unwritten;
                   try {
                       outcome.status = f.minimumBore(area, bore);
                   } catch (...) {
                       outcome.values = {bore};
                       throw;
                   }
                   outcome.values = {bore};
               }});
        break;
    }
    case 9: {
        const double temperature = nextDouble(input);
        check(returning("TemperatureCorrect", &Functions::temperatureCorrect, temperature, nextDouble(input)));
        break;
    }
    case 10: {
        const double length = nextDouble(input);
        const double diameter = nextDouble(input);
        const double factor = nextDouble(input);
        check(returning("CylinderVolume", &Functions::cylinderVolume, length, diameter, factor, input.ConsumeBool()));
        break;
    }
    case 11: {
        const double drop = nextDouble(input);
        const double downstream = nextDouble(input);
        check(returning("FlowCoefficient", &Functions::flowCoefficient, drop, downstream, nextDouble(input)));
        break;
    }
    case 12: {
        const double bore = nextDouble(input);
        const double length = nextDouble(input);
        const double pressure = nextDouble(input);
        check(returning("CylinderFlowScfm", &Functions::cylinderFlowScfm, bore, length, pressure, nextDouble(input)));
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
