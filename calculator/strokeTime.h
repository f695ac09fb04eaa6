// SPDX-License-Identifier: MIT
#pragma once

// The valve sizing the other way round: with a valve of a known coefficient,
// how long a stroke takes and how fast the piston moves. Checked like every
// formula of the library (see calculator.h): a step that cannot be used throws
// ArithmeticError. Inputs for which there is nothing to compute are refused
// instead, without a message; the window explains them.

#include <cstdint>

#include "calculator/arithmeticError.h"

namespace Calculator {

// Why nothing was computed. Checked in this order, after the pressures are
// temperature-corrected; only the first that applies is given.
enum class StrokeTimeRefusal {
    None,
    MissingBoreOrStroke,          // the bore or the stroke length is 0
    NoPressureDrop,               // the corrected pressure drop is not above 0
    DropExceedsAbsolutePressure,  // the absolute downstream pressure is not above 0
    MissingCoefficient,           // the valve coefficient is not above 0
    MissingCylinders,             // no cylinders
};

struct StrokeTimeResult {
    StrokeTimeRefusal refusal = StrokeTimeRefusal::None;
    // The downstream pressure is below 53 % of the corrected supply pressure:
    // the flow formula no longer holds, but the results are still computed.
    bool beyondChokedFlow = false;
    double flow = 0.0;   // all the cylinders together: SCFM, or L/min in metric
    double time = 0.0;   // one stroke, seconds
    double speed = 0.0;  // inches, or millimetres, a second
    // All three stay 0 when the inputs are refused.
};

// In imperial units (psi, inches, degrees F, Cv):
//   P'   = TemperatureCorrect(T, P),   dP' = TemperatureCorrect(T, dP)
//   P2   = P' - dP'                                (downstream pressure)
//   c    = Cv / n                                  (the valve's share of one cylinder)
//   Q    = (c x sqrt((P2 + 14.7) x dP')) / 1.024   (SCFM through one cylinder's share)
//   t    = (d^2 x 0.0273 x L x (P2 + 14.7)) / (Q x 14.7)
//   v    = L / t
//   flow = n x Q
// The numerator of t is formed as CylinderFlowScfm forms its own, so that a
// coefficient from ValveFlowImperial gives back the stroke time it was sized
// for. The choked-flow flag is set when 0.53 x P' > P2.
StrokeTimeResult StrokeTimeImperial(double airPressure, double pressureDrop, double bore,
                                    double strokeLength, double roomTemperature,
                                    std::int16_t cylinders, double coefficient);
// The same in metric units (bar, mm, degrees C, Kv): the inputs converted with
// ConvertUnits ("bar", "mm", "c", "kv"), the imperial computation, the flow
// converted by "scfm" to litres a minute. The time is not converted; the speed
// is the stroke length as given, in millimetres, over the time.
StrokeTimeResult StrokeTimeMetric(double airPressure, double pressureDrop, double bore,
                                  double strokeLength, double roomTemperature,
                                  std::int16_t cylinders, double coefficient);

}  // namespace Calculator
