// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class FieldCleaner;
class QLineEdit;
class QWidget;
class ScreenReader;
class StatusNotes;

// A field and the text a command gives it.
struct FieldText {
    QLineEdit *field;
    QString text;
};
using FieldTexts = std::vector<FieldText>;

// Thrown by a command that cannot be carried out; the message tells the user
// why.
struct CommandRefused {
    QString message;
};

// One command of the window: a Calculate, the unit switch, a report.
struct Command {
    // Works out every new text; reads the window, changes nothing.
    std::function<FieldTexts()> work;
    // What else the command changes, right after its texts are written.
    std::function<void()> alsoWrite = {};
    // Puts back what the user changed to start the command, if refused.
    std::function<void()> undo = {};
    // What a screen reader is told after the command: the sentence made of
    // its new texts; by default each new text with its caption and unit.
    std::function<QString(const FieldTexts &)> announcement = {};
    // The status bar's notes on what was written.
    std::function<QStringList()> notes = {};
};

// Thrown by a command refused with a note in the status bar instead of a
// message box: a value the user has not typed yet, say.
struct CommandNoted {
    QString note;
};

// The one way a command runs. It cleans the field being edited, then works
// out every new text; only when all are known are they written, in order,
// and the command's other changes made. A refusal, an arithmetic error or
// any other exception is caught here: undo puts back what the user changed
// to start the command, and one message box (or, for CommandNoted, the
// status bar) tells the user why nothing was written. After writing, the
// status bar shows the command's notes and a screen reader is told what
// changed. Nothing thrown reaches Qt's event loop.
class CommandRunner
{
public:
    CommandRunner(QWidget *window, FieldCleaner &cleaner, StatusNotes &notes);

    // The screen reader that hears the results, once there is one.
    void setScreenReader(ScreenReader *reader) { m_screenReader = reader; }

    void run(const Command &command);

    // The warnings the calculator showed while the last command ran.
    const QStringList &warnings() const { return m_warnings; }
    void noteWarning(const QString &warning) { m_warnings.append(warning); }

    // Cleans the field being edited, as its focus loss would.
    void finishPendingEdit();

    StatusNotes &statusNotes() { return m_notes; }

private:
    void announce(const FieldTexts &results, const Command &command);

    QWidget *m_window;
    FieldCleaner &m_cleaner;
    StatusNotes &m_notes;
    ScreenReader *m_screenReader = nullptr;
    QStringList m_warnings;
};
