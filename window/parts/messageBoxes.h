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

// A problem the user must know about; the window's own messages use this.
inline void warn(QWidget *parent, const QString &prompt)
{
    show(parent, prompt, QMessageBox::Warning);
}

} // namespace MessageBoxes
