// SPDX-License-Identifier: MIT
#include "cylinderForcePanel.h"

#include "numberText.h"

#include <calculator/calculator.h>

#include <QLineEdit>

#include <array>

namespace {

using Q = FieldTable::Quantity;
using C = FieldTable::Cleaner;
using R = FieldTable::Role;
using Row = FieldTable::Row;

// field, caption label, caption, unit label, quantity, cleaner, role, switch order
constexpr std::array rows{
    Row{"txtAirPressure(1)", "Label13", QT_TRANSLATE_NOOP("FieldTable", "Air Pressure"), "lblPressureUnits(2)",
        Q::Pressure, C::Magnitude, R::Input, 1},
    Row{"txtCylinderBore(0)", "Label12", QT_TRANSLATE_NOOP("FieldTable", "Bore Size"), "lblLengthUnits(2)",
        Q::Length, C::Magnitude, R::Input, 2},
    Row{"txtRodDiameter", "Label11", QT_TRANSLATE_NOOP("FieldTable", "Rod Diameter"), "lblLengthUnits(4)", Q::Length,
        C::Magnitude, R::Input, 9},
    Row{"txtPushForce", "Label17", QT_TRANSLATE_NOOP("FieldTable", "Force (Push)"), "lblForceUnits(0)", Q::Force,
        C::None, R::Result, 8},
    Row{"txtPullForce", "Label16", QT_TRANSLATE_NOOP("FieldTable", "Force (Pull)"), "lblForceUnits(1)", Q::Force,
        C::None, R::Result, 7},
};

} // namespace

CylinderForcePanel::CylinderForcePanel(Context context, QWidget *parent)
    : Panel(1, QT_TRANSLATE_NOOP("Panel", "Cylinder Force"), context, parent)
{
    buildRows(rows, "Frame3", "Frame4");
    m_airPressure = edit("txtAirPressure(1)");
    m_bore = edit("txtCylinderBore(0)");
    m_rod = edit("txtRodDiameter");
    m_push = edit("txtPushForce");
    m_pull = edit("txtPullForce");
    addCommand("btnCalcForce", tr("Calculate"), [this] { return calculate(); }, [this] { return notes(); }, true);
}

FieldTexts CylinderForcePanel::calculate() const
{
    const double bore = readNumber(m_bore);
    const double rod = readNumber(m_rod);
    const double pressure = readNumber(m_airPressure);

    double push = 0.0;
    double pull = 0.0;
    if (unitSystem() == 0)
        Calculator::CylinderForceImperial(bore, rod, pressure, push, pull);
    else
        Calculator::CylinderForceMetric(bore, rod, pressure, push, pull);

    return {{m_push, NumberText::formatRounded(push)}, {m_pull, NumberText::formatRounded(pull)}};
}

QStringList CylinderForcePanel::notes() const
{
    const double bore = NumberText::parse(m_bore->text()).value_or(0.0);
    const double rod = NumberText::parse(m_rod->text()).value_or(0.0);
    if (rod > 0.0 && rod >= bore)
        return {tr("The rod is as large as the bore: there is no pull force.")};
    return {};
}
