// SPDX-License-Identifier: MIT
// The Calculate commands of the cylinder-force and cylinder-bore panels.
//
// Each reads its panel's inputs, takes the imperial or the metric formula by
// the unit system in force and gives its results, rounded, for runCommand to
// write. The bore panel also names the standard bore to order and the force
// it really gives.
#include "frmPressureCalc.h"

#include "numberText.h"

#include <calculator/calculator.h>
#include <calculator/standardBore.h>

#include <QLineEdit>
#include <QPushButton>

#include <optional>

void frmPressureCalc::connectCylinderCommands()
{
    connectCommand(m_ui.calculateForceButton, &frmPressureCalc::calculateForce, &frmPressureCalc::forceNotes);
    connectCommand(m_ui.calculateBoreButton, &frmPressureCalc::calculateBoreSize, &frmPressureCalc::boreNotes);
}

frmPressureCalc::FieldTexts frmPressureCalc::calculateForce() const
{
    const double bore = readNumber(m_ui.cylinderBore[0]);
    const double rod = readNumber(m_ui.rodDiameter);
    const double pressure = readNumber(m_ui.airPressure[1]);

    double push = 0.0;
    double pull = 0.0;
    if (m_unitSystem == Imperial)
        Calculator::CylinderForceImperial(bore, rod, pressure, push, pull);
    else
        Calculator::CylinderForceMetric(bore, rod, pressure, push, pull);

    return {{m_ui.pushForce, NumberText::formatRounded(push)},
            {m_ui.pullForce, NumberText::formatRounded(pull)}};
}

frmPressureCalc::FieldTexts frmPressureCalc::calculateBoreSize() const
{
    const double force = readNumber(m_ui.forceRequired);
    const double pressure = readNumber(m_ui.airPressure[0]);
    const double safetyFactor = readNumber(m_ui.safetyFactor);

    // The area is scaled by the safety factor; 0, the start-up text, means 1.
    double area = 0.0;
    if (m_unitSystem == Imperial)
        Calculator::AreaRequiredImperial(force, pressure, safetyFactor, area);
    else
        Calculator::AreaRequiredMetric(force, pressure, safetyFactor, area);
    double bore = 0.0;
    Calculator::MinimumBore(area, bore);

    FieldTexts results{{m_ui.areaRequired, NumberText::formatRounded(area)},
                       {m_ui.minimumBore, NumberText::formatRounded(bore)}};
    // From the bore as computed, not as shown rounded.
    for (FieldText &standard : standardBoreTexts(bore, pressure, m_unitSystem))
        results.push_back(std::move(standard));
    return results;
}

frmPressureCalc::FieldTexts frmPressureCalc::standardBoreTexts(double minimumBore, double pressure,
                                                               int system) const
{
    const auto series = system == Imperial ? Calculator::BoreSeries::Inch : Calculator::BoreSeries::Millimetre;
    const std::optional<double> bore = Calculator::StandardBore(minimumBore, series);
    if (!bore)
        return {{m_ui.standardBore, QString()}, {m_ui.standardForce, QString()}};

    // A cylinder pushes with the whole piston: the rod plays no part.
    const double noRod = 0.0;
    double push = 0.0;
    double pull = 0.0;
    if (system == Imperial)
        Calculator::CylinderForceImperial(*bore, noRod, pressure, push, pull);
    else
        Calculator::CylinderForceMetric(*bore, noRod, pressure, push, pull);

    return {{m_ui.standardBore, NumberText::formatRounded(*bore)},
            {m_ui.standardForce, NumberText::formatRounded(push)}};
}

frmPressureCalc::FieldTexts frmPressureCalc::standardBoreAfterSwitch(const FieldTexts &converted, int system) const
{
    // A converted standard bore is a size nobody makes (3.25 in is 82.55 mm):
    // the standard bore is chosen again from the new system's series, for the
    // minimum bore and air pressure as just converted. A field left
    // unconverted gives no standard bore.
    const auto convertedValue = [&converted](const QLineEdit *field) -> std::optional<double> {
        for (const FieldText &text : converted)
            if (text.field == field)
                return NumberText::parse(text.text);
        return std::nullopt;
    };
    const auto minimumBore = convertedValue(m_ui.minimumBore);
    const auto pressure = convertedValue(m_ui.airPressure[0]);
    if (!minimumBore || !pressure)
        return {{m_ui.standardBore, QString()}, {m_ui.standardForce, QString()}};
    try {
        return standardBoreTexts(*minimumBore, *pressure, system);
    } catch (const Calculator::ArithmeticError &) {
        throw CommandRefused{tr("The value in \"%1\" on the %2 panel is too large to work out in %3 units. "
                                "Nothing was changed: the window stays in %4 units.")
                                 .arg(captionOf(m_ui.standardForce), panelNameOf(m_ui.standardForce),
                                      unitSystemName(system), unitSystemName(m_unitSystem))};
    }
}
