// SPDX-License-Identifier: MIT
#include "quantityTable.h"

#include <calculator/calculator.h>
#include <calculator/rodBuckling.h>

#include <QCoreApplication>

#include <algorithm>

namespace QuantityTable {
namespace {

using Q = Quantity;
using C = UnitChoice;

// Written out as QT_TRANSLATE_NOOP("QuantityTable", ...), so that lupdate
// finds every text.
//
// quantity, name, chosen by,
//         captions, unit keys[, rounded on the switch]
constexpr std::array table{
    Units{Q::Pressure, QT_TRANSLATE_NOOP("QuantityTable", "Pressure"), C::UnitSystem,
          {QT_TRANSLATE_NOOP("QuantityTable", "PSI"), QT_TRANSLATE_NOOP("QuantityTable", "Bar")}, {"psi", "bar"}},
    Units{Q::Force, QT_TRANSLATE_NOOP("QuantityTable", "Force"), C::UnitSystem,
          {QT_TRANSLATE_NOOP("QuantityTable", "Pounds"), QT_TRANSLATE_NOOP("QuantityTable", "Newtons")},
          {"pounds", "newtons"}},
    Units{Q::Length, QT_TRANSLATE_NOOP("QuantityTable", "Length"), C::UnitSystem,
          {QT_TRANSLATE_NOOP("QuantityTable", "Inches"), QT_TRANSLATE_NOOP("QuantityTable", "mm")}, {"inch", "mm"}},
    Units{Q::Area, QT_TRANSLATE_NOOP("QuantityTable", "Area"), C::UnitSystem,
          {QT_TRANSLATE_NOOP("QuantityTable", "Sq. Inches"), QT_TRANSLATE_NOOP("QuantityTable", "Sq. mm")},
          {"sqinch", "sqmm"}},
    // The degree sign (U+00B0), then " F" or " c". A converted temperature is
    // rounded: the offset between the scales would show 15 digits.
    Units{Q::Temperature, QT_TRANSLATE_NOOP("QuantityTable", "Temperature"), C::UnitSystem,
          {QT_TRANSLATE_NOOP("QuantityTable", "° F"), QT_TRANSLATE_NOOP("QuantityTable", "° c")}, {"f", "c"},
          true},
    Units{Q::Flow, QT_TRANSLATE_NOOP("QuantityTable", "Flow"), C::UnitSystem,
          {QT_TRANSLATE_NOOP("QuantityTable", "SCFM"), QT_TRANSLATE_NOOP("QuantityTable", "L/min")}, {"scfm", "cmps"}},
    Units{Q::Volume, QT_TRANSLATE_NOOP("QuantityTable", "Volume"), C::UnitSystem,
          {QT_TRANSLATE_NOOP("QuantityTable", "Cubic Inch."), QT_TRANSLATE_NOOP("QuantityTable", "Cubic mm")},
          {"cinch", "cmm"}},
    // Converted by the valve command when the kind changes, never by the
    // unit switch.
    Units{Q::FlowCoefficient, QT_TRANSLATE_NOOP("QuantityTable", "Flow coefficient"), C::CoefficientKind,
          {QT_TRANSLATE_NOOP("QuantityTable", "Cv"), QT_TRANSLATE_NOOP("QuantityTable", "Kv")}, {}, false,
          {QT_TRANSLATE_NOOP("QuantityTable", "CV Factor"), QT_TRANSLATE_NOOP("QuantityTable", "kV Factor")}},
    Units{Q::ValveCoefficient, QT_TRANSLATE_NOOP("QuantityTable", "Flow coefficient"), C::UnitSystem,
          {QT_TRANSLATE_NOOP("QuantityTable", "Cv"), QT_TRANSLATE_NOOP("QuantityTable", "Kv")}, {"cv", "kv"}},
    // Converted by the length keys: inches or millimetres a second.
    Units{Q::Speed, QT_TRANSLATE_NOOP("QuantityTable", "Speed"), C::UnitSystem,
          {QT_TRANSLATE_NOOP("QuantityTable", "In/Sec"), QT_TRANSLATE_NOOP("QuantityTable", "mm/Sec")},
          {"inch", "mm"}},
    // psi or N/mm², converted by convert().
    Units{Q::Stress, QT_TRANSLATE_NOOP("QuantityTable", "Stress"), C::UnitSystem,
          {QT_TRANSLATE_NOOP("QuantityTable", "PSI"), QT_TRANSLATE_NOOP("QuantityTable", "N/mm²")},
          {}},
    Units{Q::Count, QT_TRANSLATE_NOOP("QuantityTable", "Count"), C::Fixed, {}, {}},
    Units{Q::Rate, QT_TRANSLATE_NOOP("QuantityTable", "Rate"), C::Fixed,
          {QT_TRANSLATE_NOOP("QuantityTable", "Per Minute"), QT_TRANSLATE_NOOP("QuantityTable", "Per Minute")}, {}},
    Units{Q::Time, QT_TRANSLATE_NOOP("QuantityTable", "Time"), C::Fixed,
          {QT_TRANSLATE_NOOP("QuantityTable", "Seconds"), QT_TRANSLATE_NOOP("QuantityTable", "Seconds")}, {}},
    Units{Q::Factor, QT_TRANSLATE_NOOP("QuantityTable", "Factor"), C::Fixed, {}, {}},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("QuantityTable", text);
}

} // namespace

const Units &units(Quantity quantity)
{
    const auto row = std::ranges::find(table, quantity, &Units::quantity);
    if (row == table.end())
        qFatal("quantity table: no row for quantity %d", int(quantity));
    return *row;
}

QString name(Quantity quantity)
{
    return translated(units(quantity).name);
}

QString caption(Quantity quantity, int choice)
{
    const char *text = units(quantity).captions.at(choice);
    return text ? translated(text) : QString();
}

QString optionCaption(Quantity quantity, int choice)
{
    const char *text = units(quantity).optionCaptions.at(choice);
    return text ? translated(text) : QString();
}

double convert(Quantity quantity, int from, double value)
{
    if (quantity == Quantity::Stress)
        return from == 0 ? Calculator::PsiToNewtonsPerSquareMillimetre(value)
                         : Calculator::NewtonsPerSquareMillimetreToPsi(value);
    return Calculator::ConvertUnits(value, units(quantity).keys.at(from));
}

QString unitSystemName(int system)
{
    return system == 0 ? translated(QT_TRANSLATE_NOOP("QuantityTable", "imperial"))
                       : translated(QT_TRANSLATE_NOOP("QuantityTable", "metric"));
}

} // namespace QuantityTable
