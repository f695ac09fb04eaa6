// SPDX-License-Identifier: MIT
#include "messageBoxes.h"

#include <QGuiApplication>

namespace MessageBoxes {

void show(QWidget *parent, const QString &prompt, QMessageBox::Icon icon, const QString &title)
{
    const QString shownTitle = title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
    QMessageBox box(icon, shownTitle, prompt, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace MessageBoxes
