// SPDX-License-Identifier: MIT
// What every command of the window shares: cleaning the pending edit, reading
// its inputs, writing its results last, and the one place that tells the
// user why a command could not be carried out.
#include "frmPressureCalc.h"

#include "messageBoxes.h"
#include "numberText.h"

#include <calculator/calculator.h>

#include <QLabel>
#include <QLineEdit>

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

QString frmPressureCalc::captionOf(const QWidget *field) const
{
    const QLabel *label = m_captionLabels.value(field);
    return label ? label->text() : field->objectName();
}

void frmPressureCalc::runCommand(const std::function<FieldTexts()> &command,
                                 const std::function<void()> &undo)
{
    QString failure;
    try {
        finishPendingEdit();
        for (const FieldText &result : command())
            result.field->setText(result.text);
        return;
    } catch (const CommandRefused &refused) {
        failure = refused.message;
    } catch (const Calculator::ArithmeticError &error) {
        failure = describe(error);
    } catch (const std::exception &error) {
        failure = QStringLiteral("The calculation failed: %1. No result was changed.")
                      .arg(QString::fromUtf8(error.what()));
    }
    if (undo)
        undo();
    MessageBoxes::warn(this, failure);
}

double frmPressureCalc::readNumber(const QLineEdit *field) const
{
    const auto value = NumberText::parse(field->text());
    if (!value)
        throw CommandRefused{QStringLiteral("\"%1\" does not hold a number. No result was changed.")
                                 .arg(captionOf(field))};
    return *value;
}
