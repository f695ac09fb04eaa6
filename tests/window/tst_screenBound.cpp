// SPDX-License-Identifier: MIT
// The screen bounds the window, decorations included: at start-up, at every
// zoom step and after Ctrl+0 the whole frame lies within the available area
// of the screen, or, where not even the smallest step fits, the window is at
// the smallest step. Under Wayland, where a program cannot see the
// compositor's panels, 48 pixels are kept free at the top and at the bottom;
// a client does not learn where its window is either, so there the frame's
// size is checked against the area's. Run by x11Session.sh on a small X11
// screen with openbox, with and without the desktop scaled (QT_SCALE_FACTOR,
// QT_FONT_DPI), and by waylandSession.sh on weston.
//
// With CORVANE_SCREENSHOTS set to a folder, each panel is saved there at
// start-up, at the largest and at the smallest zoom.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "windowDriver.h"
#include "zoom.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QLibraryInfo>
#include <QTest>
#include <QVersionNumber>
#include <QWindow>

namespace {

constexpr int waylandMargin = 48;

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1StringView("wayland"));
}

double zoomOf(const frmPressureCalc &window)
{
    return window.findChild<Zoom *>()->zoom();
}

// The whole frame: the window's size and its decorations, where it is.
QRect frameOf(const frmPressureCalc &window)
{
    const QMargins margins = window.windowHandle()->frameMargins();
    return QRect(window.frameGeometry().topLeft(), window.size().grownBy(margins));
}

QRect availableArea(const frmPressureCalc &window)
{
    const QRect available = window.screen()->availableGeometry();
    return onWayland() ? available.adjusted(0, waylandMargin, 0, -waylandMargin) : available;
}

bool withinScreen(const frmPressureCalc &window)
{
    const QRect available = availableArea(window);
    const QRect frame = frameOf(window);
    if (onWayland())
        return frame.width() <= available.width() && frame.height() <= available.height();
    return available.contains(frame);
}

// Within the screen, or at the smallest step where not even that fits.
bool bounded(const frmPressureCalc &window)
{
    return withinScreen(window) || zoomOf(window) == Zoom::smallestStep();
}

QString describe(const frmPressureCalc &window)
{
    const QRect frame = frameOf(window);
    const QRect available = availableArea(window);
    return QStringLiteral("zoom %1, frame %2,%3 %4x%5 in %6,%7 %8x%9")
        .arg(zoomOf(window))
        .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())
        .arg(available.x()).arg(available.y()).arg(available.width()).arg(available.height());
}

// Waits for the window manager to have framed, placed and sized the window.
bool settled(frmPressureCalc &window)
{
    QTest::qWait(200);
    return QTest::qWaitFor([&window] { return bounded(window); }, 3000);
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
}

// With CORVANE_SCREENSHOTS set, saves each panel: the whole screen on X11,
// the window as it draws itself on Wayland, which lets no client read the
// screen.
void screenshot(frmPressureCalc &window, const QString &name)
{
    const QString folder = qEnvironmentVariable("CORVANE_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QVERIFY(QDir().mkpath(folder));
    const QString platform = QGuiApplication::platformName()
                             + (qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? QStringLiteral("-scaled") : QString());
    for (const int panel : {0, 1, 2, 3}) {
        QTest::keyClick(&window, Qt::Key(Qt::Key_1 + panel), Qt::ControlModifier);
        QTest::qWait(300);
        const QPixmap shot = onWayland() ? window.grab() : QGuiApplication::primaryScreen()->grabWindow(0);
        QVERIFY(shot.save(QDir(folder).filePath(QStringLiteral("%1-%2-%3.png").arg(platform, name).arg(panel))));
    }
    QTest::keyClick(&window, Qt::Key_1, Qt::ControlModifier);
}

} // namespace

