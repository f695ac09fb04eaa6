// SPDX-License-Identifier: MIT
#include "calculator/calculator.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

// Every result must match the worked values to the last bit: each operation is
// rounded to a 64-bit double as it is written, with no wider intermediates.
static_assert(std::numeric_limits<double>::is_iec559, "IEEE 754 doubles required");
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "intermediates must be evaluated in double precision (FLT_EVAL_METHOD 0)"
#endif

namespace Calculator {

namespace {

using Kind = ArithmeticError::Kind;

// The circle constant is the 15-digit literal, not full-precision pi.
constexpr double kCircle = 3.14159265358979;

[[noreturn, gnu::cold, gnu::noinline]] void Raise(Kind kind)
{
    throw ArithmeticError(kind);
}

// Applied to the result of every arithmetic step; a plain compare on the hot
// path, the throw lives out of line.
inline double Checked(double x)
{
    if (!std::isfinite(x)) [[unlikely]]
        Raise(Kind::Overflow);
    return x;
}

inline double Divide(double numerator, double divisor)
{
    if (divisor == 0.0) [[unlikely]]
        Raise(Kind::DivisionByZero);
    return Checked(numerator / divisor);
}

inline double SquareRoot(double x)
{
    if (x < 0.0) [[unlikely]]
        Raise(Kind::InvalidOperation);
    return Checked(std::sqrt(x));
}

// The formulas below are each written once over the arithmetic they use and
// run in two passes. The first does plain IEEE arithmetic and checks only the
// result. A step that fails (an infinite or NaN result, a division by zero,
// the square root of a negative number) gives an infinity or a NaN, and every
// operation these formulas apply to it keeps it one (+, -, *, sqrt, fabs, a
// division of it); the one that would not, a division by a computed value
// that has become infinite, is made to give a NaN (DivideByResult). So a
// finite result means no step failed, and it is the value the checked steps
// give, operation for operation. Otherwise the second pass does the same
// arithmetic with every step checked, which throws the error of the first
// step that fails, writing what the checked steps would have written before.
struct CheckedSteps {
    static double Step(double x) { return Checked(x); }
    static double Divide(double numerator, double divisor) { return Calculator::Divide(numerator, divisor); }
    static double DivideByResult(double numerator, double divisor) { return Divide(numerator, divisor); }
    static double Root(double x) { return SquareRoot(x); }
};

struct PlainSteps {
    static double Step(double x) { return x; }
    static double Divide(double numerator, double divisor) { return numerator / divisor; }
    // divisor - divisor is +0 for a finite divisor, which subtracting leaves
    // the quotient exactly as it is (-0 included), and a NaN otherwise.
    static double DivideByResult(double numerator, double divisor)
    {
        return numerator / divisor - (divisor - divisor);
    }
    static double Root(double x) { return std::sqrt(x); }
};

inline bool Finite(double x)
{
    return std::isfinite(x);
}

}  // namespace

double ConvertUnits(double value, std::string_view unitKey)
{
    // The program's own rounded factors; several differ from the published
    // ones on purpose. Bracketed constant quotients are formed first.
    if (unitKey == "inch")
        return Checked(value * 25.4);
    if (unitKey == "mm")
        return Checked(value * 0.0394);
    if (unitKey == "psi")
        return Divide(value, 14.5);
    if (unitKey == "bar")
        return Checked(value * 14.5);
    if (unitKey == "newtons") {
        const double factor = Divide(2.0, 9.0);
        return Checked(factor * value);
    }
    if (unitKey == "pounds") {
        const double factor = Divide(9.0, 2.0);
        return Checked(factor * value);
    }
    if (unitKey == "sqinch")
        return Checked(value * 645.16);
    if (unitKey == "sqmm")
        return Checked(value * 0.00155);
    if (unitKey == "f") {
        const double offset = Checked(value - 32.0);
        const double factor = Divide(5.0, 9.0);
        return Checked(offset * factor);
    }
    if (unitKey == "c") {
        const double factor = Divide(9.0, 5.0);
        const double scaled = Checked(factor * value);
        return Checked(scaled + 32.0);
    }
    if (unitKey == "scfm")
        return Checked(value * 28.31685);
    if (unitKey == "cmps")
        return Checked(value * 0.03531467);
    if (unitKey == "cinch")
        return Checked(value * 16387.0);
    if (unitKey == "cmm")
        return Checked(value * 0.000061);
    if (unitKey == "cv")
        return Checked(value * 0.869);
    if (unitKey == "kv")
        return Divide(value, 0.869);

    std::string prompt = "unknown unit type: ";
    prompt.append(unitKey);
    detail::ShowMessage({prompt, {}, MessageIcon::None});
    return 0.0;
}

namespace {

template <class A>
double CircleAreaWith(double diameter)
{
    const double half = A::Divide(diameter, 2.0);
    const double squared = A::Step(half * half);
    return A::Step(squared * kCircle);
}

template <class A>
double DiameterFromAreaWith(double area)
{
    const double s = A::Root(A::Divide(area, kCircle));
    return A::Step(s + s);
}

template <class A>
double SafeDivideWith(double numerator, double divisor)
{
    if (divisor == 0.0)
        return 0.0;
    return A::Divide(numerator, divisor);
}

template <class A>
void CylinderForceImperialWith(double bore, double rod, double pressure, double& push, double& pull)
{
    // The push force is stored before the pull force is started.
    push = A::Step(CircleAreaWith<A>(bore) * pressure);
    const double rodArea = CircleAreaWith<A>(rod);
    const double boreArea = CircleAreaWith<A>(bore);
    const double annulus = A::Step(boreArea - rodArea);
    pull = A::Step(annulus * pressure);
}

template <class A>
void CylinderForceMetricWith(double bore, double rod, double pressure, double& push, double& pull)
{
    // One bar on one square millimetre exerts 0.1 newton; the 0.1 is applied to
    // the area before the pressure.
    const double pushArea = A::Step(CircleAreaWith<A>(bore) * 0.1);
    push = A::Step(pushArea * pressure);
    const double rodArea = CircleAreaWith<A>(rod);
    const double boreArea = CircleAreaWith<A>(bore);
    const double annulus = A::Step(boreArea - rodArea);
    const double pullArea = A::Step(annulus * 0.1);
    pull = A::Step(pullArea * pressure);
}

// The safety-factor field starts at "0", which means no margin.
inline double Margin(double safetyFactor)
{
    return safetyFactor == 0.0 ? 1.0 : safetyFactor;
}

template <class A>
double AreaRequiredImperialWith(double force, double pressure, double safetyFactor)
{
    const double bare = SafeDivideWith<A>(force, pressure);
    return A::Step(bare * Margin(safetyFactor));
}

template <class A>
double AreaRequiredMetricWith(double force, double pressure, double safetyFactor)
{
    // newtons / bar gives tenths of a square millimetre.
    const double bare = A::Step(SafeDivideWith<A>(force, pressure) * 10.0);
    return A::Step(bare * Margin(safetyFactor));
}

template <class A>
double TemperatureCorrectWith(double temperature, double value)
{
    const double absolute = A::Step(temperature + 460.0);
    const double factor = A::Divide(absolute, 528.0);
    return A::Step(factor * value);
}

template <class A>
double CylinderVolumeWith(double length, double diameter, double factor, bool cylindrical)
{
    if (cylindrical) {
        const double lengthTimesCircle = A::Step(length * kCircle);
        const double half = A::Divide(diameter, 2.0);
        const double squared = A::Step(half * half);
        return A::Step(squared * lengthTimesCircle);
    }
    const double face = A::Step(length * diameter);
    return A::Step(face * factor);
}

template <class A>
double FlowCoefficientWith(double pressureDrop, double downstreamPressure, double flow)
{
    if (pressureDrop == 0.0)
        return 0.0;
    const double scaled = A::Step(flow * 1.024);
    const double absolute = A::Step(downstreamPressure + 14.7);
    const double product = A::Step(absolute * pressureDrop);
    const double root = A::Root(std::fabs(product));
    return A::DivideByResult(scaled, root);
}

template <class A>
double CylinderFlowScfmWith(double bore, double strokeLength, double pressure, double strokeTime)
{
    if (strokeTime == 0.0)
        return 0.0;
    const double squared = A::Step(bore * bore);
    const double t1 = A::Step(squared * 0.0273);
    const double t2 = A::Step(t1 * strokeLength);
    const double absolute = A::Step(pressure + 14.7);
    const double numerator = A::Step(t2 * absolute);
    const double denominator = A::Step(strokeTime * 14.7);
    return A::DivideByResult(numerator, denominator);
}

// The two passes of a formula with one result. The checked pass is kept out
// of line: it runs only on the way to an error.
template <class Formula>
[[gnu::noinline, gnu::cold]] double Recheck(Formula formula)
{
    return formula.template operator()<CheckedSteps>();
}

template <class Formula>
[[gnu::always_inline]] inline double PlainFirst(Formula formula)
{
    const double result = formula.template operator()<PlainSteps>();
    if (Finite(result)) [[likely]]
        return result;
    return Recheck(formula);
}

// The parts of the valve sizing, inline in it as well as on their own.
[[gnu::always_inline]] inline double TemperatureCorrected(double temperature, double value)
{
    return PlainFirst([=]<class A>() { return TemperatureCorrectWith<A>(temperature, value); });
}

[[gnu::always_inline]] inline double Volume(double length, double diameter, double factor, bool cylindrical)
{
    return PlainFirst([=]<class A>() { return CylinderVolumeWith<A>(length, diameter, factor, cylindrical); });
}

[[gnu::always_inline]] inline double Coefficient(double pressureDrop, double downstreamPressure, double flow)
{
    return PlainFirst([=]<class A>() { return FlowCoefficientWith<A>(pressureDrop, downstreamPressure, flow); });
}

[[gnu::always_inline]] inline double StrokeFlow(double bore, double strokeLength, double pressure, double strokeTime)
{
    return PlainFirst([=]<class A>() { return CylinderFlowScfmWith<A>(bore, strokeLength, pressure, strokeTime); });
}

}  // namespace

double CircleArea(double diameter)
{
    return PlainFirst([=]<class A>() { return CircleAreaWith<A>(diameter); });
}

double DiameterFromArea(double area)
{
    return PlainFirst([=]<class A>() { return DiameterFromAreaWith<A>(area); });
}

double SafeDivide(double numerator, double divisor)
{
    return SafeDivideWith<CheckedSteps>(numerator, divisor);
}

bool CylinderForceImperial(double bore, double rod, double pressure, double& push, double& pull)
{
    double pushPlain = 0.0;
    double pullPlain = 0.0;
    CylinderForceImperialWith<PlainSteps>(bore, rod, pressure, pushPlain, pullPlain);
    if (Finite(pushPlain) && Finite(pullPlain)) [[likely]] {
        push = pushPlain;
        pull = pullPlain;
    } else {
        CylinderForceImperialWith<CheckedSteps>(bore, rod, pressure, push, pull);
    }
    return true;
}

bool CylinderForceMetric(double bore, double rod, double pressure, double& push, double& pull)
{
    double pushPlain = 0.0;
    double pullPlain = 0.0;
    CylinderForceMetricWith<PlainSteps>(bore, rod, pressure, pushPlain, pullPlain);
    if (Finite(pushPlain) && Finite(pullPlain)) [[likely]] {
        push = pushPlain;
        pull = pullPlain;
    } else {
        CylinderForceMetricWith<CheckedSteps>(bore, rod, pressure, push, pull);
    }
    return true;
}

bool AreaRequiredImperial(double force, double pressure, double safetyFactor, double& area)
{
    area = PlainFirst([=]<class A>() { return AreaRequiredImperialWith<A>(force, pressure, safetyFactor); });
    return true;
}

bool AreaRequiredMetric(double force, double pressure, double safetyFactor, double& area)
{
    area = PlainFirst([=]<class A>() { return AreaRequiredMetricWith<A>(force, pressure, safetyFactor); });
    return true;
}

bool MinimumBore(double area, double& bore)
{
    bore = DiameterFromArea(area);
    return true;
}

double TemperatureCorrect(double temperature, double value)
{
    return TemperatureCorrected(temperature, value);
}

double CylinderVolume(double length, double diameter, double factor, bool cylindrical)
{
    return Volume(length, diameter, factor, cylindrical);
}

double FlowCoefficient(double pressureDrop, double downstreamPressure, double flow)
{
    return Coefficient(pressureDrop, downstreamPressure, flow);
}

double CylinderFlowScfm(double bore, double strokeLength, double pressure, double strokeTime)
{
    return StrokeFlow(bore, strokeLength, pressure, strokeTime);
}

bool ValveFlowImperial(double& airPressure, double& strokeLength, double& strokeTime, double& bore,
                       double& roomTemperature, std::int16_t& cylinders, double& pressureDrop,
                       double& volume, double& flow, double& coefficient)
{
    airPressure = TemperatureCorrected(roomTemperature, airPressure);
    pressureDrop = TemperatureCorrected(roomTemperature, pressureDrop);
    const double downstream = Checked(airPressure - pressureDrop);

    // Compares the downstream pressure, whatever the prompt's wording; equality
    // shows nothing.
    const double limit = Checked(0.53 * airPressure);
    if (limit > downstream) {
        detail::ShowMessage({"These calculations are only valid when the pressure drop is at least "
                             "53% of the initial air pressure",
                             "Warning", MessageIcon::Exclamation});
    }

    const double count = static_cast<double>(cylinders);
    const double oneFlow = StrokeFlow(bore, strokeLength, downstream, strokeTime);
    coefficient = Checked(Coefficient(pressureDrop, downstream, oneFlow) * count);
    volume = Checked(Volume(strokeLength, bore, 0.0, true) * count);
    flow = Checked(count * oneFlow);
    return true;
}

void ValveFlowMetric(double& airPressure, double& strokeLength, double& strokeTime, double& bore,
                     double& roomTemperature, std::int16_t& cylinders, double& pressureDrop,
                     double& volume, double& flow, double& coefficient)
{
    airPressure = ConvertUnits(airPressure, "bar");
    pressureDrop = ConvertUnits(pressureDrop, "bar");
    strokeLength = ConvertUnits(strokeLength, "mm");
    bore = ConvertUnits(bore, "mm");
    roomTemperature = ConvertUnits(roomTemperature, "c");

    ValveFlowImperial(airPressure, strokeLength, strokeTime, bore, roomTemperature, cylinders,
                      pressureDrop, volume, flow, coefficient);

    volume = ConvertUnits(volume, "cinch");
    flow = ConvertUnits(flow, "scfm");
    coefficient = ConvertUnits(coefficient, "cv");
}

}  // namespace Calculator
