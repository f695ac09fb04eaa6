// SPDX-License-Identifier: MIT
#pragma once

#include "fieldRow.h"

#include <QList>
#include <QString>

#include <span>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// A row of a panel's table with the controls built for it.
struct Field {
    const FieldTable::Row *row;
    int panel;         // the index of the panel that holds it
    QLineEdit *edit;
    QLabel *caption;   // nullptr: the quantity's name names it
    QLabel *unitLabel; // nullptr: no label shows its unit
    // The option buttons that choose its unit, at the row's two ends.
    QList<QRadioButton *> unitOptions;
};

// Builds the caption, the field and the unit of one row into the next line
// of a frame's grid (caption | field | unit), with the row's object names,
// start-up text, tool tip and unit caption in the unit system given. The
// caption names the field (its buddy) for the keyboard and screen readers.
Field buildField(const FieldTable::Row &row, int panel, QGridLayout *grid, int unitSystem);

// Every field of the window, panel by panel in table order: what names a
// field to the user, and its unit as shown and as spoken.
class Fields
{
public:
    Fields() = default;
    explicit Fields(std::vector<Field> fields) : m_fields(std::move(fields)) {}

    std::vector<Field>::const_iterator begin() const { return m_fields.begin(); }
    std::vector<Field>::const_iterator end() const { return m_fields.end(); }
    std::size_t size() const { return m_fields.size(); }

    // The field of a text field; nullptr for a control no row names.
    const Field *find(const QWidget *control) const;

    // What names the field to the user: the caption beside it ("Air
    // Pressure"), or its quantity ("Flow coefficient").
    static QString caption(const Field &field);
    // Its unit as the window shows it ("PSI", "Seconds", "CV Factor"); empty
    // when it has none.
    static QString unitShown(const Field &field);
    // Its unit as a screen reader says it: as shown, but a flow coefficient's
    // kind as "Cv" or "Kv".
    static QString unitSpoken(const Field &field);
    // Gives the unit label the caption of its quantity in a unit system;
    // a unit that follows no system keeps its caption.
    static void labelUnit(const Field &field, int unitSystem);

private:
    std::vector<Field> m_fields;
};
