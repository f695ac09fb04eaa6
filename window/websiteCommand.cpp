// SPDX-License-Identifier: MIT
// The logo opens the maker's website.
//
// Each click asks the opener anew to show the home page; the window keeps
// working while it answers. When the page could not be opened, the user is
// told the address instead, and nothing else in the window changes.
#include "frmPressureCalc.h"

#include "logoLink.h"
#include "messageBoxes.h"
#include "websiteLink.h"

#include <QPointer>

void frmPressureCalc::connectWebsiteLink()
{
    m_websiteOpener = WebsiteLink::systemOpener();
    m_ui.logo->setToolTip(WebsiteLink::address);
    connect(m_ui.logo, &LogoLink::clicked, this, &frmPressureCalc::openWebsite);
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
    MessageBoxes::show(this, tr("Please visit our website! ") + WebsiteLink::address, QMessageBox::Information,
                       tr("About"));
}
