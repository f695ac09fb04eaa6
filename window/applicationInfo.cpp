// SPDX-License-Identifier: MIT
#include "applicationInfo.h"

#include <QGuiApplication>

namespace ApplicationInfo {

QIcon icon()
{
    QIcon result;
    for (const int size : iconSizes)
        result.addFile(QStringLiteral(":/corvane/icon-%1.png").arg(size), QSize(size, size));
    return result;
}

void apply()
{
    QGuiApplication::setApplicationName(QStringLiteral("corvane-calculator"));
    QGuiApplication::setApplicationDisplayName(QString::fromLatin1(displayName));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(version));
    QGuiApplication::setOrganizationName(QStringLiteral("Corvane"));
    QGuiApplication::setOrganizationDomain(QStringLiteral("corvane.com"));
    // Lets the desktop match the window to the installed .desktop file and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvane.Calculator"));
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setWindowIcon(icon());
}

} // namespace ApplicationInfo
