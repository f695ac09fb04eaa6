// SPDX-License-Identifier: MIT
// The Calculate commands of the cylinder-force and cylinder-bore panels.
//
// Each reads its panel's inputs, takes the imperial or the metric formula by
// the unit system in force and writes its two results, rounded, last. A text
// that is no number or a calculation that cannot be done is reported by
// runCommand, and then no field changes.
#include "frmPressureCalc.h"

#include "numberText.h"

#include <calculator/calculator.h>

#include <QPushButton>

void frmPressureCalc::connectCylinderCommands()
{
    connect(control<QPushButton>(QStringLiteral("btnCalcForce")), &QPushButton::clicked, this,
            [this] { runCommand([this] { calculateForce(); }); });
    connect(control<QPushButton>(QStringLiteral("btnCalcBoreSize")), &QPushButton::clicked, this,
            [this] { runCommand([this] { calculateBoreSize(); }); });
}

void frmPressureCalc::calculateForce()
{
    double bore = 0.0;
    double rod = 0.0;
    double pressure = 0.0;
    if (!readNumbers({{"txtCylinderBore(0)", &bore}, {"txtRodDiameter", &rod}, {"txtAirPressure(1)", &pressure}}))
        return;

    double push = 0.0;
    double pull = 0.0;
    if (m_unitSystem == Imperial)
        Calculator::CylinderForceImperial(bore, rod, pressure, push, pull);
    else
        Calculator::CylinderForceMetric(bore, rod, pressure, push, pull);

    const QString pushText = NumberText::formatRounded(push);
    const QString pullText = NumberText::formatRounded(pull);
    field(QStringLiteral("txtPushForce"))->setText(pushText);
    field(QStringLiteral("txtPullForce"))->setText(pullText);
}

void frmPressureCalc::calculateBoreSize()
{
    double force = 0.0;
    double pressure = 0.0;
    double safetyFactor = 0.0;
    if (!readNumbers({{"txtForceRequired", &force},
                      {"txtAirPressure(0)", &pressure},
                      {"txtSafetyFactor", &safetyFactor}}))
        return;

    // The area is scaled by the safety factor; 0, the start-up text, means 1.
    double area = 0.0;
    if (m_unitSystem == Imperial)
        Calculator::AreaRequiredImperial(force, pressure, safetyFactor, area);
    else
        Calculator::AreaRequiredMetric(force, pressure, safetyFactor, area);
    double bore = 0.0;
    Calculator::MinimumBore(area, bore);

    const QString areaText = NumberText::formatRounded(area);
    const QString boreText = NumberText::formatRounded(bore);
    field(QStringLiteral("txtAreaRequired"))->setText(areaText);
    field(QStringLiteral("txtMinBoreSize"))->setText(boreText);
}
