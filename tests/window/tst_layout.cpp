// SPDX-License-Identifier: MIT
// The window as its layouts place it, checked by relations rather than by
// places: on every panel, at 100 %, at the smallest zoom step and at the
// largest the screen allows, left to right and right to left. Run on a large
// offscreen screen (largeScreen.json), so that the window can grow past
// 100 %. In English, or in the language CORVANE_LANGUAGE names (de, fr, ...),
// installed as the program installs it, before any window is built.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "language.h"
#include "panel.h"
#include "windowDriver.h"
#include "zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <iterator>

namespace {

// A caption keeps at least this far from its field, a unit label as well.
constexpr int captionDistance = 3;
// No text of the window is drawn smaller.
constexpr double smallestReadable = 6.0;

double zoomOf(const frmPressureCalc &window)
{
    const auto *zoom = window.findChild<Zoom *>();
    return zoom ? zoom->zoom() : 0.0;
}

// Presses Ctrl and a zoom key and lets the window handle its events, as it
// would before the user's next press. A size the window takes only then is
// a fault: the zoom measured the screen against another.
void pressZoomKey(frmPressureCalc &window, Qt::Key key, QStringList &faults)
{
    QTest::keyClick(&window, key, Qt::ControlModifier);
    const QSize atOnce = window.size();
    QTest::qWait(20);
    if (window.size() != atOnce)
        faults.append(QStringLiteral("at %1 %2x%3, then %4x%5")
                          .arg(zoomOf(window))
                          .arg(atOnce.width())
                          .arg(atOnce.height())
                          .arg(window.width())
                          .arg(window.height()));
}

// Presses the key until the window's size stops changing; the sizes on the
// way, the first the size before. More sizes than steps: it never stopped.
QList<QSize> pressUntilHeld(frmPressureCalc &window, Qt::Key key, QStringList &faults)
{
    QList<QSize> sizes{window.size()};
    for (std::size_t press = 0; press <= std::size(Zoom::steps); ++press) {
        pressZoomKey(window, key, faults);
        if (window.size() == sizes.last())
            break;
        sizes.append(window.size());
    }
    return sizes;
}

// By its View key, Ctrl+1 upwards in the selector's order.
void showPanel(frmPressureCalc &window, int index)
{
    const auto position = std::ranges::find(window.panels(), index, &Panel::index) - window.panels().begin();
    QTest::keyClick(&window, Qt::Key(Qt::Key_1 + position), Qt::ControlModifier);
}

// How far `second` lies beyond `first` in the reading direction: negative
// when they overlap or are in the wrong order. Both lie in one frame.
int distance(const QWidget *first, const QWidget *second)
{
    const QRect a = first->geometry();
    const QRect b = second->geometry();
    return QGuiApplication::isRightToLeft() ? a.left() - b.right() - 1 : b.left() - a.right() - 1;
}

// Where a row's caption or unit stands wrong: not in the field's frame, not
// level with it, not on its side or too near it.
void checkBeside(const QWidget *field, const QWidget *other, bool before, QStringList &faults)
{
    const QString pair = other->objectName() + QLatin1Char('/') + field->objectName();
    if (other->parentWidget() != field->parentWidget()) {
        faults.append(pair + QStringLiteral(" in two frames"));
        return;
    }
    const QRect a = field->geometry();
    const QRect b = other->geometry();
    if (b.center().y() < a.top() || b.center().y() > a.bottom())
        faults.append(pair + QStringLiteral(" not level"));
    if ((before ? distance(other, field) : distance(field, other)) < captionDistance)
        faults.append(pair + (before ? QStringLiteral(" not before") : QStringLiteral(" not beyond")));
}

// Every fault of the window as laid out with the panel shown, named.
QStringList layoutFaults(const frmPressureCalc &window, const Panel &panel)
{
    QStringList faults;
    for (const Field &field : panel.fields()) {
        if (field.caption)
            checkBeside(field.edit, field.caption, true, faults);
        if (field.unitLabel)
            checkBeside(field.edit, field.unitLabel, false, faults);
        // An option pair stands at the row's two ends.
        for (qsizetype option = 0; option < field.unitOptions.size(); ++option)
            checkBeside(field.edit, field.unitOptions[option], option == 0, faults);
    }

    // Every container the layouts fill: the window, the canvas, the top
    // row, the panel and its frames. Its controls shown lie apart from each
    // other and within it, so each frame lies within its panel and the
    // panel within the canvas.
    QList<const QWidget *> containers{&window};
    for (const QWidget *widget : window.findChildren<QWidget *>())
        if (widget->layout() && widget->isVisible() && !widget->isWindow())
            containers.append(widget);
    for (const QWidget *container : std::as_const(containers)) {
        QList<const QWidget *> shown;
        for (const QObject *child : container->children())
            if (child->isWidgetType() && static_cast<const QWidget *>(child)->isVisible()
                && !static_cast<const QWidget *>(child)->isWindow())
                shown.append(static_cast<const QWidget *>(child));
        for (qsizetype one = 0; one < shown.size(); ++one) {
            if (!container->contentsRect().contains(shown[one]->geometry()))
                faults.append(shown[one]->objectName() + QStringLiteral(" outside ") + container->objectName());
            for (qsizetype other = one + 1; other < shown.size(); ++other)
                if (shown[one]->geometry().intersects(shown[other]->geometry()))
                    faults.append(shown[one]->objectName() + QStringLiteral(" over ") + shown[other]->objectName());
        }
    }

    const QWidget *canvas = WindowDriver::control(window, QStringLiteral("canvas"));
    for (const QGroupBox *box : canvas->findChildren<QGroupBox *>())
        if (box->isVisible() && box->fontMetrics().horizontalAdvance(box->title()) > box->width())
            faults.append(box->objectName() + QStringLiteral(" title cut"));
    // Captions whole: each has the room it asks for.
    for (const QWidget *captioned : canvas->findChildren<QWidget *>())
        if ((qobject_cast<const QLabel *>(captioned) || qobject_cast<const QAbstractButton *>(captioned))
            && captioned->isVisible() && captioned->sizeHint().width() > captioned->width())
            faults.append(captioned->objectName() + QStringLiteral(" cut"));
    return faults;
}

// Everything drawn in the window's fonts: what lies on the canvas and the
// status bar (the menu bar keeps the desktop's).
QList<const QWidget *> zoomedWidgets(const frmPressureCalc &window)
{
    QList<const QWidget *> widgets;
    for (const char *area : {"canvas", "statusBar"}) {
        const QWidget *parent = WindowDriver::control(window, QString::fromLatin1(area));
        for (const QWidget *widget : parent->findChildren<QWidget *>())
            widgets.append(widget);
    }
    return widgets;
}

// Controls not in their font: the captions and units in the labels' one
// font, everything else on the canvas and the status bar in the window's.
QStringList fontFaults(const frmPressureCalc &window)
{
    const double zoom = zoomOf(window);
    QSet<const QWidget *> labels;
    for (const Panel *panel : window.panels())
        for (const QLabel *label : panel->labels())
            labels.insert(label);
    QStringList faults;
    for (const QWidget *widget : zoomedWidgets(window)) {
        const QFont expected = labels.contains(widget) ? Zoom::labelFont(zoom) : Zoom::windowFont(zoom);
        if (widget->font().pointSizeF() != expected.pointSizeF())
            faults.append(widget->objectName() + QLatin1Char(' ') + QString::number(widget->font().pointSizeF()));
    }
    return faults;
}

} // namespace

