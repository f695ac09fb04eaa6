// SPDX-License-Identifier: MIT
// The valve-flow panel: Calculate, the Cv/Kv choice and the system totals.
//
// Calculate reads the eight inputs, takes the imperial or the metric formulas
// by the unit system in force and gives volume, flow, coefficient and air
// consumption for runCommand to write, all four together. The coefficient
// always shows the kind selected beside it, whatever the unit system. The
// running totals have no variables of their own: they are the texts of
// txtSystemFlow and txtSystemConsumption.
#include "frmPressureCalc.h"

#include "numberText.h"
#include "optionGroups.h"

#include <calculator/calculator.h>

#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

// The number of cylinders as the formulas take it: the nearest 16-bit integer,
// a value exactly halfway going to the even one (2.5 is 2, 3.5 is 4).
// Nothing when it does not fit.
std::optional<std::int16_t> cylinderCount(double value)
{
    // nearbyint rounds by the current mode, which is to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace

void frmPressureCalc::connectValveFlowCommands()
{
    connectCommand(m_ui.calculateValveFlowButton, &frmPressureCalc::calculateValveFlow,
                   &frmPressureCalc::valveFlowNotes);
    connectCommand(m_ui.addToSystemFlowButton, &frmPressureCalc::addToSystemFlow);
    connectCommand(m_ui.resetSystemFlowButton, &frmPressureCalc::resetSystemFlow);

    // Only the option that becomes selected reports, so the coefficient is
    // converted once per change of selection; a click on the option already
    // selected toggles nothing. A refused change puts the selection back to
    // the kind the field still shows, so the two never disagree.
    const auto putSelectionBack = [this] {
        const QScopedValueRollback restoring(m_restoringCoefficientKind, true);
        m_ui.coefficientKind[cvFactorSelected() ? 1 : 0]->setChecked(true);
    };
    OptionGroups::onSelected(m_ui.coefficientKind, this, [this, putSelectionBack](int) {
        if (!m_restoringCoefficientKind)
            runCommand({
                .work = [this] { return changeCoefficientKind(); },
                .undo = putSelectionBack,
                .announcement = [this](const FieldTexts &converted) { return coefficientKindSentence(converted); },
            });
    });
}

bool frmPressureCalc::cvFactorSelected() const
{
    return m_ui.coefficientKind[0]->isChecked();
}

frmPressureCalc::FieldTexts frmPressureCalc::calculateValveFlow() const
{
    double airPressure = readNumber(m_ui.airPressure[2]);
    double strokeLength = readNumber(m_ui.strokeLength);
    double strokeTime = readNumber(m_ui.strokeTime);
    double bore = readNumber(m_ui.cylinderBore[1]);
    double roomTemperature = readNumber(m_ui.roomTemperature);
    const double cylindersRead = readNumber(m_ui.cylinderCount);
    double pressureDrop = readNumber(m_ui.pressureDrop);
    const double cycleRate = readNumber(m_ui.cycleRate);

    const std::optional<std::int16_t> count = cylinderCount(cylindersRead);
    if (!count)
        throw CommandRefused{tr("\"%1\" must lie between %2 and %3. No result was changed.")
                                 .arg(captionOf(m_ui.cylinderCount),
                                      NumberText::formatGeneral(std::numeric_limits<std::int16_t>::min()),
                                      NumberText::formatGeneral(std::numeric_limits<std::int16_t>::max()))};
    std::int16_t cylinders = *count;

    // Each cylinder fills to the air pressure as typed, so the consumption
    // takes the inputs before the valve sizing corrects them in place.
    const double typedAirPressure = airPressure;
    const double typedStrokeLength = strokeLength;
    const double typedBore = bore;

    // Imperial gives the coefficient as a Cv, metric as a Kv.
    double volume = 0.0;
    double flow = 0.0;
    double coefficient = 0.0;
    if (m_unitSystem == Imperial)
        Calculator::ValveFlowImperial(airPressure, strokeLength, strokeTime, bore, roomTemperature, cylinders,
                                      pressureDrop, volume, flow, coefficient);
    else
        Calculator::ValveFlowMetric(airPressure, strokeLength, strokeTime, bore, roomTemperature, cylinders,
                                    pressureDrop, volume, flow, coefficient);

    if (m_unitSystem == Imperial && !cvFactorSelected())
        coefficient = Calculator::ConvertUnits(coefficient, "cv");
    else if (m_unitSystem == Metric && cvFactorSelected())
        coefficient = Calculator::ConvertUnits(coefficient, "kv");

    double consumption = 0.0;
    if (m_unitSystem == Imperial)
        Calculator::AirConsumptionImperial(typedAirPressure, typedStrokeLength, typedBore, cycleRate, cylinders,
                                           consumption);
    else
        Calculator::AirConsumptionMetric(typedAirPressure, typedStrokeLength, typedBore, cycleRate, cylinders,
                                         consumption);

    return {{m_ui.volume, NumberText::formatRounded(volume)},
            {m_ui.instantaneousFlow, NumberText::formatRounded(flow)},
            {m_ui.flowCoefficient, NumberText::formatRounded(coefficient)},
            {m_ui.airConsumption, NumberText::formatRounded(consumption)}};
}

frmPressureCalc::FieldTexts frmPressureCalc::changeCoefficientKind() const
{
    const std::optional<double> shown = NumberText::parse(m_ui.flowCoefficient->text());
    if (!shown)
        return {};
    // The value shown is of the kind selected before: a Kv when CV is now
    // selected, a Cv when kV is.
    const double converted = Calculator::ConvertUnits(*shown, cvFactorSelected() ? "kv" : "cv");
    return {{m_ui.flowCoefficient, NumberText::formatGeneral(converted)}};
}

QString frmPressureCalc::coefficientKindSentence(const FieldTexts &converted) const
{
    const QString kind = QuantityTable::caption(QuantityTable::Quantity::FlowCoefficient, cvFactorSelected() ? 0 : 1);
    if (converted.empty())
        return tr("Flow coefficient now shown as %1.").arg(kind);
    return tr("Flow coefficient now shown as %1: %2.").arg(kind, converted.front().text);
}

namespace {

// The text of a total after adding a value to it, unrounded; nothing when the
// sum cannot be shown.
std::optional<QString> sumText(double value, double total)
{
    const double sum = value + total;
    const QString text = std::isfinite(sum) ? NumberText::formatGeneral(sum) : QString();
    if (!NumberText::isNumber(text))
        return std::nullopt;
    return text;
}

} // namespace

frmPressureCalc::FieldTexts frmPressureCalc::addToSystemFlow() const
{
    const double flow = readNumber(m_ui.instantaneousFlow);
    const double total = readNumber(m_ui.systemFlow);
    const double consumption = readNumber(m_ui.airConsumption);
    const double consumptionTotal = readNumber(m_ui.systemConsumption);

    // Both totals or neither.
    const std::optional<QString> flowText = sumText(flow, total);
    if (!flowText)
        throw CommandRefused{tr("The total system flow would be too large to show. The total was not changed.")};
    const std::optional<QString> consumptionText = sumText(consumption, consumptionTotal);
    if (!consumptionText)
        throw CommandRefused{tr("The system consumption would be too large to show. Nothing was changed.")};
    return {{m_ui.systemFlow, *flowText}, {m_ui.systemConsumption, *consumptionText}};
}

frmPressureCalc::FieldTexts frmPressureCalc::resetSystemFlow() const
{
    return {{m_ui.systemFlow, QStringLiteral("0")}, {m_ui.systemConsumption, QStringLiteral("0")}};
}
