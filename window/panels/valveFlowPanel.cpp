// SPDX-License-Identifier: MIT
// Calculate reads the eight inputs, takes the imperial or the metric formulas
// by the unit system in force and gives volume, flow, coefficient and air
// consumption, all four together. The coefficient always shows the kind
// selected beside it, whatever the unit system. The running totals have no
// variables of their own: they are the texts of txtSystemFlow and
// txtSystemConsumption.
#include "valveFlowPanel.h"

#include "cylinderCount.h"
#include "numberText.h"
#include "optionGroups.h"

#include <calculator/calculator.h>

#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <cmath>
#include <limits>

namespace {

using Q = FieldTable::Quantity;
using C = FieldTable::Cleaner;
using R = FieldTable::Role;
using Row = FieldTable::Row;

// field, caption label, caption, unit label, quantity, cleaner, role,
//         switch order[, start-up text, tool tip]
constexpr std::array rows{
    Row{"txtAirPressure(2)", "Label18", QT_TRANSLATE_NOOP("FieldTable", "Air Pressure"), "lblPressureUnits(1)",
        Q::Pressure, C::Magnitude, R::Input, 1},
    Row{"txtCylinderBore(1)", "Label19", QT_TRANSLATE_NOOP("FieldTable", "Bore Size"), "lblLengthUnits(0)",
        Q::Length, C::Magnitude, R::Input, 2},
    Row{"txtRoomTemp", "Label20", QT_TRANSLATE_NOOP("FieldTable", "Room Temperature"), "lbltemperatureUnits",
        Q::Temperature, C::Signed, R::Input, 10},
    Row{"txtStrokeLength", "Label28", QT_TRANSLATE_NOOP("FieldTable", "Stroke Length"), "lblLengthUnits(1)",
        Q::Length, C::Magnitude, R::Input, 12},
    Row{"txtStrokTime", "txtStrokeTime", QT_TRANSLATE_NOOP("FieldTable", "Stroke Time"), "Label31", Q::Time,
        C::Magnitude, R::Input, 0},
    // Not forced to a whole number here; Calculate rounds it.
    Row{"txtNumCylinders", "Label29", QT_TRANSLATE_NOOP("FieldTable", "Number of Cylinders"), nullptr, Q::Count,
        C::Magnitude, R::Input, 0, "1"},
    Row{"txtPressureDrop", "Label30", QT_TRANSLATE_NOOP("FieldTable", "Pressure Drop"), "lblPressureUnits(3)",
        Q::Pressure, C::Magnitude, R::Input, 14},
    // Cycles a minute in either unit system; the switch leaves it alone.
    Row{"txtCycleRate", "Label40", QT_TRANSLATE_NOOP("FieldTable", "Cycle Rate"), "Label43", Q::Rate, C::Magnitude,
        R::Input, 0, "0",
        QT_TRANSLATE_NOOP("FieldTable", "Complete cycles (extend and retract) each cylinder makes per minute")},
    Row{"txtVolume", "Label23", QT_TRANSLATE_NOOP("FieldTable", "Volume"), "lblVolumeUnits", Q::Volume, C::None,
        R::Result, 13},
    // The Cv/kV option pair around it says which kind it shows.
    Row{"txtCvFactor", nullptr, nullptr, "optCVType", Q::FlowCoefficient, C::None, R::Result, 0},
    Row{"txtInstFlow", "Label35", QT_TRANSLATE_NOOP("FieldTable", "Instantaneous Flow"), "lblFlowUnits(0)", Q::Flow,
        C::None, R::Result, 5},
    Row{"txtSystemFlow", "Label37", QT_TRANSLATE_NOOP("FieldTable", "Total System Flow"), "lblFlowUnits(1)", Q::Flow,
        C::None, R::Total, 11},
    // What the compressor must supply: the group's, and the running total.
    Row{"txtAirConsumption", "Label41", QT_TRANSLATE_NOOP("FieldTable", "Air Consumption"), "lblFlowUnits(2)",
        Q::Flow, C::None, R::Result, 15, "0",
        QT_TRANSLATE_NOOP("FieldTable", "Free air the group uses per minute: both strokes at full bore, filled to "
                                        "the air pressure (the rod's volume is not subtracted, which errs on the "
                                        "safe side)")},
    Row{"txtSystemConsumption", "Label42", QT_TRANSLATE_NOOP("FieldTable", "System Consumption"), "lblFlowUnits(3)",
        Q::Flow, C::None, R::Total, 16, "0",
        QT_TRANSLATE_NOOP("FieldTable", "Running total of Air Consumption over the groups added with Total System "
                                        "Flow: what the compressor must supply")},
};

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

ValveFlowPanel::ValveFlowPanel(Context context, QWidget *parent)
    : Panel(2, QT_TRANSLATE_NOOP("Panel", "Valve Flow"), context, parent)
{
    buildRows(rows, "Frame5", "Frame6");
    m_airPressure = edit("txtAirPressure(2)");
    m_bore = edit("txtCylinderBore(1)");
    m_roomTemperature = edit("txtRoomTemp");
    m_strokeLength = edit("txtStrokeLength");
    m_strokeTime = edit("txtStrokTime");
    m_cylinderCount = edit("txtNumCylinders");
    m_pressureDrop = edit("txtPressureDrop");
    m_cycleRate = edit("txtCycleRate");
    m_volume = edit("txtVolume");
    m_coefficient = edit("txtCvFactor");
    m_flow = edit("txtInstFlow");
    m_systemFlow = edit("txtSystemFlow");
    m_consumption = edit("txtAirConsumption");
    m_systemConsumption = edit("txtSystemConsumption");
    for (const Field &field : fields())
        if (field.edit == m_coefficient)
            std::ranges::copy(field.unitOptions, m_coefficientKind.begin());

    // An empty label that nothing writes; hidden, a screen reader does not
    // read it out under the frame's name.
    auto *unused = new QLabel(outputFrame());
    unused->setObjectName(QStringLiteral("cvLabel"));
    unused->hide();

    addCommand("btnCalcCV", tr("Calculate"), [this] { return calculate(); }, [this] { return notes(); }, true);
    addCommand("btnSumSCFM", tr("Total System Flow"), [this] { return addToSystemFlow(); })
        ->setToolTip(tr("Click here to accumulate values for your Total System Flow and your System Consumption"));
    addCommand("btnResetSCFM", tr("Reset System Flow"), [this] { return resetSystemFlow(); })
        ->setToolTip(tr("Click here to set your Total System Flow and your System Consumption back to 0"));

    // Only the option that becomes selected reports, so the coefficient is
    // converted once per change of selection. A refused change puts the
    // selection back to the kind the field still shows.
    OptionGroups::keepOneTabStop(m_coefficientKind[0]);
    const auto putSelectionBack = [this] {
        const QScopedValueRollback restoring(m_restoringCoefficientKind, true);
        m_coefficientKind[cvFactorSelected() ? 1 : 0]->setChecked(true);
    };
    OptionGroups::onSelected(m_coefficientKind, this, [this, putSelectionBack](int) {
        if (!m_restoringCoefficientKind)
            runner().run({
                .work = [this] { return changeCoefficientKind(); },
                .undo = putSelectionBack,
                .announcement = [this](const FieldTexts &converted) { return coefficientKindSentence(converted); },
            });
    });
}

bool ValveFlowPanel::cvFactorSelected() const
{
    return m_coefficientKind[0]->isChecked();
}

FieldTexts ValveFlowPanel::calculate() const
{
    double airPressure = readNumber(m_airPressure);
    double strokeLength = readNumber(m_strokeLength);
    double strokeTime = readNumber(m_strokeTime);
    double bore = readNumber(m_bore);
    double roomTemperature = readNumber(m_roomTemperature);
    const double cylindersRead = readNumber(m_cylinderCount);
    double pressureDrop = readNumber(m_pressureDrop);
    const double cycleRate = readNumber(m_cycleRate);

    const std::optional<std::int16_t> count = CylinderCount::fromValue(cylindersRead);
    if (!count)
        throw CommandRefused{CylinderCount::outOfRange(captionOf(m_cylinderCount))};
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
    const bool imperial = unitSystem() == 0;
    // The sizing writes the air pressure and the drop back corrected for the
    // temperature (in psi, metric ones converted) before it works out any
    // result, and shows the 53 % warning. With no absolute pressure left
    // downstream its results mean nothing: negative, or a division by zero
    // when exactly none is left. The command is refused with a note then.
    const auto noPressureLeft = [&airPressure, &pressureDrop] {
        return Calculator::AbsolutePressure(airPressure - pressureDrop) <= 0.0;
    };
    const QString noPressureNote = tr("The pressure drop is at least the absolute air pressure.");
    try {
        if (imperial)
            Calculator::ValveFlowImperial(airPressure, strokeLength, strokeTime, bore, roomTemperature, cylinders,
                                          pressureDrop, volume, flow, coefficient);
        else
            Calculator::ValveFlowMetric(airPressure, strokeLength, strokeTime, bore, roomTemperature, cylinders,
                                        pressureDrop, volume, flow, coefficient);
    } catch (const Calculator::ArithmeticError &error) {
        if (error.kind() == Calculator::ArithmeticError::Kind::DivisionByZero && noPressureLeft())
            throw CommandNoted{noPressureNote};
        throw;
    }
    if (noPressureLeft())
        throw CommandNoted{noPressureNote};

    if (imperial && !cvFactorSelected())
        coefficient = Calculator::ConvertUnits(coefficient, "cv");
    else if (!imperial && cvFactorSelected())
        coefficient = Calculator::ConvertUnits(coefficient, "kv");

    double consumption = 0.0;
    if (imperial)
        Calculator::AirConsumptionImperial(typedAirPressure, typedStrokeLength, typedBore, cycleRate, cylinders,
                                           consumption);
    else
        Calculator::AirConsumptionMetric(typedAirPressure, typedStrokeLength, typedBore, cycleRate, cylinders,
                                         consumption);

    return {{m_volume, NumberText::formatRounded(volume)},
            {m_flow, NumberText::formatRounded(flow)},
            {m_coefficient, NumberText::formatRounded(coefficient)},
            {m_consumption, NumberText::formatRounded(consumption)}};
}

QStringList ValveFlowPanel::notes() const
{
    const double pressure = NumberText::parse(m_airPressure->text()).value_or(0.0);
    const double drop = NumberText::parse(m_pressureDrop->text()).value_or(0.0);
    if (drop > 0.0 && drop >= pressure)
        return {tr("The pressure drop is at least the air pressure: no pressure is left to move the cylinder.")};
    return {};
}

FieldTexts ValveFlowPanel::changeCoefficientKind() const
{
    const std::optional<double> shown = NumberText::parse(m_coefficient->text());
    if (!shown)
        return {};
    // The value shown is of the kind selected before: a Kv when CV is now
    // selected, a Cv when kV is.
    const double converted = Calculator::ConvertUnits(*shown, cvFactorSelected() ? "kv" : "cv");
    return {{m_coefficient, NumberText::formatGeneral(converted)}};
}

QString ValveFlowPanel::coefficientKindSentence(const FieldTexts &converted) const
{
    const QString kind = QuantityTable::caption(QuantityTable::Quantity::FlowCoefficient, cvFactorSelected() ? 0 : 1);
    if (converted.empty())
        return tr("Flow coefficient now shown as %1.").arg(kind);
    return tr("Flow coefficient now shown as %1: %2.").arg(kind, converted.front().text);
}

FieldTexts ValveFlowPanel::addToSystemFlow() const
{
    const double flow = readNumber(m_flow);
    const double total = readNumber(m_systemFlow);
    const double consumption = readNumber(m_consumption);
    const double consumptionTotal = readNumber(m_systemConsumption);

    // Both totals or neither.
    const std::optional<QString> flowText = sumText(flow, total);
    if (!flowText)
        throw CommandRefused{tr("The total system flow would be too large to show. The total was not changed.")};
    const std::optional<QString> consumptionText = sumText(consumption, consumptionTotal);
    if (!consumptionText)
        throw CommandRefused{tr("The system consumption would be too large to show. Nothing was changed.")};
    return {{m_systemFlow, *flowText}, {m_systemConsumption, *consumptionText}};
}

FieldTexts ValveFlowPanel::resetSystemFlow() const
{
    return {{m_systemFlow, QStringLiteral("0")}, {m_systemConsumption, QStringLiteral("0")}};
}
