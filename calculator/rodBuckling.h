// SPDX-License-Identifier: MIT
#pragma once

// Whether the extended piston rod holds the push force without buckling, and
// the rod it would need. The formulas hold in any consistent units: inches,
// psi and pounds, or millimetres, N/mm^2 and newtons. Every arithmetic step
// is checked as in calculator.h: a step whose result is infinite or NaN, that
// divides by an exact zero or takes the square root of a negative number
// throws ArithmeticError.

#include <optional>

#include "calculator/arithmeticError.h"

namespace Calculator {

// Why no buckling figures were worked out; the window shows it as a note.
// Only the first that holds is given, in this order.
enum class BucklingRefusal {
    None,
    MissingRodDiameter,       // rod diameter <= 0
    SafetyFactorNotPositive,  // safety factor <= 0
    MissingMaterial,          // elastic modulus <= 0 or yield strength <= 0
};

// The formula that gave the buckling load: Euler's for a slender rod,
// Johnson's parabola for a short thick one.
enum class BucklingFormula { Euler, Johnson };

struct BucklingResult {
    BucklingRefusal refusal = BucklingRefusal::None;
    // A refused result keeps the values below as they are here.
    BucklingFormula formula = BucklingFormula::Euler;
    double bucklingLoad = 0.0;
    double allowableForce = 0.0;            // buckling load / safety factor
    std::optional<double> maximumLength;    // none for a push force of 0
    double minimumRodDiameter = 0.0;        // 0 for a push force of 0
    bool overloaded = false;                // push force > allowable force
};

// pi is 3.14159265358979 as in calculator.h. d rod diameter, L buckling
// length (the rod's free length when extended), K mounting factor (2, 1, 0.7
// or 0.5), E elastic modulus, Sy yield strength, SF safety factor, F push
// force. Each expression is evaluated left to right as written.
//   A  = CircleArea(d),  r = d / 4 (radius of gyration),  Le = K x L
//   s  = Le / r,  st = sqrt((2 x pi x pi x E) / Sy)   (slenderness, transition)
//   s >= st (Euler):  Pcr = (pi x pi x E x A) / (s x s)
//   s <  st (Johnson): Pcr = A x (Sy - ((Sy x Sy) x (s x s)) / (4 x pi x pi x E))
//   allowable = Pcr / SF
// For the required load Preq = F x SF:
//   maximum length: none when F = 0; 0 when Preq / A >= Sy (the rod yields at
//     any length); otherwise (smax x r) / K with smax = sE when sE >= st,
//     sE = sqrt((pi x pi x E x A) / Preq), else
//     smax = sqrt(((Sy - Preq / A) x (4 x pi x pi x E)) / (Sy x Sy))
//   minimum rod diameter: 0 when F = 0; otherwise Euler's
//     dE = ((64 x Preq x Le x Le) / (pi x pi x pi x E))^0.25 when Le > 0 and
//     Le / (dE / 4) >= st, else Johnson's
//     sqrt(((Preq + (Sy x Sy x Le x Le) / (pi x E)) x 4) / (pi x Sy))
// A mounting factor of 0 divides by zero in the maximum length.
BucklingResult RodBuckling(double rodDiameter, double bucklingLength, double mountingFactor,
                           double modulus, double yieldStrength, double safetyFactor,
                           double pushForce);

// The stresses (modulus, yield strength) when the unit system changes:
// psi to N/mm^2 is ConvertUnits(value, "psi") / 10, N/mm^2 to psi is
// ConvertUnits(value x 10, "bar"), with the program's own rounded factor.
double PsiToNewtonsPerSquareMillimetre(double psi);
double NewtonsPerSquareMillimetreToPsi(double newtonsPerSquareMillimetre);

}  // namespace Calculator
