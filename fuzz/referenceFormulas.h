// SPDX-License-Identifier: MIT
#pragma once

// The library's functions written step by step with every step checked, the
// oracle the calculator fuzz target holds the library to. Same names, same
// arguments, same results, errors and messages as in calculator/calculator.h.

#include <cstdint>
#include <string_view>

#include "calculator/arithmetic_error.h"
#include "calculator/message.h"

namespace CalculatorReference {

double ConvertUnits(double value, std::string_view unitKey);
double CircleArea(double diameter);
double DiameterFromArea(double area);
double SafeDivide(double numerator, double divisor);
bool CylinderForceImperial(double bore, double rod, double pressure, double& push, double& pull);
bool CylinderForceMetric(double bore, double rod, double pressure, double& push, double& pull);
bool AreaRequiredImperial(double force, double pressure, double safetyFactor, double& area);
bool AreaRequiredMetric(double force, double pressure, double safetyFactor, double& area);
bool MinimumBore(double area, double& bore);
double TemperatureCorrect(double temperature, double value);
double CylinderVolume(double length, double diameter, double factor, bool cylindrical);
double FlowCoefficient(double pressureDrop, double downstreamPressure, double flow);
double CylinderFlowScfm(double bore, double strokeLength, double pressure, double strokeTime);
bool ValveFlowImperial(double& airPressure, double& strokeLength, double& strokeTime, double& bore,
                       double& roomTemperature, std::int16_t& cylinders, double& pressureDrop,
                       double& volume, double& flow, double& coefficient);
void ValveFlowMetric(double& airPressure, double& strokeLength, double& strokeTime, double& bore,
                     double& roomTemperature, std::int16_t& cylinders, double& pressureDrop,
                     double& volume, double& flow, double& coefficient);

}  // namespace CalculatorReference
