// SPDX-License-Identifier: MIT
// Switching the whole window between imperial and metric units.
//
// Selecting the other unit button records the system, relabels every unit
// caption and converts every dimensioned field of all three panels, inputs and
// results alike. The switch is all or nothing: every new text is worked out
// before anything is written, and a value that cannot be converted leaves the
// window as it was.
#include "frmPressureCalc.h"

#include "messageBoxes.h"
#include "numberText.h"

#include <calculator/calculator.h>

#include <QRadioButton>

#include <optional>
#include <string_view>
#include <vector>

namespace {

// The converted fields in the order they are converted, each with the unit
// key of its value in imperial and in metric units. The keys name the unit
// converted from.
struct FieldConversion {
    const char *name; // a single field, or every element of a control array
    const char *fromImperial;
    const char *fromMetric;
    bool rounded;
};

constexpr FieldConversion conversions[] = {
    {"txtAirPressure", "psi", "bar", false},
    {"txtCylinderBore", "inch", "mm", false},
    {"txtAreaRequired", "sqinch", "sqmm", false},
    {"txtForceRequired", "pounds", "newtons", false},
    {"txtInstFlow", "scfm", "cmps", false},
    {"txtMinBoreSize", "inch", "mm", false},
    {"txtPullForce", "pounds", "newtons", false},
    {"txtPushForce", "pounds", "newtons", false},
    {"txtRodDiameter", "inch", "mm", false},
    {"txtRoomTemp", "f", "c", true},
    {"txtSystemFlow", "scfm", "cmps", false},
    {"txtStrokeLength", "inch", "mm", false},
    {"txtVolume", "cinch", "cmm", false},
    {"txtPressureDrop", "psi", "bar", false},
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
    for (int index = 0; QWidget *button : controlArray(QStringLiteral("Option1"))) {
        connect(qobject_cast<QRadioButton *>(button), &QRadioButton::toggled, this,
                [this, index](bool checked) {
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
    finishPendingEdit();

    struct NewText {
        QLineEdit *field;
        QString text;
    };
    std::vector<NewText> newTexts;
    for (const FieldConversion &conversion : conversions) {
        const std::string_view key = system == Metric ? conversion.fromImperial : conversion.fromMetric;
        const QString name = QString::fromLatin1(conversion.name);
        QList<QWidget *> elements = controlArray(name);
        if (elements.isEmpty())
            elements.append(field(name));
        for (QWidget *element : elements) {
            auto *lineEdit = qobject_cast<QLineEdit *>(element);
            const auto value = NumberText::parse(lineEdit->text());
            if (!value)
                continue; // a text that is no number stays as it is
            const auto text = convertedText(*value, key, conversion.rounded);
            if (!text) {
                refuseUnitSwitch(lineEdit, system);
                return;
            }
            newTexts.push_back({lineEdit, *text});
        }
    }

    m_unitSystem = qint16(system);
    control<QRadioButton>(QStringLiteral("Option1(%1)").arg(system))->setChecked(true);
    labelUnits(system);
    for (const NewText &newText : newTexts)
        newText.field->setText(newText.text);
}

void frmPressureCalc::refuseUnitSwitch(QLineEdit *failedField, int system)
{
    // Put the selection back first, so the window shows the system it is
    // still in while the message is up. The old button reports its selection,
    // which switchUnits ignores: that system is the one in force.
    control<QRadioButton>(QStringLiteral("Option1(%1)").arg(m_unitSystem))->setChecked(true);

    QString panel;
    const QList<QWidget *> panels = controlArray(QStringLiteral("Frame"));
    for (int index = 0; index < panels.size(); ++index)
        if (panels[index]->isAncestorOf(failedField))
            panel = control<QRadioButton>(QStringLiteral("optCalculator(%1)").arg(index))->text();

    MessageBoxes::warn(this, QStringLiteral("The value in \"%1\" on the %2 panel is too large to convert "
                                            "to %3 units. Nothing was changed: the window stays in %4 units.")
                                 .arg(captionOf(failedField->objectName()), panel, systemName(system),
                                      systemName(m_unitSystem)));
}
