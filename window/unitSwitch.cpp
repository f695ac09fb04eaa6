// SPDX-License-Identifier: MIT
// Switching the whole window between imperial and metric units.
//
// Selecting the other unit button converts every field the field table gives
// a switch order, on all three panels, inputs and results alike, and relabels
// every unit caption; the bore command chooses the standard bore again from
// the other system's series rather than converting it. The switch is all or
// nothing: every new text is worked out before anything is written, and a
// value that cannot be converted leaves the window as it was.
//
// Looking at the other system does not change what was typed: the factors
// are not exact inverses of each other (1 inch is 25.4 mm, but 25.4 mm is
// 1.00076 inches), so switching back restores, for every field that still
// holds the text the switch wrote, the text it had before. A field edited,
// calculated or cleaned into another text since is converted. The standard
// bore comes back with the minimum bore and pressure it was chosen for.
#include "frmPressureCalc.h"

#include "numberText.h"
#include "optionGroups.h"

#include <calculator/calculator.h>

#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string_view>

namespace {

// The fields the switch converts, in the order it converts them: by their
// switch order, fields of the same order as the table lists them.
std::vector<const Fields::Field *> conversionOrder(const Fields &fields)
{
    std::vector<const Fields::Field *> converted;
    for (const Fields::Field &field : fields)
        if (field.row->switchOrder > 0)
            converted.push_back(&field);
    std::ranges::stable_sort(converted, {}, [](const Fields::Field *field) { return field->row->switchOrder; });
    return converted;
}

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

} // namespace

void frmPressureCalc::connectUnitSwitch()
{
    OptionGroups::onSelected(m_ui.unitSelector, this, [this](int system) { switchUnits(system); });
}

QString frmPressureCalc::unitSystemName(int system)
{
    return system == Imperial ? tr("imperial") : tr("metric");
}

void frmPressureCalc::switchUnits(int system)
{
    // The conversion always starts from the other system, so it must never
    // run for the system already in force: that is the selection being put
    // back after a refused switch.
    if (system == m_unitSystem)
        return;

    // The texts before the switch, for the next switch to restore; taken
    // once the pending edit is cleaned.
    auto before = std::make_shared<QHash<const QLineEdit *, QString>>();
    runCommand({
        .work =
            [this, system, before] {
                FieldTexts texts = unitSwitchTexts(system);
                for (const FieldText &text : texts)
                    before->insert(text.field, text.field->text());
                return texts;
            },
        .alsoWrite =
            [this, system, before] {
                m_unitSystem = qint16(system);
                m_ui.unitSelector[system]->setChecked(true);
                labelUnits(system);
                m_lastSwitch.clear();
                for (auto it = before->cbegin(); it != before->cend(); ++it)
                    m_lastSwitch.insert(it.key(), {it.value(), it.key()->text()});
            },
        // A refused switch puts the selection back first, so the window shows
        // the system it is still in while the message is up. The old button
        // reports its selection, which the test above ignores.
        .undo = [this] { m_ui.unitSelector[m_unitSystem]->setChecked(true); },
        .announcement =
            [system](const FieldTexts &) {
                return tr("Now in %1 units; every value was converted.").arg(unitSystemName(system));
            },
        .notes = [this] { return standardBoreNotes(); },
    });
}

std::optional<QString> frmPressureCalc::textBeforeSwitch(const QLineEdit *field) const
{
    const auto found = m_lastSwitch.constFind(field);
    if (found == m_lastSwitch.cend() || found->written != field->text())
        return std::nullopt;
    return found->before;
}

frmPressureCalc::FieldTexts frmPressureCalc::unitSwitchTexts(int system) const
{
    FieldTexts newTexts = convertedFields(system);
    const std::array standard{m_ui.standardBore, m_ui.standardForce};
    const std::array choice{m_ui.minimumBore, m_ui.airPressure[0], m_ui.standardBore, m_ui.standardForce};
    const bool restored = std::ranges::all_of(choice, [this](const QLineEdit *field) {
        return textBeforeSwitch(field).has_value();
    });
    if (restored) {
        for (QLineEdit *field : standard)
            newTexts.push_back({field, *textBeforeSwitch(field)});
        return newTexts;
    }
    for (FieldText &text : standardBoreAfterSwitch(newTexts, system))
        newTexts.push_back(std::move(text));
    return newTexts;
}

frmPressureCalc::FieldTexts frmPressureCalc::convertedFields(int system) const
{
    FieldTexts newTexts;
    for (const Fields::Field *field : conversionOrder(m_fields)) {
        const QuantityTable::Units &units = QuantityTable::units(field->row->quantity);
        // The key names the unit the value is in now.
        const std::string_view key = units.keys[system == Metric ? Imperial : Metric];
        if (const auto before = textBeforeSwitch(field->edit)) {
            newTexts.push_back({field->edit, *before});
            continue;
        }
        const auto value = NumberText::parse(field->edit->text());
        if (!value)
            continue; // a text that is no number stays as it is
        const auto text = convertedText(*value, key, units.roundedOnSwitch);
        if (!text)
            throw CommandRefused{tr("The value in \"%1\" on the %2 panel is too large to convert to %3 units. "
                                    "Nothing was changed: the window stays in %4 units.")
                                     .arg(m_fields.caption(*field), panelNameOf(field->edit), unitSystemName(system),
                                          unitSystemName(m_unitSystem))};
        newTexts.push_back({field->edit, *text});
    }
    return newTexts;
}
