// SPDX-License-Identifier: MIT
// How large the window is drawn: the application font's scale times the
// user's zoom, held within the screen. Ctrl+Plus (or Ctrl+=), Ctrl+Minus and
// Ctrl+0 zoom; a new application font rescales the window at once.
//
// The whole frame stays within the available area of the screen: the
// canvas, whatever the window holds around it (a menu bar, a status bar) and
// the decorations. At start-up, at every zoom step and at Ctrl+0 the window
// is drawn at the largest scale up to the one asked for at which that frame
// fits, and where the window system lets a window place itself (X11, not
// Wayland) it is moved back onto the screen if it grew past an edge.
//
// Zooming out stops at the smallest step at which the layout still holds:
// no two controls overlap that do not as drawn, every option button's
// indicator and caption fit it, and every caption fits at 6 points or more.
#include "frmPressureCalc.h"

#include "captionFit.h"
#include "controlTable.h"
#include "logoLink.h"
#include "quantityTable.h"
#include "windowScale.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>
#include <iterator>

namespace {

// Room for a title bar and borders while the window has not been framed
// yet; corrected as soon as it has.
const QSize unknownDecorations(8, 36);

bool placesItself()
{
    // A Wayland client learns neither where its window is nor may it move it.
    return !QGuiApplication::platformName().startsWith(QLatin1StringView("wayland"));
}

} // namespace

void frmPressureCalc::installZoom()
{
    const auto bind = [this](QKeySequence keys, auto action) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    bind(QKeySequence::ZoomIn, [this] { zoomTo(zoomInStep()); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomTo(zoomInStep()); });
    bind(QKeySequence::ZoomOut, [this] { zoomTo(zoomOutStep()); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoomTo(1.0); });

    // The option buttons' indicators grow and shrink with the zoom. The
    // style belongs to the window, made after the canvas so that it goes
    // after the buttons do.
    m_indicatorStyle = new WindowScale::ZoomedIndicators;
    m_indicatorStyle->setParent(this);
    for (QRadioButton *button : m_canvas->findChildren<QRadioButton *>())
        button->setStyle(m_indicatorStyle);
}

void frmPressureCalc::zoomTo(double zoom)
{
    m_zoom = zoom;
    applyScale();
}

void frmPressureCalc::applyScale()
{
    m_scale = scale();
    // What is around the canvas grows with the font too (a menu bar, say):
    // measured again at the new scale, it may leave less room than assumed.
    for (int attempt = 0; attempt < 3; ++attempt) {
        layOutAtScale();
        const double fitting = std::min(m_scale, largestFittingScale());
        if (fitting >= m_scale)
            break;
        m_scale = fitting;
    }
    keepOnScreen();
}

void frmPressureCalc::layOutAtScale()
{
    setFont(WindowScale::formFont(m_scale));
    m_indicatorStyle->setZoom(m_scale / WindowScale::fontScale(QApplication::font()));
    m_ui.disclaimer->setFont(disclaimerFont());
    // The menus keep the desktop's menu font, whatever the zoom.
    if (m_menuBar)
        m_menuBar->setFont(menuFont());

    // At a new scale, font or indicator size every control is placed again,
    // the logo drawn at the scale and every caption fitted afresh against its
    // control's new size. Laid out again for the same (the window framed, a
    // bar grown), the canvas stays as it is.
    const CanvasDrawn drawing{m_scale, font(), m_indicatorStyle->zoom()};
    if (drawing != m_canvasDrawn) {
        const auto table = ControlTable::controls();
        for (std::size_t row = 0; row < table.size(); ++row)
            m_controls[row]->setGeometry(WindowScale::pixelGeometry(table[row], m_scale));
        const QPixmap logo(QStringLiteral(":/corvane/logo.png"));
        m_ui.logo->setPixmap(m_scale == 1.0 ? logo
                                            : logo.scaled(logo.size() * m_scale, Qt::KeepAspectRatio,
                                                          Qt::SmoothTransformation));
        for (QWidget *captioned : m_canvas->findChildren<QWidget *>()) {
            if ((qobject_cast<QLabel *>(captioned) && captioned != m_ui.logo)
                || qobject_cast<QRadioButton *>(captioned))
                CaptionFit::refit(captioned);
        }
        CaptionFit::fitTogether({m_ui.calculatorSelector.begin(), m_ui.calculatorSelector.end()});
        m_canvasDrawn = drawing;
    }

    m_canvas->setFixedSize(WindowScale::clientSize(m_scale));
    layout()->activate();
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(wholeSize());
    m_decorationsAssumed = decorations();
    m_sizeLaidOut = wholeSize();
}

QFont frmPressureCalc::menuFont() const
{
    return QApplication::font(m_menuBar);
}

QFont frmPressureCalc::disclaimerFont() const
{
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    return bold;
}

