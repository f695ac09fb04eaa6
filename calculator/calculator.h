// SPDX-License-Identifier: MIT
#pragma once

// The engineering calculations: unit conversion, cylinder force and bore, valve
// flow. Stateless functions on doubles; no window toolkit. Every arithmetic step
// is checked: a step whose result is infinite or NaN, that divides by an exact
// zero outside the guarded divisions, or that takes the square root of a
// negative number throws ArithmeticError, and outputs not yet written keep
// their old values. The Boolean results are always true when a function
// returns.

#include <cstdint>
#include <string_view>

#include "calculator/arithmeticError.h"
#include "calculator/message.h"

namespace Calculator {

// Converts value from the unit named by unitKey to the matching unit of the
// other system, with the program's own rounded factors ("inch", "mm", "psi",
// "bar", "newtons", "pounds", "sqinch", "sqmm", "f", "c", "scfm", "cmps",
// "cinch", "cmm", "cv", "kv"). Keys compare exactly (case-sensitive, no
// trimming). An unknown key shows "unknown unit type: <key>" and gives 0.
double ConvertUnits(double value, std::string_view unitKey);

// (diameter / 2)^2 x 3.14159265358979.
double CircleArea(double diameter);
// s = sqrt(area / 3.14159265358979); gives s + s. A negative area is invalid.
double DiameterFromArea(double area);
// numerator / divisor, or 0 without dividing when the divisor is 0.
double SafeDivide(double numerator, double divisor);

// Push and pull force of a cylinder: inches, psi, pounds.
bool CylinderForceImperial(double bore, double rod, double pressure, double& push, double& pull);
// Push and pull force of a cylinder: mm, bar, newtons.
bool CylinderForceMetric(double bore, double rod, double pressure, double& push, double& pull);
// Required piston area in square inches from pounds and psi, times the safety
// factor (a safety factor of exactly 0 means no margin).
bool AreaRequiredImperial(double force, double pressure, double safetyFactor, double& area);
// Required piston area in square mm from newtons and bar, times the safety
// factor (a safety factor of exactly 0 means no margin).
bool AreaRequiredMetric(double force, double pressure, double safetyFactor, double& area);
// Smallest bore for a piston area, in either unit system.
bool MinimumBore(double area, double& bore);

// ((temperature + 460) / 528) x value, temperature in degrees F.
double TemperatureCorrect(double temperature, double value);
// Cylindrical: (diameter / 2)^2 x (length x 3.14159265358979), factor unused;
// otherwise length x diameter x factor.
double CylinderVolume(double length, double diameter, double factor, bool cylindrical);
// Cv from pressure drop and downstream pressure (psi) and flow (SCFM);
// 0 for a pressure drop of 0.
double FlowCoefficient(double pressureDrop, double downstreamPressure, double flow);
// Free-air flow in SCFM of one cylinder stroke; 0 for a stroke time of 0.
double CylinderFlowScfm(double bore, double strokeLength, double pressure, double strokeTime);

// The whole valve sizing in imperial units (psi, inches, seconds, degrees F).
// Writes airPressure and pressureDrop back temperature-corrected, then volume
// (cubic inches), flow (SCFM) and coefficient (Cv). Shows the 53 % warning
// when 0.53 x corrected air pressure exceeds the downstream pressure, then
// carries on.
bool ValveFlowImperial(double& airPressure, double& strokeLength, double& strokeTime, double& bore,
                       double& roomTemperature, std::int16_t& cylinders, double& pressureDrop,
                       double& volume, double& flow, double& coefficient);
// The same in metric units (bar, mm, seconds, degrees C; results in cubic mm,
// L/min and Kv). The inputs are converted in place and left in imperial units
// (air pressure and pressure drop also temperature-corrected).
void ValveFlowMetric(double& airPressure, double& strokeLength, double& strokeTime, double& bore,
                     double& roomTemperature, std::int16_t& cylinders, double& pressureDrop,
                     double& volume, double& flow, double& coefficient);

}  // namespace Calculator
