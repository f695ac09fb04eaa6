// SPDX-License-Identifier: MIT
// The screen bounds the window, decorations included: at start-up, at every
// zoom step and after Ctrl+0 the whole frame lies within the available area
// of the screen. Run by x11Session.sh on a small X11 screen with openbox,
// with and without the desktop scaled (QT_SCALE_FACTOR, QT_FONT_DPI), and by
// waylandSession.sh on weston. On Wayland a client does not learn where its
// window is; there the frame's size is checked against the output's.
//
// With CORVANE_SCREENSHOTS set to a folder, the screen is saved there at the
// smallest and at the largest zoom.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "windowDriver.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1StringView("wayland"));
}

QSize decorations(const frmPressureCalc &window)
{
    const QMargins margins = window.windowHandle()->frameMargins();
    return QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

// The whole frame: the window's size and its decorations, where it is.
QRect frameOf(const frmPressureCalc &window)
{
    return QRect(window.frameGeometry().topLeft(), window.size() + decorations(window));
}

bool withinScreen(const frmPressureCalc &window)
{
    const QRect available = window.screen()->availableGeometry();
    const QRect frame = frameOf(window);
    if (onWayland())
        return frame.width() <= available.width() && frame.height() <= available.height();
    return available.contains(frame);
}

QString describe(const frmPressureCalc &window)
{
    const QRect frame = frameOf(window);
    const QRect available = window.screen()->availableGeometry();
    return QStringLiteral("frame %1,%2 %3x%4 in %5,%6 %7x%8")
        .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())
        .arg(available.x()).arg(available.y()).arg(available.width()).arg(available.height());
}

// Waits for the window manager to have framed, placed and sized the window.
bool settled(frmPressureCalc &window)
{
    QTest::qWait(200);
    return QTest::qWaitFor([&window] { return withinScreen(window); }, 3000);
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
}

void screenshot(const QString &name)
{
    const QString folder = qEnvironmentVariable("CORVANE_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QTest::qWait(300);
    QVERIFY(QDir().mkpath(folder));
    const QString platform = QGuiApplication::platformName()
                             + (qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? QStringLiteral("-scaled") : QString());
    QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(
        QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(platform, name))));
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

    // Start-up, zooming in past the screen's edge, out to the smallest step
    // and back with Ctrl+0: the frame is within the screen after each. What
    // the window's layout holds besides the controls counts as well.
    void everyStepKeepsTheFrameOnTheScreen()
    {
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        QVERIFY2(settled(window), qPrintable(QStringLiteral("start-up: ") + describe(window)));
        const QSize startSize = window.size();
        // Held by the screen or not, the window is as large as it may be: at
        // its design size, or as high or as wide as the screen allows.
        const QRect available = window.screen()->availableGeometry();
        const QRect frame = frameOf(window);
        const QWidget *canvas = window.findChild<QWidget *>(QStringLiteral("canvas"));
        QVERIFY(canvas);
        QVERIFY2(canvas->size() == QSize(379, 545) || frame.height() >= available.height() - 2
                     || frame.width() >= available.width() - 2,
                 qPrintable(describe(window)));
        // The menu bar above the panels and the status bar below them.
        QVERIFY(window.height() > canvas->height() + 20);

        // Three steps in, then on until the screen holds the window.
        QSize previous = window.size();
        bool held = false;
        for (int step = 1; step <= 12 && !held; ++step) {
            press(Qt::Key_Plus);
            QVERIFY2(settled(window), qPrintable(QStringLiteral("Ctrl+Plus %1: ").arg(step) + describe(window)));
            held = window.size() == previous;
            previous = window.size();
        }
        QVERIFY(held);
        screenshot(QStringLiteral("largest"));

        press(Qt::Key_0);
        QVERIFY2(settled(window), qPrintable(QStringLiteral("Ctrl+0: ") + describe(window)));
        QTRY_COMPARE(window.size(), startSize);

        for (int step = 1; step <= 8; ++step) {
            press(Qt::Key_Minus);
            QVERIFY2(settled(window), qPrintable(QStringLiteral("Ctrl+Minus %1: ").arg(step) + describe(window)));
            QVERIFY(window.width() <= previous.width());
            previous = window.size();
        }
        screenshot(QStringLiteral("smallest"));

        press(Qt::Key_0);
        QVERIFY2(settled(window), qPrintable(QStringLiteral("Ctrl+0: ") + describe(window)));
        QTRY_COMPARE(window.size(), startSize);
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
