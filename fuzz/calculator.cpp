// SPDX-License-Identifier: MIT
// Fuzzes the Calculator functions with any doubles.
//
// The input chooses a function and its arguments: raw bit patterns (NaN,
// infinities and subnormals included), values of interest (zero, the largest
// double, minus 460 degrees F that makes the absolute temperature 0, minus
// 14.7 psi that makes the absolute pressure 0, ...), moderate values, values
// spread evenly over every binade and any finite double. What must hold for
// every call:
//   - it returns, or throws Calculator::ArithmeticError; nothing else escapes;
//   - on return every result is finite;
//   - on an error no result is written after the failing step: each output
//     keeps its old value, except those the function writes before the step
//     that failed (in their documented order), which are finite;
//   - a known unit key never shows a message; an unknown one shows exactly the
//     unknown-unit prompt and gives 0; the valve sizing shows at most the one
//     warning;
//   - the metric valve sizing is the imperial one through the unit
//     conversions: converting the metric inputs with ConvertUnits, sizing in
//     imperial units and converting the results back gives the same values to
//     the last bit, or the same error at the same point;
//   - the same holds of the metric air consumption, which shows no message,
//     and a cycle rate of 0 that returns gives a consumption of 0.
#include "fuzzCheck.h"

#include <calculator/calculator.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
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

constexpr std::array<std::string_view, 16> knownKeys{"inch",   "mm",   "psi", "bar", "newtons", "pounds",
                                                     "sqinch", "sqmm", "f",   "c",   "scfm",    "cmps",
                                                     "cinch",  "cmm",  "cv",  "kv"};

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

