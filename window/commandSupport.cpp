// SPDX-License-Identifier: MIT
// What every command of the window shares: cleaning the pending edit, reading
// its inputs, writing its results last, and the one place that tells the
// user why a command could not be carried out.
#include "frmPressureCalc.h"

#include "messageBoxes.h"
#include "numberText.h"
#include "screenReader.h"
#include "statusNotes.h"

#include <calculator/calculator.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include <algorithm>

namespace {

QString describe(const Calculator::ArithmeticError &error)
{
    using Kind = Calculator::ArithmeticError::Kind;
    switch (error.kind()) {
    case Kind::Overflow:
        return frmPressureCalc::tr("The result is too large to calculate. No result was changed.");
    case Kind::DivisionByZero:
        return frmPressureCalc::tr("These values make the calculation divide by zero. No result was changed.");
    case Kind::InvalidOperation:
        return frmPressureCalc::tr("These values make the calculation take the square root of a negative "
                                   "number. No result was changed.");
    }
    return QString::fromUtf8(error.what());
}

} // namespace

QString frmPressureCalc::captionOf(const QWidget *field) const
{
    const Fields::Field *found = m_fields.find(field);
    return found ? m_fields.caption(*found) : field->objectName();
}

QString frmPressureCalc::panelNameOf(const QWidget *field) const
{
    const Fields::Field *found = m_fields.find(field);
    return found ? m_ui.calculatorSelector.at(int(found->row->panel))->text() : QString();
}

void frmPressureCalc::runCommand(const Command &command)
{
    QString failure;
    FieldTexts results;
    bool written = false;
    try {
        finishPendingEdit();
        results = command.work();
        for (const FieldText &result : results)
            result.field->setText(result.text);
        if (command.alsoWrite)
            command.alsoWrite();
        written = true;
    } catch (const CommandRefused &refused) {
        failure = refused.message;
    } catch (const Calculator::ArithmeticError &error) {
        failure = describe(error);
    } catch (const std::exception &error) {
        failure = tr("The calculation failed: %1. No result was changed.").arg(QString::fromUtf8(error.what()));
    }
    if (written) {
        m_statusNotes->commandRan(command.notes ? command.notes() : QStringList());
        announceResults(results, command.announcement);
        return;
    }
    if (command.undo)
        command.undo();
    m_statusNotes->commandRan({});
    MessageBoxes::warn(this, failure);
}

void frmPressureCalc::connectCommand(QPushButton *button, FieldTexts (frmPressureCalc::*work)() const,
                                     QStringList (frmPressureCalc::*notes)() const)
{
    // The panel whose Calculate the button is, or -1.
    const auto calculating = calculateButtons();
    const auto found = std::ranges::find(calculating, button);
    const int panel = found == calculating.end() ? -1 : int(found - calculating.begin());
    connect(button, &QPushButton::clicked, this, [this, work, notes, panel] {
        m_warningsOfCommand.clear();
        runCommand({
            .work = [this, work] { return (this->*work)(); },
            .alsoWrite = [this, panel] {
                if (panel >= 0)
                    recordCalculation(panel);
            },
            .notes = notes ? std::function<QStringList()>([this, notes] { return (this->*notes)(); })
                           : std::function<QStringList()>(),
        });
    });
}

std::array<QPushButton *, 3> frmPressureCalc::calculateButtons() const
{
    return {m_ui.calculateBoreButton, m_ui.calculateForceButton, m_ui.calculateValveFlowButton};
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
        sentence = spoken.join(tr(", ", "between the results a screen reader is told"));
    }
    // The notes the status bar shows now, after the results.
    const QString notes = m_statusNotes->text();
    if (!notes.isEmpty() && !sentence.isEmpty() && !sentence.endsWith(QLatin1Char('.')))
        sentence += QLatin1Char('.');
    if (!notes.isEmpty())
        sentence = sentence.isEmpty() ? notes : sentence + QLatin1Char(' ') + notes;
    if (!sentence.isEmpty())
        m_screenReader->announce(sentence);
}

double frmPressureCalc::readNumber(const QLineEdit *field) const
{
    const auto value = NumberText::parse(field->text());
    if (!value)
        throw CommandRefused{tr("\"%1\" does not hold a number. No result was changed.").arg(captionOf(field))};
    return *value;
}
