// SPDX-License-Identifier: MIT
#pragma once

#include "quantityTable.h"

#include <span>

// The fields of the three calculator panels, one row per field: which
// controls show it, what it holds and how the window treats it. The unit
// switch, the cleaning of fields, the unit captions, the screen-reader
// descriptions and the Return key read this table; the commands reach the
// fields they compute with through their members of FormControls.
//
// A new field is one row here, plus its controls in the control table (the
// field, its caption label and its unit label) and, if a command reads or
// writes it, a member in FormControls.
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

// The index of the panel in Frame and of its button in optCalculator.
enum class Panel { CylinderBore = 0, CylinderForce = 1, ValveFlow = 2 };

struct Row {
    const char *field;   // the text field's object name
    const char *caption; // the caption label that names it; nullptr: its quantity's name does
    // The label beside it that shows its unit, or the option-button array
    // (named without an index) whose selected button does; nullptr: none.
    const char *unit;
    Quantity quantity;
    Cleaner cleaner;
    Role role;
    Panel panel;
    // When the unit switch converts the field: 1 first, rows sharing a
    // number in table order; 0: never (no unit of a system, or worked out
    // anew by a command).
    int switchOrder;
};

// Panel by panel in screen order: each panel's inputs from the top, then its
// results from the top, then its totals from the top.
std::span<const Row> rows();

} // namespace FieldTable
