// SPDX-License-Identifier: MIT
#include "commandRunner.h"

#include "fieldCleaner.h"
#include "messageBoxes.h"
#include "screenReader.h"
#include "statusNotes.h"

#include <calculator/arithmeticError.h>

#include <QCoreApplication>
#include <QLineEdit>

namespace {

QString describe(const Calculator::ArithmeticError &error)
{
    using Kind = Calculator::ArithmeticError::Kind;
    switch (error.kind()) {
    case Kind::Overflow:
        return QCoreApplication::translate("CommandRunner", "The result is too large to calculate. No result was changed.");
    case Kind::DivisionByZero:
        return QCoreApplication::translate("CommandRunner", "These values make the calculation divide by zero. No result was changed.");
    case Kind::InvalidOperation:
        return QCoreApplication::translate("CommandRunner", "These values make the calculation take the square root of a negative number. No result was "
                  "changed.");
    }
    return QString::fromUtf8(error.what());
}

} // namespace

CommandRunner::CommandRunner(QWidget *window, FieldCleaner &cleaner, StatusNotes &notes)
    : m_window(window), m_cleaner(cleaner), m_notes(notes)
{
}

void CommandRunner::finishPendingEdit()
{
    // The field being edited need not have the application's focus: the
    // window may not be active (a click on the selector of an inactive
    // window, or a message box still closing).
    m_cleaner.cleanPending();
}

void CommandRunner::run(const Command &command)
{
    m_warnings.clear();
    QString failure;
    QString note;
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
    } catch (const CommandNoted &noted) {
        note = noted.note;
    } catch (const Calculator::ArithmeticError &error) {
        failure = describe(error);
    } catch (const std::exception &error) {
        failure = QCoreApplication::translate("CommandRunner", "The calculation failed: %1. No result was changed.").arg(QString::fromUtf8(error.what()));
    }
    if (written) {
        m_notes.commandRan(command.notes ? command.notes() : QStringList());
        announce(results, command);
        return;
    }
    if (command.undo)
        command.undo();
    if (!note.isEmpty()) {
        m_notes.commandRan({note});
        if (m_screenReader)
            m_screenReader->announce(note);
        return;
    }
    m_notes.commandRan({});
    MessageBoxes::warn(m_window, failure);
}

void CommandRunner::announce(const FieldTexts &results, const Command &command)
{
    if (!m_screenReader)
        return;
    // The command may have changed the units or the coefficient kind.
    m_screenReader->describeFields();
    QString sentence;
    if (command.announcement) {
        sentence = command.announcement(results);
    } else {
        QStringList spoken;
        for (const FieldText &result : results)
            spoken.append(m_screenReader->spokenValue(result.field, result.text));
        sentence = spoken.join(QCoreApplication::translate("CommandRunner", ", ",
                                                           "between the results a screen reader is told"));
    }
    // The notes the status bar shows now, after the results.
    const QString notes = m_notes.text();
    if (!notes.isEmpty() && !sentence.isEmpty() && !sentence.endsWith(QLatin1Char('.')))
        sentence += QLatin1Char('.');
    if (!notes.isEmpty())
        sentence = sentence.isEmpty() ? notes : sentence + QLatin1Char(' ') + notes;
    if (!sentence.isEmpty())
        m_screenReader->announce(sentence);
}
