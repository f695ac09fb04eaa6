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
    for (int index = 0; QRadioButton *button : m_ui.Option1) {
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
    const auto putSelectionBack = [this] { m_ui.Option1[m_unitSystem]->setChecked(true); };
    runCommand(
        [this, system] {
            FieldTexts converted = convertFieldsTo(system);
            m_unitSystem = qint16(system);
            m_ui.Option1[system]->setChecked(true);
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
        {m_ui.txtAirPressure, "psi", "bar", false},
        {m_ui.txtCylinderBore, "inch", "mm", false},
        {{&m_ui.txtAreaRequired, 1}, "sqinch", "sqmm", false},
        {{&m_ui.txtForceRequired, 1}, "pounds", "newtons", false},
        {{&m_ui.txtInstFlow, 1}, "scfm", "cmps", false},
        {{&m_ui.txtMinBoreSize, 1}, "inch", "mm", false},
        {{&m_ui.txtPullForce, 1}, "pounds", "newtons", false},
        {{&m_ui.txtPushForce, 1}, "pounds", "newtons", false},
        {{&m_ui.txtRodDiameter, 1}, "inch", "mm", false},
        {{&m_ui.txtRoomTemp, 1}, "f", "c", true},
        {{&m_ui.txtSystemFlow, 1}, "scfm", "cmps", false},
        {{&m_ui.txtStrokeLength, 1}, "inch", "mm", false},
        {{&m_ui.txtVolume, 1}, "cinch", "cmm", false},
        {{&m_ui.txtPressureDrop, 1}, "psi", "bar", false},
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
                for (int index = 0; index < int(m_ui.Frame.size()); ++index)
                    if (m_ui.Frame[index]->isAncestorOf(field))
                        panel = m_ui.optCalculator[index]->text();
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
    const auto minimumBore = convertedValue(m_ui.txtMinBoreSize);
    const auto pressure = convertedValue(m_ui.txtAirPressure[0]);
    FieldTexts standard{{m_ui.txtStandardBore, QString()}, {m_ui.txtStandardForce, QString()}};
    if (minimumBore && pressure) {
        try {
            standard = standardBoreTexts(*minimumBore, *pressure, system);
        } catch (const Calculator::ArithmeticError &) {
            throw CommandRefused{
                QStringLiteral("The value in \"%1\" on the %2 panel is too large to work out in %3 units. "
                               "Nothing was changed: the window stays in %4 units.")
                    .arg(captionOf(m_ui.txtStandardForce), m_ui.optCalculator[0]->text(), systemName(system),
                         systemName(m_unitSystem))};
        }
    }
    for (FieldText &text : standard)
        newTexts.push_back(std::move(text));
    return newTexts;
}
