// SPDX-License-Identifier: MIT
#include "fields.h"

#include "lengthLimit.h"
#include "numberText.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

#include <algorithm>

namespace {

enum Column { CaptionColumn = 0, FieldColumn = 1, UnitColumn = 2 };

QString translated(const char *text)
{
    return QCoreApplication::translate("FieldTable", text);
}

// A start-up text as the user's locale writes it: "3.5" is "3,5" in German.
// The table writes numbers as C++ does; an empty text stays empty.
QString startText(const FieldTable::Row &row)
{
    bool number = false;
    const double value = QLocale::c().toDouble(QLatin1StringView(row.startText), &number);
    return number ? NumberText::formatGeneral(value) : QString::fromLatin1(row.startText);
}

QLineEdit *makeEdit(const FieldTable::Row &row)
{
    auto *edit = new QLineEdit;
    if (row.role == FieldTable::Role::Input)
        LengthLimit::allowOneMore(edit);
    edit->setText(startText(row));
    edit->setObjectName(QString::fromLatin1(row.field));
    if (row.toolTip)
        edit->setToolTip(translated(row.toolTip));
    if (row.role != FieldTable::Role::Input) {
        edit->setReadOnly(true);
        // A result is read from its first digit: a long one shows its start.
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { edit->setCursorPosition(0); });
    }
    return edit;
}

QLabel *makeLabel(const char *objectName, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

int selectedIndex(const QList<QRadioButton *> &buttons)
{
    const auto selected = std::ranges::find_if(buttons, &QRadioButton::isChecked);
    return selected == buttons.end() ? -1 : int(selected - buttons.begin());
}

} // namespace

Field buildField(const FieldTable::Row &row, int panel, QGridLayout *grid, int unitSystem)
{
    const int line = grid->rowCount() - (grid->isEmpty() ? 1 : 0);
    Field field{&row, panel, makeEdit(row), nullptr, nullptr, {}};
    const auto &units = QuantityTable::units(row.quantity);

    if (row.caption) {
        field.caption = makeLabel(row.caption, translated(row.captionText));
        field.caption->setBuddy(field.edit);
        grid->addWidget(field.caption, line, CaptionColumn);
    }
    grid->addWidget(field.edit, line, FieldColumn);
    if (row.unit && units.choice == QuantityTable::UnitChoice::CoefficientKind) {
        // The option pair names the field: one button before it, one after.
        for (int choice : {0, 1}) {
            auto *option = new QRadioButton(QuantityTable::optionCaption(row.quantity, choice));
            option->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1StringView(row.unit)).arg(choice));
            option->setChecked(choice == 0);
            grid->addWidget(option, line, choice == 0 ? CaptionColumn : UnitColumn);
            field.unitOptions.append(option);
        }
    } else if (row.unit) {
        field.unitLabel = makeLabel(row.unit, QString());
        grid->addWidget(field.unitLabel, line, UnitColumn);
        Fields::labelUnit(field, unitSystem);
    }
    return field;
}

const Field *Fields::find(const QWidget *control) const
{
    const auto found = std::ranges::find(m_fields, control, &Field::edit);
    return found == m_fields.end() ? nullptr : &*found;
}

QString Fields::caption(const Field &field)
{
    return field.caption ? field.caption->text() : QuantityTable::name(field.row->quantity);
}

QString Fields::unitShown(const Field &field)
{
    if (field.unitLabel)
        return field.unitLabel->text();
    const int selected = selectedIndex(field.unitOptions);
    return selected >= 0 ? field.unitOptions[selected]->text() : QString();
}

QString Fields::unitSpoken(const Field &field)
{
    const int selected = selectedIndex(field.unitOptions);
    if (selected >= 0)
        return QuantityTable::caption(field.row->quantity, selected);
    return unitShown(field);
}

void Fields::labelUnit(const Field &field, int unitSystem)
{
    if (!field.unitLabel)
        return;
    const auto choice = QuantityTable::units(field.row->quantity).choice;
    const QString caption = QuantityTable::caption(field.row->quantity,
                                                   choice == QuantityTable::UnitChoice::UnitSystem ? unitSystem : 0);
    if (field.unitLabel->text() != caption)
        field.unitLabel->setText(caption);
}
