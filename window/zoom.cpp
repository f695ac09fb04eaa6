// SPDX-License-Identifier: MIT
// How large the window is drawn: the application font's scale times the
// user's zoom, held within the screen. Ctrl+Plus (or Ctrl+=), Ctrl+Minus and
// Ctrl+0 zoom; a new application font rescales the window at once.
#include "frmPressureCalc.h"

#include "captionFit.h"
#include "controlTable.h"
#include "logoLink.h"
#include "windowScale.h"

#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>

#include <algorithm>
#include <cmath>
#include <iterator>

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
    bind(QKeySequence::ZoomIn, [this] { zoomTo(zoomInStep()); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomTo(zoomInStep()); });
    bind(QKeySequence::ZoomOut, [this] { zoomTo(WindowScale::zoomedOut(m_zoom)); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoomTo(1.0); });
}

void frmPressureCalc::zoomTo(double zoom)
{
    m_zoom = zoom;
    applyScale();
}

void frmPressureCalc::applyScale()
{
    m_scale = scale();
    setFont(WindowScale::formFont(m_scale));
    const auto table = ControlTable::controls();
    for (std::size_t row = 0; row < table.size(); ++row)
        m_controls[row]->setGeometry(WindowScale::pixelGeometry(table[row], m_scale));
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    m_ui.disclaimer->setFont(bold);
    const QPixmap logo(QStringLiteral(":/corvane/logo.png"));
    m_ui.logo->setPixmap(m_scale == 1.0 ? logo
                                        : logo.scaled(logo.size() * m_scale, Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation));

    // Every caption is fitted afresh against its control's new size.
    for (QWidget *captioned : m_canvas->findChildren<QWidget *>()) {
        if ((qobject_cast<QLabel *>(captioned) && captioned != m_ui.logo) || qobject_cast<QRadioButton *>(captioned))
            CaptionFit::refit(captioned);
    }
    CaptionFit::fitTogether({m_ui.calculatorSelector.begin(), m_ui.calculatorSelector.end()});

    // The menus keep the desktop's menu font, whatever the zoom.
    if (m_menuBar)
        m_menuBar->setFont(QApplication::font(m_menuBar));

    m_canvas->setFixedSize(WindowScale::clientSize(m_scale));
    layout()->activate();
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(sizeHint()); // the canvas and the bars the layout holds with it
}

void frmPressureCalc::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ApplicationFontChange)
        applyScale();
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
    // The menu bar above the canvas keeps the desktop's font at every scale.
    const QSize around = (frame.isEmpty() ? unknownFrame : frame) + QSize(0, menuBarHeight());
    const QSize available = shownOn->availableGeometry().size();
    // The status bar below the canvas grows with the scale too: its height
    // at the scale in force, then at the scale that would fit.
    const QStatusBar *bar = findChild<QStatusBar *>();
    const int barHeight = bar ? bar->sizeHint().height() : 0;
    const double fitting = WindowScale::largestFittingScale(around + QSize(0, barHeight), available);
    const int grownBar = int(std::ceil(barHeight * std::max(1.0, fitting / m_scale)));
    return WindowScale::largestFittingScale(around + QSize(0, grownBar), available);
}

double frmPressureCalc::scale() const
{
    const double wanted = WindowScale::fontScale(QApplication::font()) * m_zoom;
    return std::min(wanted, std::max(largestFittingScale(), std::min(wanted, 1.0)));
}
