// SPDX-License-Identifier: MIT
#pragma once

#include "quantityTable.h"

// One field of a panel, as one row of the panel's table: everything the
// window needs to build the field, its caption and its unit label, and to
// treat the field (cleaning, the unit switch, Return, the report, screen
// readers). The window lays the rows out in table order, each as caption |
// field | unit, inputs in the panel's "Input Values" frame and results and
// totals in its "Output Values" frame; the tab order follows the rows.
namespace FieldTable {

using QuantityTable::Quantity;

// What a field's text becomes when the keyboard focus leaves it.
enum class Cleaner {
    Magnitude, // a number its absolute value, anything else "0"
    Signed,    // a number stays as typed, anything else "0"
    None,      // the program alone writes the field
};

enum class Role {
    Input,  // the user types it; Return in it runs its panel's Calculate
    Result, // read-only; a command writes it
    Total,  // read-only; a running total over several calculations, which
            // a command adds to and another resets
};

struct Row {
    const char *field;   // the text field's object name; an array element carries "(index)"
    const char *caption; // the caption label's object name; nullptr: no label (see unit)
    const char *captionText; // marked with QT_TRANSLATE_NOOP("FieldTable", ...)
    // The unit label's object name, or the option-button array (named
    // without an index) whose buttons stand at the row's two ends and whose
    // selected button names the unit; nullptr: the field has no unit.
    // The quantity gives the unit's caption.
    const char *unit;
    Quantity quantity;
    Cleaner cleaner;
    Role role;
    // When the unit switch converts the field: 1 first, rows sharing a
    // number in panel order; 0: never (no unit of a system, or worked out
    // anew by a command).
    int switchOrder;
    const char *startText = "0";
    const char *toolTip = nullptr; // marked with QT_TRANSLATE_NOOP("FieldTable", ...)
};

} // namespace FieldTable
