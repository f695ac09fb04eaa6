// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QStatusBar;

// What the status bar says, and for how long. A note tells the user what the
// window did to a number without being asked (a field's text cleaned into
// another number) or what cannot be physical in a command's results. It
// stays until the user's next action:
// - an edit in any field clears it;
// - a cleaning that gives a note replaces it (one that changes no number
//   leaves it: tabbing through fields is no action);
// - a command replaces it by its own notes, or clears it. A cleaning note
//   made since the last command stays with the next command, which used the
//   cleaned number: a click on Calculate first cleans the field being left,
//   then calculates, and both belong to the one click;
// - showing another panel clears it: a note belongs to the panel it was
//   made on, and does not come back with it.
//
// The notes are shown whole: they wrap at the window's width, in as many
// lines as they need, and the window grows with them. The text is a label in
// the status bar, which screen readers read as its child; the status bar's
// current message holds the same text.
class StatusNotes
{
public:
    // Makes the status bar that shows the notes; whoever lays it out owns it.
    StatusNotes();

    QStatusBar *bar() const { return m_bar; }

    void edited();
    void cleaned(const QString &note);
    // A command has run, carried out or refused, with these notes.
    void commandRan(const QStringList &notes);
    // Another panel is shown.
    void panelShown();

    // What the status bar shows, the notes one after the other.
    QString text() const;

private:
    void show(const QStringList &notes);

    QStatusBar *m_bar;
    QLabel *m_label;
    QString m_cleaning;        // the last cleaning's note, if no command ran since
    QStringList m_shown;
};
