// SPDX-License-Identifier: MIT
#include "zoom.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <iterator>

namespace {

// Room for a title bar and borders while the window has not been framed
// yet; corrected as soon as it has.
const QSize unknownDecorations(8, 36);

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1StringView("wayland"));
}

QFont scaled(QFont font, double pointSize)
{
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    return font;
}

} // namespace

Zoom::Zoom(QWidget *window, QList<QLabel *> labels, QLabel *logo, QList<QWidget *> keepFont,
           std::function<void()> fontsSet)
    : QObject(window), m_window(window), m_logo(logo), m_fontsSet(std::move(fontsSet))
{
    for (QLabel *label : labels)
        m_labels.append(label);
    for (QWidget *widget : keepFont)
        m_keepFont.append(widget);
    m_window->installEventFilter(this);
    applyLargestFitting(1.0);
}

QFont Zoom::windowFont(double zoom)
{
    const QFont application = QApplication::font();
    return scaled(application, application.pointSizeF() * zoom);
}

QFont Zoom::labelFont(double zoom)
{
    const QFont application = QApplication::font();
    return scaled(application, labelPointSize * (application.pointSizeF() / designApplicationPointSize) * zoom);
}

double Zoom::smallestStep()
{
    for (const double step : steps)
        if (labelFont(step).pointSizeF() >= smallestPointSize && windowFont(step).pointSizeF() >= smallestPointSize)
            return step;
    return steps[std::size(steps) - 1];
}

void Zoom::zoomIn()
{
    const auto next = std::ranges::upper_bound(steps, m_zoom);
    if (next == std::end(steps))
        return;
    const double before = m_zoom;
    apply(*next);
    if (!fitsScreen()) {
        apply(before);
        return;
    }
    m_asked = *next;
    keepOnScreen();
}

void Zoom::zoomOut()
{
    const auto at = std::ranges::lower_bound(steps, m_zoom);
    if (at == std::begin(steps) || *std::prev(at) < smallestStep())
        return;
    m_asked = *std::prev(at);
    apply(m_asked);
}

void Zoom::reset()
{
    m_asked = 1.0;
    applyLargestFitting(1.0);
}

void Zoom::applyLargestFitting(double from)
{
    // Laying the window out resizes it: that is not a new framing.
    m_decorationsAssumed = decorations();
    const double smallest = smallestStep();
    for (auto step = std::rbegin(steps); step != std::rend(steps); ++step) {
        if (*step > from || *step < smallest)
            continue;
        apply(*step);
        if (fitsScreen())
            break;
    }
    if (!fitsScreen())
        apply(smallest);
    keepOnScreen();
}

void Zoom::apply(double zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    // The window's font reaches every control that sets none of its own;
    // the menu bar keeps the desktop's.
    for (const QPointer<QWidget> &widget : std::as_const(m_keepFont))
        if (widget)
            widget->setFont(QApplication::font(widget));
    m_window->setFont(windowFont(zoom));
    const QFont labels = labelFont(zoom);
    for (const QPointer<QLabel> &label : std::as_const(m_labels))
        if (label)
            label->setFont(labels);
    if (m_logo) {
        const QPixmap logo(QStringLiteral(":/corvane/logo.png"));
        m_logo->setPixmap(zoom == 1.0 ? logo
                                      : logo.scaled(logo.size() * zoom, Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation));
    }
    if (m_fontsSet)
        m_fontsSet();
    // A new font reaches a laid-out window's layouts partly by posted
    // layout requests (the status bar's height follows only then), and the
    // hidden panels' not at all (their rows of buttons keep their sizes):
    // every size is asked anew, and the requests handled, before the window
    // is measured. The first time, nothing has been measured yet.
    if (m_laidOut) {
        for (QWidget *widget : m_window->findChildren<QWidget *>())
            widget->updateGeometry();
        for (QLayout *layout : m_window->findChildren<QLayout *>())
            layout->invalidate();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    if (QLayout *layout = m_window->layout())
        layout->activate();
    m_laidOut = true;
}

QSize Zoom::decorations() const
{
    // Known once the window is framed: by the window manager on X11, by the
    // window's own decorations on Wayland.
    const QWindow *window = m_window->windowHandle();
    if (window && m_window->isVisible()) {
        const QMargins margins = window->frameMargins();
        const QSize framed(margins.left() + margins.right(), margins.top() + margins.bottom());
        if (!framed.isNull())
            return framed;
    }
    return unknownDecorations;
}

bool Zoom::fitsScreen() const
{
    const QScreen *screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return true;
    QSize available = screen->availableGeometry().size();
    if (onWayland())
        available.rheight() -= 2 * waylandMargin;
    const QSize frame = m_window->sizeHint().expandedTo(m_window->minimumSizeHint()) + decorations();
    return frame.width() <= available.width() && frame.height() <= available.height();
}

void Zoom::keepOnScreen()
{
    // A Wayland client neither learns where its window is nor may it move it.
    if (!m_window->isVisible() || onWayland())
        return;
    const QScreen *shownOn = m_window->screen();
    if (!shownOn)
        return;
    const QRect available = shownOn->availableGeometry();
    const QRect frame(m_window->frameGeometry().topLeft(), m_window->sizeHint() + decorations());
    QPoint corner = frame.topLeft();
    corner.setX(std::max(available.left(), std::min(corner.x(), available.right() + 1 - frame.width())));
    corner.setY(std::max(available.top(), std::min(corner.y(), available.bottom() + 1 - frame.height())));
    if (corner != frame.topLeft())
        m_window->move(corner);
}

bool Zoom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::ApplicationFontChange:
        // Every size follows the desktop's new font.
        m_zoom = 0.0;
        applyLargestFitting(m_asked);
        break;
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        // The decorations are known only once the window has been framed,
        // which may come after it is shown: fitted again with what it did
        // not know.
        if (m_window->isVisible() && decorations() != m_decorationsAssumed)
            applyLargestFitting(m_asked);
        break;
    default:
        break;
    }
    return false;
}