// A value no function writes: a quiet NaN with a payload of its own.
const double unwritten = std::bit_cast<double>(std::uint64_t{0x7ff8'dead'beef'0001});

// The outputs of one call, in the order the function writes them, each
// starting as `unwritten`.
struct Outputs {
    std::vector<const char *> names;
    std::vector<double> values;
    explicit Outputs(std::vector<const char *> outputNames)
        : names(std::move(outputNames)), values(names.size(), unwritten)
    {
    }
    double &operator[](std::size_t i) { return values[i]; }
};

// Runs a call and checks what must hold of its outputs; gives the error it
// threw, if any.
std::optional<ArithmeticError::Kind> run(const char *function, Outputs &outputs, const std::function<bool()> &call)
{
    messages.clear();
    std::optional<ArithmeticError::Kind> error;
    try {
        FUZZ_CHECK(call(), "%s returned false", function);
    } catch (const ArithmeticError &e) {
        FUZZ_CHECK(e.what() && *e.what(), "%s threw an ArithmeticError without a text", function);
        error = e.kind();
    }
    bool laterWritten = false;
    for (std::size_t i = outputs.values.size(); i-- > 0;) {
        const double value = outputs.values[i];
        const bool written = !sameBits(value, unwritten);
        FUZZ_CHECK(written || error, "%s returned without writing %s", function, outputs.names[i]);
        FUZZ_CHECK(!written || std::isfinite(value), "%s wrote %s = %s", function, outputs.names[i],
                   FuzzCheck::exact(value).c_str());
        FUZZ_CHECK(written || !laterWritten, "%s failed before writing %s but wrote a later output", function,
                   outputs.names[i]);
        laterWritten = laterWritten || written;
    }
    return error;
}

template<class... Args>
void returning(const char *function, double (*f)(Args...), Args... args)
{
    Outputs out({"the result"});
    run(function, out, [&] {
        out[0] = f(args...);
        return true;
    });
    FUZZ_CHECK(messages.empty(), "%s showed \"%s\"", function, messages.front().prompt.c_str());
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

    Outputs out({"the result"});
    const auto error = run("ConvertUnits", out, [&] {
        out[0] = Calculator::ConvertUnits(value, key);
        return true;
    });
    if (known) {
        FUZZ_CHECK(messages.empty(), "ConvertUnits(%s, \"%s\") showed \"%s\"", FuzzCheck::exact(value).c_str(),
                   key.c_str(), messages.front().prompt.c_str());
    } else {
        FUZZ_CHECK(messages.size() == 1 && messages[0].prompt == "unknown unit type: " + key
                       && messages[0].title.empty() && messages[0].icon == Calculator::MessageIcon::None,
                   "ConvertUnits with the unknown key \"%s\" showed %zu messages", key.c_str(), messages.size());
        FUZZ_CHECK(!error && sameBits(out[0], 0.0), "ConvertUnits with the unknown key \"%s\" gave %s", key.c_str(),
                   FuzzCheck::exact(out[0]).c_str());
    }
}

// The arguments of the valve sizing, which it reads and writes back.
struct ValveInputs {
    double airPressure, strokeLength, strokeTime, bore, roomTemperature;
    std::int16_t cylinders;
    double pressureDrop;
};

struct ValveRun {
    std::optional<ArithmeticError::Kind> error;
    ValveInputs after;
    std::vector<double> results; // coefficient, volume, flow
    std::size_t warnings;
};

ValveRun sizeValve(const char *function, ValveInputs in, bool metric)
{
    // The imperial sizing writes the coefficient, the volume and the flow in
    // that order; the metric one converts them afterwards.
    Outputs out({"the coefficient", "the volume", "the flow"});
    const auto error = run(function, out, [&] {
        auto &[a, l, t, b, r, n, d] = in;
        if (metric) {
            Calculator::ValveFlowMetric(a, l, t, b, r, n, d, out[1], out[2], out[0]);
            return true;
        }
        return Calculator::ValveFlowImperial(a, l, t, b, r, n, d, out[1], out[2], out[0]);
    });
    // The inputs it writes back (the metric one converts five of them) are
    // finite on return.
    if (!error) {
        FUZZ_CHECK(std::isfinite(in.airPressure) && std::isfinite(in.pressureDrop),
                   "%s wrote back a pressure of %s or a drop of %s", function,
                   FuzzCheck::exact(in.airPressure).c_str(), FuzzCheck::exact(in.pressureDrop).c_str());
        FUZZ_CHECK(!metric || (std::isfinite(in.strokeLength) && std::isfinite(in.bore)
                               && std::isfinite(in.roomTemperature)),
                   "%s wrote back a length, bore or temperature that is not finite", function);
    }
    FUZZ_CHECK(messages.size() <= 1, "%s showed %zu messages", function, messages.size());
    for (const SeenMessage &message : messages)
        FUZZ_CHECK(message.title == "Warning" && message.icon == Calculator::MessageIcon::Exclamation,
                   "%s showed \"%s\" titled \"%s\"", function, message.prompt.c_str(), message.title.c_str());
    return {error, in, out.values, messages.size()};
}

// Converts with ConvertUnits, stopping at the first error as the metric
// sizing does.
std::optional<ArithmeticError::Kind> convert(double &value, std::string_view key)
{
    try {
        value = Calculator::ConvertUnits(value, key);
        return std::nullopt;
    } catch (const ArithmeticError &e) {
        return e.kind();
    }
}

// The seven inputs of a valve sizing, read in the order the formulas take them.
ValveInputs nextValveInputs(FuzzedDataProvider &input)
{
    ValveInputs in{};
    in.airPressure = nextDouble(input);
    in.strokeLength = nextDouble(input);
    in.strokeTime = nextDouble(input);
    in.bore = nextDouble(input);
    in.roomTemperature = nextDouble(input);
    in.cylinders = input.ConsumeIntegral<std::int16_t>();
    in.pressureDrop = nextDouble(input);
    return in;
}

void valveFlow(FuzzedDataProvider &input)
{
    const ValveInputs metric = nextValveInputs(input);

    const ValveRun got = sizeValve("ValveFlowMetric", metric, true);

    // The same sizing by way of the conversions and the imperial sizing.
    ValveInputs imperial = metric;
    std::optional<ArithmeticError::Kind> error;
    for (auto [value, key] : {std::pair{&imperial.airPressure, "bar"}, {&imperial.pressureDrop, "bar"},
                              {&imperial.strokeLength, "mm"}, {&imperial.bore, "mm"},
                              {&imperial.roomTemperature, "c"}}) {
        if (!error)
            error = convert(*value, key);
    }
    std::vector<double> results(3, unwritten);
    std::size_t warnings = 0;
    ValveInputs after = imperial;
    if (!error) {
        const ValveRun viaImperial = sizeValve("ValveFlowImperial", imperial, false);
        error = viaImperial.error;
        after = viaImperial.after;
        results = viaImperial.results;
        warnings = viaImperial.warnings;
        const char *keys[] = {"cv", "cinch", "scfm"};
        for (std::size_t i : {1, 2, 0}) {
            if (!error)
                error = convert(results[i], keys[i]);
        }
    }

    FUZZ_CHECK(got.error == error, "ValveFlowMetric %s, the imperial sizing through the conversions %s",
               got.error ? "failed" : "returned", error ? "failed" : "returned");
    FUZZ_CHECK(got.warnings == warnings, "ValveFlowMetric showed %zu warnings, the imperial sizing %zu",
               got.warnings, warnings);
    const double gotInputs[] = {got.after.airPressure, got.after.strokeLength, got.after.strokeTime,
                                got.after.bore, got.after.roomTemperature, got.after.pressureDrop};
    const double wantInputs[] = {after.airPressure, after.strokeLength, after.strokeTime,
                                 after.bore, after.roomTemperature, after.pressureDrop};
    for (std::size_t i = 0; i < std::size(gotInputs); ++i)
        FUZZ_CHECK(sameBits(gotInputs[i], wantInputs[i]), "ValveFlowMetric left input %zu = %s, expected %s", i,
                   FuzzCheck::exact(gotInputs[i]).c_str(), FuzzCheck::exact(wantInputs[i]).c_str());
    if (!error) {
        for (std::size_t i = 0; i < results.size(); ++i)
            FUZZ_CHECK(sameBits(got.results[i], results[i]), "ValveFlowMetric result %zu = %s, expected %s", i,
                       FuzzCheck::exact(got.results[i]).c_str(), FuzzCheck::exact(results[i]).c_str());
    }
}

void airConsumption(FuzzedDataProvider &input)
{
    const double airPressure = nextDouble(input);
    const double strokeLength = nextDouble(input);
    const double bore = nextDouble(input);
    const double cycleRate = nextDouble(input);
    const auto cylinders = input.ConsumeIntegral<std::int16_t>();

    Outputs got({"the consumption"});
    const auto gotError = run("AirConsumptionMetric", got, [&] {
        return Calculator::AirConsumptionMetric(airPressure, strokeLength, bore, cycleRate, cylinders, got[0]);
    });
    FUZZ_CHECK(messages.empty(), "AirConsumptionMetric showed \"%s\"", messages.front().prompt.c_str());

    // The same by way of the conversions and the imperial computation.
    double psi = airPressure, inches = strokeLength, boreInches = bore;
    std::optional<ArithmeticError::Kind> error;
    for (auto [value, key] : {std::pair{&psi, "bar"}, {&inches, "mm"}, {&boreInches, "mm"}}) {
        if (!error)
            error = convert(*value, key);
    }
    Outputs imperial({"the consumption"});
    if (!error) {
        error = run("AirConsumptionImperial", imperial, [&] {
            return Calculator::AirConsumptionImperial(psi, inches, boreInches, cycleRate, cylinders, imperial[0]);
        });
        FUZZ_CHECK(messages.empty(), "AirConsumptionImperial showed \"%s\"", messages.front().prompt.c_str());
        FUZZ_CHECK(error || cycleRate != 0.0 || imperial[0] == 0.0, "AirConsumptionImperial at cycle rate 0 gave %s",
                   FuzzCheck::exact(imperial[0]).c_str());
    }
    if (!error)
        error = convert(imperial[0], "scfm");

    FUZZ_CHECK(gotError == error, "AirConsumptionMetric %s, the imperial computation through the conversions %s",
               gotError ? "failed" : "returned", error ? "failed" : "returned");
    if (!error)
        FUZZ_CHECK(sameBits(got[0], imperial[0]), "AirConsumptionMetric gave %s, expected %s",
                   FuzzCheck::exact(got[0]).c_str(), FuzzCheck::exact(imperial[0]).c_str());
}

void cylinderForce(double bore, double rod, double pressure, bool metric)
{
    Outputs out({"the push force", "the pull force"});
    run(metric ? "CylinderForceMetric" : "CylinderForceImperial", out, [&] {
        return metric ? Calculator::CylinderForceMetric(bore, rod, pressure, out[0], out[1])
                      : Calculator::CylinderForceImperial(bore, rod, pressure, out[0], out[1]);
    });
}

void areaRequired(double force, double pressure, double safetyFactor, bool metric)
{
    Outputs out({"the area"});
    run(metric ? "AreaRequiredMetric" : "AreaRequiredImperial", out, [&] {
        return metric ? Calculator::AreaRequiredMetric(force, pressure, safetyFactor, out[0])
                      : Calculator::AreaRequiredImperial(force, pressure, safetyFactor, out[0]);
    });
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

    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange(0, 15)) {
    case 0:
        convertUnits(input);
        break;
    case 1:
        returning("CircleArea", &Calculator::CircleArea, nextDouble(input));
        break;
    case 2:
        returning("DiameterFromArea", &Calculator::DiameterFromArea, nextDouble(input));
        break;
    case 3: {
        const double numerator = nextDouble(input);
        returning("SafeDivide", &Calculator::SafeDivide, numerator, nextDouble(input));
        break;
    }
    case 4:
    case 5: {
        const double bore = nextDouble(input);
        const double rod = nextDouble(input);
        const double pressure = nextDouble(input);
        cylinderForce(bore, rod, pressure, input.ConsumeBool());
        break;
    }
    case 6:
    case 7: {
        const double force = nextDouble(input);
        const double pressure = nextDouble(input);
        const double safetyFactor = nextDouble(input);
        areaRequired(force, pressure, safetyFactor, input.ConsumeBool());
        break;
    }
    case 8: {
        const double area = nextDouble(input);
        Outputs out({"the bore"});
        run("MinimumBore", out, [&] { return Calculator::MinimumBore(area, out[0]); });
        break;
    }
    case 9: {
        const double temperature = nextDouble(input);
        returning("TemperatureCorrect", &Calculator::TemperatureCorrect, temperature, nextDouble(input));
        break;
    }
    case 10: {
        const double length = nextDouble(input);
        const double diameter = nextDouble(input);
        const double factor = nextDouble(input);
        returning("CylinderVolume", &Calculator::CylinderVolume, length, diameter, factor, input.ConsumeBool());
        break;
    }
    case 11: {
        const double drop = nextDouble(input);
        const double downstream = nextDouble(input);
        returning("FlowCoefficient", &Calculator::FlowCoefficient, drop, downstream, nextDouble(input));
        break;
    }
    case 12: {
        const double bore = nextDouble(input);
        const double length = nextDouble(input);
        const double pressure = nextDouble(input);
        returning("CylinderFlowScfm", &Calculator::CylinderFlowScfm, bore, length, pressure, nextDouble(input));
        break;
    }
    case 15:
        airConsumption(input);
        break;
    default: {
        // Imperial inputs on their own, then the metric sizing against it.
        if (input.ConsumeBool()) {
            sizeValve("ValveFlowImperial", nextValveInputs(input), false);
        } else {
            valveFlow(input);
        }
        break;
    }
    }
    return 0;
}
