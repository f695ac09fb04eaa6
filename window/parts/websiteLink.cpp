// SPDX-License-Identifier: MIT
// Opening a web page in the user's browser without making the window wait.
// The opener answers when it knows whether the page was opened, which for
// xdg-open is when that program has exited.
#include "websiteLink.h"

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
#define CORVANE_USE_XDG_OPEN 1
#include <QCoreApplication>
#include <QMetaObject>
#include <QProcess>
#include <memory>
#include <utility>
#else
#include <QDesktopServices>
#endif

namespace WebsiteLink {

namespace {

#ifdef CORVANE_USE_XDG_OPEN

// The process object is not owned by the window: it removes itself once
// xdg-open has ended, and a browser that xdg-open waits for stays open when
// the calculator is closed.
void openWithXdgOpen(const QUrl &page, OpenedCallback opened)
{
    auto *process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({page.toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    // What xdg-open says about a failure goes where the calculator's own
    // output goes.
    process->setProcessChannelMode(QProcess::ForwardedChannels);

    // Failing to start is reported by errorOccurred, a crash or an exit by
    // finished; the answer is given once, whichever comes first. It reaches
    // the window queued, once the process's signal has returned, and the
    // process object is let go only then: the window may answer a failure
    // with a modal box, and the deferred deletion may run in the box's event
    // loop (Qt 6.8 does), which must not happen while QProcess is still on
    // the stack emitting the signal.
    auto pending = std::make_shared<OpenedCallback>(std::move(opened));
    const auto answer = [process, pending](bool success) {
        if (!*pending)
            return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [process, callback = std::exchange(*pending, {}), success] {
                process->deleteLater();
                callback(success);
            },
            Qt::QueuedConnection);
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [answer](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             answer(false);
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [answer](int exitCode, QProcess::ExitStatus status) {
                         answer(status == QProcess::NormalExit && exitCode == 0);
                     });
    process->start();
}

#endif

} // namespace

Opener systemOpener()
{
#ifdef CORVANE_USE_XDG_OPEN
    return openWithXdgOpen;
#else
    return [](const QUrl &page, const OpenedCallback &opened) {
        opened(QDesktopServices::openUrl(page));
    };
#endif
}

} // namespace WebsiteLink
