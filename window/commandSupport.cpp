// SPDX-License-Identifier: MIT
// What every command of the window shares: cleaning the pending edit, reading
// its inputs, and telling the user when a calculation cannot be done.
#include "frmPressureCalc.h"

#include "controlTable.h"
#include "messageBoxes.h"
#include "numberText.h"

#include <calculator/calculator.h>

#include <QLabel>

namespace {

QString describe(const Calculator::ArithmeticError &error)
{
    using Kind = Calculator::ArithmeticError::Kind;
    switch (error.kind()) {
    case Kind::Overflow:
        return QStringLiteral("The result is too large to calculate. No result was changed.");
    case Kind::DivisionByZero:
        return QStringLiteral("These values make the calculation divide by zero. No result was changed.");
    case Kind::InvalidOperation:
        return QStringLiteral("These values make the calculation take the square root of a negative "
                              "number. No result was changed.");
    }
    return QString::fromUtf8(error.what());
}

} // namespace

QString frmPressureCalc::captionOf(const QString &fieldName) const
{
    for (const ControlTable::Caption &caption : ControlTable::captions())
        if (fieldName == QLatin1StringView(caption.field))
            return control<QLabel>(QString::fromLatin1(caption.label))->text();
    return fieldName;
}

void frmPressureCalc::runCommand(const std::function<void()> &command)
{
    try {
        finishPendingEdit();
        command();
    } catch (const Calculator::ArithmeticError &error) {
        MessageBoxes::warn(this, describe(error));
    } catch (const std::exception &error) {
        MessageBoxes::warn(this, QStringLiteral("The calculation failed: %1. No result was changed.")
                                     .arg(QString::fromUtf8(error.what())));
    }
}

bool frmPressureCalc::readNumbers(std::initializer_list<NumberInput> inputs)
{
    for (const NumberInput &input : inputs) {
        const QString name = QString::fromLatin1(input.field);
        const auto value = NumberText::parse(field(name)->text());
        if (!value) {
            MessageBoxes::warn(this, QStringLiteral("\"%1\" does not hold a number. No result was changed.")
                                         .arg(captionOf(name)));
            return false;
        }
        *input.value = *value;
    }
    return true;
}
