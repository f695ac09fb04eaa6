// SPDX-License-Identifier: MIT
#include "unitSwitch.h"

#include "numberText.h"
#include "optionGroups.h"
#include "panel.h"

#include <calculator/calculator.h>

#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <memory>

namespace {

// The text of a value converted with a unit key, or nothing when the result
// leaves the double range. A result so close to the largest double that its
// 15-digit form reads back beyond the range cannot be shown either.
std::optional<QString> convertedText(QuantityTable::Quantity quantity, int from, double value, bool rounded)
{
    double converted = 0.0;
    try {
        converted = QuantityTable::convert(quantity, from, value);
    } catch (const Calculator::ArithmeticError &) {
        return std::nullopt;
    }
    const QString text = rounded ? NumberText::formatRounded(converted) : NumberText::formatGeneral(converted);
    if (!NumberText::isNumber(text))
        return std::nullopt;
    return text;
}

} // namespace

UnitSwitch::UnitSwitch(std::array<QRadioButton *, 2> selector, std::span<Panel *const> panels,
                       CommandRunner &runner, qint16 &system, QObject *parent)
    : QObject(parent), m_selector(selector), m_panels(panels), m_runner(runner), m_system(system)
{
    OptionGroups::onSelected(m_selector, this, [this](int system) { switchTo(system); });
}

void UnitSwitch::switchTo(int system)
{
    // The conversion always starts from the other system, so it must never
    // run for the system already in force: that is the selection being put
    // back after a refused switch.
    if (system == m_system)
        return;

    // The texts before the switch, for the next switch to restore; taken
    // once the pending edit is cleaned.
    auto before = std::make_shared<QHash<const QLineEdit *, QString>>();
    m_runner.run({
        .work =
            [this, system, before] {
                FieldTexts texts = textsFor(system);
                for (const FieldText &text : texts)
                    before->insert(text.field, text.field->text());
                return texts;
            },
        .alsoWrite =
            [this, system, before] {
                m_system = qint16(system);
                m_selector[system]->setChecked(true);
                for (Panel *panel : m_panels)
                    panel->labelUnits(system);
                m_lastSwitch.clear();
                for (auto it = before->cbegin(); it != before->cend(); ++it)
                    m_lastSwitch.insert(it.key(), {it.value(), it.key()->text()});
            },
        // A refused switch puts the selection back first, so the window shows
        // the system it is still in while the message is up. The old button
        // reports its selection, which the test above ignores.
        .undo = [this] { m_selector[m_system]->setChecked(true); },
        .announcement =
            [system](const FieldTexts &) {
                return tr("Now in %1 units; every value was converted.").arg(QuantityTable::unitSystemName(system));
            },
        .notes =
            [this] {
                QStringList notes;
                for (const Panel *panel : m_panels)
                    notes += panel->notesAfterSwitch();
                return notes;
            },
    });
}

std::optional<QString> UnitSwitch::textBeforeSwitch(const QLineEdit *field) const
{
    const auto found = m_lastSwitch.constFind(field);
    if (found == m_lastSwitch.cend() || found->written != field->text())
        return std::nullopt;
    return found->before;
}

FieldTexts UnitSwitch::textsFor(int system) const
{
    // By switch order, fields of one order panel by panel in table order:
    // the first field that cannot be converted is the one the refusal names.
    std::vector<std::pair<const Field *, const Panel *>> converted;
    for (const Panel *panel : m_panels)
        for (const Field &field : panel->fields())
            if (field.row->switchOrder > 0)
                converted.emplace_back(&field, panel);
    std::ranges::stable_sort(converted, {}, [](const auto &entry) { return entry.first->row->switchOrder; });

    FieldTexts newTexts;
    for (const auto &[field, panel] : converted) {
        const QuantityTable::Units &units = QuantityTable::units(field->row->quantity);
        if (const auto before = textBeforeSwitch(field->edit)) {
            newTexts.push_back({field->edit, *before});
            continue;
        }
        const auto value = NumberText::parse(field->edit->text());
        if (!value)
            continue; // a text that is no number stays as it is
        const auto text = convertedText(field->row->quantity, 1 - system, *value, units.roundedOnSwitch);
        if (!text)
            throw CommandRefused{tr("The value in \"%1\" on the %2 panel is too large to convert to %3 units. "
                                    "Nothing was changed: the window stays in %4 units.")
                                     .arg(Fields::caption(*field), panel->name(),
                                          QuantityTable::unitSystemName(system),
                                          QuantityTable::unitSystemName(m_system))};
        newTexts.push_back({field->edit, *text});
    }

    const auto before = [this](const QLineEdit *field) { return textBeforeSwitch(field); };
    for (const Panel *panel : m_panels)
        for (FieldText &text : panel->textsAfterSwitch(newTexts, system, before))
            newTexts.push_back(std::move(text));
    return newTexts;
}
