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

// Circle constant: pi is taken as 3.14159265358979 throughout, not the
// full-precision double.

// A = (d / 2)^2 x pi
double CircleArea(double diameter);
// d = r + r,  r = sqrt(A / pi).  A negative area is an invalid operation.
double DiameterFromArea(double area);
// numerator / divisor, or 0 without dividing when the divisor is 0.
double SafeDivide(double numerator, double divisor);

// Push F = A(bore) x P,  pull F = (A(bore) - A(rod)) x P.
// Inches, psi, pounds.
bool CylinderForceImperial(double bore, double rod, double pressure, double& push, double& pull);
// Push F = A(bore) x 0.1 x P,  pull F = (A(bore) - A(rod)) x 0.1 x P
// (1 bar on 1 mm^2 is 0.1 N). Millimetres, bar, newtons.
bool CylinderForceMetric(double bore, double rod, double pressure, double& push, double& pull);
// A = (F / P) x SF, with F / P = 0 when P = 0.  Pounds, psi, square inches.
// A safety factor of exactly 0 means no margin (SF = 1).
bool AreaRequiredImperial(double force, double pressure, double safetyFactor, double& area);
// A = ((F / P) x 10) x SF, with F / P = 0 when P = 0.  Newtons, bar, square
// millimetres. A safety factor of exactly 0 means no margin (SF = 1).
bool AreaRequiredMetric(double force, double pressure, double safetyFactor, double& area);
// Smallest bore for a piston area, in either unit system: d = 2 x sqrt(A / pi),
// formed as DiameterFromArea does.
bool MinimumBore(double area, double& bore);

// The absolute pressure of a gauge pressure, in psi: P + 14.7.
double AbsolutePressure(double gaugePressure);
// Gas-law temperature correction to the 68 F (528 R) reference:
// x' = ((T + 460) / 528) x x,  T in degrees F.
double TemperatureCorrect(double temperature, double value);
// Cylindrical:  V = (d / 2)^2 x (L x pi), the bracket formed first; factor unused.
// Otherwise:    V = L x d x factor.
double CylinderVolume(double length, double diameter, double factor, bool cylindrical);
// Cv = (Q x 1.024) / sqrt|(P2 + 14.7) x dP|,  Cv = 0 when dP = 0.
// dP pressure drop and P2 downstream pressure in psi, Q in SCFM.
double FlowCoefficient(double pressureDrop, double downstreamPressure, double flow);
// Free air drawn by one cylinder stroke, in SCFM:
// Q = (d^2 x 0.0273 x L x (P + 14.7)) / (t x 14.7),  Q = 0 when t = 0.
// d bore and L stroke length in inches, P gauge psi, t stroke time in seconds.
double CylinderFlowScfm(double bore, double strokeLength, double pressure, double strokeTime);

// The whole valve sizing in imperial units (psi, inches, seconds, degrees F):
//   P1 = TemperatureCorrect(T, P),   dP' = TemperatureCorrect(T, dP)
//   P2 = P1 - dP'                     (downstream pressure)
//   Q  = CylinderFlowScfm(d, L, P2, t)
//   Cv = FlowCoefficient(dP', P2, Q) x n
//   V  = CylinderVolume(L, d, 0, cylindrical) x n   (cubic inches)
//   flow = n x Q                      (SCFM)
// written in that order, with P1 and dP' written back into airPressure and
// pressureDrop first. Shows the 53 % warning when 0.53 x P1 > P2, then
// carries on.
bool ValveFlowImperial(double& airPressure, double& strokeLength, double& strokeTime, double& bore,
                       double& roomTemperature, std::int16_t& cylinders, double& pressureDrop,
                       double& volume, double& flow, double& coefficient);
// The same in metric units (bar, mm, seconds, degrees C; results in cubic mm,
// L/min and Kv): the inputs converted with ConvertUnits ("bar", "mm", "c"),
// the imperial sizing, the results converted ("cinch", "scfm", "cv"). The
// inputs are converted in place and left in imperial units (air pressure and
// pressure drop also temperature-corrected).
void ValveFlowMetric(double& airPressure, double& strokeLength, double& strokeTime, double& bore,
                     double& roomTemperature, std::int16_t& cylinders, double& pressureDrop,
                     double& volume, double& flow, double& coefficient);

// Air a group of cylinders consumes, in SCFM. Each cylinder fills to the
// supply pressure at the end of every stroke, so P is the gauge pressure as
// typed: not temperature-corrected, not reduced by a pressure drop.
//   V  = CylinderVolume(L, d, 0, cylindrical)   swept volume of one stroke
//   r  = (P + 14.7) / 14.7                       compression ratio
//   Vc = (V x 2) x r                             free air of one cycle, out and back
//   Q  = ((Vc x N) / 1728) x n                   cubic inches a minute to cubic feet
// Inches, psi, cycles per minute (N); n is the cylinder count as the valve
// sizing takes it. A cycle rate of 0 gives 0. consumption is written last,
// so a step that fails leaves it as it was.
bool AirConsumptionImperial(double airPressure, double strokeLength, double bore, double cycleRate,
                            std::int16_t cylinders, double& consumption);
// The same in metric units: the air pressure (bar), stroke length and bore
// (mm) converted with ConvertUnits ("bar", "mm"), the imperial computation,
// its result converted by "scfm" to litres per minute. The cycle rate and the
// count are not converted.
bool AirConsumptionMetric(double airPressure, double strokeLength, double bore, double cycleRate,
                          std::int16_t cylinders, double& consumption);

}  // namespace Calculator
