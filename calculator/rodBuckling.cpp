// SPDX-License-Identifier: MIT
#include "calculator/rodBuckling.h"

#include <cmath>

#include "calculator/calculator.h"
#include "calculator/checkedSteps.h"

namespace Calculator {

namespace {

using detail::Checked;
using detail::Divide;
using detail::kCircle;
using detail::SquareRoot;

// The radius of gyration of a solid round rod is a quarter of its diameter.
constexpr double kDiametersPerGyrationRadius = 4.0;

// Only ever of a load that is not negative: a negative push force has already
// stopped at the square root of the longest rod.
double FourthRoot(double x)
{
    return Checked(std::pow(x, 0.25));
}

// pi x pi x E, the product Euler's load and both slenderness limits start from.
double CircleSquaredTimes(double modulus)
{
    const double circleSquared = Checked(kCircle * kCircle);
    return Checked(circleSquared * modulus);
}

// 4 x pi x pi x E, the divisor of Johnson's parabola.
double JohnsonDivisor(double modulus)
{
    const double fourCircles = Checked(4.0 * kCircle);
    const double fourCirclesSquared = Checked(fourCircles * kCircle);
    return Checked(fourCirclesSquared * modulus);
}

BucklingRefusal Refusal(double rodDiameter, double modulus, double yieldStrength, double safetyFactor)
{
    if (rodDiameter <= 0.0)
        return BucklingRefusal::MissingRodDiameter;
    if (safetyFactor <= 0.0)
        return BucklingRefusal::SafetyFactorNotPositive;
    if (modulus <= 0.0 || yieldStrength <= 0.0)
        return BucklingRefusal::MissingMaterial;
    return BucklingRefusal::None;
}

}  // namespace

BucklingResult RodBuckling(double rodDiameter, double bucklingLength, double mountingFactor,
                           double modulus, double yieldStrength, double safetyFactor,
                           double pushForce)
{
    BucklingResult result;
    result.refusal = Refusal(rodDiameter, modulus, yieldStrength, safetyFactor);
    if (result.refusal != BucklingRefusal::None)
        return result;

    const double area = CircleArea(rodDiameter);
    const double gyrationRadius = Divide(rodDiameter, kDiametersPerGyrationRadius);
    const double effectiveLength = Checked(mountingFactor * bucklingLength);
    const double slenderness = Divide(effectiveLength, gyrationRadius);
    const double twoCircles = Checked(2.0 * kCircle);
    const double twoCirclesSquared = Checked(twoCircles * kCircle);
    const double transitionSquared = Divide(Checked(twoCirclesSquared * modulus), yieldStrength);
    const double transition = SquareRoot(transitionSquared);

    const double slendernessSquared = Checked(slenderness * slenderness);
    if (slenderness >= transition) {
        result.formula = BucklingFormula::Euler;
        const double eulerNumerator = Checked(CircleSquaredTimes(modulus) * area);
        result.bucklingLoad = Divide(eulerNumerator, slendernessSquared);
    } else {
        result.formula = BucklingFormula::Johnson;
        const double yieldSquared = Checked(yieldStrength * yieldStrength);
        const double parabolaNumerator = Checked(yieldSquared * slendernessSquared);
        const double drop = Divide(parabolaNumerator, JohnsonDivisor(modulus));
        const double criticalStress = Checked(yieldStrength - drop);
        result.bucklingLoad = Checked(area * criticalStress);
    }
    result.allowableForce = Divide(result.bucklingLoad, safetyFactor);

    // With no push force there is no longest rod, and no rod is needed.
    if (pushForce != 0.0) {
        const double requiredLoad = Checked(pushForce * safetyFactor);
        const double requiredStress = Divide(requiredLoad, area);
        if (requiredStress >= yieldStrength) {
            result.maximumLength = 0.0;
        } else {
            const double eulerNumerator = Checked(CircleSquaredTimes(modulus) * area);
            double longest = SquareRoot(Divide(eulerNumerator, requiredLoad));
            if (longest < transition) {
                const double margin = Checked(yieldStrength - requiredStress);
                const double scaledMargin = Checked(margin * JohnsonDivisor(modulus));
                const double yieldSquared = Checked(yieldStrength * yieldStrength);
                longest = SquareRoot(Divide(scaledMargin, yieldSquared));
            }
            const double longestTimesRadius = Checked(longest * gyrationRadius);
            result.maximumLength = Divide(longestTimesRadius, mountingFactor);
        }

        bool euler = false;
        if (effectiveLength > 0.0) {
            const double scaledLoad = Checked(64.0 * requiredLoad);
            const double timesLength = Checked(scaledLoad * effectiveLength);
            const double timesLengthSquared = Checked(timesLength * effectiveLength);
            const double circleSquared = Checked(kCircle * kCircle);
            const double circleCubed = Checked(circleSquared * kCircle);
            const double eulerDivisor = Checked(circleCubed * modulus);
            const double eulerDiameter = FourthRoot(Divide(timesLengthSquared, eulerDivisor));
            const double eulerRadius = Divide(eulerDiameter, kDiametersPerGyrationRadius);
            if (Divide(effectiveLength, eulerRadius) >= transition) {
                result.minimumRodDiameter = eulerDiameter;
                euler = true;
            }
        }
        if (!euler) {
            const double yieldSquared = Checked(yieldStrength * yieldStrength);
            const double timesLength = Checked(yieldSquared * effectiveLength);
            const double timesLengthSquared = Checked(timesLength * effectiveLength);
            const double circleTimesModulus = Checked(kCircle * modulus);
            const double addedLoad = Divide(timesLengthSquared, circleTimesModulus);
            const double totalLoad = Checked(requiredLoad + addedLoad);
            const double scaledLoad = Checked(totalLoad * 4.0);
            const double circleTimesYield = Checked(kCircle * yieldStrength);
            result.minimumRodDiameter = SquareRoot(Divide(scaledLoad, circleTimesYield));
        }
    }

    result.overloaded = pushForce > result.allowableForce;
    return result;
}

double PsiToNewtonsPerSquareMillimetre(double psi)
{
    // psi to bar, and 1 bar is 0.1 N/mm^2.
    return Divide(ConvertUnits(psi, "psi"), 10.0);
}

double NewtonsPerSquareMillimetreToPsi(double newtonsPerSquareMillimetre)
{
    return ConvertUnits(Checked(newtonsPerSquareMillimetre * 10.0), "bar");
}

}  // namespace Calculator
