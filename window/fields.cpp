// SPDX-License-Identifier: MIT
#include "fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

template<class Widget>
Widget *named(const Fields::Lookup &control, const char *name, const char *row)
{
    auto *widget = qobject_cast<Widget *>(control(QString::fromLatin1(name)));
    if (!widget)
        qFatal("field table, row %s: the window has no %s named %s", row, Widget::staticMetaObject.className(),
               name);
    return widget;
}

// The elements "name(0)", "name(1)", ... of an option-button array.
QList<QRadioButton *> optionArray(const Fields::Lookup &control, const char *name)
{
    QList<QRadioButton *> buttons;
    while (auto *button = qobject_cast<QRadioButton *>(
               control(QStringLiteral("%1(%2)").arg(QLatin1StringView(name)).arg(buttons.size()))))
        buttons.append(button);
    return buttons;
}

int selectedIndex(const QList<QRadioButton *> &buttons)
{
    const auto selected = std::ranges::find_if(buttons, &QRadioButton::isChecked);
    return selected == buttons.end() ? -1 : int(selected - buttons.begin());
}

} // namespace

Fields::Fields(const Lookup &control)
{
    for (const FieldTable::Row &row : FieldTable::rows()) {
        Field field{&row, named<QLineEdit>(control, row.field, row.field), nullptr, nullptr, {}};
        if (row.caption)
            field.caption = named<QLabel>(control, row.caption, row.field);
        if (row.unit) {
            field.unitLabel = qobject_cast<QLabel *>(control(QString::fromLatin1(row.unit)));
            if (!field.unitLabel)
                field.unitOptions = optionArray(control, row.unit);
            if (!field.unitLabel && field.unitOptions.isEmpty())
                qFatal("field table, row %s: the window has no unit label or option buttons named %s", row.field,
                       row.unit);
        }
        m_fields.push_back(std::move(field));
    }
}

const Fields::Field *Fields::find(const QWidget *control) const
{
    const auto found = std::ranges::find(m_fields, control, &Field::edit);
    return found == m_fields.end() ? nullptr : &*found;
}

QString Fields::caption(const Field &field) const
{
    return field.caption ? field.caption->text() : QuantityTable::name(field.row->quantity);
}

QString Fields::unitShown(const Field &field) const
{
    if (field.unitLabel)
        return field.unitLabel->text();
    const int selected = selectedIndex(field.unitOptions);
    return selected >= 0 ? field.unitOptions[selected]->text() : QString();
}

QString Fields::unitSpoken(const Field &field) const
{
    const int selected = selectedIndex(field.unitOptions);
    if (selected >= 0 && QuantityTable::units(field.row->quantity).choice == QuantityTable::UnitChoice::CoefficientKind)
        return QuantityTable::caption(field.row->quantity, selected);
    return unitShown(field);
}
