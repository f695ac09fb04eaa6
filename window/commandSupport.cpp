// SPDX-License-Identifier: MIT
// What every command of the window shares: cleaning the pending edit, reading
// its inputs, writing its results last, and the one place that tells the
// user why a command could not be carried out.
#include "frmPressureCalc.h"

#include "messageBoxes.h"
#include "numberText.h"
#include "screenReader.h"

#include <calculator/calculator.h>

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

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
                                 const std::function<void()> &undo, const Announcement &announcement)
{
    QString failure;
    FieldTexts results;
    bool written = false;
    try {
        finishPendingEdit();
        results = command();
        for (const FieldText &result : results)
            result.field->setText(result.text);
        written = true;
    } catch (const CommandRefused &refused) {
        failure = refused.message;
    } catch (const Calculator::ArithmeticError &error) {
        failure = describe(error);
    } catch (const std::exception &error) {
        failure = QStringLiteral("The calculation failed: %1. No result was changed.")
                      .arg(QString::fromUtf8(error.what()));
    }
    if (written) {
        announceResults(results, announcement);
        return;
    }
    if (undo)
        undo();
    MessageBoxes::warn(this, failure);
}

void frmPressureCalc::announceResults(const FieldTexts &results, const Announcement &announcement)
{
    if (!m_screenReader)
        return;
    // The command may have changed the units or the coefficient kind.
    m_screenReader->describeFields();
    QString sentence;
    if (announcement) {
        sentence = announcement(results);
    } else {
        QStringList spoken;
        for (const FieldText &result : results)
            spoken.append(m_screenReader->spokenValue(result.field, result.text));
        sentence = spoken.join(QStringLiteral(", "));
    }
    if (!sentence.isEmpty())
        m_screenReader->announce(sentence);
}

double frmPressureCalc::readNumber(const QLineEdit *field) const
{
    const auto value = NumberText::parse(field->text());
    if (!value)
        throw CommandRefused{QStringLiteral("\"%1\" does not hold a number. No result was changed.")
                                 .arg(captionOf(field))};
    return *value;
}