class tst_ScreenBound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QGuiApplication::platformName() == QLatin1StringView("xcb") || onWayland());
        ApplicationInfo::apply();
    }

    // Start-up, zooming in until the screen holds the window (three presses
    // and more on a 1024x768 screen), Ctrl+0, out to the smallest step and
    // Ctrl+0 again: the frame is bounded after each.
    void everyStepKeepsTheFrameOnTheScreen()
    {
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        QVERIFY2(settled(window), qPrintable(QStringLiteral("start-up: ") + describe(window)));
        // Qt's Wayland plugin lets the first shortcut the test sends pass
        // unseen (Qt 6.4 on weston); Ctrl+0 changes nothing at start-up.
        press(Qt::Key_0);
        screenshot(window, QStringLiteral("start"));
        const QSize startSize = window.size();
        const double startZoom = zoomOf(window);
        QVERIFY2(startZoom <= 1.0, qPrintable(describe(window)));

        // On until the screen holds the window. Below 100 % it opened at
        // the largest step that fits, so the first press already changes
        // nothing.
        QSize previous = window.size();
        bool held = false;
        for (std::size_t step = 1; step <= std::size(Zoom::steps) && !held; ++step) {
            press(Qt::Key_Plus);
            QVERIFY2(settled(window), qPrintable(QStringLiteral("Ctrl+Plus %1: ").arg(step) + describe(window)));
            held = window.size() == previous;
            QVERIFY2(held || step > 1 || startZoom == 1.0, qPrintable(describe(window)));
            previous = window.size();
        }
        QVERIFY(held);
        screenshot(window, QStringLiteral("largest"));

        press(Qt::Key_0);
        QVERIFY2(settled(window), qPrintable(QStringLiteral("Ctrl+0: ") + describe(window)));
        QTRY_COMPARE(window.size(), startSize);

        for (std::size_t step = 1; step <= std::size(Zoom::steps); ++step) {
            press(Qt::Key_Minus);
            QVERIFY2(settled(window), qPrintable(QStringLiteral("Ctrl+Minus %1: ").arg(step) + describe(window)));
            QVERIFY(window.width() <= previous.width() && window.height() <= previous.height());
            previous = window.size();
        }
        QCOMPARE(zoomOf(window), Zoom::smallestStep());
        screenshot(window, QStringLiteral("smallest"));

        press(Qt::Key_0);
        QVERIFY2(settled(window), qPrintable(QStringLiteral("Ctrl+0: ") + describe(window)));
        QTRY_COMPARE(window.size(), startSize);
        QCOMPARE(zoomOf(window), startZoom);
    }

    // The window is the size its layout asks for: asked to be maximised,
    // the window manager or compositor leaves it as it is.
    void maximisingLeavesTheSize()
    {
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        QVERIFY(settled(window));
        const QSize size = window.size();
        window.setWindowState(Qt::WindowMaximized);
        QTest::qWait(500);
        QVERIFY(window.isVisible());
        // Known: from Qt 6.8 on, Qt's Wayland client takes weston's maximised
        // size for a window whose layout fixes its size.
        if (onWayland() && QLibraryInfo::version() >= QVersionNumber(6, 8))
            QEXPECT_FAIL("", "Qt 6.8's Wayland client lets weston maximise a fixed-size window", Abort);
        QCOMPARE(window.size(), size);
        QVERIFY2(bounded(window), qPrintable(describe(window)));
    }

    // Where the window system lets a window place itself, one that grows past
    // the screen's edge is moved back onto it.
    void growingNearTheEdgeMovesTheWindowBack()
    {
        if (onWayland())
            QSKIP("a Wayland client does not place its window");
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        QVERIFY(settled(window));
        const QRect available = window.screen()->availableGeometry();
        window.move(available.right() - window.frameGeometry().width() + 1,
                    available.bottom() - window.frameGeometry().height() + 1);
        QVERIFY(settled(window));
        const QSize before = window.size();
        press(Qt::Key_Plus);
        QTest::qWait(200);
        if (window.size() == before)
            QSKIP("the screen is too small to grow the window at all");
        QVERIFY2(settled(window), qPrintable(describe(window)));
    }
};

QTEST_MAIN(tst_ScreenBound)
#include "tst_screenBound.moc"
