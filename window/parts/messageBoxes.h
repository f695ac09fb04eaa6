// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Every message the program shows goes through here: a modal box with one OK
// button. An empty title means the application's title.
namespace MessageBoxes {

void show(QWidget *parent, const QString &prompt, QMessageBox::Icon icon,
          const QString &title = QString());

// After any dialog of the window has closed, whatever its answer (a message
// box, the file or print dialog): the window, or the dialog still open over
// it, is raised and takes the focus back. A window manager need not give it
// back: openbox activates no window after a box over a dialog closes, and
// the next keys would go nowhere.
void giveFocusBack(QWidget *window);

// A problem the user must know about; the window's own messages use this.
inline void warn(QWidget *parent, const QString &prompt)
{
    show(parent, prompt, QMessageBox::Warning);
}

} // namespace MessageBoxes
