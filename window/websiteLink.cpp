// SPDX-License-Identifier: MIT
// The logo opens the maker's website.
//
// Each click asks the opener anew to show the home page. The opener answers
// when it knows whether the page was opened, which for xdg-open is when that
// program has exited; the window keeps working meanwhile. When the page could
// not be opened, the user is told the address instead, and nothing else in
// the window changes.
#include "frmPressureCalc.h"

#include "logoLink.h"
#include "messageBoxes.h"
#include "websiteLink.h"

#include <QPointer>

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

void frmPressureCalc::connectWebsiteLink()
{
    m_websiteOpener = WebsiteLink::systemOpener();
    LogoLink *logo = m_ui.Picture1;
    logo->setToolTip(WebsiteLink::address);
    connect(logo, &LogoLink::clicked, this, &frmPressureCalc::openWebsite);
}

void frmPressureCalc::setWebsiteOpener(WebsiteLink::Opener opener)
{
    m_websiteOpener = std::move(opener);
}

void frmPressureCalc::openWebsite()
{
    // The answer may come after the window has been closed; then nobody is
    // left to tell.
    const QPointer<frmPressureCalc> window(this);
    const auto opened = [window](bool success) {
        if (!success && window)
            window->showWebsiteFallback();
    };
    try {
        m_websiteOpener(QUrl(WebsiteLink::address), opened);
    } catch (const std::exception &) {
        // An opener that cannot even be asked has failed as well.
        showWebsiteFallback();
    }
}

void frmPressureCalc::showWebsiteFallback()
{
    MessageBoxes::show(this, WebsiteLink::fallbackText(), QMessageBox::Information,
                       QStringLiteral("About"));
}