class tst_Layout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ApplicationInfo::apply();
        const QString code = qEnvironmentVariable("CORVANE_LANGUAGE");
        if (code.isEmpty())
            return;
        const Language::Choice choice = Language::fromCode(code);
        QVERIFY2(choice.kind == Language::Kind::Translated, qPrintable(code));
        m_language.load(choice);
        m_language.install();
    }
    void cleanup() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }

    void everyPanelAtEveryZoom_data()
    {
        // The zoom key pressed until the window stops changing; none: 100 %.
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            const char *name = direction == Qt::LeftToRight ? "left to right" : "right to left";
            QTest::addRow("%s, 100 %%", name) << Qt::Key_unknown << direction;
            QTest::addRow("%s, smallest step", name) << Qt::Key_Minus << direction;
            QTest::addRow("%s, largest step", name) << Qt::Key_Plus << direction;
        }
    }

    void everyPanelAtEveryZoom()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::LayoutDirection, direction);
        QGuiApplication::setLayoutDirection(direction);
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        QCOMPARE(window.layoutDirection(), direction);
        QStringList faults;
        if (key != Qt::Key_unknown)
            pressUntilHeld(window, key, faults);
        const double zoom = zoomOf(window);
        if (key == Qt::Key_unknown)
            QCOMPARE(zoom, 1.0);
        else if (key == Qt::Key_Minus)
            QCOMPARE(zoom, Zoom::smallestStep());
        else
            QVERIFY2(zoom > 1.0, qPrintable(QString::number(zoom)));

        // The panels share one place: the window keeps its size.
        const QSize size = window.size();
        for (const Panel *panel : window.panels()) {
            showPanel(window, panel->index());
            QVERIFY(panel->isVisible());
            faults += layoutFaults(window, *panel);
            if (window.size() != size)
                faults.append(QStringLiteral("%1 resizes the window").arg(panel->objectName()));
        }
        faults += fontFaults(window);
        QCOMPARE(faults.join(QStringLiteral("; ")), QString());
        // The menu bar keeps the desktop's font.
        const auto *bar = window.findChild<QMenuBar *>();
        QVERIFY(bar);
        QCOMPARE(bar->font().pointSizeF(), QApplication::font(bar).pointSizeF());
    }

    // Ctrl+Minus stops at the smallest step at which no text is below 6
    // points: every text shrinks with the zoom, so one step further some
    // text would be.
    void smallestStepIsTheSmallestReadable()
    {
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        QStringList faults;
        pressUntilHeld(window, Qt::Key_Minus, faults);
        QCOMPARE(faults.join(QStringLiteral("; ")), QString());
        const double smallest = zoomOf(window);
        QList<double> sizes;
        for (const QWidget *widget : zoomedWidgets(window))
            sizes.append(widget->font().pointSizeF());
        QVERIFY(!sizes.isEmpty());
        const double smallestText = *std::ranges::min_element(sizes);
        QVERIFY2(smallestText >= smallestReadable, qPrintable(QString::number(smallestText)));
        const auto at = std::ranges::find(Zoom::steps, smallest);
        QVERIFY(at != std::end(Zoom::steps));
        if (at != std::begin(Zoom::steps))
            QVERIFY2(smallestText * *std::prev(at) / smallest < smallestReadable,
                     qPrintable(QString::number(smallest)));
    }

    void zoomStepsResizeTheWindowInOneDirection_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("grows");
        QTest::newRow("Ctrl+Plus") << Qt::Key_Plus << true;
        QTest::newRow("Ctrl+=") << Qt::Key_Equal << true;
        QTest::newRow("Ctrl+Minus") << Qt::Key_Minus << false;
    }

    // Each step makes the window wider and taller (or narrower and lower)
    // until the screen or the smallest step holds it; Ctrl+0 brings back
    // the size it opened at.
    void zoomStepsResizeTheWindowInOneDirection()
    {
        QFETCH(Qt::Key, key);
        QFETCH(bool, grows);
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        const QSize opened = window.size();
        QStringList faults;
        const QList<QSize> sizes = pressUntilHeld(window, key, faults);
        QVERIFY2(sizes.size() > 1 && sizes.size() <= qsizetype(std::size(Zoom::steps)),
                 qPrintable(QString::number(sizes.size())));
        for (qsizetype step = 1; step < sizes.size(); ++step) {
            const QSize larger = grows ? sizes[step] : sizes[step - 1];
            const QSize smaller = grows ? sizes[step - 1] : sizes[step];
            if (larger.width() <= smaller.width() || larger.height() <= smaller.height())
                faults.append(QStringLiteral("step %1 not %2").arg(step).arg(grows ? "larger" : "smaller"));
        }
        pressZoomKey(window, Qt::Key_0, faults);
        QCOMPARE(faults.join(QStringLiteral("; ")), QString());
        QCOMPARE(zoomOf(window), 1.0);
        QCOMPARE(window.size(), opened);
    }

    // With Qt's usual 9-point application font the window at 100 % stays
    // small enough for a small laptop screen.
    void compactAtActualSize()
    {
        const QFont before = QApplication::font();
        const auto restore = qScopeGuard([before] { QApplication::setFont(before); });
        QFont nine = before;
        nine.setPointSizeF(9.0);
        QApplication::setFont(nine);
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        QCOMPARE(zoomOf(window), 1.0);
        // 620 holds four panels' selector; each further panel adds a button.
        const int selectorRows = int(window.panels().size()) - 4;
        const int bound =
            620 + selectorRows * window.findChild<QWidget *>(QStringLiteral("optCalculator(0)"))->sizeHint().height();
        QVERIFY2(window.width() <= 460 && window.height() <= bound,
                 qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
    }

private:
    Language m_language;
};

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
