// SPDX-License-Identifier: MIT
#include "calculator/calculator.h"

#include <cmath>
#include <string>

#include "calculator/checkedSteps.h"

namespace Calculator {

namespace {

using detail::Checked;
using detail::Divide;
using detail::SquareRoot;
using detail::kAtmosphere;
using detail::kCircle;
using detail::kCvFactor;
using detail::kStrokeFlowFactor;
using detail::kValidShareOfSupply;

// Degrees Fahrenheit plus this are degrees Rankine (absolute).
constexpr double kRankineOffset = 460.0;
// The reference temperature of the flow formulas, 68 degrees F, in degrees
// Rankine: at this temperature the correction factor is exactly 1.
constexpr double kReferenceRankine = 528.0;
static_assert(kReferenceRankine == 68.0 + kRankineOffset);

constexpr double kCubicInchesPerCubicFoot = 1728.0;

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

double CircleArea(double diameter)
{
    const double half = Divide(diameter, 2.0);
    const double squared = Checked(half * half);
    return Checked(squared * kCircle);
}

double DiameterFromArea(double area)
{
    const double radius = SquareRoot(Divide(area, kCircle));
    return Checked(radius + radius);
}

double SafeDivide(double numerator, double divisor)
{
    if (divisor == 0.0)
        return 0.0;
    return Divide(numerator, divisor);
}

bool CylinderForceImperial(double bore, double rod, double pressure, double& push, double& pull)
{
    // The push force is stored before the pull force is started.
    push = Checked(CircleArea(bore) * pressure);
    const double rodArea = CircleArea(rod);
    const double boreArea = CircleArea(bore);
    const double annulus = Checked(boreArea - rodArea);
    pull = Checked(annulus * pressure);
    return true;
}

bool CylinderForceMetric(double bore, double rod, double pressure, double& push, double& pull)
{
    // One bar on one square millimetre exerts 0.1 newton; the 0.1 is applied to
    // the area before the pressure.
    const double pushArea = Checked(CircleArea(bore) * 0.1);
    push = Checked(pushArea * pressure);
    const double rodArea = CircleArea(rod);
    const double boreArea = CircleArea(bore);
    const double annulus = Checked(boreArea - rodArea);
    const double pullArea = Checked(annulus * 0.1);
    pull = Checked(pullArea * pressure);
    return true;
}

namespace {

// The safety-factor field starts at "0", which means no margin.
double Margin(double safetyFactor)
{
    return safetyFactor == 0.0 ? 1.0 : safetyFactor;
}

}  // namespace

bool AreaRequiredImperial(double force, double pressure, double safetyFactor, double& area)
{
    const double bare = SafeDivide(force, pressure);
    area = Checked(bare * Margin(safetyFactor));
    return true;
}

bool AreaRequiredMetric(double force, double pressure, double safetyFactor, double& area)
{
    // newtons / bar gives tenths of a square millimetre.
    const double bare = Checked(SafeDivide(force, pressure) * 10.0);
    area = Checked(bare * Margin(safetyFactor));
    return true;
}

bool MinimumBore(double area, double& bore)
{
    bore = DiameterFromArea(area);
    return true;
}

double AbsolutePressure(double gaugePressure)
{
    return Checked(gaugePressure + kAtmosphere);
}

double TemperatureCorrect(double temperature, double value)
{
    const double absoluteTemperature = Checked(temperature + kRankineOffset);
    const double correction = Divide(absoluteTemperature, kReferenceRankine);
    return Checked(correction * value);
}

double CylinderVolume(double length, double diameter, double factor, bool cylindrical)
{
    if (cylindrical) {
        const double lengthTimesCircle = Checked(length * kCircle);
        const double radius = Divide(diameter, 2.0);
        const double radiusSquared = Checked(radius * radius);
        return Checked(radiusSquared * lengthTimesCircle);
    }
    const double lengthTimesDiameter = Checked(length * diameter);
    return Checked(lengthTimesDiameter * factor);
}

double FlowCoefficient(double pressureDrop, double downstreamPressure, double flow)
{
    if (pressureDrop == 0.0)
        return 0.0;
    const double scaledFlow = Checked(flow * kCvFactor);
    const double absoluteDownstream = Checked(downstreamPressure + kAtmosphere);
    const double underRoot = Checked(absoluteDownstream * pressureDrop);
    const double root = SquareRoot(std::fabs(underRoot));
    return Divide(scaledFlow, root);
}

double CylinderFlowScfm(double bore, double strokeLength, double pressure, double strokeTime)
{
    if (strokeTime == 0.0)
        return 0.0;
    // sweptFlow: the swept volume in cubic feet per minute at one stroke a
    // second; times the absolute pressure over the atmosphere it is free air,
    // divided by the stroke time it is the stroke's own rate.
    const double boreSquared = Checked(bore * bore);
    const double perInchOfStroke = Checked(boreSquared * kStrokeFlowFactor);
    const double sweptFlow = Checked(perInchOfStroke * strokeLength);
    const double absolutePressure = Checked(pressure + kAtmosphere);
    const double sweptFlowTimesAbsolute = Checked(sweptFlow * absolutePressure);
    const double strokeTimeTimesAtmosphere = Checked(strokeTime * kAtmosphere);
    return Divide(sweptFlowTimesAbsolute, strokeTimeTimesAtmosphere);
}

bool ValveFlowImperial(double& airPressure, double& strokeLength, double& strokeTime, double& bore,
                       double& roomTemperature, std::int16_t& cylinders, double& pressureDrop,
                       double& volume, double& flow, double& coefficient)
{
    airPressure = TemperatureCorrect(roomTemperature, airPressure);
    pressureDrop = TemperatureCorrect(roomTemperature, pressureDrop);
    const double downstream = Checked(airPressure - pressureDrop);

    // Compares the downstream pressure, whatever the prompt's wording; equality
    // shows nothing.
    const double lowestValidDownstream = Checked(kValidShareOfSupply * airPressure);
    if (lowestValidDownstream > downstream) {
        detail::ShowMessage({CALCULATOR_TRANSLATE_NOOP("Calculator",
                                                       "These calculations are only valid when the pressure "
                                                       "drop is at least 53% of the initial air pressure"),
                             CALCULATOR_TRANSLATE_NOOP("Calculator", "Warning"), MessageIcon::Exclamation});
    }

    const double count = static_cast<double>(cylinders);
    const double flowPerCylinder = CylinderFlowScfm(bore, strokeLength, downstream, strokeTime);
    coefficient = Checked(FlowCoefficient(pressureDrop, downstream, flowPerCylinder) * count);
    volume = Checked(CylinderVolume(strokeLength, bore, 0.0, true) * count);
    flow = Checked(count * flowPerCylinder);
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

bool AirConsumptionImperial(double airPressure, double strokeLength, double bore, double cycleRate,
                            std::int16_t cylinders, double& consumption)
{
    const double swept = CylinderVolume(strokeLength, bore, 0.0, true);
    const double absolutePressure = Checked(airPressure + kAtmosphere);
    const double compressionRatio = Divide(absolutePressure, kAtmosphere);
    const double sweptPerCycle = Checked(swept * 2.0);
    const double freeAirPerCycle = Checked(sweptPerCycle * compressionRatio);
    const double cubicInchesPerMinute = Checked(freeAirPerCycle * cycleRate);
    const double cubicFeetPerMinute = Divide(cubicInchesPerMinute, kCubicInchesPerCubicFoot);
    consumption = Checked(cubicFeetPerMinute * static_cast<double>(cylinders));
    return true;
}

bool AirConsumptionMetric(double airPressure, double strokeLength, double bore, double cycleRate,
                          std::int16_t cylinders, double& consumption)
{
    const double airPressurePsi = ConvertUnits(airPressure, "bar");
    const double strokeLengthInches = ConvertUnits(strokeLength, "mm");
    const double boreInches = ConvertUnits(bore, "mm");
    double scfm = 0.0;
    AirConsumptionImperial(airPressurePsi, strokeLengthInches, boreInches, cycleRate, cylinders, scfm);
    consumption = ConvertUnits(scfm, "scfm");
    return true;
}

}  // namespace Calculator
