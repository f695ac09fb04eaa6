// SPDX-License-Identifier: MIT
#include "cylinderBorePanel.h"

#include "numberText.h"

#include <calculator/calculator.h>
#include <calculator/standardBore.h>

#include <QLineEdit>

#include <algorithm>
#include <array>

namespace {

using Q = FieldTable::Quantity;
using C = FieldTable::Cleaner;
using R = FieldTable::Role;
using Row = FieldTable::Row;

// field, caption label, caption, unit label, quantity, cleaner, role,
//         switch order[, start-up text, tool tip]
constexpr std::array rows{
    Row{"txtAirPressure(0)", "label0", QT_TRANSLATE_NOOP("FieldTable", "Air Pressure"), "lblPressureUnits(0)",
        Q::Pressure, C::Magnitude, R::Input, 1},
    Row{"txtForceRequired", "Label1", QT_TRANSLATE_NOOP("FieldTable", "Force Required"), "lblForceUnits(2)", Q::Force,
        C::Magnitude, R::Input, 4},
    Row{"txtSafetyFactor", "Label3", QT_TRANSLATE_NOOP("FieldTable", "Safety Factor"), nullptr, Q::Factor,
        C::Magnitude, R::Input, 0},
    Row{"txtAreaRequired", "Label6", QT_TRANSLATE_NOOP("FieldTable", "Area Required"), "lblAreaUnits", Q::Area,
        C::Magnitude, R::Result, 3},
    Row{"txtMinBoreSize", "Label7", QT_TRANSLATE_NOOP("FieldTable", "Minimum Bore Size"), "lblLengthUnits(3)",
        Q::Length, C::Magnitude, R::Result, 6},
    // Chosen again from the other system's series after a unit switch.
    Row{"txtStandardBore", "Label38", QT_TRANSLATE_NOOP("FieldTable", "Standard Bore"), "lblLengthUnits(5)",
        Q::Length, C::None, R::Result, 0, "",
        QT_TRANSLATE_NOOP("FieldTable", "The smallest standard bore (NFPA in inches, ISO 3320 in mm) that gives at "
                                        "least the area required")},
    Row{"txtStandardForce", "Label39", QT_TRANSLATE_NOOP("FieldTable", "Push Force"), "lblForceUnits(3)", Q::Force,
        C::None, R::Result, 0, "",
        QT_TRANSLATE_NOOP("FieldTable", "The push force of the standard bore at this air pressure")},
};

} // namespace

CylinderBorePanel::CylinderBorePanel(Context context, QWidget *parent)
    : Panel(0, QT_TRANSLATE_NOOP("Panel", "Cylinder Bore"), context, parent)
{
    buildRows(rows, "Frame2", "Frame1");
    m_airPressure = edit("txtAirPressure(0)");
    m_forceRequired = edit("txtForceRequired");
    m_safetyFactor = edit("txtSafetyFactor");
    m_areaRequired = edit("txtAreaRequired");
    m_minimumBore = edit("txtMinBoreSize");
    m_standardBore = edit("txtStandardBore");
    m_standardForce = edit("txtStandardForce");
    addCommand("btnCalcBoreSize", tr("Calculate"), [this] { return calculate(); }, [this] { return notes(); }, true);
}

FieldTexts CylinderBorePanel::calculate() const
{
    const double force = readNumber(m_forceRequired);
    const double pressure = readNumber(m_airPressure);
    const double safetyFactor = readNumber(m_safetyFactor);

    // The area is scaled by the safety factor; 0, the start-up text, means 1.
    double area = 0.0;
    if (unitSystem() == 0)
        Calculator::AreaRequiredImperial(force, pressure, safetyFactor, area);
    else
        Calculator::AreaRequiredMetric(force, pressure, safetyFactor, area);
    double bore = 0.0;
    Calculator::MinimumBore(area, bore);

    FieldTexts results{{m_areaRequired, NumberText::formatRounded(area)},
                       {m_minimumBore, NumberText::formatRounded(bore)}};
    // From the bore as computed, not as shown rounded.
    for (FieldText &standard : standardBoreTexts(bore, pressure, unitSystem()))
        results.push_back(std::move(standard));
    return results;
}

FieldTexts CylinderBorePanel::standardBoreTexts(double minimumBore, double pressure, int system) const
{
    const auto series = system == 0 ? Calculator::BoreSeries::Inch : Calculator::BoreSeries::Millimetre;
    const std::optional<double> bore = Calculator::StandardBore(minimumBore, series);
    if (!bore)
        return {{m_standardBore, QString()}, {m_standardForce, QString()}};

    // A cylinder pushes with the whole piston: the rod plays no part.
    const double noRod = 0.0;
    double push = 0.0;
    double pull = 0.0;
    if (system == 0)
        Calculator::CylinderForceImperial(*bore, noRod, pressure, push, pull);
    else
        Calculator::CylinderForceMetric(*bore, noRod, pressure, push, pull);

    return {{m_standardBore, NumberText::formatRounded(*bore)}, {m_standardForce, NumberText::formatRounded(push)}};
}

FieldTexts CylinderBorePanel::textsAfterSwitch(const FieldTexts &converted, int system,
                                               const TextBefore &before) const
{
    // Switching back restores the standard bore with the minimum bore and
    // pressure it was chosen for.
    const std::array chosenFrom{m_minimumBore, m_airPressure, m_standardBore, m_standardForce};
    if (std::ranges::all_of(chosenFrom, [&before](const QLineEdit *field) { return before(field).has_value(); }))
        return {{m_standardBore, *before(m_standardBore)}, {m_standardForce, *before(m_standardForce)}};

    // A converted standard bore is a size nobody makes (3.25 in is 82.55 mm).
    // A field left unconverted gives no standard bore.
    const auto convertedValue = [&converted](const QLineEdit *field) -> std::optional<double> {
        for (const FieldText &text : converted)
            if (text.field == field)
                return NumberText::parse(text.text);
        return std::nullopt;
    };
    const auto minimumBore = convertedValue(m_minimumBore);
    const auto pressure = convertedValue(m_airPressure);
    if (!minimumBore || !pressure)
        return {{m_standardBore, QString()}, {m_standardForce, QString()}};
    try {
        return standardBoreTexts(*minimumBore, *pressure, system);
    } catch (const Calculator::ArithmeticError &) {
        throw CommandRefused{tr("The value in \"%1\" on the %2 panel is too large to work out in %3 units. "
                                "Nothing was changed: the window stays in %4 units.")
                                 .arg(captionOf(m_standardForce), name(), QuantityTable::unitSystemName(system),
                                      QuantityTable::unitSystemName(unitSystem()))};
    }
}

QStringList CylinderBorePanel::notes() const
{
    QStringList notes;
    // 0, the start-up text, means no margin; between 0 and 1 is less than none.
    const double safetyFactor = NumberText::parse(m_safetyFactor->text()).value_or(0.0);
    if (safetyFactor > 0.0 && safetyFactor < 1.0)
        notes.append(tr("A safety factor below 1 makes the area smaller than the force needs."));
    return notes + standardBoreNotes();
}

QStringList CylinderBorePanel::standardBoreNotes() const
{
    // The standard bore is empty for a minimum bore of 0 (nothing to order)
    // and for one beyond the series.
    const double minimumBore = NumberText::parse(m_minimumBore->text()).value_or(0.0);
    if (minimumBore > 0.0 && m_standardBore->text().isEmpty())
        return {tr("No standard bore is that large.")};
    return {};
}
