// SPDX-License-Identifier: MIT
#include "applicationInfo.h"

#include <QGuiApplication>

namespace ApplicationInfo {

void apply()
{
    QGuiApplication::setApplicationName(QStringLiteral("corvane-calculator"));
    QGuiApplication::setApplicationDisplayName(QString::fromLatin1(displayName));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(version));
    QGuiApplication::setOrganizationName(QStringLiteral("Corvane"));
    QGuiApplication::setOrganizationDomain(QStringLiteral("corvane.com"));
    // Lets the desktop match the window to the installed .desktop file and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvane.Calculator"));
}

} // namespace ApplicationInfo
