// SPDX-License-Identifier: MIT
#include "uncheckedFormulas.h"

#include <calculator/message.h>

#include <cmath>
#include <string>

namespace Unchecked {

namespace {

constexpr double kCircle = 3.14159265358979;

} // namespace

double ConvertUnits(double value, std::string_view unitKey)
{
    if (unitKey == "inch")
        return value * 25.4;
    if (unitKey == "mm")
        return value * 0.0394;
    if (unitKey == "psi")
        return value / 14.5;
    if (unitKey == "bar")
        return value * 14.5;
    if (unitKey == "newtons") {
        const double factor = 2.0 / 9.0;
        return factor * value;
    }
    if (unitKey == "pounds") {
        const double factor = 9.0 / 2.0;
        return factor * value;
    }
    if (unitKey == "sqinch")
        return value * 645.16;
    if (unitKey == "sqmm")
        return value * 0.00155;
    if (unitKey == "f") {
        const double offset = value - 32.0;
        const double factor = 5.0 / 9.0;
        return offset * factor;
    }
    if (unitKey == "c") {
        const double factor = 9.0 / 5.0;
        const double scaled = factor * value;
        return scaled + 32.0;
    }
    if (unitKey == "scfm")
        return value * 28.31685;
    if (unitKey == "cmps")
        return value * 0.03531467;
    if (unitKey == "cinch")
        return value * 16387.0;
    if (unitKey == "cmm")
        return value * 0.000061;
    if (unitKey == "cv")
        return value * 0.869;
    if (unitKey == "kv")
        return value / 0.869;

    std::string prompt = "unknown unit type: ";
    prompt.append(unitKey);
    Calculator::detail::ShowMessage({prompt, {}, Calculator::MessageIcon::None});
    return 0.0;
}

double CircleArea(double diameter)
{
    const double half = diameter / 2.0;
    const double squared = half * half;
    return squared * kCircle;
}

double DiameterFromArea(double area)
{
    const double s = std::sqrt(area / kCircle);
    return s + s;
}

double SafeDivide(double numerator, double divisor)
{
    if (divisor == 0.0)
        return 0.0;
    return numerator / divisor;
}

bool CylinderForceImperial(double bore, double rod, double pressure, double &push, double &pull)
{
    push = CircleArea(bore) * pressure;
    const double rodArea = CircleArea(rod);
    const double boreArea = CircleArea(bore);
    const double annulus = boreArea - rodArea;
    pull = annulus * pressure;
    return true;
}

bool CylinderForceMetric(double bore, double rod, double pressure, double &push, double &pull)
{
    const double pushArea = CircleArea(bore) * 0.1;
    push = pushArea * pressure;
    const double rodArea = CircleArea(rod);
    const double boreArea = CircleArea(bore);
    const double annulus = boreArea - rodArea;
    const double pullArea = annulus * 0.1;
    pull = pullArea * pressure;
    return true;
}

namespace {

inline double Margin(double safetyFactor)
{
    return safetyFactor == 0.0 ? 1.0 : safetyFactor;
}

} // namespace

bool AreaRequiredImperial(double force, double pressure, double safetyFactor, double &area)
{
    const double bare = SafeDivide(force, pressure);
    area = bare * Margin(safetyFactor);
    return true;
}

bool AreaRequiredMetric(double force, double pressure, double safetyFactor, double &area)
{
    const double bare = SafeDivide(force, pressure) * 10.0;
    area = bare * Margin(safetyFactor);
    return true;
}

bool MinimumBore(double area, double &bore)
{
    bore = DiameterFromArea(area);
    return true;
}

double TemperatureCorrect(double temperature, double value)
{
    const double absolute = temperature + 460.0;
    const double factor = absolute / 528.0;
    return factor * value;
}

double CylinderVolume(double length, double diameter, double factor, bool cylindrical)
{
    if (cylindrical) {
        const double lengthTimesCircle = length * kCircle;
        const double half = diameter / 2.0;
        const double squared = half * half;
        return squared * lengthTimesCircle;
    }
    const double face = length * diameter;
    return face * factor;
}

double FlowCoefficient(double pressureDrop, double downstreamPressure, double flow)
{
    if (pressureDrop == 0.0)
        return 0.0;
    const double scaled = flow * 1.024;
    const double absolute = downstreamPressure + 14.7;
    const double product = absolute * pressureDrop;
    const double root = std::sqrt(std::fabs(product));
    return scaled / root;
}

double CylinderFlowScfm(double bore, double strokeLength, double pressure, double strokeTime)
{
    if (strokeTime == 0.0)
        return 0.0;
    const double squared = bore * bore;
    const double t1 = squared * 0.0273;
    const double t2 = t1 * strokeLength;
    const double absolute = pressure + 14.7;
    const double numerator = t2 * absolute;
    const double denominator = strokeTime * 14.7;
    return numerator / denominator;
}

bool ValveFlowImperial(double &airPressure, double &strokeLength, double &strokeTime, double &bore,
                       double &roomTemperature, std::int16_t &cylinders, double &pressureDrop,
                       double &volume, double &flow, double &coefficient)
{
    airPressure = TemperatureCorrect(roomTemperature, airPressure);
    pressureDrop = TemperatureCorrect(roomTemperature, pressureDrop);
    const double downstream = airPressure - pressureDrop;

    const double limit = 0.53 * airPressure;
    if (limit > downstream) {
        Calculator::detail::ShowMessage({"These calculations are only valid when the pressure drop is at "
                                         "least 53% of the initial air pressure",
                                         "Warning", Calculator::MessageIcon::Exclamation});
    }

    const double count = static_cast<double>(cylinders);
    const double oneFlow = CylinderFlowScfm(bore, strokeLength, downstream, strokeTime);
    coefficient = FlowCoefficient(pressureDrop, downstream, oneFlow) * count;
    volume = CylinderVolume(strokeLength, bore, 0.0, true) * count;
    flow = count * oneFlow;
    return true;
}

void ValveFlowMetric(double &airPressure, double &strokeLength, double &strokeTime, double &bore,
                     double &roomTemperature, std::int16_t &cylinders, double &pressureDrop,
                     double &volume, double &flow, double &coefficient)
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

} // namespace Unchecked
