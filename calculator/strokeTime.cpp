// SPDX-License-Identifier: MIT
#include "calculator/strokeTime.h"

#include "calculator/calculator.h"
#include "calculator/checkedSteps.h"

namespace Calculator {

namespace {

using detail::Checked;
using detail::Divide;
using detail::SquareRoot;
using detail::kAtmosphere;
using detail::kCvFactor;
using detail::kStrokeFlowFactor;
using detail::kValidShareOfSupply;

}  // namespace

StrokeTimeResult StrokeTimeImperial(double airPressure, double pressureDrop, double bore,
                                    double strokeLength, double roomTemperature,
                                    std::int16_t cylinders, double coefficient)
{
    const double supply = TemperatureCorrect(roomTemperature, airPressure);
    const double drop = TemperatureCorrect(roomTemperature, pressureDrop);
    const double downstream = Checked(supply - drop);
    const double absoluteDownstream = Checked(downstream + kAtmosphere);

    StrokeTimeResult result;
    if (bore == 0.0 || strokeLength == 0.0)
        result.refusal = StrokeTimeRefusal::MissingBoreOrStroke;
    else if (drop <= 0.0)
        result.refusal = StrokeTimeRefusal::NoPressureDrop;
    else if (absoluteDownstream <= 0.0)
        result.refusal = StrokeTimeRefusal::DropExceedsAbsolutePressure;
    else if (coefficient <= 0.0)
        result.refusal = StrokeTimeRefusal::MissingCoefficient;
    else if (cylinders == 0)
        result.refusal = StrokeTimeRefusal::MissingCylinders;
    if (result.refusal != StrokeTimeRefusal::None)
        return result;

    // Same comparison as the valve sizing's warning: equality is not choked.
    const double lowestValidDownstream = Checked(kValidShareOfSupply * supply);
    result.beyondChokedFlow = lowestValidDownstream > downstream;

    // Each cylinder gets its share of the valve's coefficient; the flow of
    // that share is FlowCoefficient solved for the flow.
    const double count = static_cast<double>(cylinders);
    const double share = Divide(coefficient, count);
    const double underRoot = Checked(absoluteDownstream * drop);
    const double root = SquareRoot(underRoot);
    const double scaledFlow = Checked(share * root);
    const double flowPerCylinder = Divide(scaledFlow, kCvFactor);

    // CylinderFlowScfm solved for the stroke time, its numerator formed in
    // the same order.
    const double boreSquared = Checked(bore * bore);
    const double perInchOfStroke = Checked(boreSquared * kStrokeFlowFactor);
    const double sweptFlow = Checked(perInchOfStroke * strokeLength);
    const double sweptFlowTimesAbsolute = Checked(sweptFlow * absoluteDownstream);
    const double flowTimesAtmosphere = Checked(flowPerCylinder * kAtmosphere);
    const double time = Divide(sweptFlowTimesAbsolute, flowTimesAtmosphere);
    const double speed = Divide(strokeLength, time);

    result.flow = Checked(count * flowPerCylinder);
    result.time = time;
    result.speed = speed;
    return result;
}

StrokeTimeResult StrokeTimeMetric(double airPressure, double pressureDrop, double bore,
                                  double strokeLength, double roomTemperature,
                                  std::int16_t cylinders, double coefficient)
{
    const double airPressurePsi = ConvertUnits(airPressure, "bar");
    const double pressureDropPsi = ConvertUnits(pressureDrop, "bar");
    const double boreInches = ConvertUnits(bore, "mm");
    const double strokeLengthInches = ConvertUnits(strokeLength, "mm");
    const double roomTemperatureF = ConvertUnits(roomTemperature, "c");
    const double cv = ConvertUnits(coefficient, "kv");

    StrokeTimeResult result = StrokeTimeImperial(airPressurePsi, pressureDropPsi, boreInches,
                                                 strokeLengthInches, roomTemperatureF, cylinders,
                                                 cv);
    if (result.refusal != StrokeTimeRefusal::None)
        return result;
    // The time is the same in both systems; the speed is taken from the
    // stroke as given, so that 100 mm in 1 s is exactly 100 mm/s.
    result.flow = ConvertUnits(result.flow, "scfm");
    result.speed = Divide(strokeLength, result.time);
    return result;
}

}  // namespace Calculator
