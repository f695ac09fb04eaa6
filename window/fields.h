// SPDX-License-Identifier: MIT
#pragma once

#include "fieldTable.h"

#include <QList>
#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// The rows of the field table with the controls of a window: what names a
// field to the user, and its unit as shown and as spoken.
class Fields
{
public:
    struct Field {
        const FieldTable::Row *row;
        QLineEdit *edit;
        QLabel *caption;   // nullptr: the quantity's name names it
        QLabel *unitLabel; // nullptr: no label shows its unit
        // The option buttons whose selected one shows its unit, if any.
        QList<QRadioButton *> unitOptions;
    };

    // A window's control by object name, or nullptr.
    using Lookup = std::function<QWidget *(const QString &objectName)>;

    Fields() = default;
    // Finds the controls of every row. A row naming a control the window
    // does not have, or one of another kind, is a fault in the table; it
    // stops the program the first time any window is built.
    explicit Fields(const Lookup &control);

    std::vector<Field>::const_iterator begin() const { return m_fields.begin(); }
    std::vector<Field>::const_iterator end() const { return m_fields.end(); }

    // The row of a text field; nullptr for a control no row names.
    const Field *find(const QWidget *control) const;

    // What names the field to the user: the caption beside it ("Air
    // Pressure"), or its quantity ("Flow coefficient").
    QString caption(const Field &field) const;
    // Its unit as the window shows it ("PSI", "Seconds", "CV Factor"); empty
    // when it has none.
    QString unitShown(const Field &field) const;
    // Its unit as a screen reader says it: as shown, but a flow coefficient's
    // kind as "Cv" or "Kv".
    QString unitSpoken(const Field &field) const;

private:
    std::vector<Field> m_fields;
};