void frmPressureCalc::keepOnScreen()
{
    if (!isVisible() || !placesItself() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QScreen *shownOn = screen();
    if (!shownOn)
        return;
    const QRect available = shownOn->availableGeometry();
    const QRect frame(frameGeometry().topLeft(), size() + decorations());
    QPoint corner = frame.topLeft();
    corner.setX(std::max(available.left(), std::min(corner.x(), available.right() + 1 - frame.width())));
    corner.setY(std::max(available.top(), std::min(corner.y(), available.bottom() + 1 - frame.height())));
    if (corner != frame.topLeft())
        move(corner);
}

QSize frmPressureCalc::decorations() const
{
    // Known once the window is framed: by the window manager on X11, by the
    // window's own decorations on Wayland. A window without any (no window
    // manager) keeps the estimate, which only makes it a little smaller.
    const QWindow *window = windowHandle();
    if (window && isVisible()) {
        const QMargins margins = window->frameMargins();
        const QSize framed(margins.left() + margins.right(), margins.top() + margins.bottom());
        if (!framed.isNull())
            return framed;
    }
    return unknownDecorations;
}

QSize frmPressureCalc::wholeSize() const
{
    // The layout may set a larger minimum than it hints at (a menu bar
    // whose height depends on its width, for one).
    return sizeHint().expandedTo(minimumSizeHint()).expandedTo(minimumSize());
}

QSize frmPressureCalc::aroundCanvas() const
{
    // Whatever the window's layout holds besides the canvas. Until the canvas
    // has its size the layout has not been measured.
    if (m_canvas->minimumSize() != m_canvas->maximumSize())
        return QSize(0, 0);
    return (wholeSize() - m_canvas->size()).expandedTo(QSize(0, 0));
}

bool frmPressureCalc::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (!m_indicatorStyle || !isVisible() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return handled;
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::LayoutRequest:
        // The decorations are known only once the window has been framed,
        // which may come after it is shown, and something may have come or
        // grown around the canvas (a menu bar, a status bar): the window is
        // fitted again with what it did not know.
        if (decorations() != m_decorationsAssumed || wholeSize() != m_sizeLaidOut)
            applyScale();
        break;
    default:
        break;
    }
    return handled;
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

double frmPressureCalc::zoomOutStep() const
{
    const double next = WindowScale::zoomedOut(m_zoom);
    return layoutHoldsAt(WindowScale::fontScale(QApplication::font()) * next) ? next : m_zoom;
}

double frmPressureCalc::largestFittingScale() const
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return WindowScale::zoomSteps[std::size(WindowScale::zoomSteps) - 1];
    return WindowScale::largestFittingScale(aroundCanvas() + decorations(), shownOn->availableGeometry().size());
}

double frmPressureCalc::scale() const
{
    return std::min(WindowScale::fontScale(QApplication::font()) * m_zoom, largestFittingScale());
}

bool frmPressureCalc::layoutHoldsAt(double scale) const
{
    const auto table = ControlTable::controls();
    const double zoom = scale / WindowScale::fontScale(QApplication::font());
    const QFont font = WindowScale::formFont(scale);
    const auto rowOf = [this](const QWidget *control) {
        return std::size_t(std::distance(m_controls.begin(), std::ranges::find(m_controls, control)));
    };

    // Controls that overlap at this scale and do not as drawn.
    for (std::size_t row = 0; row < table.size(); ++row) {
        for (std::size_t other = row + 1; other < table.size(); ++other) {
            if (m_controls[row]->parentWidget() != m_controls[other]->parentWidget())
                continue;
            const auto overlapAt = [&](double at) {
                using WindowScale::pixelGeometry;
                return pixelGeometry(table[row], at).intersects(pixelGeometry(table[other], at));
            };
            if (overlapAt(scale) && !overlapAt(1.0))
                return false;
        }
    }

    if (font.pointSizeF() < CaptionFit::smallestPointSize)
        return false;

    // Every caption a label shows, in either unit system.
    QHash<const QWidget *, QStringList> unitCaptions;
    for (const Fields::Field &field : m_fields) {
        const FieldTable::Quantity quantity = field.row->quantity;
        if (field.unitLabel && QuantityTable::units(quantity).choice == QuantityTable::UnitChoice::UnitSystem)
            unitCaptions.insert(field.unitLabel, {QuantityTable::caption(quantity, Imperial),
                                                  QuantityTable::caption(quantity, Metric)});
    }

    // Option buttons draw their indicator at the left, centred in height.
    QList<std::pair<const QWidget *, QRect>> indicators;
    for (std::size_t row = 0; row < table.size(); ++row) {
        const QRect place = WindowScale::pixelGeometry(table[row], scale);
        if (const auto *label = qobject_cast<const QLabel *>(m_controls[row]); label && label != m_ui.logo) {
            const QWidget *field = label->buddy();
            const bool besideIt = field && field->parentWidget() == label->parentWidget() && field->x() > label->x();
            const int room = CaptionFit::labelRoom(
                place.adjusted(label->margin(), 0, -label->margin(), 0),
                besideIt ? WindowScale::pixelGeometry(table[rowOf(field)], scale) : QRect());
            const QStringList captions = unitCaptions.value(label, {label->text()});
            for (const QString &caption : captions)
                if (!caption.isEmpty() && !CaptionFit::fitsWithoutShrinkingTooFar(font, caption, room))
                    return false;
        } else if (const auto *button = qobject_cast<const QRadioButton *>(m_controls[row])) {
            const auto metric = [this, button, zoom](QStyle::PixelMetric which) {
                return WindowScale::zoomed(m_indicatorStyle->unzoomedMetric(which, button), zoom);
            };
            const QSize indicator(metric(QStyle::PM_ExclusiveIndicatorWidth),
                                  metric(QStyle::PM_ExclusiveIndicatorHeight));
            const int room = CaptionFit::optionRoom(place.width(),
                                                    indicator.width() + metric(QStyle::PM_RadioButtonLabelSpacing));
            if (indicator.height() > place.height()
                || !CaptionFit::fitsWithoutShrinkingTooFar(font, button->text(), room))
                return false;
            const QRect drawn(QPoint(place.x(), place.y() + (place.height() - indicator.height()) / 2), indicator);
            for (const auto &[other, otherDrawn] : std::as_const(indicators))
                if (other->parentWidget() == button->parentWidget() && otherDrawn.intersects(drawn))
                    return false;
            indicators.append({button, drawn});
        }
    }
    return true;
}
