// SPDX-License-Identifier: MIT
// Switching the whole window between imperial and metric units.
//
// Selecting the other unit button records the system, relabels every unit
// caption and converts every dimensioned field of all three panels, inputs and
// results alike; the standard bore is chosen again from the other system's
// series rather than converted. The switch is all or nothing: every new text
// is worked out before anything is written, and a value that cannot be
// converted leaves the window as it was.
#include "frmPressureCalc.h"

#include "numberText.h"

#include <calculator/calculator.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include <optional>
#include <span>
#include <string_view>

namespace {

// A converted field, or every element of a control array, with the unit key
// of its value in imperial and in metric units. The keys name the unit
// converted from.
struct FieldConversion {
    std::span<QLineEdit *const> fields;
    const char *fromImperial;
    const char *fromMetric;
    bool rounded;
};

// The text of a value converted with a unit key, or nothing when the result
// leaves the double range. A result so close to the largest double that its
// 15-digit form reads back beyond the range cannot be shown either.
std::optional<QString> convertedText(double value, std::string_view key, bool rounded)
{
    double converted = 0.0;
    try {
        converted = Calculator::ConvertUnits(value, key);
    } catch (const Calculator::ArithmeticError &) {
        return std::nullopt;
    }
    const QString text = rounded ? NumberText::formatRounded(converted) : NumberText::formatGeneral(converted);
    if (!NumberText::isNumber(text))
        return std::nullopt;
    return text;
}

QString systemName(int system)
{
    return system == frmPressureCalc::Imperial ? QStringLiteral("imperial") : QStringLiteral("metric");
}

} // namespace

void frmPressureCalc::connectUnitSwitch()
{
    // Only the button that becomes selected reports; a click on the button
    // already selected toggles nothing.
    for (int index = 0; QRadioButton *button : m_ui.unitSelector) {
        connect(button, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                switchUnits(index);
        });
        ++index;
    }
}

void frmPressureCalc::switchUnits(int system)
{
    // The conversion always starts from the other system, so it must never
    // run for the system already in force: that is the selection being put
    // back after a refused switch.
    if (system == m_unitSystem)
        return;

    // A refused switch puts the selection back first, so the window shows the
    // system it is still in while the message is up. The old button reports
    // its selection, which the test above ignores.
    const auto putSelectionBack = [this] { m_ui.unitSelector[m_unitSystem]->setChecked(true); };
    runCommand(
        [this, system] {
            FieldTexts converted = convertFieldsTo(system);
            m_unitSystem = qint16(system);
            m_ui.unitSelector[system]->setChecked(true);
            labelUnits(system);
            return converted;
        },
        putSelectionBack,
        [system](const FieldTexts &) {
            return QStringLiteral("Now in %1 units; every value was converted.").arg(systemName(system));
        });
}

frmPressureCalc::FieldTexts frmPressureCalc::convertFieldsTo(int system) const
{
    // The order in which the fields are converted.
    const FieldConversion conversions[] = {
        {m_ui.airPressure, "psi", "bar", false},
        {m_ui.cylinderBore, "inch", "mm", false},
        {{&m_ui.areaRequired, 1}, "sqinch", "sqmm", false},
        {{&m_ui.forceRequired, 1}, "pounds", "newtons", false},
        {{&m_ui.instantaneousFlow, 1}, "scfm", "cmps", false},
        {{&m_ui.minimumBore, 1}, "inch", "mm", false},
        {{&m_ui.pullForce, 1}, "pounds", "newtons", false},
        {{&m_ui.pushForce, 1}, "pounds", "newtons", false},
        {{&m_ui.rodDiameter, 1}, "inch", "mm", false},
        {{&m_ui.roomTemperature, 1}, "f", "c", true},
        {{&m_ui.systemFlow, 1}, "scfm", "cmps", false},
        {{&m_ui.strokeLength, 1}, "inch", "mm", false},
        {{&m_ui.volume, 1}, "cinch", "cmm", false},
        {{&m_ui.pressureDrop, 1}, "psi", "bar", false},
    };

    FieldTexts newTexts;
    for (const FieldConversion &conversion : conversions) {
        const std::string_view key = system == Metric ? conversion.fromImperial : conversion.fromMetric;
        for (QLineEdit *field : conversion.fields) {
            const auto value = NumberText::parse(field->text());
            if (!value)
                continue; // a text that is no number stays as it is
            const auto text = convertedText(*value, key, conversion.rounded);
            if (!text) {
                QString panel;
                for (int index = 0; index < int(m_ui.panels.size()); ++index)
                    if (m_ui.panels[index]->isAncestorOf(field))
                        panel = m_ui.calculatorSelector[index]->text();
                throw CommandRefused{
                    QStringLiteral("The value in \"%1\" on the %2 panel is too large to convert to %3 units. "
                                   "Nothing was changed: the window stays in %4 units.")
                        .arg(captionOf(field), panel, systemName(system), systemName(m_unitSystem))};
            }
            newTexts.push_back({field, *text});
        }
    }

    // A converted standard bore is a size nobody makes (3.25 in is 82.55 mm):
    // the bore panel's standard bore is chosen again from the new system's
    // series, for the minimum bore and air pressure as just converted. A
    // field left unconverted gives no standard bore.
    const auto convertedValue = [&newTexts](const QLineEdit *field) -> std::optional<double> {
        for (const FieldText &converted : newTexts)
            if (converted.field == field)
                return NumberText::parse(converted.text);
        return std::nullopt;
    };
    const auto minimumBore = convertedValue(m_ui.minimumBore);
    const auto pressure = convertedValue(m_ui.airPressure[0]);
    FieldTexts standard{{m_ui.standardBore, QString()}, {m_ui.standardForce, QString()}};
    if (minimumBore && pressure) {
        try {
            standard = standardBoreTexts(*minimumBore, *pressure, system);
        } catch (const Calculator::ArithmeticError &) {
            throw CommandRefused{
                QStringLiteral("The value in \"%1\" on the %2 panel is too large to work out in %3 units. "
                               "Nothing was changed: the window stays in %4 units.")
                    .arg(captionOf(m_ui.standardForce), m_ui.calculatorSelector[0]->text(), systemName(system),
                         systemName(m_unitSystem))};
        }
    }
    for (FieldText &text : standard)
        newTexts.push_back(std::move(text));
    return newTexts;
}
