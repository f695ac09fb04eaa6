// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

// What the value of a field is, and so what unit it is shown in: the caption
// of the unit for each choice of the window (imperial or metric, or Cv or Kv)
// and the unit keys the unit switch converts with. The field table gives
// each field its quantity.
namespace QuantityTable {

enum class Quantity {
    Pressure,
    Force,
    Length,
    Area,
    Temperature,
    Flow,
    Volume,
    FlowCoefficient, // how much a valve lets through, as a Cv or a Kv, by the option pair beside it
    ValveCoefficient, // the same as typed: a Cv in imperial units, a Kv in metric
    Speed,
    Stress,
    Count,           // a number of things
    Rate,            // a number of times per minute
    Time,            // seconds in either unit system
    Factor,          // a plain number
};

// What picks the unit a value is shown in.
enum class UnitChoice {
    Fixed,           // nothing: the unit is the same in both systems ("Seconds")
    UnitSystem,      // the unit selector: imperial (0) or metric (1)
    CoefficientKind, // the option pair beside the field: Cv (0) or Kv (1)
};

struct Units {
    Quantity quantity;
    const char *name; // names a field that has no caption label
    UnitChoice choice;
    // The unit's caption for choice 0 and for choice 1 (Fixed: the same
    // twice; none for a plain number).
    std::array<const char *, 2> captions;
    // The unit key of a value in the unit of choice 0, and of choice 1: what
    // Calculator::ConvertUnits converts from into the other unit (a stress
    // has keys of its own; convert() knows them).
    std::array<const char *, 2> keys;
    // The unit switch rounds the converted value to 5 decimal places.
    bool roundedOnSwitch = false;
    // CoefficientKind: the captions of the two option buttons that choose it.
    std::array<const char *, 2> optionCaptions = {};
};

const Units &units(Quantity quantity);

// The quantity's name and its unit's caption for choice 0 or 1, translated.
QString name(Quantity quantity);
QString caption(Quantity quantity, int choice);
QString optionCaption(Quantity quantity, int choice);

// A value of the quantity in the unit of one choice, in the unit of the
// other. Throws Calculator::ArithmeticError when the result is too large.
double convert(Quantity quantity, int from, double value);

// "imperial" (0) or "metric" (1), as a sentence names the unit system.
QString unitSystemName(int system);

} // namespace QuantityTable
