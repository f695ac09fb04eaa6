// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class Fields;
class QLineEdit;
class QWidget;

// What a screen reader learns beyond the captions: the unit of every field,
// the kind of flow coefficient shown, and what each command changed.
//
// A field's accessible description holds its unit ("PSI"), or for the
// coefficient its kind ("Cv"); both follow the unit and kind selectors.
// Screen readers speak a change of the focused control's description, so a
// command is announced by giving the control that has the focus (the pressed
// button, or the field in which Return was pressed) a description that says
// what changed. When the focus leaves it, that control gets its own
// description back. A command can end while no control of the window has the
// focus: the 53 % warning box takes it, and the window gets it back only
// after the box has gone. The sentence then waits for the control that gets
// the focus next in the window, and is said there. So does a sentence made
// while an arrow key moves through an option group: Qt selects the next
// button, which runs the change, before it moves the focus there; the
// sentence is said on the button that has the focus afterwards.
class ScreenReader : public QObject
{
    Q_OBJECT

public:
    // The window's fields as the field table gives them.
    ScreenReader(QWidget *window, const Fields &fields);

    // Gives every field the description of its unit as the window shows it
    // now, and the coefficient its kind.
    void describeFields();

    // How a command's new text is spoken: "Force (Push) 251.32741 Pounds".
    QString spokenValue(const QLineEdit *field, const QString &text) const;

    // Says the sentence through the control that has the focus, or through
    // the control of the window that gets it next.
    void announce(const QString &sentence);

private:
    QString restingDescription(const QWidget *control) const;
    void focusMoved(QWidget *old, QWidget *now);
    bool inWindow(const QWidget *control) const;
    void say(QWidget *control, const QString &sentence);

    QWidget *m_window;
    const Fields &m_fields;
    // The control whose description holds the last announcement.
    QPointer<QWidget> m_announcer;
    // The sentence waiting for the focus to come back to the window.
    QString m_waiting;
};
