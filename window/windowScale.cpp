// SPDX-License-Identifier: MIT
#include "windowScale.h"

#include "controlTable.h"
#include "frmPressureCalc.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <iterator>

namespace WindowScale {

double fontScale(const QFont &applicationFont)
{
    // A font given in pixels (some desktops do) is measured in points.
    const double points = applicationFont.pointSizeF() > 0 ? applicationFont.pointSizeF()
                                                           : QFontInfo(applicationFont).pointSizeF();
    return points > 0 ? points / designApplicationPointSize : 1.0;
}

double zoomedIn(double zoom)
{
    const auto next = std::ranges::upper_bound(zoomSteps, zoom + 1e-9);
    return next == std::end(zoomSteps) ? zoom : *next;
}

double zoomedOut(double zoom)
{
    const auto next = std::ranges::lower_bound(zoomSteps, zoom - 1e-9);
    return next == std::begin(zoomSteps) ? zoom : *std::prev(next);
}

QRect pixelGeometry(const ControlTable::Control &entry, double scale)
{
    using ControlTable::twipsToPixels;
    return QRect(twipsToPixels(entry.left, scale), twipsToPixels(entry.top, scale),
                 twipsToPixels(entry.width, scale), twipsToPixels(entry.height, scale));
}

QSize clientSize(double scale)
{
    return QSize(ControlTable::twipsToPixels(ControlTable::clientWidthTwips, scale),
                 ControlTable::twipsToPixels(ControlTable::clientHeightTwips, scale));
}

double largestFittingScale(QSize frame, QSize available)
{
    const double across = double(available.width() - frame.width()) * 15.0 / ControlTable::clientWidthTwips;
    const double down = double(available.height() - frame.height()) * 15.0 / ControlTable::clientHeightTwips;
    return std::max(0.1, std::min(across, down));
}

} // namespace WindowScale

namespace {

// Room for a title bar and borders while the window manager has not yet
// framed the window.
const QSize unknownFrame(16, 48);

} // namespace

void frmPressureCalc::installZoom()
{
    const auto bind = [this](QKeySequence keys, auto action) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    const auto zoomTo = [this](double zoom) {
        m_zoom = zoom;
        applyScale();
    };
    bind(QKeySequence::ZoomIn, [this, zoomTo] { zoomTo(zoomInStep()); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this, zoomTo] { zoomTo(zoomInStep()); });
    bind(QKeySequence::ZoomOut, [this, zoomTo] { zoomTo(WindowScale::zoomedOut(m_zoom)); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_0), [zoomTo] { zoomTo(1.0); });
}

double frmPressureCalc::zoomInStep() const
{
    // Past the screen's edge the window grows only as far as fits.
    const double fontScale = WindowScale::fontScale(QApplication::font());
    const double next = WindowScale::zoomedIn(m_zoom);
    return std::max(m_zoom, std::min(next, largestFittingScale() / fontScale));
}

double frmPressureCalc::largestFittingScale() const
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return WindowScale::zoomSteps[std::size(WindowScale::zoomSteps) - 1];
    const QSize frame = frameGeometry().size() - geometry().size();
    return WindowScale::largestFittingScale(frame.isEmpty() ? unknownFrame : frame,
                                            shownOn->availableGeometry().size());
}

double frmPressureCalc::scale() const
{
    const double wanted = WindowScale::fontScale(QApplication::font()) * m_zoom;
    return std::min(wanted, std::max(largestFittingScale(), std::min(wanted, 1.0)));
}
