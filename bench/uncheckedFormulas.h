// SPDX-License-Identifier: MIT
#pragma once

// The formulas of calculator/calculator.h written again without any overflow,
// division or square-root check: the same operations in the same order, the
// same guarded divisions and the same key comparisons, so the difference to
// the real ones is the cost of the checks alone. Only the benchmarks use
// these; the program must never (a result may be infinite or NaN here).

#include <cstdint>
#include <string_view>

namespace Unchecked {

double ConvertUnits(double value, std::string_view unitKey);
double CircleArea(double diameter);
double DiameterFromArea(double area);
double SafeDivide(double numerator, double divisor);
bool CylinderForceImperial(double bore, double rod, double pressure, double &push, double &pull);
bool CylinderForceMetric(double bore, double rod, double pressure, double &push, double &pull);
bool AreaRequiredImperial(double force, double pressure, double safetyFactor, double &area);
bool AreaRequiredMetric(double force, double pressure, double safetyFactor, double &area);
bool MinimumBore(double area, double &bore);
double TemperatureCorrect(double temperature, double value);
double CylinderVolume(double length, double diameter, double factor, bool cylindrical);
double FlowCoefficient(double pressureDrop, double downstreamPressure, double flow);
double CylinderFlowScfm(double bore, double strokeLength, double pressure, double strokeTime);
bool ValveFlowImperial(double &airPressure, double &strokeLength, double &strokeTime, double &bore,
                       double &roomTemperature, std::int16_t &cylinders, double &pressureDrop,
                       double &volume, double &flow, double &coefficient);
void ValveFlowMetric(double &airPressure, double &strokeLength, double &strokeTime, double &bore,
                     double &roomTemperature, std::int16_t &cylinders, double &pressureDrop,
                     double &volume, double &flow, double &coefficient);

} // namespace Unchecked
