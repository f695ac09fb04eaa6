// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The logo links to the maker's website: its address, and how a page is
// opened in the user's browser.
namespace WebsiteLink {

// The home page of the maker's website: the page the logo opens and the
// address the fallback message tells the user.
inline const QString address = QStringLiteral("https://www.corvane.com/");

// Called once with whether the page was opened, now or later.
using OpenedCallback = std::function<void(bool opened)>;

// Opens a web page in the user's browser without making the window wait.
// The window holds one of these; a test can put its own in its place.
using Opener = std::function<void(const QUrl &page, OpenedCallback opened)>;

// The desktop's own way: on freedesktop systems `xdg-open`, which is run in
// the background and fails when it cannot start or exits non-zero (it does
// that when it finds no browser); elsewhere QDesktopServices::openUrl.
Opener systemOpener();

} // namespace WebsiteLink
