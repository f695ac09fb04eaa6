// SPDX-License-Identifier: MIT
#include "messageBoxes.h"

#include <QApplication>

namespace MessageBoxes {

void show(QWidget *parent, const QString &prompt, QMessageBox::Icon icon, const QString &title)
{
    const QString shownTitle = title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
    QMessageBox box(icon, shownTitle, prompt, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
    giveFocusBack(parent);
}

void giveFocusBack(QWidget *window)
{
    QWidget *target = QApplication::activeModalWidget();
    if (!target && window)
        target = window->window();
    if (!target || !target->isVisible() || target->isActiveWindow())
        return;
    target->raise();
    target->activateWindow();
}

} // namespace MessageBoxes
